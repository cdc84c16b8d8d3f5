#include "wizard/picture_button.hpp"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <cstdlib>

namespace swd::wizard {

namespace {

constexpr int kPadding = 6;

// The button of `buttons` nearest to `from` in the direction of the arrow `key`; null
// when there is none that way.
QAbstractButton* Neighbour(const QAbstractButton& from, const QList<QAbstractButton*>& buttons,
                           int key) {
  const QPoint here = from.geometry().center();
  const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
  const bool backwards = key == Qt::Key_Left || key == Qt::Key_Up;
  QAbstractButton* best = nullptr;
  int best_cost = 0;
  for (QAbstractButton* b : buttons) {
    if (b == &from || !b->isVisible() || !b->isEnabled()) continue;
    const QPoint d = b->geometry().center() - here;
    const int along = horizontal ? d.x() : d.y();
    const int across = std::abs(horizontal ? d.y() : d.x());
    if (backwards ? along >= 0 : along <= 0) continue;
    // Straight on first; a picture off the line counts as further away.
    const int cost = std::abs(along) + 4 * across;
    if (best == nullptr || cost < best_cost) {
      best = b;
      best_cost = cost;
    }
  }
  return best;
}

}  // namespace

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

void PictureButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat()) click();
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (group() != nullptr) {
        if (QAbstractButton* next = Neighbour(*this, group()->buttons(), event->key())) {
          next->setFocus(Qt::OtherFocusReason);
        }
        return;
      }
      break;
    default:
      break;
  }
  QAbstractButton::keyPressEvent(event);
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
