#pragma once

#include <optional>
#include <string_view>

// The number reading rule of the job files and grid fields: blanks, tabs and
// line feeds are ignored wherever they stand ("2 5" reads 25), a point is the
// decimal separator whatever the regional settings, reading stops at the
// first character that cannot continue the number ("1,5" reads 1); no number
// at all gives 0.
double Val(std::string_view text);

// Val, but nothing when the number is too big for a double ("1e400"): a grid
// box keeps its old value rather than store one no file can hold.
std::optional<double> FiniteVal(std::string_view text);

// The whole text, and nothing else, as a number in the same notation (a
// field of a free-format record). Empty or malformed text gives nothing, and
// so does a number too big for a double ("1e400").
std::optional<double> ParseNumber(std::string_view text);

// The length of the longest prefix of text that reads as a number (sign,
// digits, point, digits, exponent with E or D); 0 when none does.
std::size_t NumberPrefixLength(std::string_view text);
