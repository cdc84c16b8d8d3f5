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
  Message message;
};

// "OPTION: why".
BadValue Bad(const std::string& option, Message why) {
  return {{MessageKey::CliOption, {Message::Verbatim(option), std::move(why)}}};
}
Message Given(const std::string& text) {
  return Message::Verbatim(text);
}

long ParseWhole(const std::string& option, const std::string& text, long lo, long hi) {
  const WholeOption parsed = ParseWholeOption(option, text, lo, hi);
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
      if (Message problem = ReadKeyText(key, text, given, rows); !problem.empty()) {
        throw Bad(option, std::move(problem));
      }
    }
    const auto members = RowsOfKey(key, rows);
    if (!members.empty() && members.front().page == SettingPage::Resources) {
      const ResourceShareSet& r = given.ResourceShares;
      if (const int sum = r.coal + r.gold + r.iron + r.granite; sum != 100) {
        throw Bad(option, {MessageKey::CliSharesSum,
                           {Given(KeyText(key, given, rows)), Message::Number(sum)}});
      }
    }
    for (const SettingRow& row : members) {
      extended = extended || OnExtendedPage(row.page);
      if (code && row.type != SettingType::Picture && ValueOf(row, given) != ValueOf(row, s)) {
        throw Bad(option, {MessageKey::CliContradictsCode,
                           {Given(KeyText(key, given, rows)), Given(KeyText(key, s, rows))}});
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
    if (code) {
      throw Bad("--code", {MessageKey::AcceptsLabelled,
                           {MessageKey::CodeNeedsPicture, Given("(--picture FILE)")}});
    }
    throw Bad("--shape", MessageKey::CliShapeNeedsPicture);
  }
  if (s.PicturePath.empty()) return;
  if (!needs) throw Bad("--picture", MessageKey::CliPictureOnlySpecial);
  const PictureRead read = LoadPictureFile(s.PicturePath, s.MapWidth, s.MapHeight);
  if (!read.problem.empty()) throw Bad("--picture", read.problem);
  if (code) {
    if (const Message other = CheckCodePicture(*code, read.pixels, s.PicturePath); !other.empty()) {
      throw Bad("--picture", other);
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
    if (only.given && !batch) throw Bad(only.option, MessageKey::CliOnlyWithCount);
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
      // The times are lines of text; stdout holds the one JSON object.
      {"--timing", a.timing, "--json", a.json},
  };
  for (const auto& pair : kExclusive) {
    if (pair.given && pair.other_given) {
      throw Bad(pair.option, {MessageKey::CliCannotCombine, {Given(pair.other)}});
    }
  }
  r.timing = a.timing;
  if (!batch) return;
  r.count = static_cast<int>(ParseWhole("--count", *a.count, 1, kMostBatchMaps));
  if (r.png && !r.png->empty()) {
    throw Bad("--png", MessageKey::CliPngInBatch);
  }
  if (!a.jobs) {
    r.jobs = static_cast<int>(
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(kMostJobs)));
  } else {
    r.jobs = static_cast<int>(ParseWhole("--jobs", *a.jobs, 1, kMostJobs));
  }
  // The sheet shows every map's fairness.
  r.analyze = a.analyze || a.sheet.has_value();
  r.csv = a.csv;
  if (a.sheet) {
    if (a.sheet->empty()) {
      throw Bad("--sheet", {MessageKey::CliInvalid, {Given(""), MessageKey::AcceptsFileName}});
    }
    std::filesystem::path sheet = *a.sheet;
    if (sheet.extension() != ".html" && sheet.extension() != ".htm") sheet += ".html";
    if (Message problem = OutputOptionProblem("--sheet", sheet); !problem.empty()) {
      throw BadValue{std::move(problem)};
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
    if (Message problem = OutputOptionProblem("--out", folder / ""); !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
  } else if (r.out) {
    if (r.out->has_filename()) {
      outputs.push_back({"--out", *r.out});
      outputs.push_back({"--out", std::filesystem::path(*r.out).replace_extension(".bmp")});
    } else if (Message problem = OutputOptionProblem("--out", *r.out); !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
  }
  if (r.png && !batch) {
    if (r.png->has_filename()) {
      outputs.push_back({"--png", *r.png});
    } else if (r.out && r.out->has_filename()) {
      outputs.push_back({"--png", PicturePath(*r.png, *r.out)});
    } else if (Message problem = r.png->empty() ? Message() : OutputOptionProblem("--png", *r.png);
               !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
  }
  Message same = SameOutputProblem(outputs, r.dump_dir.value_or(std::filesystem::path()));
  if (!same.empty()) throw BadValue{std::move(same)};
  for (const NamedOutput& output : outputs) {
    if (Message problem = OutputOptionProblem(output.option, output.path); !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
  }
  if (r.dump_dir) {
    if (Message problem = TraceFolderProblem(*r.dump_dir); !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
  }
}

GenerateRequest Check(const GenerateArgs& a, std::span<const SettingRow> rows) {
  GenerateRequest r;
  std::optional<MapCode> code;
  if (!a.code.empty()) {
    MapCodeRead read = DecodeMapCode(a.code);
    if (!read.code) throw Bad("--code", read.problem);
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
  if (const auto problem = CheckSettings(s); !problem.empty()) throw BadValue{std::move(problem)};

  if (!a.seed.empty()) {
    r.seed = static_cast<std::uint32_t>(ParseWhole("--seed", a.seed, 0, 4294967295L));
    if (code && *r.seed != code->seed) {
      throw Bad("--seed",
                {MessageKey::CliContradictsCode, {Given(a.seed), Message::Number(code->seed)}});
    }
  }
  if (code) r.seed = code->seed;
  if (a.author) {
    if (const auto problem = CheckMapAuthor(*a.author); !problem.empty()) {
      throw Bad("--author", {MessageKey::CliInvalidBecause, {Given(*a.author), problem}});
    }
    r.author = a.author;
  }
  if (const auto problem = CheckMapTitle(a.title); !problem.empty()) {
    throw Bad("--title", {MessageKey::CliInvalidBecause, {Given(a.title), problem}});
  }
  r.title = a.title;
  if (!a.out.empty()) {
    std::filesystem::path out = OutputPath(a.out);
    // "--out /dev/full" names a device, not a name for the map beside it.
    if (Message problem = OutputOptionProblem("--out", out); !problem.empty()) {
      throw BadValue{std::move(problem)};
    }
    if (out.has_filename()) {
      if (out.extension() != ".swd") out += ".swd";
      const std::string name = out.stem().string();
      if (const auto problem = CheckMapName(name); !problem.empty()) {
        throw Bad("--out", {MessageKey::CliInvalidBecause, {Given(a.out), problem}});
      }
    }
    r.out = out;
  }
  if (a.png) r.png = a.png->empty() ? std::filesystem::path() : OutputPath(*a.png);
  if (!a.dump_steps.empty()) r.dump_dir = a.dump_steps;
  CheckOutputs(r, a.count.has_value());
  if (!a.best_of.empty()) {
    r.best_of = static_cast<int>(ParseWhole("--best-of", a.best_of, 1, kMostCandidates));
  }
  CheckBatch(a, r);
  r.quiet = a.quiet;
  r.json = a.json;
  r.language = a.language;
  return r;
}

}  // namespace

WholeOption ParseWholeOption(const std::string& option, const std::string& text, long lo, long hi,
                             Message accepts) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi) {
    if (accepts.empty())
      accepts = {MessageKey::AcceptsWhole, {Message::Number(lo), Message::Number(hi)}};
    return {std::nullopt,
            {MessageKey::CliOption,
             {Message::Verbatim(option),
              {MessageKey::CliInvalid, {Message::Verbatim(text), std::move(accepts)}}}}};
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
