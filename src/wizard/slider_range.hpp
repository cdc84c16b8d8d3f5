#pragma once

#include <string_view>

class QSlider;
class QString;
class QWidget;

namespace swd::wizard {

// Range, initial position, large change and tick spacing of one track bar. The small
// change is always 1.
struct SliderRange {
  int minimum = 0;
  int maximum = 10;
  int initial = 5;
  int page_step = 5;
  int tick_interval = 1;
};

// The range and initial position of a setting's slider, from the table of settings, with the
// large change of 5 and ticks every `tick_interval`.
SliderRange RangeOf(std::string_view key, std::string_view member = {}, int tick_interval = 1);

QSlider* MakeSlider(const SliderRange& range, QWidget* parent);

// The slider between its two end labels ("wenige" .. "sehr viele"), as one row.
QWidget* SliderBetween(QSlider* slider, const QString& left, const QString& right, QWidget* parent);

}  // namespace swd::wizard
