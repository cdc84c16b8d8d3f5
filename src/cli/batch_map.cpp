#include "cli/batch_map.hpp"

#include <sstream>

#include "analysis/map_analysis.hpp"
#include "cli/analysis_output.hpp"
#include "cli/commands.hpp"
#include "cli/generate_run.hpp"
#include "cli/render_command.hpp"
#include "files/atomic_files.hpp"

namespace swd::cli {

BatchNames BatchNames::For(const GenerateRequest& request) {
  if (!request.out) return {{}, "Karte"};
  // Without a file name, --out names the folder.
  if (!request.out->has_filename()) return {request.out->parent_path(), "Karte"};
  return {request.out->parent_path(), request.out->stem().string()};
}

std::filesystem::path BatchNames::MapFile(std::uint32_t seed, const char* extension) const {
  return folder / (name + "-" + std::to_string(seed) + extension);
}

std::filesystem::path BatchNames::SummaryFile(const char* extension) const {
  return folder / (name + extension);
}

namespace {

BatchMapResult Failed(Message problem, int exit_status) {
  BatchMapResult result;
  result.status = BatchMapResult::Status::Failed;
  result.problem = std::move(problem);
  result.exit_status = exit_status;
  return result;
}

}  // namespace

BatchMapResult MakeBatchMap(const GenerateRequest& request, const BatchNames& names,
                            std::uint32_t seed, const std::atomic<bool>& stop) {
  CliHost::Options options = HostOptionsFor(request);
  options.show_progress = false;  // the batch keeps one progress line of its own
  options.keep_files = true;      // written below, under the batch's names
  CliHost host(options);
  const RunOutcome outcome = GenerateOnce(host, request.settings, seed);
  switch (outcome.status) {
    case RunOutcome::Status::Written:
      break;
    case RunOutcome::Status::Cancelled:
      return {};
    case RunOutcome::Status::Failed:
      return Failed(outcome.message, kExitBadInput);
    case RunOutcome::Status::SaveCancelled:
      return Failed(
          host.save_problem().empty() ? Message(MessageKey::CliNotSaved) : host.save_problem(),
          kExitWriteFailed);
  }

  BatchMapResult result;
  BatchMap& m = result.map;
  m.seed = seed;
  m.players_placed = outcome.players_placed;
  m.players_requested = outcome.players_requested;
  m.code = outcome.code;
  m.map = names.MapFile(seed, ".swd");
  m.bitmap = names.MapFile(seed, ".bmp");
  std::vector<FileContent> files = std::move(host.files());
  files.at(0).path = m.map;
  files.at(1).path = m.bitmap;

  if (request.analyze || request.png || request.sheet) {
    // What the analysis and the pictures see is the map file itself, as analyze and render
    // would read it.
    const SwdMapRead read = ReadSwdMap(files.front().bytes);
    if (!read.map) {
      return Failed({MessageKey::CliInternalError, {Message::Verbatim(read.problem)}},
                    kExitInternalError);
    }
    if (request.analyze) {
      const MapAnalysis analysis = AnalyzeMap(*read.map, kDefaultRadius);
      std::ostringstream json;
      WriteAnalysisJson(read.map->header, analysis, json);
      m.analysed = true;
      m.analysis_json = json.str();
      m.fairness = analysis.fairness;
    }
    if (request.png) {
      MapPictureFile picture = EncodeMapPicture(*read.map, {}, names.MapFile(seed, ".png"));
      if (!picture.problem.empty()) return Failed(picture.problem, kExitWriteFailed);
      m.picture = picture.file.path;
      files.push_back(std::move(picture.file));
    }
    if (request.sheet) m.thumbnail = MakeThumbnail(*read.map);
  }

  // Ctrl-C, or another map's failure, stops the batch: what is not yet written stays so,
  // up to the moment the files are renamed into place.
  const auto stopped = [&stop] { return stop.load() || InterruptRequested(); };
  if (stopped()) return {};
  if (const Message problem = WriteFilesAtomically(files, stopped); !problem.empty()) {
    if (problem.key() == MessageKey::SaveInterrupted) return {};
    return Failed(problem, kExitWriteFailed);
  }
  result.status = BatchMapResult::Status::Written;
  return result;
}

}  // namespace swd::cli
