#include "common/file_fault.h"

#include "common/message_catalogue.h"

Message FileContentFault(const std::string& path, int line, const std::string& what) {
  std::string text = CatalogueText(kMsgCannotRead) + path + " (";
  if (line > 0) text += "riga " + std::to_string(line) + ": ";
  text += what + ")";
  return {text, kCaptionProblem, kStyleCritical};
}
