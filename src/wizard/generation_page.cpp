#include "wizard/generation_page.hpp"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/map_analysis.hpp"
#include "files/atomic_files.hpp"
#include "mapfile/swd_map.hpp"
#include "wizard/escape_watcher.hpp"
#include "wizard/message_text.hpp"
#include "wizard/page_texts.hpp"
#include "wizard/pictures.hpp"
#include "wizard/preview_view.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/save_folder.hpp"

namespace swd::wizard {

namespace {
// The steps yield after every row; handing the event loop a turn more often than this
// only slows the run down.
constexpr int kYieldIntervalMs = 10;
constexpr QSize kPicture2Size(72, 48);

}  // namespace

GenerationPage::GenerationPage(const WizardServices& services, QWidget* parent)
    : WizardPage(tr("Landschaft generieren"), parent),
      services_(services),
      generator_(std::make_unique<Generator>(*this)),
      save_folder_(StartSaveFolder(services.program_folder, services.settings.get())) {
  auto* top = new QHBoxLayout;
  picture2_ = new QLabel(this);
  picture2_->setObjectName("Picture2");
  top->addWidget(picture2_);
  type_ = new QLabel(this);
  type_->setObjectName("Label_LsTyp");
  QFont big = type_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  type_->setFont(big);
  top->addWidget(type_);
  top->addStretch(1);
  result_ = new QLabel(this);
  result_->setObjectName("Label_Ergebnis");
  result_->setTextFormat(Qt::PlainText);
  result_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  result_->setToolTip(
      tr("Der Fairness-Index vergleicht die Starts der Spieler: Bauplätze, Bäume, Granit, "
         "Rohstoffe, Fische und Wasser im Umkreis von 24 Schritten und den Abstand zum "
         "nächsten Gegner, wie „swdgen analyze“ sie zählt. 1 heißt gleich gute Starts."));
  top->addWidget(result_);
  Content()->addLayout(top);

  preview_ = new PreviewView(generator_->preview, this);
  preview_->setObjectName("Picture1");
  Content()->addWidget(preview_, 1);

  hint_ = new QLabel(this);
  hint_->setObjectName("Label_Tip");
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignCenter);
  hint_->setTextFormat(Qt::PlainText);
  Content()->addWidget(hint_);

  auto* row = new QHBoxLayout;
  row->addWidget(MakeHelpButton());
  row->addStretch(1);
  auto* back = MakeButton(tr("<< &Zurück"), "Command_Zurueck", this);
  SetBackButton(back);
  row->addWidget(back);
  end_ = MakeButton(tr("&Ende"), "Command_Ende", this);
  connect(end_, &QPushButton::clicked, this, &WizardPage::quitRequested);
  row->addWidget(end_);
  auto* seed_label = new QLabel(tr("Start&wert:"), this);
  row->addWidget(seed_label);
  seed_ = new QLineEdit(this);
  seed_->setObjectName("Text_Startwert");
  seed_label->setBuddy(seed_);
  seed_->setMaxLength(10);
  seed_->setFixedWidth(seed_->fontMetrics().horizontalAdvance(QString(11, QLatin1Char('0'))));
  seed_->setToolTip(
      tr("Leer: jede Landschaft wird anders. Eine Zahl von 0 bis 4294967295 macht mit "
         "denselben Einstellungen immer dieselbe Landschaft, wie „swdgen generate --seed“."));
  connect(seed_, &QLineEdit::returnPressed, this, [this] {
    if (start_->isEnabled()) Start();
  });
  row->addWidget(seed_);
  start_ = MakeButton(tr("&Start !"), "Command_Start", this);
  connect(start_, &QPushButton::clicked, this, &GenerationPage::Start);
  row->addWidget(start_);
  auto* outer = static_cast<QVBoxLayout*>(layout());
  outer->addLayout(row);

  status_ = new QStatusBar(this);
  status_->setObjectName("StatusBar1");
  status_->setSizeGripEnabled(false);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("ProgressBar1");
  progress_->setRange(0, 100);
  progress_->setMaximumWidth(200);
  status_->addPermanentWidget(progress_);
  progress_->hide();
  outer->addWidget(status_);

  save_ = new SaveDialog(services_, this);
  escape_ = new EscapeWatcher(this);
}

GenerationPage::~GenerationPage() = default;

void GenerationPage::Activate() {
  Generator& g = *generator_;
  PrepareGeneration(g);
  type_->setText(Text(LandscapeTypeKey(g.settings.LandscapeType)));
  ClearResult();
  picture2_->setPixmap(
      QPixmap::fromImage(LandscapePicture(g.settings.LandscapeType, kPicture2Size)));
  // The preview asks for room by the map's size.
  preview_->updateGeometry();
  preview_->Flush();
}

void GenerationPage::Start() {
  const StartValue start_value = ParseStartValue(seed_->text());
  if (!start_value.valid) {
    QMessageBox::warning(this, tr("Landschaft generieren"),
                         tr("Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein. Leer "
                            "gelassen wird jede Landschaft anders."));
    seed_->setFocus();
    seed_->selectAll();
    return;
  }
  end_->setEnabled(false);
  BackButton()->setEnabled(false);
  start_->setEnabled(false);
  seed_->setEnabled(false);
  running_ = true;
  stop_requested_ = false;
  stopped_at_save_ = false;
  last_seed_ = start_value.seed ? *start_value.seed : services_.draw_seed();
  PrepareSeededRun(last_seed_);
  ClearResult();
  saved_map_.clear();
  last_outcome_ = RunGeneration(*generator_);
  running_ = false;
  seed_->setEnabled(true);
  if (stopped_at_save_) last_outcome_.status = RunOutcome::Status::Cancelled;
  preview_->Flush();
  switch (last_outcome_.status) {
    case RunOutcome::Status::Written:
      if (const QString note = PlayersNote(); !note.isEmpty()) {
        status_->showMessage(status_->currentMessage() + "  " + note);
      }
      // The run ends with the map saved; what the map offers the players is read from it
      // at the window's next turn, once the finished preview is on screen.
      QTimer::singleShot(0, this, [this] {
        if (!running_) ShowResult();
      });
      break;
    case RunOutcome::Status::Cancelled:
      // A step stopped inside its loop leaves its own name behind.
      status_->showMessage(tr(kRunStopped));
      break;
    case RunOutcome::Status::SaveCancelled:
      // Nothing was saved: the window starts afresh, as when it is shown again, and says
      // how to get the map back.
      Activate();
      status_->showMessage(tr("Nichts gespeichert. Mit dem Startwert %1 und denselben "
                              "Einstellungen entsteht dieselbe Karte noch einmal.")
                               .arg(last_seed_));
      break;
    case RunOutcome::Status::Failed:
      // A run that could not start (an unusable picture) says why where the user looks;
      // the status bar alone is easily missed and may cut a long message.
      QMessageBox::warning(this, tr("Landschaft generieren"), Text(last_outcome_.message));
      break;
  }
  emit runFinished();
}

void GenerationPage::PrepareSeededRun(std::uint32_t seed) {
  // The command line makes every map with a new generator; what an earlier run of this one
  // left behind must not count. The settings stay, and the generator stays the object the
  // preview shows.
  Generator& g = *generator_;
  const GeneratorSettings settings = g.settings;
  g = *std::make_unique<Generator>(*this);
  g.settings = settings;
  PrepareGeneration(g);
  g.rng.Seed(seed);
}

void GenerationPage::ShowResult() {
  const SwdMapRead read = ReadSwdMap(saved_map_);
  if (!read.map) return;
  const MapAnalysis analysis = AnalyzeMap(*read.map, kDefaultRadius);
  std::vector<PreviewView::StartMarker> markers;
  for (const StartReport& start : analysis.starts) {
    markers.push_back({QPoint(start.start.at.x, start.start.at.y), start.start.player});
  }
  preview_->SetMarkers(std::move(markers));
  const QString players = tr("Spieler platziert: %1 von %2")
                              .arg(last_outcome_.players_placed)
                              .arg(last_outcome_.players_requested);
  const QString fairness =
      analysis.fairness ? tr("Fairness-Index: %1 (1 = gleich gute Starts)")
                              .arg(services_.language.toString(analysis.fairness->index, 'f', 2))
                        : tr("Fairness-Index: keiner (weniger als zwei Starts)");
  result_->setText(players + "   " + fairness + "   " + tr("Startwert: %1").arg(last_seed_));
}

void GenerationPage::ClearResult() {
  result_->clear();
  preview_->SetMarkers({});
}

QString GenerationPage::PlayersNote() const {
  // The run lowers its own count to the headquarters it found room for.
  return PlayersPlacedNote(generator_->run.PlayerCount, generator_->settings.PlayerCount);
}

void GenerationPage::SetStatus(const Message& text) {
  if (text.empty()) {
    status_->clearMessage();
  } else {
    status_->showMessage(Text(text));
  }
}

void GenerationPage::ShowProgress(bool visible) {
  progress_->setValue(progress_value_);
  progress_->setVisible(visible);
}

void GenerationPage::SetProgress(int value) {
  // QProgressBar repaints at once on every new value; the bar follows at the next yield
  // that hands the event loop a turn, like the preview.
  progress_value_ = value;
}

void GenerationPage::RefreshPreview() {
  preview_->MarkDirty();
}

void GenerationPage::Yield() {
  if (since_events_.isValid() && since_events_.elapsed() < kYieldIntervalMs) return;
  since_events_.start();
  progress_->setValue(progress_value_);
  preview_->FlushIfDue();
  QCoreApplication::processEvents();
}

bool GenerationPage::CancelKeyHeld() {
  return escape_->Held() || stop_requested_;
}

void GenerationPage::SetHint(const Message& text) {
  hint_->setText(Text(text));
}

void GenerationPage::RunEnded() {
  // The run is over: Zurück, Start and Ende work again.
  BackButton()->setEnabled(true);
  start_->setEnabled(true);
  end_->setEnabled(true);
  // A step cancelled inside its loop, or a cancelled save dialog, leaves its bar behind;
  // an idle window shows none.
  progress_->hide();
  preview_->Flush();
}

std::optional<SaveTarget> GenerationPage::AskSaveTarget(const SaveTarget& proposal,
                                                        const Message& problem) {
  // A stop that came after the run's last check still ends the run before the save
  // dialog: a map the user gave up on is not offered for saving. Events not yet delivered
  // (the close box, Escape) count too; once the modal dialog is open, the window would
  // refuse to close.
  QCoreApplication::processEvents();
  if (CancelKeyHeld()) {
    stopped_at_save_ = true;
    return std::nullopt;
  }
  if (problem.empty() && generator_->run.PlayerCount == 0 && generator_->settings.PlayerCount > 0) {
    // A map without a single headquarters is no map to play; it is saved only when the
    // user says so.
    preview_->Flush();
    const auto answer =
        QMessageBox::question(this, tr("Landschaft generieren"),
                              PlayersNote() + "\n\n" + tr("Die Karte trotzdem speichern?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return std::nullopt;
  }
  SaveTarget offered = proposal;
  if (offered.folder.empty()) offered.folder = save_folder_.toStdString();
  if (problem.empty()) {
    // The first proposal of a run speaks the program's language: the core's "Karte007" and
    // "Phantasia-Zufall" in German. The drawn number is the digits the name ends in.
    const QString name = QString::fromStdString(proposal.name);
    qsizetype digits = 0;
    while (digits < name.size() && name[name.size() - 1 - digits].isDigit())
      ++digits;
    offered.name = tr("Karte%1").arg(name.right(digits)).toStdString();
    offered.title = tr("Phantasia-Zufall").toStdString();
  }
  const QString note = PlayersNote();
  if (!note.isEmpty()) status_->showMessage(note);
  // The bar belongs to the writing that follows the dialog, not to the last step.
  progress_->setValue(progress_value_);
  preview_->Flush();
  save_->KeepClear(preview_->PictureOnScreen());
  auto answer = save_->Ask(offered, Text(problem), note);
  // The run goes on with its tables and its finished preview, which becomes the bitmap;
  // only the hint line starts over.
  SetHint(HintText(1));
  return answer;
}

Message GenerationPage::WriteFiles(const std::vector<FileContent>& files) {
  Message problem = WriteFilesAtomically(files);
  if (problem.empty() && !files.empty()) {
    // The map comes first; what it offers the players is shown once the run has ended.
    saved_map_ = files.front().bytes;
    // Only a folder the map went into is where the next map goes: one it could not be
    // written to would greet the next save with the same failure.
    save_folder_ = QString::fromStdString(files.front().path.parent_path().string());
    RememberSaveFolder(services_.settings.get(), save_folder_);
  }
  return problem;
}

}  // namespace swd::wizard
