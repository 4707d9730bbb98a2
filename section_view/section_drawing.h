#pragma once

#include "layouts/layout_group.h"
#include "section_view/picture_canvas.h"
#include "section_view/section_view_state.h"
#include "structure/structure_model.h"

// Clears the picture and draws a relocated section: the two axes through
// its origin in yellow, the closed contours and a circle at the reference
// point in the foreground colour, in a user scale (x = Z, y = -Y) with equal
// units on both axes where the larger extent takes two thirds of the view.
// Writes the marker radius (a fiftieth of the smaller size) into radius.
// A section without contours leaves the picture as it was; one whose sizes
// are not positive leaves it cleared; in both cases radius is not written.
void DrawSection(PictureCanvas& picture, const Section& copy, double& radius);

// Draws, in light red, the cable points at the structure node at position
// structureNode: the active layout's only, or, when ShowAllLayouts is 1, the
// first passage of every layout with a cable type, each moved into the
// reference system of the active point. Points of layouts that do not pass
// there are not drawn.
void DrawCablePoints(PictureCanvas& picture, const LayoutGroup& group,
                     const StructureModel& structure, const SectionTable& sections,
                     int structureNode, double radius);

// The redraw sequence: the section of the active point, relocated to its
// reference vertex, then the cable points there. Does nothing without an
// active layout and point; a point whose node has no section clears the
// picture. The group is written only by the relocation, which leaves it as
// it was.
void RedrawActiveSection(PictureCanvas& picture, SectionViewState& state, LayoutGroup& group,
                         const StructureModel& structure, const SectionTable& sections);

// True when ActiveLayout and ActiveNode name a point in use.
bool HasActivePoint(const LayoutGroup& group);
