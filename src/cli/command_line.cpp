#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <ostream>

#include "cli/analyze_command.hpp"
#include "cli/commands.hpp"
#include "cli/completion.hpp"
#include "cli/language.hpp"
#include "cli/render_command.hpp"
#include "cli/setting_options.hpp"

namespace swd::cli {

namespace {

// The language of the command: `--lang de|en` wherever it stands (it is read before the
// parser, whose own refusals speak it too), else the locale's. A --lang the command cannot
// use is refused in the locale's language.
struct LanguageChoice {
  Language language;
  Message problem;
};
LanguageChoice ChooseLanguage(int argc, const char* const* argv) {
  LanguageChoice choice{LanguageOfLocale([](const char* name) { return std::getenv(name); }), {}};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<std::string_view> value;
    if (arg == "--lang" && i + 1 < argc) value = argv[i + 1];
    if (arg.starts_with("--lang=")) value = arg.substr(7);
    if (!value) continue;
    if (const auto named = LanguageNamed(*value)) {
      choice.language = *named;
    } else {
      choice.problem = {
          MessageKey::CliOption,
          {Message::Verbatim("--lang"),
           {MessageKey::CliInvalid,
            {Message::Verbatim(std::string(*value)),
             {MessageKey::AcceptsEither, {Message::Verbatim("de"), Message::Verbatim("en")}}}}}};
    }
  }
  return choice;
}

// The text after the first ": " of the parser's message ("...not expected: --x --y"), or
// before it ("--seed: 1 required INT missing").
std::string After(const std::string& text) {
  const auto at = text.find(": ");
  return at == std::string::npos ? text : text.substr(at + 2);
}
std::string Before(const std::string& text, const std::string& mark) {
  const auto at = text.find(mark);
  return at == std::string::npos ? text : text.substr(0, at);
}

// What the parser refuses, by the kind of its error, in the command's language. (The kind's
// type, not its name: CLI11 names some errors after the command they arose in.)
Message ParseProblem(const CLI::ParseError& e, const std::string& commands) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
    return {MessageKey::CliNotExpected, {Message::Verbatim(After(what))}};
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr && what.ends_with("missing")) {
    return {MessageKey::CliValueMissing, {Message::Verbatim(Before(what, ": "))}};
  }
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    if (what.find("subcommand") != std::string::npos) {
      return {MessageKey::CliCommandRequired, {Message::Verbatim(commands)}};
    }
    return {MessageKey::CliRequired, {Message::Verbatim(Before(what, " is required"))}};
  }
  return {MessageKey::CliUnreadable, {Message::Verbatim(what)}};
}

// CLI11's own words in the help, and the headings of the options and commands.
void TranslateHelp(CLI::App& app, Language language) {
  if (language != Language::German) return;
  app.option_defaults()->group("Optionen");
  const auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("SUBCOMMAND", "BEFEHL");
  formatter->label("SUBCOMMANDS", "BEFEHLE");
  formatter->label("REQUIRED", "NÖTIG");
  formatter->label("Positionals", "Argumente");
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const LanguageChoice choice = ChooseLanguage(argc, argv);
  const Language lang = choice.language;
  if (!choice.problem.empty()) {
    Complain(err, choice.problem, lang);
    return kExitBadInput;
  }
  CLI::App app{Say(MessageKey::HelpApp, lang)};
  app.set_help_flag("-h,--help", Say(MessageKey::HelpHelp, lang));
  app.require_subcommand(1);
  app.set_version_flag("--version", "swdgen " SWDGEN_VERSION, Say(MessageKey::HelpVersion, lang));
  // --lang may follow the command as well.
  app.fallthrough();
  std::string lang_text;
  app.add_option("--lang", lang_text, Say(MessageKey::HelpLang, lang))->type_name("{de,en}");
  TranslateHelp(app, lang);

  GenerateArgs a;
  a.language = lang;
  auto* gen = app.add_subcommand("generate", Say(MessageKey::HelpGenerate, lang));
  gen->add_option("--out", a.out, Say(MessageKey::HelpOut, lang))->type_name("FILE");
  gen->add_option("--title", a.title, Say(MessageKey::HelpTitle, lang));
  AddSettingOptions(*gen, a);
  gen->add_option("--code", a.code, Say(MessageKey::HelpCode, lang));
  gen->add_option("--seed", a.seed, Say(MessageKey::HelpSeed, lang));
  gen->add_option("--dump-steps", a.dump_steps, Say(MessageKey::HelpDumpSteps, lang))
      ->type_name("DIR");
  gen->add_flag("--quiet", a.quiet, Say(MessageKey::HelpQuiet, lang));
  gen->add_flag("--json", a.json, Say(MessageKey::HelpJson, lang));
  std::string png;
  auto* png_option = gen->add_option("--png", png, Say(MessageKey::HelpPng, lang))
                         ->expected(0, 1)
                         ->type_name("[FILE]");
  gen->add_option("--author", a.author, Say(MessageKey::HelpAuthor, lang));
  gen->add_option("--best-of", a.best_of, Say(MessageKey::HelpBestOf, lang));
  gen->add_flag("--timing", a.timing, Say(MessageKey::HelpTiming, lang));
  gen->add_option("--count", a.count, Say(MessageKey::HelpCount, lang));
  gen->add_option("--jobs", a.jobs, Say(MessageKey::HelpJobs, lang));
  gen->add_flag("--analyze", a.analyze, Say(MessageKey::HelpAnalyze, lang));
  gen->add_flag("--csv", a.csv, Say(MessageKey::HelpCsv, lang));
  gen->add_option("--sheet", a.sheet, Say(MessageKey::HelpSheet, lang))->type_name("FILE");

  std::string info_file;
  auto* info = app.add_subcommand("info", Say(MessageKey::HelpInfo, lang));
  info->add_option("file", info_file, Say(MessageKey::HelpMapFile, lang))->required();

  RenderArgs r;
  r.language = lang;
  auto* render = app.add_subcommand("render", Say(MessageKey::HelpRender, lang));
  render->add_option("map", r.map, Say(MessageKey::HelpMapFile, lang))->required();
  render->add_option("-o", r.out, Say(MessageKey::HelpRenderOut, lang))->type_name("FILE");
  render->add_option("--scale", r.scale, Say(MessageKey::HelpScale, lang));
  render->add_option("--overlay", r.overlays, Say(MessageKey::HelpOverlay, lang))
      ->delimiter(',')
      ->type_name("{resources,sites}");
  AnalyzeArgs analyze_args;
  analyze_args.language = lang;
  auto* analyze = app.add_subcommand("analyze", Say(MessageKey::HelpAnalyzeCommand, lang));
  analyze->add_option("file", analyze_args.file, Say(MessageKey::HelpMapFile, lang))->required();
  analyze->add_flag("--json", analyze_args.json, Say(MessageKey::HelpAnalyzeJson, lang));
  analyze->add_option("--radius", analyze_args.radius, Say(MessageKey::HelpRadius, lang));

  if (lang == Language::German) {
    // The help and version flags were made before the heading was set.
    for (CLI::App* command : {&app, gen, info, render, analyze}) {
      if (command != &app) command->group("Befehle");
      command->get_help_ptr()->group("Optionen");
    }
    app.get_version_ptr()->group("Optionen");
  }
  // Hidden: what the build installs as the bash completion.
  std::string shell;
  auto* completion = app.add_subcommand("completion", "")->group("");
  completion->add_option("shell", shell)->required()->check(CLI::IsMember({"bash"}));

  // A word where the command belongs that names none: CLI11 would only say that one is
  // missing.
  const CLI::App& commands = app;
  std::string known;
  std::vector<std::string> names;
  for (const CLI::App* command : commands.get_subcommands([](const CLI::App*) { return true; })) {
    names.push_back(command->get_name());
    if (!command->get_group().empty()) known += (known.empty() ? "" : ", ") + names.back();
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--lang") {
      ++i;
      continue;
    }
    if (arg.starts_with('-')) continue;
    if (std::find(names.begin(), names.end(), arg) == names.end()) {
      Complain(err,
               {MessageKey::UnknownCommand,
                {Message::Verbatim(std::string(arg)), Message::Verbatim(known)}},
               lang);
      return kExitBadInput;
    }
    break;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version are no errors.
    if (e.get_exit_code() == 0) return app.exit(e, out, err) == 0 ? kExitOk : kExitBadInput;
    Complain(err, ParseProblem(e, known), lang);
    return kExitBadInput;
  }
  if (png_option->count() > 0) a.png = png;
  if (*gen) return RunGenerate(a, out, err);
  if (*render) return RunRender(r, out, err);
  if (*analyze) return RunAnalyze(analyze_args, out, err);
  if (*completion) {
    WriteBashCompletion(app, out);
    return kExitOk;
  }
  return RunInfo(info_file, lang, out, err);
}

int ReportInternalErrors(const std::function<int()>& body, std::ostream& err) {
  const Language lang = LanguageOfLocale([](const char* name) { return std::getenv(name); });
  try {
    return body();
  } catch (const std::exception& e) {
    Complain(err, {MessageKey::CliInternalError, {Message::Verbatim(e.what())}}, lang);
  } catch (...) {
    Complain(err, {MessageKey::CliInternalError, {MessageKey::CliUnknownException}}, lang);
  }
  return kExitInternalError;
}

}  // namespace swd::cli
