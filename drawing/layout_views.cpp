#include "drawing/layout_views.h"

#include <string_view>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/text.h"
#include "structure/section_geometry.h"
#include "structure/structure_reader.h"

namespace {

// Colours and line types of the viewer's palette.
constexpr int16_t kAxisColour = 5;
constexpr int16_t kAxisLineType = 1;
constexpr int16_t kOutlineColour = 1;
constexpr int16_t kOutlineLineType = 0;
constexpr int16_t kCableColour = 4;
constexpr int16_t kCableLineType = 0;

const DimensionStyle kElementDimension{3, 1, 3.0, 8.0, 8.0, 4.0, 1.0, 30.0, 1};
const DimensionStyle kTitleLabel{-1, 7, 0.0, 20.0, 20.0, 0.0, 1.0, 0.0, 0};
const DimensionStyle kViewNameLabel{-1, 7, 0.0, 15.0, 15.0, 0.0, 1.0, 0.0, 0};

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// One element of the member, in member order, with both ends in the node
// table.
struct AxisElement {
  int16_t first = 0;  // node positions
  int16_t second = 0;
  double start = 0.0;  // developed position of the first end
  double plan = 0.0;   // length in plan
  double space = 0.0;  // length in space
};

// The member as the views walk it. Element numbers the element table does
// not hold, and elements whose ends are no nodes of the table, are left out.
struct MemberAxis {
  std::vector<AxisElement> elements;
  double length = 0.0;  // developed length of the whole member
};

bool IsNode(const StructureModel& structure, int node) {
  return node >= 1 && node <= std::min<int>(structure.StructureNodeCount, kMaxStructureNodes);
}

MemberAxis WalkMember(const StructureModel& structure) {
  // The first element of each number, as FindElementByNumber finds it, for
  // all the member's elements at once: a member and a structure of thousands
  // of elements each are drawn once per layout.
  std::vector<int16_t> byNumber(65536, -1);
  for (int e = std::min<int>(structure.ElementCount, kMaxElements); e >= 1; --e) {
    byNumber[static_cast<uint16_t>(structure.Elements[e].Number)] = static_cast<int16_t>(e);
  }
  MemberAxis axis;
  const int count = std::clamp<int>(structure.MemberElementCount, 0, kMaxMemberElements);
  axis.elements.reserve(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) {
    const int16_t e = byNumber[static_cast<uint16_t>(structure.MemberElements[k])];
    if (e < 1) continue;
    const StructureElement& element = structure.Elements[e];
    if (!IsNode(structure, element.FirstNode) || !IsNode(structure, element.SecondNode)) continue;
    const NodeCoordinate& a = structure.NodeCoordinates[element.FirstNode];
    const NodeCoordinate& b = structure.NodeCoordinates[element.SecondNode];
    AxisElement step{element.FirstNode, element.SecondNode, axis.length, 0.0, 0.0};
    step.plan = PlaneDistance(a.X, a.Y, b.X, b.Y);
    step.space = std::sqrt(step.plan * step.plan + (b.Z - a.Z) * (b.Z - a.Z));
    axis.length += step.plan;
    axis.elements.push_back(step);
  }
  return axis;
}

// Keeps the smallest and the largest of the values it is shown.
struct Range {
  double low = 0.0;
  double high = 0.0;
  void Take(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  double Size() const { return high - low; }
};

void SetPen(DrawingFile& drawing, int16_t colour, int16_t lineType) {
  drawing.CurrentColour = colour;
  drawing.CurrentLineType = lineType;
}

void Line(DrawingFile& drawing, Point a, Point b) { DrawLine(drawing, a.x, a.y, b.x, b.y); }

// The band of an element between the offsets `low` and `high` across its
// axis from a to b, along the unit normal n: the cross lines at both ends,
// then the edges on the low and on the high side.
void DrawOutline(DrawingFile& drawing, Point a, Point b, Point n, double low, double high,
                 Range& range) {
  const auto at = [&](Point p, double d) { return Point{p.x + d * n.x, p.y + d * n.y}; };
  const Point aLow = at(a, low), aHigh = at(a, high), bLow = at(b, low), bHigh = at(b, high);
  SetPen(drawing, kOutlineColour, kOutlineLineType);
  Line(drawing, aLow, aHigh);
  Line(drawing, bLow, bHigh);
  Line(drawing, aLow, bLow);
  Line(drawing, aHigh, bHigh);
  for (const Point& p : {aLow, aHigh, bLow, bHigh}) range.Take(p.y);
}

void DrawAxis(DrawingFile& drawing, Point a, Point b, Range& range) {
  SetPen(drawing, kAxisColour, kAxisLineType);
  Line(drawing, a, b);
  range.Take(a.y);
  range.Take(b.y);
}

const Section* SectionAt(const ViewInputs& inputs, int node) {
  return SectionOfStructureNode(inputs.Structure, inputs.Sections, node);
}

// Where the views put a cable point: on the member element that starts at
// its node, at that element's developed position; at the member's last node,
// on the last element at the whole length. Nothing for a node off the member.
struct Station {
  const AxisElement* element = nullptr;
  double s = 0.0;
};

class Stations {
 public:
  explicit Stations(const MemberAxis& axis)
      : axis_(axis), first_(static_cast<std::size_t>(kMaxStructureNodes) + 1, -1) {
    for (std::size_t k = axis.elements.size(); k-- > 0;) {
      first_[static_cast<std::size_t>(axis.elements[k].first)] = static_cast<int>(k);
    }
  }

  Station At(int node) const {
    if (node < 1 || node > kMaxStructureNodes) return {};
    const int k = first_[static_cast<std::size_t>(node)];
    if (k >= 0) {
      const AxisElement& element = axis_.elements[static_cast<std::size_t>(k)];
      return {&element, element.start};
    }
    if (!axis_.elements.empty() && axis_.elements.back().second == node) {
      return {&axis_.elements.back(), axis_.length};
    }
    return {};
  }

 private:
  const MemberAxis& axis_;
  std::vector<int> first_;  // by node position: the first element starting there
};

}  // namespace

std::string LayoutTitle(const std::string& memberDescription, const std::string& groupFileName,
                        int layout) {
  const std::string member = "MEMBRATURA " + Trim(memberDescription);
  if (groupFileName.empty()) return member + " Tracciato " + IntText(layout);
  return member + " GRUPPO " + Utf8Mid(Trim(groupFileName), 12, 3) + " - Tracciato " +
         IntText(layout);
}

namespace {

// The description as part of a file name: a character no Windows file name
// may hold (a NUL would even cut the name short) becomes "_".
std::string FileNamePart(const std::string& text) {
  std::string part = text;
  for (char& c : part) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
  }
  return part;
}

}  // namespace

std::string LayoutDrawingFileName(const std::string& description,
                                  const std::string& groupFileName, int layout) {
  const std::string memberDescription = FileNamePart(description);
  const std::string number = ThreeDigits(layout) + ".dis";
  if (groupFileName.empty()) return "\\Memb" + memberDescription + "TmpTrac" + number;
  return "\\Memb" + memberDescription + "G" + Utf8Mid(Trim(groupFileName), 12, 3) + "Trac" + number;
}

std::string PreviewDrawingFileName(const std::string& memberDescription) {
  return "\\Memb" + FileNamePart(memberDescription) + "TmpTrac.dis";
}

ViewOffsets DrawMemberViews(DrawingFile& drawing, const ViewInputs& inputs, const Layout& layout,
                            const std::string& title) {
  if (layout.NodeCount < 2) return {};
  const StructureModel& structure = inputs.Structure;
  const MemberAxis axis = WalkMember(structure);
  if (axis.elements.empty()) return {};
  const auto node = [&](int n) -> const NodeCoordinate& { return structure.NodeCoordinates[n]; };
  const NodeCoordinate& origin = node(axis.elements.front().first);

  // Side view: developed length across, heights up.
  ViewOffsets offsets;
  offsets.SideY = -origin.Z;
  drawing.DrawOffsetX = offsets.SideX;
  drawing.DrawOffsetY = offsets.SideY;
  Range v{origin.Z, origin.Z};
  for (const AxisElement& e : axis.elements) {
    if (e.space < kDrawingTolerance) continue;
    const Point a{e.start, node(e.first).Z};
    const Point b{e.start + e.plan, node(e.second).Z};
    DrawAxis(drawing, a, b, v);
    if (const Section* section = SectionAt(inputs, e.second)) {
      const double low = section->MinY - section->RefPointY;
      const double high = section->MaxY - section->RefPointY;
      const Point n{-(b.y - a.y) / e.space, e.plan / e.space};
      DrawOutline(drawing, a, b, n, std::min(low, high), std::max(low, high), v);
    }
  }
  const double r = v.Size();
  const double row = v.low - 1.5 * r;
  for (const AxisElement& e : axis.elements) {
    DrawDimension(drawing, inputs.Font, "", e.start, e.start + e.plan, row, row, kElementDimension);
  }
  const double top = v.high + 2.5 * r;
  DrawDimension(drawing, inputs.Font, title, 0.0, axis.length, top, top, kTitleLabel);
  const double sideName = v.high + 1.5 * r;
  DrawDimension(drawing, inputs.Font, "VISTA LATERALE", 0.0, axis.length, sideName, sideName,
                kViewNameLabel);
  const double topName = v.low - 3.5 * r;
  DrawDimension(drawing, inputs.Font, "VISTA DALL'ALTO", 0.0, axis.length, topName, topName,
                kViewNameLabel);

  // Top view, below: X from the member's start across, Y up.
  offsets.TopY = -origin.Z + v.low - 5.0 * r - origin.Y;
  drawing.DrawOffsetX = offsets.TopX;
  drawing.DrawOffsetY = offsets.TopY;
  Range h{origin.Y, origin.Y};
  for (const AxisElement& e : axis.elements) {
    if (e.space < kDrawingTolerance) continue;
    const Point a{node(e.first).X - origin.X, node(e.first).Y};
    const Point b{node(e.second).X - origin.X, node(e.second).Y};
    DrawAxis(drawing, a, b, h);
    // An element seen end-on from above (a pier) has no width to draw.
    if (e.plan < kDrawingTolerance) continue;
    if (const Section* section = SectionAt(inputs, e.second)) {
      const double low = section->MinZ - section->RefPointZ;
      const double high = section->MaxZ - section->RefPointZ;
      const Point n{-(b.y - a.y) / e.plan, (b.x - a.x) / e.plan};
      DrawOutline(drawing, a, b, n, std::min(low, high), std::max(low, high), h);
    }
  }
  const double topRow = h.low - 1.5 * h.Size();
  for (const AxisElement& e : axis.elements) {
    DrawDimension(drawing, inputs.Font, "", node(e.first).X - origin.X, node(e.second).X - origin.X,
                  topRow, topRow, kElementDimension);
  }
  return offsets;
}

std::vector<CableViewPoint> CableViewPoints(const StructureModel& structure,
                                            const SectionTable& sections, const Layout& layout) {
  const int count = std::clamp<int>(layout.NodeCount, 0, kMaxLayoutNodes);
  std::vector<CableViewPoint> points(static_cast<std::size_t>(count));
  if (count < 2) return points;
  const MemberAxis axis = WalkMember(structure);
  const Stations stations(axis);
  const NodeCoordinate origin = axis.elements.empty()
                                    ? NodeCoordinate{}
                                    : structure.NodeCoordinates[axis.elements.front().first];

  for (int j = 1; j <= count; ++j) {
    CableViewPoint& point = points[static_cast<std::size_t>(j - 1)];
    const int n = layout.NodeIndex[j];
    const Station station = stations.At(n);
    // Off the member, or on an element of no length: the view's origin.
    if (station.element == nullptr || station.element->space < kDrawingTolerance) continue;
    const AxisElement& e = *station.element;

    double vz = 0.0, vy = 0.0, refZ = 0.0, refY = 0.0;
    if (const Section* section = SectionOfStructureNode(structure, sections, n)) {
      VertexCoordinates(*section, layout.RefVertex[j], vz, vy);
      refZ = section->RefPointZ;
      refY = section->RefPointY;
    }
    const double localY = vy + layout.Y[j] - refY;
    const double localZ = vz + layout.Z[j] - refZ;
    const NodeCoordinate& at = structure.NodeCoordinates[n];
    const NodeCoordinate& a = structure.NodeCoordinates[e.first];
    const NodeCoordinate& b = structure.NodeCoordinates[e.second];

    const double rise = b.Z - a.Z;
    point.SideX = station.s - localY * rise / e.space;
    point.SideY = at.Z + localY * e.plan / e.space;
    point.Placed = true;

    // Across the plan direction of the element, or at the first point of
    // the way to the second point.
    double dx = b.X - a.X, dy = b.Y - a.Y, plan = e.plan;
    if (j == 1) {
      const int next = layout.NodeIndex[2];
      if (IsNode(structure, next)) {
        const NodeCoordinate& c = structure.NodeCoordinates[next];
        dx = c.X - at.X;
        dy = c.Y - at.Y;
        plan = PlaneDistance(at.X, at.Y, c.X, c.Y);
      }
    }
    if (plan < kDrawingTolerance) continue;
    point.TopX = at.X - origin.X - localZ * dy / plan;
    point.TopY = at.Y + localZ * dx / plan;
    point.PlacedInPlan = true;
  }
  return points;
}

void DrawCableViews(DrawingFile& drawing, const ViewInputs& inputs, const Layout& layout,
                    const ViewOffsets& offsets) {
  const std::vector<CableViewPoint> points =
      CableViewPoints(inputs.Structure, inputs.Sections, layout);
  if (points.size() < 2) return;
  SetPen(drawing, kCableColour, kCableLineType);
  drawing.DrawOffsetX = offsets.SideX;
  drawing.DrawOffsetY = offsets.SideY;
  for (std::size_t k = 1; k < points.size(); ++k) {
    Line(drawing, {points[k - 1].SideX, points[k - 1].SideY}, {points[k].SideX, points[k].SideY});
  }
  drawing.DrawOffsetX = offsets.TopX;
  drawing.DrawOffsetY = offsets.TopY;
  for (std::size_t k = 1; k < points.size(); ++k) {
    Line(drawing, {points[k - 1].TopX, points[k - 1].TopY}, {points[k].TopX, points[k].TopY});
  }
}
