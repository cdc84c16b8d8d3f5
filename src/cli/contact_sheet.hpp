#pragma once

#include <filesystem>
#include <string>

#include "cli/batch_summary.hpp"

namespace swd::cli {

// The contact sheet of a batch: one HTML file that a browser opens from the disk, with every
// map's thumbnail (in the file itself, as data: URIs), its seed, players placed and fairness,
// links to its files relative to `sheet`, and buttons that sort the maps by fairness or seed
// (a few lines of inline JavaScript). Nothing is loaded from elsewhere.
std::string ContactSheetHtml(const BatchReport& report, const std::filesystem::path& sheet);

}  // namespace swd::cli
