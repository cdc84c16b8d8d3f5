#include "wizard/size_outline_view.hpp"

#include <QPainter>

#include "wizard/page_texts.hpp"

namespace swd::wizard {

namespace {
constexpr int kTwipsPerPixel = 15;
}

SizeOutlineView::SizeOutlineView(QWidget* parent)
    : QWidget(parent), outline_(SizeOutlineTwips(128, 128)), colour_(0, 0, 255) {}

void SizeOutlineView::SetMapSize(int width, int height) {
  outline_ = SizeOutlineTwips(width, height);
  update();
}

void SizeOutlineView::SetColour(QColor colour) {
  colour_ = colour;
  update();
}

QSize SizeOutlineView::sizeHint() const {
  // Room for the largest outline, 256 x 256.
  const int side = SizeOutlineTwips(256, 256).width() / kTwipsPerPixel + 12;
  return {side, side};
}

void SizeOutlineView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const QPoint centre = rect().center();
  const QRect px((outline_.left() - kOutlineCentreTwips.x()) / kTwipsPerPixel + centre.x(),
                 (outline_.top() - kOutlineCentreTwips.y()) / kTwipsPerPixel + centre.y(),
                 outline_.width() / kTwipsPerPixel, outline_.height() / kTwipsPerPixel);
  painter.setPen(QPen(colour_, 2));
  painter.drawRect(px);
}

}  // namespace swd::wizard
