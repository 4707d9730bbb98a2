#include "parabolic/parabolic_profile.h"

#include <cmath>

#include "common/message_catalogue.h"
#include "structure/structure_reader.h"

namespace {

// Abscissas closer than this are one point: no parabola passes through them.
constexpr double kMinimumSpacing = 0.0001;

Message Problem(const char* text) { return {text, kCaptionProblem, kStyleExclamation}; }

bool IsNode(const StructureModel& structure, int16_t node) {
  return node >= 1 && node <= structure.StructureNodeCount;
}

// The element of the member's i-th entry, or nothing when the table lacks it.
const StructureElement* MemberElement(const StructureModel& structure, int i) {
  const int16_t e = FindElementByNumber(structure, structure.MemberElements[i]);
  return e == -1 ? nullptr : &structure.Elements[e];
}

// Calls visit(position, node, abscissa) for the positions first..last in
// order, the abscissa growing by the plan distance between consecutive
// nodes from 0 at first. Stops with false at a position without a node.
template <typename Visit>
bool WalkSpan(const StructureModel& structure, int first, int last, Visit visit) {
  double s = 0.0;
  int16_t previous = -1;
  for (int position = first; position <= last; ++position) {
    const int16_t node = MemberPositionNode(structure, position);
    if (node == -1) return false;
    if (previous != -1) {
      const NodeCoordinate& from = structure.NodeCoordinates[previous];
      const NodeCoordinate& to = structure.NodeCoordinates[node];
      s += PlaneDistance(from.X, from.Y, to.X, to.Y);
    }
    visit(position, node, s);
    previous = node;
  }
  return true;
}

}  // namespace

int MemberPositionCount(const StructureModel& structure) {
  return structure.MemberElementCount > 0 ? structure.MemberElementCount + 1 : 0;
}

int16_t MemberPositionNode(const StructureModel& structure, int position) {
  const int m = structure.MemberElementCount;
  if (position < 1 || position > m + 1 || m < 1) return -1;
  const bool last = position == m + 1;
  const StructureElement* element = MemberElement(structure, last ? m : position);
  if (element == nullptr) return -1;
  const int16_t node = last ? element->SecondNode : element->FirstNode;
  return IsNode(structure, node) ? node : -1;
}

int MemberPositionOfName(const StructureModel& structure, int name) {
  for (int i = 1; i <= structure.MemberElementCount; ++i) {
    const StructureElement* element = MemberElement(structure, i);
    if (element == nullptr) continue;
    if (IsNode(structure, element->FirstNode) &&
        structure.StructureNodes[element->FirstNode].Number == name) {
      return i;
    }
    if (IsNode(structure, element->SecondNode) &&
        structure.StructureNodes[element->SecondNode].Number == name) {
      return i + 1;
    }
  }
  return -1;
}

Parabola ParabolaThrough(double s0, double y0, double s1, double y1, double s2, double y2) {
  // Term by term as the formula is written: rearranging it would change the
  // last bits of the values that reach the group file.
  Parabola p;
  p.a = ((s2 - s0) / (s0 - s1) * (y0 - y1) + (y0 - y2)) / (s0 * s2 - s2 * s2 - s1 * s0 + s1 * s2);
  p.b = (y0 - y1) / (s0 - s1) - (s1 + s0) * p.a;
  p.c = y0 - s0 * s0 * p.a - s0 * p.b;
  return p;
}

std::optional<Message> CreaFunzione(LayoutGroup& group, const StructureModel& structure,
                                    ParabolicCableState& state) {
  const int pI = MemberPositionOfName(structure, state.InitialName);
  if (pI == -1) return Problem("Punto iniziale non valido");
  const int pM = MemberPositionOfName(structure, state.MiddleName);
  if (pM == -1) return Problem("Punto intermedio non valido");
  const int pF = MemberPositionOfName(structure, state.FinalName);
  if (pF == -1) return Problem("Punto finale non valido");
  if (!(pI < pM && pM < pF)) return Problem("Punti non in sequenza");
  const int count = pF - pI + 1;
  if (count > kEditorMaxLayoutNodes) {
    return Problem("Troppi nodi tra il punto iniziale e il punto finale (massimo 1999)");
  }

  // First walk along the span: every node must be there, and the abscissas
  // of the intermediate and final nodes give the parabola.
  double s1 = 0.0;
  double s2 = 0.0;
  const bool walked = WalkSpan(structure, pI, pF, [&](int position, int16_t, double s) {
    if (position == pM) s1 = s;
    s2 = s;
  });
  // Only a chain broken in the structure file fails the walk.
  if (!walked) return Problem("Punti non validi");
  const double s0 = 0.0;
  if (std::abs(s0 - s1) < kMinimumSpacing || std::abs(s0 - s2) < kMinimumSpacing ||
      std::abs(s1 - s2) < kMinimumSpacing) {
    return Problem("Punti non validi");
  }

  const Parabola p = ParabolaThrough(s0, state.InitialY, s1, state.MiddleY, s2, state.FinalY);
  state.a = p.a;
  state.b = p.b;
  state.c = p.c;

  // Values near the largest double overflow on the way: such a layout could
  // be neither drawn nor saved.
  bool finite = std::isfinite(state.CableZ);
  WalkSpan(structure, pI, pF, [&](int, int16_t, double s) {
    finite = finite && std::isfinite(p.a * s * s + p.b * s + p.c);
  });
  if (!finite) return Problem("Quote del tracciato troppo grandi: ridurre i valori");

  if (group.LayoutCount + 1 >= kMaxLayouts) {
    return Message{CatalogueText(kMsgTooManyLayouts), kCaptionProblem, kStyleCritical};
  }
  const int l = group.LayoutCount + 1;
  group.LayoutCount = static_cast<int16_t>(l);
  Layout& made = group.Layouts[l];
  made.Name = static_cast<int16_t>(l);
  made.NodeCount = static_cast<int16_t>(count);
  made.CableType = l > 1 ? group.Layouts[l - 1].CableType : int16_t{1};
  WalkSpan(structure, pI, pF, [&](int position, int16_t node, double s) {
    const double y = p.a * s * s + p.b * s + p.c;
    SetNodeAt(made, position - pI + 1, LayoutNode{node, 0, y, state.CableZ, 0.0});
  });
  return std::nullopt;
}
