#include "layouts/table_paste.h"

#include "layouts/group_snapshot.h"
#include "layouts/group_table_text.h"
#include "layouts/point_table_text.h"

std::optional<Message> PastePoints(LayoutGroup& group, const StructureModel& structure, int layout,
                                   int after, std::string_view text) {
  const int room = kEditorMaxLayoutNodes - group.Layouts[layout].NodeCount;
  PointTableRead read = ReadPointTable(text, structure, room);
  if (read.refusal) return read.refusal;
  InsertNodes(group, layout, after, read.nodes);
  if (!read.nodes.empty()) group.ActiveNode = static_cast<int16_t>(after + read.nodes.size());
  return std::nullopt;
}

std::optional<Message> PasteLayouts(LayoutGroup& group, const StructureModel& structure,
                                    const SectionTable& sections, std::string_view text) {
  GroupTableRead read =
      ReadGroupTable(text, structure, sections, kEditorMaxLayouts - group.LayoutCount);
  if (read.refusal) return read.refusal;
  for (const PastedLayout& layout : read.layouts) {
    InsertLayout(group, group.LayoutCount + 1, layout);
  }
  if (!read.layouts.empty()) {
    group.ActiveLayout = group.LayoutCount;
    group.ActiveNode = group.Layouts[group.LayoutCount].NodeCount;
  }
  return std::nullopt;
}
