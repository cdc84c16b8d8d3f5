#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

namespace swd::wizard {

// A number as the pages print it: a non-negative number gets one leading blank (" 128").
QString Str(int value);

// The size page's estimate after "Dateigröße ca.": " 226 kB" for 128 x 128.
QString FileSizeEstimate(int width, int height);
// What the estimate shows before the first click on a size.
inline const char* const kInitialEstimate = " 286 kB";

// The size preview's outline in twips (15 twips per pixel), centred on (4080, 1680).
QRect SizeOutlineTwips(int width, int height);
inline constexpr QPoint kOutlineCentreTwips{4080, 1680};

// The type page's line under "Größe der Landschaft :", " 128  x  128".
QString SizeLine(int width, int height);

// The run's note on players without room for their headquarters (run/run.hpp), for the
// generation window, in the program's language.
QString PlayersPlacedNote(int placed, int requested);

// What the "Startwert" field holds: nothing (no seed), a whole number 0 to 4294967295 (the
// seed, as `swdgen generate --seed` takes it; blanks around it do not matter), or anything
// else, which is not valid.
struct StartValue {
  bool valid = true;
  std::optional<std::uint32_t> seed;
};
StartValue ParseStartValue(const QString& text);

// The status bar after a run was stopped (Escape, or the window closed).
inline const char* const kRunStopped =
    QT_TRANSLATE_NOOP("swd::wizard::GenerationPage", "Generierung abgebrochen");

}  // namespace swd::wizard
