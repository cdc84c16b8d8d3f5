#include "wizard/picture_button.hpp"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace swd::wizard {

namespace {
constexpr int kPadding = 6;
}

PictureButton::PictureButton(const QImage& picture, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::SetPicture(const QImage& picture) {
  picture_ = picture;
  updateGeometry();
  update();
}

QSize PictureButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const int text_width = metrics.horizontalAdvance(text());
  return {std::max(picture_.width(), text_width) + 2 * kPadding,
          picture_.height() + metrics.height() + 3 * kPadding};
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  const QPoint picture_at((area.width() - picture_.width()) / 2, kPadding);
  painter.drawImage(picture_at, picture_);
  const QRect text_area(0, picture_at.y() + picture_.height() + kPadding / 2, area.width(),
                        area.height() - picture_.height() - kPadding * 2);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text_area, Qt::AlignHCenter | Qt::AlignTop, text());
  if (isChecked() || isDown()) {
    painter.setPen(QPen(QColor(0, 0, 128), 3));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(area.adjusted(4, 4, -5, -5));
  }
}

QWidget* CaptionedPicture(const QImage& picture, const QString& caption, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto* image = new QLabel(box);
  image->setPixmap(QPixmap::fromImage(picture));
  image->setAlignment(Qt::AlignCenter);
  layout->addWidget(image);
  if (!caption.isEmpty()) {
    auto* text = new QLabel(caption, box);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
  }
  return box;
}

}  // namespace swd::wizard
