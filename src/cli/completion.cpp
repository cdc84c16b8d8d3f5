#include "cli/completion.hpp"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace swd::cli {

namespace {

// Shown options and commands only: the help's, which hidden ones (group "") are not.
bool Shown(const CLI::Option* option) {
  return !option->get_group().empty();
}

std::vector<const CLI::App*> Commands(const CLI::App& app) {
  return app.get_subcommands([](const CLI::App* c) { return !c->get_group().empty(); });
}

std::string Join(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& w : words)
    joined += (joined.empty() ? "" : " ") + w;
  return joined;
}

// The option's names, "--out" and "-o".
std::vector<std::string> Names(const CLI::Option* option) {
  std::vector<std::string> names;
  for (const std::string& l : option->get_lnames())
    names.push_back("--" + l);
  for (const std::string& s : option->get_snames())
    names.push_back("-" + s);
  return names;
}

// The case branch that completes the value of `option` of `command` ("" for the program's
// own): its choices, paths, or nothing to offer (a number or a text).
std::string ValueBranch(const std::string& command, const CLI::Option* option) {
  const std::string type = option->get_type_name();
  std::string reply = "COMPREPLY=()";
  if (type.size() > 2 && type.front() == '{' && type.back() == '}') {
    std::string words = type.substr(1, type.size() - 2);
    for (char& c : words) {
      if (c == ',') c = ' ';
    }
    reply = "COMPREPLY=($(compgen -W \"" + words + "\" -- \"$cur\"))";
  } else if (type.find("DIR") != std::string::npos) {
    reply = "COMPREPLY=($(compgen -d -- \"$cur\"))";
  } else if (type.find("FILE") != std::string::npos) {
    reply = "COMPREPLY=($(compgen -f -- \"$cur\"))";
  }
  std::string patterns;
  for (const std::string& name : Names(option))
    patterns += (patterns.empty() ? "" : "|") + ("\"" + command + " " + name + "\"");
  return "    " + patterns + ")\n      " + reply + "\n      return ;;\n";
}

bool TakesValue(const CLI::Option* option) {
  return option->get_type_size() != 0 && option->nonpositional();
}

}  // namespace

void WriteBashCompletion(const CLI::App& app, std::ostream& out) {
  std::vector<std::string> command_names;
  for (const CLI::App* command : Commands(app))
    command_names.push_back(command->get_name());

  std::string values;
  std::string words = "    \"\")\n      words=\"";
  std::vector<std::string> own;
  for (const CLI::Option* option : app.get_options()) {
    if (!Shown(option) || !option->nonpositional()) continue;
    for (const std::string& name : Names(option))
      own.push_back(name);
    if (TakesValue(option)) values += ValueBranch("", option);
  }
  own.insert(own.end(), command_names.begin(), command_names.end());
  words += Join(own) + "\" ;;\n";
  std::string positional;
  for (const CLI::App* command : Commands(app)) {
    std::vector<std::string> options;
    bool has_positional = false;
    for (const CLI::Option* option : command->get_options()) {
      if (!Shown(option)) continue;
      if (!option->nonpositional()) {
        has_positional = true;
        continue;
      }
      for (const std::string& name : Names(option))
        options.push_back(name);
      if (TakesValue(option)) values += ValueBranch(command->get_name(), option);
    }
    words += "    " + command->get_name() + ")\n      words=\"" + Join(options) + "\" ;;\n";
    if (has_positional) positional += (positional.empty() ? "" : "|") + command->get_name();
  }

  std::string alternatives;
  for (const std::string& name : command_names)
    alternatives += (alternatives.empty() ? "" : "|") + name;
  out << "# bash completion for swdgen, made by `swdgen completion bash` from the program's own\n"
         "# commands, options and choices.\n"
         "_swdgen() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command= i words\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    case ${COMP_WORDS[i]} in\n"
         "      "
      << alternatives << ")\n";
  out << "        command=${COMP_WORDS[i]}\n"
         "        break ;;\n"
         "    esac\n"
         "  done\n"
         "  case \"$command $prev\" in\n"
      << values
      << "  esac\n"
         "  case $command in\n"
      << words
      << "  esac\n"
         "  # A command's file: a word that is no option.\n"
         "  if [[ $cur != -* ]]; then\n"
         "    case $command in\n"
         "      "
      << (positional.empty() ? "\"\"" : positional)
      << ")\n"
         "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "        return ;;\n"
         "    esac\n"
         "  fi\n"
         "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
         "}\n"
         "complete -o filenames -F _swdgen swdgen\n";
}

}  // namespace swd::cli
