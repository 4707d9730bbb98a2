#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"
#include "layouts/group_snapshot.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// Every layout of the group as tab-separated text: per layout a line with its
// name and its cable type by name, the point table (header and rows) and an
// empty line.
std::string GroupTableText(const LayoutGroup& group, const StructureModel& structure,
                           const SectionTable& sections, char decimalSeparator);

// One layout as read from a pasted block.
using PastedLayout = LayoutSnapshot;

// Reads pasted blocks (separated by blank lines): the name line, an optional
// point header, the point rows, each row checked as a pasted point table's.
// `room` is how many layouts the group may still take. A name that is not a
// 16-bit whole number, a cable type not among `sections`' names, a layout
// beyond 1999 points or a block beyond `room` refuses the whole paste, naming
// the first bad line; `layouts` is then empty.
struct GroupTableRead {
  std::optional<Message> refusal;
  std::vector<PastedLayout> layouts;
};
GroupTableRead ReadGroupTable(std::string_view text, const StructureModel& structure,
                              const SectionTable& sections, int room);
