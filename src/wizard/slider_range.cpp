#include "wizard/slider_range.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "model/setting_table.hpp"

namespace swd::wizard {

SliderRange RangeOf(std::string_view key, std::string_view member, int tick_interval) {
  const SettingRow& row = *FindSetting(key, member);
  constexpr int kPageStep = 5;
  return {row.lo, row.hi, row.initial, kPageStep * tick_interval, tick_interval};
}

QSlider* MakeSlider(const SliderRange& range, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(range.minimum, range.maximum);
  slider->setSingleStep(1);
  slider->setPageStep(range.page_step);
  slider->setTickInterval(range.tick_interval);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setValue(range.initial);
  slider->setMinimumWidth(120);
  return slider;
}

QWidget* SliderBetween(QSlider* slider, const QString& left, const QString& right,
                       QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(left, row));
  slider->setParent(row);
  layout->addWidget(slider, 1);
  layout->addWidget(new QLabel(right, row));
  return row;
}

}  // namespace swd::wizard
