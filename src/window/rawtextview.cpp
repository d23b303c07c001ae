#include "window/rawtextview.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Slices aim at this much time each. The odd slice takes longer (the document growing its arrays,
// a page drawn in the same turn): aiming low keeps even those well under the 50 ms a player
// would notice.
constexpr qint64 SliceTargetNs = 12'000'000;
constexpr qsizetype MinSliceChars = 4 * 1024;
constexpr qsizetype MaxSliceChars = 4 * 1024 * 1024;

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

    void start(const QString& rawText) {
        stop();
        if (rawText.size() <= FirstSliceChars) {
            editor->setPlainText(lineBreaks(rawText));
            return;
        }
        text = rawText;
        position = sliceEnd(0, FirstSliceChars);
        // Like setPlainText: the view starts at the top and nothing is left to undo. Undo stays
        // off while the rest goes in, so the slices do not pile up in the undo stack.
        editor->setPlainText(lineBreaks(QStringView(text).left(position)));
        editor->document()->setUndoRedoEnabled(false);
        timer.start();
    }

    void stop() {
        timer.stop();
        if (!text.isNull()) {
            text = QString();
            editor->document()->setUndoRedoEnabled(true);
        }
    }

    bool busy() const { return !text.isNull(); }

    void finish() {
        if (!busy())
            return;
        timer.stop();
        append(QStringView(text).mid(position));
        stop();
    }

private:
    // The slice ends just after a line break, so a CR LF pair is never cut in two (a line longer
    // than a slice goes in whole).
    qsizetype sliceEnd(qsizetype from, qsizetype chars) const {
        const qsizetype limit = from + chars;
        if (limit >= text.size())
            return text.size();
        const qsizetype lastBreak = text.lastIndexOf(u'\n', limit - 1);
        if (lastBreak >= from)
            return lastBreak + 1;
        const qsizetype nextBreak = text.indexOf(u'\n', limit);
        return nextBreak < 0 ? text.size() : nextBreak + 1;
    }

    static QString lineBreaks(QStringView raw) {
        QString shown = raw.toString();
        shown.replace(u"\r\n"_s, u"\n"_s);
        return shown;
    }

    void append(QStringView raw) {
        QTextCursor cursor(editor->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(lineBreaks(raw));
    }

    void nextSlice() {
        QElapsedTimer clock;
        clock.start();
        const qsizetype end = sliceEnd(position, sliceChars);
        append(QStringView(text).mid(position, end - position));
        const qint64 spent = std::max<qint64>(clock.nsecsElapsed(), 1);
        // Sizes the next slice from the pace of this one.
        const double scaled = double(end - position) * double(SliceTargetNs) / double(spent);
        sliceChars = std::clamp(qsizetype(scaled), MinSliceChars, MaxSliceChars);
        position = end;
        if (position >= text.size())
            stop();
        else
            timer.start();
    }

    QPlainTextEdit* editor;
    QTimer timer;
    QString text; // null when there is nothing still to come
    qsizetype position = 0;
    qsizetype sliceChars = FirstSliceChars;
};

RawTextFiller* fillerOf(const QPlainTextEdit* editor) {
    return editor->findChild<RawTextFiller*>(RawTextFiller::ObjectName, Qt::FindDirectChildrenOnly);
}

} // namespace

void fillRawTextView(QPlainTextEdit* editor, const QString& rawText) {
    RawTextFiller* filler = fillerOf(editor);
    if (!filler)
        filler = new RawTextFiller(editor);
    filler->start(rawText);
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
