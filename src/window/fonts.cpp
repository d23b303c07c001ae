#include "window/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

QFont dialogFont() {
    QFont font;
    font.setFamilies(
        {u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    // The layout is sized for MS Sans Serif at 8 points; Arial and its look-alikes run wider, so
    // they get a half point less, which keeps captions such as "Bottom Color" clear of the control
    // beside them.
    const QString family = QFontInfo(font).family();
    if (!family.contains(u"Sans Serif"_s, Qt::CaseInsensitive))
        font.setPointSizeF(7.5);
    return font;
}

// Fixed-pitch whatever the system has: the named faces first, then the system's own fixed font,
// then any face the font database marks fixed-pitch.
QFont rawTextFont() {
    constexpr qreal pointSize = 8.25;
    QFont font;
    font.setFamilies({u"Courier New"_s, u"Liberation Mono"_s, u"Cousine"_s, u"DejaVu Sans Mono"_s,
                      u"Consolas"_s, u"Lucida Console"_s});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    system.setPointSizeF(pointSize);
    if (QFontInfo(system).fixedPitch())
        return system;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (QFontDatabase::isFixedPitch(family)) {
            font.setFamilies({family});
            return font;
        }
    }
    return font;
}

QFont versionFont() {
    QFont font;
    font.setFamilies({u"Small Fonts"_s, u"Liberation Sans Narrow"_s, u"Liberation Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(7);
    return font;
}
