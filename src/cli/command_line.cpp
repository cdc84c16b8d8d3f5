#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>
#include <exception>
#include <ostream>

#include "cli/analyze_command.hpp"
#include "cli/commands.hpp"
#include "cli/render_command.hpp"
#include "cli/setting_options.hpp"

namespace swd::cli {

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"swdgen - random landscapes for Siedler II, saved as SWD map files"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "swdgen " SWDGEN_VERSION);

  GenerateArgs a;
  auto* gen = app.add_subcommand("generate", "generate a landscape and save it");
  gen->add_option("--out", a.out, "map file to write (\".swd\" is added when missing)");
  gen->add_option("--title", a.title, "landscape title, at most 16 characters");
  AddSettingOptions(*gen, a);
  gen->add_option("--code", a.code,
                  "a map code (SWD1-...) with every setting and the seed; other options may only "
                  "repeat what it holds");
  gen->add_option("--seed", a.seed, "seed 0..4294967295; drawn and printed when absent");
  gen->add_option("--dump-steps", a.dump_steps, "write the grid after each step into DIR");
  gen->add_flag("--quiet", a.quiet, "no progress line");
  std::string png;
  auto* png_option =
      gen->add_option("--png", png,
                      "also write a picture of the map (as render draws it); without FILE "
                      "beside the map, under its name")
          ->expected(0, 1)
          ->type_name("[FILE]");
  gen->add_option("--author", a.author,
                  "TEXT for the map's author field instead of its code (at most 20 characters)");
  gen->add_option("--best-of", a.best_of,
                  "N: make the seeds S..S+N-1 and save the fairest, N 1..1000");
  gen->add_flag("--timing", a.timing, "print each row's time after the run (on stdout)");
  gen->add_option("--count", a.count,
                  "N: make the N maps of the seeds S..S+N-1, N 1..1000, as NAME-SEED.swd and "
                  ".bmp (NAME from --out, else Karte), with a summary NAME.json");
  gen->add_option("--jobs", a.jobs, "with --count: maps made at once, 1..64; default: the cores");
  gen->add_flag("--analyze", a.analyze,
                "with --count: the fairness figures of analyze for each map in the summary");
  gen->add_flag("--csv", a.csv, "with --count: the summary also as NAME.csv");
  gen->add_option("--sheet", a.sheet,
                  "with --count: a contact sheet of all maps as one HTML file (implies --analyze)");

  std::string info_file;
  auto* info = app.add_subcommand("info", "check a map file and show its header");
  info->add_option("file", info_file, "the .swd file")->required();

  RenderArgs r;
  auto* render = app.add_subcommand("render", "draw a map file as the game shows it, as a PNG");
  render->add_option("map", r.map, "the .swd file")->required();
  render->add_option("-o", r.out, "PNG file to write; default: the map's name with .png");
  render->add_option("--scale", r.scale,
                     "pixels from vertex to vertex, 2..64; default: 1024 px wide");
  render->add_option("--overlay", r.overlays, "marks to draw on top: resources, sites")
      ->delimiter(',');
  AnalyzeArgs analyze_args;
  auto* analyze =
      app.add_subcommand("analyze", "rate a map's building sites and the fairness of its starts");
  analyze->add_option("file", analyze_args.file, "the .swd file")->required();
  analyze->add_flag("--json", analyze_args.json, "JSON instead of a table");
  analyze->add_option("--radius", analyze_args.radius, "steps of a start's area, 1..256 (24)");

  // A word where the command belongs that names none: CLI11 would only say that one is
  // missing.
  const CLI::App& commands = app;
  std::string known;
  bool named = false;
  for (const CLI::App* command : commands.get_subcommands([](const CLI::App*) { return true; })) {
    known += (known.empty() ? "" : ", ") + command->get_name();
    named = named || (argc > 1 && command->get_name() == argv[1]);
  }
  if (argc > 1 && argv[1][0] != '-' && !named) {
    err << "swdgen: "
        << Message(MessageKey::UnknownCommand,
                   {Message::Verbatim(argv[1]), Message::Verbatim(known)})
               .German()
        << '\n';
    return kExitBadInput;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int rc = app.exit(e, out, err);
    return rc == 0 ? kExitOk : kExitBadInput;
  }
  if (png_option->count() > 0) a.png = png;
  if (*gen) return RunGenerate(a, out, err);
  if (*render) return RunRender(r, out, err);
  if (*analyze) return RunAnalyze(analyze_args, out, err);
  return RunInfo(info_file, out, err);
}

int ReportInternalErrors(const std::function<int()>& body, std::ostream& err) {
  try {
    return body();
  } catch (const std::exception& e) {
    err << "swdgen: interner Fehler: " << e.what() << '\n';
  } catch (...) {
    err << "swdgen: interner Fehler: unbekannte Ausnahme\n";
  }
  return kExitInternalError;
}

}  // namespace swd::cli
