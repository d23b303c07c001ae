// Filling the raw text view: CR LF shown as line breaks, short texts at once, long texts in
// slices from the event loop that end with the whole text in place.
#include "window/rawtextview.h"

#include "roster/codepage.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// n numbered key lines with CR LF ends, about 20 characters each.
QString rawLines(int n, const QString& word = u"Name"_s) {
    QString text;
    for (int i = 0; i < n; ++i)
        text += u"%1 = Bot%2\r\n"_s.arg(word).arg(i);
    return text;
}

QString withLineFeeds(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace

class TestRawTextView : public QObject {
    Q_OBJECT

private slots:
    void shortTextGoesInAtOnce();
    void loneLineFeedIsALineBreakToo();
    void longTextArrivesInSlices();
    void newTextDropsTheRestOfTheOld();
    void stopKeepsWhatIsInAndAddsNothing();
    void finishPutsInTheRestAtOnce();
    void lineLongerThanASliceGoesInWhole();
    void fileTextIsDecodedSliceBySlice();
    void oldTextGoesWithItsDocumentLater();
};

void TestRawTextView::shortTextGoesInAtOnce() {
    QPlainTextEdit editor;
    editor.setPlainText(u"old"_s);
    fillRawTextView(&editor, u"[Bot]\r\nName = A\r\n"_s);
    QVERIFY(!rawTextFilling(&editor));
    QCOMPARE(editor.toPlainText(), u"[Bot]\nName = A\n"_s);
    QCOMPARE(editor.document()->blockCount(), 3);
    QVERIFY(!editor.document()->isUndoAvailable());
}

void TestRawTextView::loneLineFeedIsALineBreakToo() {
    QPlainTextEdit editor;
    fillRawTextView(&editor, u"Name = a\nb\r\n"_s);
    QCOMPARE(editor.document()->blockCount(), 3);
    QCOMPARE(editor.toPlainText(), u"Name = a\nb\n"_s);
}

void TestRawTextView::longTextArrivesInSlices() {
    QPlainTextEdit editor;
    editor.setPlainText(u"old"_s);
    const QString raw = rawLines(60000);
    QVERIFY(raw.size() > 4 * FirstSliceChars);
    const QString expected = withLineFeeds(raw);

    fillRawTextView(&editor, raw);
    // The first slice is in, ends with a whole line, and the old text is gone.
    QVERIFY(rawTextFilling(&editor));
    const QString first = editor.toPlainText();
    QVERIFY(!first.isEmpty());
    QVERIFY(first.size() <= FirstSliceChars);
    QVERIFY(first.endsWith(u'\n'));
    QVERIFY(expected.startsWith(first));

    QTRY_VERIFY_WITH_TIMEOUT(!rawTextFilling(&editor), 30000);
    QCOMPARE(editor.toPlainText(), expected);
    QCOMPARE(editor.document()->blockCount(), 60001);
    // Nothing to undo, and undo works again for the player's own typing.
    QVERIFY(!editor.document()->isUndoAvailable());
    QVERIFY(editor.document()->isUndoRedoEnabled());
}

void TestRawTextView::newTextDropsTheRestOfTheOld() {
    QPlainTextEdit editor;
    fillRawTextView(&editor, rawLines(60000, u"Old"_s));
    QVERIFY(rawTextFilling(&editor));
    QCoreApplication::processEvents();

    fillRawTextView(&editor, u"new\r\n"_s);
    QVERIFY(!rawTextFilling(&editor));
    QCOMPARE(editor.toPlainText(), u"new\n"_s);
    QTest::qWait(50);
    QCOMPARE(editor.toPlainText(), u"new\n"_s);

    // A long text after a long text: only the second ends up in the editor.
    fillRawTextView(&editor, rawLines(30000, u"Old"_s));
    const QString second = rawLines(30000, u"New"_s);
    fillRawTextView(&editor, second);
    QTRY_VERIFY_WITH_TIMEOUT(!rawTextFilling(&editor), 30000);
    QCOMPARE(editor.toPlainText(), withLineFeeds(second));
}

void TestRawTextView::stopKeepsWhatIsInAndAddsNothing() {
    QPlainTextEdit editor;
    const QString raw = rawLines(60000);
    fillRawTextView(&editor, raw);
    stopRawTextFill(&editor);
    QVERIFY(!rawTextFilling(&editor));
    const QString kept = editor.toPlainText();
    QVERIFY(!kept.isEmpty());
    QVERIFY(kept.size() < raw.size());
    QTest::qWait(50);
    QCOMPARE(editor.toPlainText(), kept);
    QVERIFY(editor.document()->isUndoRedoEnabled());
    stopRawTextFill(&editor); // a second stop does nothing
    QCOMPARE(editor.toPlainText(), kept);
}

void TestRawTextView::finishPutsInTheRestAtOnce() {
    QPlainTextEdit editor;
    const QString raw = rawLines(60000);
    fillRawTextView(&editor, raw);
    QVERIFY(rawTextFilling(&editor));
    finishRawTextFill(&editor);
    QVERIFY(!rawTextFilling(&editor));
    QCOMPARE(editor.toPlainText(), withLineFeeds(raw));
}

void TestRawTextView::lineLongerThanASliceGoesInWhole() {
    QPlainTextEdit editor;
    const QString longLine = u"Name = "_s + QString(3 * FirstSliceChars, u'x');
    const QString raw = u"[Bot]\r\n"_s + longLine + u"\r\n[Map]\r\n"_s;
    fillRawTextView(&editor, raw);
    QTRY_VERIFY_WITH_TIMEOUT(!rawTextFilling(&editor), 30000);
    QCOMPARE(editor.toPlainText(), withLineFeeds(raw));
    QCOMPARE(editor.document()->findBlockByNumber(1).text(), longLine);
}

void TestRawTextView::fileTextIsDecodedSliceBySlice() {
    // Bytes of the file's code page (Windows-1252): 0x80 is the euro sign, 0x9F a Y with
    // diaeresis, 0xE9 an e with acute accent; a lone LF is a line break in the editor too.
    QByteArray file;
    QString expected;
    for (int i = 0; i < 40000; ++i) {
        file += "Name = \x80\x9f\xe9 " + QByteArray::number(i) + (i % 7 ? "\r\n" : "\n");
        expected += u"Name = \u20ac\u0178\u00e9 "_s + QString::number(i) + u"\n"_s;
    }
    QVERIFY(file.size() > 4 * FirstSliceChars);
    QPlainTextEdit editor;
    fillRawTextViewFromFile(&editor, file);
    QVERIFY(rawTextFilling(&editor));
    QVERIFY(expected.startsWith(editor.toPlainText()));
    QTRY_VERIFY_WITH_TIMEOUT(!rawTextFilling(&editor), 30000);
    QCOMPARE(editor.toPlainText(), expected);

    // A short one goes in at once; an empty one empties the editor.
    fillRawTextViewFromFile(&editor, "[Bot]\r\nName = Andr\xe9\r\n");
    QVERIFY(!rawTextFilling(&editor));
    QCOMPARE(editor.toPlainText(), u"[Bot]\nName = Andr\u00e9\n"_s);
    fillRawTextViewFromFile(&editor, QByteArray());
    QCOMPARE(editor.toPlainText(), QString());
}

// Each text goes into a new document in the editor's font; the one it replaces is deleted in a
// later turn of the event loop, and none is left behind.
void TestRawTextView::oldTextGoesWithItsDocumentLater() {
    QPlainTextEdit editor;
    editor.setFont(QFont(u"Courier New"_s, 11));
    fillRawTextView(&editor, rawLines(10));
    QPointer<QTextDocument> first = editor.document();
    QCOMPARE(first->defaultFont(), editor.font());

    fillRawTextViewFromFile(&editor, "[Bot]\r\n");
    QVERIFY(editor.document() != first);
    QVERIFY(first); // not deleted inside the call
    QCOMPARE(editor.document()->defaultFont(), editor.font());
    QCOMPARE(editor.toPlainText(), u"[Bot]\n"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(editor.findChildren<QTextDocument*>().size(), 1);

    // The player can type into the new document and undo it.
    QTest::keyClicks(&editor, u"ab"_s);
    QCOMPARE(editor.toPlainText(), u"ab[Bot]\n"_s);
    editor.undo();
    QCOMPARE(editor.toPlainText(), u"[Bot]\n"_s);
}

QTEST_MAIN(TestRawTextView)
#include "tst_rawtextview.moc"
