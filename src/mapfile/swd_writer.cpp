#include "mapfile/bmp.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/mapfile_steps.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/save_names.hpp"
#include "mapfile/swd_format.hpp"
#include "model/map_code.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"

namespace swd {

namespace {
// The author field holds the map's code where it fits, so that the map file itself tells how
// to make it again; a longer code stays beside the map (the front ends show it).
std::string AuthorOf(const SaveTarget& target, const std::string& code) {
  if (target.author) return Utf8ToCp437(*target.author).value_or(kAuthorName);
  return !code.empty() && code.size() <= kSwdAuthorSize ? code : kAuthorName;
}

SwdHeader HeaderOf(const Generator& g, const std::string& title_cp437,
                   const std::string& author_cp437) {
  SwdHeader h;
  h.title_cp437 = title_cp437;
  h.author_cp437 = author_cp437;
  h.width = g.run.MapWidth;
  h.height = g.run.MapHeight;
  h.landscape_type = g.run.LandscapeType;
  h.player_count = g.run.PlayerCount;
  for (int p = 1; p <= 7 && p <= g.run.PlayerCount; ++p) {
    h.hq_x[p] = g.HqX[p];
    h.hq_y[p] = g.HqY[p];
  }
  return h;
}

// Writes each placed player's start-position object into the map's bytes at its
// headquarters, whose site PlaceHeadquarters left empty. The grid stays as it is, so that
// another answer to the save dialog without the objects gets the plain map.
void MarkStartPositions(const Generator& g, std::vector<std::uint8_t>& map) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int p = 1; p <= 7 && p <= g.run.PlayerCount; ++p) {
    map[SwdCellOffset(w, h, ObjectTypeLayer, g.HqX[p], g.HqY[p])] = kStartPositionObject;
    map[SwdCellOffset(w, h, ObjectIndexLayer, g.HqX[p], g.HqY[p])] =
        static_cast<std::uint8_t>(p - 1);
  }
}

// Asks until the answer is usable or the user cancels; no value means cancelled.
std::optional<SaveTarget> AskUsableTarget(Generator& g, SaveTarget proposal, Message problem) {
  for (;;) {
    SendHeldDisplay(g);
    auto answer = g.host->AskSaveTarget(proposal, problem);
    if (!answer) return std::nullopt;
    problem = CheckMapName(answer->name);
    if (problem.empty()) problem = CheckMapTitle(answer->title);
    if (problem.empty()) return answer;
    proposal = *answer;
  }
}
}  // namespace

std::string RunCode(const Generator& g, bool start_objects) {
  if (!g.seed) return {};
  GeneratorSettings s = g.settings;
  s.start_objects = start_objects;
  std::optional<std::uint32_t> hash;
  if (g.run.shape == BaseShape::Picture) hash = PictureHash(g.picture);
  return EncodeMapCode(s, *g.seed, hash);
}

WriteResult WriteMapFile(Generator& g) {
  WriteResult result;
  ShowBar(g, true);
  SetBar(g, 0);
  SaveTarget proposal;
  proposal.name = ProposedMapName(RandomInt(g, 0, 999));
  proposal.title = kProposedTitle;
  proposal.start_objects = g.run.start_objects;
  Message problem;
  for (;;) {
    const auto target = AskUsableTarget(g, proposal, problem);
    if (!target) return result;  // cancelled: the run ends itself
    ShowStatus(g, MessageKey::StatusWriting);
    const int w = g.run.MapWidth;
    const int h = g.run.MapHeight;
    std::vector<std::uint8_t> map;
    map.reserve(SwdFileSize(w, h));
    const std::string code = RunCode(g, target->start_objects);
    AppendSwdHeader(map, HeaderOf(g, *Utf8ToCp437(target->title), AuthorOf(*target, code)));
    for (int k = 0; k < kSwdBlockCount; ++k) {
      AppendSwdBlock(map, w, h, g.grid.Plane(k), kGridSide);
      SetBar(g, Percent(k, 13));
      YieldToUser(g);
    }
    AppendSwdEnd(map);
    if (target->start_objects) MarkStartPositions(g, map);

    const auto map_path = target->folder / (target->name + ".swd");
    const auto bitmap_path = target->folder / (target->name + ".bmp");
    problem =
        g.host->WriteFiles({{map_path, std::move(map)}, {bitmap_path, EncodeBmp24(g.preview)}});
    if (problem.empty()) {
      result = {true, map_path, bitmap_path, code};
      break;
    }
    proposal = *target;
  }
  ShowBar(g, false);
  ShowStatus(g, MessageKey::StatusDone);
  return result;
}

}  // namespace swd
