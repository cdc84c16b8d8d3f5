// Writes a PNG of every page and dialog of the wizard, and of the generation window after
// finished runs, so that the look can be reviewed without a display:
//   QT_QPA_PLATFORM=offscreen swdgen-wizard-screenshots DIR [--lang de|en]
// The window title is drawn above each picture, as a window manager would show it; the
// "on-screen" pictures show the generation window and the save dialog where they stand.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <optional>

#include "wizard/animal_dialog.hpp"
#include "wizard/coast_dialog.hpp"
#include "wizard/generation_page.hpp"
#include "wizard/granite_dialog.hpp"
#include "wizard/language.hpp"
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

void Write(const QImage& shot, const QString& name) {
  const QString path = g_out.filePath(name + ".png");
  if (!shot.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  ++g_written;
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
  Write(shot, name);
}

void SaveDialogShot(QDialog& d, const QString& name) {
  d.show();
  Save(d, name);
  d.hide();
}

// The screen as the user sees it: each window where it stands, framed and titled.
void SaveOnScreen(const QList<QWidget*>& windows, const QString& name) {
  Settle();
  const QRect screen = windows.front()->screen()->geometry();
  QImage shot(screen.size(), QImage::Format_RGB32);
  shot.fill(QColor(40, 48, 56));
  QPainter p(&shot);
  constexpr int kBar = 24;
  for (QWidget* w : windows) {
    const QRect at = w->geometry().translated(-screen.topLeft());
    const QRect bar(at.left(), at.top() - kBar, at.width(), kBar);
    p.fillRect(bar, QColor(60, 80, 120));
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
    p.drawPixmap(at.topLeft(), w->grab());
  }
  p.end();
  Write(shot, name);
}

// Calls `action` once `widget` shows, from inside the modal loop that shows it.
class WhenVisible {
 public:
  WhenVisible(std::function<QWidget*()> widget, std::function<void()> action) {
    QObject::connect(&poll_, &QTimer::timeout, [this, widget, action] {
      QWidget* w = widget();
      if (w == nullptr || !w->isVisible()) return;
      poll_.stop();
      done_ = true;
      action();
    });
    poll_.start(20);
  }
  bool Done() const { return done_; }

 private:
  QTimer poll_;
  bool done_ = false;
};

QWidget* ActiveMessageBox() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::optional<Language> language = Language::German;
  if (argc == 4 && QString(argv[2]) == "--lang") language = LanguageNamed(argv[3]);
  if ((argc != 2 && argc != 4) || !language) {
    std::fprintf(stderr, "usage: %s DIR [--lang de|en]\n", argv[0]);
    return 2;
  }
  if (!UseLanguage(app, *language)) std::fprintf(stderr, "translations are missing\n");
  g_out = QDir(QString::fromLocal8Bit(argv[1]));
  if (!g_out.mkpath(".")) return 1;
  QTemporaryDir maps;
  WizardServices services;
  services.program_folder = maps.path();
  services.choose_picture = [](QWidget*, const QString&) { return QString(); };
  services.choose_folder = [](QWidget*, const QString&) { return QString(); };
  services.draw_seed = [] { return 1u; };
  services.language = LocaleOf(*language);

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

  // A whole run at 128 x 128, "Insel (sym.)" for 7 players: the map has room for 6.
  GenerationPage& generation = window.Generation();
  window.Size().WidthChoice(128)->click();
  window.Size().HeightChoice(128)->click();
  generation.settings().CheckErwEinst = true;
  generation.settings().land_shape = swd::LandShape::IslandSymmetric;
  generation.settings().PlayerCount = 7;
  window.ShowPage(PageId::Generation);
  Save(window, "12-generation-before-start");
  SaveDialog& save = generation.Save();
  const auto dialog = [&save]() -> QWidget* { return &save; };
  {
    WhenVisible first(dialog, [&] {
      Save(save, "13-save-dialog-players");
      SaveOnScreen({&window, &save}, "13-save-dialog-on-screen");
      save.NameField()->setText("Karte/1");
      save.OkButton()->click();
      Save(save, "14-save-dialog-refused");
      save.NameField()->setText("Bild");
      save.OkButton()->click();
    });
    generation.StartButton()->click();
    if (!first.Done()) return 1;
  }
  Save(window, "15-generation-finished-128");

  // The same name again: the dialog asks before it replaces the map.
  {
    WhenVisible replace(ActiveMessageBox, [&] {
      Save(*QApplication::activeModalWidget(), "16-replace-question");
      SaveOnScreen({&window, &save, QApplication::activeModalWidget()},
                   "16-replace-question-on-screen");
      static_cast<QMessageBox*>(QApplication::activeModalWidget())
          ->button(QMessageBox::Yes)
          ->click();
    });
    WhenVisible again(dialog, [&] {
      save.NameField()->setText("Bild");
      save.OkButton()->click();
    });
    generation.StartButton()->click();
    if (!replace.Done()) return 1;
  }

  // The largest map, in a window grown for it.
  window.Size().WidthChoice(256)->click();
  window.Size().HeightChoice(256)->click();
  generation.settings().land_shape = swd::LandShape::Island;
  generation.settings().PlayerCount = 3;
  window.ShowPage(PageId::Generation);
  {
    WhenVisible large(dialog, [&] {
      SaveOnScreen({&window, &save}, "17-save-dialog-256-on-screen");
      save.NameField()->setText("Gross");
      save.OkButton()->click();
    });
    generation.StartButton()->click();
    if (!large.Done()) return 1;
  }
  Save(window, "18-generation-finished-256");

  // A "Startwert" that is no number is refused before anything runs.
  {
    WhenVisible refused(ActiveMessageBox, [&] {
      Save(*QApplication::activeModalWidget(), "18-seed-refused");
      static_cast<QMessageBox*>(QApplication::activeModalWidget())->accept();
    });
    generation.SeedField()->setText("-7");
    generation.StartButton()->click();
    generation.SeedField()->clear();
    if (!refused.Done()) return 1;
  }

  // Qt's own dialogs, in German.
  const auto picture = MakePictureDialog(&window, maps.path());
  SaveDialogShot(*picture, "19-picture-chooser");
  const auto folder = MakeFolderDialog(&window, maps.path());
  SaveDialogShot(*folder, "20-folder-chooser");

  std::printf("%d pictures in %s\n", g_written, qPrintable(g_out.absolutePath()));
  return 0;
}
