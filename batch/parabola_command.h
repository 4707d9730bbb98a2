#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/prompter.h"

// How a file named on the command line becomes the suite path a file
// dialog would have given.
using FileArgumentPath = std::string (*)(const std::string& arg);

// tracciati-batch '<argument string>' parabola IN OUT I M F Z Y1 Y2 Y3:
// args are all the program's arguments. Runs start-up, takes the group from
// IN ("-" for an empty group), appends the parabolic layout through the
// nodes numbered I, M, F with Z and the three Y (a point as decimal
// separator) as "Crea" does, and writes OUT as "Salva" does. Every message
// goes through the prompter; nothing is written after a refusal.
// Returns the exit status, or nothing when the command line is malformed
// (a wrong operand count, a node number or a coordinate that does not read):
// the reason has then been printed on err, and the caller prints the usage.
std::optional<int> RunParabola(const std::vector<std::string>& args, Prompter& prompter,
                               std::ostream& err, FileArgumentPath fileArgument);
