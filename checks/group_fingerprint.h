#pragma once

#include <cstdint>

#include "layouts/layout_group.h"

// A digest of the group's contents: description, load condition, the layouts
// in use and every value of their points; not which layout or point is
// active. Equal groups give the same value; a change of any of it, in
// practice, another.
uint64_t GroupFingerprint(const LayoutGroup& group);
