#pragma once

#include <string>

#include "editor/group_step.h"
#include "layouts/group_snapshot.h"

// The whole group replaced ("Apri", "Rimuovi tutti"), with the group file's
// name where the step changes it. Keeps the other group's entries in use:
// up to 200 x 1999 points of 32 bytes, about 12.8 MB for a full group.
class ReplaceGroup : public GroupStep {
 public:
  // fileName: the window's group file name, swapped with `wasFileName`; null
  // when the step leaves it alone.
  ReplaceGroup(LayoutGroup& group, GroupSelection before, ShowStep shown, GroupSnapshot was,
               std::string* fileName, std::string wasFileName);
  bool Changes() const override { return true; }
  void Drop() override { other_ = {}; }
  std::size_t Bytes() const override { return sizeof *this + SnapshotBytes(other_); }

 private:
  void SwapRecords() override;
  GroupSnapshot other_;
  std::string* fileName_;
  std::string otherFileName_;
};
