#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "mapfile/swd_map.hpp"
#include "model/host.hpp"
#include "render/map_picture.hpp"

namespace swd::cli {

// What `swdgen render` was asked for, as raw option texts.
struct RenderArgs {
  std::string map, out, scale;
  std::vector<std::string> overlays;
};

int RunRender(const RenderArgs& args, std::ostream& out, std::ostream& err);

// The map drawn as the PNG file `png`, ready to be written; or, when it cannot be encoded,
// the German reason.
struct MapPictureFile {
  FileContent file;
  std::string problem;
};
MapPictureFile EncodeMapPicture(const SwdMap& map, const RenderOptions& options,
                                const std::filesystem::path& png);

// Draws the map and writes the picture as a PNG file, atomically; returns an empty string or
// the German reason it could not be written.
std::string WriteMapPicture(const SwdMap& map, const RenderOptions& options,
                            const std::filesystem::path& png);

}  // namespace swd::cli
