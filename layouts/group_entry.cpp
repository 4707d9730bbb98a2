#include "layouts/group_entry.h"

#include <utility>

#include "common/message_catalogue.h"
#include "common/text.h"
#include "common/val.h"
#include "common/number_text.h"
#include "structure/structure_reader.h"

namespace {

constexpr int kMinLoadCondition = 1;
constexpr int kMaxLoadCondition = 100;

Message Problem(std::string text) { return {std::move(text), kCaptionProblem, kStyleExclamation}; }

}  // namespace

std::optional<Message> RenameLayout(LayoutGroup& group, int layout, std::string_view text) {
  const std::optional<int16_t> name = NearestInt16(Val(text));
  if (!name) {
    return Problem("Nome del tracciato non valido: deve essere un intero tra -32768 e 32767");
  }
  group.Layouts[layout].Name = *name;
  return std::nullopt;
}

void SetGroupDescription(LayoutGroup& group, std::string_view text) {
  group.GroupDescription = Utf8Left(text, kGroupDescriptionLength);
}

std::optional<Message> SetLoadCondition(LayoutGroup& group, std::string_view text) {
  const double value = Val(text);
  if (!(value >= kMinLoadCondition && value <= kMaxLoadCondition)) {
    return Problem(CatalogueText(kMsgBadCondition));
  }
  group.LoadCondition = *NearestInt16(value);
  return std::nullopt;
}

PointNodeEntry SetPointNode(LayoutGroup& group, const StructureModel& structure, int layout,
                            int point, std::string_view text) {
  const std::optional<int16_t> number = NearestInt16(Val(text));
  const int16_t node = number ? FindStructureNode(structure, *number) : int16_t{-1};
  if (node == -1) return {Problem(CatalogueText(kMsgNodeNotFound)), true};
  if (structure.StructureNodes[node].SectionIndex == kNoSection) {
    return {Problem(CatalogueText(kMsgNodeWithoutSection)), false};
  }
  group.Layouts[layout].NodeIndex[point] = node;
  return {};
}
