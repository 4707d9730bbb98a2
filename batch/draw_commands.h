#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/prompter.h"

// tracciati-batch '<argument string>' draw-all IN
// tracciati-batch '<argument string>' preview IN N
// args are all the program's arguments. Both run start-up and open the group
// file IN as "Apri" does (its name gives the group number). draw-all then
// writes one drawing per layout as "Disegna tracciati" does and prints on
// out the summary: message 24 with the count, then each drawing's path on a
// line of its own. preview writes the preview drawing of layout N as
// "Anteprima" does, without starting the viewer, and prints its path.
// Messages go through the prompter. Returns the exit status: 1 after a
// message (a start-up fault, a group that cannot be read or has no layouts,
// no layout N) or when a drawing could not be written (said on err); or
// nothing when the command line is malformed (the reason printed on err),
// and the caller prints the usage. fileArgument turns a file named on the
// command line into the suite path a file dialog would have given.
std::optional<int> RunDrawCommand(const std::vector<std::string>& args, Prompter& prompter,
                                  std::ostream& out, std::ostream& err,
                                  std::string (*fileArgument)(const std::string&));
