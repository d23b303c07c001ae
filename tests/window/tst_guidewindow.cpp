// The player's guide in its window: F1 opens it at the section of the page on view, one window
// per main window; its links find their sections and its pictures are there.
#include "window/guidewindow.h"
#include "windowsupport.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The text of the block at the top of the guide's view.
QString topBlock(const QTextBrowser& view) {
    return view.cursorForPosition(QPoint(8, 2)).block().text();
}

} // namespace

class TestGuideWindow : public WindowTest {
    Q_OBJECT

private slots:
    // F1 from a control of the page: the guide, opened from the Bots page first, shows the
    // page's section in the same window.
    void f1ShowsTheSectionOfThePage_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Bots") << 0 << u"modelCombo"_s << u"The Bots page"_s;
        QTest::newRow("Maps") << 1 << u"quantityEdit"_s << u"The Maps page"_s;
        QTest::newRow("INI") << 2 << u"iniTextView"_s << u"The INI page"_s;
        QTest::newRow("Roster window") << 0 << u"botsTable"_s << u"The Roster window"_s;
    }

    void f1ShowsTheSectionOfThePage() {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(QString, heading);
        WindowOn shown("[Bot]\r\nName=Alpha\r\nModel=gina\r\n");
        shown.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        for (const int page : {0, tab}) {
            clickTab(shown.window, page);
            if (focus.endsWith(u"Table") && page == tab) {
                QTest::keyClick(&shown.window, Qt::Key_L, Qt::ControlModifier);
                QTRY_COMPARE(QApplication::activeWindow(), control(shown.window, "rosterWindow"));
            }
            QWidget* pressed = page == tab ? control(shown.window, focus) : &shown.window;
            pressed->setFocus();
            QTest::keyClick(pressed, Qt::Key_F1);
        }
        const auto guides = shown.window.findChildren<GuideWindow*>();
        QCOMPARE(guides.size(), 1);
        QVERIFY(guides.first()->isVisible());
        QCOMPARE(topBlock(guides.first()->view()), heading);
    }

    // Every link within the guide has its heading, every picture loads, and a click on a link
    // scrolls to its section.
    void linksAndPictures() {
        QWidget owner;
        GuideWindow guide(&owner);
        guide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        const QTextBrowser& view = guide.view();
        QStringList anchors, links, pictures;
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
            for (auto part = block.begin(); !part.atEnd(); ++part) {
                const QTextCharFormat format = part.fragment().charFormat();
                anchors << format.anchorNames();
                if (format.anchorHref().startsWith(u'#'))
                    links << format.anchorHref().mid(1);
                if (format.isImageFormat())
                    pictures << format.toImageFormat().name();
            }
        }
        QVERIFY(links.size() >= 20 && pictures.size() >= 4);
        for (const QString& link : std::as_const(links))
            QVERIFY2(anchors.contains(link), qPrintable(link));
        for (const QString& picture : std::as_const(pictures)) {
            const auto image = view.document()->resource(QTextDocument::ImageResource, picture);
            QVERIFY2(!image.isNull(), qPrintable(picture));
        }
        QTextCursor first = view.document()->find(u"Where Zelvik looks for bots.ini"_s);
        first.setPosition(first.selectionStart() + 2);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(first).center());
        QTRY_COMPARE(topBlock(view), u"Where Zelvik looks for bots.ini"_s);
    }
};

QTEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
