// The seam every message and question to the player goes through: handlers that tests install,
// and the real boxes when none is installed.
#include "window/fonts.h"
#include "window/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void installedHandlerGetsMessages();
    void defaultMessageIsAWarningBox();
    void questionBoxAnswersWithItsButtons_data();
    void questionBoxAnswersWithItsButtons();
};

void TestMessages::installedHandlerGetsMessages() {
    QStringList first;
    QStringList second;
    QWidget parent;
    QWidget* seenParent = nullptr;
    const MessageHandler original = setMessageHandler(
        [&](QWidget*, const QString& title, const QString& text) { first << title << text; });
    QVERIFY(!original); // nothing installed yet: the message box

    showMessage(&parent, u"Title"_s, u"Text"_s);
    QCOMPARE(first, (QStringList{u"Title"_s, u"Text"_s}));

    const MessageHandler previous =
        setMessageHandler([&](QWidget* p, const QString&, const QString& text) {
            seenParent = p;
            second << text;
        });
    QVERIFY(previous);
    showMessage(&parent, u"Other"_s, u"Again"_s);
    QCOMPARE(second, QStringList{u"Again"_s});
    QCOMPARE(seenParent, &parent);
    QCOMPARE(first.size(), 2); // the replaced handler is no longer called

    previous(nullptr, u"Back"_s, u"Called"_s); // the returned handler is the first one
    QCOMPARE(first.last(), u"Called"_s);
    QVERIFY(setMessageHandler(original));
}

void TestMessages::defaultMessageIsAWarningBox() {
    const MessageHandler saved = setMessageHandler({});
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QFont font;
    // The box is modal; close it from inside its own event loop once it shows.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                font = box->font();
                box->reject();
                closer.stop();
            }
        }
    });
    closer.start(10);
    showMessage(nullptr, u"Zelvik"_s, u"Could not write bots.ini"_s);
    setMessageHandler(saved);

    QCOMPARE(title, u"Zelvik"_s);
    QCOMPARE(text, u"Could not write bots.ini"_s);
    QCOMPARE(icon, QMessageBox::Warning);
    // A box is a window of its own, which inherits no font: it takes the window's.
    QCOMPARE(font, dialogFont());
}

void TestMessages::questionBoxAnswersWithItsButtons_data() {
    QTest::addColumn<bool>("closeQuestion"); // else the overwrite question
    QTest::addColumn<int>("key");            // 0: a click on the answer's button
    QTest::addColumn<int>("answer");
    QTest::newRow("close, Enter saves") << true << int(Qt::Key_Return) << int(Answer::Save);
    QTest::newRow("close, Escape cancels") << true << int(Qt::Key_Escape) << int(Answer::Cancel);
    QTest::newRow("close, Discard clicked") << true << 0 << int(Answer::Discard);
    QTest::newRow("overwrite, Enter cancels")
        << false << int(Qt::Key_Return) << int(Answer::Cancel);
    QTest::newRow("overwrite, Escape cancels")
        << false << int(Qt::Key_Escape) << int(Answer::Cancel);
    QTest::newRow("overwrite, Alt+O overwrites")
        << false << int(Qt::Key_O) << int(Answer::Overwrite);
    QTest::newRow("overwrite, Overwrite clicked") << false << 0 << int(Answer::Overwrite);
}

// The real box, answered from the keyboard inside its own event loop.
void TestMessages::questionBoxAnswersWithItsButtons() {
    QFETCH(bool, closeQuestion);
    QFETCH(int, key);
    QFETCH(int, answer);
    const Question question = closeQuestion
                                  ? Question{u"Unsaved changes"_s,
                                             u"Save?"_s,
                                             {Answer::Save, Answer::Discard, Answer::Cancel},
                                             Answer::Save,
                                             Answer::Cancel}
                                  : Question{u"Save INI"_s,
                                             u"Overwrite?"_s,
                                             {Answer::Overwrite, Answer::Cancel},
                                             Answer::Cancel,
                                             Answer::Cancel};
    const QuestionHandler saved = setQuestionHandler({});
    QTimer presser;
    connect(&presser, &QTimer::timeout, this, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                presser.stop();
                if (key == 0) {
                    for (QAbstractButton* button : box->buttons()) {
                        if (button->property("answer").toInt() == answer)
                            QTest::mouseClick(button, Qt::LeftButton);
                    }
                    return;
                }
                // A letter is its button's mnemonic.
                const auto modifier = key < Qt::Key_Escape ? Qt::AltModifier : Qt::NoModifier;
                QTest::keyClick(box, Qt::Key(key), modifier);
            }
        }
    });
    presser.start(10);
    const Answer given = ask(nullptr, question);
    setQuestionHandler(saved);
    QCOMPARE(int(given), answer);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
