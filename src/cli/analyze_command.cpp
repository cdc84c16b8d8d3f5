#include "cli/analyze_command.hpp"

#include <ostream>

#include "analysis/map_analysis.hpp"
#include "cli/analysis_output.hpp"
#include "cli/commands.hpp"
#include "cli/generate_options.hpp"
#include "cli/map_input.hpp"

namespace swd::cli {

int RunAnalyze(const AnalyzeArgs& args, std::ostream& out, std::ostream& err) {
  long radius = kDefaultRadius;
  if (args.radius) {
    const WholeOption parsed = ParseWholeOption(
        "--radius", *args.radius, 1, kLargestRadius,
        {MessageKey::AcceptsSteps, {Message::Number(1), Message::Number(kLargestRadius)}});
    if (!parsed.value) {
      Complain(err, parsed.error, args.language);
      return kExitBadInput;
    }
    radius = *parsed.value;
  }
  const MapInput input = LoadMapFile(args.file);
  if (!input.map) {
    Complain(err, input.problem, args.language);
    return kExitBadInput;
  }
  const MapAnalysis analysis = AnalyzeMap(*input.map, static_cast<int>(radius));
  // What the game cannot load is still analysed, as far as it goes; what is left out is said.
  for (const MapFault& fault : FindMapFaults(input.map->header)) {
    const bool dropped = fault.drops_start && !analysis.starts_from_objects;
    Complain(err,
             {MessageKey::CliOption,
              {Message::Verbatim(args.file),
               dropped ? Message(MessageKey::MapStartDropped, {fault.message}) : fault.message}},
             args.language);
  }
  if (args.json) {
    WriteAnalysisJson(input.map->header, analysis, out);
  } else {
    WriteAnalysisTable(input.map->header, analysis, args.language, out);
  }
  return kExitOk;
}

}  // namespace swd::cli
