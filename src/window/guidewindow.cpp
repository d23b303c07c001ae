#include "window/guidewindow.h"

#include <QAction>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The guide and, below it, its pictures (images/*.png).
const QString GuideFile = u":/guide/guide.md"_s;
const QUrl GuideFolder(u"qrc:/guide/"_s);

// The anchor of a heading, as the guide's links write it: in lower case, spaces as hyphens,
// every other character but letters, digits, hyphens and underscores left out.
QString headingAnchor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            anchor += c;
        else if (c == u' ')
            anchor += u'-';
    }
    return anchor;
}

// Qt's Markdown reader names no heading: each gets the anchor its text gives. The document is
// not loaded with QTextBrowser::setSource, which would read the file again over these names.
// The lines of code blocks wrap like the text, so that no line needs sideways scrolling.
void finishGuide(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        if (block.blockFormat().nonBreakableLines()) {
            QTextBlockFormat wrapping;
            wrapping.setNonBreakableLines(false);
            cursor.mergeBlockFormat(wrapping);
        }
        if (block.blockFormat().headingLevel() == 0)
            continue;
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames({headingAnchor(block.text())});
        cursor.mergeCharFormat(named);
    }
}

} // namespace

GuideWindow::GuideWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser(new QTextBrowser(this)) {
    setWindowTitle(tr("Zelvik Player's Guide"));
    setWindowIcon(owner->windowIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    QFile guide(GuideFile);
    if (guide.open(QIODevice::ReadOnly))
        browser->setMarkdown(QString::fromUtf8(guide.readAll()));
    browser->document()->setBaseUrl(GuideFolder);
    finishGuide(browser->document());
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(800, 640);
}

void GuideWindow::showSection(const QString& anchor) {
    browser->scrollToAnchor(anchor);
}

void showGuide(QWidget* owner, const QString& anchor) {
    auto* guide = owner->findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guide)
        guide = new GuideWindow(owner);
    guide->show();
    guide->showSection(anchor);
    guide->raise();
    guide->activateWindow();
}

QAction* addGuideAction(QWidget* window, std::function<QString()> sectionOnView,
                        const QList<QWidget*>& menus) {
    auto* action = new QAction(GuideWindow::tr("Player's Guide"), window);
    action->setShortcut(Qt::Key_F1);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(
        action, &QAction::triggered, window,
        [window, section = std::move(sectionOnView)] { showGuide(window, section()); });
    window->addAction(action);
    for (QWidget* menu : menus) {
        auto* separator = new QAction(menu);
        separator->setSeparator(true);
        menu->addActions({separator, action});
    }
    return action;
}
