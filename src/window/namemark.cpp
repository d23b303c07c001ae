#include "window/namemark.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

#include <utility>

// The mark is put into the box and taken out again, not hidden: a hidden action counts as
// disabled, and so would the button the box keeps for it.
NameMark::NameMark(QLineEdit* nameBox, const QString& toolTip)
    : box(nameBox), mark(new QAction(nameBox->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                     QString(), nameBox)) {
    mark->setToolTip(toolTip);
}

void NameMark::setOffered(OfferedNames names) {
    offered = std::move(names);
    follow(box->text());
}

void NameMark::follow(const QString& text) {
    const bool marked = offered.lacks(text);
    if (marked == box->actions().contains(mark))
        return;
    if (marked)
        box->addAction(mark, QLineEdit::TrailingPosition);
    else
        box->removeAction(mark);
}
