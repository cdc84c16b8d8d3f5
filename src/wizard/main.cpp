#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "wizard/language.hpp"
#include "wizard/splash_screen.hpp"
#include "wizard/wizard_window.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Name the settings file (~/.config/swdgen/swdgen-wizard.conf) and tie the windows to the
  // desktop entry and its icon.
  QApplication::setOrganizationName("swdgen");
  QApplication::setApplicationName("swdgen-wizard");
  QApplication::setDesktopFileName("org.swdgen.wizard");
  QApplication::setWindowIcon(QIcon::fromTheme("org.swdgen.wizard"));
  if (!swd::wizard::UseLanguage(app)) {
    std::fputs(
        "swdgen-wizard: Die deutschen Texte für Qts eigene Dialoge fehlen (Debian-Paket "
        "qt6-translations-l10n); Datei- und Ordnerauswahl bleiben englisch.\n",
        stderr);
  }
  swd::wizard::WizardWindow window(swd::wizard::DefaultServices());
  swd::wizard::SplashScreen splash;
  QObject::connect(&splash, &swd::wizard::SplashScreen::finished, &window,
                   &swd::wizard::WizardWindow::Begin);
  QObject::connect(&window, &swd::wizard::WizardWindow::quitRequested, &app, &QApplication::quit);
  splash.ShowFor();
  return QApplication::exec();
}
