#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "layouts/layout_group.h"
#include "section_view/node_rows.h"
#include "section_view/picture_canvas.h"
#include "section_view/section_view_state.h"
#include "structure/structure_model.h"

// The caption of the mode button: "COORD. CAVI" in cable coordinates mode,
// "SIST. RIFER." otherwise.
std::string ViewModeCaption(int16_t viewMode);

// The mode after a press of the mode button: reference system after cable
// coordinates, cable coordinates after anything else.
int16_t NextViewMode(int16_t viewMode);

// The nearest integer, halves to even, kept inside the 16-bit range (NaN
// gives 0).
int16_t RoundHalfEvenToInt16(double value);

// The pick box's half side for markers of that radius: 5 radii, rounded
// halves to even, so a tenth of the section's smaller size.
int16_t PickToleranceFor(double pointRadius);

// The code of the first vertex of the relocated section, in contour order
// then vertex order, whose pick box holds the mouse position (x = Z,
// y = -Y); else 0 when the reference point's box holds it; else -1. Stores
// the tolerance it used in state.PickTolerance.
int16_t PickVertex(SectionViewState& state, const Section& copy, float x, float y);

// Cable coordinates mode: the mouse position becomes the active point's Z
// and Y. False, and nothing changed, without an active point.
bool PlaceCablePoint(LayoutGroup& group, float x, float y);

// Reference system mode: the vertex (or reference point) picked becomes the
// active point's reference vertex and its Z and Y are re-expressed so that
// the cable does not move. False, and nothing changed, without an active
// point, without a section, or when nothing is hit.
bool PickReferenceVertex(LayoutGroup& group, const StructureModel& structure,
                         const SectionTable& sections, SectionViewState& state, float x, float y);

// A mouse button pressed over the view, any button and shift state: acts by
// viewMode, then redraws the view. Returns the node rows to rewrite, from
// the point shown in the first row (firstShownPoint) on, or nothing when the
// click changed nothing (any other mode changes nothing).
std::optional<NodeRows> SectionMouseDown(int16_t viewMode, float x, float y, int firstShownPoint,
                                         LayoutGroup& group, const StructureModel& structure,
                                         const SectionTable& sections, SectionViewState& state,
                                         PictureCanvas& picture);

// A single-precision value as the view's labels show it: general form with
// up to 7 significant digits, a leading blank when not negative, no zero
// before the point (" .5", "-.1", " 0", " 1.234568E+07").
std::string SingleText(float value);

// The cursor's Z and Y for the two coordinate labels, cut to one decimal by
// taking the floor of the picture coordinate (x = Z, y = -Y), computed in
// single precision.
std::string CursorZText(float x);
std::string CursorYText(float y);
