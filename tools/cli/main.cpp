#include <iostream>

#include "cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int rc = lomarin::cli::Run(args, std::cout, std::cerr);
  std::cout.flush();
  return rc;
}
