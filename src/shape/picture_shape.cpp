#include <array>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "shape/picture_reader.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

using Rule = CoastPass::Rule;

// Palette indices of the picture legend.
constexpr int kSea = 1;
constexpr int kLake = 17;
constexpr int kLava = 10;
constexpr int kDesert = 6;

// Mountain indices and the ResourceLayer base each adds to its draw of 4..7 (none for
// the plain mountain): granite, coal, iron, gold.
struct MountainPixel {
  int index;
  int resource_base;  // -1: the layer is cleared
};
constexpr std::array<MountainPixel, 5> kMountainPixels{
    {{7, -1}, {12, 88}, {13, 64}, {14, 72}, {15, 80}}};

constexpr CoastPass kSeaShore[] = {{Rule::Match, {0, 0, 1, 4, 5}}, {Rule::Match, {4, 5, 1, 5, 6}}};
constexpr CoastPass kWinterSeaShore[] = {{Rule::Match, {0, 0, 1, 6, 6}},
                                         {Rule::Match, {6, 6, 1, 8, 3}}};
// Lakes get a sandy shore in every landscape type, Winterland included.
constexpr CoastPass kLakeShore[] = {{Rule::Match, {0, 0, 1, 4, 5}}};
constexpr CoastPass kMountainMeadows[] = {{Rule::Match, {0, 6, 7, 9, 9}},
                                          {Rule::Match, {5, 5, 9, 9, 9}}};
constexpr CoastPass kDesertBands[] = {{Rule::Match, {0, 0, 6, 5, 5}},
                                      {Rule::Match, {0, 0, 5, 4, 4}}};

int PictureIndex(const Generator& g, int x, int y) {
  const std::size_t i = static_cast<std::size_t>(x) + static_cast<std::size_t>(g.run.MapWidth) * y;
  return i < g.picture.size() ? g.picture[i] : 0;
}

// One phase of the picture base: every row top to bottom, every cell left to right.
template <class Lay>
void PicturePhase(Generator& g, std::string_view status, Lay&& lay) {
  BeginStep(g, status);
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  g.host->SetProgress(0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      lay(x, y, PictureIndex(g, x, y));
    ReportProgress(g, Percent(y, h));
  }
}

}  // namespace

std::string LoadPicture(Generator& g) {
  PictureRead read = LoadPictureFile(g.run.PicturePath, g.run.MapWidth, g.run.MapHeight);
  g.picture = std::move(read.pixels);
  return read.problem;
}

void BuildPictureBase(Generator& g) {
  const bool winter = g.run.LandscapeType == Winterland;
  // The picture was read and checked before the run began.
  PicturePhase(g, "Lese Bild ein", [](int, int, int) {});

  PicturePhase(g, "Grundfläche wird geschaffen",
               [&](int x, int y, int index) { ResetCell(g, x, y, index == kSea ? 1 : 0); });
  if (winter) {
    RunCoastPasses(g, kWinterSeaShore);
  } else {
    RunCoastPasses(g, kSeaShore);
  }

  PicturePhase(g, "Seen werden geschaffen", [&](int x, int y, int index) {
    if (index == kLake) ResetCell(g, x, y, 1);
  });
  RunCoastPasses(g, kLakeShore);

  PicturePhase(g, "Schaffe Gebirgszüge und Schätze", [&](int x, int y, int index) {
    for (const MountainPixel& m : kMountainPixels) {
      if (index != m.index) continue;
      SetCellClass(g, x, y, 7);
      const int r = RandomInt(g, 4, 7);
      g.grid(x, y, ResourceLayer) =
          static_cast<std::uint8_t>(m.resource_base < 0 ? 0 : m.resource_base + r);
    }
  });
  if (!winter) RunCoastPasses(g, kMountainMeadows);

  PicturePhase(g, "Schaffe Lava", [&](int x, int y, int index) {
    if (index == kLava) SetCellClass(g, x, y, 10);
  });

  PicturePhase(g, "Wüstenregionen werden geschaffen", [&](int x, int y, int index) {
    if (index == kDesert) SetCellClass(g, x, y, 6);
  });
  RunCoastPasses(g, kDesertBands);
  EndStep(g);
}

}  // namespace swd
