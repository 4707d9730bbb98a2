#pragma once

#include "layouts/group_snapshot.h"
#include "layouts/layout_group.h"

// What changed in the group since a snapshot of it, found by comparing the
// entries in use, as the smallest part that holds the whole change. The
// active layout and point and the show-all switch are where the user looks,
// not the group's content: they change nothing here.
struct GroupChange {
  enum class Kind {
    kNone,
    kHeader,    // the description or the load condition
    kPoint,     // one point of one layout (layout, point)
    kLayout,    // one layout: name, cable type or its points (layout)
    kAdded,     // layouts first..first+count-1 added at the end
    kRemoved,   // `count` layouts removed from `first` on
    kReplaced,  // anything wider
  };
  Kind kind = Kind::kNone;
  int layout = 0;  // kPoint, kLayout; the first layout for kAdded, kRemoved
  int point = 0;   // kPoint
  int count = 0;   // kAdded, kRemoved
};

GroupChange FindGroupChange(const GroupSnapshot& was, const LayoutGroup& now);

// Whether layout `layout` of the group holds what the snapshot holds.
bool LayoutEquals(const LayoutGroup& group, int layout, const LayoutSnapshot& snapshot);
