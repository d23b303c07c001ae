#include "window/fonts.h"

#include <QFontInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

QFont dialogFont() {
    QFont font;
    font.setFamilies(
        {u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    // Arial and its look-alikes run wider than the old dialog font: a half point less keeps
    // captions such as "Bottom Color" clear of the control beside them.
    const QString family = QFontInfo(font).family();
    if (!family.contains(u"Sans Serif"_s, Qt::CaseInsensitive))
        font.setPointSizeF(7.5);
    return font;
}

QFont rawTextFont() {
    QFont font;
    font.setFamilies({u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.25);
    return font;
}

QFont versionFont() {
    QFont font;
    font.setFamilies({u"Small Fonts"_s, u"Liberation Sans Narrow"_s, u"Liberation Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(7);
    return font;
}
