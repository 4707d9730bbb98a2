#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/prompter.h"

// tracciati-batch '<argument string>' verify IN [--copriferro C] [--raggio R]
// args are all the program's arguments. Runs start-up, opens the group file
// IN as "Apri" does and checks its layouts as "Verifica tracciati" does:
// prints one problem a line, then each layout's smallest radius, then the
// count of problems. Returns 1 when a problem was printed or after a
// message, 0 otherwise; nothing when the command line is malformed (the
// reason printed on err), and the caller prints the usage.
std::optional<int> RunVerify(const std::vector<std::string>& args, Prompter& prompter,
                             std::ostream& out, std::ostream& err,
                             std::string (*fileArgument)(const std::string&));
