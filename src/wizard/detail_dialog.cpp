#include "wizard/detail_dialog.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "wizard/window_placement.hpp"
#include "wizard/wizard_page.hpp"

namespace swd::wizard {

DetailDialog::DetailDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), body_(new QVBoxLayout) {
  setWindowTitle(caption);
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(body_, 1);
}

void DetailDialog::AddButtons() {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  ok_ = MakeButton(tr("&Ok"), "Command_Ok", this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(ok_);
  cancel_ = MakeButton(tr("&Abbruch"), "Command_Abbruch", this);
  connect(cancel_, &QPushButton::clicked, this, &DetailDialog::reject);
  row->addWidget(cancel_);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

QSlider* DetailDialog::BindSlider(const SliderRange& range, int& setting, QWidget* parent) {
  QSlider* slider = MakeSlider(range, parent);
  slider->setValue(setting);
  connect(slider, &QSlider::valueChanged, this, [&setting](int value) { setting = value; });
  bound_.push_back({slider, &setting, range.initial});
  return slider;
}

void DetailDialog::ShowSettings() {
  for (const Bound& b : bound_)
    b.slider->setValue(*b.setting);
}

void DetailDialog::RestoreInitial() {
  for (const Bound& b : bound_)
    b.slider->setValue(b.initial);
}

void DetailDialog::reject() {
  RestoreInitial();
  QDialog::reject();
}

void DetailDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

}  // namespace swd::wizard
