#include "game/gamefinder.h"
#include "game/gamefolder.h"
#include "game/libraryfolders.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Files to make below a temporary folder: path -> contents. Contents "->x" make a symbolic link
// to the folder x instead. "@HOME@" in contents stands for the temporary folder, and "@WINHOME@"
// for the same written the Windows way with escaped backslashes.
using Layout = QMap<QString, QByteArray>;

namespace {

bool isLink(const QByteArray& contents) {
    return contents.startsWith("->");
}

// False when a file or link could not be made.
bool makeLayout(const QString& root, const Layout& layout) {
    QByteArray windowsRoot = root.toUtf8();
    windowsRoot.replace("/", "\\\\");
    for (auto it = layout.begin(); it != layout.end(); ++it) {
        const QString path = root + u'/' + it.key();
        QFile file(path);
        QByteArray contents = it.value();
        contents.replace("@WINHOME@", windowsRoot).replace("@HOME@", root.toUtf8());
        if (!QDir().mkpath(QFileInfo(path).path()))
            return false;
        if (isLink(contents)
                ? !makeSymLink(root + u'/' + QString::fromUtf8(contents.sliced(2)), path)
                : !file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            return false;
    }
    return true;
}

QByteArray libraries(std::initializer_list<const char*> paths) {
    QByteArray text = "\"libraryfolders\"\n{\n";
    int number = 0;
    for (const char* path : paths)
        text += "\t\"" + QByteArray::number(number++) + "\"\n\t{\n\t\t\"path\"\t\t\"" + path +
                "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1024\"\n\t\t}\n\t}\n";
    return text + "}\n";
}

// The same list the way the client wrote it before 2021: numbered paths beside other values.
QByteArray numberedLibraries(std::initializer_list<const char*> paths) {
    QByteArray text = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1609459200\"\n"
                      "\t\"ContentStatsID\"\t\t\"-4512385739157032410\"\n";
    int number = 1;
    for (const char* path : paths)
        text += "\t\"" + QByteArray::number(number++) + "\"\t\t\"" + path + "\"\n";
    return text + "}\n";
}

const QString Steam = u".local/share/Steam"_s;
const QString Vdf = Steam + u"/steamapps/libraryfolders.vdf"_s;
const QString Game = u"/steamapps/common/Half-Life"_s;

} // namespace

class TestGameFinder : public QObject {
    Q_OBJECT

private slots:
    void libraryFolderPaths_data();
    void libraryFolderPaths();
    void defaultGamePath_data();
    void defaultGamePath();
    void gameFolderOfPath_data();
    void gameFolderOfPath();
};

void TestGameFinder::libraryFolderPaths_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("paths");
    const auto row = [](const char* name, const QByteArray& text, const QStringList& paths) {
        QTest::newRow(name) << text << paths;
    };
    const QByteArray two = libraries({"/home/p/.local/share/Steam", "/mnt/games/Steam Library"});
    const QStringList both{u"/home/p/.local/share/Steam"_s, u"/mnt/games/Steam Library"_s};
    row("well-formed", two, both);
    row("key names in any case", QByteArray(two).replace("path", "Path"), both);
    row("byte order mark", "\xEF\xBB\xBF" + two, both);
    row("nested deeper", R"("LibraryFolders" { "0" { "x" { "path" "/a" } } "1" { "path" "/b" } })",
        {u"/a"_s, u"/b"_s});
    row("escapes", libraries({R"(C:\\Program Files (x86)\\Steam)", R"(/a \"b\"\q)"}),
        {uR"(C:\Program Files (x86)\Steam)"_s, uR"(/a "b"\q)"_s});
    row("comments",
        "// written by the client\n" + QByteArray(two).replace("\"path\"\t\t\"/mnt", "//"),
        {both.first()});
    row("bare words and conditions",
        "libraryfolders { 0 { label x [$LINUX] path /a } 1 { path\"/b\" } }", {u"/a"_s, u"/b"_s});
    row("utf-8", libraries({"/home/p/J\xC3\xBCrgen"}), {u"/home/p/Jürgen"_s});
    row("not utf-8", libraries({"/a\xFF", "\xCB"}), {u"/a\uFFFD"_s, u"\uFFFD"_s});
    row("truncated in a value", two.first(two.indexOf("/mnt") + 6), {both.first()});
    row("truncated in an escape", R"("libraryfolders" { "0" { "path" "/a\)", {});
    row("outside the library blocks", R"("path" "/a" "other" { "0" { "path" "/b" } }
        "libraryfolders" { "path" "/c" "0" { "label" "/d" "path" { "path" "/e" } "path" "" } })",
        {u"/e"_s});
    row("stray braces", "}}\n" + two + "}", both);
    row("deeper than the limit",
        R"("libraryfolders" { "0" { "path" "/a" )" + QByteArray(100000, '{') + R"("path" "/b")",
        {u"/a"_s});
    row("byte order mark in a value", libraries({"\xEF\xBB\xBF"}), {u"\uFEFF"_s});
    const QByteArray old = numberedLibraries({R"(D:\\SteamLibrary)", "/mnt/games/SteamLibrary"});
    const QStringList oldPaths{uR"(D:\SteamLibrary)"_s, u"/mnt/games/SteamLibrary"_s};
    row("numbered paths", old, oldPaths);
    row("numbered paths, key in lower case",
        QByteArray(old).replace("LibraryFolders", "libraryfolders"), oldPaths);
    row("numbered paths among damage",
        R"("libraryfolders" { "TimeNextStatsReport" "12" "1" "/a" "x2" "/no" "3" "" "02" "/b"
        "4" { "path" "/c" "apps" { "70" "/no" } } "5" { "6" "/no" } "7" "/d" "8" "/cut)",
        {u"/a"_s, u"/b"_s, u"/c"_s, u"/d"_s});
    row("numbered paths outside the list",
        R"("1" "/a" "other" { "2" "/b" } "libraryfolders" { "3" "/c" } "4" "/d")", {u"/c"_s});
    row("garbage", QByteArray("\x00\xFF{\"\x01\x7F\\}}\x80\"\"", 12), {});
    row("empty", {}, {});
}

void TestGameFinder::libraryFolderPaths() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, paths);
    QCOMPARE(::libraryFolderPaths(text), paths);
}

void TestGameFinder::defaultGamePath_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("steamPath");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("dataHome"); // the user's data folder below home
    QTest::addColumn<QString>("found");    // the game folder below home; empty: FallbackGamePath
    const QString flatpak = u".var/app/com.valvesoftware.Steam/.local/share/Steam"_s;
    const QByteArray vdf = libraries({"@HOME@/.local/share/Steam", "@HOME@/lib"});
    const QByteArray oldVdf = numberedLibraries({"@HOME@/lib"});
    const auto row = [](const char* name, const Layout& layout, const QString& found,
                        const QString& steamPath = {}, bool windows = false,
                        const QString& dataHome = u".local/share"_s) {
        QTest::newRow(name) << layout << steamPath << windows << dataHome << found;
    };
    const QString client = Steam + Game, lib = u"lib"_s + Game, own = u"S"_s + Game;
    row("client folder", {{client + "/hl_linux", ""}}, client);
    row("second library", {{Vdf, vdf}, {lib + "/hl.sh", ""}}, lib);
    row("client folder first", {{Vdf, vdf}, {lib + "/hl.sh", ""}, {client + "/hl.exe", ""}},
        client);
    row("numbered library list", {{Vdf, oldVdf}, {lib + "/hl.sh", ""}}, lib);
    row("flatpak", {{flatpak + Game + "/hl.exe", ""}}, flatpak + Game);
    row("client folders in order",
        {{flatpak + Game + "/hl.sh", ""}, {u".steam/root"_s + Game + "/hl.sh", ""}},
        u".steam/root"_s + Game);
    row("symbolic links",
        {{Vdf, vdf},
         {u".steam/steam"_s, "->" + Steam.toUtf8()},
         {u".steam/root"_s, "->.steam/steam"},
         {lib + "/hl_linux", ""}},
        lib);
    row("malformed list",
        {{Vdf, "\"libraryfolders\" { \"0\" {\"path\" \"@HOME@/\x01\xFF"}, {client + "/hl.sh", ""}},
        client);
    row("huge list", {{Vdf, vdf + QByteArray(2 * MaxVdfBytes, '{')}, {lib + "/hl.sh", ""}}, lib);
    row("list is a folder", {{Vdf + "/x", ""}, {client + "/hl.sh", ""}}, client);
    row("nothing at all", {}, {});
    row("store client without the game", {{Vdf, vdf}, {Steam + "/steamapps/common/x", ""}}, {});
    row("only the server", {{client + "/hlds_run", ""}}, {});
    row("Steam path first", {{own + "/hl.sh", ""}, {client + "/hl.sh", ""}}, own, u"@HOME@/S"_s);
    row("Windows", {{own + "/hl.exe", ""}}, own, u"@HOME@/S"_s, true);
    row("Windows library",
        {{u"S/steamapps/libraryfolders.vdf"_s, libraries({"@WINHOME@\\\\L"})},
         {u"L"_s + Game + "/hl.exe", ""}},
        u"L"_s + Game, u"@HOME@\\S"_s, true);
    row("Windows numbered library list",
        {{u"S/steamapps/libraryfolders.vdf"_s, numberedLibraries({"@WINHOME@\\\\L"})},
         {u"L"_s + Game + "/hl.exe", ""}},
        u"L"_s + Game, u"@HOME@\\S"_s, true);
    const QString data = u"data/Steam"_s + Game;
    row("data folder named by XDG_DATA_HOME", {{data + "/hl_linux", ""}}, data, {}, false,
        u"data"_s);
    row("data folder first", {{u".steam/steam"_s + Game + "/hl.sh", ""}, {data + "/hl.sh", ""}},
        data, {}, false, u"data"_s);
    row("data folder's library list",
        {{u"data/Steam/steamapps/libraryfolders.vdf"_s, oldVdf}, {lib + "/hl.sh", ""}}, lib, {},
        false, u"data"_s);
    row("XDG_DATA_HOME elsewhere", {{client + "/hl.sh", ""}}, {}, {}, false, u"data"_s);
    row("Windows needs hl.exe", {{own + "/hl.sh", ""}}, {}, u"@HOME@/S"_s, true);
    row("Windows ignores home", {{client + "/hl.exe", ""}}, {}, {}, true);
}

void TestGameFinder::defaultGamePath() {
    QFETCH(Layout, layout);
    QFETCH(QString, steamPath);
    QFETCH(bool, windows);
    QFETCH(QString, dataHome);
    QFETCH(QString, found);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    if (HostIsWindows && std::any_of(layout.begin(), layout.end(), isLink))
        QSKIP("Windows makes shortcuts, not symbolic links");
    QVERIFY(makeLayout(home.path(), layout));
    steamPath.replace(u"@HOME@"_s, home.path());

    QString expected = u"C:\\Half-Life\\HL.exe"_s;
    if (!found.isEmpty())
        expected = home.path() + u'/' + found + u"/hl.exe"_s;
    if (!found.isEmpty() && windows)
        expected.replace(u'/', u'\\');
    dataHome = home.path() + u'/' + dataHome;
    QCOMPARE(::defaultGamePath(home.path(), dataHome, steamPath, windows), expected);
    QCOMPARE(findGameFolder(home.path(), dataHome, steamPath, windows),
             found.isEmpty() ? QString() : expected.chopped(7));

    // The same search for this user, with home and XDG_DATA_HOME pointing into the temporary
    // folder (XDG_DATA_HOME is not looked at on Windows, whose Steam folder is the registry's).
    if (HostIsWindows || windows || !steamPath.isEmpty())
        return;
    const QByteArray savedHome = qgetenv("HOME");
    const bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        if (hadDataHome)
            qputenv("XDG_DATA_HOME", savedDataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    });
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    QCOMPARE(::defaultGamePath(), expected);
}

void TestGameFinder::gameFolderOfPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("launchFolder"); // as Launch reads the path
    QTest::newRow("HL.exe") << R"(C:\Half-Life\HL.exe)"
                            << R"(C:\Half-Life)"
                            << R"(C:\Half-Life\)";
    QTest::newRow("hl.exe") << R"(C:\Half-Life\hl.exe)"
                            << R"(C:\Half-Life)"
                            << R"(C:\Half-Life\)";
    QTest::newRow("trailing backslash") << R"(C:\Half-Life\)"
                                        << R"(C:\Half-Life)"
                                        << R"(C:\Half)";
    QTest::newRow("trailing slash") << "/home/p/Half-Life/"
                                    << "/home/p/Half-Life"
                                    << "/home/p/Half";
    QTest::newRow("bare folder") << R"(C:\Half-Life)"
                                 << R"(C:\Half-Life)"
                                 << R"(C:\Hal)";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("only six chars cut") << R"(C:\Games\myhl.exe)"
                                        << R"(C:\Games\my)"
                                        << R"(C:\Games\my)";
    QTest::newRow("other executable") << R"(C:\Half-Life\hlds.exe)"
                                      << R"(C:\Half-Life\hlds.exe)"
                                      << R"(C:\Half-Life\)";
    QTest::newRow("unix path") << "/home/p/Half-Life/hl.exe"
                               << "/home/p/Half-Life"
                               << "/home/p/Half-Life/";
}

void TestGameFinder::gameFolderOfPath() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, launchFolder);
    QCOMPARE(gameFolderFromPath(path, FolderRule::Catalogue), folder);
    QCOMPARE(gameFolderFromPath(path, FolderRule::Launch), launchFolder);
}

QTEST_GUILESS_MAIN(TestGameFinder)

#include "tst_gamefinder.moc"
