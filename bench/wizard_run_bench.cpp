// How much the wizard's live preview costs a run: the same 256 x 256 landscape, from the
// same seed, once through the command line's host and once through the generation window
// (offscreen), with its status bar, progress bar and coalesced preview repaints.
//   QT_QPA_PLATFORM=offscreen swdgen_wizard_bench [RUNS]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
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

double WizardRun(swd::wizard::WizardWindow& window, const QString& folder) {
  // The save dialog asks before it replaces the map of the run before.
  QDir(folder).remove("wizard.swd");
  QDir(folder).remove("wizard.bmp");
  swd::wizard::GenerationPage& page = window.Generation();
  swd::wizard::SaveDialog& save = page.Save();
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (!save.isVisible()) return;
    save.NameField()->setText("wizard");
    save.OkButton()->click();
  });
  answer.start(1);
  QElapsedTimer timer;
  timer.start();
  window.ShowPage(swd::wizard::PageId::Generation);
  page.generator().rng.Seed(kSeed);
  page.StartButton()->click();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
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

  std::vector<double> cli, wizard;
  for (int i = 0; i < runs; ++i) {
    cli.push_back(CommandLineRun(folder.path()));
    wizard.push_back(WizardRun(window, folder.path()));
  }
  const double c = Median(cli);
  const double w = Median(wizard);
  std::printf("256 x 256, median of %d runs: command line %.1f ms, wizard %.1f ms, ratio %.2f\n",
              runs, c, w, w / c);
  return 0;
}
