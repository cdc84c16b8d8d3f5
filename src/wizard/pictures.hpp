#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

namespace swd::wizard {

// Every picture of the wizard is drawn here by the program itself: landscapes in the
// preview colours of the terrain classes, objects and animals as small drawings.

// A sample landscape of the given type (0 Grünland, 1 Ödland, 2 Winterland).
QImage LandscapePicture(int landscape_type, QSize size);

// The base-shape thumbnails in the order of the base-shape page: Insel, Insel (sym.),
// Spirale, Spirale mit Ring, Ring, Spezial.
inline constexpr int kShapePictureCount = 6;
QImage ShapePicture(int index, QSize size);

// The splash picture: a landscape with the program's name over it is drawn by the splash.
QImage SplashPicture(QSize size);

// The colour of player 1..7, that of the player's flag in `swdgen render`'s pictures: the
// players page's flags and the start markers over the preview show it too.
QColor PlayerColour(int player);

// Headquarters of `count` players with their flags in their colours.
QImage PlayersPicture(int count, QSize size);
// Where the middle of player 1..7's flag is in PlayersPicture(…, size).
QPointF PlayersFlagCentre(int player, QSize size);

enum class ObjectKind { TreeGroups, Granite, Treasures, Animals, Coal, Gold, Iron, GraniteOre };
QImage ObjectPicture(ObjectKind kind, QSize size);

// Animals 1..6: Hasen, Füchse, Hirsche, Rehe, Enten, Schafe.
QImage AnimalPicture(int animal, QSize size);

}  // namespace swd::wizard
