#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QTextBrowser;

// The player's guide in a window of its own: docs/guide.md and its pictures, built into the
// program, as Qt's Markdown reader renders it. Its links within the guide scroll to their
// section, and its other links open in the system's browser.
class GuideWindow : public QWidget {
    Q_OBJECT

public:
    explicit GuideWindow(QWidget* owner);

    // Scrolls to the section whose heading gives this anchor, as the guide's own links name
    // their sections: "the-bots-page" for "The Bots page".
    void showSection(const QString& anchor);
    const QTextBrowser& view() const { return *browser; }

private:
    QTextBrowser* browser = nullptr;
};

// The guide window of owner, opened at the section of anchor: made on first use, later shown
// again and raised.
void showGuide(QWidget* owner, const QString& anchor);

// F1 in window shows the guide at the section sectionOnView() names. The context menus of the
// widgets in menus list it with its key, after a separator.
QAction* addGuideAction(QWidget* window, std::function<QString()> sectionOnView,
                        const QList<QWidget*>& menus);
