#pragma once

#include <optional>
#include <string_view>

#include "common/message.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// A pasted table taken into the group whole or not at all. On a refusal the
// group is unchanged and the message names the first bad line.

// The table's rows become points of `layout` after point `after`
// (0..NodeCount); the last one pasted becomes the active point.
std::optional<Message> PastePoints(LayoutGroup& group, const StructureModel& structure, int layout,
                                   int after, std::string_view text);

// The table's blocks become layouts after the last one; the last one pasted
// becomes the active layout, with its last point active.
std::optional<Message> PasteLayouts(LayoutGroup& group, const StructureModel& structure,
                                    const SectionTable& sections, std::string_view text);
