#include <iostream>

#include "cli/command_line.hpp"

int main(int argc, char** argv) {
  return swd::cli::ReportInternalErrors(
      [&] { return swd::cli::RunCommandLine(argc, argv, std::cout, std::cerr); }, std::cerr);
}
