#include "common/text_reader.h"

#include "common/text.h"
#include "common/val.h"

TextReader::TextReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

bool TextReader::AtEnd() const { return static_cast<std::size_t>(line_) >= lines_.size(); }

std::optional<std::string> TextReader::ReadLine() {
  if (AtEnd()) return std::nullopt;
  std::string rest = Current().substr(col_);
  ++line_;
  col_ = 0;
  return rest;
}

void TextReader::SkipBlanks() {
  const std::string& l = Current();
  while (col_ < l.size() && IsBlank(l[col_])) ++col_;
}

bool TextReader::SkipToNextField() {
  while (!AtEnd()) {
    SkipBlanks();
    if (col_ < Current().size()) return true;
    ++line_;
    col_ = 0;
  }
  return false;
}

void TextReader::EndField() {
  if (AtEnd()) return;
  SkipBlanks();
  const std::string& l = Current();
  if (col_ < l.size() && l[col_] == ',') {
    ++col_;
    // A comma that closes the line also closes the field's line.
    SkipBlanks();
    if (col_ < Current().size()) return;
  }
  if (col_ >= l.size()) {
    ++line_;
    col_ = 0;
  }
}

std::string TextReader::TakeUntil(bool stopAtBlank) {
  const std::string& l = Current();
  const std::size_t b = col_;
  while (col_ < l.size() && l[col_] != ',' && !(stopAtBlank && IsBlank(l[col_]))) ++col_;
  return l.substr(b, col_ - b);
}

std::string TextReader::TakeQuoted() {
  const std::string& l = Current();
  const std::size_t b = ++col_;
  while (col_ < l.size() && l[col_] != '"') ++col_;
  std::string text = l.substr(b, col_ - b);
  if (col_ < l.size()) ++col_;
  // Anything between the closing quote and the delimiter is dropped.
  while (col_ < l.size() && l[col_] != ',') ++col_;
  return text;
}

TextReader::Number TextReader::ReadNumber() {
  Number n;
  if (!SkipToNextField()) return n;
  n.text = TakeUntil(/*stopAtBlank=*/true);
  EndField();
  if (const auto v = ParseNumber(n.text)) {
    n.status = Status::kOk;
    n.value = *v;
  } else {
    n.status = Status::kNotANumber;
  }
  return n;
}

std::optional<std::string> TextReader::ReadText() {
  if (AtEnd()) return std::nullopt;
  SkipBlanks();
  std::string text;
  if (col_ < Current().size() && Current()[col_] == '"') {
    text = TakeQuoted();
  } else {
    text = TrimRight(TakeUntil(/*stopAtBlank=*/false));
    while (!text.empty() && text.back() == '\t') text.pop_back();
  }
  EndField();
  return text;
}

bool TextReader::SkipField() {
  if (!SkipToNextField()) return false;
  if (Current()[col_] == '"') {
    TakeQuoted();
  } else {
    TakeUntil(/*stopAtBlank=*/true);
  }
  EndField();
  return true;
}
