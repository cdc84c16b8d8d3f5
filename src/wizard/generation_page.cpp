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

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QSpinBox>

#include "analysis/map_analysis.hpp"
#include "files/atomic_files.hpp"
#include "mapfile/swd_map.hpp"
#include "model/map_code.hpp"
#include "model/setting_table.hpp"
#include "run/best_of.hpp"
#include "shape/picture_reader.hpp"
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
      save_folder_(StartSaveFolder(services.program_folder, services.settings.get())),
      next_seed_(services.draw_seed()) {
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

  auto* code_row = new QHBoxLayout;
  auto* code_label = new QLabel(tr("&Kartencode:"), this);
  code_row->addWidget(code_label);
  code_ = new QLineEdit(this);
  code_->setObjectName("Text_Kartencode");
  code_label->setBuddy(code_);
  code_->setMaxLength(static_cast<int>(kMapCodeMaxLength));
  code_->setToolTip(
      tr("Der Kartencode hält alle Einstellungen und den Startwert einer Karte. Ein Code, hier "
         "eingefügt und mit Enter bestätigt, stellt die Seiten und den Startwert so ein, dass "
         "Start dieselbe Karte macht, wie „swdgen generate --code“."));
  connect(code_, &QLineEdit::returnPressed, this, [this] {
    if (start_->isEnabled()) ApplyCode(code_->text());
  });
  code_row->addWidget(code_, 1);
  copy_ = MakeButton(tr("K&opieren"), "Command_Kopieren", this);
  connect(copy_, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(code_->text().trimmed()); });
  code_row->addWidget(copy_);
  auto* outer_layout = static_cast<QVBoxLayout*>(layout());
  outer_layout->addLayout(code_row);

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
  auto* best_of_label = new QLabel(tr("&Beste aus:"), this);
  row->addWidget(best_of_label);
  best_of_ = new QSpinBox(this);
  best_of_->setObjectName("Spin_BesteAus");
  best_of_label->setBuddy(best_of_);
  best_of_->setRange(1, kMostCandidates);
  best_of_->setToolTip(
      tr("1 macht eine Karte. Mit N entstehen die Karten der Startwerte ab dem Startwert, und "
         "gespeichert wird die mit den meisten platzierten Spielern und den fairsten Starts, "
         "wie „swdgen generate --best-of N“."));
  row->addWidget(best_of_);
  start_ = MakeButton(tr("&Start !"), "Command_Start", this);
  connect(start_, &QPushButton::clicked, this, &GenerationPage::Start);
  row->addWidget(start_);
  auto* outer = outer_layout;
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
  for (QWidget* field : std::initializer_list<QWidget*>{seed_, code_, copy_, best_of_})
    field->setEnabled(false);
  running_ = true;
  stop_requested_ = false;
  stopped_at_save_ = false;
  last_seed_ = start_value.seed.value_or(next_seed_);
  // The next run without a Startwert has a seed of its own, as the command line's.
  if (!start_value.seed) next_seed_ = services_.draw_seed();
  ClearResult();
  saved_map_.clear();
  chosen_seed_.reset();
  if (best_of_->value() > 1) {
    const BestOfOutcome best = RunBestOf(*generator_, last_seed_, best_of_->value());
    last_outcome_ = best.outcome;
    chosen_seed_ = best.chosen;
    if (best.chosen) last_seed_ = *best.chosen;
  } else {
    PrepareSeededRun(*generator_, last_seed_);
    last_outcome_ = RunGeneration(*generator_);
  }
  running_ = false;
  for (QWidget* field : std::initializer_list<QWidget*>{seed_, code_, copy_, best_of_})
    field->setEnabled(true);
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

void GenerationPage::ShowResult() {
  const SwdMapRead read = ReadSwdMap(saved_map_);
  if (!read.map) return;
  const MapAnalysis analysis = AnalyzeMap(*read.map, kDefaultRadius);
  std::vector<PreviewView::StartMarker> markers;
  for (const StartReport& start : analysis.starts) {
    markers.push_back({QPoint(start.start.at.x, start.start.at.y), start.start.player});
  }
  preview_->SetMarkers(std::move(markers));
  const auto number = [this](double v) { return services_.language.toString(v, 'f', 2); };
  QStringList parts;
  parts << tr("Spieler platziert: %1 von %2")
               .arg(last_outcome_.players_placed)
               .arg(last_outcome_.players_requested);
  if (!analysis.fairness) {
    parts << tr("Fairness-Index: keiner (weniger als zwei Starts)");
  } else if (last_outcome_.fairness_before) {
    // The fair starts' gain: the random placement on the same landscape, then the map's.
    parts << tr("Fairness-Index: %1 → %2")
                 .arg(number(*last_outcome_.fairness_before), number(analysis.fairness->index));
  } else {
    parts
        << tr("Fairness-Index: %1 (1 = gleich gute Starts)").arg(number(analysis.fairness->index));
  }
  if (!analysis.harbours.empty()) {
    parts << Text({MessageKey::HarbourPlaces,
                   {Message::Number(static_cast<long long>(analysis.harbours.size()))}});
  }
  if (const Message cut_off = CutOffNote(analysis); !cut_off.empty()) parts << Text(cut_off);
  parts << (chosen_seed_
                ? tr("Startwert: %1 (der fairste von %2)").arg(last_seed_).arg(best_of_->value())
                : tr("Startwert: %1").arg(last_seed_));
  result_->setText(parts.join("   "));
  code_->setText(QString::fromStdString(last_outcome_.code));
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
  // The dialog's box shows the setting, which a map code may have changed since.
  save_->StartObjectsBox()->setChecked(offered.start_objects);
  auto answer = save_->Ask(offered, Text(problem), note);
  // The box of the save dialog is the setting's control: what it said last is proposed next.
  if (answer) generator_->settings.start_objects = answer->start_objects;
  // The run goes on with its tables and its finished preview, which becomes the bitmap;
  // only the hint line starts over.
  SetHint(HintText(1));
  return answer;
}

void GenerationPage::CandidateFinished(const CandidateReport& report) {
  const QString fairness =
      report.fairness ? services_.language.toString(*report.fairness, 'f', 2) : tr("keiner");
  status_->showMessage(tr("Kandidat %1 von %2 (Startwert %3): %4 von %5 Spielern, "
                          "Fairness-Index %6")
                           .arg(report.number)
                           .arg(report.count)
                           .arg(report.seed)
                           .arg(report.players_placed)
                           .arg(report.players_requested)
                           .arg(fairness));
}

QString GenerationPage::NextCode() const {
  const StartValue start_value = ParseStartValue(seed_->text());
  const GeneratorSettings& s = generator_->settings;
  std::optional<std::uint32_t> hash;
  if (EffectiveSettings(s).land_shape == LandShape::Picture) {
    hash = PictureHash(LoadPictureFile(s.PicturePath, s.MapWidth, s.MapHeight).pixels);
  }
  const std::uint32_t seed = start_value.valid ? start_value.seed.value_or(next_seed_) : next_seed_;
  return QString::fromStdString(EncodeMapCode(s, seed, hash));
}

bool GenerationPage::ApplyCode(const QString& text) {
  MapCodeRead read = DecodeMapCode(text.toStdString());
  const auto refuse = [this](const Message& problem) {
    QMessageBox::warning(this, tr("Kartencode"), Text(problem));
    code_->setFocus();
    code_->selectAll();
    return false;
  };
  if (!read.code) return refuse(read.problem);
  MapCode& code = *read.code;
  if (code.picture_hash) {
    // A picture cannot travel in a code: the user chooses it, and only the code's will do.
    QMessageBox::information(this, tr("Kartencode"), Text(MessageKey::CodeNeedsPicture));
    const QString path = services_.choose_picture(this, QString());
    if (path.isEmpty()) return false;
    const PictureRead picture =
        LoadPictureFile(path.toStdString(), code.settings.MapWidth, code.settings.MapHeight);
    if (!picture.problem.empty()) return refuse(picture.problem);
    if (const Message other = CheckCodePicture(code, picture.pixels, path.toStdString());
        !other.empty()) {
      return refuse(other);
    }
    code.settings.PicturePath = path.toStdString();
  }
  generator_->settings = code.settings;
  seed_->setText(QString::number(code.seed));
  code_->setText(
      QString::fromStdString(EncodeMapCode(code.settings, code.seed, code.picture_hash)));
  emit settingsReplaced();
  Activate();
  return true;
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
