#include "web/web_api.hpp"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <utility>
#include <variant>

#include "analysis/map_analysis.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/save_names.hpp"
#include "mapfile/swd_map.hpp"
#include "model/settings_check.hpp"
#include "model/share_rebalance.hpp"
#include "model/terrain.hpp"
#include "render/map_picture.hpp"
#include "run/run.hpp"
#include "shape/picture_reader.hpp"
#include "web/web_host.hpp"

struct SwdgenSession {
  swd::GeneratorSettings settings;
  // "Startpositionen als Objekte eintragen", which the run's save takes; on, as the command
  // line writes them unless told --no-start-objects.
  bool start_objects = true;
  swd::web::WebHost host;
  swd::RunOutcome outcome;
  std::optional<swd::MapAnalysis> analysis;  // of the last run's map, once made
  swd::RgbImage render;                      // of the last run's map, once drawn
  std::string text;                          // the string last handed out
};

namespace {

using swd::GeneratorSettings;

// Where an uploaded picture is kept in the module's own file system: the working folder,
// so that the picture reader's messages name the file as the user knows it.
constexpr const char* kPictureFolder = "/Bilder";

using FieldRef = std::variant<std::int16_t*, std::uint8_t*, bool*, int*, float*>;

// A setting the page can set: its name, the indices it has, and where it lives.
struct NamedSetting {
  std::string_view name;
  int first = 0, last = 0;
  FieldRef (*at)(SwdgenSession& s, int index);
};

constexpr NamedSetting kSettings[] = {
    {"width", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.MapWidth; }},
    {"height", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.MapHeight; }},
    {"type", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.LandscapeType; }},
    {"players", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.PlayerCount; }},
    {"island", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.CheckInsel; }},
    {"extended", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.CheckErwEinst; }},
    {"area-variant", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.CheckFlaechenvariante; }},
    {"coast", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.CoastRoughness; }},
    {"shape-code", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ShapeCode; }},
    {"shaped-base", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ShapedBase; }},
    {"symmetric-base", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SymmetricBase; }},
    {"amount", 0, 9, [](SwdgenSession& s, int i) -> FieldRef { return &s.settings.Slider1[i]; }},
    {"size", 0, 9, [](SwdgenSession& s, int i) -> FieldRef { return &s.settings.Slider2[i]; }},
    {"decoration", 0, 9,
     [](SwdgenSession& s, int i) -> FieldRef { return &s.settings.Slider3[i]; }},
    {"coal", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ResourceShares.coal; }},
    {"gold", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ResourceShares.gold; }},
    {"iron", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ResourceShares.iron; }},
    {"granite", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.ResourceShares.granite; }},
    {"granite-large-count", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SliderGrGranitAz; }},
    {"granite-large-size", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SliderGrGranitAus; }},
    {"granite-small-count", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SliderKlGranitAz; }},
    {"granite-small-fill", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SliderKlGranitAus; }},
    {"tree-groups", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.SliderBaumgruppen; }},
    {"animals", 1, 6,
     [](SwdgenSession& s, int i) -> FieldRef { return &s.settings.SliderTiere[i]; }},
    {"start-objects", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.start_objects; }},
    {"harbours", 0, 0, [](SwdgenSession& s, int) -> FieldRef { return &s.settings.harbours; }},
    {"fair-starts", 0, 0,
     [](SwdgenSession& s, int) -> FieldRef { return &s.settings.fair_starts; }},
};

std::optional<FieldRef> Find(SwdgenSession& s, const char* name, int index) {
  for (const NamedSetting& n : kSettings) {
    if (n.name == name && index >= n.first && index <= n.last) return n.at(s, index);
  }
  return std::nullopt;
}

// Stores the value where the field can hold it exactly.
bool Store(FieldRef field, int value) {
  return std::visit(
      [value](auto* f) {
        using T = std::remove_pointer_t<decltype(f)>;
        if constexpr (std::is_same_v<T, bool>) {
          if (value != 0 && value != 1) return false;
          *f = value == 1;
        } else if constexpr (std::is_floating_point_v<T>) {
          *f = static_cast<T>(value);
        } else {
          if (!std::in_range<T>(value)) return false;
          *f = static_cast<T>(value);
        }
        return true;
      },
      field);
}

int Load(FieldRef field) {
  return std::visit([](auto* f) { return static_cast<int>(*f); }, field);
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

int swdgen_set(SwdgenSession* s, const char* name, int index, int value) {
  const auto field = Find(*s, name, index);
  return field && Store(*field, value) ? 1 : 0;
}

int swdgen_get(SwdgenSession* s, const char* name, int index) {
  const auto field = Find(*s, name, index);
  return field ? Load(*field) : 0;
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
  const auto shape = swd::ShapeOf(g);
  if (problem.empty() && g.CheckErwEinst && shape && shape->shape == swd::BaseShape::Picture) {
    problem = swd::LoadPictureFile(g.PicturePath, g.MapWidth, g.MapHeight).problem.German();
  }
  return Hand(s, std::move(problem));
}

const char* swdgen_run(SwdgenSession* s, std::uint32_t seed) {
  s->host.files().clear();
  s->analysis.reset();
  s->render = {};
  s->host.SetStartObjects(s->start_objects);
  // A fresh generator for every run, as every run of the command line has one.
  auto g = std::make_unique<swd::Generator>(s->host);
  s->host.Attach(g.get());
  g->settings = s->settings;
  swd::PrepareGeneration(*g);
  g->rng.Seed(seed);
  s->outcome = swd::RunGeneration(*g);
  s->host.Attach(nullptr);
  return Hand(
      s, s->outcome.status == swd::RunOutcome::Status::Failed ? s->outcome.message.German() : "");
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
