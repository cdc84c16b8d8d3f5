#include "wizard/help_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "wizard/wizard_page.hpp"

namespace swd::wizard {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpDialog");
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(this);
  text_->setTextFormat(Qt::RichText);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // About 70 characters a line read well.
  text_->setFixedWidth(text_->fontMetrics().averageCharWidth() * 70);
  layout->addWidget(text_);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  close_ = MakeButton(tr("&Schließen"), "Command_Schliessen", this);
  close_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(close_);
  layout->addLayout(row);
}

void HelpDialog::ShowText(const QString& caption, const QString& rich_text) {
  setWindowTitle(tr("Hilfe: %1").arg(caption));
  text_->setText(rich_text);
  adjustSize();
  show();
  raise();
  activateWindow();
}

QString HelpDialog::Text() const {
  return text_->text();
}

}  // namespace swd::wizard
