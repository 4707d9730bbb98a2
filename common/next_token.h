#pragma once

#include <string>

// Returns the first token of line (a run of characters other than blank and
// tab, after leading blanks and tabs) and removes it from line, which keeps
// everything after the token, delimiter included. A line that is empty or
// only blanks and tabs gives an empty token and is left unchanged.
std::string NextToken(std::string& line);
