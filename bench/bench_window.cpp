// The main window in this process: its start-up when the program is already loaded, and the
// handlers the player waits for, each timed on the largest roster.
#include "benchmarks.h"

#include "app/settings.h"
#include "game/gamefinder.h"
#include "roster/botsini.h"
#include "roster/codepage.h"
#include "window/initextview.h"
#include "window/mainwindow.h"
#include "window/messages.h"
#include "windowsupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

void startUpEmpty(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        state.SetIterationTime(timeOf([&] {
            window = std::make_unique<QWidget>();
            window->resize(249, 177);
            window->show();
            untilShown(*window);
        }));
        window.reset();
        QCoreApplication::processEvents();
    }
}

void startUp(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        std::unique_ptr<MainWindow> window;
        state.SetIterationTime(timeOf([&] {
            window = std::make_unique<ShownWindow>(file->folder);
            untilShown(*window);
        }));
        window.reset();
        QCoreApplication::processEvents();
    }
}

namespace {

// One window on (a copy of) the largest roster, shared by the handler benchmarks in turn. It must
// be gone before the application object is.
std::unique_ptr<MainWindow> shared;

MainWindow* sharedWindow() {
    if (!shared) {
        shared = std::make_unique<ShownWindow>(data->windowFolder);
        untilShown(*shared);
    }
    return shared.get();
}

void selectPage(MainWindow& w, int page) {
    control<QTabBar>(w, "pageTabs")->setCurrentIndex(page);
    QCoreApplication::processEvents();
}

// The shared window's Bots or Maps page, shown: its pager, its Add and Remove buttons, and how
// many entries its list holds.
struct SharedPage {
    MainWindow& w;
    bool maps;
    QScrollBar* bar;
    QPushButton* add;
    QPushButton* remove;
    int count() const { return maps ? rosterOf(w).maps.count() : rosterOf(w).bots.count(); }
};
SharedPage showSharedPage(ListOf list) {
    const bool maps = list == ListOf::Maps;
    MainWindow& w = *sharedWindow();
    selectPage(w, maps ? 1 : 0);
    return {w, maps, control<QScrollBar>(w, maps ? "mapPager" : "botPager"),
            control<QPushButton>(w, maps ? "addMapButton" : "addBotButton"),
            control<QPushButton>(w, maps ? "removeMapButton" : "removeBotButton")};
}

} // namespace

void closeSharedWindow() {
    shared.reset();
}

// One step right on the page's pager; one past the last wraps to the first.
void pageOne(benchmark::State& state, int page, const char* pagerName) {
    MainWindow& w = *sharedWindow();
    selectPage(w, page);
    QScrollBar* bar = control<QScrollBar>(w, pagerName);
    for (auto _ : state) {
        const int next = bar->value() + 1;
        state.SetIterationTime(timeOf([&] { bar->setValue(next); }));
    }
}

void tabChange(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    QTabBar* tabs = control<QTabBar>(w, "pageTabs");
    for (auto _ : state) {
        const int next = tabs->currentIndex() == 0 ? 1 : 0;
        state.SetIterationTime(timeOf([&] { tabs->setCurrentIndex(next); }));
    }
}

// Remove the first entry of a full list, then Add one back (only one of the two is timed).
void removeOrAdd(benchmark::State& state, ListOf list, Timed timed) {
    const SharedPage page = showSharedPage(list);
    for (auto _ : state) {
        page.bar->setValue(1);
        const double removing = timeOf([&] { page.remove->click(); });
        const double adding = timeOf([&] { page.add->click(); });
        state.SetIterationTime(timed == Timed::Remove ? removing : adding);
        if (page.count() != Largest)
            state.SkipWithError("the list did not come back to its full size");
    }
}

// Save INI with the INI page showing the whole file: the click replaces all of the shown text.
void saveIniClick(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    QPushButton* save = control<QPushButton>(w, "saveIniButton");
    for (auto _ : state)
        state.SetIterationTime(timeOf([&] { save->click(); }));
}

// The least "Save INI" can cost: the bytes it last wrote, put into a bare QSaveFile, whose commit
// flushes them, syncs them to the disk and renames the new file over the old one.
void saveIniFloor(benchmark::State& state) {
    QFile saved(botsIniPath(data->windowFolder));
    if (!saved.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(saved.fileName()));
    const QByteArray bytes = saved.readAll();
    QTemporaryDir out;
    const QString path = botsIniPath(out.path());
    if (!QFile::copy(saved.fileName(), path)) // a file to replace, as Save INI has
        qFatal("cannot write %s", qPrintable(path));
    for (auto _ : state) {
        bool written = false;
        state.SetIterationTime(timeOf([&] {
            QSaveFile file(path);
            written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                      file.commit();
        }));
        if (!written)
            state.SkipWithError("the bare QSaveFile could not write");
    }
}

// What Launch does before it starts the game: the roster composed and put on the INI page in
// place of the text it shows, here with the INI page showing.
void launchComposing(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    auto* view = control<IniTextView>(w, "iniTextView");
    for (auto _ : state)
        state.SetIterationTime(timeOf([&] {
            const QByteArray bytes = composeBotsIniFile(rosterOf(w));
            view->setFileBytes(bytes, bytes.size() - BotsIniLineBreak.size());
        }));
}

// The whole Launch click, from the Bots page, with a stored game that exists: an "hl.exe" that
// ends at once. Starting a process costs more the more memory the starting process holds, and
// this benchmark process holds far more than the program does: the figure is an upper bound.
void launchClick(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 0);
    const QString game = data->dir.filePath(u"game"_s);
    QDir().mkpath(game);
    const QString program = game + u"/hl.exe"_s;
    QFile script(program);
    if (!script.open(QIODevice::WriteOnly) || script.write("#!/bin/sh\nexit 0\n") < 0)
        qFatal("cannot write %s", qPrintable(program));
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    writeStoredSettings({{SettingsKeys::GamePath, program}, {SettingsKeys::Parameters, QString()}});
    QPushButton* launch = control<QPushButton>(w, "launchFromBotsButton");
    for (auto _ : state)
        state.SetIterationTime(timeOf([&] { launch->click(); }));
    writeStoredSettings({{SettingsKeys::GamePath, FallbackGamePath}});
}

// The first look at the INI page after start-up: from the tab press until the whole text is
// scrollable and its last line drawn, all in one event-loop turn.
void iniPageFirstShow(benchmark::State& state) {
    for (auto _ : state) {
        ShownWindow w(data->largest.folder);
        untilShown(w);
        QTabBar* tabs = control<QTabBar>(w, "pageTabs");
        auto* view = control<IniTextView>(w, "iniTextView");
        QScrollBar* bar = view->verticalScrollBar();
        state.SetIterationTime(timeOf([&] {
            tabs->setCurrentIndex(2);
            bar->setValue(bar->maximum());
            view->viewport()->repaint();
        }));
        if (view->lineCount() < 2 * qint64(Largest) || bar->value() == 0)
            state.SkipWithError("the INI page did not reach its last line");
    }
}

// Closing the window at the largest roster with its last bot renamed: from the close request
// until the question about the unsaved edit is asked. Nothing differs before the last entry, so
// the whole roster is compared. The question is answered Cancel, so the window stays open and the
// same edit is asked about on the next close.
void closeQuestion(benchmark::State& state) {
    ShownWindow w(data->largest.folder);
    untilShown(w);
    control<QScrollBar>(w, "botPager")->setValue(Largest);
    control<QLineEdit>(w, "botNameEdit")->setText(u"Renamed"_s);
    QElapsedTimer clock;
    qint64 askedAfter = -1;
    const QuestionHandler previous = setQuestionHandler([&](QWidget*, const Question&) {
        askedAfter = clock.nsecsElapsed();
        return Answer::Cancel;
    });
    for (auto _ : state) {
        askedAfter = -1;
        clock.start();
        w.close();
        if (askedAfter < 0 || !w.isVisible()) {
            state.SkipWithError("closing did not ask about the unsaved edit");
            break;
        }
        state.SetIterationTime(double(askedAfter) * 1e-9);
    }
    setQuestionHandler(previous);
}

namespace {

// The window's Undo or Redo action (their texts begin with the verb).
QAction* historyAction(const MainWindow& w, QStringView verb) {
    const auto actions = w.actions();
    for (QAction* action : actions) {
        if (action->text().startsWith(verb))
            return action;
    }
    qFatal("The window has no %s action", qPrintable(verb.toString()));
}

// The process's resident memory in KiB, from /proc; 0 where there is none.
double residentKiB() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

} // namespace

// Remove the first entry of a full list, undo the removal, redo it and undo it again (only the
// first undo, or the redo, is timed): the entry goes back to the front of 32767.
void undoOrRedoRemove(benchmark::State& state, ListOf list, bool timeRedo) {
    const SharedPage page = showSharedPage(list);
    QAction* undo = historyAction(page.w, u"Undo");
    QAction* redo = historyAction(page.w, u"Redo");
    for (auto _ : state) {
        page.bar->setValue(1);
        page.remove->click();
        const double undoing = timeOf([&] { undo->trigger(); });
        const double redoing = timeOf([&] { redo->trigger(); });
        undo->trigger();
        state.SetIterationTime(timeRedo ? redoing : undoing);
        if (page.count() != Largest)
            state.SkipWithError("the list did not come back to its full size");
    }
}

// What 1,000 steps add to the resident memory at the largest roster, as the counter
// "added_MiB": the first bot's name edited and paged away from, then put back the same way, each
// store an edit step that holds the entry before and after; the list ends as it was.
void historyMemory(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 0);
    QScrollBar* bar = control<QScrollBar>(w, "botPager");
    auto* name = control<QLineEdit>(w, "botNameEdit");
    bar->setValue(1);
    const BotEntry first = rosterOf(w).bots.at(1);
    for (auto _ : state) {
        const double before = residentKiB();
        for (int i = 0; i < 500; ++i) {
            for (const QString& text : {u"Edited %1"_s.arg(i), first.name}) {
                name->setText(text);
                bar->setValue(2);
                bar->setValue(1);
            }
        }
        state.SetIterationTime(0);
        state.counters["added_MiB"] = (residentKiB() - before) / 1024.0;
        if (rosterOf(w).bots.count() != Largest || !(rosterOf(w).bots.at(1) == first))
            state.SkipWithError("the list did not come back as it was");
    }
}

// Find from the first entry (or the top of the INI text) for the name of the last of 32767 bots,
// typed into the Find box and found with Enter.
void findLast(benchmark::State& state, int page) {
    MainWindow& w = *sharedWindow();
    // Earlier benchmarks leave added bots of one name at the end: the last bot gets a name no
    // other bot's contains, and Save INI puts it on the INI page's last lines.
    selectPage(w, 0);
    QScrollBar* bar = control<QScrollBar>(w, "botPager");
    bar->setValue(Largest);
    control<QLineEdit>(w, "botNameEdit")->setText(u"Zedd"_s);
    bar->setValue(1);
    selectPage(w, 2);
    control<QPushButton>(w, "saveIniButton")->click();
    selectPage(w, page);
    const auto actions = w.actions();
    for (QAction* action : actions) {
        if (action->text() == u"Find...")
            action->trigger();
    }
    auto* edit = control<QLineEdit>(w, "findEdit");
    edit->setText(u"Zedd"_s);
    auto* view = control<IniTextView>(w, "iniTextView");
    for (auto _ : state) {
        if (page == 0)
            bar->setValue(1);
        else
            view->setSelection(0, 0);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        state.SetIterationTime(timeOf([&] { QCoreApplication::sendEvent(edit, &enter); }));
        const bool found = page == 0 ? rosterOf(w).bots.current() == Largest
                                     : view->text().size() - view->cursorPosition() < 200;
        if (!found)
            state.SkipWithError("the find did not reach the last bot");
    }
}

// Ctrl+Shift+V on the typical roster's Bots page with 10,000 bots on the clipboard, in a fresh
// window each time.
void pasteBots(benchmark::State& state) {
    constexpr int pasted = 10000;
    QList<BotEntry> bots{BotEntry()};
    for (int i = 1; i <= pasted; ++i)
        bots << BotEntry::numbered(i);
    Roster roster;
    roster.bots = EntryList<BotEntry>(bots);
    QApplication::clipboard()->setText(decodeCodePage(composeBotsIniFile(roster)));
    for (auto _ : state) {
        ShownWindow w(data->typical.folder);
        untilShown(w);
        const int before = rosterOf(w).bots.count();
        QAction* paste = nullptr;
        const auto actions = control<QWidget>(w, "botsPage")->actions();
        for (QAction* action : actions) {
            if (action->text() == u"Paste Entries")
                paste = action;
        }
        state.SetIterationTime(timeOf([&] { paste->trigger(); }));
        if (rosterOf(w).bots.count() != before + pasted)
            state.SkipWithError("the bots were not pasted");
    }
}

namespace {

// The action of the shared window's Bots page with this text.
QAction* botsPageAction(MainWindow& w, QStringView text) {
    const auto actions = control<QWidget>(w, "botsPage")->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    qFatal("The Bots page has no %s action", qPrintable(text.toString()));
}

// The shared window's Roster window, open on the bots with the first bot current.
QTableView* sharedRosterTable() {
    MainWindow& w = *sharedWindow();
    selectPage(w, 0);
    control<QScrollBar>(w, "botPager")->setValue(1);
    botsPageAction(w, u"Show All Bots")->trigger();
    QWidget* roster = control(w, "rosterWindow");
    untilShown(*roster);
    return control<QTableView>(*roster, "botsTable");
}

// The Roster window's action with this text.
QAction* rosterAction(const QTableView& table, QStringView text) {
    const auto actions = table.actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    qFatal("The Roster window has no %s action", qPrintable(text.toString()));
}

} // namespace

// Opening the Roster window on the largest roster, from Ctrl+L's action to the window shown, in a
// fresh main window each time; and what it adds to the resident memory, as "added_MiB".
void rosterOpen(benchmark::State& state) {
    for (auto _ : state) {
        ShownWindow w(data->largest.folder);
        untilShown(w);
        const double before = residentKiB();
        state.SetIterationTime(timeOf([&] {
            botsPageAction(w, u"Show All Bots")->trigger();
            untilShown(*control(w, "rosterWindow"));
        }));
        state.counters["added_MiB"] = (residentKiB() - before) / 1024.0;
    }
}

// One of the Roster window's handlers on the shared window's 32767 bots; whatever it changes is
// undone (untimed) before the next run, but for the undo that is timed.
void rosterHandler(benchmark::State& state, RosterTimed timed) {
    QTableView* table = sharedRosterTable();
    MainWindow& w = *sharedWindow();
    QAction* undo = historyAction(w, u"Undo");
    auto* filter = control<QLineEdit>(*table->window(), "rosterFilterEdit");
    auto* name = control<QLineEdit>(w, "botNameEdit");
    for (auto _ : state) {
        table->clearSelection();
        table->setCurrentIndex(table->model()->index(0, 0));
        double spent = 0;
        switch (timed) {
        case RosterTimed::ScrollToLast:
            spent = timeOf([&] {
                table->scrollToBottom();
                table->viewport()->repaint();
            });
            table->scrollToTop();
            break;
        case RosterTimed::DeleteAll:
        case RosterTimed::UndoDeleteAll: {
            const double deleting = timeOf([&] {
                table->selectAll();
                rosterAction(*table, u"Delete")->trigger();
            });
            const double undoing = timeOf([&] { undo->trigger(); });
            spent = timed == RosterTimed::DeleteAll ? deleting : undoing;
            break;
        }
        case RosterTimed::SortByName:
            spent = timeOf([&] { table->horizontalHeader()->sectionClicked(0); });
            undo->trigger();
            break;
        case RosterTimed::SetAllNames: {
            table->selectAll();
            table->edit(table->currentIndex());
            auto* editor = table->viewport()->findChild<QLineEdit*>();
            editor->setText(u"All"_s);
            QKeyEvent apply(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
            spent = timeOf([&] { QCoreApplication::sendEvent(editor, &apply); });
            undo->trigger();
            break;
        }
        case RosterTimed::KeystrokeInMain: {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
            spent = timeOf([&] { QCoreApplication::sendEvent(name, &key); });
            name->setText(rosterOf(w).bots.at(rosterOf(w).bots.current()).name);
            break;
        }
        case RosterTimed::FilterOneLetter:
            spent = timeOf([&] { filter->setText(u"Z"_s); });
            filter->clear();
            break;
        }
        state.SetIterationTime(spent);
        if (rosterOf(w).bots.count() != Largest)
            state.SkipWithError("the list did not come back to its full size");
    }
}
