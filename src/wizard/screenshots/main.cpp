// Writes a PNG of every page and dialog of the wizard, and of the generation window after
// a finished run, so that the look can be reviewed without a display:
//   QT_QPA_PLATFORM=offscreen swdgen-wizard-screenshots DIR
// The window title is drawn above each picture, as a window manager would show it.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "wizard/animal_dialog.hpp"
#include "wizard/coast_dialog.hpp"
#include "wizard/generation_page.hpp"
#include "wizard/granite_dialog.hpp"
#include "wizard/proportions_page.hpp"
#include "wizard/resource_dialog.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/shape_page.hpp"
#include "wizard/size_page.hpp"
#include "wizard/splash_screen.hpp"
#include "wizard/tree_group_dialog.hpp"
#include "wizard/type_page.hpp"
#include "wizard/wizard_window.hpp"

namespace {

using namespace swd::wizard;

QDir g_out;
int g_written = 0;

void Settle() {
  for (int i = 0; i < 5; ++i)
    QApplication::processEvents();
}

void Save(QWidget& w, const QString& name, bool with_title = true) {
  Settle();
  const QPixmap body = w.grab();
  const int bar = with_title ? 28 : 0;
  QImage shot(body.width(), body.height() + bar, QImage::Format_RGB32);
  shot.fill(QColor(60, 80, 120));
  QPainter p(&shot);
  if (with_title) {
    p.setPen(Qt::white);
    QFont f = w.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(8, 0, body.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft,
               w.windowTitle());
  }
  p.drawPixmap(0, bar, body);
  p.end();
  const QString path = g_out.filePath(name + ".png");
  if (!shot.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  ++g_written;
}

void SaveDialogShot(QDialog& d, const QString& name) {
  d.show();
  Save(d, name);
  d.hide();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  g_out = QDir(QString::fromLocal8Bit(argv[1]));
  if (!g_out.mkpath(".")) return 1;
  QTemporaryDir maps;
  WizardServices services;
  services.program_folder = maps.path();
  services.choose_picture = [](QWidget*, const QString&) { return QString(); };
  services.choose_folder = [](QWidget*, const QString&) { return QString(); };
  services.clock_seed = [] { return 1u; };

  SplashScreen splash;
  splash.show();
  Save(splash, "00-splash", false);
  splash.hide();

  WizardWindow window(services);
  window.Begin();
  window.resize(window.sizeHint());
  window.Size().ExtendedBox()->setChecked(true);
  window.Size().WidthChoice(256)->click();
  window.Size().HeightChoice(160)->click();
  Save(window, "01-size");
  window.ShowPage(PageId::TypeAndPlayers);
  Save(window, "02-type");
  window.ShowPage(PageId::BaseShape);
  Save(window, "03-base-shape");
  SaveDialogShot(window.Shape().Coast(), "04-coast-dialog");
  window.ShowPage(PageId::Proportions);
  Save(window, "05-proportions");
  SaveDialogShot(window.Proportions().Resources(), "06-resources-dialog");
  SaveDialogShot(window.Proportions().Granite(), "07-granite-dialog");
  SaveDialogShot(window.Proportions().TreeGroups(), "08-tree-groups-dialog");
  SaveDialogShot(window.Proportions().Animals(), "09-animals-dialog");
  window.Generation().settings().LandscapeType = swd::Winterland;
  window.ShowPage(PageId::Proportions);
  Save(window, "10-proportions-winterland");
  window.Generation().settings().LandscapeType = swd::Gruenland;
  window.ShowPage(PageId::Summary);
  Save(window, "11-summary");

  // A whole run at 128 x 128, saved through the save dialog.
  window.Size().WidthChoice(128)->click();
  window.Size().HeightChoice(128)->click();
  window.ShowPage(PageId::Generation);
  Save(window, "12-generation-before-start");
  SaveDialog& save = window.Generation().Save();
  bool asked = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!save.isVisible() || asked) return;
    asked = true;
    Save(save, "13-save-dialog");
    save.NameField()->setText("Karte/1");
    save.OkButton()->click();
    Save(save, "14-save-dialog-refused");
    save.NameField()->setText("Bild");
    save.OkButton()->click();
  });
  poll.start(20);
  window.Generation().StartButton()->click();
  poll.stop();
  Save(window, "15-generation-finished");

  std::printf("%d pictures in %s\n", g_written, qPrintable(g_out.absolutePath()));
  return asked ? 0 : 1;
}
