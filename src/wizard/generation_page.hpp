#pragma once

#include <QElapsedTimer>
#include <memory>

#include "model/generator.hpp"
#include "model/host.hpp"
#include "run/run.hpp"
#include "wizard/services.hpp"
#include "wizard/wizard_page.hpp"

class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QStatusBar;

namespace swd::wizard {

class EscapeWatcher;
class PreviewView;
class SaveDialog;

// The generation window, in which a landscape is generated. It owns the generator, whose
// settings the other pages write, and is the run's host: status bar, progress bar, live
// preview, hint line, the Escape key and the save dialog.
class GenerationPage : public WizardPage, public Host {
  Q_OBJECT

 public:
  GenerationPage(const WizardServices& services, QWidget* parent = nullptr);
  ~GenerationPage() override;

  Generator& generator() { return *generator_; }
  GeneratorSettings& settings() { return generator_->settings; }

  // Each time the window is shown: the tables for the chosen settings, an empty preview of
  // the map's size, an empty status bar and the first hint.
  void Activate() override;

  bool Running() const { return running_; }
  // Ends a run at its next check, as Escape would, and before it asks where to save; used
  // when the window is closed.
  void StopRun() { stop_requested_ = true; }
  const RunOutcome& LastOutcome() const { return last_outcome_; }
  // The seed of the last run, typed or drawn.
  std::uint32_t LastSeed() const { return last_seed_; }
  // The code of the map the next Start makes: of the settings and the seed in "Startwert",
  // or, while that is empty, the seed drawn for the next run.
  QString NextCode() const;
  // Reads a map code into the settings and "Startwert" (asking for the picture of a
  // "Spezial" code); says what is wrong with a code it refuses and returns false then.
  bool ApplyCode(const QString& text);

  QPushButton* StartButton() const { return start_; }
  // "Startwert": a number makes the run of `swdgen generate --seed` with that number, the
  // same map every time; empty, the run draws its seed as the command line does without
  // --seed, so every map differs and can still be made again.
  QLineEdit* SeedField() const { return seed_; }
  // "Kartencode": after a run its map's code (selectable, "Kopieren" copies it); a code typed
  // or pasted there and confirmed with Enter fills the pages' controls and "Startwert".
  QLineEdit* CodeField() const { return code_; }
  QPushButton* CopyButton() const { return copy_; }
  // "Beste aus": 1 makes the one map; N makes the maps of N seeds from the Startwert on and
  // keeps the fairest (run/best_of.hpp).
  QSpinBox* BestOfField() const { return best_of_; }
  // After a written run: the players placed and how fair their starts are.
  QLabel* ResultLabel() const { return result_; }
  QPushButton* EndButton() const { return end_; }
  QLabel* TypeLabel() const { return type_; }
  QLabel* HintLabel() const { return hint_; }
  QStatusBar* StatusBar() const { return status_; }
  QProgressBar* ProgressBar() const { return progress_; }
  PreviewView* Preview() const { return preview_; }
  SaveDialog& Save() const { return *save_; }
  QString SaveFolder() const { return save_folder_; }

  // Host
  void SetStatus(const Message& text) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int value) override;
  void RefreshPreview() override;
  void Yield() override;
  bool CancelKeyHeld() override;
  void SetHint(const Message& text) override;
  void RunEnded() override;
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                          const Message& problem) override;
  Message WriteFiles(const std::vector<FileContent>& files) override;
  void CandidateFinished(const CandidateReport& report) override;

 signals:
  void runFinished();
  // A map code replaced the settings: the pages show them again.
  void settingsReplaced();

 private:
  void Start();
  // The players placed and the fairness of the map just saved, and its starts over the
  // preview.
  void ShowResult();
  void ClearResult();
  // What the status bar and the save dialog say when the map has fewer players than asked.
  QString PlayersNote() const;

  const WizardServices& services_;
  std::unique_ptr<Generator> generator_;
  QLabel* picture2_;
  QLabel* type_;
  PreviewView* preview_;
  QLabel* hint_;
  QPushButton* start_;
  QLineEdit* seed_;
  QLineEdit* code_;
  QPushButton* copy_;
  QSpinBox* best_of_;
  QLabel* result_;
  QPushButton* end_;
  QStatusBar* status_;
  QProgressBar* progress_;
  SaveDialog* save_;
  EscapeWatcher* escape_;
  QString save_folder_;
  QElapsedTimer since_events_;
  RunOutcome last_outcome_;
  int progress_value_ = 0;
  bool running_ = false;
  bool stop_requested_ = false;
  // The run was stopped when it asked where to save, after its last check.
  bool stopped_at_save_ = false;
  std::uint32_t last_seed_ = 0;
  // The seed of the next run while "Startwert" is empty, drawn before it so that the summary
  // can show the code that run makes.
  std::uint32_t next_seed_ = 0;
  // With "Beste aus": the seed chosen among the candidates.
  std::optional<std::uint32_t> chosen_seed_;
  // The bytes of the map file the run saved last.
  std::vector<std::uint8_t> saved_map_;
};

}  // namespace swd::wizard
