#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/messages.hpp"

namespace swd::cli {

// The checks of the options that name files to write (--out, --png, --sheet, --dump-steps,
// render's -o), made before anything runs, so that a path that cannot take its file stops the
// command with exit status 2 instead of after the work.

// The text of an output option as a path. A text that ends in '/' or names an existing folder
// stands for that folder: the path has no file name then ("maps/"), and the file goes into it
// under the name it would have had.
std::filesystem::path OutputPath(const std::string& text);

// "OPTION: why" when the file `path` cannot be written (its folder is missing or closed, or a
// folder, device, FIFO or socket is in its place), for a path without a file name whether
// its folder can take files; empty when it can.
Message OutputOptionProblem(const std::string& option, const std::filesystem::path& path);

// "--dump-steps: why" when the trace folder cannot be one: a file is in its place.
Message TraceFolderProblem(const std::filesystem::path& folder);

// One file a run will write, and the option that names it.
struct NamedOutput {
  std::string option;
  std::filesystem::path path;
};

// "OPTION: A und B sind dieselbe Datei; ..." for the first output that would replace an
// earlier one of the same run, with the later one's option; empty when all differ. A trace
// folder (`trace`, none when empty) counts with the files it will hold: steps.txt and
// NN-Name.bin.
Message SameOutputProblem(const std::vector<NamedOutput>& outputs,
                          const std::filesystem::path& trace = {});

}  // namespace swd::cli
