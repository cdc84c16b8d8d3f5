#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/language.hpp"
#include "mapfile/swd_map.hpp"
#include "model/host.hpp"
#include "render/map_picture.hpp"

namespace swd::cli {

// What `swdgen render` was asked for, as raw option texts.
struct RenderArgs {
  std::string map, out, scale;
  std::vector<std::string> overlays;
  Language language = Language::English;
};

int RunRender(const RenderArgs& args, std::ostream& out, std::ostream& err);

// The map drawn as the PNG file `png`, ready to be written; or, when it cannot be encoded,
// the reason.
struct MapPictureFile {
  FileContent file;
  Message problem;
};
MapPictureFile EncodeMapPicture(const SwdMap& map, const RenderOptions& options,
                                const std::filesystem::path& png);

// Where the picture of the map file `map` goes, for the value `png` of --png: beside the map
// under its name when `png` is empty, into the folder `png` names under the map's name when it
// has no file name ("dir/"), else `png` itself.
std::filesystem::path PicturePath(const std::filesystem::path& png,
                                  const std::filesystem::path& map);

// Draws the map of files.front() (a map file's bytes) as render draws it by default and adds
// the picture to the files, at PicturePath(png, the map's path); returns an empty string or
// the reason it could not be drawn.
Message AddMapPicture(std::vector<FileContent>& files, const std::filesystem::path& png);

// Draws the map and writes the picture as a PNG file, atomically; returns an empty string or
// the reason it could not be written.
Message WriteMapPicture(const SwdMap& map, const RenderOptions& options,
                        const std::filesystem::path& png);

}  // namespace swd::cli
