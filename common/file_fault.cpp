#include "common/file_fault.h"

#include "common/message_catalogue.h"
#include "common/text.h"

namespace {

// Enough to recognise the field at fault; a line of garbage or a field
// thousands of characters long would otherwise fill the message box.
constexpr std::size_t kMaxDetailCharacters = 80;

// The detail as a message box can show it: control characters (NULs of a
// file in another encoding, stray escapes) become blanks, and a long detail
// is cut.
std::string ShowableDetail(const std::string& what) {
  std::string detail = what;
  if (Utf8Length(detail) > kMaxDetailCharacters) {
    detail = Utf8Left(detail, kMaxDetailCharacters) + "...";
  }
  for (char& c : detail) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return detail;
}

}  // namespace

Message FileContentFault(const std::string& path, int line, const std::string& what) {
  std::string text = CatalogueText(kMsgCannotRead) + path + " (";
  if (line > 0) text += "riga " + std::to_string(line) + ": ";
  text += ShowableDetail(what) + ")";
  return {text, kCaptionProblem, kStyleCritical};
}
