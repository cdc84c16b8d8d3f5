#pragma once

#include <iosfwd>

namespace CLI {
class App;
}

namespace swd::cli {

// The bash completion of the command line (`swdgen completion bash`, installed as
// share/bash-completion/completions/swdgen): made from the parser itself, so that every
// command, option and choice it offers is the one the program knows. An option's choices
// are its type name's "{a,b,c}"; one whose type names a FILE or DIR completes paths, as do
// a command's positional arguments.
void WriteBashCompletion(const CLI::App& app, std::ostream& out);

}  // namespace swd::cli
