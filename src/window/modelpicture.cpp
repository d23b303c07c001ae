#include "window/modelpicture.h"

#include <QUrl>

using namespace Qt::StringLiterals;

QString modelPictureToolTip(const QString& path) {
    if (path.isEmpty())
        return QString();
    // Percent-encoded, a path with "#", "%" or a space still names the file; escaped, a quote or
    // an ampersand cannot end the attribute.
    const QString source = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    return u"<img src=\"%1\">"_s.arg(source.toHtmlEscaped());
}
