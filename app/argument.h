#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "common/message.h"

// The one argument string the suite passes: "|diroot=c:\suite|MEMBRA=12|".
// A process started with several arguments gets them joined with single
// blanks, the way the suite's own programs see their command line.
std::string JoinArguments(int argc, const char* const* argv);

// The MEMBRA item: the key is case-sensitive, the value is read as a number
// and rounded down. Faults: no item, no closing "|", not a number, outside
// 16 bits.
std::variant<int16_t, Message> ParseMemberNumber(const std::string& argument);

// The diroot item, from the lower-cased argument: blanks after "=" skipped,
// the value up to the next "|", trimmed.
std::variant<std::string, Message> ParseRootDir(const std::string& argument);
