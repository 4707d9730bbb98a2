#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_file.h"
#include "drawing/stroke_font.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// What the views of a layout are drawn from; none of it is changed.
struct ViewInputs {
  const StructureModel& Structure;
  const SectionTable& Sections;
  const StrokeFont& Font;
};

// The drawing offsets of the side view and of the top view below it, handed
// from the member's views to the cable's.
struct ViewOffsets {
  double SideX = 0.0;
  double SideY = 0.0;
  double TopX = 0.0;
  double TopY = 0.0;
};

// "MEMBRATURA <description> GRUPPO <group> - Tracciato <i>" with a group
// file open (its name relative to the job folder, "\Memb001Gr_002.cap": the
// group number is its characters 12 to 14), "MEMBRATURA <description>
// Tracciato <i>" without. i is the layout's position in the group.
std::string LayoutTitle(const std::string& memberDescription, const std::string& groupFileName,
                        int layout);

// The drawing of layout i, relative to the job folder:
// "\Memb<description>G<group>Trac<iii>.dis", or "\Memb<description>TmpTrac<iii>.dis"
// without a group file. In the description, characters that a Windows file
// name cannot hold (\ / : * ? " < > | and control characters) become "_".
std::string LayoutDrawingFileName(const std::string& memberDescription,
                                  const std::string& groupFileName, int layout);

// The preview drawing: "\Memb<description>TmpTrac.dis".
std::string PreviewDrawingFileName(const std::string& memberDescription);

// Draws the member as seen from the side (developed along its plan length,
// heights as they are) and from above, one under the other: axis, outline
// from the sections at the nodes, a row of element lengths under each, the
// title and the names of the views. Nothing for a layout of fewer than 2
// points. Returns the offsets the cable must be drawn with.
ViewOffsets DrawMemberViews(DrawingFile& drawing, const ViewInputs& inputs, const Layout& layout,
                            const std::string& title);

// Where the views put point j of a layout's cable (index j - 1): in the side
// view (developed position along the member, height) and in the top view
// (X from the member's start, Y), at full scale in the structure's unit.
// Placed is false for a point off the member, or on an element of no
// length, which the views draw at the origin; PlacedInPlan likewise for the
// top view alone.
struct CableViewPoint {
  double SideX = 0.0;
  double SideY = 0.0;
  double TopX = 0.0;
  double TopY = 0.0;
  bool Placed = false;
  bool PlacedInPlan = false;
};

std::vector<CableViewPoint> CableViewPoints(const StructureModel& structure,
                                            const SectionTable& sections, const Layout& layout);

// Draws the layout's cable in both views. Nothing for fewer than 2 points.
void DrawCableViews(DrawingFile& drawing, const ViewInputs& inputs, const Layout& layout,
                    const ViewOffsets& offsets);
