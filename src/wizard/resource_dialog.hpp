#pragma once

#include <array>

#include "model/settings.hpp"
#include "model/share_rebalance.hpp"
#include "wizard/detail_dialog.hpp"

class QLabel;

namespace swd::wizard {

// The resource dialog: the shares of coal, gold, iron and granite, kept at a total of 100.
class ResourceDialog : public DetailDialog {
  Q_OBJECT

 public:
  ResourceDialog(ResourceShareSet& shares, QWidget* parent);

  // Slider and value label of kind 1..4 (coal, gold, iron, granite).
  QSlider* SliderOf(ShareKind kind) const { return rows_[Index(kind)].slider; }
  QLabel* LabelOf(ShareKind kind) const { return rows_[Index(kind)].value; }
  ShareKind ActiveShareSlider() const { return active_; }
  void ShowSettings() override { ShowShares(); }

 protected:
  void RestoreInitial() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QSlider* slider = nullptr;
    QLabel* value = nullptr;
  };
  static int Index(ShareKind kind) { return static_cast<int>(kind) - 1; }
  void SliderMoved(ShareKind kind);
  // Sliders and labels from the shares.
  void ShowShares();

  ResourceShareSet& shares_;
  std::array<Row, 4> rows_{};
  ShareKind active_ = ShareKind::None;
};

}  // namespace swd::wizard
