// The translations in translations/*.ts against their source texts: every text of the program
// translated and finished in each language, its placeholders and access key kept, and no access
// key twice on one page.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Folder = QStringLiteral(ZELVIK_TEST_DATA "/../../translations/");

struct Message {
    QString context, source, comment, extraComment, type;
    bool numerus = false;
    QStringList forms; // the translation, or each of its plural forms
    QString id() const { return context + u'|' + source + u'|' + comment; }
};

QList<Message> readTs(const QString& code) {
    QFile file(Folder + u"zelvik_"_s + code + u".ts"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    Message m;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == u"message")
            messages << m;
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            m = {context, {}, {}, {}, {}, xml.attributes().value("numerus"_L1) == u"yes", {}};
        else if (name == u"source")
            m.source = xml.readElementText();
        else if (name == u"comment")
            m.comment = xml.readElementText();
        else if (name == u"extracomment")
            m.extraComment = xml.readElementText();
        else if (name == u"translation")
            m.type = xml.attributes().value("type"_L1).toString();
        if ((name == u"translation" && !m.numerus) || name == u"numerusform")
            m.forms << xml.readElementText();
    }
    return xml.hasError() ? QList<Message>() : messages;
}

bool current(const Message& m) {
    return m.type != u"obsolete" && m.type != u"vanished";
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(u"%L?[1-9n]"_s).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The letters marked as access keys ("&Name" marks N; "&&" is an ampersand).
QString accessKeys(const QString& text) {
    QString keys;
    for (const auto& match : QRegularExpression(u"&(.)"_s).globalMatch(text)) {
        if (match.captured(1) != u"&")
            keys += match.captured(1).toLower();
    }
    return keys;
}

// The pages a text is shown on, as its translator comment names them ("Page: Bots, Maps"; in
// code //: Page: Bots, in a .ui file the extracomment attribute). Access keys may not repeat on
// one page; a text that names no page is not checked for that.
QStringList pagesOf(const Message& m) {
    const auto match = QRegularExpression(u"^Page: (.*)$"_s, QRegularExpression::MultilineOption)
                           .match(m.extraComment);
    return match.hasMatch() ? match.captured(1).split(u", "_s) : QStringList();
}

// Each page's access keys in texts (one per message), and the keys used twice.
QStringList repeatedKeys(const QList<Message>& messages,
                         const std::function<QString(const Message&)>& text) {
    QHash<QString, QString> seen; // page and key: the text
    QStringList repeated;
    for (const Message& m : messages) {
        const QString keys = accessKeys(text(m));
        for (const QString& page : pagesOf(m)) {
            if (keys.isEmpty())
                continue;
            const QString other = seen.value(page + keys.left(1));
            if (!other.isEmpty())
                repeated << u"%1 page: \"%2\" and \"%3\""_s.arg(page, other, text(m));
            seen.insert(page + keys.left(1), text(m));
        }
    }
    return repeated;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QList<Message> sources; // every current text of every language, once

private slots:
    void initTestCase() {
        QSet<QString> ids;
        for (const QString& code : {u"de"_s, u"es"_s, u"fr"_s, u"pl"_s, u"pt_BR"_s, u"ru"_s}) {
            for (const Message& m : readTs(code)) {
                if (current(m) && !ids.contains(m.id())) {
                    ids.insert(m.id());
                    sources << m;
                }
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
        QHash<QString, Message> translated;
        for (const Message& m : readTs(code))
            translated.insert(m.id(), m);
        QStringList faults;
        QList<Message> shown;
        for (const Message& source : std::as_const(sources)) {
            if (code == u"en" && !source.numerus)
                continue;
            const Message m = translated.value(source.id());
            const QString fault = m.source.isEmpty()  ? u"missing"_s
                                  : !m.type.isEmpty() ? u"not finished"_s
                                  : m.forms.isEmpty() || m.forms.contains(QString()) ? u"empty"_s
                                                                                     : QString();
            if (!fault.isEmpty()) {
                faults << fault + u": "_s + source.source;
                continue;
            }
            for (const QString& form : m.forms) {
                if (placeholders(form) != placeholders(source.source))
                    faults << u"placeholders differ: "_s + form;
                if (accessKeys(form).size() != accessKeys(source.source).size())
                    faults << u"access key not kept: "_s + form;
            }
            shown << m;
        }
        faults << repeatedKeys(shown, [](const Message& m) { return m.forms.value(0); });
        if (code == u"en")
            faults << repeatedKeys(sources, [](const Message& m) { return m.source; });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
