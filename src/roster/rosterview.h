#pragma once

#include "roster/codepage.h"

#include <QByteArray>
#include <QString>

// The controls the roster operations touch.
enum class RosterControl { HScroll1, HScroll2, Command2, Command5, txtBotName, cmbModel };

// What the roster needs of the main window. frmMain implements it; tests use a recording fake.
class RosterView {
public:
    virtual ~RosterView() = default;

    virtual void setControlEnabled(RosterControl control, bool enabled) = 0;
    // Must run the scroll bar's change handling to its end before returning, and only when the
    // value really changes.
    virtual void setScrollValue(RosterControl scrollBar, int value) = 0;
    // The scroll bar's range has to reach one past the entry count, so paging can wrap.
    virtual void setScrollMaximum(RosterControl scrollBar, int maximum) = 0;
    virtual void ShowMap(qint16 index) = 0;
    virtual void ShowBot(qint16 index) = 0;
    virtual void setText1(const QString& text) = 0;
    // Text1 set to text read from the file, still in the file's code page. A view that shows it
    // only later may keep the bytes, which take half the room of the decoded text.
    virtual void setText1FromFile(const QByteArray& codePageText) {
        setText1(decodeCodePage(codePageText));
    }
};
