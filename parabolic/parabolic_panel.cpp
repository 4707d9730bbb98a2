#include "parabolic/parabolic_panel.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "common/text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

Message Warning(const char* text) {
  return {text, kCaptionWarning, kStyleInformation};
}

// One box: its messages when empty and when unreadable, and where its value
// goes once read.
struct NameBox {
  const char* missing;
  const char* invalid;
  int16_t ParabolicCableState::*value;
};

struct NumberBox {
  const char* missing;
  const char* invalid;
  double ParabolicCableState::*value;
};

constexpr std::array<NameBox, 3> kNameBoxes = {{
    {"Nome nodo iniziale non inserito", "Nome nodo iniziale non valido",
     &ParabolicCableState::InitialName},
    {"Nome nodo intermedio non inserito", "Nome nodo intermedio non valido",
     &ParabolicCableState::MiddleName},
    {"Nome nodo finale non inserito", "Nome nodo finale non valido",
     &ParabolicCableState::FinalName},
}};

constexpr NumberBox kZBox = {"Coordinata z non inserita", "Coordinata z non valida",
                             &ParabolicCableState::CableZ};

constexpr std::array<NumberBox, 3> kYBoxes = {{
    {"Coordinata y del punto iniziale non inserita", "Coordinata y del punto iniziale non valida",
     &ParabolicCableState::InitialY},
    {"Coordinata y del punto intermedio non inserita",
     "Coordinata y del punto intermedio non valida", &ParabolicCableState::MiddleY},
    {"Coordinata y del punto finale non inserita", "Coordinata y del punto finale non valida",
     &ParabolicCableState::FinalY},
}};

std::optional<Message> ReadNumberBox(const std::string& text, const NumberBox& box,
                                     std::string_view separator, ParabolicCableState& state) {
  if (Trim(text).empty()) return Warning(box.missing);
  const auto value = ParseRegionalNumber(text, separator);
  if (!value) return Warning(box.invalid);
  state.*box.value = *value;
  return std::nullopt;
}

}  // namespace

std::optional<double> ParseRegionalNumber(std::string_view text, std::string_view decimalSeparator) {
  const std::string trimmed = Trim(text);
  const std::string_view t = trimmed;
  // The number rewritten with a point, which from_chars reads in any locale.
  std::string plain;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') plain += '-';
    ++i;
  }
  std::size_t end = SkipDigits(t, i);
  bool digits = end > i;
  // from_chars wants a digit before the point.
  plain.append(digits ? t.substr(i, end - i) : std::string_view("0"));
  i = end;
  if (!decimalSeparator.empty() && t.substr(i, decimalSeparator.size()) == decimalSeparator) {
    i += decimalSeparator.size();
    end = SkipDigits(t, i);
    digits = digits || end > i;
    plain += '.';
    plain.append(t.substr(i, end - i));
    i = end;
  }
  if (!digits) return std::nullopt;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    end = SkipDigits(t, j);
    if (end == j) return std::nullopt;
    plain += 'e';
    plain.append(t.substr(i + 1, end - i - 1));
    i = end;
  }
  if (i != t.size()) return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Only an underflow is harmless: it reads as 0.
    const std::size_t e = plain.find('e');
    if (e == std::string::npos || plain.find('-', e) == std::string::npos) return std::nullopt;
    value = 0.0;
  } else if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int16_t> ParseNodeName(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view t = trimmed;
  const bool plus = !t.empty() && t[0] == '+';
  if (plus) t.remove_prefix(1);
  if (t.empty() || !(IsDigit(t[0]) || (!plus && t[0] == '-'))) return std::nullopt;
  long long value = 0;
  const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
  if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return std::nullopt;
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(value);
}

std::optional<Message> LeggiPannello(const ParabolicPanelTexts& texts,
                                     std::string_view decimalSeparator,
                                     ParabolicCableState& state) {
  for (std::size_t k = 0; k < kNameBoxes.size(); ++k) {
    const NameBox& box = kNameBoxes[k];
    if (Trim(texts.NodeName[k]).empty()) return Warning(box.missing);
    const auto name = ParseNodeName(texts.NodeName[k]);
    if (!name) return Warning(box.invalid);
    state.*box.value = *name;
  }
  if (auto fault = ReadNumberBox(texts.CoordZ, kZBox, decimalSeparator, state)) return fault;
  for (std::size_t k = 0; k < kYBoxes.size(); ++k) {
    if (auto fault = ReadNumberBox(texts.CoordY[k], kYBoxes[k], decimalSeparator, state)) {
      return fault;
    }
  }
  return std::nullopt;
}
