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
  // The map's code (model/map_code.hpp), with the start objects as written; empty for a run
  // whose seed is not known.
  std::string code;
};

// The code of the map the generator's run makes, with the start objects as `start_objects`
// says; empty when the run's seed is not known.
std::string RunCode(const Generator& g, bool start_objects);

// Asks for the save target, writes the map file and its preview bitmap. A cancelled save
// dialog leaves `written` false and the progress bar as it is.
WriteResult WriteMapFile(Generator& g);

}  // namespace swd
