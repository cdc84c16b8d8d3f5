#include <array>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "model/sweep.hpp"
#include "shape/coast_passes.hpp"
#include "shape/picture_reader.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

// Palette indices of the picture legend.
constexpr int kSeaPixel = 1;
constexpr int kLakePixel = 17;
constexpr int kLavaPixel = 10;
constexpr int kDesertPixel = 6;

// Mountain indices and the ResourceLayer base each adds to its draw of 4..7 (none for
// the plain mountain): granite, coal, iron, gold.
struct MountainPixel {
  int index;
  int resource_base;  // -1: the layer is cleared
};
constexpr std::array<MountainPixel, 5> kMountainPixels{
    {{7, -1}, {12, 88}, {13, 64}, {14, 72}, {15, 80}}};

int PictureIndex(const Generator& g, int x, int y) {
  const std::size_t i = static_cast<std::size_t>(x) + static_cast<std::size_t>(g.run.MapWidth) * y;
  return i < g.picture.size() ? g.picture[i] : 0;
}

// One phase of the picture base: every row top to bottom, every cell left to right.
template <class Lay>
void PicturePhase(Generator& g, MessageKey status, Lay&& lay) {
  BeginStep(g, status);
  SetBar(g, 0);
  Sweep(g, WholeMapByRows(g), [&](int x, int y) { lay(x, y, PictureIndex(g, x, y)); });
}

}  // namespace

Message LoadPicture(Generator& g) {
  PictureRead read = LoadPictureFile(g.run.PicturePath, g.run.MapWidth, g.run.MapHeight);
  g.picture = std::move(read.pixels);
  return read.problem;
}

void BuildPictureBase(Generator& g) {
  // The picture was read and checked before the run began.
  PicturePhase(g, MessageKey::StatusReadPicture, [](int, int, int) {});

  PicturePhase(g, MessageKey::StatusBuildBase, [&](int x, int y, int index) {
    ResetCell(g, x, y, index == kSeaPixel ? Water : OpenLand);
  });
  RunCoastPasses(g, kSeaShore);

  PicturePhase(g, MessageKey::StatusCreateLakes, [&](int x, int y, int index) {
    if (index == kLakePixel) ResetCell(g, x, y, Water);
  });
  // Lakes get a sandy shore in every landscape type, Winterland included.
  RunCoastPasses(g, kSandyShore);

  PicturePhase(g, MessageKey::StatusCreateMountainsAndResources, [&](int x, int y, int index) {
    for (const MountainPixel& m : kMountainPixels) {
      if (index != m.index) continue;
      SetCellClass(g, x, y, Mountain);
      const int r = RandomInt(g, 4, 7);
      g.grid(x, y, ResourceLayer) =
          static_cast<std::uint8_t>(m.resource_base < 0 ? 0 : m.resource_base + r);
    }
  });
  RunCoastPasses(g, kMountainMeadows);

  PicturePhase(g, MessageKey::StatusCreateLava, [&](int x, int y, int index) {
    if (index == kLavaPixel) SetCellClass(g, x, y, Lava);
  });

  PicturePhase(g, MessageKey::StatusCreateDeserts, [&](int x, int y, int index) {
    if (index == kDesertPixel) SetCellClass(g, x, y, Desert);
  });
  RunCoastPasses(g, kDesertBelts);
  EndStep(g);
}

}  // namespace swd
