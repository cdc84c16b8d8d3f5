#include "wizard/language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace swd::wizard {

bool UseLanguage(QCoreApplication& app, const QLocale& language) {
  auto* qt = new QTranslator(&app);
  if (!qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qt;
    return false;
  }
  QCoreApplication::installTranslator(qt);
  return true;
}

}  // namespace swd::wizard
