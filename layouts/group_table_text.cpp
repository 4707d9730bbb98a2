#include "layouts/group_table_text.h"

#include "common/message_catalogue.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/val.h"
#include "layouts/point_table_text.h"
#include "structure/job_files_reader.h"

std::string GroupTableText(const LayoutGroup& group, const StructureModel& structure,
                           const SectionTable& sections, char decimalSeparator) {
  std::string out;
  for (int layout = 1; layout <= group.LayoutCount; ++layout) {
    const Layout& item = group.Layouts[layout];
    out += IntText(item.Name);
    out += '\t';
    if (item.CableType >= 1 && item.CableType <= kMaxCableTypes) {
      out += sections.CableTypeNames[item.CableType];
    }
    out += '\n';
    out += PointTableText(item, structure, sections, decimalSeparator);
    out += '\n';
  }
  return out;
}

namespace {

// The name line of a block: the name, a tab, the cable type's name.
std::optional<Message> ReadNameLine(std::string_view line, int lineNumber,
                                    const SectionTable& sections, PastedLayout& layout) {
  const std::size_t tab = line.find('\t');
  const std::string nameCell = Trim(line.substr(0, tab));
  const std::optional<double> name = ParseNumber(nameCell);
  const std::optional<int16_t> whole = name ? NearestInt16(*name) : std::nullopt;
  if (!whole || *whole != *name) {
    return PasteRefusal("Nome del tracciato non valido ", lineNumber);
  }
  const std::string cable =
      tab == std::string_view::npos ? std::string() : Trim(line.substr(tab + 1));
  const int16_t cableType = cable.empty() ? int16_t{-1} : FindCableType(sections, cable);
  if (cableType == -1) return PasteRefusal("Tipo di cavo sconosciuto ", lineNumber);
  layout.Name = *whole;
  layout.CableType = cableType;
  return std::nullopt;
}

}  // namespace

GroupTableRead ReadGroupTable(std::string_view text, const StructureModel& structure,
                              const SectionTable& sections, int room) {
  GroupTableRead read;
  const std::vector<std::string_view> lines = TableLines(text);
  bool inBlock = false;
  bool headerAllowed = false;
  auto refuse = [&read](Message message) {
    read.refusal = std::move(message);
    read.layouts.clear();
    return std::move(read);
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    if (IsBlankLine(line)) {
      inBlock = false;
      continue;
    }
    if (!inBlock) {
      if (static_cast<int>(read.layouts.size()) >= room) {
        return refuse(PasteRefusal(CatalogueText(kMsgTooManyLayouts), lineNumber));
      }
      PastedLayout layout;
      if (auto refusal = ReadNameLine(line, lineNumber, sections, layout)) {
        return refuse(std::move(*refusal));
      }
      read.layouts.push_back(std::move(layout));
      inBlock = true;
      headerAllowed = true;
      continue;
    }
    const bool header = headerAllowed && line.substr(0, line.find('\t')) == "Nodo";
    headerAllowed = false;
    if (header) continue;
    std::vector<LayoutNode>& nodes = read.layouts.back().nodes;
    if (static_cast<int>(nodes.size()) >= kEditorMaxLayoutNodes) {
      return refuse(PasteRefusal(CatalogueText(kMsgTooManyNodes), lineNumber));
    }
    PointRowRead row = ReadPointRow(line, lineNumber, structure);
    if (row.refusal) return refuse(std::move(*row.refusal));
    nodes.push_back(row.node);
  }
  return read;
}
