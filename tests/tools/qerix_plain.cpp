// qerix with every rewrite of the planner and all parallel work switched
// off: each node runs its plain evaluation, one after another, on one
// thread. The tests run every golden case and example through it as well,
// and expect the same bytes on every channel.

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/telling_run.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return qerix::runTelling(arguments, std::cout, std::cerr, {.rewrites = false, .parallel = false});
}
