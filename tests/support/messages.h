#pragma once

#include <ostream>
#include <string>

#include "common/message.h"

// Messages compared whole (text, caption and style), so that a table of bad
// inputs checks all three in one line per case.
inline bool operator==(const Message& a, const Message& b) {
  return a.text == b.text && a.caption == b.caption && a.style == b.style;
}
inline void PrintTo(const Message& m, std::ostream* os) {
  *os << m.caption << " (" << m.style << "): " << m.text;
}

inline Message Problem(const std::string& text) {
  return {text, kCaptionProblem, kStyleCritical};
}
inline Message Information(const std::string& text) {
  return {text, kCaptionInformation, kStyleInformation};
}
