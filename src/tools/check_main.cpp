#include <iostream>
#include <string_view>
#include <vector>

#include "tools/check_command.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return qerix::runCheck(arguments, std::cout, std::cerr);
}
