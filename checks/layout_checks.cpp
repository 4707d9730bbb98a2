#include "checks/layout_checks.h"

#include <algorithm>
#include <optional>

#include "checks/section_contours.h"
#include "checks/three_point_radius.h"
#include "common/number_text.h"
#include "common/text.h"
#include "drawing/layout_views.h"
#include "structure/section_geometry.h"

namespace {

int NodeNumber(const StructureModel& structure, int node) {
  if (node < 1 || node > std::min<int>(structure.StructureNodeCount, kMaxStructureNodes)) return 0;
  return structure.StructureNodes[node].Number;
}

bool NamesVertex(const Section& section, int16_t code) {
  const SplitCode split = SplitVertexCode(code);
  if (split.Contour == 0 && split.Vertex == 0) return true;
  return split.Contour >= 1 && split.Contour <= ContoursInUse(section) && split.Vertex >= 1 &&
         split.Vertex <= VerticesInUse(section, split.Contour);
}

void CheckPoint(const Layout& layout, int l, int j, const StructureModel& structure,
                const SectionTable& sections, const CheckOptions& options,
                std::vector<Finding>& findings) {
  const int n = layout.NodeIndex[j];
  const Finding base{l, j, NodeNumber(structure, n), FindingKind::NoSection, 0.0};
  const Section* section = SectionOfStructureNode(structure, sections, n);
  if (section == nullptr) {
    findings.push_back(base);
    return;
  }
  if (!NamesVertex(*section, layout.RefVertex[j])) {
    Finding f = base;
    f.Kind = FindingKind::NoVertex;
    f.Value = layout.RefVertex[j];
    findings.push_back(f);
    return;
  }
  // Measured from the reference vertex, as the section view draws it.
  double z = 0.0, y = 0.0;
  VertexCoordinates(*section, layout.RefVertex[j], z, y);
  const ContourPlace place = PlaceInSection(*section, z + layout.Z[j], y + layout.Y[j]);
  Finding f = base;
  f.Value = place.Distance;
  if (!place.InConcrete) {
    f.Kind = place.InsideOutline ? FindingKind::InVoid : FindingKind::OutsideConcrete;
  } else if (place.Distance < options.MinCover) {
    f.Kind = FindingKind::CoverTooSmall;
  } else {
    return;
  }
  findings.push_back(f);
}

void CheckBends(const Layout& layout, int l, const StructureModel& structure,
                const SectionTable& sections, const CheckOptions& options,
                std::vector<Finding>& findings, SmallestRadius& smallest) {
  const std::vector<CableViewPoint> points = CableViewPoints(structure, sections, layout);
  const auto take = [&](std::size_t k, bool inPlan, std::optional<double> radius) {
    if (!radius) return;
    const int j = static_cast<int>(k) + 1;
    const int node = NodeNumber(structure, layout.NodeIndex[j]);
    if (*radius < options.MinRadius) {
      findings.push_back({l, j, node,
                          inPlan ? FindingKind::RadiusInPlan : FindingKind::RadiusInElevation,
                          *radius});
    }
    if (smallest.Point == 0 || *radius < smallest.Radius) smallest = {l, j, node, inPlan, *radius};
  };
  for (std::size_t k = 1; k + 1 < points.size(); ++k) {
    const CableViewPoint& p = points[k - 1];
    const CableViewPoint& q = points[k];
    const CableViewPoint& r = points[k + 1];
    if (p.Placed && q.Placed && r.Placed) {
      take(k, false, ThreePointRadius(p.SideX, p.SideY, q.SideX, q.SideY, r.SideX, r.SideY));
    }
    if (p.PlacedInPlan && q.PlacedInPlan && r.PlacedInPlan) {
      take(k, true, ThreePointRadius(p.TopX, p.TopY, q.TopX, q.TopY, r.TopX, r.TopY));
    }
  }
}

}  // namespace

CheckReport CheckLayouts(const LayoutGroup& group, const StructureModel& structure,
                         const SectionTable& sections, const CheckOptions& options) {
  CheckReport report;
  const int layouts = std::clamp<int>(group.LayoutCount, 0, kMaxLayouts);
  for (int l = 1; l <= layouts; ++l) {
    const Layout& layout = group.Layouts[l];
    const int count = std::clamp<int>(layout.NodeCount, 0, kMaxLayoutNodes);
    if (count < 2) {
      report.Findings.push_back({l, 0, 0, FindingKind::TooFewPoints, static_cast<double>(count)});
    }
    const std::size_t firstOfLayout = report.Findings.size();
    for (int j = 1; j <= count; ++j) {
      CheckPoint(layout, l, j, structure, sections, options, report.Findings);
      if (j > 1 && layout.NodeIndex[j] == layout.NodeIndex[j - 1]) {
        report.Findings.push_back(
            {l, j, NodeNumber(structure, layout.NodeIndex[j]), FindingKind::SameNodeTwice, 0.0});
      }
    }
    SmallestRadius smallest{l, 0, 0, false, 0.0};
    CheckBends(layout, l, structure, sections, options, report.Findings, smallest);
    // The bends come after the points: keep the layout's findings in point order.
    std::stable_sort(report.Findings.begin() + static_cast<std::ptrdiff_t>(firstOfLayout),
                     report.Findings.end(),
                     [](const Finding& a, const Finding& b) { return a.Point < b.Point; });
    report.Smallest.push_back(smallest);
  }
  return report;
}

std::string FindingText(FindingKind kind) {
  switch (kind) {
    case FindingKind::OutsideConcrete:
      return "fuori dal calcestruzzo";
    case FindingKind::InVoid:
      return "nel vuoto della sezione";
    case FindingKind::CoverTooSmall:
      return "copriferro insufficiente";
    case FindingKind::NoSection:
      return "nodo senza sezione";
    case FindingKind::NoVertex:
      return "vertice di riferimento inesistente";
    case FindingKind::RadiusInElevation:
      return "raggio in prospetto insufficiente";
    case FindingKind::RadiusInPlan:
      return "raggio in pianta insufficiente";
    case FindingKind::TooFewPoints:
      return "meno di due punti";
    case FindingKind::SameNodeTwice:
      return "due punti consecutivi sullo stesso nodo";
  }
  return "";
}

std::string FindingValueText(const Finding& finding) {
  switch (finding.Kind) {
    case FindingKind::NoSection:
    case FindingKind::SameNodeTwice:
      return "";
    case FindingKind::NoVertex:
    case FindingKind::TooFewPoints:
      return IntText(static_cast<long long>(finding.Value));
    default:
      return NumberText(RoundTo(finding.Value, 2));
  }
}

std::string FindingLine(const Finding& finding) {
  std::string line = "Tracciato " + IntText(finding.Layout);
  if (finding.Point > 0) line += ", punto " + IntText(finding.Point);
  if (finding.Node > 0) line += ", nodo " + IntText(finding.Node);
  line += ": " + FindingText(finding.Kind);
  const std::string value = FindingValueText(finding);
  if (!value.empty()) line += " (" + value + ")";
  return line;
}

std::string SmallestRadiusLine(const SmallestRadius& smallest) {
  std::string line = "Tracciato " + IntText(smallest.Layout) + ": ";
  if (smallest.Point == 0) return line + "nessuna curva";
  line += "raggio minimo " + NumberText(RoundTo(smallest.Radius, 2)) +
          (smallest.InPlan ? " in pianta" : " in prospetto") + " al punto " +
          IntText(smallest.Point);
  if (smallest.Node > 0) line += ", nodo " + IntText(smallest.Node);
  return line;
}
