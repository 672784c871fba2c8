// impulsor-cli: the flyback-transformer design program for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "cli_runner.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return impulsor::cli::run(args, std::cout, std::cerr);
}
