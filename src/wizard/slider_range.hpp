#pragma once

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

// The proportions page's sliders and the coast slider: 0..10, default 5, large step 5.
inline constexpr SliderRange kLevelRange{0, 10, 5, 5, 1};

QSlider* MakeSlider(const SliderRange& range, QWidget* parent);

// The slider between its two end labels ("wenige" .. "sehr viele"), as one row.
QWidget* SliderBetween(QSlider* slider, const QString& left, const QString& right, QWidget* parent);

}  // namespace swd::wizard
