#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;

namespace swd::wizard {

// German is the program's own language: every text is written in German, and the English
// comes from the translations built into the program (translations/*.ts).
enum class Language { German, English };

// The language `--lang` names: "de" or "en"; none for anything else.
std::optional<Language> LanguageNamed(const QString& name);
// German where the desktop speaks German, else English.
Language LanguageOf(const QLocale& desktop);
QLocale LocaleOf(Language language);

// Makes the program speak `language`, Qt's own dialogs (file and folder choosers, the
// buttons of message boxes) included: for German Qt's German translations, for English the
// program's English. False when they could not be loaded: Qt's German is missing when the
// Debian package qt6-translations-l10n is not installed (Qt's dialogs then stay English).
// Dates and sizes in the file dialogs keep the format of the user's desktop.
bool UseLanguage(QCoreApplication& app, Language language = Language::German);

}  // namespace swd::wizard
