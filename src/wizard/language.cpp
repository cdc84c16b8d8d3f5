#include "wizard/language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace swd::wizard {

namespace {

// Each translation the program loads for a language, and the folder it is in. The
// program's own are built into it (src/wizard/CMakeLists.txt).
struct TranslationFile {
  Language language;
  const char* name;
  bool qt_folder;  // Qt's own translations, else the program's
};
constexpr TranslationFile kTranslations[] = {
    {Language::German, "qtbase_de", true},
    {Language::English, "swdgen_wizard_en", false},
    {Language::English, "swdgen_messages_en", false},
};

bool Load(QCoreApplication& app, const TranslationFile& file) {
  auto* translator = new QTranslator(&app);
  const QString folder =
      file.qt_folder ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : QString(":/i18n");
  if (!translator->load(QString::fromLatin1(file.name), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& name) {
  if (name == QLatin1String("de")) return Language::German;
  if (name == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

Language LanguageOf(const QLocale& desktop) {
  return desktop.language() == QLocale::German ? Language::German : Language::English;
}

QLocale LocaleOf(Language language) {
  return language == Language::German ? QLocale(QLocale::German, QLocale::Germany)
                                      : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

bool UseLanguage(QCoreApplication& app, Language language) {
  bool all = true;
  for (const TranslationFile& file : kTranslations) {
    if (file.language == language) all = Load(app, file) && all;
  }
  return all;
}

}  // namespace swd::wizard
