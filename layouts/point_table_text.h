#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// The points of a layout as tab-separated text, the form spreadsheets put on
// and take from the clipboard: a header row, then one row per point (node
// number, section name, reference vertex code, Y, Z, angular distortion),
// each line ending in a line feed. Numbers are the shortest text that reads
// back as the same double, with the given decimal separator.

inline constexpr const char* kPointTableHeader =
    "Nodo\tSezione\tSist. rif.\tCoord. Y\tCoord. Z\tDistorsione angolare";

// The shortest text of value that reads back as the same double, with
// `decimalSeparator` in place of the point.
std::string ExchangeNumberText(double value, char decimalSeparator);

// The header row and the points 1..NodeCount of layout.
std::string PointTableText(const Layout& layout, const StructureModel& structure,
                           const SectionTable& sections, char decimalSeparator);

// Appends the rows of points 1..NodeCount, without the header.
void AppendPointRows(std::string& out, const Layout& layout, const StructureModel& structure,
                     const SectionTable& sections, char decimalSeparator);

// True when the text is a table rather than a value for one box: it holds a
// tab or a line break.
bool LooksLikeTable(std::string_view text);

// The text split into lines at LF, CR LF or CR.
std::vector<std::string_view> TableLines(std::string_view text);

// A line of blanks and tabs only: a spreadsheet's empty row.
bool IsBlankLine(std::string_view line);

// Reads one point row (cells split at tabs): blank cells read 0, either a
// comma or a point separates decimals, the section cell is ignored. A cell
// holding anything but one number, a node that is not a structure node or
// has no section, or a vertex code that is not a whole number from 0 to
// 32767 gives the refusal, naming `lineNumber` (1-based, as the user counts
// the pasted lines).
struct PointRowRead {
  std::optional<Message> refusal;
  LayoutNode node;
};
PointRowRead ReadPointRow(std::string_view line, int lineNumber, const StructureModel& structure);

// Reads a pasted table: blank lines are skipped, a first line starting with
// the "Nodo" header cell is skipped. `room` is how many points the layout may
// still take; a longer table is refused at its first row beyond. A refusal
// names the first bad line and leaves `nodes` empty.
struct PointTableRead {
  std::optional<Message> refusal;
  std::vector<LayoutNode> nodes;
};
PointTableRead ReadPointTable(std::string_view text, const StructureModel& structure, int room);

// The refusal of a pasted table at line `lineNumber`: `what` (a catalogue
// text, ending with a blank) followed by where.
Message PasteRefusal(const std::string& what, int lineNumber);
