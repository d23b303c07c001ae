// Seeded sessions on the real window, offscreen: random keys, typing, clicks, tab presses and
// menu actions across the pages, the recovery copy kept now and then, a crash or a close and a
// new window; after every event the document holds what it must (tests/support/rostersession.h).
// No dialog opens: every question, number and folder the window asks for is answered at random,
// and the recovery copy's timer is stepped here.
#include "app/rosterdocument.h"
#include "rostersession.h"
#include "window/numberprompt.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The keys the player presses besides typing: moving about, editing, and the window's own.
const QStringList Keys =
    u"Tab|Shift+Backtab|Backspace|Del|Left|Right|Home|End|Up|Down|PgUp|PgDown|Space|Return|Esc|"
    "Ctrl+Z|Ctrl+Y|Ctrl+Shift+Z|Ctrl+Shift+Up|Ctrl+Shift+Down|Ctrl+D|Ctrl+Shift+C|Ctrl+Shift+V|"
    "Ctrl+A|Ctrl+C|Ctrl+V|Ctrl+X|Ctrl+F|F3|Shift+F3|Ctrl+G|Ctrl+O|Alt+N|Alt+M|Alt+R|Alt+H"_s.split(
        u'|');

class WindowSession : public Session {
public:
    WindowSession(Choices& source, const QString& sessionFolder, int largest);
    ~WindowSession() override;

private:
    RosterDocument& document() override {
        return *window->findChild<RosterDocument*>(u"rosterDocument"_s);
    }
    void start(const std::optional<QByteArray>& copy, bool restore) override;
    void step() override;
    QString stepFault() override;
    void finish() override { clickTab(*window, 0); }
    Answer answer(QWidget* asking, const Question& question);

    const QString folders[2];
    std::unique_ptr<MainWindow> window;
    bool restoring = false;
    bool loading = false;
    bool saving = false;
    bool saveCancelled = false;
    const MessageCapture messages;
    QuestionHandler asked;
    NumberPrompt prompted;
    FolderPicker picked;
};

// Every question, number and folder the window asks for is answered at random.
WindowSession::WindowSession(Choices& source, const QString& sessionFolder, int largest)
    : Session(source, sessionFolder, largest), folders{work + u"/a"_s, work + u"/b"_s} {
    if (!putRandomBotsIni(choices, folders[1], most))
        fail(u"no bots.ini in "_s + folders[1]);
    asked = setQuestionHandler(
        [this](QWidget* asking, const Question& question) { return answer(asking, question); });
    prompted = setNumberPrompt([this](QWidget*, const NumberQuestion& q) -> std::optional<int> {
        if (choices.below(4) == 0)
            return std::nullopt;
        return q.minimum + choices.below(q.maximum - q.minimum + 1);
    });
    picked = setFolderPicker([this](QWidget*, const QString&) {
        const int pick = choices.below(3);
        if (pick == 2)
            return QString();
        loading = true;
        return folder = folders[pick];
    });
}

WindowSession::~WindowSession() {
    window.reset();
    setQuestionHandler(asked);
    setNumberPrompt(prompted);
    setFolderPicker(picked);
}

// What an answer makes the window do is noted.
Answer WindowSession::answer(QWidget* asking, const Question& question) {
    if (question.answers.contains(Answer::Restore)) { // the window is loading
        offered = true;
        read(*asking->findChild<RosterDocument*>(u"rosterDocument"_s));
        return restoring ? Answer::Restore : Answer::Discard;
    }
    const Answer given = question.answers.at(choices.below(int(question.answers.size())));
    const bool unsaved = question.answers.contains(Answer::Discard);
    if (question.answers.contains(Answer::Overwrite))
        fail(u"the window took bots.ini for changed by another program"_s);
    else if (unsaved && given == Answer::Save)
        saving = true;
    else if (!unsaved && given == Answer::Cancel) // entries left unread stay in the file
        saveCancelled = true;
    return given;
}

// A new window on the folder, as the program starts.
void WindowSession::start(const std::optional<QByteArray>&, bool restore) {
    restoring = restore;
    window.reset();
    window = std::make_unique<ShownWindow>(folder);
    document().findChild<QTimer*>(u"recoveryTimer"_s)->setInterval(std::numeric_limits<int>::max());
    QObject::connect(control<QAbstractButton>(*window, "saveIniButton"), &QAbstractButton::clicked,
                     window.get(), [this] { saving = true; });
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        fail(u"the window is not active"_s);
    if (!offered)
        read(document());
    loading = false;
    spent += 5 + size() / 150;
}

// What the player can reach: a widget shown and enabled, an action enabled that a shown widget
// offers in its menu or by its key.
bool onOffer(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled();
}
bool onOffer(const QAction* action) {
    const auto owners = action->associatedObjects();
    return action->isEnabled() && !action->isSeparator() &&
           std::any_of(owners.begin(), owners.end(), [](const QObject* owner) {
               const auto* widget = qobject_cast<const QWidget*>(owner);
               return widget && widget->isVisible();
           });
}
template <typename Type> Type* anyOnOffer(const QWidget& window, Choices& choices) {
    QList<Type*> found = window.findChildren<Type*>();
    found.removeIf([](const Type* each) { return !onOffer(each); });
    return found.value(choices.below(int(found.size())));
}

void WindowSession::step() {
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    static constexpr char events[] = "kkkkkkkkkkttttttcccccccbbbaaaaappp$x%";
    const char chosen = events[choices.below(int(sizeof(events)) - 1)];
    steps << focus->objectName() + u':' + QChar::fromLatin1(chosen);
    switch (chosen) {
    case 'k': {
        const QString& name = Keys.at(choices.below(int(Keys.size())));
        const QKeyCombination key = QKeySequence(name)[0];
        steps.last() += name;
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        break;
    }
    case 't': {
        const QChar letter = u"aZ7 =["_s.at(choices.below(6));
        const QString typed = QString(letter).repeated(1 + choices.below(3));
        steps.last() += typed;
        QTest::keyClicks(focus, typed);
        break;
    }
    case 'c': { // whatever takes a click: a button, a box, a pager, a slider
        QWidget* clicked = anyOnOffer<QWidget>(*window, choices);
        if (clicked && clicked->focusPolicy() != Qt::NoFocus) {
            steps.last() += clicked->objectName();
            QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->rect().center());
        }
        break;
    }
    case 'b':
        steps.last() += QString::number(choices.below(3));
        clickTab(*window, steps.last().back().digitValue());
        break;
    case 'a':
        if (QAction* action = anyOnOffer<QAction>(*window, choices)) {
            steps.last() += action->text();
            action->trigger();
        }
        break;
    case 'p': // the pager's arrows, its trough, its ends, or a drag
        if (QScrollBar* pager = anyOnOffer<QScrollBar>(*window, choices)) {
            if (const int how = choices.below(7); how < 6)
                pager->triggerAction(QAbstractSlider::SliderAction(1 + how));
            else
                pager->setValue(choices.below(pager->maximum() + 1));
        }
        break;
    case '$':
        keep();
        spent += 5 + size() / 100;
        break;
    case 'x':
        window->close();
        break;
    default: // the window ends without closing, and its copy stays
        crash();
    }
}

// Lets the window finish what the step started, and notes a load or a save it made.
QString WindowSession::stepFault() {
    // A button its Alt key pressed shows itself down for a moment, then clicks.
    const bool clicked = QTest::qWaitFor([this] {
        const auto buttons = window->findChildren<QAbstractButton*>();
        return std::none_of(buttons.begin(), buttons.end(),
                            [](const QAbstractButton* button) { return button->isDown(); });
    });
    QCoreApplication::processEvents();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (!window->isVisible()) { // closed, and its copy with it: a new window reads the file
        saved({});
        restart(false);
    } else if (loading) {
        read(document());
        loading = false;
    } else if (saving && !saveCancelled) {
        saved(readBytes(document().filePath()));
    }
    saving = saveCancelled = false;
    return clicked ? QString() : u"a button stays down"_s;
}

} // namespace

class TestWindowSession : public WindowTest {
    Q_OBJECT

private slots:
    void sessions_data();
    void sessions();
    void cleanupTestCase() { qInfo("%d events", events); }

private:
    int events = 0;
};

void TestWindowSession::sessions_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("most"); // the most entries a list of a file holds
    for (quint32 seed = 1; seed <= 4; ++seed)
        QTest::addRow("seed %u, small", seed) << seed << SmallLists;
    QTest::addRow("seed 5, to the limit") << 5u << 32768;
}

void TestWindowSession::sessions() {
    QFETCH(quint32, seed);
    QFETCH(int, most);
    const QTemporaryDir work(sessionFolderTemplate());
    Choices choices(seededChoices(seed));
    WindowSession session(choices, work.path(), most);
    const QString fault = session.play();
    events += session.taken();
    QVERIFY2(fault.isEmpty(), qPrintable(u"seed %1: %2"_s.arg(seed).arg(fault)));
}

QTEST_MAIN(TestWindowSession)
#include "tst_windowsession.moc"
