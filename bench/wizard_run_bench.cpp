// How much the wizard's live preview costs a run: the same 256 x 256 landscape, from the
// same seed, once through the command line's host and once through the generation window
// (offscreen), with its status bar, progress bar and coalesced preview repaints. The
// wizard's run is timed from the press of Start, as the user starts it in the window
// already shown; the time to show and draw the window first is printed beside it, and the
// time the window then takes to read the saved map for its line of players and fairness.
//   QT_QPA_PLATFORM=offscreen swdgen_wizard_bench [RUNS]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/cli_host.hpp"
#include "run/run.hpp"
#include "wizard/generation_page.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/wizard_window.hpp"

namespace {

constexpr std::int16_t kSide = 256;
constexpr std::uint32_t kSeed = 1;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double CommandLineRun(const QString& folder) {
  swd::cli::CliHost::Options options;
  options.out = std::filesystem::path(folder.toStdString()) / "cli.swd";
  options.title = "Bench";
  swd::cli::CliHost host(options);
  auto g = std::make_unique<swd::Generator>(host);
  g->settings.MapWidth = g->settings.MapHeight = kSide;
  QElapsedTimer timer;
  timer.start();
  swd::PrepareGeneration(*g);
  g->rng.Seed(kSeed);
  swd::RunGeneration(*g);
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Answers the save dialog as soon as it is shown, in the first turn of its event loop: the
// run, not a timer's granularity, is what is measured.
class SaveAnswer : public QObject {
 public:
  explicit SaveAnswer(swd::wizard::SaveDialog& save) : save_(save) {
    save_.installEventFilter(this);
  }
  ~SaveAnswer() override { save_.removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &save_ && event->type() == QEvent::Show) {
      QTimer::singleShot(0, this, [this] {
        save_.NameField()->setText("wizard");
        save_.OkButton()->click();
      });
    }
    return false;
  }

 private:
  swd::wizard::SaveDialog& save_;
};

struct WizardTimes {
  double page;    // showing the generation window, which makes the run's tables, and drawing it
  double run;     // from the press of Start to the end of the run, the map saved
  double result;  // then the line of players placed and fairness, read from the saved map
};

WizardTimes WizardRun(swd::wizard::WizardWindow& window, const QString& folder) {
  // The save dialog asks before it replaces the map of the run before.
  QDir(folder).remove("wizard.swd");
  QDir(folder).remove("wizard.bmp");
  swd::wizard::GenerationPage& page = window.Generation();
  SaveAnswer answer(page.Save());
  QElapsedTimer timer;
  timer.start();
  window.ShowPage(swd::wizard::PageId::Generation);
  QApplication::processEvents();
  WizardTimes times{static_cast<double>(timer.nsecsElapsed()) / 1e6, 0, 0};
  page.generator().rng.Seed(kSeed);
  timer.start();
  page.StartButton()->click();
  times.run = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  timer.start();
  while (page.ResultLabel()->text().isEmpty())
    QApplication::processEvents();
  times.result = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  QTemporaryDir folder;
  swd::wizard::WizardServices services;
  services.program_folder = folder.path();
  services.choose_folder = [](QWidget*, const QString&) { return QString(); };
  services.choose_picture = services.choose_folder;
  // No clock reseeds, as on the command line, so both make the same landscape.
  swd::wizard::WizardWindow window(services);
  window.Generation().settings().MapWidth = kSide;
  window.Generation().settings().MapHeight = kSide;
  window.Begin();

  std::vector<double> cli, wizard, page, result;
  for (int i = 0; i < runs; ++i) {
    cli.push_back(CommandLineRun(folder.path()));
    const WizardTimes times = WizardRun(window, folder.path());
    wizard.push_back(times.run);
    page.push_back(times.page);
    result.push_back(times.result);
  }
  const double c = Median(cli);
  const double w = Median(wizard);
  const double p = Median(page);
  std::printf(
      "256 x 256, median of %d runs: command line %.1f ms, wizard %.1f ms from Start, "
      "ratio %.2f (with the page shown and drawn first: %.1f ms, ratio %.2f); the result "
      "line after the run: %.1f ms\n",
      runs, c, w, w / c, p + w, (p + w) / c, Median(result));
  return 0;
}
