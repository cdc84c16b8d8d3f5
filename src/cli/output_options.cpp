#include "cli/output_options.hpp"

#include <cctype>
#include <system_error>

#include "files/file_writer.hpp"
#include "files/output_path.hpp"

namespace swd::cli {

namespace {

// The names --dump-steps gives its files: steps.txt and NN-Name.bin.
bool IsTraceFileName(const std::string& name) {
  if (name == "steps.txt") return true;
  return name.size() > 7 && std::isdigit(static_cast<unsigned char>(name[0])) &&
         std::isdigit(static_cast<unsigned char>(name[1])) && name[2] == '-' &&
         name.ends_with(".bin");
}

}  // namespace

std::filesystem::path OutputPath(const std::string& text) {
  std::filesystem::path path = text;
  std::error_code ec;
  if (path.has_filename() && std::filesystem::is_directory(path, ec)) path /= "";
  return path;
}

Message OutputOptionProblem(const std::string& option, const std::filesystem::path& path) {
  const Message problem = path.has_filename() ? OutputProblem(path) : FolderProblem(path);
  if (problem.empty()) return {};
  return {MessageKey::CliOption, {Message::Verbatim(option), problem}};
}

Message TraceFolderProblem(const std::filesystem::path& folder) {
  std::error_code ec;
  const auto status = std::filesystem::status(folder, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_directory(status)) {
    return {MessageKey::CliOption,
            {Message::Verbatim("--dump-steps"),
             {MessageKey::FolderIsFile, {Message::Verbatim(folder.string())}}}};
  }
  return {};
}

Message SameOutputProblem(const std::vector<NamedOutput>& outputs,
                          const std::filesystem::path& trace) {
  auto twice = [](const NamedOutput& later, const NamedOutput& earlier) {
    const auto named = [](const NamedOutput& o) {
      return Message::Verbatim(o.option + " " + o.path.string());
    };
    return Message(MessageKey::CliOption,
                   {Message::Verbatim(later.option),
                    {MessageKey::SameFileTwice, {named(earlier), named(later)}}});
  };
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (SameOutput(outputs[j].path, outputs[i].path)) return twice(outputs[i], outputs[j]);
    }
    if (trace.empty()) continue;
    const std::filesystem::path& file = outputs[i].path;
    if (SameOutput(file, trace)) return twice(outputs[i], {"--dump-steps", trace});
    if (IsTraceFileName(file.filename().string()) && SameOutput(FolderOf(file), trace)) {
      return twice(outputs[i], {"--dump-steps", trace / file.filename()});
    }
  }
  return {};
}

}  // namespace swd::cli
