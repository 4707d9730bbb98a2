#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/message.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// What the user types into the group's text fields, taken into the records.
// Texts are read with the grid's number rule (Val). A refusal is returned as
// the message to show ("PROBLEMA", exclamation) and then nothing has been
// stored. Layout and point indices are trusted to be in use.

// The layout name: the text's number, to the nearest integer with halves to
// the even neighbour. Names beyond 16 bits are refused.
std::optional<Message> RenameLayout(LayoutGroup& group, int layout, std::string_view text);

// The description keeps the text's first 20 characters.
constexpr int kGroupDescriptionLength = 20;
void SetGroupDescription(LayoutGroup& group, std::string_view text);

// The load condition: the text's number, accepted from 1 to 100 and stored to
// the nearest integer with halves to the even neighbour ("Condizione non
// valida " otherwise).
std::optional<Message> SetLoadCondition(LayoutGroup& group, std::string_view text);

// The structure node of a point, typed as the node's number. A number that is
// not a node of the structure ("Nodo non esistente ", also for numbers beyond
// 16 bits) asks the caller to show the stored node again; a node without a
// section, or outside the member, is refused and the typed text may stay.
struct PointNodeEntry {
  std::optional<Message> refusal;
  bool showStoredNode = false;
};
PointNodeEntry SetPointNode(LayoutGroup& group, const StructureModel& structure, int layout,
                            int point, std::string_view text);
