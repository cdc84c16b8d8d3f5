#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/fairness.hpp"
#include "cli/generate_options.hpp"
#include "cli/thumbnail.hpp"

namespace swd::cli {

// Where the maps of a batch go: FOLDER/NAME-SEED.swd, .bmp and .png, and the summary
// FOLDER/NAME.json beside them. An empty folder is the current one.
struct BatchNames {
  std::filesystem::path folder;
  std::string name;

  // From --out (its folder and stem), else "Karte" in the current folder.
  static BatchNames For(const GenerateRequest& request);
  std::filesystem::path MapFile(std::uint32_t seed, const char* extension) const;
  std::filesystem::path SummaryFile(const char* extension) const;
};

// One map of a batch, as written.
struct BatchMap {
  std::uint32_t seed = 0;
  int players_placed = 0;
  int players_requested = 0;
  std::string code;  // the map's code
  std::filesystem::path map, bitmap;
  std::optional<std::filesystem::path> picture;  // with --png
  // With --analyze: the analysis as `swdgen analyze --json` writes it, and its fairness
  // (none for fewer than two starts).
  bool analysed = false;
  std::string analysis_json;
  std::optional<Fairness> fairness;
  Thumbnail thumbnail;  // with --sheet
};

struct BatchMapResult {
  enum class Status { Written, Cancelled, Failed };
  Status status = Status::Cancelled;
  BatchMap map;
  Message problem;      // for Failed: why, one line
  int exit_status = 0;  // for Failed
};

// Makes the map of `seed` with its own generator and host, analyses and draws it as the
// request asks, and writes its files as one safe save: they are all there or none is. A run
// that Ctrl-C stops, or that ends after `stop` was set or Ctrl-C pressed, writes nothing.
BatchMapResult MakeBatchMap(const GenerateRequest& request, const BatchNames& names,
                            std::uint32_t seed, const std::atomic<bool>& stop);

}  // namespace swd::cli
