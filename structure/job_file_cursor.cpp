#include "structure/job_file_cursor.h"

#include <cmath>

#include "common/file_fault.h"
#include "common/val.h"

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string TooManyText(const std::string& what, int capacity) {
  return what + " (massimo " + std::to_string(capacity) + ")";
}

JobFileCursor::JobFileCursor(std::string suitePath, std::vector<std::string> lines)
    : suitePath_(std::move(suitePath)), reader_(std::move(lines)) {}

void JobFileCursor::Fail(int line, const std::string& what) {
  if (!fault_) fault_ = FileContentFault(suitePath_, line, what);
}

std::string JobFileCursor::ReadLine() {
  if (Failed()) return {};
  std::optional<std::string> line = reader_.ReadLine();
  if (!line) {
    Fail(0, "file troncato");
    return {};
  }
  return *line;
}

int JobFileCursor::WholeNumber(double value, const std::string& text, int line, int lowest,
                               int highest) {
  // The comparisons are made on doubles so that 1e300 cannot overflow.
  if (value != std::floor(value) || value < static_cast<double>(lowest) ||
      value > static_cast<double>(highest)) {
    Fail(line, "numero intero non valido " + Quoted(text));
    return 0;
  }
  return static_cast<int>(value);
}

bool JobFileCursor::ReadField(TextReader::Number& n) {
  lastLine_ = LineNumber();
  n = reader_.ReadNumber();
  switch (n.status) {
    case TextReader::Status::kEndOfFile:
      Fail(0, "file troncato");
      return false;
    case TextReader::Status::kNotANumber:
      Fail(lastLine_, n.text.empty() ? "numero mancante" : "numero non valido " + Quoted(n.text));
      return false;
    case TextReader::Status::kOk:
      break;
  }
  return true;
}

double JobFileCursor::ReadNumber() {
  if (Failed()) return 0.0;
  TextReader::Number n;
  return ReadField(n) ? n.value : 0.0;
}

std::optional<int> JobFileCursor::TryReadInteger(int lowest, int highest) {
  if (Failed()) return 0;
  lastLine_ = LineNumber();
  const TextReader::Number n = reader_.ReadNumber();
  if (n.status != TextReader::Status::kOk) return std::nullopt;
  return WholeNumber(n.value, n.text, lastLine_, lowest, highest);
}

int JobFileCursor::ReadInteger(int lowest, int highest) {
  if (Failed()) return 0;
  TextReader::Number n;
  if (!ReadField(n)) return 0;
  return WholeNumber(n.value, n.text, lastLine_, lowest, highest);
}

int JobFileCursor::CheckCount(int count, int line, int capacity, const std::string& tooMany) {
  if (Failed()) return 0;
  if (count < 0) {
    Fail(line, "conteggio non valido " + std::to_string(count));
    return 0;
  }
  if (count > capacity) {
    Fail(line, TooManyText(tooMany, capacity));
    return 0;
  }
  return count;
}

int JobFileCursor::ReadCount() {
  const int count = ReadInteger();
  return CheckCount(count, lastLine_, SHRT_MAX, "");
}

int JobFileCursor::ReadCount(int capacity, const std::string& tooMany) {
  const int count = ReadInteger(INT_MIN, kAnyCount);
  return CheckCount(count, lastLine_, capacity, tooMany);
}

std::string JobFileCursor::ReadText() {
  if (Failed()) return {};
  std::optional<std::string> text = reader_.ReadText();
  if (!text) {
    Fail(0, "file troncato");
    return {};
  }
  return *text;
}

void JobFileCursor::SkipField() {
  if (Failed()) return;
  if (!reader_.SkipField()) Fail(0, "file troncato");
}

int JobFileCursor::TokenInteger(const std::string& token, int line, int lowest, int highest) {
  if (Failed()) return 0;
  if (token.empty()) {
    Fail(line, "numero mancante");
    return 0;
  }
  const std::optional<double> value = ParseNumber(token);
  if (!value) {
    Fail(line, "numero non valido " + Quoted(token));
    return 0;
  }
  return WholeNumber(*value, token, line, lowest, highest);
}

int JobFileCursor::TokenCount(const std::string& token, int line) {
  return CheckCount(TokenInteger(token, line), line, SHRT_MAX, "");
}
