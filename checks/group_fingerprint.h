#pragma once

#include <cstdint>

#include "layouts/layout_group.h"

// A digest of what the checks read from a group: the layouts in use and
// their points (node, reference vertex, Y, Z). Two groups with the same
// points give the same value; a change of any of them, in practice, another.
uint64_t GroupFingerprint(const LayoutGroup& group);
