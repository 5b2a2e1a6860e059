#include <iostream>
#include <string_view>
#include <vector>

#include "tools/tree_command.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return qerix::runTree(arguments, std::cout, std::cerr);
}
