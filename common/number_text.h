#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Numbers as the group file writes them: at most 15 significant digits, a
// point as decimal separator whatever the regional settings, no leading blank,
// no zero before the point (.25, -.5), no trailing zeros; 0 is "0". Values
// whose decimal exponent is below -4 or above 14 take the exponent form with
// an upper-case E, a sign and at least two digits (1E-05, 1.5E+20).
std::string NumberText(double value);

// Appends NumberText(value) to out without building a string of its own.
void AppendNumberText(std::string& out, double value);

// Appends NumberText(RoundTo(value, 2)), the form of every coordinate in the
// group file, by integer arithmetic where the result is the same: a full
// group holds over a million of them.
void AppendTwoDecimalsText(std::string& out, double value);

// The most characters either text takes.
constexpr std::size_t kMaxNumberTextBytes = 32;

// The same two texts written at out, which must have room for
// kMaxNumberTextBytes; the end of what was written.
char* WriteNumberText(char* out, double value);
char* WriteTwoDecimalsText(char* out, double value);

// Rounds half up at `decimals` places: the value times 10^decimals, plus 0.5,
// rounded down, divided back (2.125 -> 2.13, -2.125 -> -2.12).
double RoundTo(double value, int decimals);

// Where a value printed after a comma starts, on a line that already holds
// `length` characters: the first column (counted from 1) of the next
// 14-column print zone. After up to 13 characters that is column 15, after 14
// to 27 column 29, and so on: at least one blank always separates the two.
int NextPrintZone(int length);

// A grid cell's text for a coordinate: the value brought to one decimal as
// floor(10 * value + 0.5) / 10, in the shortest form that reads back as the
// same double, with a point as decimal separator (12.36 -> "12.4",
// -12.36 -> "-12.4", 3 -> "3"). The grid reads it back unchanged.
std::string OneDecimalText(double value);

// The nearest 16-bit integer, halves going to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -0.5 -> 0); nothing when the value lies outside -32768..32767 or
// is not a number.
std::optional<int16_t> NearestInt16(double value);
