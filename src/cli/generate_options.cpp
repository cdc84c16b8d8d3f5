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
#include "model/settings_check.hpp"
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

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const auto comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::vector<long> ParseList(const std::string& option, const std::string& text,
                            const std::vector<std::pair<long, long>>& ranges,
                            const std::string& accepts) {
  const auto parts = SplitCommas(text);
  if (parts.size() != ranges.size()) {
    throw BadValue{option + ": '" + text + "' is not valid; it accepts " + accepts};
  }
  std::vector<long> values;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    values.push_back(ParseWhole(option, parts[i], ranges[i].first, ranges[i].second, accepts));
  }
  return values;
}

int MapSide(const std::string& option, const std::string& text) {
  const std::string accepts = "32 to 256 in steps of 16";
  const long v = ParseWhole(option, text, 32, 256, accepts);
  if (v % 16 != 0) throw BadValue{option + ": '" + text + "' is not valid; it accepts " + accepts};
  return static_cast<int>(v);
}

void ClassLevels(const std::string& option, const std::vector<std::string>& items,
                 std::array<int, 11>& sliders) {
  const std::string accepts = "C=L with C a class 0..7 or 9 and L a level 0..10";
  for (const auto& item : items) {
    const auto eq = item.find('=');
    if (eq == std::string::npos) {
      throw BadValue{option + ": '" + item + "' is not valid; it accepts " + accepts};
    }
    const long c = ParseWhole(option, item.substr(0, eq), 0, 9, accepts);
    if (c == 8) throw BadValue{option + ": '" + item + "' is not valid; it accepts " + accepts};
    sliders[c] = static_cast<int>(ParseWhole(option, item.substr(eq + 1), 0, 10, accepts));
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

GenerateRequest Check(const GenerateArgs& a) {
  GenerateRequest r;
  GeneratorSettings& s = r.settings;
  s.MapWidth = static_cast<std::int16_t>(MapSide("--width", a.width));
  s.MapHeight = static_cast<std::int16_t>(MapSide("--height", a.height));
  if (a.type == "gruenland") {
    s.LandscapeType = Gruenland;
  } else if (a.type == "oedland") {
    s.LandscapeType = Oedland;
  } else if (a.type == "winterland") {
    s.LandscapeType = Winterland;
  } else {
    throw BadValue{"--type: '" + a.type +
                   "' is not valid; it accepts gruenland, oedland or winterland"};
  }
  s.PlayerCount = static_cast<std::uint8_t>(ParseWhole("--players", a.players, 1, 7, "1 to 7"));
  s.CheckInsel = !a.no_island;

  bool extended = a.extended || a.area_variant || !a.shape.empty() || !a.picture.empty() ||
                  !a.coast.empty() || !a.amount.empty() || !a.size.empty() ||
                  !a.decoration.empty() || !a.resources.empty() || !a.granite.empty() ||
                  !a.tree_groups.empty() || !a.animals.empty();
  s.CheckErwEinst = extended;
  s.CheckFlaechenvariante = a.area_variant;

  std::string shape = a.shape;
  if (shape.empty() && !a.picture.empty()) shape = "spezial";
  if (!shape.empty()) {
    const ShapeOption* found = nullptr;
    for (const auto& k : kShapeOptions) {
      if (shape == k.name) found = &k;
    }
    if (found == nullptr) {
      throw BadValue{"--shape: '" + shape +
                     "' is not valid; it accepts insel, insel-sym, spirale, ring, spirale-ring or "
                     "spezial"};
    }
    s.ShapeCode = found->code;
    s.ShapedBase = found->shaped;
    s.SymmetricBase = found->symmetric;
  }
  if (s.ShapeCode == 4 && a.picture.empty()) {
    throw BadValue{"--shape: 'spezial' needs --picture FILE, an 8-bit bitmap of the map's size"};
  }
  if (!a.picture.empty() && s.ShapeCode != 4) {
    throw BadValue{"--picture: a picture is only used with --shape spezial"};
  }
  if (!a.picture.empty()) {
    // Read now, so that an unsuitable picture stops the command before anything runs.
    const PictureRead read = LoadPictureFile(a.picture, s.MapWidth, s.MapHeight);
    if (!read.problem.empty()) throw BadValue{"--picture: " + read.problem.German()};
  }
  s.PicturePath = a.picture;
  if (!a.coast.empty()) {
    s.CoastRoughness = static_cast<int>(ParseWhole("--coast", a.coast, 0, 10, "a level 0 to 10"));
  }
  ClassLevels("--amount", a.amount, s.Slider1);
  ClassLevels("--size", a.size, s.Slider2);
  ClassLevels("--decoration", a.decoration, s.Slider3);
  if (!a.resources.empty()) {
    const std::string accepts =
        "K,G,E,N: coal, gold, iron, granite, whole percentages adding up to 100";
    const auto v =
        ParseList("--resources", a.resources, {{0, 100}, {0, 100}, {0, 100}, {0, 100}}, accepts);
    if (v[0] + v[1] + v[2] + v[3] != 100) {
      throw BadValue{"--resources: '" + a.resources + "' adds up to " +
                     std::to_string(v[0] + v[1] + v[2] + v[3]) + "; it accepts " + accepts};
    }
    s.ResourceShares = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[3]),
                        static_cast<int>(v[2])};
  }
  if (!a.granite.empty()) {
    const auto v = ParseList("--granite", a.granite, {{0, 10}, {0, 10}, {0, 15}, {0, 10}},
                             "A,B,C,D: large fields count 0..10, size 0..10, small clusters "
                             "frequency 0..15, fill 0..10");
    s.SliderGrGranitAz = static_cast<int>(v[0]);
    s.SliderGrGranitAus = static_cast<int>(v[1]);
    s.SliderKlGranitAz = static_cast<int>(v[2]);
    s.SliderKlGranitAus = static_cast<int>(v[3]);
  }
  if (!a.tree_groups.empty()) {
    s.SliderBaumgruppen =
        static_cast<int>(ParseWhole("--tree-groups", a.tree_groups, 0, 15, "a level 0 to 15"));
  }
  if (!a.animals.empty()) {
    const auto v = ParseList("--animals", a.animals, std::vector<std::pair<long, long>>(6, {0, 20}),
                             "a,b,c,d,e,f: six levels 0..20 for Hasen, Füchse, Hirsche, Rehe, "
                             "Enten, Schafe");
    for (int k = 1; k <= 6; ++k)
      s.SliderTiere[k] = static_cast<int>(v[k - 1]);
  }

  // The options above keep every value in range; the core's own check stays the last word.
  if (const auto problem = CheckSettings(s); !problem.empty()) throw BadValue{problem.German()};

  if (!a.seed.empty()) {
    r.seed = static_cast<std::uint32_t>(
        ParseWhole("--seed", a.seed, 0, 4294967295L, "a whole number 0 to 4294967295"));
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
    r.best_of = static_cast<int>(
        ParseWhole("--best-of", a.best_of, 1, kMostCandidates, "a whole number 1 to 1000"));
  }
  CheckBatch(a, r);
  r.quiet = a.quiet;
  r.start_objects = !a.no_start_objects;
  r.settings.harbours = !a.no_harbours;
  r.settings.fair_starts = a.fair_starts;
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

Checked CheckGenerateArgs(const GenerateArgs& args) {
  try {
    return {Check(args), {}};
  } catch (const BadValue& bad) {
    return {std::nullopt, bad.message};
  }
}

}  // namespace swd::cli
