#include "app/language.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// Where the build puts the translations: zelvik_<code>.qm and Qt's qtbase_<code>.qm.
const QString TranslationFolder = u":/i18n"_s;
const QString ProgramPrefix = u"zelvik_"_s;
const QString QtPrefix = u"qtbase_"_s;
const QString Suffix = u".qm"_s;

QString languageOf(const QString& code) {
    return code.section(u'_', 0, 0).toLower();
}

} // namespace

QStringList availableLanguages() {
    QStringList codes;
    const QStringList files =
        QDir(TranslationFolder).entryList({ProgramPrefix + u'*' + Suffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(ProgramPrefix.size(), file.size() - ProgramPrefix.size() - Suffix.size());
    return codes;
}

QString translationFor(const QString& language, const QStringList& available) {
    const QString code = QString(language).replace(u'-', u'_');
    for (const QString& candidate : available) {
        if (candidate.compare(code, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    for (const QString& candidate : available) {
        if (languageOf(candidate) == languageOf(code))
            return candidate;
    }
    return QString();
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& language : uiLanguages) {
        QString code = translationFor(language, available);
        if (!code.isEmpty())
            return code;
    }
    return u"en"_s;
}

Translations::Translations(const QString& language) {
    const QDir folder(TranslationFolder);
    // A translation that is not there leaves its translator empty: the source texts show.
    (void)program.load(folder.filePath(ProgramPrefix + language + Suffix));
    (void)qt.load(folder.filePath(QtPrefix + language + Suffix));
}

void Translations::install() {
    for (QTranslator* translator : {&program, &qt}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}
