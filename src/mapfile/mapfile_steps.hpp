#pragma once

#include <filesystem>

#include "model/generator.hpp"

namespace swd {

void ConvertToGameCodes(Generator& g);
void ShiftTerrain(Generator& g);
void SmoothCorners1(Generator& g);
void SmoothCorners2(Generator& g);
void SmoothCorners3(Generator& g);
void SmoothCorners4(Generator& g);
void FillEmptyData(Generator& g);

struct WriteResult {
  bool written = false;  // false: the save dialog was cancelled
  std::filesystem::path map_path;
  std::filesystem::path bitmap_path;
};

// Asks for the save target, writes the map file and its preview bitmap. A cancelled save
// dialog leaves `written` false and the progress bar as it is.
WriteResult WriteMapFile(Generator& g);

}  // namespace swd
