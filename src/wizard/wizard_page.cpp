#include "wizard/wizard_page.hpp"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace swd::wizard {

QPushButton* MakeButton(const QString& text, const char* object_name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(object_name);
  button->setAutoDefault(false);
  button->setMinimumWidth(100);
  return button;
}

WizardPage::WizardPage(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), content_(new QVBoxLayout) {
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(content_, 1);
}

void WizardPage::SetBackButton(QPushButton* button) {
  back_ = button;
  connect(back_, &QPushButton::clicked, this, &WizardPage::backRequested);
}

QPushButton* WizardPage::MakeHelpButton() {
  help_ = MakeButton(tr("&Hilfe"), "Command_Hilfe", this);
  connect(help_, &QPushButton::clicked, this, &WizardPage::helpRequested);
  return help_;
}

void WizardPage::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  auto* button = qobject_cast<QPushButton*>(focusWidget());
  if (button != nullptr && isAncestorOf(button)) {
    button->click();
  } else if (next_ != nullptr && next_->isEnabled()) {
    next_->click();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void WizardPage::AddButtons(int buttons) {
  auto* row = new QHBoxLayout;
  if (buttons & Help) row->addWidget(MakeHelpButton());
  row->addStretch(1);
  if (buttons & Back) {
    SetBackButton(MakeButton(tr("<< &Zurück"), "Command_Zurueck", this));
    row->addWidget(back_);
  }
  if (buttons & Cancel) {
    cancel_ = MakeButton(tr("&Abbruch"), "Command_Abbruch", this);
    connect(cancel_, &QPushButton::clicked, this, &WizardPage::quitRequested);
    row->addWidget(cancel_);
  }
  if (buttons & Next) {
    next_ = MakeButton(tr("&Weiter >>"), "Command_Weiter", this);
    connect(next_, &QPushButton::clicked, this, [this] {
      LeavePage();
      emit nextRequested();
    });
    row->addWidget(next_);
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

}  // namespace swd::wizard
