#include "web/web_api.hpp"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

#include "analysis/map_analysis.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/save_names.hpp"
#include "mapfile/swd_map.hpp"
#include "model/map_code.hpp"
#include "model/setting_table.hpp"
#include "model/settings_check.hpp"
#include "model/share_rebalance.hpp"
#include "model/terrain.hpp"
#include "render/map_picture.hpp"
#include "run/best_of.hpp"
#include "run/run.hpp"
#include "shape/picture_reader.hpp"
#include "web/web_host.hpp"

struct SwdgenSession {
  swd::GeneratorSettings settings;
  swd::web::WebHost host;
  swd::RunOutcome outcome;
  std::uint32_t run_seed = 0;                // of the last run's map
  std::optional<swd::MapCode> code;          // the code read last
  std::optional<swd::MapAnalysis> analysis;  // of the last run's map, once made
  swd::RgbImage render;                      // of the last run's map, once drawn
  std::string table;                         // the table as JSON, once made
  std::string text;                          // the string last handed out
};

namespace {

using swd::GeneratorSettings;
using swd::SettingRow;
using swd::SettingType;

// Where an uploaded picture is kept in the module's own file system: the working folder,
// so that the picture reader's messages name the file as the user knows it.
constexpr const char* kPictureFolder = "/Bilder";

// The names the JSON gives the table's enums, in their order.
constexpr const char* kTypeNames[] = {"whole", "flag", "choice", "picture"};
constexpr const char* kFormNames[] = {"single", "list", "keyed"};
constexpr const char* kPageNames[] = {"size",        "players",   "shape",   "coast",
                                      "proportions", "resources", "granite", "tree_groups",
                                      "animals",     "save"};

// A JSON string: the table's texts are UTF-8 without control characters.
std::string Quoted(std::string_view text) {
  std::string q = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') q += '\\';
    q += c;
  }
  return q + '"';
}

std::string Bool(bool b) {
  return b ? "true" : "false";
}

// A JSON object of the fields, each a name and its value written as JSON.
std::string Object(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  std::string o;
  for (const auto& [name, value] : fields)
    o += (o.empty() ? "{" : ",") + Quoted(name) + ":" + value;
  return o + "}";
}

template <typename T, typename Write>
std::string Array(const T& items, Write write) {
  std::string a;
  for (const auto& item : items)
    a += (a.empty() ? "" : ",") + write(item);
  return "[" + a + "]";
}

std::string TableJson() {
  const auto choice = [](const swd::SettingChoice& c) {
    return Object({{"key", Quoted(c.key)}, {"label", Quoted(swd::GermanText(c.label))}});
  };
  const auto row = [&](const SettingRow& r) {
    return Object({
        {"key", Quoted(r.key)},
        {"member", Quoted(r.member)},
        {"type", Quoted(kTypeNames[static_cast<int>(r.type)])},
        {"lo", std::to_string(r.lo)},
        {"hi", std::to_string(r.hi)},
        {"step", std::to_string(r.step)},
        {"initial", std::to_string(r.initial)},
        {"label", Quoted(swd::GermanText(r.label))},
        {"page", Quoted(kPageNames[static_cast<int>(r.page)])},
        {"extended_page", Bool(swd::OnExtendedPage(r.page))},
        {"form", Quoted(kFormNames[static_cast<int>(r.form)])},
        {"option", Quoted(swd::OptionName(r))},
        {"only_extended", Bool(r.only_extended)},
        {"choices", Array(r.choices, choice)},
    });
  };
  return Object({
      {"rows", Array(swd::SettingRows(), row)},
      {"picture_shape", std::to_string(static_cast<int>(swd::LandShape::Picture))},
      {"most_candidates", std::to_string(swd::kMostCandidates)},
  });
}

// The row of a key and member whose value can be set; none for the picture.
const SettingRow* SettableRow(const char* key, const char* member) {
  const SettingRow* row = swd::FindSetting(key, member);
  return row != nullptr && row->type != SettingType::Picture ? row : nullptr;
}

// The pixels of the picture chosen for "Spezial", read for the map's size; none when no
// usable picture is chosen.
std::optional<std::vector<std::uint8_t>> PicturePixels(const GeneratorSettings& g) {
  if (g.PicturePath.empty()) return std::nullopt;
  swd::PictureRead read = swd::LoadPictureFile(g.PicturePath, g.MapWidth, g.MapHeight);
  if (!read.problem.empty()) return std::nullopt;
  return std::move(read.pixels);
}

const char* Hand(SwdgenSession* s, std::string text) {
  s->text = std::move(text);
  return s->text.c_str();
}

// The map of the last run as read back from its bytes, as `swdgen analyze` and `swdgen
// render` read a map file; none before a run has made one.
std::optional<swd::SwdMap> FinishedMap(SwdgenSession* s) {
  const auto& files = s->host.files();
  if (files.empty()) return std::nullopt;
  return swd::ReadSwdMap(files.front().bytes).map;
}

// What `swdgen analyze` finds on the last run's map with its default radius, worked out
// once for the figures the page shows after a run; none without a map.
const swd::MapAnalysis* Analysis(SwdgenSession* s) {
  if (!s->analysis) {
    const auto map = FinishedMap(s);
    if (!map) return nullptr;
    s->analysis = swd::AnalyzeMap(*map, swd::kDefaultRadius);
  }
  return &*s->analysis;
}

// The file name of an upload without anything that would make it a path.
std::string PlainFileName(std::string_view name) {
  std::string plain = std::filesystem::path(name).filename().string();
  return plain.empty() || plain == "." || plain == ".." ? "Bild.bmp" : plain;
}

}  // namespace

SwdgenSession* swdgen_create() {
  std::error_code ec;
  std::filesystem::create_directories(kPictureFolder, ec);
  std::filesystem::current_path(kPictureFolder, ec);
  return new SwdgenSession;
}

void swdgen_destroy(SwdgenSession* s) {
  delete s;
}

const char* swdgen_table(SwdgenSession* s) {
  if (s->table.empty()) s->table = TableJson();
  return s->table.c_str();
}

int swdgen_set(SwdgenSession* s, const char* key, const char* member, int value) {
  const SettingRow* row = SettableRow(key, member);
  if (row == nullptr || swd::ValueIndex(*row, value) < 0) return 0;
  swd::SetValue(*row, s->settings, value);
  return 1;
}

int swdgen_get(SwdgenSession* s, const char* key, const char* member) {
  const SettingRow* row = SettableRow(key, member);
  return row != nullptr ? swd::ValueOf(*row, s->settings) : 0;
}

const char* swdgen_key_text(SwdgenSession* s, const char* key) {
  return Hand(s, swd::KeyText(key, s->settings));
}

const char* swdgen_read_key(SwdgenSession* s, const char* key, const char* text) {
  // A keyed text sets its members one by one: a wrong one leaves the settings as they were.
  GeneratorSettings read = s->settings;
  const swd::Message problem = swd::ReadKeyText(key, text, read);
  if (problem.empty()) s->settings = read;
  return Hand(s, problem.German());
}

const char* swdgen_code(SwdgenSession* s, std::uint32_t seed) {
  const GeneratorSettings e = swd::EffectiveSettings(s->settings);
  std::optional<std::uint32_t> hash;
  if (e.land_shape == swd::LandShape::Picture) {
    const auto pixels = PicturePixels(e);
    if (!pixels) return "";
    hash = swd::PictureHash(*pixels);
  }
  return Hand(s, swd::EncodeMapCode(e, seed, hash));
}

const char* swdgen_read_code(SwdgenSession* s, const char* text) {
  swd::MapCodeRead read = swd::DecodeMapCode(text);
  if (!read.code) return Hand(s, read.problem.German());
  s->code = std::move(read.code);
  const std::string picture = s->settings.PicturePath;
  s->settings = s->code->settings;
  s->settings.PicturePath = picture;
  return "";
}

std::uint32_t swdgen_code_seed(SwdgenSession* s) {
  return s->code ? s->code->seed : 0;
}

int swdgen_code_picture(SwdgenSession* s) {
  return s->code && s->code->picture_hash ? static_cast<int>(*s->code->picture_hash) : -1;
}

const char* swdgen_check_code_picture(SwdgenSession* s, int hash) {
  const auto pixels = PicturePixels(s->settings);
  if (!pixels) return Hand(s, swd::Message(swd::MessageKey::CodeNeedsPicture).German());
  swd::MapCode code;
  code.picture_hash = static_cast<std::uint32_t>(hash);
  return Hand(s, swd::CheckCodePicture(code, *pixels, s->settings.PicturePath).German());
}

void swdgen_move_share(SwdgenSession* s, int kind, int value) {
  if (kind < 1 || kind > 4) return;
  swd::ResourceShareSet positions = s->settings.ResourceShares;
  swd::ShareOf(positions, static_cast<swd::ShareKind>(kind)) = value;
  swd::RebalanceShares(s->settings.ResourceShares, static_cast<swd::ShareKind>(kind), positions);
}

const char* swdgen_set_picture(SwdgenSession* s, const char* file_name, const std::uint8_t* bytes,
                               int size) {
  const std::string path = PlainFileName(file_name);
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), size);
  }
  s->settings.PicturePath = path;
  return Hand(
      s, swd::LoadPictureFile(path, s->settings.MapWidth, s->settings.MapHeight).problem.German());
}

const char* swdgen_check(SwdgenSession* s) {
  const GeneratorSettings& g = s->settings;
  std::string problem = swd::CheckSettings(g).German();
  if (problem.empty() && swd::EffectiveSettings(g).land_shape == swd::LandShape::Picture) {
    problem = swd::LoadPictureFile(g.PicturePath, g.MapWidth, g.MapHeight).problem.German();
  }
  return Hand(s, std::move(problem));
}

namespace {

// A fresh generator for every run, as every run of the command line has one; `make` runs it
// and gives its outcome and the seed of its map.
template <typename Make>
const char* RunWith(SwdgenSession* s, Make make) {
  s->host.files().clear();
  s->analysis.reset();
  s->render = {};
  auto g = std::make_unique<swd::Generator>(s->host);
  s->host.Attach(g.get());
  g->settings = s->settings;
  make(*g);
  s->host.Attach(nullptr);
  return Hand(
      s, s->outcome.status == swd::RunOutcome::Status::Failed ? s->outcome.message.German() : "");
}

}  // namespace

const char* swdgen_run(SwdgenSession* s, std::uint32_t seed) {
  return RunWith(s, [&](swd::Generator& g) {
    swd::PrepareSeededRun(g, seed);
    s->outcome = swd::RunGeneration(g);
    s->run_seed = seed;
  });
}

const char* swdgen_run_best_of(SwdgenSession* s, std::uint32_t seed, int count) {
  return RunWith(s, [&](swd::Generator& g) {
    const swd::BestOfOutcome best = swd::RunBestOf(g, seed, count);
    s->outcome = best.outcome;
    s->run_seed = best.chosen.value_or(seed);
  });
}

std::uint32_t swdgen_run_seed(SwdgenSession* s) {
  return s->run_seed;
}

const char* swdgen_run_code(SwdgenSession* s) {
  return s->outcome.code.c_str();
}

int swdgen_players_placed(SwdgenSession* s) {
  return s->outcome.players_placed;
}

int swdgen_players_requested(SwdgenSession* s) {
  return s->outcome.players_requested;
}

const char* swdgen_players_note(SwdgenSession* s) {
  return Hand(
      s, swd::PlayersPlacedNote(s->outcome.players_placed, s->outcome.players_requested).German());
}

const char* swdgen_proposed_name(SwdgenSession* s) {
  return s->host.proposed_name().c_str();
}

const std::uint8_t* swdgen_file_data(SwdgenSession* s, int which) {
  auto& files = s->host.files();
  return which >= 0 && which < static_cast<int>(files.size()) ? files[which].bytes.data() : nullptr;
}

int swdgen_file_size(SwdgenSession* s, int which) {
  auto& files = s->host.files();
  return which >= 0 && which < static_cast<int>(files.size())
             ? static_cast<int>(files[which].bytes.size())
             : 0;
}

double swdgen_fairness(SwdgenSession* s) {
  const swd::MapAnalysis* a = Analysis(s);
  return a && a->fairness ? a->fairness->index : -1;
}

double swdgen_fairness_before(SwdgenSession* s) {
  return s->outcome.fairness_before.value_or(-1);
}

const char* swdgen_harbour_places(SwdgenSession* s) {
  const swd::MapAnalysis* a = Analysis(s);
  if (!a) return "";
  return Hand(s, swd::Message(swd::MessageKey::HarbourPlaces,
                              {swd::Message::Number(static_cast<long long>(a->harbours.size()))})
                     .German());
}

const char* swdgen_cut_off_note(SwdgenSession* s) {
  const swd::MapAnalysis* a = Analysis(s);
  return a ? Hand(s, swd::CutOffNote(*a).German()) : "";
}

int swdgen_render(SwdgenSession* s) {
  const auto map = FinishedMap(s);
  s->render = map ? swd::RenderMap(*map, {}) : swd::RgbImage{};
  return map ? 1 : 0;
}

const std::uint8_t* swdgen_render_pixels(SwdgenSession* s) {
  return s->render.Pixels().data();
}

int swdgen_render_width(SwdgenSession* s) {
  return s->render.Width();
}

int swdgen_render_height(SwdgenSession* s) {
  return s->render.Height();
}

const char* swdgen_check_name(SwdgenSession* s, const char* name) {
  return Hand(s, swd::CheckMapName(name).German());
}

const char* swdgen_check_title(SwdgenSession* s, const char* title) {
  return Hand(s, swd::CheckMapTitle(title).German());
}

const char* swdgen_title_map(SwdgenSession* s, const std::uint8_t* bytes, int size,
                             const char* title) {
  if (std::string problem = swd::CheckMapTitle(title).German(); !problem.empty()) {
    return Hand(s, std::move(problem));
  }
  swd::SwdMapRead read = swd::ReadSwdMap({bytes, bytes + size});
  if (!read.map) return Hand(s, std::move(read.problem));
  read.map->header.title_cp437 = *swd::Utf8ToCp437(title);
  auto& files = s->host.files();
  if (files.empty()) files.resize(1);
  files[0].bytes = swd::EncodeSwdMap(*read.map);
  return "";
}

const char* swdgen_class_name(int landscape_type, int terrain_class) {
  return swd::ClassName(landscape_type, terrain_class);
}

const char* swdgen_type_name(int landscape_type) {
  return swd::LandscapeTypeName(landscape_type);
}

const char* swdgen_hint(int number) {
  return swd::GermanText(swd::HintText(number));
}
