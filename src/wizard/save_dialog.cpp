#include "wizard/save_dialog.hpp"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mapfile/save_names.hpp"
#include "wizard/centre.hpp"
#include "wizard/save_folder.hpp"
#include "wizard/wizard_page.hpp"

namespace swd::wizard {

SaveDialog::SaveDialog(const WizardServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setWindowTitle("Datei speichern");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  title_ = new QLineEdit(this);
  title_->setObjectName("Text_Landschaftsname");
  title_->setMaxLength(kMaxTitleLength);
  form->addRow("Landschaftsname:", title_);
  name_ = new QLineEdit(this);
  name_->setObjectName("Text_Dateiname");
  name_->setMaxLength(kMaxNameLength);
  form->addRow("Dateiname:", name_);
  folder_label_ = new QLabel(this);
  folder_label_->setWordWrap(true);
  folder_label_->setTextFormat(Qt::PlainText);
  form->addRow("Ordner:", folder_label_);
  layout->addLayout(form);

  message_ = new QLabel(this);
  message_->setObjectName("Label_Meldung");
  message_->setWordWrap(true);
  message_->setTextFormat(Qt::PlainText);
  message_->setStyleSheet("color: #b00000;");
  message_->hide();
  layout->addWidget(message_);

  auto* buttons = new QHBoxLayout;
  choose_folder_ = MakeButton("Anderen O&rdner wählen …", "Command_Ordner", this);
  choose_folder_->hide();
  buttons->addWidget(choose_folder_);
  buttons->addStretch(1);
  ok_ = MakeButton("&Ok", "Command_Ok", this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  cancel_ = MakeButton("&Abbruch", "Command_Abbruch", this);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  setMinimumWidth(460);

  connect(title_, &QLineEdit::textChanged, this, &SaveDialog::UpdateOk);
  connect(name_, &QLineEdit::textChanged, this, &SaveDialog::UpdateOk);
  connect(ok_, &QPushButton::clicked, this, &SaveDialog::TryAccept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(choose_folder_, &QPushButton::clicked, this, &SaveDialog::ChooseFolder);
}

std::optional<SaveTarget> SaveDialog::Ask(const SaveTarget& proposal, const QString& problem) {
  title_->setText(QString::fromStdString(proposal.title));
  name_->setText(QString::fromStdString(proposal.name));
  folder_ = QString::fromStdString(proposal.folder.string());
  ShowFolder();
  const bool writable = FolderWritable(folder_);
  // After a failed write the user may want to save elsewhere, too.
  choose_folder_->setVisible(!writable || !problem.isEmpty());
  QString message = problem;
  if (!writable) {
    message += (message.isEmpty() ? "" : "\n") + UnwritableFolderMessage(folder_);
  }
  ShowMessage(message);
  name_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return SaveTarget{folder_.toStdString(), name_->text().toStdString(),
                    title_->text().toStdString()};
}

QString SaveDialog::Message() const {
  return message_->isHidden() ? QString() : message_->text();
}

void SaveDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

void SaveDialog::UpdateOk() {
  ok_->setEnabled(!title_->text().isEmpty() && !name_->text().isEmpty());
}

void SaveDialog::TryAccept() {
  if (title_->text().isEmpty() || name_->text().isEmpty()) return;
  std::string problem = CheckMapName(name_->text().toStdString());
  if (problem.empty()) problem = CheckMapTitle(title_->text().toStdString());
  if (!problem.empty()) {
    ShowMessage(QString::fromStdString(problem));
    return;
  }
  if (!FolderWritable(folder_)) {
    ShowMessage(UnwritableFolderMessage(folder_));
    choose_folder_->show();
    return;
  }
  accept();
}

void SaveDialog::ChooseFolder() {
  const QString chosen = services_.choose_folder(this, folder_);
  if (chosen.isEmpty()) return;
  folder_ = chosen;
  ShowFolder();
  ShowMessage(FolderWritable(folder_) ? QString() : UnwritableFolderMessage(folder_));
}

void SaveDialog::ShowFolder() {
  folder_label_->setText(QDir::toNativeSeparators(folder_));
}

void SaveDialog::ShowMessage(const QString& text) {
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
  adjustSize();
}

}  // namespace swd::wizard
