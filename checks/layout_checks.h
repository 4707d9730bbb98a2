#pragma once

#include <string>
#include <vector>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// The limits the check holds the layouts to, in the structure's length
// unit; 0 leaves a limit out.
struct CheckOptions {
  double MinCover = 0.0;
  double MinRadius = 0.0;
};

enum class FindingKind {
  OutsideConcrete,    // value: distance to the nearest outline
  InVoid,             // value: distance to the nearest outline
  CoverTooSmall,      // value: distance to the nearest outline
  NoSection,          // the point's node has no section
  NoVertex,           // its reference vertex names no vertex; value: the code
  RadiusInElevation,  // value: the radius, at the middle of the three points
  RadiusInPlan,
  TooFewPoints,   // value: the point count
  SameNodeTwice,  // the point and the one before it are on one node
};

// One problem of one point (point 0: of the whole layout).
struct Finding {
  int Layout = 0;
  int Point = 0;
  int Node = 0;  // the node's number, 0 when the point names none
  FindingKind Kind = FindingKind::OutsideConcrete;
  double Value = 0.0;
};

// The tightest bend of a layout: none (Point 0) for a straight one.
struct SmallestRadius {
  int Layout = 0;
  int Point = 0;
  int Node = 0;
  bool InPlan = false;
  double Radius = 0.0;
};

struct CheckReport {
  std::vector<Finding> Findings;         // by layout, then point
  std::vector<SmallestRadius> Smallest;  // one per layout
};

// Checks every point of every layout of the group as it is.
CheckReport CheckLayouts(const LayoutGroup& group, const StructureModel& structure,
                         const SectionTable& sections, const CheckOptions& options);

// "fuori dal calcestruzzo", ... for the tables of the window and the batch.
std::string FindingText(FindingKind kind);

// A finding's value as the tables show it: two decimals, a point as
// separator; a vertex code or a count as the whole number it is.
std::string FindingValueText(const Finding& finding);

// "Tracciato 1, punto 3, nodo 12: fuori dal calcestruzzo (2.5)".
std::string FindingLine(const Finding& finding);

// "Tracciato 1: raggio minimo 1234.57 in prospetto al punto 5, nodo 14", or
// "Tracciato 1: nessuna curva" for a straight layout.
std::string SmallestRadiusLine(const SmallestRadius& smallest);
