#include "wizard/preview_view.hpp"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {
// About 25 pictures a second are smooth enough and cost the run next to nothing.
constexpr int kRepaintIntervalMs = 40;
constexpr int kFrame = 2;
// Room for the largest map, 256 + 4 pixels, at zoom 1.
constexpr int kLargestPicture = 260;
// The zoom the view asks room for; a 256 map shown at 1 is hard to read.
constexpr int kWantedZoom = 2;
}  // namespace

QSize PreviewView::MapSize() const {
  return {std::max(0, image_.Width() - PreviewImage::kBorder),
          std::max(0, image_.Height() - PreviewImage::kBorder)};
}

PreviewView::PreviewView(const PreviewImage& image, QWidget* parent)
    : QWidget(parent), image_(image) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewView::SetMarkers(std::vector<StartMarker> markers) {
  markers_ = std::move(markers);
  update();
}

void PreviewView::FlushIfDue() {
  if (!dirty_) return;
  if (since_repaint_.isValid() && since_repaint_.elapsed() < kRepaintIntervalMs) return;
  Flush();
}

void PreviewView::Flush() {
  dirty_ = false;
  since_repaint_.start();
  update();
}

int PreviewView::WholeZoom(QSize available, QSize image) {
  if (image.isEmpty()) return 1;
  return std::max(1,
                  std::min(available.width() / image.width(), available.height() / image.height()));
}

int PreviewView::Zoom() const {
  const QSize inner = size() - QSize(2 * kFrame, 2 * kFrame);
  return WholeZoom(inner, MapSize());
}

QRect PreviewView::PictureRect() const {
  const int zoom = Zoom();
  const QSize shown = MapSize() * zoom;
  return {QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

QRect PreviewView::PictureOnScreen() const {
  const QRect picture = PictureRect();
  return {mapToGlobal(picture.topLeft()), picture.size()};
}

QSize PreviewView::sizeHint() const {
  const QSize wanted = MapSize() * kWantedZoom + QSize(2 * kFrame, 2 * kFrame);
  return wanted.expandedTo(minimumSizeHint());
}

QSize PreviewView::minimumSizeHint() const {
  return {kLargestPicture + 2 * kFrame, kLargestPicture + 2 * kFrame};
}

void PreviewView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (MapSize().isEmpty()) return;
  const QImage picture(image_.Pixels().data(), image_.Width(), image_.Height(), image_.Width() * 3,
                       QImage::Format_RGB888);
  const QRect target = PictureRect();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, picture, QRect(QPoint(0, 0), MapSize()));
  painter.setPen(QPen(QColor(0, 0, 0), 1));
  painter.drawRect(target.adjusted(-1, -1, 0, 0));
  PaintMarkers(painter, target);
}

void PreviewView::PaintMarkers(QPainter& painter, const QRect& picture) const {
  if (markers_.empty()) return;
  const int zoom = Zoom();
  // Large enough to read at zoom 1, never much larger than a few vertices.
  const int radius = std::clamp(zoom * 2, 8, 14);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(radius + radius / 2);
  painter.setFont(font);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const StartMarker& m : markers_) {
    const QPoint centre(picture.left() + m.vertex.x() * zoom + zoom / 2,
                        picture.top() + m.vertex.y() * zoom + zoom / 2);
    const QRect disc(centre - QPoint(radius, radius), QSize(2 * radius, 2 * radius));
    // In the player's colour, as on the players page and in `swdgen render`'s flags; the
    // number dark on the light colours, white on the dark ones.
    const QColor colour = PlayerColour(m.player);
    painter.setPen(QPen(QColor(0, 0, 0), 2));
    painter.setBrush(colour);
    painter.drawEllipse(disc);
    const int luma = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    painter.setPen(luma > 140 ? QColor(0, 0, 0) : QColor(255, 255, 255));
    painter.drawText(disc, Qt::AlignCenter, QString::number(m.player));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace swd::wizard
