#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "wizard/language.hpp"
#include "wizard/splash_screen.hpp"
#include "wizard/wizard_window.hpp"

namespace {

// The language `--lang de|en` (or `--lang=de|en`) forces; none: the desktop's. False for
// an option the wizard does not know or a language it does not speak.
bool ChosenLanguage(const QStringList& arguments, swd::wizard::Language& language) {
  language = swd::wizard::LanguageOf(QLocale::system());
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString value;
    if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (arguments[i].startsWith(QLatin1String("--lang="))) {
      value = arguments[i].mid(7);
    } else {
      return false;
    }
    const auto named = swd::wizard::LanguageNamed(value);
    if (!named) return false;
    language = *named;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // QApplication takes Qt's own options (-platform, -style, ...) out of the arguments.
  QApplication app(argc, argv);
  // Name the settings file (~/.config/swdgen/swdgen-wizard.conf) and tie the windows to the
  // desktop entry and its icon.
  QApplication::setOrganizationName("swdgen");
  QApplication::setApplicationName("swdgen-wizard");
  QApplication::setDesktopFileName("org.swdgen.wizard");
  QApplication::setWindowIcon(QIcon::fromTheme("org.swdgen.wizard"));
  swd::wizard::Language language;
  if (!ChosenLanguage(QApplication::arguments(), language)) {
    std::fputs(
        "swdgen-wizard: Aufruf: swdgen-wizard [--lang de|en]\n"
        "usage: swdgen-wizard [--lang de|en]\n",
        stderr);
    return 2;
  }
  if (!swd::wizard::UseLanguage(app, language)) {
    std::fputs(language == swd::wizard::Language::German
                   ? "swdgen-wizard: Die deutschen Texte für Qts eigene Dialoge fehlen "
                     "(Debian-Paket qt6-translations-l10n); Datei- und Ordnerauswahl bleiben "
                     "englisch.\n"
                   : "swdgen-wizard: the English texts could not be loaded; the wizard "
                     "speaks German.\n",
               stderr);
  }
  swd::wizard::WizardServices services = swd::wizard::DefaultServices();
  services.language = swd::wizard::LocaleOf(language);
  swd::wizard::WizardWindow window(services);
  swd::wizard::SplashScreen splash;
  QObject::connect(&splash, &swd::wizard::SplashScreen::finished, &window,
                   &swd::wizard::WizardWindow::Begin);
  QObject::connect(&window, &swd::wizard::WizardWindow::quitRequested, &app, &QApplication::quit);
  splash.ShowFor();
  return QApplication::exec();
}
