// The player's guide against the program: every key its key tables list is bound in the window,
// and every message it quotes is one the program's source holds, so the two cannot drift apart.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString SourceRoot = QStringLiteral(ZELVIK_TEST_DATA "/../..");

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The source files below src/folder (.cpp, .h, .ui) as one text, each string literal continued on
// the next line joined to it, escapes undone and white space collapsed, as a player reads it.
QString sourceText(const QString& folder) {
    QString text;
    QDirIterator files(SourceRoot + u"/src/"_s + folder, {u"*.cpp"_s, u"*.h"_s, u"*.ui"_s},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        text += readText(files.next()) + u'\n';
    text.replace(QRegularExpression(u"\"\\s*\\n\\s*u?\""_s), QString());
    text.replace(u"\\\""_s, u"\""_s).replace(u"\\r"_s, u" "_s).replace(u"\\n"_s, u" "_s);
    return text.replace(u"&amp;"_s, u"&"_s).simplified();
}

// The guide's lines from the heading on to the next heading of its level.
QString guideSection(const QString& guide, const QString& heading) {
    const qsizetype start = guide.indexOf(heading);
    const qsizetype end = guide.indexOf(u"\n## "_s, start + heading.size());
    return start < 0 ? QString() : guide.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

class TestGuide : public QObject {
    Q_OBJECT

    QString guide = readText(SourceRoot + u"/docs/guide.md"_s);

private slots:
    void keysAreBound();
    void quotedMessagesAreTheProgramsOwn();
};

void TestGuide::keysAreBound() {
    QVERIFY(!guide.isEmpty());
    const QString window = sourceText(u"window"_s);
    // The keys the window takes from the system's standard keys, as Qt names them.
    const QHash<QString, QString> standard{{u"Ctrl+O"_s, u"QKeySequence::Open"_s},
                                           {u"Ctrl+C"_s, u"QKeySequence::Copy"_s},
                                           {u"Ctrl+A"_s, u"QKeySequence::SelectAll"_s}};
    const QHash<QString, QString> modifiers{{u"Ctrl"_s, u"Qt::CTRL"_s},
                                            {u"Shift"_s, u"Qt::SHIFT"_s}};
    int keys = 0;
    // | **Ctrl+Shift+Up** | Moves ... |
    for (const auto& row : QRegularExpression(u"^\\| \\*\\*(Ctrl\\+[^*]+)\\*\\* \\|"_s,
                                              QRegularExpression::MultilineOption)
                               .globalMatch(guide)) {
        const QString key = row.captured(1);
        QString binding = u"setShortcut(%1)"_s.arg(standard.value(key));
        if (!standard.contains(key)) {
            QStringList parts = key.split(u'+');
            for (QString& part : parts)
                part = modifiers.value(part, u"Qt::Key_"_s + part);
            binding = parts.join(u" | "_s);
        }
        QVERIFY2(window.contains(binding), qPrintable(key + u" is not bound: no "_s + binding));
        ++keys;
    }
    // | Maps | Alt+N Name, Alt+Q Bot Quantity, ... |: the caption's letter is its mnemonic.
    for (const auto& row :
         QRegularExpression(u"^\\| \\w+ \\| (Alt\\+.*) \\|$"_s, QRegularExpression::MultilineOption)
             .globalMatch(guide)) {
        for (const QString& item : row.captured(1).split(u", "_s)) {
            const QString letter = item.mid(4, 1);
            QString caption = item.mid(6);
            caption.insert(caption.indexOf(letter, 0, Qt::CaseInsensitive), u'&');
            QVERIFY2(window.contains(u"<string>"_s + caption + u"</string>"_s), qPrintable(item));
            ++keys;
        }
    }
    QVERIFY(keys >= 16); // the move, copy and open keys and the captions' letters are all found
}

void TestGuide::quotedMessagesAreTheProgramsOwn() {
    const QString source = sourceText(QString());
    // What the guide quotes that the system or Qt's command line reader words.
    const QStringList notOurs{u"No space left on device"_s, u"Permission denied"_s,
                              u"Unknown option …"_s};
    // Every quote of the Messages section, and every bold one anywhere.
    QString quoted = guideSection(guide, u"\n## Messages"_s).simplified();
    for (const auto& bold : QRegularExpression(u"\\*\\*\"([^\"]+)\"\\*\\*"_s).globalMatch(guide))
        quoted += u" \""_s + bold.captured(1).simplified() + u'"';
    int quotes = 0;
    for (const auto& quote : QRegularExpression(u"\"([^\"]+)\""_s).globalMatch(quoted)) {
        const QString text = quote.captured(1);
        if (notOurs.contains(text))
            continue;
        // "…" stands for what the program fills in; so may a number, counted where it is shown.
        for (QString part : text.split(u'…', Qt::SkipEmptyParts)) {
            part = part.trimmed();
            if (part.startsWith(u':'))
                part = part.mid(1).trimmed();
            QString pattern = QRegularExpression::escape(part);
            pattern.replace(QRegularExpression(u"\\d+"_s), u"(\\d+|%\\d)"_s);
            QVERIFY2(source.contains(QRegularExpression(pattern)), qPrintable(part));
        }
        ++quotes;
    }
    QVERIFY(quotes >= 15);
}

QTEST_GUILESS_MAIN(TestGuide)
#include "tst_guide.moc"
