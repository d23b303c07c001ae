#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class QMenu;

// A read-only view of a long text, the raw text of bots.ini, held as the bytes "Save INI" writes:
// one byte to a character in the file's code page. It finds where each line starts once and draws
// only the lines on screen, so even a text of millions of characters shows and scrolls at once,
// and the view holds little more than the bytes, which it shares. Lines end at CR LF, a lone CR or
// a lone LF, and are not wrapped.
//
// It is not a plain text edit because of the largest roster: its 9 MB of text took a
// QPlainTextEdit 1.25 s and 126 MB to show, this view 0.9 ms and the bytes it shares (the whole
// program then peaks at 60 MiB).
//
// The player selects with the mouse (drag, shift-click, double-click for a word) or the keyboard
// (the arrows, Page Up/Down, Home and End, with Shift), selects all with Ctrl+A and copies with
// Ctrl+C or the context menu; typing changes nothing, and Tab moves on to the next control.
//
// Every character takes one column of the font (a tab runs on to the next multiple of eight),
// so the view is meant for a fixed-pitch font: the one set with setFont. The colours are the
// palette's Base, Text, Highlight and HighlightedText.
class IniTextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit IniTextView(QWidget* parent = nullptr);

    // The text to show, with its line ends. Either call replaces the text, drops the selection
    // and shows the top. The bytes are in the 8-bit code page of bots.ini (see codepage.h),
    // one character to a byte, and are decoded only as far as they are shown or asked for; text
    // is put into the code page first, a character it cannot hold becoming "?", as when saved.
    // setFileBytes shows the first shownSize bytes, or all of them when shownSize is -1, and
    // keeps the rest unshown (the file's last line break, say) rather than copying the part.
    void setText(const QString& text);
    void setFileBytes(const QByteArray& codePageBytes, qsizetype shownSize = -1);
    // The whole text, line ends as held.
    QString text() const;

    // Lines are counted as shown: a text ending in a line break ends in an empty line, and an
    // empty text is one empty line.
    qsizetype lineCount() const { return lineStarts.size(); }
    // The line without its line break.
    QString lineText(qsizetype line) const;

    // Positions count characters from the start of the text; a position never falls inside a
    // CR LF pair. The selection runs from the anchor to the cursor, either way round.
    qsizetype cursorPosition() const { return cursor; }
    qsizetype anchorPosition() const { return anchor; }
    void setSelection(qsizetype anchorAt, qsizetype cursorAt);
    bool hasSelection() const { return anchor != cursor; }
    // The selected text, line ends as held (CR LF in a file written by this program).
    QString selectedText() const;
    void selectAll();
    // Puts the selection on the clipboard; nothing when there is none.
    void copy() const;
    // Selects the next place after the selection (backwards: before it) where text stands,
    // ignoring the case of the letters A to Z, wrapping round past either end, and scrolls it
    // into view; false, leaving the selection, when text is nowhere.
    bool find(const QString& text, bool backwards = false);
    // Where the cursor is drawn, in the viewport.
    QRect cursorRect() const;

    // The context menu: Copy and Select All, then the view's own actions. The caller owns it.
    QMenu* createContextMenu(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // The text, in the code page: the first size bytes.
    QByteArray bytes;
    qsizetype size = 0;
    bool hasTabs = false;
    QList<qsizetype> lineStarts{0};
    qsizetype widestLine = 0; // in columns

    qsizetype anchor = 0;
    qsizetype cursor = 0;
    qsizetype wantedColumn = -1; // kept over up and down moves; -1: the cursor's own
    bool selecting = false;      // the mouse is selecting
    QPoint lastMouse;            // in the viewport, while selecting
    QBasicTimer dragScroll;      // scrolls on while the mouse is held outside

    // Of the font, set when it changes.
    QFont textFont;
    qreal charWidth = 1;
    int lineHeight = 1;
    int ascent = 0;
    // For each byte, the character drawn for it, and whether the font draws that exactly one
    // column wide.
    std::array<char16_t, 256> glyphs{};
    std::array<bool, 256> glyphFits{};

    void indexLines();
    void resetView();
    void updateMetrics();
    void updateScrollBars();

    char16_t rawAt(qsizetype position) const;
    char16_t charAt(qsizetype position) const;
    QString chars(qsizetype from, qsizetype to) const;
    qsizetype lineOf(qsizetype position) const;
    qsizetype lineEnd(qsizetype line) const;
    qsizetype columnOf(qsizetype line, qsizetype position) const;
    qsizetype positionAtColumn(qsizetype line, qreal column) const;
    qsizetype validPosition(qsizetype position) const;

    qsizetype positionAt(QPoint point) const;
    qsizetype visibleLines() const;
    int firstLine() const;
    qreal columnX(qsizetype column) const;
    void drawLine(QPainter& painter, qsizetype line, int y, const QRect& clip) const;
    QRectF selectionRect(qsizetype line, int y) const;

    enum class Step {
        NextChar,
        PreviousChar,
        NextWord,
        PreviousWord,
        NextLine,
        PreviousLine,
        NextPage,
        PreviousPage,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd
    };
    bool moveCursor(QKeyEvent* event);
    qsizetype stepTarget(Step step, bool extend);
    qsizetype nextPosition(qsizetype position) const;
    qsizetype previousPosition(qsizetype position) const;
    qsizetype wordEdge(qsizetype position, bool forward) const;
    qsizetype verticalMove(qsizetype lines);
    void moveTo(qsizetype position, bool extend, bool keepColumn = false);
    void ensureCursorVisible();
    void selectWordAt(qsizetype position);
    void dragTo(QPoint point);
    void setPrimarySelection() const;
};
