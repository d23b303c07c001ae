// The translations (translations/*.ts) against their source texts: in each language every text
// of the program is there and finished, keeps its placeholders, line breaks, runs of blanks and
// access key, and no access key is used twice on one page, Qt's own buttons on it included.
#include "app/language.h"

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

// The text of the element the reader stands on. A character XML cannot hold, such as the
// carriage return, stands there as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.hasError()) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            text += QChar(xml.attributes().value("value"_L1).mid(1).toUShort(nullptr, 16));
            xml.skipCurrentElement();
        }
    }
    return text;
}

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
            context = readText(xml);
        else if (name == u"message")
            m = {context, {}, {}, {}, xml.attributes().value("numerus"_L1) == u"yes", {}};
        else if (name == u"source")
            m.source = readText(xml);
        else if (name == u"comment")
            m.id += u'|' + readText(xml);
        else if (name == u"extracomment")
            m.extraComment = readText(xml);
        else if (name == u"translation")
            m.type = xml.attributes().value("type"_L1).toString();
        if ((name == u"translation" && !m.numerus) || name == u"numerusform")
            m.forms << readText(xml);
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

// The line breaks and the runs of more than one blank, which the text's layout depends on (the
// caption's two blanks before its bracket, the blank lines of a message).
QStringList spacing(const QString& text) {
    return matches(u"(\\n|  +)"_s, text);
}

const QRegularExpression PageLine(u"^Page: (.*)$"_s, QRegularExpression::MultilineOption);

// The pages a translator comment names: "Page: Bots, Maps" (in code "//: Page: Bots", in a .ui
// file the extracomment attribute).
QStringList pagesOf(const QString& comment) {
    const QString pages = PageLine.match(comment).captured(1);
    return pages.isEmpty() ? QStringList() : pages.split(u", "_s);
}

// Qt's own Save and Cancel, in the language installed, on the question boxes beside the program's
// buttons: the plain ones and the GNOME theme's, which give them access keys.
QList<std::pair<QString, QString>> qtQuestionButtons() {
    QList<std::pair<QString, QString>> buttons;
    for (const auto& [theme, text] : {std::pair{"QPlatformTheme", "Save"},
                                      {"QPlatformTheme", "Cancel"},
                                      {"QGnomeTheme", "&Save"},
                                      {"QGnomeTheme", "&Cancel"}})
        buttons.append({QCoreApplication::translate(theme, text), u"Page: Question"_s});
    return buttons;
}

// The texts whose access key another text of the same page uses, each text with its translator
// comment, which names its pages.
QStringList repeatedKeys(const QList<std::pair<QString, QString>>& texts) {
    QHash<QString, QString> seen; // the page and key: the first text with them
    QStringList repeated;
    for (const auto& [text, comment] : texts) {
        for (const QString& page : pagesOf(comment)) {
            for (const QString& key : accessKeys(text)) {
                if (seen.contains(page + key))
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
        for (const QString& code : availableLanguages()) {
            for (const Message& m : readTs(code)) {
                if (m.type != u"obsolete" && m.type != u"vanished")
                    sources.insert(m.id + u'|' + m.source, m);
            }
        }
        QVERIFY(!sources.isEmpty());
    }

    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("code");
        // English keeps its source texts, and translates the plurals (%n) alone.
        for (const QString& code : availableLanguages())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyTextIsTranslated() {
        QFETCH(QString, code);
        const QHash<QString, Message> translations = readTs(code);
        Translations qt(code);
        qt.install();
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
                if (spacing(form) != spacing(source->source))
                    faults << u"line breaks or blanks differ: "_s + form;
                if (accessKeys(form).size() != accessKeys(source->source).size())
                    faults << u"access key not kept: "_s + form;
            }
            shown.append({m.forms.value(0), m.extraComment});
        }
        faults << repeatedKeys((code == u"en" ? english : shown) + qtQuestionButtons());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Else its key could clash with another on its page unseen.
    void everyAccessKeyNamesItsPage() {
        QStringList unplaced;
        for (const Message& m : std::as_const(sources)) {
            if (!accessKeys(m.source).isEmpty() && pagesOf(m.extraComment).isEmpty())
                unplaced << m.source;
        }
        QVERIFY2(unplaced.isEmpty(), qPrintable(unplaced.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
