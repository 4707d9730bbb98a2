#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit statuses of tracciati-batch.
constexpr int kExitDone = 0;     // the sub-command did its job
constexpr int kExitStopped = 1;  // it stopped after a message
constexpr int kExitUsage = 2;    // the command line is not understood

// Runs tracciati-batch with its arguments (after the program name): the
// argument string, the sub-command and its operands. What the user asked for
// goes to out, every message box to err.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
