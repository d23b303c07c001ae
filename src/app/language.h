#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the program speaks: its translations, built into it, and Qt's own texts (the
// standard buttons, the folder dialog) in the same languages.

// The codes of the languages the program has a translation into, "en" among them: "de",
// "pt_BR", ... in name order.
QStringList availableLanguages();

// The code of available that a language name (a code, or a name such as "de-AT" or "pt_PT" in
// the form QLocale::uiLanguages() lists) asks for: the one it names exactly, in any letter case,
// with "-" or "_"; else the first of its language ("pt" and "pt_PT" ask for "pt_BR"). Empty when
// none is of its language.
QString translationFor(const QString& language, const QStringList& available);

// The language to speak: the first of the player's languages (most wanted first) that has a
// translation; English otherwise.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// The program's translation into one language and Qt's own texts in it, for each application
// object to install before it shows a text. English needs only the program's (its plurals).
class Translations {
public:
    explicit Translations(const QString& language);
    // Installs them into the application object of the moment.
    void install();

private:
    QTranslator program;
    QTranslator qt;
};
