#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/language.hpp"
#include "model/setting_table.hpp"
#include "model/settings.hpp"

namespace swd::cli {

// What `swdgen generate` was asked for, as raw option texts.
struct GenerateArgs {
  // The options of the table of settings, by the setting's key, each value as given (an
  // option given twice, as --amount may be, has two); a flag's is "1" for --KEY and "0" for
  // --no-KEY.
  std::map<std::string, std::vector<std::string>, std::less<>> settings;
  std::string out, title = "Phantasia-Zufall", seed, dump_steps, best_of, code;
  std::optional<std::string> author;
  std::optional<std::string> png;                 // given without a file: beside the map
  std::optional<std::string> count, jobs, sheet;  // none: not given
  bool quiet = false, timing = false, analyze = false, csv = false;
  bool json = false;  // one JSON object on stdout instead of the lines
  Language language = Language::English;
};

// The checked result: the wizard settings plus the command line's own choices.
struct GenerateRequest {
  GeneratorSettings settings;
  // With ".swd"; without a file name ("maps/"), the folder for the proposed name; none: the
  // proposed name in the current folder.
  std::optional<std::filesystem::path> out;
  std::string title;
  std::optional<std::string> author;  // none: the map's code where it fits
  std::optional<std::uint32_t> seed;
  std::optional<std::filesystem::path> dump_dir;
  // The picture to write with the map, where PicturePath puts it: an empty path beside the
  // map, one without a file name into that folder, under the map's name.
  std::optional<std::filesystem::path> png;
  bool quiet = false;
  bool timing = false;  // each row's time after the run
  int best_of = 0;      // candidates to choose from; 0: just the one run
  // The batch: `count` maps (0: none, just the one run) on `jobs` threads, each analysed
  // for the summary with `analyze`, the summary also as CSV with `csv`, and a contact sheet.
  int count = 0;
  int jobs = 1;
  bool analyze = false;
  bool csv = false;
  std::optional<std::filesystem::path> sheet;  // with ".html"
  bool json = false;
  Language language = Language::English;  // of every text the command prints
};

inline constexpr int kMostBatchMaps = 1000;
inline constexpr int kMostJobs = 64;

struct Checked {
  std::optional<GenerateRequest> request;
  Message error;  // one line naming the option and what it accepts
};

// `rows` are the table of settings whose options `args.settings` holds.
Checked CheckGenerateArgs(const GenerateArgs& args,
                          std::span<const SettingRow> rows = SettingRows());

// `text` given to `option` as a whole number lo..hi; else no value and the one-line error,
// "OPTION: 'TEXT' is not valid; it accepts ACCEPTS", that every option of the command gives.
// `accepts` is AcceptsWhole with lo and hi unless given.
struct WholeOption {
  std::optional<long> value;
  Message error;
};
WholeOption ParseWholeOption(const std::string& option, const std::string& text, long lo, long hi,
                             Message accepts = {});

}  // namespace swd::cli
