#pragma once

#include <QByteArray>
#include <QString>

class QPlainTextEdit;

// Shows raw file text (CR LF line ends) in a plain text editor, CR LF as line breaks. A long
// text goes in a slice at a time from the event loop, so that even the largest roster's ~9 MB
// never holds the window up: the first slice is there when the call returns, the rest follows
// in slices of a few tens of milliseconds each. A text of up to FirstSliceChars goes in whole.
// A new call, or stopRawTextFill, drops what was still to come of the previous text.
void fillRawTextView(QPlainTextEdit* editor, const QString& rawText);
// The same for text still in the code page of bots.ini, decoded a slice at a time.
void fillRawTextViewFromFile(QPlainTextEdit* editor, const QByteArray& codePageText);
void stopRawTextFill(QPlainTextEdit* editor);
// True while slices of a text are still to come.
bool rawTextFilling(const QPlainTextEdit* editor);
// Puts in at once whatever is still to come (for a caller that must read the editor now).
void finishRawTextFill(QPlainTextEdit* editor);

inline constexpr qsizetype FirstSliceChars = qsizetype(64) * 1024;
