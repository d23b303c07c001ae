// The player's guide against the program: every key its key tables list is bound in the window,
// and every message it quotes is in the program's source, so the two cannot drift apart.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Root = QStringLiteral(ZELVIK_TEST_DATA "/../..");

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The sources below src/folder as a player reads their strings: literals continued on the next
// line joined, escapes undone, white space collapsed.
QString sourceText(const QString& folder) {
    QString text;
    QDirIterator files(Root + u"/src/"_s + folder, {u"*.cpp"_s, u"*.h"_s, u"*.ui"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        text += readText(files.next()) + u'\n';
    text.replace(QRegularExpression(u"\"\\s*\\n\\s*u?\""_s), QString());
    text.replace(u"\\\""_s, u"\""_s).replace(u"\\r"_s, u" "_s).replace(u"\\n"_s, u" "_s);
    return text.replace(u"&amp;"_s, u"&"_s).simplified();
}

QList<QStringList> matches(const QString& pattern, const QString& text) {
    QList<QStringList> found;
    for (const auto& match :
         QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text))
        found << match.capturedTexts().mid(1);
    return found;
}

} // namespace

class TestGuide : public QObject {
    Q_OBJECT

    const QString guide = readText(Root + u"/docs/guide.md"_s);

private slots:
    void keysAreBound();
    void quotedMessagesAreTheProgramsOwn();
};

void TestGuide::keysAreBound() {
    const QString window = sourceText(u"window"_s);
    const QHash<QString, QString> names{{u"Ctrl+O"_s, u"setShortcut(QKeySequence::Open)"_s},
                                        {u"Ctrl+C"_s, u"setShortcut(QKeySequence::Copy)"_s},
                                        {u"Ctrl+A"_s, u"setShortcut(QKeySequence::SelectAll)"_s},
                                        {u"Ctrl"_s, u"Qt::CTRL"_s},
                                        {u"Shift"_s, u"Qt::SHIFT"_s}};
    QStringList bindings; // | **Ctrl+Shift+Up** | Moves ... |
    for (const QStringList& row : matches(u"^\\| \\*\\*(Ctrl\\+[^*]+)\\*\\* \\|"_s, guide)) {
        QStringList keys = row.first().split(u'+');
        for (QString& key : keys)
            key = names.value(key, u"Qt::Key_"_s + key);
        bindings << names.value(row.first(), keys.join(u" | "_s));
    }
    // | Maps | Alt+N Name, Alt+Q Bot Quantity, ... |: the letter is the caption's mnemonic.
    for (const QStringList& row : matches(u"^\\| \\w+ \\| (Alt\\+.*) \\|$"_s, guide)) {
        for (const QString& item : row.first().split(u", "_s)) {
            QString caption = item.mid(6);
            caption.insert(caption.indexOf(item.at(4), 0, Qt::CaseInsensitive), u'&');
            bindings << u">"_s + caption + u"</string>"_s; // <string ...>&Name</string>
        }
    }
    QVERIFY(bindings.size() >= 19);
    for (const QString& binding : bindings)
        QVERIFY2(window.contains(binding), qPrintable(binding));
}

void TestGuide::quotedMessagesAreTheProgramsOwn() {
    const QString source = sourceText(QString());
    // The quotes of the Messages section, and every bold one.
    const qsizetype messages = guide.indexOf(u"\n## Messages"_s);
    QString quoted = guide.mid(messages, guide.indexOf(u"\n## "_s, messages + 1) - messages);
    for (const QStringList& bold : matches(u"\\*\\*(\"[^\"]+\")\\*\\*"_s, guide))
        quoted += bold.first();
    // Worded by the system, or by Qt's command line reader.
    const QStringList notOurs{u"No space left on device"_s, u"Permission denied"_s,
                              u"Unknown option …"_s};
    int checked = 0;
    for (const QStringList& quote : matches(u"\"([^\"]+)\""_s, quoted.simplified())) {
        if (notOurs.contains(quote.first()))
            continue;
        // "…" stands for what the program fills in; so may a number.
        for (const QString& part : quote.first().split(u'…', Qt::SkipEmptyParts)) {
            QString pattern =
                QRegularExpression::escape(part.trimmed().remove(QRegularExpression(u"^:\\s*"_s)));
            pattern.replace(QRegularExpression(u"\\d+"_s), u"(\\d+|%\\d)"_s);
            QVERIFY2(source.contains(QRegularExpression(pattern)), qPrintable(part));
        }
        ++checked;
    }
    QVERIFY(checked >= 15);
}

QTEST_GUILESS_MAIN(TestGuide)
#include "tst_guide.moc"
