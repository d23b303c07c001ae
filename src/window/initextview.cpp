#include "window/initextview.h"

#include "roster/codepage.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 4;   // around the text, as a text document has
constexpr int TabWidth = 8; // columns from one tab stop to the next
constexpr int DragScrollMs = 40;

bool isWordChar(char16_t c) {
    return QChar(c).isLetterOrNumber() || c == u'_';
}

// What stands for the character on screen: a character with nothing to show shows as the
// replacement character, so that it still takes its column and can be seen.
QChar shownChar(QChar c, char16_t replacement) {
    if (c == QChar(0xAD)) // the soft hyphen shows only where a line is wrapped, and lines never are
        return u'-';
    return c.isPrint() ? c : QChar(replacement);
}

// Appends where each line after the first starts: a line ends at CR LF, a lone CR or a lone LF.
// Returns the longest line's length. One pass over the text, at a few milliseconds a megabyte.
qsizetype indexBreaks(const char* text, qsizetype size, QList<qsizetype>& starts) {
    qsizetype lineStart = 0;
    qsizetype longest = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r')
            continue;
        qsizetype next = i + 1;
        if (c == '\r' && next < size && text[next] == '\n')
            ++next;
        longest = std::max(longest, i - lineStart);
        starts.append(next);
        lineStart = next;
        i = next - 1;
    }
    return std::max(longest, size - lineStart);
}

} // namespace

IniTextView::IniTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    updateMetrics();
    updateScrollBars();
}

// ---------------------------------------------------------------------------------------------
// The text and its lines

void IniTextView::setText(const QString& text) {
    setFileBytes(encodeCodePage(text));
}

void IniTextView::setFileBytes(const QByteArray& codePageBytes, qsizetype shownSize) {
    const qsizetype shown =
        shownSize < 0 ? codePageBytes.size() : std::min(shownSize, codePageBytes.size());
    // Save INI on this page puts back the very text it shows: its lines stay where they are.
    const bool sameText = shown == size && (codePageBytes.constData() == bytes.constData() ||
                                            QByteArrayView(codePageBytes).first(shown) ==
                                                QByteArrayView(bytes).first(size));
    bytes = codePageBytes;
    size = shown;
    if (!sameText)
        indexLines();
    resetView();
}

QString IniTextView::text() const {
    return decodeCodePage(QByteArrayView(bytes).first(size));
}

QString IniTextView::lineText(qsizetype line) const {
    if (line < 0 || line >= lineCount())
        return QString();
    return chars(lineStarts[line], lineEnd(line));
}

void IniTextView::indexLines() {
    lineStarts.clear();
    lineStarts.append(0);
    widestLine = indexBreaks(bytes.constData(), size, lineStarts);
    hasTabs = QByteArrayView(bytes).first(size).contains('\t');
    // A tab is wider than one column: only then does the widest line need counting again.
    if (hasTabs) {
        widestLine = 0;
        for (qsizetype line = 0; line < lineCount(); ++line)
            widestLine = std::max(widestLine, columnOf(line, lineEnd(line)));
    }
}

char16_t IniTextView::rawAt(qsizetype position) const {
    return char16_t(uchar(bytes[position]));
}

char16_t IniTextView::charAt(qsizetype position) const {
    const char16_t raw = rawAt(position);
    if (raw < 0x80 || raw > 0x9F)
        return raw;
    return decodeCodePage(QByteArrayView(bytes).sliced(position, 1)).front().unicode();
}

QString IniTextView::chars(qsizetype from, qsizetype to) const {
    return decodeCodePage(QByteArrayView(bytes).sliced(from, to - from));
}

qsizetype IniTextView::lineOf(qsizetype position) const {
    return std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), position) -
           lineStarts.cbegin() - 1;
}

qsizetype IniTextView::lineEnd(qsizetype line) const {
    if (line + 1 >= lineCount())
        return size;
    const qsizetype next = lineStarts[line + 1];
    const bool pair =
        rawAt(next - 1) == u'\n' && next - 2 >= lineStarts[line] && rawAt(next - 2) == u'\r';
    return next - (pair ? 2 : 1);
}

qsizetype IniTextView::columnOf(qsizetype line, qsizetype position) const {
    const qsizetype start = lineStarts[line];
    if (!hasTabs)
        return position - start;
    qsizetype column = 0;
    for (qsizetype at = start; at < position; ++at)
        column += rawAt(at) == u'\t' ? TabWidth - column % TabWidth : 1;
    return column;
}

// The position in line nearest to column, which may fall between columns.
qsizetype IniTextView::positionAtColumn(qsizetype line, qreal column) const {
    const qsizetype start = lineStarts[line];
    const qsizetype end = lineEnd(line);
    if (!hasTabs)
        return start + std::clamp<qsizetype>(qsizetype(std::lround(column)), 0, end - start);
    qsizetype at = start;
    for (qsizetype col = 0; at < end; ++at) {
        const qsizetype width = rawAt(at) == u'\t' ? TabWidth - col % TabWidth : 1;
        if (column < qreal(col) + qreal(width) / 2)
            break;
        col += width;
    }
    return at;
}

// ---------------------------------------------------------------------------------------------
// Metrics and scrolling

void IniTextView::resetView() {
    anchor = cursor = 0;
    wantedColumn = -1;
    selecting = false;
    dragScroll.stop();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void IniTextView::updateMetrics() {
    // Kerning or ligatures would move characters off their columns.
    textFont = font();
    textFont.setKerning(false);
    textFont.setStyleStrategy(
        QFont::StyleStrategy(textFont.styleStrategy() | QFont::PreferNoShaping));
    const QFontMetricsF metrics(textFont);
    charWidth = std::max<qreal>(metrics.horizontalAdvance(u'M'), 1);
    lineHeight = std::max(QFontMetrics(textFont).lineSpacing(), 1);
    ascent = QFontMetrics(textFont).ascent();
    // What each byte shows as, and whether the font draws that exactly one column wide; a glyph
    // that does not fit is drawn on its own, at its column.
    const char16_t replacement = metrics.inFont(QChar(0xFFFD)) ? u'\xFFFD' : u'?';
    for (int byte = 0; byte < 256; ++byte) {
        const char code = char(byte);
        const QChar shown =
            shownChar(decodeCodePage(QByteArrayView(&code, 1)).front(), replacement);
        glyphs[byte] = shown.unicode();
        glyphFits[byte] = shown.isPrint() && metrics.inFont(shown) &&
                          std::abs(metrics.horizontalAdvance(shown) - charWidth) < 0.01;
    }
}

qsizetype IniTextView::visibleLines() const {
    return std::max(1, (viewport()->height() - Margin) / lineHeight);
}

int IniTextView::firstLine() const {
    return verticalScrollBar()->value();
}

void IniTextView::updateScrollBars() {
    const qsizetype rows = visibleLines();
    const qsizetype lastFirst = std::max<qsizetype>(0, lineCount() - rows);
    verticalScrollBar()->setRange(0, int(std::min<qsizetype>(lastFirst, INT_MAX)));
    verticalScrollBar()->setPageStep(int(rows));
    verticalScrollBar()->setSingleStep(1);
    // One column more than the widest line, for the cursor and a selected line break.
    const double width = 2.0 * Margin + double(widestLine + 1) * charWidth;
    const double hidden = std::min(std::ceil(width) - viewport()->width(), double(INT_MAX));
    horizontalScrollBar()->setRange(0, std::max(0, int(hidden)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, int(std::lround(charWidth))));
}

qreal IniTextView::columnX(qsizetype column) const {
    return Margin - horizontalScrollBar()->value() + qreal(column) * charWidth;
}

QRect IniTextView::cursorRect() const {
    const qsizetype line = lineOf(cursor);
    const int x = int(std::lround(columnX(columnOf(line, cursor))));
    const qsizetype row = line - firstLine();
    const qsizetype y = Margin + row * lineHeight;
    if (y < INT_MIN / 2 || y > INT_MAX / 2)
        return QRect();
    return QRect(x, int(y), 1, lineHeight);
}

void IniTextView::ensureCursorVisible() {
    const qsizetype line = lineOf(cursor);
    const qsizetype first = firstLine();
    const qsizetype rows = visibleLines();
    if (line < first)
        verticalScrollBar()->setValue(int(line));
    else if (line >= first + rows)
        verticalScrollBar()->setValue(int(line - rows + 1));
    // Sideways, a cursor out of sight comes to the middle, so that what is round it shows too.
    const double x = Margin + double(columnOf(line, cursor)) * charWidth;
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width();
    if (x < bar->value() + Margin || x + charWidth > bar->value() + width - Margin)
        bar->setValue(int(std::lround(x - width / 2.0)));
}

// ---------------------------------------------------------------------------------------------
// Drawing

void IniTextView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(textFont);
    const QRect clip = event->rect();
    const QPalette& colours = palette();
    const qsizetype first = firstLine();
    const qsizetype last = std::min(lineCount(), first + visibleLines() + 2);
    for (qsizetype line = first; line < last; ++line) {
        const int y = Margin + int(line - first) * lineHeight;
        if (y > clip.bottom() || y + lineHeight <= clip.top())
            continue;
        const QRectF selected = selectionRect(line, y);
        if (!selected.isEmpty())
            painter.fillRect(selected, colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::Text));
        drawLine(painter, line, y, clip);
        if (!selected.isEmpty()) {
            painter.save();
            painter.setClipRect(selected);
            painter.setPen(colours.color(QPalette::HighlightedText));
            drawLine(painter, line, y, clip);
            painter.restore();
        }
    }
    if (hasFocus())
        painter.fillRect(cursorRect(), colours.color(QPalette::Text));
}

// The selected part of line, with one column more when its line break is selected too.
QRectF IniTextView::selectionRect(qsizetype line, int y) const {
    const qsizetype from = std::min(anchor, cursor);
    const qsizetype to = std::max(anchor, cursor);
    const qsizetype start = lineStarts[line];
    const qsizetype end = lineEnd(line);
    if (from == to || to <= start || from > end)
        return QRectF();
    const qreal left = columnX(columnOf(line, std::max(from, start)));
    qreal right = columnX(columnOf(line, std::min(to, end)));
    if (to > end)
        right += charWidth;
    return QRectF(left, y, right - left, lineHeight);
}

// The characters of line that fall in clip: runs of characters the font draws one column wide
// go in one call, any other character on its own at its column.
void IniTextView::drawLine(QPainter& painter, qsizetype line, int y, const QRect& clip) const {
    const qsizetype start = lineStarts[line];
    const qsizetype end = lineEnd(line);
    const qreal shift = horizontalScrollBar()->value() - Margin;
    const qsizetype firstColumn =
        std::max<qsizetype>(0, qsizetype(std::floor((shift + clip.left()) / charWidth)) - 1);
    const qsizetype lastColumn = qsizetype(std::ceil((shift + clip.right() + 1) / charWidth)) + 1;
    // Without tabs a column is a character, and only the columns on screen are decoded.
    qsizetype column = hasTabs ? 0 : std::min(firstColumn, end - start);
    const qsizetype stop = hasTabs ? end : start + std::min(lastColumn, end - start);
    const QByteArrayView text = QByteArrayView(bytes).sliced(start + column, stop - start - column);
    const int baseline = y + ascent;

    QString run;
    qsizetype runColumn = 0;
    const auto flush = [&] {
        if (!run.isEmpty())
            painter.drawText(QPointF(columnX(runColumn), baseline), run);
        run.clear();
    };
    for (const char c : text) {
        if (column > lastColumn)
            break;
        if (c == '\t') {
            flush();
            column += TabWidth - column % TabWidth;
            continue;
        }
        if (column + 1 >= firstColumn) {
            const uchar byte = uchar(c);
            const QChar shown(glyphs[byte]);
            if (!glyphFits[byte]) {
                flush();
                painter.drawText(QPointF(columnX(column), baseline), QString(shown));
            } else {
                if (run.isEmpty())
                    runColumn = column;
                run += shown;
            }
        }
        ++column;
    }
    flush();
}

// ---------------------------------------------------------------------------------------------
// Selection and the clipboard

// A position where one may stand: within the text, and before a CR LF pair rather than inside.
qsizetype IniTextView::validPosition(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, size);
    if (position > 0 && position < size && rawAt(position - 1) == u'\r' && rawAt(position) == u'\n')
        --position;
    return position;
}

void IniTextView::setSelection(qsizetype anchorAt, qsizetype cursorAt) {
    anchor = validPosition(anchorAt);
    cursor = validPosition(cursorAt);
    wantedColumn = -1;
    viewport()->update();
}

namespace {

// Whether needle (already folded) stands in haystack at position.
bool matchesAt(const char* haystack, qsizetype position, const QByteArray& needle) {
    for (qsizetype i = 0; i < needle.size(); ++i) {
        if (asciiLower(haystack[position + i]) != needle.at(i))
            return false;
    }
    return true;
}

} // namespace

bool IniTextView::find(const QString& text, bool backwards) {
    QByteArray needle = encodeCodePage(text);
    for (char& c : needle)
        c = asciiLower(c);
    const qsizetype length = needle.size();
    if (length == 0 || length > size)
        return false;
    const char* held = bytes.constData();
    const qsizetype last = size - length; // the last place a match may start
    const auto select = [this, length](qsizetype at) {
        setSelection(at, at + length);
        ensureCursorVisible();
        return true;
    };
    // Every place once, from the selection on and round past the end (backwards: down from it
    // and round past the start).
    if (backwards) {
        const qsizetype start = std::min(anchor, cursor) - 1;
        for (qsizetype at = std::min(start, last); at >= 0; --at) {
            if (matchesAt(held, at, needle))
                return select(at);
        }
        for (qsizetype at = last; at > start && at >= 0; --at) {
            if (matchesAt(held, at, needle))
                return select(at);
        }
    } else {
        const qsizetype start = std::max(anchor, cursor);
        for (qsizetype at = start; at <= last; ++at) {
            if (matchesAt(held, at, needle))
                return select(at);
        }
        for (qsizetype at = 0; at < start && at <= last; ++at) {
            if (matchesAt(held, at, needle))
                return select(at);
        }
    }
    return false;
}

QString IniTextView::selectedText() const {
    return chars(std::min(anchor, cursor), std::max(anchor, cursor));
}

void IniTextView::selectAll() {
    anchor = 0;
    cursor = size;
    wantedColumn = -1;
    viewport()->update();
}

void IniTextView::copy() const {
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

// Where the system keeps a second clipboard for what is selected (X11), it gets the selection.
void IniTextView::setPrimarySelection() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

QMenu* IniTextView::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    //: Page: INI text menu
    QAction* copyAction = menu->addAction(tr("&Copy"), this, &IniTextView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    //: Page: INI text menu
    QAction* allAction = menu->addAction(tr("Select &All"), this, &IniTextView::selectAll);
    allAction->setShortcut(QKeySequence::SelectAll);
    allAction->setEnabled(size > 0);
    // What the window adds to the view, such as opening another file.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    return menu;
}

// ---------------------------------------------------------------------------------------------
// Keys

bool IniTextView::event(QEvent* event) {
    // Copy and Select All go to the view before any shortcut of the window can take them.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key == QKeySequence::Copy || key == QKeySequence::SelectAll) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void IniTextView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy)
        copy();
    else if (event == QKeySequence::SelectAll)
        selectAll();
    else if (!moveCursor(event))
        event->ignore(); // typing changes nothing
}

bool IniTextView::moveCursor(QKeyEvent* event) {
    struct Move {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Step step;
    };
    static constexpr Move moves[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::NextChar},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::PreviousChar},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Step::NextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Step::PreviousWord},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Step::NextLine},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Step::PreviousLine},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Step::NextPage},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Step::PreviousPage},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::LineStart},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::LineEnd},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::TextStart},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::TextEnd},
    };
    const auto found = std::find_if(std::begin(moves), std::end(moves), [&](const Move& m) {
        return event->matches(m.move) || event->matches(m.select);
    });
    if (found == std::end(moves))
        return false;
    const bool extend = event->matches(found->select);
    const bool upOrDown = found->step == Step::NextLine || found->step == Step::PreviousLine ||
                          found->step == Step::NextPage || found->step == Step::PreviousPage;
    moveTo(stepTarget(found->step, extend), extend, upOrDown);
    return true;
}

// Where a step of the keyboard takes the cursor.
qsizetype IniTextView::stepTarget(Step step, bool extend) {
    const qsizetype line = lineOf(cursor);
    // Without Shift, a step left or right from a selection lands on its edge.
    const bool collapse = hasSelection() && !extend;
    switch (step) {
    case Step::NextChar:
        return collapse ? std::max(anchor, cursor) : nextPosition(cursor);
    case Step::PreviousChar:
        return collapse ? std::min(anchor, cursor) : previousPosition(cursor);
    case Step::NextWord:
        return wordEdge(cursor, true);
    case Step::PreviousWord:
        return wordEdge(cursor, false);
    case Step::NextLine:
        return verticalMove(1);
    case Step::PreviousLine:
        return verticalMove(-1);
    case Step::NextPage:
    case Step::PreviousPage: {
        // The view turns a page with the cursor, which keeps its place on screen.
        const qsizetype lines = step == Step::NextPage ? visibleLines() : -visibleLines();
        verticalScrollBar()->setValue(int(firstLine() + lines));
        return verticalMove(lines);
    }
    case Step::LineStart:
        return lineStarts[line];
    case Step::LineEnd:
        return lineEnd(line);
    case Step::TextStart:
        return 0;
    case Step::TextEnd:
        return size;
    }
    return cursor;
}

qsizetype IniTextView::nextPosition(qsizetype position) const {
    const qsizetype line = lineOf(position);
    if (position < lineEnd(line))
        return position + 1;
    return line + 1 < lineCount() ? lineStarts[line + 1] : position;
}

qsizetype IniTextView::previousPosition(qsizetype position) const {
    const qsizetype line = lineOf(position);
    if (position > lineStarts[line])
        return position - 1;
    return line > 0 ? lineEnd(line - 1) : position;
}

// Forward: past the rest of this word and the gap after it. Back: to the start of this word or
// the one before. At the edge of a line, to the next or the previous line.
qsizetype IniTextView::wordEdge(qsizetype position, bool forward) const {
    const qsizetype line = lineOf(position);
    const qsizetype start = lineStarts[line];
    const qsizetype end = lineEnd(line);
    if (forward) {
        if (position == end)
            return nextPosition(position);
        while (position < end && isWordChar(charAt(position)))
            ++position;
        while (position < end && !isWordChar(charAt(position)))
            ++position;
        return position;
    }
    if (position == start)
        return previousPosition(position);
    while (position > start && !isWordChar(charAt(position - 1)))
        --position;
    while (position > start && isWordChar(charAt(position - 1)))
        --position;
    return position;
}

// The position lines down (or up), in the column the cursor keeps over such moves.
qsizetype IniTextView::verticalMove(qsizetype lines) {
    const qsizetype line = lineOf(cursor);
    if (wantedColumn < 0)
        wantedColumn = columnOf(line, cursor);
    const qsizetype target = std::clamp<qsizetype>(line + lines, 0, lineCount() - 1);
    return positionAtColumn(target, qreal(wantedColumn));
}

void IniTextView::moveTo(qsizetype position, bool extend, bool keepColumn) {
    cursor = validPosition(position);
    if (!extend)
        anchor = cursor;
    if (!keepColumn)
        wantedColumn = -1;
    ensureCursorVisible();
    viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// The mouse

qsizetype IniTextView::positionAt(QPoint point) const {
    const qsizetype row = qsizetype(std::floor(double(point.y() - Margin) / lineHeight));
    const qsizetype line = std::clamp<qsizetype>(firstLine() + row, 0, lineCount() - 1);
    const qreal column = (point.x() - Margin + horizontalScrollBar()->value()) / charWidth;
    return positionAtColumn(line, column);
}

void IniTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    moveTo(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    selecting = true;
    lastMouse = event->position().toPoint();
}

void IniTextView::mouseMoveEvent(QMouseEvent* event) {
    if (selecting && (event->buttons() & Qt::LeftButton))
        dragTo(event->position().toPoint());
}

void IniTextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && selecting) {
        selecting = false;
        dragScroll.stop();
        setPrimarySelection();
    }
}

void IniTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    selectWordAt(positionAt(event->position().toPoint()));
    setPrimarySelection();
}

// The selection follows the mouse; held beyond the edge, it scrolls on by itself.
void IniTextView::dragTo(QPoint point) {
    lastMouse = point;
    moveTo(positionAt(point), true);
    if (viewport()->rect().contains(point))
        dragScroll.stop();
    else if (!dragScroll.isActive())
        dragScroll.start(DragScrollMs, this);
}

void IniTextView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == dragScroll.timerId())
        dragTo(lastMouse);
    else
        QAbstractScrollArea::timerEvent(event);
}

void IniTextView::selectWordAt(qsizetype position) {
    const qsizetype line = lineOf(position);
    const qsizetype start = lineStarts[line];
    const qsizetype end = lineEnd(line);
    qsizetype from = position;
    qsizetype to = position;
    while (from > start && isWordChar(charAt(from - 1)))
        --from;
    while (to < end && isWordChar(charAt(to)))
        ++to;
    if (from == to && to < end) // not in a word: the character itself
        ++to;
    anchor = from;
    cursor = to;
    wantedColumn = -1;
    ensureCursorVisible();
    viewport()->update();
}

void IniTextView::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createContextMenu(this));
    menu->exec(event->globalPos());
}

// ---------------------------------------------------------------------------------------------
// Changes of size, font and focus

void IniTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void IniTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateScrollBars();
        viewport()->update();
    }
}

void IniTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void IniTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
