#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunBatch(args, std::cout, std::cerr);
}
