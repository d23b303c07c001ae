// The translations (translations/*.ts) against their source texts: in each language every text
// of the program is there and finished, keeps its placeholders and access key, and no access key
// is used twice on one page.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString id; // the context, the disambiguation and the source text
    QString source, extraComment, type;
    bool numerus = false;
    QStringList forms; // the translation, or each of its plural forms
};

QHash<QString, Message> readTs(const QString& code) {
    QFile file(QStringLiteral(ZELVIK_TEST_DATA "/../../translations/zelvik_") + code + u".ts"_s);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    QHash<QString, Message> messages;
    QString context;
    Message m;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const auto name = xml.name();
        if (xml.isEndElement() && name == u"message")
            messages.insert(m.id + u'|' + m.source, m);
        if (!xml.isStartElement())
            continue;
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            m = {context, {}, {}, {}, xml.attributes().value("numerus"_L1) == u"yes", {}};
        else if (name == u"source")
            m.source = xml.readElementText();
        else if (name == u"comment")
            m.id += u'|' + xml.readElementText();
        else if (name == u"extracomment")
            m.extraComment = xml.readElementText();
        else if (name == u"translation")
            m.type = xml.attributes().value("type"_L1).toString();
        if ((name == u"translation" && !m.numerus) || name == u"numerusform")
            m.forms << xml.readElementText();
    }
    return xml.hasError() ? QHash<QString, Message>() : messages;
}

QStringList matches(const QString& pattern, const QString& text) {
    QStringList found;
    const QRegularExpression expression(pattern, QRegularExpression::UseUnicodePropertiesOption);
    for (const auto& match : expression.globalMatch(text))
        found << match.captured(1).toLower();
    found.sort();
    return found;
}

QStringList placeholders(const QString& text) {
    return matches(u"(%L?[1-9n])"_s, text);
}

// The letter an access key marks: "&Name" marks N; "&&" is an ampersand.
QStringList accessKeys(const QString& text) {
    return matches(u"&(\\w)"_s, QString(text).remove(u"&&"_s));
}

// The texts whose access key another text of the same page uses, each text with its translator
// comment. The comment names the text's pages: "Page: Bots, Maps" (in code "//: Page: Bots", in a
// .ui file the extracomment attribute). A text that names no page is not checked.
QStringList repeatedKeys(const QList<std::pair<QString, QString>>& texts) {
    QHash<QString, QString> seen; // the page and key: the first text with them
    QStringList repeated;
    const QRegularExpression pageLine(u"^Page: (.*)$"_s, QRegularExpression::MultilineOption);
    for (const auto& [text, comment] : texts) {
        for (const QString& page : pageLine.match(comment).captured(1).split(u", "_s)) {
            for (const QString& key : accessKeys(text)) {
                if (seen.contains(page + key) && !page.isEmpty())
                    repeated << u"%1 page: %2 and %3"_s.arg(page, seen.value(page + key), text);
                seen.insert(page + key, text);
            }
        }
    }
    return repeated;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QHash<QString, Message> sources; // every current text of any language

private slots:
    void initTestCase() {
        for (const char* code : {"de", "es", "fr", "pl", "pt_BR", "ru"}) {
            for (const Message& m : readTs(QString::fromLatin1(code))) {
                if (m.type != u"obsolete" && m.type != u"vanished")
                    sources.insert(m.id + u'|' + m.source, m);
            }
        }
        QVERIFY(!sources.isEmpty());
    }

    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("code");
        // English keeps its source texts, and translates the plurals (%n) alone.
        for (const char* code : {"en", "de", "es", "fr", "pl", "pt_BR", "ru"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void everyTextIsTranslated() {
        QFETCH(QString, code);
        const QHash<QString, Message> translations = readTs(code);
        QStringList faults;
        QList<std::pair<QString, QString>> shown, english;
        for (auto source = sources.cbegin(); source != sources.cend(); ++source) {
            english.append({source->source, source->extraComment});
            if (code == u"en" && !source->numerus)
                continue;
            const Message m = translations.value(source.key());
            if (m.source.isEmpty() || !m.type.isEmpty() || m.forms.contains(QString()))
                faults << u"missing, unfinished or empty: "_s + source->source;
            for (const QString& form : m.forms) {
                if (placeholders(form) != placeholders(source->source))
                    faults << u"placeholders differ: "_s + form;
                if (accessKeys(form).size() != accessKeys(source->source).size())
                    faults << u"access key not kept: "_s + form;
            }
            shown.append({m.forms.value(0), m.extraComment});
        }
        faults << repeatedKeys(code == u"en" ? english : shown);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
