// The folder the program works on: the choice among the candidates, the add-on folder of a game,
// and the command line that may name one; the language the program speaks.
#include "app/language.h"
#include "app/startup.h"
#include "game/addonfolder.h"
#include "game/gamefinder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using Source = AddonFolderChoice::Source;
Q_DECLARE_METATYPE(Source)
Q_DECLARE_METATYPE(CommandLine::Action)

class TestStartupFolder : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    // A path below the scratch folder, with "~" standing for it.
    QString expand(QString text) const { return text.replace(u'~', scratch.path()); }

private slots:
    void initTestCase();
    void choiceFollowsTheOrder_data();
    void choiceFollowsTheOrder();
    void addonFolderOfTheGame_data();
    void addonFolderOfTheGame();
    void commandLine_data();
    void commandLine();
    void languageChoice_data();
    void languageChoice();
    void languageOption_data();
    void languageOption();
};

void TestStartupFolder::initTestCase() {
    QVERIFY(scratch.isValid());
    QCoreApplication::setApplicationName(u"Zelvik"_s);
    QCoreApplication::setApplicationVersion(u"9.8"_s);
    // game/VanTrel/bots.ini, other/bots.ini, other/notes.txt, other/BOTS.INI
    QVERIFY(QDir(scratch.path()).mkpath(u"game/VanTrel"_s));
    QVERIFY(QDir(scratch.path()).mkpath(u"other"_s));
    QVERIFY(QDir(scratch.path()).mkpath(u"locked"_s));
    for (const char* file : {"game/VanTrel/bots.ini", "other/notes.txt", "other/BOTS.INI"})
        QVERIFY(writeBytes(scratch.filePath(QString::fromLatin1(file)), "[Bot]\r\n"));
}

void TestStartupFolder::choiceFollowsTheOrder_data() {
    QTest::addColumn<QString>("argument");
    // "+": holds a bots.ini; "0": a folder without one; "-": no such folder
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<Source>("source");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("remembered");
    // Each candidate holds a bots.ini: the first in the order wins.
    QTest::newRow("argument first") << "/arg"
                                    << "+/own"
                                    << "+/st"
                                    << "+/fd" << true << Source::Argument << "/arg" << true;
    QTest::newRow("own folder wins while installed")
        << ""
        << "+/own"
        << "+/st"
        << "+/fd" << true << Source::Own << "/own" << false;
    QTest::newRow("stored before found") << ""
                                         << "-/own"
                                         << "+/st"
                                         << "+/fd" << true << Source::Stored << "/st" << true;
    QTest::newRow("stored without bots.ini is passed")
        << ""
        << "-/own"
        << "-/st"
        << "+/fd" << false << Source::Found << "/fd" << true;
    QTest::newRow("no stored folder") << ""
                                      << "-/own"
                                      << "+"
                                      << "+/fd" << false << Source::Found << "/fd" << true;
    QTest::newRow("nothing holds one: own folder")
        << ""
        << "-/own"
        << "-/st"
        << "-/fd" << false << Source::OwnFallback << "/own" << false;
    QTest::newRow("nothing at all: own folder")
        << ""
        << "-/own"
        << ""
        << "" << false << Source::OwnFallback << "/own" << false;
    QTest::newRow("nothing holds one, installed: ask")
        << ""
        << "-/own"
        << "-/st"
        << "-/fd" << true << Source::Ask << "" << false;
    // An installed program asks once: the folder kept is taken while it is there.
    QTest::newRow("installed: kept folder without bots.ini")
        << ""
        << "0/own"
        << "0/st"
        << "-/fd" << true << Source::Stored << "/st" << true;
    QTest::newRow("not installed: own folder first")
        << ""
        << "0/own"
        << "0/st"
        << "0/fd" << false << Source::OwnFallback << "/own" << false;
}

void TestStartupFolder::choiceFollowsTheOrder() {
    QFETCH(QString, argument);
    QFETCH(QString, own);
    QFETCH(QString, stored);
    QFETCH(QString, found);
    QFETCH(bool, installed);
    QFETCH(Source, source);
    QFETCH(QString, folder);
    QFETCH(bool, remembered);
    const auto candidate = [](const QString& text) {
        return FolderCandidate{text.mid(1), text.startsWith(u'+'),
                               text.startsWith(u'+') || text.startsWith(u'0')};
    };
    const AddonFolderChoice choice = chooseAddonFolder(
        {argument, candidate(own), candidate(stored), candidate(found), installed});
    QCOMPARE(choice.source, source);
    QCOMPARE(choice.folder, folder);
    QCOMPARE(choice.remembered(), remembered);
}

void TestStartupFolder::addonFolderOfTheGame_data() {
    QTest::addColumn<QString>("gamePath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("client path, folder in another case") << "~/game/hl.exe"
                                                         << "~/game/VanTrel";
    QTest::newRow("path in upper case") << "~/game/HL.EXE"
                                        << "~/game/VanTrel";
    QTest::newRow("server path") << "~/game/HLDS.exe"
                                 << "~/game/VanTrel";
    QTest::newRow("folder with separator") << "~/game/"
                                           << "~/game/VanTrel";
    QTest::newRow("game without the add-on") << "~/other/hl.exe"
                                             << "";
    QTest::newRow("no such game") << "~/missing/hl.exe"
                                  << "";
    QTest::newRow("empty path") << ""
                                << "";
    QTest::newRow("bare client name") << "hl.exe"
                                      << "";
}

void TestStartupFolder::addonFolderOfTheGame() {
    QFETCH(QString, gamePath);
    QFETCH(QString, expected);
    // Where the file system ignores letter case, so may the name found.
    const QString found = QDir::fromNativeSeparators(gameAddonFolder(expand(gamePath)));
    const auto pathCase = HostIsWindows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QVERIFY2(found.compare(expand(expected), pathCase) == 0, qPrintable(found));
}

void TestStartupFolder::commandLine_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's name; "~" is the scratch
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("text"); // a part of the text
    using A = CommandLine::Action;
    QTest::newRow("nothing named") << QStringList() << A::Run << ""
                                   << "";
    QTest::newRow("a folder") << QStringList{u"~/other"_s} << A::Run << "~/other"
                              << "";
    QTest::newRow("a folder, untidy")
        << QStringList{u"~/game/./VanTrel/"_s} << A::Run << "~/game/VanTrel"
        << "";
    QTest::newRow("a bots.ini") << QStringList{u"~/game/VanTrel/bots.ini"_s} << A::Run
                                << "~/game/VanTrel"
                                << "";
    QTest::newRow("a BOTS.INI") << QStringList{u"~/other/BOTS.INI"_s} << A::Run << "~/other"
                                << "";
    QTest::newRow("a relative folder") << QStringList{u"other"_s} << A::Run << "~/other"
                                       << "";
    QTest::newRow("help") << QStringList{u"--help"_s} << A::Help << ""
                          << "[FOLDER | FILE]";
    QTest::newRow("help, short") << QStringList{u"-h"_s, u"~/other"_s} << A::Help << ""
                                 << "bots.ini";
    QTest::newRow("help with Qt's options") << QStringList{u"--help-all"_s} << A::BadInput << ""
                                            << "Unknown option 'help-all'.";
    QTest::newRow("version") << QStringList{u"--version"_s} << A::Version << ""
                             << "Zelvik 9.8";
    QTest::newRow("another file")
        << QStringList{u"~/other/notes.txt"_s} << A::BadInput << ""
        << "other/notes.txt is not a bots.ini file: the add-on reads only bots.ini.";
    QTest::newRow("missing folder") << QStringList{u"~/none"_s} << A::BadInput << ""
                                    << "/none does not exist.";
    QTest::newRow("missing bots.ini") << QStringList{u"~/game/bots.ini"_s} << A::BadInput << ""
                                      << "does not exist.";
    QTest::newRow("empty name") << QStringList{u""_s} << A::BadInput << ""
                                << "does not exist.";
    QTest::newRow("two folders") << QStringList{u"~/other"_s, u"~/game"_s} << A::BadInput << ""
                                 << "Name one folder or file, not 2.";
    QTest::newRow("unknown option")
        << QStringList{u"--set-addon-folder"_s, u"~/other"_s} << A::BadInput << ""
        << "Unknown option 'set-addon-folder'.";
    QTest::newRow("unreadable folder") << QStringList{u"~/locked"_s} << A::BadInput << ""
                                       << "/locked cannot be read.";
}

void TestStartupFolder::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, folder);
    QFETCH(QString, text);
    if (QByteArray(QTest::currentDataTag()) == "unreadable folder") {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps no read permission in a folder's attributes.");
#endif
        RERUN_AS_NOBODY_IF_ROOT();
        QVERIFY(QFile::setPermissions(scratch.filePath(u"locked"_s), QFile::WriteOwner));
    }
    QStringList expanded{u"zelvik"_s};
    for (const QString& argument : arguments)
        expanded << expand(argument);
    QVERIFY(QDir::setCurrent(scratch.path()));
    const CommandLine line = parseCommandLine(expanded);
    QCOMPARE(line.action, action);
    QCOMPARE(line.folder, expand(folder));
    QVERIFY2(QDir::fromNativeSeparators(line.text).contains(expand(text)), qPrintable(line.text));
    QCOMPARE(line.text.isEmpty(), action == CommandLine::Action::Run);
}

// Rows: the player's languages, most wanted first, and the one chosen among ours.
void TestStartupFolder::languageChoice_data() {
    QTest::addColumn<QString>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    const auto row = [](const char* name, const char* languages, const char* chosen) {
        QTest::newRow(name) << QString::fromLatin1(languages) << QString::fromLatin1(chosen);
    };
    row("German", "de-DE de", "de");
    row("German of Austria", "de-AT", "de");
    row("Portuguese of Portugal", "pt-PT pt", "pt_BR");
    row("Portuguese alone", "pt", "pt_BR");
    row("a code in its own letter case", "PT_br", "pt_BR");
    row("English first", "en-US ru-RU", "en");
    row("the first that has one", "ja-JP C fr-CA pl-PL", "fr");
    row("none has one", "ja-JP zh-Hans-CN", "en");
}

void TestStartupFolder::languageChoice() {
    QFETCH(QString, uiLanguages);
    QFETCH(QString, chosen);
    const QStringList available{u"de"_s, u"en"_s, u"es"_s, u"fr"_s, u"pl"_s, u"pt_BR"_s, u"ru"_s};
    QCOMPARE(chooseLanguage(uiLanguages.split(u' '), available), chosen);
}

// Rows: the arguments, and the language, the action and a part of the text they give. The
// languages are those the program carries, built in.
void TestStartupFolder::languageOption_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* arguments, const char* language,
                        CommandLine::Action action, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(arguments) << QString::fromLatin1(language)
                            << action << QString::fromUtf8(text);
    };
    using A = CommandLine::Action;
    row("a code", "--language ru", "ru", A::Run, "");
    row("a language, a folder", "--language=pt ~/other", "pt_BR", A::Run, "");
    row("help", "--help", "", A::Help, "de, en, es, fr, pl, pt_BR, ru.");
    row("none of them", "--language xx", "", A::BadInput,
        "Zelvik has no translation into \"xx\". Its languages: de, en, es, fr, pl, pt_BR, ru.");
    row("no code", "--language", "", A::BadInput, "Missing value after '--language'.");
}

void TestStartupFolder::languageOption() {
    QFETCH(QString, arguments);
    QFETCH(QString, language);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, text);
    const CommandLine line = parseCommandLine((u"zelvik "_s + expand(arguments)).split(u' '));
    QCOMPARE(line.action, action);
    QCOMPARE(line.language, language);
    QVERIFY2(line.text.simplified().contains(text), qPrintable(line.text));
}

QTEST_GUILESS_MAIN(TestStartupFolder)
#include "tst_startupfolder.moc"
