// The read-only view of the raw text: its lines, its text, selecting and copying with the mouse
// and the keyboard, focus, scrolling and colours.
#include "window/initextview.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The lines a plain text editor shows for the text, the raw view's line ends turned into its own.
QStringList editorLines(QString text) {
    QPlainTextEdit editor;
    editor.setPlainText(text.replace(u"\r\n"_s, u"\n"_s));
    QStringList lines;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

QStringList viewLines(const IniTextView& view) {
    QStringList lines;
    for (qsizetype i = 0; i < view.lineCount(); ++i)
        lines << view.lineText(i);
    return lines;
}

// A view shown on its own, at the size the INI page gives it, in the fixed-pitch font.
struct ShownView {
    IniTextView view;
    explicit ShownView(const QString& text, QSize size = QSize(249, 97)) {
        view.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        view.setText(text);
        view.resize(size);
        view.show();
        QApplication::setActiveWindow(&view);
        view.setFocus();
    }
    // The viewport point of a position, where a click puts the cursor back on it.
    QPoint pointOf(qsizetype position) {
        const auto [anchor, cursor] = std::pair(view.anchorPosition(), view.cursorPosition());
        view.setSelection(position, position);
        const QRect r = view.cursorRect();
        view.setSelection(anchor, cursor);
        return QPoint(r.left(), r.center().y());
    }
};

QList<int> keys(std::initializer_list<QKeyCombination> combinations) {
    QList<int> combined;
    for (const QKeyCombination c : combinations)
        combined << c.toCombined();
    return combined;
}

} // namespace

class TestIniTextView : public QObject {
    Q_OBJECT

private slots:
    void lineBreaks_data();
    void lineBreaks();
    void everyHighByteComesBackAsRead();
    void typingChangesNothing();
    void selectAllAndCopy_data();
    void selectAllAndCopy();
    void contextMenuCopiesAndSelectsAll();
    void keyboardSelects_data();
    void keyboardSelects();
    void mouseSelects_data();
    void mouseSelects();
    void dragBeyondTheEdgeScrollsOn();
    void clicksLandOnTheirColumn_data();
    void clicksLandOnTheirColumn();
    void tabMovesTheFocusOn();
    void lastLineOfALongTextScrollsIntoView();
    void longLineScrollsSideways();
    void drawsInThePaletteColours();
};

// A line ends at CR LF, a lone CR or a lone LF, as in a plain text editor given the same text
// with its CR LF pairs turned into LF.
void TestIniTextView::lineBreaks_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("asEditor");
    QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s} << true;
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{u"a"_s, u"b"_s} << true;
    QTest::newRow("lone LF") << QByteArray("a\nb") << QStringList{u"a"_s, u"b"_s} << true;
    QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << QStringList{u"a"_s, {}, u"b"_s}
                                  << true;
    // Turning CR LF into LF first left that editor a CR LF here, shown as one break.
    QTest::newRow("CR CR LF is two")
        << QByteArray("a\r\r\nb") << QStringList{u"a"_s, {}, u"b"_s} << false;
    QTest::newRow("trailing break")
        << QByteArray("[Bot]\r\n") << QStringList{u"[Bot]"_s, {}} << true;
    QTest::newRow("trailing lone CR") << QByteArray("x\r") << QStringList{u"x"_s, {}} << true;
    QTest::newRow("leading break") << QByteArray("\nx") << QStringList{{}, u"x"_s} << true;
    QTest::newRow("only breaks") << QByteArray("\r\n\r\n") << QStringList{{}, {}, {}} << true;
    QTest::newRow("empty") << QByteArray() << QStringList{QString()} << true;
    QTest::newRow("no break") << QByteArray("Name = A") << QStringList{u"Name = A"_s} << true;
    QTest::newRow("mixed")
        << QByteArray("[Bot]\r\nName = A\nModel = gina\rTopColor = 1\r\n\r\n")
        << QStringList{u"[Bot]"_s, u"Name = A"_s, u"Model = gina"_s, u"TopColor = 1"_s, {}, {}}
        << true;
}

void TestIniTextView::lineBreaks() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QFETCH(bool, asEditor);
    if (asEditor)
        QCOMPARE(editorLines(QString::fromLatin1(text)), lines);

    IniTextView fromBytes;
    fromBytes.setFileBytes(text);
    QCOMPARE(viewLines(fromBytes), lines);
    QCOMPARE(fromBytes.lineCount(), lines.size());
    QCOMPARE(fromBytes.text(), QString::fromLatin1(text));
    // Over a text as long with its breaks elsewhere, then given the same text again.
    IniTextView again;
    again.setFileBytes(QByteArray(text.size(), '\n'));
    again.setFileBytes(text);
    again.setFileBytes(text);
    QCOMPARE(viewLines(again), lines);

    IniTextView fromText;
    fromText.setText(QString::fromLatin1(text));
    QCOMPARE(viewLines(fromText), lines);
    QCOMPARE(fromText.text(), QString::fromLatin1(text));
    QCOMPARE(fromText.lineText(-1), QString());
    QCOMPARE(fromText.lineText(lines.size()), QString());
}

// The bytes are Windows-1252; its five unassigned bytes stay the C1 controls of the same value.
void TestIniTextView::everyHighByteComesBackAsRead() {
    QByteArray bytes("[Bot]\r\nName = ");
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += char(b);
    bytes += "\r\n";
    IniTextView view;
    view.setFileBytes(bytes);
    const QString text = view.text();
    QCOMPARE(text.size(), bytes.size());
    const QString name = view.lineText(1);
    QCOMPARE(name.size(), 7 + 128);
    const QList<std::pair<int, char16_t>> spots{
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x92, 0x2019}, {0x99, 0x2122}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0},
        {0xAD, 0x00AD}, {0xE9, 0x00E9}, {0xFF, 0x00FF}};
    for (const auto& [byte, character] : spots)
        QCOMPARE(name.at(7 + byte - 0x80).unicode(), character);
    QCOMPARE(text, u"[Bot]\r\n"_s + name + u"\r\n"_s);
    view.selectAll();
    QCOMPARE(view.selectedText(), text);
}

void TestIniTextView::typingChangesNothing() {
    ShownView shown(u"[Bot]\r\nName = A\r\n"_s);
    IniTextView& view = shown.view;
    view.setSelection(7, 11);
    QTest::keyClicks(&view, u"typed"_s);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&view, key);
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(view.text(), u"[Bot]\r\nName = A\r\n"_s);
    QCOMPARE(view.selectedText(), u"Name"_s);
}

void TestIniTextView::selectAllAndCopy_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("[Bot]\r\nName = Andr\xe9\r\n")
                           << u"[Bot]\r\nName = Andr\u00e9\r\n"_s;
    QTest::newRow("line ends as held") << QByteArray("a\nb\rc\r\n\x80") << u"a\nb\rc\r\n\u20ac"_s;
}

void TestIniTextView::selectAllAndCopy() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    ShownView shown{QString()};
    IniTextView& view = shown.view;
    view.setFileBytes(bytes);
    QApplication::clipboard()->setText(u"before"_s);
    QTest::keySequence(&view, QKeySequence::Copy); // nothing selected: nothing copied
    QCOMPARE(QApplication::clipboard()->text(), u"before"_s);
    QTest::keySequence(&view, QKeySequence::SelectAll);
    QTest::keySequence(&view, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void TestIniTextView::contextMenuCopiesAndSelectsAll() {
    ShownView shown(u"[Bot]\r\nName = A\r\n"_s);
    IniTextView& view = shown.view;
    const auto action = [](QMenu* menu, const QString& text) {
        const auto actions = menu->actions();
        const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                        [&](QAction* a) { return a->text() == text; });
        return found == actions.cend() ? nullptr : *found;
    };
    std::unique_ptr<QMenu> menu(view.createContextMenu());
    QVERIFY(action(menu.get(), u"&Copy"_s));
    QVERIFY(!action(menu.get(), u"&Copy"_s)->isEnabled());
    action(menu.get(), u"Select &All"_s)->trigger();
    QCOMPARE(view.selectedText(), view.text());

    view.setSelection(7, 11);
    menu.reset(view.createContextMenu());
    QVERIFY(action(menu.get(), u"&Copy"_s)->isEnabled());
    action(menu.get(), u"&Copy"_s)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), u"Name"_s);
}

void TestIniTextView::keyboardSelects_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("selected");
    const QString text = u"ab\r\ncd\r\nef"_s;
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    QTest::newRow("shift right twice")
        << text << keys({shift | Qt::Key_Right, shift | Qt::Key_Right}) << u"ab"_s;
    QTest::newRow("over a line end")
        << text << keys({shift | Qt::Key_Right, shift | Qt::Key_Right, shift | Qt::Key_Right})
        << u"ab\r\n"_s;
    QTest::newRow("shift down") << text << keys({shift | Qt::Key_Down}) << u"ab\r\n"_s;
    QTest::newRow("shift end") << text
                               << keys({Qt::Key_Right | Qt::NoModifier, shift | Qt::Key_End})
                               << u"b"_s;
    QTest::newRow("last line from its end")
        << text << keys({ctrl | Qt::Key_End, shift | Qt::Key_Home}) << u"ef"_s;
    QTest::newRow("to the end") << text << keys({ctrl | shift | Qt::Key_End}) << text;
    QTest::newRow("back up a line")
        << text
        << keys({Qt::Key_Down | Qt::NoModifier, Qt::Key_Down | Qt::NoModifier, shift | Qt::Key_Up})
        << u"cd\r\n"_s;
    QTest::newRow("shift left back over a line end")
        << text << keys({Qt::Key_Down | Qt::NoModifier, shift | Qt::Key_Left}) << u"\r\n"_s;
    QTest::newRow("arrow without shift drops the selection")
        << text
        << keys({shift | Qt::Key_End, Qt::Key_Right | Qt::NoModifier, shift | Qt::Key_Right})
        << u"\r\n"_s;
    QTest::newRow("column kept across a short line")
        << u"abc\r\nd\r\nefg"_s
        << keys({Qt::Key_End | Qt::NoModifier, Qt::Key_Down | Qt::NoModifier,
                 Qt::Key_Down | Qt::NoModifier, shift | Qt::Key_Home})
        << u"efg"_s;
    QTest::newRow("page down") << text << keys({shift | Qt::Key_PageDown}) << u"ab\r\ncd\r\n"_s;
    QTest::newRow("page up keeps the column")
        << text << keys({ctrl | Qt::Key_End, shift | Qt::Key_PageUp}) << u"\r\ncd\r\nef"_s;
    QTest::newRow("word") << u"Name = Bot1\r\n"_s << keys({ctrl | shift | Qt::Key_Right})
                          << u"Name = "_s;
    QTest::newRow("word back") << u"Name = Bot1\r\n"_s
                               << keys({Qt::Key_End | Qt::NoModifier, ctrl | shift | Qt::Key_Left})
                               << u"Bot1"_s;
}

void TestIniTextView::keyboardSelects() {
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    QFETCH(QString, selected);
    // Tall enough for every line: a page down goes to the last.
    ShownView shown(text, QSize(249, 200));
    for (const int key : keys) {
        const QKeyCombination c = QKeyCombination::fromCombined(key);
        QTest::keyClick(&shown.view, c.key(), c.keyboardModifiers());
    }
    QCOMPARE(shown.view.selectedText(), selected);
}

void TestIniTextView::mouseSelects_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("to");
    QTest::addColumn<QString>("selected");
    // "Name = Bot1\r\nModel = gina\r\n": "Bot1" starts at 7, "Model" at 13, "gina" at 21.
    QTest::newRow("drag") << u"drag"_s << qsizetype(7) << qsizetype(18) << u"Bot1\r\nModel"_s;
    QTest::newRow("drag backwards")
        << u"drag"_s << qsizetype(18) << qsizetype(7) << u"Bot1\r\nModel"_s;
    QTest::newRow("shift-click") << u"shift"_s << qsizetype(13) << qsizetype(25)
                                 << u"Model = gina"_s;
    QTest::newRow("double-click a word")
        << u"double"_s << qsizetype(22) << qsizetype(22) << u"gina"_s;
    QTest::newRow("click drops the selection")
        << u"click"_s << qsizetype(3) << qsizetype(3) << QString();
}

void TestIniTextView::mouseSelects() {
    QFETCH(QString, how);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, to);
    QFETCH(QString, selected);
    ShownView shown(u"Name = Bot1\r\nModel = gina\r\n"_s);
    IniTextView& view = shown.view;
    QWidget* port = view.viewport();
    view.setSelection(0, 4);
    if (how == u"drag") {
        QTest::mousePress(port, Qt::LeftButton, {}, shown.pointOf(from));
        QTest::mouseMove(port, (shown.pointOf(from) + shown.pointOf(to)) / 2);
        QTest::mouseMove(port, shown.pointOf(to));
        QTest::mouseRelease(port, Qt::LeftButton, {}, shown.pointOf(to));
    } else if (how == u"shift") {
        QTest::mouseClick(port, Qt::LeftButton, {}, shown.pointOf(from));
        QTest::mouseClick(port, Qt::LeftButton, Qt::ShiftModifier, shown.pointOf(to));
    } else if (how == u"double") {
        QTest::mouseDClick(port, Qt::LeftButton, {}, shown.pointOf(from));
    } else {
        QTest::mouseClick(port, Qt::LeftButton, {}, shown.pointOf(from));
    }
    QCOMPARE(view.selectedText(), selected);
    QCOMPARE(view.text(), u"Name = Bot1\r\nModel = gina\r\n"_s);
}

// Held below the view, the mouse keeps selecting further down the text.
void TestIniTextView::dragBeyondTheEdgeScrollsOn() {
    QString text;
    for (int i = 0; i < 200; ++i)
        text += u"Name = Bot%1\r\n"_s.arg(i);
    ShownView shown(text);
    IniTextView& view = shown.view;
    QWidget* port = view.viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, shown.pointOf(0));
    const QPoint below(20, port->height() + 20);
    QTest::mouseMove(port, below);
    QTRY_VERIFY(view.verticalScrollBar()->value() >= 10);
    QTest::mouseRelease(port, Qt::LeftButton, {}, below);
    const int reached = view.verticalScrollBar()->value();
    QTest::qWait(100);
    QCOMPARE(view.verticalScrollBar()->value(), reached); // stops with the button
    const QStringList selected = view.selectedText().split(u"\r\n"_s);
    QVERIFY(selected.size() > 10);
    QCOMPARE(selected.first(), u"Name = Bot0"_s);
}

// Each position has a place of its own on screen, further right along a line, and a click there
// lands on it; a tab reaches on to the next multiple of eight columns.
void TestIniTextView::clicksLandOnTheirColumn_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("tabColumns"); // the columns the first tab takes; 0: no tab
    QTest::newRow("plain") << u"Name = Bot1"_s << 0;
    QTest::newRow("tab at the start") << u"\tName"_s << 8;
    QTest::newRow("tab after two") << u"ab\tc\tdefgh"_s << 6;
    QTest::newRow("code page characters") << u"\u20ac\u0178\u00e9\u00a0\u00ad\u0081x"_s << 0;
}

void TestIniTextView::clicksLandOnTheirColumn() {
    QFETCH(QString, line);
    QFETCH(int, tabColumns);
    ShownView shown(line + u"\r\nnext"_s, QSize(400, 97));
    int lastX = -1;
    for (qsizetype position = 0; position <= line.size(); ++position) {
        const QPoint at = shown.pointOf(position);
        QVERIFY2(at.x() > lastX, qPrintable(QString::number(position)));
        lastX = at.x();
        QTest::mouseClick(shown.view.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(shown.view.cursorPosition(), position);
    }
    if (tabColumns) {
        const qsizetype tab = line.indexOf(u'\t');
        // A column's width, measured over the characters after the last tab.
        const qsizetype after = line.lastIndexOf(u'\t') + 1;
        const double column = (shown.pointOf(line.size()).x() - shown.pointOf(after).x()) /
                              double(line.size() - after);
        const int tabWidth = shown.pointOf(tab + 1).x() - shown.pointOf(tab).x();
        QVERIFY2(std::abs(tabWidth - tabColumns * column) <= 3,
                 qPrintable(QString::number(tabWidth)));
    }
}

void TestIniTextView::tabMovesTheFocusOn() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* view = new IniTextView(&window);
    auto* after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(view);
    layout->addWidget(after);
    view->setText(u"[Bot]\r\nName = A\r\n"_s);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(view->focusPolicy(), Qt::StrongFocus);

    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab);
    QVERIFY(after->hasFocus());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(view->hasFocus());
    QCOMPARE(view->text(), u"[Bot]\r\nName = A\r\n"_s);
}

// The scroll bar reaches exactly as far as the last line: at its end the last line is the
// bottom one on screen.
void TestIniTextView::lastLineOfALongTextScrollsIntoView() {
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += u"Name = Bot%1\r\n"_s.arg(i);
    ShownView shown(text);
    IniTextView& view = shown.view;
    QCOMPARE(view.lineCount(), 100001);

    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view.cursorPosition(), text.size());
    QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    const QRect last = view.cursorRect();
    QVERIFY(last.top() >= 0);
    QVERIFY(last.bottom() < view.viewport()->height());
    QVERIFY(view.viewport()->height() - last.bottom() <= last.height() + 4);

    // The line before the first on screen is just above it.
    const int rows = (last.bottom() + 1) / last.height();
    for (int i = 1; i < rows; ++i)
        QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum() - 1);

    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    QCOMPARE(view.cursorPosition(), 0);
}

void TestIniTextView::longLineScrollsSideways() {
    const QString line = u"Name = "_s + QString(2000, u'x') + u"!"_s;
    ShownView shown(line + u"\r\nshort\r\n"_s);
    IniTextView& view = shown.view;
    const QScrollBar* bar = view.horizontalScrollBar();
    const double column = (shown.pointOf(100).x() - shown.pointOf(0).x()) / 100.0;
    QVERIFY(bar->maximum() >= double(line.size()) * column - view.viewport()->width());
    QVERIFY(bar->maximum() <= double(line.size() + 2) * column);

    QTest::keyClick(&view, Qt::Key_End);
    QVERIFY(bar->value() > 0);
    QVERIFY(view.viewport()->rect().contains(view.cursorRect()));
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(bar->value(), 0);
    QVERIFY(view.viewport()->rect().contains(view.cursorRect()));
}

// Base behind the text, Text for it, Highlight behind a selection.
void TestIniTextView::drawsInThePaletteColours() {
    ShownView shown(u"MMMM ####\r\nHHHH\r\n"_s);
    IniTextView& view = shown.view;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, QColor(64, 64, 64));
    palette.setColor(QPalette::Text, QColor(0, 255, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 200));
    view.setPalette(palette);
    const auto colours = [&] {
        const QImage image = view.viewport()->grab().toImage();
        QSet<QRgb> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found.insert(image.pixel(x, y) & 0xFFFFFF);
        return found;
    };
    QSet<QRgb> seen = colours();
    QVERIFY(seen.contains(0x404040));
    QVERIFY(seen.contains(0x00FF00));
    QVERIFY(!seen.contains(0x0000C8));
    view.selectAll();
    seen = colours();
    QVERIFY(seen.contains(0x0000C8));
}

QTEST_MAIN(TestIniTextView)
#include "tst_initextview.moc"
