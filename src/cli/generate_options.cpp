#include "cli/generate_options.hpp"

#include <algorithm>
#include <charconv>
#include <set>
#include <system_error>
#include <thread>

#include "cli/output_options.hpp"
#include "cli/render_command.hpp"
#include "files/file_writer.hpp"
#include "mapfile/save_names.hpp"
#include "model/map_code.hpp"
#include "model/settings_check.hpp"
#include "run/best_of.hpp"
#include "shape/picture_reader.hpp"

namespace swd::cli {

namespace {

struct BadValue {
  std::string message;
};

long ParseWhole(const std::string& option, const std::string& text, long lo, long hi,
                const std::string& accepts) {
  const WholeOption parsed = ParseWholeOption(option, text, lo, hi, accepts);
  if (!parsed.value) throw BadValue{parsed.error};
  return *parsed.value;
}

// The option that names a key, for messages.
std::string OptionOf(const std::string& key, std::span<const SettingRow> rows) {
  const auto members = RowsOfKey(key, rows);
  return members.empty() ? "--" + key : OptionName(members.front());
}

// The settings the options give, each read by the table. Without --code they start from the
// defaults, and any option of the extended pages ticks "Erweiterte Einstellungen"; with a
// code they are the code's, and an option may only repeat what the code holds.
GeneratorSettings SettingsOf(const GenerateArgs& a, std::span<const SettingRow> rows,
                             const std::optional<MapCode>& code) {
  GeneratorSettings s = code ? code->settings : GeneratorSettings{};
  bool extended = false;
  for (const auto& [key, texts] : a.settings) {
    const std::string option = OptionOf(key, rows);
    GeneratorSettings given = s;
    for (const std::string& text : texts) {
      if (const std::string problem = ReadKeyText(key, text, given, rows); !problem.empty()) {
        throw BadValue{option + ": " + problem};
      }
    }
    const auto members = RowsOfKey(key, rows);
    if (!members.empty() && members.front().page == SettingPage::Resources) {
      const ResourceShareSet& r = given.ResourceShares;
      if (const int sum = r.coal + r.gold + r.iron + r.granite; sum != 100) {
        throw BadValue{option + ": '" + KeyText(key, given, rows) + "' adds up to " +
                       std::to_string(sum) + "; the shares must add up to 100"};
      }
    }
    for (const SettingRow& row : members) {
      extended = extended || OnExtendedPage(row.page);
      if (code && row.type != SettingType::Picture && ValueOf(row, given) != ValueOf(row, s)) {
        throw BadValue{option + ": '" + KeyText(key, given, rows) +
                       "' contradicts the map code, which holds '" + KeyText(key, s, rows) + "'"};
      }
    }
    s = given;
  }
  if (!code && extended) s.CheckErwEinst = true;
  return s;
}

// The picture of "Spezial": given where the shape needs it and only then, and usable for
// the map's size (read now, so that an unsuitable picture stops the command before anything
// runs); with a code, the code's picture.
void CheckPicture(GeneratorSettings& s, const std::optional<MapCode>& code) {
  const bool needs = s.land_shape == LandShape::Picture;
  if (needs && s.PicturePath.empty()) {
    if (code)
      throw BadValue{"--code: " + Message(MessageKey::CodeNeedsPicture).German() +
                     " (--picture FILE)"};
    throw BadValue{"--shape: 'spezial' needs --picture FILE, an 8-bit bitmap of the map's size"};
  }
  if (s.PicturePath.empty()) return;
  if (!needs) throw BadValue{"--picture: a picture is only used with --shape spezial"};
  const PictureRead read = LoadPictureFile(s.PicturePath, s.MapWidth, s.MapHeight);
  if (!read.problem.empty()) throw BadValue{"--picture: " + read.problem.German()};
  if (code) {
    if (const Message other = CheckCodePicture(*code, read.pixels, s.PicturePath); !other.empty()) {
      throw BadValue{"--picture: " + other.German()};
    }
  }
}

// The options of a batch, and the combinations that make no sense: one run's trace or timing
// among many, a batch of candidates of which only one is kept.
void CheckBatch(const GenerateArgs& a, GenerateRequest& r) {
  const bool batch = a.count.has_value();
  const struct {
    const char* option;
    bool given;
  } kBatchOnly[] = {{"--jobs", a.jobs.has_value()},
                    {"--analyze", a.analyze},
                    {"--csv", a.csv},
                    {"--sheet", a.sheet.has_value()}};
  for (const auto& only : kBatchOnly) {
    if (only.given && !batch) throw BadValue{std::string(only.option) + ": only used with --count"};
  }
  const struct {
    const char* option;
    bool given;
    const char* other;
    bool other_given;
  } kExclusive[] = {
      // Each candidate would overwrite the trace of the one before, whichever is chosen.
      {"--dump-steps", r.dump_dir.has_value(), "--best-of", r.best_of > 0},
      {"--dump-steps", r.dump_dir.has_value(), "--count", batch},
      {"--timing", a.timing, "--best-of", r.best_of > 0},
      {"--timing", a.timing, "--count", batch},
      {"--best-of", r.best_of > 0, "--count", batch},
  };
  for (const auto& pair : kExclusive) {
    if (pair.given && pair.other_given) {
      throw BadValue{std::string(pair.option) + ": cannot be combined with " + pair.other};
    }
  }
  r.timing = a.timing;
  if (!batch) return;
  r.count = static_cast<int>(ParseWhole("--count", *a.count, 1, kMostBatchMaps,
                                        "a whole number 1 to " + std::to_string(kMostBatchMaps)));
  if (r.png && !r.png->empty()) {
    throw BadValue{
        "--png: with --count each picture is named NAME-SEED.png beside its map; give "
        "--png without a file"};
  }
  if (!a.jobs) {
    r.jobs = static_cast<int>(
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(kMostJobs)));
  } else {
    r.jobs = static_cast<int>(ParseWhole("--jobs", *a.jobs, 1, kMostJobs,
                                         "a whole number 1 to " + std::to_string(kMostJobs)));
  }
  // The sheet shows every map's fairness.
  r.analyze = a.analyze || a.sheet.has_value();
  r.csv = a.csv;
  if (a.sheet) {
    if (a.sheet->empty()) throw BadValue{"--sheet: '' is not valid; it accepts a file name"};
    std::filesystem::path sheet = *a.sheet;
    if (sheet.extension() != ".html" && sheet.extension() != ".htm") sheet += ".html";
    if (const auto problem = OutputOptionProblem("--sheet", sheet); !problem.empty()) {
      throw BadValue{problem};
    }
    r.sheet = sheet;
  }
}

// Every file the run will write can be written, and none replaces another of the run. The
// map's name is drawn in the run where --out gives none, and a batch's maps are named by
// their seeds: their files are checked when saved, their folder here.
void CheckOutputs(const GenerateRequest& r, bool batch) {
  std::vector<NamedOutput> outputs;
  if (r.out && batch) {
    const std::filesystem::path folder = r.out->has_filename() ? FolderOf(*r.out) : *r.out;
    if (const auto problem = OutputOptionProblem("--out", folder / ""); !problem.empty()) {
      throw BadValue{problem};
    }
  } else if (r.out) {
    if (r.out->has_filename()) {
      outputs.push_back({"--out", *r.out});
      outputs.push_back({"--out", std::filesystem::path(*r.out).replace_extension(".bmp")});
    } else if (const auto problem = OutputOptionProblem("--out", *r.out); !problem.empty()) {
      throw BadValue{problem};
    }
  }
  if (r.png && !batch) {
    if (r.png->has_filename()) {
      outputs.push_back({"--png", *r.png});
    } else if (r.out && r.out->has_filename()) {
      outputs.push_back({"--png", PicturePath(*r.png, *r.out)});
    } else if (const auto problem =
                   r.png->empty() ? std::string() : OutputOptionProblem("--png", *r.png);
               !problem.empty()) {
      throw BadValue{problem};
    }
  }
  const auto same = SameOutputProblem(outputs, r.dump_dir.value_or(std::filesystem::path()));
  if (!same.empty()) throw BadValue{same};
  for (const NamedOutput& output : outputs) {
    if (const auto problem = OutputOptionProblem(output.option, output.path); !problem.empty()) {
      throw BadValue{problem};
    }
  }
  if (r.dump_dir) {
    if (const auto problem = TraceFolderProblem(*r.dump_dir); !problem.empty()) {
      throw BadValue{problem};
    }
  }
}

GenerateRequest Check(const GenerateArgs& a, std::span<const SettingRow> rows) {
  GenerateRequest r;
  std::optional<MapCode> code;
  if (!a.code.empty()) {
    MapCodeRead read = DecodeMapCode(a.code);
    if (!read.code) throw BadValue{"--code: " + read.problem.German()};
    code = std::move(read.code);
  }
  GeneratorSettings& s = r.settings;
  s = SettingsOf(a, rows, code);
  // A picture alone names the shape it is for.
  if (!code && !s.PicturePath.empty() && !a.settings.contains("shape")) {
    s.land_shape = LandShape::Picture;
  }
  CheckPicture(s, code);

  // The options above keep every value in range; the core's own check stays the last word.
  if (const auto problem = CheckSettings(s); !problem.empty()) throw BadValue{problem.German()};

  if (!a.seed.empty()) {
    r.seed = static_cast<std::uint32_t>(
        ParseWhole("--seed", a.seed, 0, 4294967295L, "a whole number 0 to 4294967295"));
    if (code && *r.seed != code->seed) {
      throw BadValue{"--seed: '" + a.seed + "' contradicts the map code, which holds '" +
                     std::to_string(code->seed) + "'"};
    }
  }
  if (code) r.seed = code->seed;
  if (a.author) {
    if (const auto problem = CheckMapAuthor(*a.author); !problem.empty()) {
      throw BadValue{"--author: '" + *a.author + "' is not valid: " + problem.German()};
    }
    r.author = a.author;
  }
  if (const auto problem = CheckMapTitle(a.title); !problem.empty()) {
    throw BadValue{"--title: '" + a.title + "' is not valid: " + problem.German()};
  }
  r.title = a.title;
  if (!a.out.empty()) {
    std::filesystem::path out = OutputPath(a.out);
    // "--out /dev/full" names a device, not a name for the map beside it.
    if (const auto problem = OutputOptionProblem("--out", out); !problem.empty()) {
      throw BadValue{problem};
    }
    if (out.has_filename()) {
      if (out.extension() != ".swd") out += ".swd";
      const std::string name = out.stem().string();
      if (const auto problem = CheckMapName(name); !problem.empty()) {
        throw BadValue{"--out: '" + a.out + "' is not valid: " + problem.German()};
      }
    }
    r.out = out;
  }
  if (a.png) r.png = a.png->empty() ? std::filesystem::path() : OutputPath(*a.png);
  if (!a.dump_steps.empty()) r.dump_dir = a.dump_steps;
  CheckOutputs(r, a.count.has_value());
  if (!a.best_of.empty()) {
    r.best_of =
        static_cast<int>(ParseWhole("--best-of", a.best_of, 1, kMostCandidates,
                                    "a whole number 1 to " + std::to_string(kMostCandidates)));
  }
  CheckBatch(a, r);
  r.quiet = a.quiet;
  return r;
}

}  // namespace

WholeOption ParseWholeOption(const std::string& option, const std::string& text, long lo, long hi,
                             const std::string& accepts) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi) {
    return {std::nullopt, option + ": '" + text + "' is not valid; it accepts " + accepts};
  }
  return {value, {}};
}

Checked CheckGenerateArgs(const GenerateArgs& args, std::span<const SettingRow> rows) {
  try {
    return {Check(args, rows), {}};
  } catch (const BadValue& bad) {
    return {std::nullopt, bad.message};
  }
}

}  // namespace swd::cli
