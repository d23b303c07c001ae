#include "window/namemark.h"

#include "roster/codepage.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>

#include <utility>

namespace {

QAction* warningMark(QLineEdit* box, const QString& toolTip) {
    auto* mark =
        new QAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), box);
    mark->setToolTip(toolTip);
    return mark;
}

// The mark is put into the box and taken out again, not hidden: a hidden action counts as
// disabled, and so would the button the box keeps for it.
void showMark(QLineEdit* box, QAction* mark, bool marked) {
    if (marked == box->actions().contains(mark))
        return;
    if (marked)
        box->addAction(mark, QLineEdit::TrailingPosition);
    else
        box->removeAction(mark);
}

} // namespace

NameMark::NameMark(QLineEdit* nameBox, const QString& toolTip)
    : box(nameBox), mark(warningMark(nameBox, toolTip)) {}

void NameMark::setOffered(OfferedNames names) {
    offered = std::move(names);
    follow(box->text());
}

void NameMark::follow(const QString& text) {
    showMark(box, mark, offered.lacks(text));
}

void markLettersTheFileCannotHold(QLineEdit* box) {
    QAction* mark = warningMark(
        box, QCoreApplication::translate("NameMark", "bots.ini cannot hold some letters of this "
                                                     "name: \"Save INI\" writes each of them as "
                                                     "\"?\"."));
    const auto follow = [box, mark](const QString& text) {
        showMark(box, mark, !codePageHolds(text));
    };
    QObject::connect(box, &QLineEdit::textChanged, mark, follow);
    follow(box->text());
}
