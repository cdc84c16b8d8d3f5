#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

#include "model/class_tables.hpp"
#include "model/settings.hpp"
#include "wizard/pictures.hpp"

// Sample landscapes are painted as the preview paints a map: one cell per vertex in the
// preview colour of its terrain class, then enlarged without smoothing. The land masses are
// smooth functions of the position (no random numbers), so every start shows the same.

namespace swd::wizard {

namespace {

constexpr double kPi = 3.14159265358979;

// Positive inside the land, roughly the distance to the coast; u and v run over 0..1.
using LandMask = std::function<double(double u, double v)>;

double Wave(double u, double v, double a, double b, double c) {
  return std::sin(a * u + c) * std::cos(b * v + 0.7 * c);
}

int ClassAt(int type, double depth, double u, double v) {
  if (depth <= 0) return 1;
  const bool winter = type == Winterland;
  if (depth < 0.03) return winter ? 6 : 4;
  const double height = depth * 1.7 + 0.12 * Wave(u, v, 9.1, 7.3, 0.4);
  if (height > 0.80) return winter ? 9 : 8;
  if (height > 0.62) return 7;
  if (!winter && height > 0.55) return 9;
  if (Wave(u, v, 13.0, 11.0, 1.9) + 0.4 * Wave(v, u, 23.0, 19.0, 0.3) > 0.62 && depth > 0.08) {
    return 1;  // a lake
  }
  if (Wave(u, v, 8.3, 10.1, 2.6) > 0.35) return 2;
  if (Wave(u, v, 5.2, 6.7, 4.1) > 0.55) return winter ? 5 : 6;
  if (Wave(u, v, 11.4, 4.3, 5.3) > 0.6) return winter ? 4 : 5;
  return 0;
}

QImage PaintCells(int type, int cells_w, int cells_h, const LandMask& mask, bool symmetric) {
  ClassTables tables;
  FillClassTables(tables, type);
  QImage cells(cells_w, cells_h, QImage::Format_RGB32);
  for (int y = 0; y < cells_h; ++y) {
    for (int x = 0; x < cells_w; ++x) {
      const bool mirrored = symmetric && (y * cells_w + x) * 2 >= cells_w * cells_h;
      const int sx = mirrored ? cells_w - 1 - x : x;
      const int sy = mirrored ? cells_h - 1 - y : y;
      const double u = (sx + 0.5) / cells_w;
      const double v = (sy + 0.5) / cells_h;
      const Rgb c = tables.ClassPreviewColour[ClassAt(type, mask(u, v), u, v)];
      cells.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  }
  return cells;
}

QImage Enlarged(const QImage& cells, QSize size) {
  return cells.scaled(size);  // nearest neighbour, no smoothing
}

double Island(double u, double v, double cu, double cv, double radius) {
  const double du = (u - cu) * 1.2;
  const double dv = v - cv;
  const double angle = std::atan2(dv, du);
  const double r = radius * (1.0 + 0.12 * std::sin(5 * angle) + 0.07 * std::sin(9 * angle + 1));
  return r - std::hypot(du, dv);
}

double Spiral(double u, double v, double outer) {
  const double du = (u - 0.5) * 1.2;
  const double dv = v - 0.5;
  const double r = std::hypot(du, dv);
  if (r > outer) return outer - r;
  const double turn = 0.11;  // distance between the arms
  double angle = std::atan2(dv, du);
  if (angle < 0) angle += 2 * kPi;
  const double along = r - turn * angle / (2 * kPi);
  const double nearest = along - turn * std::round(along / turn);
  return 0.035 - std::abs(nearest);
}

double Ring(double u, double v, double radius, double half_width) {
  const double d = std::hypot((u - 0.5) * 1.2, v - 0.5);
  return half_width - std::abs(d - radius);
}

// The "Spezial" shape is a picture the user paints: a blocky hand-made map.
constexpr std::array<const char*, 12> kPaintedMap = {
    "................", "..####.....##...", ".######...####..", ".##MM###..####..",
    "..#MM####.###...", "...#########....", "....####LL###...", "...###LLL####...",
    "..####DD######..", "..###DDD####....", "...#####.##.....", "................",
};

QImage PaintedPicture(QSize size) {
  ClassTables tables;
  FillClassTables(tables, Gruenland);
  const int w = 16;
  const int h = static_cast<int>(kPaintedMap.size());
  QImage cells(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int c = 0;
      switch (kPaintedMap[y][x]) {
        case '.':
        case 'L':
          c = 1;
          break;
        case 'M':
          c = 7;
          break;
        case 'D':
          c = 6;
          break;
        default:
          c = 0;
      }
      const Rgb rgb = tables.ClassPreviewColour[c];
      cells.setPixel(x, y, qRgb(rgb.r, rgb.g, rgb.b));
    }
  }
  QImage picture = Enlarged(cells, size);
  // A brush lying on the painted map.
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size.width() / 120.0;
  p.translate(size.width() * 0.62, size.height() * 0.78);
  p.rotate(-40);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(150, 90, 40));
  p.drawRoundedRect(QRectF(0, -3 * s, 34 * s, 6 * s), 2 * s, 2 * s);
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(-8 * s, -3.5 * s, 8 * s, 7 * s));
  p.setBrush(QColor(140, 40, 30));
  p.drawEllipse(QRectF(-20 * s, -4 * s, 14 * s, 8 * s));
  return picture;
}

QSize CellsFor(QSize size) {
  return {std::max(8, size.width() / 2), std::max(6, size.height() / 2)};
}

}  // namespace

QImage LandscapePicture(int landscape_type, QSize size) {
  const QSize cells = CellsFor(size);
  const auto mask = [](double u, double v) { return Island(u, v, 0.5, 0.5, 0.4); };
  return Enlarged(PaintCells(landscape_type, cells.width(), cells.height(), mask, false), size);
}

QImage ShapePicture(int index, QSize size) {
  const QSize cells = CellsFor(size);
  LandMask mask;
  bool symmetric = false;
  switch (index) {
    case 0:
      mask = [](double u, double v) { return Island(u, v, 0.5, 0.5, 0.4); };
      break;
    case 1:
      symmetric = true;
      mask = [](double u, double v) {
        return std::max(Island(u, v, 0.34, 0.36, 0.24), Island(u, v, 0.66, 0.64, 0.24));
      };
      break;
    case 2:
      mask = [](double u, double v) { return Spiral(u, v, 0.46); };
      break;
    case 3:
      mask = [](double u, double v) {
        return std::max(Spiral(u, v, 0.30), Ring(u, v, 0.40, 0.045));
      };
      break;
    case 4:
      mask = [](double u, double v) { return Ring(u, v, 0.32, 0.085); };
      break;
    default:
      return PaintedPicture(size);
  }
  return Enlarged(PaintCells(Gruenland, cells.width(), cells.height(), mask, symmetric), size);
}

QImage SplashPicture(QSize size) {
  const QSize cells(size.width() / 3, size.height() / 3);
  const auto mask = [](double u, double v) {
    return std::max(Island(u, v, 0.36, 0.5, 0.36), Island(u, v, 0.8, 0.4, 0.16));
  };
  return Enlarged(PaintCells(Gruenland, cells.width(), cells.height(), mask, false), size);
}

}  // namespace swd::wizard
