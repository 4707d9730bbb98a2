#include "app/argument.h"

#include <cmath>

#include "common/text.h"
#include "common/val.h"

namespace {

const char* const kMemberKey = "|MEMBRA=";
const char* const kRootKey = "|diroot=";

Message NoArgument() {
  return {"Avvio del programma: argomento non presente", kCaptionError, kStyleCritical};
}

}  // namespace

std::string JoinArguments(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return joined;
}

std::variant<int16_t, Message> ParseMemberNumber(const std::string& argument) {
  const std::size_t key = argument.find(kMemberKey);
  if (key == std::string::npos) {
    return Message{"Nessuna membratura specificata", kCaptionProblem, kStyleCritical};
  }
  const std::size_t valueStart = key + std::char_traits<char>::length(kMemberKey);
  const std::size_t close = argument.find('|', key + 1);
  if (close == std::string::npos) {
    return Message{"Avvio del programma: valore di MEMBRA senza \"|\" di chiusura", kCaptionProblem,
                   kStyleCritical};
  }
  const std::string value = Trim(argument.substr(valueStart, close - valueStart));
  const std::optional<double> number = ParseNumber(value);
  const double whole = number ? std::floor(*number) : 0.0;
  if (!number || whole < INT16_MIN || whole > INT16_MAX) {
    return Message{"Numero di membratura non valido: " + value, kCaptionProblem, kStyleCritical};
  }
  return static_cast<int16_t>(whole);
}

std::variant<std::string, Message> ParseRootDir(const std::string& argument) {
  const std::string lower = ToLower(argument);
  if (Trim(lower).empty()) return NoArgument();
  const std::size_t key = lower.find(kRootKey);
  if (key == std::string::npos) return NoArgument();
  std::size_t start = key + std::char_traits<char>::length(kRootKey);
  while (start < lower.size() && lower[start] == ' ') ++start;
  const std::size_t close = lower.find('|', start);
  if (close == std::string::npos) {
    return Message{"Avvio del programma: valore di diroot senza \"|\" di chiusura", kCaptionError,
                   kStyleCritical};
  }
  return Trim(lower.substr(start, close - start));
}
