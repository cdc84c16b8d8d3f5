#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

namespace swd::wizard {

// The size page's preview: the outline of the chosen map size, blue when
// "Insel" is ticked and green when not.
class SizeOutlineView : public QWidget {
  Q_OBJECT

 public:
  explicit SizeOutlineView(QWidget* parent = nullptr);

  void SetMapSize(int width, int height);
  void SetColour(QColor colour);
  QRect OutlineTwips() const { return outline_; }
  QColor Colour() const { return colour_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect outline_;
  QColor colour_;
};

}  // namespace swd::wizard
