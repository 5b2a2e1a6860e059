#include <iostream>
#include <string_view>
#include <vector>

#include "cli/telling_run.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return qerix::runTelling(arguments, std::cout, std::cerr);
}
