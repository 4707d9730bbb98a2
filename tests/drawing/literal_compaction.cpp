#include "tests/drawing/literal_compaction.h"

#include <cmath>

namespace {

std::size_t At(int32_t i) { return static_cast<std::size_t>(i); }

bool SameArc(const DrawingArc& a, const DrawingArc& b) {
  return a.CentrePoint == b.CentrePoint && a.StartPoint == b.StartPoint &&
         a.ThirdPoint == b.ThirdPoint && a.EndPoint == b.EndPoint && a.Colour == b.Colour &&
         a.Flag == b.Flag;
}

void Redirect(int32_t& index, int32_t from, int32_t to) {
  if (index == from) index = to;
}

bool Referenced(const DrawingFile& d, int32_t k) {
  for (int32_t i = 0; i < d.LineCount; ++i) {
    if (d.Lines[At(i)].StartPoint == k || d.Lines[At(i)].EndPoint == k) return true;
  }
  for (int32_t i = 0; i < d.MarkerCount; ++i) {
    if (d.Markers[At(i)].Point == k) return true;
  }
  for (int32_t i = 0; i < d.TextCount; ++i) {
    if (d.Texts[At(i)].Point == k) return true;
  }
  for (int32_t i = 0; i < d.ArcCount; ++i) {
    const DrawingArc& a = d.Arcs[At(i)];
    if (a.CentrePoint == k || a.StartPoint == k || a.ThirdPoint == k || a.EndPoint == k) {
      return true;
    }
  }
  return false;
}

}  // namespace

void CompactDrawingLiterally(DrawingFile& d) {
  for (int32_t i = 0; i < d.LineCount;) {
    const DrawingLine line = d.Lines[At(i)];
    if (line.Colour < 0 || line.LineType < 0) {
      RemoveLine(d, i);
      continue;
    }
    bool onAnother = false;
    if (line.Colour > 0 && line.LineType > 0) {
      const DrawingPoint& s = d.Points[At(line.StartPoint)];
      const DrawingPoint& e = d.Points[At(line.EndPoint)];
      for (int32_t j = 0; j < d.LineCount && !onAnother; ++j) {
        if (j == i) continue;
        const DrawingPoint& a = d.Points[At(d.Lines[At(j)].StartPoint)];
        const DrawingPoint& b = d.Points[At(d.Lines[At(j)].EndPoint)];
        onAnother = PointOnSegment(s, a, b) && PointOnSegment(e, a, b);
      }
    }
    if (onAnother) {
      RemoveLine(d, i);
    } else {
      ++i;
    }
  }

  for (bool again = true; again;) {
    again = false;
    for (int32_t i = 0; i < d.ArcCount && !again; ++i) {
      for (int32_t j = i + 1; j < d.ArcCount && !again; ++j) {
        if (SameArc(d.Arcs[At(i)], d.Arcs[At(j)])) {
          RemoveArc(d, j);
          again = true;
        }
      }
    }
  }

  for (int32_t i = 0; i < d.PointCount; ++i) {
    for (int32_t j = i + 1; j < d.PointCount; ++j) {
      const DrawingPoint& p = d.Points[At(i)];
      const DrawingPoint& q = d.Points[At(j)];
      if (!(std::fabs(p.X - q.X) < kDrawingTolerance && std::fabs(p.Y - q.Y) < kDrawingTolerance)) {
        continue;
      }
      for (int32_t k = 0; k < d.LineCount; ++k) {
        Redirect(d.Lines[At(k)].StartPoint, j, i);
        Redirect(d.Lines[At(k)].EndPoint, j, i);
      }
      for (int32_t k = 0; k < d.ArcCount; ++k) {
        Redirect(d.Arcs[At(k)].CentrePoint, j, i);
        Redirect(d.Arcs[At(k)].StartPoint, j, i);
        Redirect(d.Arcs[At(k)].ThirdPoint, j, i);
        Redirect(d.Arcs[At(k)].EndPoint, j, i);
      }
      for (int32_t k = 0; k < d.MarkerCount; ++k) Redirect(d.Markers[At(k)].Point, j, i);
      for (int32_t k = 0; k < d.TextCount; ++k) Redirect(d.Texts[At(k)].Point, j, i);
    }
  }

  for (int32_t k = 0; k < d.PointCount;) {
    if (Referenced(d, k)) {
      ++k;
    } else {
      RemovePoint(d, k);
    }
  }
}
