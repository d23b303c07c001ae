#include "window/rawtextview.h"

#include "roster/codepage.h"

#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Slices aim at this much time each. The odd slice takes several times longer (the document
// growing its arrays into memory new to the process, a page drawn in the same turn): aiming low
// keeps even those within the tenth of a second in which a window still answers at once.
constexpr qint64 SliceTargetNs = 12'000'000;
constexpr qsizetype MinSliceChars = qsizetype(4) * 1024;
constexpr qsizetype MaxSliceChars = qsizetype(4) * 1024 * 1024;

// Lives as a child of the editor it fills, found again by its object name.
class RawTextFiller final : public QObject {
    Q_OBJECT

public:
    explicit RawTextFiller(QPlainTextEdit* target) : QObject(target), editor(target) {
        setObjectName(ObjectName);
        timer.setSingleShot(true);
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, this, [this] { nextSlice(); });
    }

    static inline const QString ObjectName = u"zelvik_rawTextFiller"_s;

    // One of the two is set: the text, or the bytes of the file's code page.
    void start(const QString& rawText, const QByteArray& codePageText) {
        stop();
        text = rawText;
        bytes = codePageText;
        size = text.isNull() ? bytes.size() : text.size();
        freshDocument();
        if (size <= FirstSliceChars) {
            editor->setPlainText(shownText(0, size));
            stop();
            return;
        }
        filling = true;
        position = sliceEnd(0, FirstSliceChars);
        // Like setPlainText: the view starts at the top and nothing is left to undo. Undo stays
        // off while the rest goes in, so the slices do not pile up in the undo stack.
        editor->setPlainText(shownText(0, position));
        editor->document()->setUndoRedoEnabled(false);
        timer.start();
    }

    void stop() {
        timer.stop();
        text = QString();
        bytes = QByteArray();
        if (filling) {
            filling = false;
            editor->document()->setUndoRedoEnabled(true);
        }
    }

    bool busy() const { return filling; }

    void finish() {
        if (!busy())
            return;
        timer.stop();
        append(position, size);
        stop();
    }

private:
    // Emptying a document of a full roster's text takes tens of milliseconds. The new text goes
    // into a new document instead, and the old one is deleted in a later turn of the event loop,
    // on its own. (The editor's first document belongs to the editor, which deletes it at once.)
    void freshDocument() {
        QTextDocument* old = editor->document();
        const bool ours = old->parent() == editor; // asked now: setDocument may delete it
        auto* fresh = new QTextDocument(editor);
        fresh->setDocumentLayout(new QPlainTextDocumentLayout(fresh));
        fresh->setDefaultFont(editor->font());
        editor->setDocument(fresh);
        if (ours)
            old->deleteLater();
    }

    // The slice ends just after a line break, so a CR LF pair is never cut in two (a line longer
    // than a slice goes in whole). The code page gives each byte one character, so positions are
    // the same in text and in bytes.
    qsizetype sliceEnd(qsizetype from, qsizetype chars) const {
        const qsizetype limit = from + chars;
        if (limit >= size)
            return size;
        const qsizetype lastBreak = lastLineFeed(from, limit);
        if (lastBreak >= from)
            return lastBreak + 1;
        const qsizetype nextBreak =
            text.isNull() ? bytes.indexOf('\n', limit) : text.indexOf(u'\n', limit);
        return nextBreak < 0 ? size : nextBreak + 1;
    }

    // The last line feed in [from, before), or -1.
    qsizetype lastLineFeed(qsizetype from, qsizetype before) const {
        if (text.isNull()) {
            const qsizetype at =
                QByteArrayView(bytes).sliced(from, before - from).lastIndexOf('\n');
            return at < 0 ? -1 : from + at;
        }
        const qsizetype at = text.lastIndexOf(u'\n', before - 1);
        return at >= from ? at : -1;
    }

    // What the editor shows of [from, to): CR LF as a line break.
    QString shownText(qsizetype from, qsizetype to) const {
        QString shown = text.isNull()
                            ? decodeCodePage(QByteArrayView(bytes).sliced(from, to - from))
                            : text.sliced(from, to - from);
        shown.replace(u"\r\n"_s, u"\n"_s);
        return shown;
    }

    void append(qsizetype from, qsizetype to) {
        QTextCursor cursor(editor->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(shownText(from, to));
    }

    void nextSlice() {
        QElapsedTimer clock;
        clock.start();
        const qsizetype end = sliceEnd(position, sliceChars);
        append(position, end);
        const qint64 spent = std::max<qint64>(clock.nsecsElapsed(), 1);
        // Sizes the next slice from the pace of this one.
        const double scaled = double(end - position) * double(SliceTargetNs) / double(spent);
        sliceChars = std::clamp(qsizetype(scaled), MinSliceChars, MaxSliceChars);
        position = end;
        if (position >= size)
            stop();
        else
            timer.start();
    }

    QPlainTextEdit* editor;
    QTimer timer;
    QString text;
    QByteArray bytes;
    qsizetype size = 0;
    bool filling = false; // slices still to come
    qsizetype position = 0;
    qsizetype sliceChars = FirstSliceChars;
};

RawTextFiller* fillerOf(const QPlainTextEdit* editor) {
    return editor->findChild<RawTextFiller*>(RawTextFiller::ObjectName, Qt::FindDirectChildrenOnly);
}

RawTextFiller* ensureFiller(QPlainTextEdit* editor) {
    RawTextFiller* filler = fillerOf(editor);
    return filler ? filler : new RawTextFiller(editor);
}

} // namespace

void fillRawTextView(QPlainTextEdit* editor, const QString& rawText) {
    ensureFiller(editor)->start(rawText, {});
}

void fillRawTextViewFromFile(QPlainTextEdit* editor, const QByteArray& codePageText) {
    ensureFiller(editor)->start({}, codePageText);
}

void stopRawTextFill(QPlainTextEdit* editor) {
    if (RawTextFiller* filler = fillerOf(editor))
        filler->stop();
}

bool rawTextFilling(const QPlainTextEdit* editor) {
    const RawTextFiller* filler = fillerOf(editor);
    return filler && filler->busy();
}

void finishRawTextFill(QPlainTextEdit* editor) {
    if (RawTextFiller* filler = fillerOf(editor))
        filler->finish();
}

#include "rawtextview.moc"
