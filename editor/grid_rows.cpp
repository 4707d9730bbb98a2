#include "editor/grid_rows.h"

#include "common/min_max.h"
#include "common/number_text.h"
#include "common/text.h"
#include "structure/job_files_reader.h"

int16_t FirstItemShown(int last) { return static_cast<int16_t>(MaxOf(last - (kGridRows - 1), 1)); }

int16_t FirstItemShowing(int active, int count, int first) {
  if (active > 0) first = MinOf(MaxOf(first, active - (kGridRows - 1)), active);
  return static_cast<int16_t>(MaxOf(MinOf(first, count - (kGridRows - 1)), 1));
}

NodeRowTexts NodeRowText(const Layout& layout, int point, const StructureModel& structure,
                         const SectionTable& sections) {
  NodeRowTexts texts;
  const int16_t node = layout.NodeIndex[point];
  if (node >= 1 && node <= structure.StructureNodeCount) {
    const StructureNode& structureNode = structure.StructureNodes[node];
    texts.NodeName = IntText(structureNode.Number);
    const int16_t section = structureNode.SectionIndex;
    if (section >= 1 && section <= sections.SectionCount) {
      texts.SectionName = sections.Sections[section].Name;
    }
  }
  texts.TCoordSys = IntText(layout.RefVertex[point] % 100);
  texts.TCoordY = OneDecimalText(layout.Y[point]);
  texts.TCoordZ = OneDecimalText(layout.Z[point]);
  texts.TAngDisto = OneDecimalText(layout.AngDistortion[point]);
  return texts;
}

int CableListIndex(const SectionTable& sections, int16_t cableType) {
  if (cableType < 1 || cableType > kMaxCableTypes) return -1;
  const int16_t found = FindCableType(sections, sections.CableTypeNames[cableType]);
  return found == -1 ? -1 : found - 1;
}

ArrowMove GridArrowMove(int keyCode, int row, int count, const GridScroll& scroll) {
  if (keyCode == kKeyDown) {
    if (row + 1 > count) return ArrowMove::kNone;
    if (row < kGridRows) return ArrowMove::kFocusDown;
    return scroll.visible && scroll.value < scroll.maximum ? ArrowMove::kScrollDown
                                                           : ArrowMove::kNone;
  }
  if (keyCode == kKeyUp) {
    if (row > 1) return ArrowMove::kFocusUp;
    // A hidden bar may still hold the position of a longer list: row 1 then
    // shows the first item and there is nothing above it.
    return scroll.visible && scroll.value >= 2 ? ArrowMove::kScrollUp : ArrowMove::kNone;
  }
  return ArrowMove::kNone;
}

bool IsLayoutInUse(const LayoutGroup& group, int layout) {
  return layout >= 1 && layout <= group.LayoutCount;
}

int16_t ActiveNodeCount(const LayoutGroup& group) {
  return IsLayoutInUse(group, group.ActiveLayout) ? group.Layouts[group.ActiveLayout].NodeCount
                                                  : int16_t{0};
}

bool IsPointInUse(const LayoutGroup& group, int point) {
  return point >= 1 && point <= ActiveNodeCount(group);
}
