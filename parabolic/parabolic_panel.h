#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/message.h"

// What the parabolic cable dialog remembers between showings: the values
// last read from its seven boxes and the coefficients of the last parabola
// Y(s) = a·s² + b·s + c computed from them.
struct ParabolicCableState {
  int16_t InitialName = 0;  // node numbers as the user knows them
  int16_t MiddleName = 0;
  int16_t FinalName = 0;
  double CableZ = 0.0;  // the same at every point of the cable
  double InitialY = 0.0;
  double MiddleY = 0.0;
  double FinalY = 0.0;
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// The texts of the dialog's boxes, as typed (UTF-8).
struct ParabolicPanelTexts {
  std::array<std::string, 3> NodeName;  // initial, intermediate, final
  std::string CoordZ;
  std::array<std::string, 3> CoordY;  // at the same three nodes
};

// A number typed by the user in the regional format: blanks around it are
// ignored; an optional sign, digits, at most one decimal separator (the one
// given, "," or "." or longer) and an optional exponent (E, e). Any other
// character, a thousands separator included, makes the text no number, and
// so does a value beyond the range of a double.
std::optional<double> ParseRegionalNumber(std::string_view text, std::string_view decimalSeparator);

// A node name: an optional sign and decimal digits, blanks around them
// ignored, within the signed 16-bit range.
std::optional<int16_t> ParseNodeName(std::string_view text);

// Reads the seven boxes in order (initial, intermediate and final node, Z,
// the three Y) into state. At the first box that is empty (blanks only) or
// that does not hold a node name or a number in the user's format, returns
// the message naming it ("ATTENZIONE", information icon); the boxes before
// it have been stored, the later ones are left as they were.
std::optional<Message> LeggiPannello(const ParabolicPanelTexts& texts,
                                     std::string_view decimalSeparator,
                                     ParabolicCableState& state);
