#include "cli/render_command.hpp"

#include <ostream>
#include <system_error>

#include "cli/commands.hpp"
#include "cli/generate_options.hpp"
#include "cli/map_input.hpp"
#include "cli/output_options.hpp"
#include "files/atomic_files.hpp"
#include "files/png.hpp"
#include "rules/site_rating.hpp"

namespace swd::cli {

namespace {

// The building sites as the game rates them, by size: the larger a site, the larger its mark;
// mines in violet on the mountains, flag-only vertices as small white dots.
std::vector<VertexMark> SiteMarks(const SwdMap& map) {
  struct Look {
    SiteSize size;
    MarkShape shape;
    Rgb colour;
    float size_in_steps;
  };
  static constexpr Look kLooks[] = {
      {SiteSize::Large, MarkShape::Square, {0, 200, 0}, 0.30f},
      {SiteSize::Medium, MarkShape::Square, {230, 210, 0}, 0.24f},
      {SiteSize::Small, MarkShape::Square, {255, 140, 0}, 0.18f},
      {SiteSize::Mine, MarkShape::Dot, {170, 60, 200}, 0.22f},
      {SiteSize::Flag, MarkShape::Dot, {255, 255, 255}, 0.10f},
  };
  const std::vector<SiteSize> sites = RateBuildingSites(map);
  std::vector<VertexMark> marks;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      const SiteSize s =
          sites[static_cast<std::size_t>(x) + static_cast<std::size_t>(map.Width()) * y];
      for (const Look& look : kLooks) {
        if (look.size == s) marks.push_back({x, y, look.shape, look.colour, look.size_in_steps, 0});
      }
    }
  }
  return marks;
}

// The marks `--overlay NAME` draws over the map, computed from the map alone.
struct Overlay {
  const char* name;
  std::vector<VertexMark> (*marks)(const SwdMap&);
};
constexpr Overlay kOverlays[] = {
    {"resources", ResourceMarks},
    {"sites", SiteMarks},
};

std::string OverlayNames() {
  std::string names;
  for (const Overlay& o : kOverlays)
    names += (names.empty() ? "" : ", ") + std::string(o.name);
  return names;
}

const Overlay* FindOverlay(const std::string& name) {
  for (const Overlay& o : kOverlays) {
    if (name == o.name) return &o;
  }
  return nullptr;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

MapPictureFile EncodeMapPicture(const SwdMap& map, const RenderOptions& options,
                                const std::filesystem::path& png) {
  std::vector<std::uint8_t> bytes = EncodePng(RenderMap(map, options));
  if (bytes.empty()) {
    return {{}, {MessageKey::CliPngNotEncoded, {Message::Verbatim(png.string())}}};
  }
  return {{png, std::move(bytes)}, {}};
}

std::filesystem::path PicturePath(const std::filesystem::path& png,
                                  const std::filesystem::path& map) {
  if (png.empty()) return std::filesystem::path(map).replace_extension(".png");
  if (!png.has_filename()) return png / map.filename().replace_extension(".png");
  return png;
}

Message AddMapPicture(std::vector<FileContent>& files, const std::filesystem::path& png) {
  const SwdMapRead read = ReadSwdMap(files.front().bytes);
  if (!read.map) return {MessageKey::CliInternalError, {Message::Verbatim(read.problem)}};
  MapPictureFile picture = EncodeMapPicture(*read.map, {}, PicturePath(png, files.front().path));
  if (!picture.problem.empty()) return picture.problem;
  files.push_back(std::move(picture.file));
  return {};
}

Message WriteMapPicture(const SwdMap& map, const RenderOptions& options,
                        const std::filesystem::path& png) {
  MapPictureFile picture = EncodeMapPicture(map, options, png);
  if (!picture.problem.empty()) return picture.problem;
  return WriteFilesAtomically({std::move(picture.file)});
}

int RunRender(const RenderArgs& args, std::ostream& out, std::ostream& err) {
  const Language lang = args.language;
  std::optional<long> scale;
  if (!args.scale.empty()) {
    const WholeOption parsed = ParseWholeOption(
        "--scale", args.scale, kMinScale, kMaxScale,
        {MessageKey::AcceptsScale, {Message::Number(kMinScale), Message::Number(kMaxScale)}});
    if (!parsed.value) {
      Complain(err, parsed.error, lang);
      return kExitBadInput;
    }
    scale = parsed.value;
  }
  std::vector<const Overlay*> overlays;
  for (const std::string& name : args.overlays) {
    const Overlay* overlay = FindOverlay(name);
    if (overlay == nullptr) {
      Complain(err,
               {MessageKey::CliOption,
                {Message::Verbatim("--overlay"),
                 {MessageKey::CliInvalid,
                  {Message::Verbatim(name), Message::Verbatim(OverlayNames())}}}},
               lang);
      return kExitBadInput;
    }
    overlays.push_back(overlay);
  }
  const std::filesystem::path map_file = args.map;
  const std::filesystem::path png =
      PicturePath(args.out.empty() ? std::filesystem::path() : OutputPath(args.out), map_file);
  if (SameFile(png, map_file)) {
    Complain(
        err,
        {MessageKey::CliOption,
         {Message::Verbatim("-o"), {MessageKey::CliMapItself, {Message::Verbatim(png.string())}}}},
        lang);
    return kExitBadInput;
  }
  // A picture that cannot be written is found before the map is read and drawn.
  if (const Message problem = OutputOptionProblem("-o", png); !problem.empty()) {
    Complain(err, problem, lang);
    return kExitBadInput;
  }

  const MapInput input = LoadMapFile(map_file);
  if (!input.map) {
    Complain(err, input.problem, lang);
    return kExitBadInput;
  }
  const SwdMap& map = *input.map;
  RenderOptions options;
  options.scale = scale ? static_cast<int>(*scale) : DefaultScale(map.Width(), map.Height());
  if (!ScaleFits(options.scale, map.Width(), map.Height())) {
    const PictureSize size = PictureSizeOf(map.Width(), map.Height(), options.scale);
    Complain(err,
             {MessageKey::CliOption,
              {Message::Verbatim("--scale"),
               {MessageKey::RenderTooLarge,
                {Message::Number(options.scale), Message::Number(map.Width()),
                 Message::Number(map.Height()), Message::Number(size.width),
                 Message::Number(size.height), Message::Number(kMaxPicturePixels)}}}},
             lang);
    return kExitBadInput;
  }
  for (const MapFault& fault : FindMapFaults(map.header))
    Complain(err, {MessageKey::CliOption, {Message::Verbatim(map_file.string()), fault.message}},
             lang);
  for (const Overlay* overlay : overlays) {
    const auto marks = overlay->marks(map);
    options.overlay.insert(options.overlay.end(), marks.begin(), marks.end());
  }
  // The picture still shows such a map, which is what one wants to see of it.
  if (const UnknownTerrain unknown = FindUnknownTerrain(map); unknown.triangles > 0) {
    Complain(err,
             {MessageKey::CliOption,
              {Message::Verbatim(map_file.string()),
               {MessageKey::CliTerrainMagenta, {UnknownTerrainText(unknown)}}}},
             lang);
  }
  if (const Message problem = WriteMapPicture(map, options, png); !problem.empty()) {
    Complain(err, problem, lang);
    return kExitWriteFailed;
  }
  out << Say({MessageKey::OutPicture, {Message::Verbatim(png.string())}}, lang) << '\n';
  return kExitOk;
}

}  // namespace swd::cli
