#include "wizard/save_dialog.hpp"

#include "model/setting_table.hpp"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "mapfile/save_names.hpp"
#include "wizard/message_text.hpp"
#include "wizard/save_folder.hpp"
#include "wizard/window_placement.hpp"
#include "wizard/wizard_page.hpp"

namespace swd::wizard {

namespace {
constexpr QLatin1String kMapExtension(".swd");
}

SaveDialog::SaveDialog(const WizardServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setWindowTitle(tr("Datei speichern"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  note_ = new QLabel(this);
  note_->setObjectName("Label_Hinweis");
  note_->setWordWrap(true);
  note_->setTextFormat(Qt::PlainText);
  QFont bold = note_->font();
  bold.setBold(true);
  note_->setFont(bold);
  note_->hide();
  layout->addWidget(note_);
  auto* form = new QFormLayout;
  title_ = new QLineEdit(this);
  title_->setObjectName("Text_Landschaftsname");
  title_->setMaxLength(kMaxTitleLength);
  form->addRow(tr("Landschaftsname:"), title_);
  name_ = new QLineEdit(this);
  name_->setObjectName("Text_Dateiname");
  // Room for a ".swd" typed out of habit; ChosenName() drops it.
  name_->setMaxLength(kMaxNameLength + static_cast<int>(kMapExtension.size()));
  form->addRow(tr("Dateiname:"), name_);
  folder_label_ = new QLabel(this);
  folder_label_->setWordWrap(true);
  folder_label_->setTextFormat(Qt::PlainText);
  form->addRow(tr("Ordner:"), folder_label_);
  layout->addLayout(form);

  start_objects_ = new QCheckBox(Text(FindSetting("start_objects")->label), this);
  start_objects_->setObjectName("Check_Startobjekte");
  start_objects_->setChecked(true);
  layout->addWidget(start_objects_);
  auto* start_objects_use =
      new QLabel(tr("Spiele wie Return to the Roots starten eine Karte nur mit eingetragenen "
                    "Startpositionen."),
                 this);
  start_objects_use->setObjectName("Label_Startobjekte");
  start_objects_use->setWordWrap(true);
  start_objects_use->setTextFormat(Qt::PlainText);
  // Indented under the box's text, in the colour of secondary text.
  start_objects_use->setContentsMargins(
      start_objects_->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
          start_objects_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
      0, 0, 0);
  start_objects_use->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(start_objects_use);

  message_ = new QLabel(this);
  message_->setObjectName("Label_Meldung");
  message_->setWordWrap(true);
  message_->setTextFormat(Qt::PlainText);
  message_->setStyleSheet("color: #b00000;");
  message_->hide();
  layout->addWidget(message_);

  auto* buttons = new QHBoxLayout;
  choose_folder_ = MakeButton(tr("Anderen O&rdner wählen …"), "Command_Ordner", this);
  buttons->addWidget(choose_folder_);
  game_folder_ =
      MakeButton(tr("In den Kartenordner von Return to the Roots"), "Command_Spielordner", this);
  buttons->addWidget(game_folder_);
  buttons->addStretch(1);
  ok_ = MakeButton(tr("&Ok"), "Command_Ok", this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  cancel_ = MakeButton(tr("&Abbruch"), "Command_Abbruch", this);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  setMinimumWidth(460);

  connect(title_, &QLineEdit::textChanged, this, &SaveDialog::InputChanged);
  connect(name_, &QLineEdit::textChanged, this, &SaveDialog::InputChanged);
  connect(ok_, &QPushButton::clicked, this, &SaveDialog::TryAccept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(choose_folder_, &QPushButton::clicked, this, &SaveDialog::ChooseFolder);
  connect(game_folder_, &QPushButton::clicked, this, [this] { UseFolder(GameMapsFolder()); });
}

std::optional<SaveTarget> SaveDialog::Ask(const SaveTarget& proposal, const QString& problem,
                                          const QString& note) {
  message_about_input_ = false;
  note_->setText(note);
  note_->setVisible(!note.isEmpty());
  title_->setText(QString::fromStdString(proposal.title));
  name_->setText(QString::fromStdString(proposal.name));
  folder_ = QString::fromStdString(proposal.folder.string());
  ShowFolder();
  // The game may have been installed, or its folder made, since the last save.
  const QString game_maps = GameMapsFolder();
  game_folder_->setVisible(!game_maps.isEmpty());
  game_folder_->setToolTip(QDir::toNativeSeparators(game_maps));
  QString message = problem;
  if (!FolderWritable(folder_)) {
    message += (message.isEmpty() ? "" : "\n") + UnwritableFolderMessage(folder_);
  }
  ShowMessage(message);
  name_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return SaveTarget{folder_.toStdString(), ChosenName().toStdString(), title_->text().toStdString(),
                    start_objects_->isChecked()};
}

QString SaveDialog::Message() const {
  return message_->isHidden() ? QString() : message_->text();
}

QString SaveDialog::Note() const {
  return note_->isHidden() ? QString() : note_->text();
}

void SaveDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (keep_clear_.isEmpty()) {
    CentreOnScreen(*this);
  } else {
    PlaceBeside(*this, keep_clear_);
  }
}

void SaveDialog::InputChanged() {
  ok_->setEnabled(!title_->text().isEmpty() && !name_->text().isEmpty());
  // A refusal follows the fields from now on, and goes once they are mended.
  if (message_about_input_) ShowMessage(InputProblem(), true);
}

QString SaveDialog::ChosenName() const {
  QString name = name_->text();
  if (name.endsWith(kMapExtension, Qt::CaseInsensitive)) {
    name.chop(kMapExtension.size());
  }
  return name;
}

QString SaveDialog::InputProblem() const {
  swd::Message problem = CheckMapName(ChosenName().toStdString());
  if (problem.empty()) problem = CheckMapTitle(title_->text().toStdString());
  return Text(problem);
}

void SaveDialog::TryAccept() {
  if (title_->text().isEmpty() || name_->text().isEmpty()) return;
  if (const QString problem = InputProblem(); !problem.isEmpty()) {
    ShowMessage(problem, true);
    return;
  }
  if (!FolderWritable(folder_)) {
    ShowMessage(UnwritableFolderMessage(folder_));
    return;
  }
  if (!ReplaceAllowed()) return;
  accept();
}

bool SaveDialog::ReplaceAllowed() {
  QStringList existing;
  for (const QLatin1String extension : {kMapExtension, QLatin1String(".bmp")}) {
    const QString file = ChosenName() + extension;
    // A folder of that name is no map to replace; the write says what is wrong with it.
    if (QFileInfo(QDir(folder_).filePath(file)).isFile()) existing << file;
  }
  if (existing.isEmpty()) return true;
  const QString files =
      existing.size() == 1 ? existing.front() : tr("%1 und %2").arg(existing[0], existing[1]);
  const QString question =
      tr("%1 gibt es im Ordner %2 schon. Ersetzen?").arg(files, QDir::toNativeSeparators(folder_));
  return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void SaveDialog::ChooseFolder() {
  UseFolder(services_.choose_folder(this, folder_));
}

void SaveDialog::UseFolder(const QString& folder) {
  if (folder.isEmpty()) return;
  folder_ = folder;
  ShowFolder();
  ShowMessage(FolderWritable(folder_) ? QString() : UnwritableFolderMessage(folder_));
}

void SaveDialog::ShowFolder() {
  folder_label_->setText(QDir::toNativeSeparators(folder_));
}

void SaveDialog::ShowMessage(const QString& text, bool about_input) {
  message_about_input_ = about_input && !text.isEmpty();
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
  adjustSize();
}

}  // namespace swd::wizard
