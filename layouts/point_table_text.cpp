#include "layouts/point_table_text.h"

#include <charconv>
#include <string>

#include "common/message_catalogue.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/val.h"
#include "structure/structure_reader.h"

namespace {

constexpr int kPointColumns = 6;
constexpr const char* kColumnNames[kPointColumns] = {
    "Nodo", "Sezione", "Sist. rif.", "Coord. Y", "Coord. Z", "Distorsione angolare"};

std::vector<std::string_view> SplitCells(std::string_view line) {
  std::vector<std::string_view> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return cells;
    start = tab + 1;
  }
}

// A cell's number: blanks removed, a comma taken as the decimal point, blank
// as 0. Unlike a box, "abc" or "1.234,5" is no number: in a table such a
// cell is far more likely a wrong column than a meant 0.
std::optional<double> CellNumber(std::string_view cell) {
  std::string compact;
  for (const char c : cell) {
    if (c == ' ') continue;
    compact.push_back(c == ',' ? '.' : c);
  }
  if (compact.empty()) return 0.0;
  return ParseNumber(compact);
}

}  // namespace

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string ExchangeNumberText(double value, char decimalSeparator) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
  }
  return text;
}

void AppendPointRows(std::string& out, const Layout& layout, const StructureModel& structure,
                     const SectionTable& sections, char decimalSeparator) {
  for (int point = 1; point <= layout.NodeCount; ++point) {
    const int16_t node = layout.NodeIndex[point];
    if (node >= 1 && node <= structure.StructureNodeCount) {
      const StructureNode& structureNode = structure.StructureNodes[node];
      out += IntText(structureNode.Number);
      out += '\t';
      if (structureNode.SectionIndex >= 1 && structureNode.SectionIndex <= sections.SectionCount) {
        out += sections.Sections[structureNode.SectionIndex].Name;
      }
    } else {
      out += '\t';
    }
    out += '\t';
    out += IntText(layout.RefVertex[point]);
    for (const double value : {layout.Y[point], layout.Z[point], layout.AngDistortion[point]}) {
      out += '\t';
      out += ExchangeNumberText(value, decimalSeparator);
    }
    out += '\n';
  }
}

std::string PointTableText(const Layout& layout, const StructureModel& structure,
                           const SectionTable& sections, char decimalSeparator) {
  std::string out = kPointTableHeader;
  out += '\n';
  AppendPointRows(out, layout, structure, sections, decimalSeparator);
  return out;
}

bool LooksLikeTable(std::string_view text) {
  return text.find_first_of("\t\r\n") != std::string_view::npos;
}

std::vector<std::string_view> TableLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

Message PasteRefusal(const std::string& what, int lineNumber) {
  return {what + "(riga " + IntText(lineNumber) + " del testo incollato)", kCaptionProblem,
          kStyleExclamation};
}

PointRowRead ReadPointRow(std::string_view line, int lineNumber, const StructureModel& structure) {
  PointRowRead read;
  const std::vector<std::string_view> cells = SplitCells(line);
  if (static_cast<int>(cells.size()) > kPointColumns) {
    read.refusal = PasteRefusal("Troppe colonne: ne sono attese al massimo 6 ", lineNumber);
    return read;
  }
  double values[kPointColumns] = {};
  for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
    if (column == 1) continue;  // the section follows from the node
    const std::optional<double> value = CellNumber(cells[static_cast<std::size_t>(column)]);
    if (!value) {
      read.refusal = PasteRefusal(
          std::string("Valore non numerico nella colonna \"") + kColumnNames[column] + "\" ",
          lineNumber);
      return read;
    }
    values[column] = *value;
  }
  const std::optional<int16_t> number = NearestInt16(values[0]);
  const int16_t node = number ? FindStructureNode(structure, *number) : int16_t{-1};
  if (node == -1) {
    read.refusal = PasteRefusal(CatalogueText(kMsgNodeNotFound), lineNumber);
    return read;
  }
  if (structure.StructureNodes[node].SectionIndex == kNoSection) {
    read.refusal = PasteRefusal(CatalogueText(kMsgNodeWithoutSection), lineNumber);
    return read;
  }
  const std::optional<int16_t> vertex = NearestInt16(values[2]);
  if (!vertex || *vertex < 0 || *vertex != values[2]) {
    read.refusal = PasteRefusal("Sistema di riferimento non valido ", lineNumber);
    return read;
  }
  read.node = {node, *vertex, values[3], values[4], values[5]};
  return read;
}

PointTableRead ReadPointTable(std::string_view text, const StructureModel& structure, int room) {
  PointTableRead read;
  const std::vector<std::string_view> lines = TableLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    if (IsBlankLine(line)) continue;
    if (read.nodes.empty() && SplitCells(line)[0] == "Nodo") continue;
    if (static_cast<int>(read.nodes.size()) >= room) {
      read.refusal = PasteRefusal(CatalogueText(kMsgTooManyNodes), lineNumber);
      read.nodes.clear();
      return read;
    }
    PointRowRead row = ReadPointRow(line, lineNumber, structure);
    if (row.refusal) {
      read.refusal = std::move(row.refusal);
      read.nodes.clear();
      return read;
    }
    read.nodes.push_back(row.node);
  }
  return read;
}
