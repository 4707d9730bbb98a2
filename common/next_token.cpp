#include "common/next_token.h"

#include "common/text.h"

std::string NextToken(std::string& line) {
  std::size_t b = 0;
  while (b < line.size() && IsBlank(line[b])) ++b;
  if (b == line.size()) return {};
  std::size_t e = b;
  while (e < line.size() && !IsBlank(line[e])) ++e;
  std::string token = line.substr(b, e - b);
  line.erase(0, e);
  return token;
}
