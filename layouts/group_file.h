#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/atomic_file.h"
#include "common/message.h"
#include "layouts/layout_group.h"
#include "common/number_text.h"
#include "structure/structure_model.h"

// The layout group file of a member ("Memb012Gr_001.cap" in the job folder):
// CP1252 text with CR LF line ends. Line 1 is the description, then the load
// condition, the two group parameters (second one in the next 14-column print
// zone), the layout count and, per layout, its name and cable type (column
// 21), its point count and, per point, two lines: node position and reference
// vertex (column 21); Y, Z (column 21) and angular distortion (column 41),
// the three rounded to two decimals. Readers take the fields in order and do
// not depend on columns.

// What a read or a write has to tell the caller.
struct GroupFileOutcome {
  bool opened = false;           // LastOperationOk: 1 when true
  std::optional<Message> fault;  // the message to show, if any
};

// Reads the file at suitePath into group, then validates it.
// - Not readable, or without a first line: message 2 + path
//   ("INFORMAZIONE", 64), opened false, group untouched.
// - Content outside the format (a count beyond the table, a number missing,
//   malformed or beyond 16 bits, a node position outside the structure, a
//   cable type outside 1..50, a negative reference vertex): message 2 + path
//   and the line ("INFORMAZIONE", 64), opened true, group emptied.
// - A point at a node without section: the ValidateLayoutGroup text
//   ("PROBLEMA", 48), opened true, group emptied.
// Emptied means LoadCondition and LayoutCount are 0; the description and the
// group parameters keep what was read. Active indices are never touched.
GroupFileOutcome ReadLayoutGroup(const std::string& suitePath, LayoutGroup& group,
                                 const StructureModel& structure);

// The same on the bytes of a file already read; suitePath only names the file
// in messages.
GroupFileOutcome ReadLayoutGroupBytes(std::string_view bytes, const std::string& suitePath,
                                      LayoutGroup& group, const StructureModel& structure);

// Empty when every point in use is at a structure node that has a section;
// otherwise the text to show. Stops at the first offending point.
std::string ValidateLayoutGroup(const LayoutGroup& group, const StructureModel& structure);

// The whole file for group, as bytes on disk. The group is not changed.
std::string LayoutGroupFileBytes(const LayoutGroup& group);

// Writes the file at suitePath, replacing it only once the new content is
// completely written. On failure the previous file is left as it was and the
// outcome carries message 3 + path ("PROBLEMA", 48), opened false; so it
// does, writing nothing, when a value is not finite.
GroupFileOutcome WriteLayoutGroup(const LayoutGroup& group, const std::string& suitePath,
                                  ContentWriter write = WriteWholeFile);
