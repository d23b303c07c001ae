#include "window/findbox.h"

#include "window/fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FindBox::FindBox(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(u"findBox"_s);
    setWindowTitle(tr("Find"));
    // A window of its own inherits no font from the window it belongs to.
    setFont(dialogFont());
    edit = new QLineEdit(this);
    edit->setObjectName(u"findEdit"_s);
    status = new QLabel(this);
    status->setObjectName(u"findStatus"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit);
    layout->addWidget(status);
    edit->installEventFilter(this);
}

void FindBox::open(const QString& title) {
    setWindowTitle(title);
    status->setText(tr("Enter: next; Shift+Enter: previous"));
    // It opens beside the window, where it hides nothing of it.
    if (!isVisible() && parentWidget())
        move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
    show();
    raise();
    activateWindow();
    edit->setFocus();
    edit->selectAll();
}

void FindBox::setStatus(const QString& text) {
    status->setText(text);
}

bool FindBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool backwards = key->modifiers().testFlag(Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F3:
        emit findRequested(edit->text(), backwards);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}
