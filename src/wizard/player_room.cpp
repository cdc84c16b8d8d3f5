#include "wizard/player_room.hpp"

#include <QCoreApplication>
#include <array>
#include <cmath>

#include "wizard/shape_page.hpp"

namespace swd::wizard {

namespace {

struct RoomRow {
  BaseShape shape;
  int side;  // the measured maps are side x side
  // percent of the maps on which 1, 2, ..., 7 players all found room
  std::array<int, 7> percent_with_room;
};

// Measured by player_room_measure.sh: 100 maps (seeds 1000 to 1099) of each shape and
// square side, with the default settings and 7 players asked for, made by `swdgen
// generate --count`; a map that placed k players counts for 1..k. The headquarters need
// 5 x 5 vertices of open land and (width + height) / 16 + 16 vertices between them, and
// "Insel (sym.)" places them in mirrored pairs, so it never holds 7.
constexpr RoomRow kRoom[] = {
    {BaseShape::NoIsland, 32, {99, 68, 12, 0, 0, 0, 0}},
    {BaseShape::NoIsland, 48, {100, 100, 93, 55, 4, 0, 0}},
    {BaseShape::NoIsland, 64, {100, 100, 100, 98, 77, 25, 3}},
    {BaseShape::NoIsland, 80, {100, 100, 100, 100, 100, 92, 60}},
    {BaseShape::NoIsland, 96, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 112, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 128, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 144, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 160, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 176, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 192, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 208, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 224, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 240, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::NoIsland, 256, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 32, {56, 0, 0, 0, 0, 0, 0}},
    {BaseShape::Island, 48, {97, 20, 0, 0, 0, 0, 0}},
    {BaseShape::Island, 64, {100, 98, 64, 9, 0, 0, 0}},
    {BaseShape::Island, 80, {100, 100, 98, 72, 18, 1, 1}},
    {BaseShape::Island, 96, {100, 100, 100, 98, 77, 40, 7}},
    {BaseShape::Island, 112, {100, 100, 100, 100, 98, 86, 57}},
    {BaseShape::Island, 128, {100, 100, 100, 100, 100, 100, 95}},
    {BaseShape::Island, 144, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 160, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 176, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 192, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 208, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 224, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 240, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Island, 256, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::IslandSymmetric, 32, {52, 52, 0, 0, 0, 0, 0}},
    {BaseShape::IslandSymmetric, 48, {96, 96, 0, 0, 0, 0, 0}},
    {BaseShape::IslandSymmetric, 64, {100, 100, 34, 34, 0, 0, 0}},
    {BaseShape::IslandSymmetric, 80, {100, 100, 93, 93, 15, 15, 0}},
    {BaseShape::IslandSymmetric, 96, {100, 100, 100, 100, 72, 72, 0}},
    {BaseShape::IslandSymmetric, 112, {100, 100, 100, 100, 95, 95, 0}},
    {BaseShape::IslandSymmetric, 128, {100, 100, 100, 100, 99, 99, 0}},
    {BaseShape::IslandSymmetric, 144, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 160, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 176, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 192, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 208, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 224, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 240, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::IslandSymmetric, 256, {100, 100, 100, 100, 100, 100, 0}},
    {BaseShape::Spiral, 32, {52, 0, 0, 0, 0, 0, 0}},
    {BaseShape::Spiral, 48, {92, 7, 0, 0, 0, 0, 0}},
    {BaseShape::Spiral, 64, {100, 93, 27, 0, 0, 0, 0}},
    {BaseShape::Spiral, 80, {100, 99, 86, 25, 1, 0, 0}},
    {BaseShape::Spiral, 96, {100, 100, 100, 91, 33, 4, 0}},
    {BaseShape::Spiral, 112, {100, 100, 100, 99, 87, 45, 8}},
    {BaseShape::Spiral, 128, {100, 100, 100, 100, 100, 90, 51}},
    {BaseShape::Spiral, 144, {100, 100, 100, 100, 100, 100, 86}},
    {BaseShape::Spiral, 160, {100, 100, 100, 100, 100, 100, 99}},
    {BaseShape::Spiral, 176, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Spiral, 192, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Spiral, 208, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Spiral, 224, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Spiral, 240, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Spiral, 256, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 32, {49, 0, 0, 0, 0, 0, 0}},
    {BaseShape::SpiralWithRing, 48, {89, 15, 0, 0, 0, 0, 0}},
    {BaseShape::SpiralWithRing, 64, {100, 92, 35, 0, 0, 0, 0}},
    {BaseShape::SpiralWithRing, 80, {100, 100, 92, 40, 1, 0, 0}},
    {BaseShape::SpiralWithRing, 96, {100, 100, 100, 90, 49, 15, 0}},
    {BaseShape::SpiralWithRing, 112, {100, 100, 100, 100, 100, 81, 40}},
    {BaseShape::SpiralWithRing, 128, {100, 100, 100, 100, 100, 98, 83}},
    {BaseShape::SpiralWithRing, 144, {100, 100, 100, 100, 100, 100, 97}},
    {BaseShape::SpiralWithRing, 160, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 176, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 192, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 208, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 224, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 240, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::SpiralWithRing, 256, {100, 100, 100, 100, 100, 100, 100}},
    {BaseShape::Ring, 32, {0, 0, 0, 0, 0, 0, 0}},
    {BaseShape::Ring, 48, {0, 0, 0, 0, 0, 0, 0}},
    {BaseShape::Ring, 64, {38, 16, 0, 0, 0, 0, 0}},
    {BaseShape::Ring, 80, {74, 57, 33, 7, 0, 0, 0}},
    {BaseShape::Ring, 96, {85, 77, 68, 47, 4, 1, 0}},
    {BaseShape::Ring, 112, {95, 91, 84, 76, 44, 7, 0}},
    {BaseShape::Ring, 128, {98, 96, 94, 89, 72, 32, 5}},
    {BaseShape::Ring, 144, {98, 98, 95, 92, 86, 61, 23}},
    {BaseShape::Ring, 160, {98, 98, 97, 95, 95, 82, 42}},
    {BaseShape::Ring, 176, {99, 99, 98, 97, 97, 93, 73}},
    {BaseShape::Ring, 192, {99, 98, 98, 98, 97, 96, 86}},
    {BaseShape::Ring, 208, {100, 100, 100, 100, 99, 98, 94}},
    {BaseShape::Ring, 224, {100, 100, 100, 100, 99, 97, 96}},
    {BaseShape::Ring, 240, {100, 100, 100, 99, 99, 99, 98}},
    {BaseShape::Ring, 256, {100, 100, 100, 100, 100, 99, 99}},
};

QString Tr(const char* text) {
  return QCoreApplication::translate("swd::wizard::PlayerRoom", text);
}

// The shape's name on the base-shape page.
QString NameOf(BaseShape shape) {
  const int index = static_cast<int>(shape) - static_cast<int>(BaseShape::Island);
  return ShapeName(kShapeChoices[index].shape);
}

}  // namespace

BaseShape BaseShapeOf(const GeneratorSettings& s) {
  if (!s.CheckInsel) return BaseShape::NoIsland;
  if (!s.CheckErwEinst) return BaseShape::Island;
  switch (s.land_shape) {
    case LandShape::Island:
      return BaseShape::Island;
    case LandShape::IslandSymmetric:
      return BaseShape::IslandSymmetric;
    case LandShape::Spiral:
      return BaseShape::Spiral;
    case LandShape::Ring:
      return BaseShape::Ring;
    case LandShape::SpiralWithRing:
      return BaseShape::SpiralWithRing;
    case LandShape::Picture:
      return BaseShape::Picture;
  }
  return BaseShape::Island;
}

std::optional<int> PercentWithRoom(BaseShape shape, int width, int height, int players) {
  if (players < 1 || players > 7) return std::nullopt;
  const int side = static_cast<int>(std::sqrt(static_cast<double>(width) * height));
  const RoomRow* found = nullptr;
  for (const RoomRow& row : kRoom) {
    if (row.shape != shape) continue;
    if (found == nullptr || row.side <= side) found = &row;
  }
  if (found == nullptr) return std::nullopt;
  return found->percent_with_room[static_cast<std::size_t>(players - 1)];
}

QString PlayerRoomWarning(const GeneratorSettings& s) {
  const BaseShape shape = BaseShapeOf(s);
  int players = s.PlayerCount;
  QString pairs;
  if (shape == BaseShape::IslandSymmetric && players % 2 == 1) {
    pairs =
        Tr(QT_TRANSLATE_NOOP(
               "swd::wizard::PlayerRoom",
               "„Insel (sym.)“ setzt die Spieler paarweise: von %1 Spielern werden höchstens %2 "
               "platziert."))
            .arg(players)
            .arg(players - 1);
    --players;
  }
  const auto percent = PercentWithRoom(shape, s.MapWidth, s.MapHeight, players);
  if (players == 0 || !percent || *percent >= 90) return pairs;

  const QString where =
      shape == BaseShape::NoIsland
          ? Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                 "Auf einer Karte von %1 x %2 ohne „Insel“"))
                .arg(s.MapWidth)
                .arg(s.MapHeight)
          : Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                 "Auf einer Karte von %1 x %2 mit der Grundform „%3“"))
                .arg(s.MapWidth)
                .arg(s.MapHeight)
                .arg(NameOf(shape));
  const int tenths = (*percent + 5) / 10;
  QString text =
      *percent < 10
          ? Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                 "%1 finden %2 Spieler so gut wie nie alle Platz."))
                .arg(where)
                .arg(players)
          : Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                 "%1 finden %2 Spieler nur bei etwa %3 von 10 Karten alle Platz."))
                .arg(where)
                .arg(players)
                .arg(tenths);
  int safe = players - 1;
  while (safe > 0 && PercentWithRoom(shape, s.MapWidth, s.MapHeight, safe).value_or(0) < 90)
    --safe;
  if (shape == BaseShape::IslandSymmetric) safe -= safe % 2;
  text += " " + (safe > 0 ? Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                                 "Fast immer ist Platz für bis zu %1 Spieler."))
                                .arg(safe)
                          : Tr(QT_TRANSLATE_NOOP("swd::wizard::PlayerRoom",
                                                 "Eine größere Karte gibt ihnen Raum.")));
  return pairs.isEmpty() ? text : pairs + " " + text;
}

}  // namespace swd::wizard
