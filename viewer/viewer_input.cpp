#include "viewer/viewer_input.h"

#include <vector>

#include "common/file_fault.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/val.h"

ViewerInputResult ReadViewerInput(const std::filesystem::path& path, const std::string& fileName) {
  const std::optional<std::vector<std::string>> lines = ReadTextFileLines(path);
  if (!lines) return {std::nullopt, "File " + fileName + " inesistente!"};
  if (lines->size() < 2 || Trim((*lines)[1]).empty()) {
    return {std::nullopt, FileContentFault(fileName, 2, "manca il percorso del disegno").text};
  }
  ViewerInput input;
  input.drawingPath = Trim((*lines)[1]);
  double* values[] = {&input.left, &input.top, &input.width, &input.height};
  for (std::size_t k = 0; k < 4; ++k) {
    const std::size_t line = k + 2;
    if (line >= lines->size()) break;
    const std::string text = Trim((*lines)[line]);
    if (text.empty()) continue;
    // The editor writes a point; a comma is taken as one too.
    std::string number = text;
    for (char& c : number) {
      if (c == ',') c = '.';
    }
    const std::optional<double> value = ParseNumber(number);
    if (!value) {
      return {std::nullopt, FileContentFault(fileName, static_cast<int>(line) + 1,
                                             "numero non valido \"" + text + "\"")
                                .text};
    }
    *values[k] = *value;
  }
  return {input, {}};
}
