#include <QPainter>
#include <QPainterPath>
#include <array>

#include "render/vertex_marks.hpp"
#include "wizard/pictures.hpp"

// Small drawings of the objects the detail dialogs tune, on a 100 x 75 canvas that is
// scaled to the requested size.

namespace swd::wizard {

namespace {

constexpr QSizeF kCanvas(100, 75);

struct Canvas {
  explicit Canvas(QSize size, QColor background = QColor(99, 206, 0))
      : image(size, QImage::Format_RGB32), painter(&image) {
    image.fill(background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kCanvas.width(), size.height() / kCanvas.height());
    painter.setPen(QPen(QColor(40, 40, 40), 1));
  }
  QImage Done() {
    painter.end();
    return image;
  }
  QImage image;
  QPainter painter;
};

void Tree(QPainter& p, double x, double y, double s) {
  p.setBrush(QColor(110, 70, 30));
  p.drawRect(QRectF(x - 2 * s, y - 6 * s, 4 * s, 8 * s));
  p.setBrush(QColor(0, 120, 40));
  p.drawEllipse(QPointF(x, y - 14 * s), 9 * s, 10 * s);
}

void Rock(QPainter& p, double x, double y, double s, QColor colour) {
  QPainterPath path;
  path.moveTo(x - 12 * s, y);
  path.lineTo(x - 9 * s, y - 10 * s);
  path.lineTo(x - 2 * s, y - 15 * s);
  path.lineTo(x + 8 * s, y - 11 * s);
  path.lineTo(x + 12 * s, y);
  path.closeSubpath();
  p.setBrush(colour);
  p.drawPath(path);
  p.drawLine(QPointF(x - 2 * s, y - 15 * s), QPointF(x, y));
}

void Lumps(QPainter& p, QColor colour) {
  p.setBrush(QColor(156, 99, 0));
  QPainterPath mountain;
  mountain.moveTo(0, 75);
  mountain.lineTo(38, 12);
  mountain.lineTo(58, 34);
  mountain.lineTo(72, 20);
  mountain.lineTo(100, 75);
  mountain.closeSubpath();
  p.drawPath(mountain);
  p.setBrush(colour);
  for (const auto& [x, y, r] : std::array<std::array<double, 3>, 6>{
           {{30, 55, 7}, {45, 60, 8}, {60, 54, 6}, {38, 44, 5}, {54, 44, 6}, {70, 62, 6}}}) {
    p.drawEllipse(QPointF(x, y), r, r * 0.8);
  }
}

void Body(QPainter& p, QColor colour, QRectF body, QRectF head) {
  p.setBrush(colour);
  p.drawEllipse(body);
  p.drawEllipse(head);
}

void Legs(QPainter& p, double x0, double x1, double top, double bottom) {
  p.setPen(QPen(QColor(60, 40, 20), 2.5));
  for (double x : {x0, x0 + 6, x1 - 6, x1})
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
  p.setPen(QPen(QColor(40, 40, 40), 1));
}

// The foot of player 1..7's headquarters on the canvas, four in the first row.
QPointF House(int player) {
  const int i = player - 1;
  return {10.0 + (i % 4) * 25, 32.0 + (i / 4) * 34};
}
constexpr QSizeF kFlag(9, 5);

}  // namespace

QColor PlayerColour(int player) {
  const Rgb c = swd::PlayerColour(player);
  return {c.r, c.g, c.b};
}

QPointF PlayersFlagCentre(int player, QSize size) {
  const QPointF on_canvas = House(player) + QPointF(kFlag.width() / 2, -30 + kFlag.height() / 2);
  return {on_canvas.x() * size.width() / kCanvas.width(),
          on_canvas.y() * size.height() / kCanvas.height()};
}

QImage PlayersPicture(int count, QSize size) {
  Canvas c(size);
  QPainter& p = c.painter;
  for (int player = 1; player <= count && player <= 7; ++player) {
    const double x = House(player).x();
    const double y = House(player).y();
    p.setBrush(QColor(170, 150, 120));
    p.drawRect(QRectF(x - 8, y - 12, 16, 14));
    p.setBrush(QColor(140, 40, 30));
    QPainterPath roof;
    roof.moveTo(x - 10, y - 12);
    roof.lineTo(x, y - 22);
    roof.lineTo(x + 10, y - 12);
    roof.closeSubpath();
    p.drawPath(roof);
    p.drawLine(QPointF(x, y - 22), QPointF(x, y - 30));
    p.setBrush(PlayerColour(player));
    p.drawRect(QRectF(QPointF(x, y - 30), kFlag));
  }
  return c.Done();
}

QImage ObjectPicture(ObjectKind kind, QSize size) {
  Canvas c(size);
  QPainter& p = c.painter;
  switch (kind) {
    case ObjectKind::TreeGroups:
      Tree(p, 30, 45, 1.2);
      Tree(p, 50, 38, 1.4);
      Tree(p, 70, 48, 1.1);
      Tree(p, 45, 66, 1.0);
      break;
    case ObjectKind::Granite:
      Rock(p, 35, 55, 1.5, QColor(160, 160, 160));
      Rock(p, 68, 62, 1.1, QColor(130, 130, 130));
      break;
    case ObjectKind::Treasures:
      Lumps(p, QColor(240, 200, 30));
      break;
    case ObjectKind::Animals:
      Body(p, QColor(245, 245, 240), QRectF(28, 30, 40, 24), QRectF(62, 26, 14, 12));
      Legs(p, 34, 60, 52, 66);
      break;
    case ObjectKind::Coal:
      Lumps(p, QColor(30, 30, 30));
      break;
    case ObjectKind::Gold:
      Lumps(p, QColor(240, 200, 30));
      break;
    case ObjectKind::Iron:
      Lumps(p, QColor(150, 70, 50));
      break;
    case ObjectKind::GraniteOre:
      Lumps(p, QColor(190, 190, 190));
      break;
  }
  return c.Done();
}

QImage AnimalPicture(int animal, QSize size) {
  Canvas c(size, animal == 5 ? QColor(0, 0, 206) : QColor(99, 206, 0));
  QPainter& p = c.painter;
  switch (animal) {
    case 1:  // Hasen
      Body(p, QColor(150, 120, 90), QRectF(30, 36, 34, 22), QRectF(58, 30, 14, 12));
      p.drawEllipse(QRectF(60, 12, 5, 20));
      p.drawEllipse(QRectF(66, 14, 5, 18));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(30, 44), 4, 4);
      break;
    case 2: {  // Füchse
      QPainterPath tail;
      tail.moveTo(28, 44);
      tail.cubicTo(12, 40, 8, 52, 14, 58);
      tail.cubicTo(20, 54, 24, 52, 30, 50);
      p.setBrush(QColor(220, 110, 30));
      p.drawPath(tail);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(13, 57), 3, 3);
      Body(p, QColor(220, 110, 30), QRectF(26, 36, 38, 18), QRectF(60, 30, 16, 12));
      Legs(p, 32, 58, 52, 64);
      break;
    }
    case 3:  // Hirsche
      p.setPen(QPen(QColor(90, 60, 30), 2));
      p.drawLine(QPointF(68, 24), QPointF(62, 8));
      p.drawLine(QPointF(64, 14), QPointF(56, 10));
      p.drawLine(QPointF(70, 24), QPointF(78, 8));
      p.drawLine(QPointF(76, 14), QPointF(84, 10));
      p.setPen(QPen(QColor(40, 40, 40), 1));
      Body(p, QColor(140, 80, 40), QRectF(24, 32, 44, 22), QRectF(62, 20, 14, 14));
      Legs(p, 30, 62, 52, 70);
      break;
    case 4:  // Rehe
      Body(p, QColor(190, 130, 70), QRectF(30, 36, 34, 18), QRectF(60, 26, 12, 12));
      Legs(p, 35, 58, 52, 68);
      break;
    case 5:  // Enten
      Body(p, QColor(150, 120, 80), QRectF(26, 36, 40, 20), QRectF(58, 22, 16, 14));
      p.setBrush(QColor(0, 120, 60));
      p.drawEllipse(QRectF(58, 22, 16, 14));
      p.setBrush(QColor(240, 150, 20));
      p.drawEllipse(QRectF(72, 28, 10, 5));
      break;
    default:  // Schafe
      p.setBrush(QColor(245, 245, 240));
      for (const auto& [x, y] : std::array<std::array<double, 2>, 6>{
               {{34, 40}, {44, 36}, {54, 38}, {38, 48}, {50, 48}, {60, 44}}}) {
        p.drawEllipse(QPointF(x, y), 9, 8);
      }
      p.setBrush(QColor(40, 40, 40));
      p.drawEllipse(QRectF(62, 32, 12, 10));
      Legs(p, 36, 58, 54, 66);
      break;
  }
  return c.Done();
}

}  // namespace swd::wizard
