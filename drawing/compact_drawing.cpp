#include "drawing/compact_drawing.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <unordered_set>
#include <vector>

namespace {

std::size_t At(int32_t index) { return static_cast<std::size_t>(index); }

bool Finite(const DrawingPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// Without hypot's care for overflow: a length that overflows makes its line
// one to compare with every point, which is still right.
double Length(const DrawingPoint& a, const DrawingPoint& b) {
  return std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y));
}

// Items filed under grid cells, for a number of items known beforehand and
// added in increasing order, so each cell lists its items in that order. An
// open-addressing index of cells, each the head of a chain of its items: a
// drawing near the capacity needs a handful of allocations and no sorting.
class CellTable {
 public:
  explicit CellTable(std::size_t items) {
    std::size_t size = 16;
    shift_ = 60;
    while (size < 2 * items) {
      size *= 2;
      --shift_;
    }
    mask_ = size - 1;
    slots_.resize(size);
    items_.reserve(items);
    next_.reserve(items);
  }

  void Add(uint64_t cell, int32_t item) {
    assert(items_.size() < (mask_ + 1) / 2 && "more items than the table was made for");
    const auto entry = static_cast<int32_t>(items_.size());
    items_.push_back(item);
    next_.push_back(-1);
    Slot& slot = Find(cell);
    if (slot.head < 0) {
      slot.cell = cell;
      slot.head = entry;
    } else {
      next_[static_cast<std::size_t>(slot.tail)] = entry;
    }
    slot.tail = entry;
  }

  // Calls visit(item) for the items of the cell in increasing order until it
  // returns false.
  template <typename Visit>
  void ForEach(uint64_t cell, Visit visit) const {
    for (int32_t e = Find(cell).head; e >= 0; e = next_[static_cast<std::size_t>(e)]) {
      if (!visit(items_[static_cast<std::size_t>(e)])) return;
    }
  }

 private:
  struct Slot {
    uint64_t cell = 0;
    int32_t head = -1;  // -1: empty
    int32_t tail = -1;
  };

  // Every bit of the key reaches the high bits the index uses.
  std::size_t Hash(uint64_t cell) const {
    return static_cast<std::size_t>((cell * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  // The cell's slot, or the empty one where it would go.
  Slot& Find(uint64_t cell) {
    std::size_t at = Hash(cell) & mask_;
    while (slots_[at].head >= 0 && slots_[at].cell != cell) at = (at + 1) & mask_;
    return slots_[at];
  }
  const Slot& Find(uint64_t cell) const { return const_cast<CellTable*>(this)->Find(cell); }

  std::vector<Slot> slots_;
  std::vector<int32_t> items_;
  std::vector<int32_t> next_;  // the next entry of the same cell, or -1
  std::size_t mask_ = 0;
  int shift_ = 60;
};

uint64_t CellKey(int64_t column, int64_t row) {
  return (static_cast<uint64_t>(column) << 32) ^ static_cast<uint64_t>(row) ^
         (static_cast<uint64_t>(column) >> 32) * 0x9E3779B97F4A7C15ull;
}

// Step 1 asks, for a line with colour and type above 0, whether another line
// holds both its ends. A point that PointOnSegment puts on a segment of
// length L lies inside the ellipse with the segment's ends as foci and
// L + tolerance as the sum of distances, so within
// sqrt(tolerance * L / 2 + tolerance^2 / 4) of the segment. The grid files
// the start points of those lines by cell; each line then visits the cells
// its band touches and meets every start point it may hold, and a few more.
class SegmentGrid {
 public:
  explicit SegmentGrid(const DrawingFile& drawing) {
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0, largest = 0.0;
    bool any = false;
    for (int32_t i = 0; i < drawing.PointCount; ++i) {
      const DrawingPoint& p = drawing.Points[At(i)];
      if (!Finite(p)) continue;
      xmin = any ? std::min(xmin, p.X) : p.X;
      xmax = any ? std::max(xmax, p.X) : p.X;
      ymin = any ? std::min(ymin, p.Y) : p.Y;
      ymax = any ? std::max(ymax, p.Y) : p.Y;
      largest = std::max({largest, std::fabs(p.X), std::fabs(p.Y)});
      any = true;
    }
    double totalLength = 0.0;
    int32_t measured = 0;
    for (int32_t j = 0; j < drawing.LineCount; ++j) {
      const DrawingLine& line = drawing.Lines[At(j)];
      const DrawingPoint& a = drawing.Points[At(line.StartPoint)];
      const DrawingPoint& b = drawing.Points[At(line.EndPoint)];
      if (!Finite(a) || !Finite(b)) continue;
      totalLength += Length(a, b);
      ++measured;
    }
    originX_ = xmin;
    originY_ = ymin;
    // Rounding in the distances of PointOnSegment and in the cell arithmetic
    // grows with the size of the coordinates; these cover both many times.
    pad_ = 1e-10 * (largest + 1.0);
    tolerance_ = kDrawingTolerance * 1.001 + 1e-14 * (largest + 1.0);
    // Cells about as long as the average line keep both the cells per line
    // and the lines per cell small; a whole side never needs more than a few
    // thousand cells.
    const double diagonal = Length({xmin, ymin}, {xmax, ymax});
    cell_ = std::max({measured > 0 ? totalLength / measured : 0.0, diagonal / 4096.0, pad_ * 1e3});
    usable_ = any && std::isfinite(cell_) && std::isfinite(diagonal) && cell_ > 0.0;
  }

  bool usable() const { return usable_; }

  uint64_t CellOf(const DrawingPoint& p) const {
    return CellKey(Cell(p.X, originX_), Cell(p.Y, originY_));
  }

  // How far from a segment of that length a point it holds can be.
  double Band(double length) const {
    return std::sqrt(tolerance_ * length / 2.0 + tolerance_ * tolerance_ / 4.0) + pad_;
  }

  // Calls visit(cell) for every cell within the tolerance band of the
  // segment from a to b (finite ends); false, and nothing visited, when the
  // band covers too many cells to count.
  template <typename Visit>
  bool ForBandCells(const DrawingPoint& a, const DrawingPoint& b, Visit visit) const {
    const double band = Band(Length(a, b));
    const double left = std::min(a.X, b.X), right = std::max(a.X, b.X);
    const double low = std::min(a.Y, b.Y), high = std::max(a.Y, b.Y);
    // Coordinates near the largest numbers make a band too wide to count.
    const double columns = (right - left + 2.0 * band) / cell_;
    const double rows = (high - low + 2.0 * band) / cell_;
    if (!(columns < kMostCellsPerLine) || !(rows < kMostCellsPerLine)) return false;
    const int64_t firstColumn = Cell(left - band, originX_);
    const int64_t lastColumn = Cell(right + band, originX_);
    const double dx = b.X - a.X;
    for (int64_t column = firstColumn; column <= lastColumn; ++column) {
      // The part of the segment whose points can be within the band of this
      // column, and the rows that band reaches around it.
      const double slabLeft = originX_ + static_cast<double>(column) * cell_ - band;
      const double slabRight = originX_ + static_cast<double>(column + 1) * cell_ + band;
      const double from = std::max(slabLeft, left);
      const double to = std::min(slabRight, right);
      double bottom = low, top = high;
      if (from <= to && dx != 0.0) {
        const double slope = (b.Y - a.Y) / dx;
        const double y1 = std::clamp(a.Y + (from - a.X) * slope, low, high);
        const double y2 = std::clamp(a.Y + (to - a.X) * slope, low, high);
        bottom = std::min(y1, y2);
        top = std::max(y1, y2);
      }
      const int64_t firstRow = Cell(bottom - band, originY_);
      const int64_t lastRow = Cell(top + band, originY_);
      for (int64_t row = firstRow; row <= lastRow; ++row) visit(CellKey(column, row));
    }
    return true;
  }

 private:
  static constexpr double kMostCellsPerLine = 1 << 20;

  int64_t Cell(double v, double origin) const {
    return static_cast<int64_t>(std::floor((v - origin) / cell_));
  }

  double originX_ = 0.0, originY_ = 0.0, cell_ = 1.0, pad_ = 0.0, tolerance_ = 0.0;
  bool usable_ = false;
};

bool Mergeable(const DrawingLine& line) { return line.Colour > 0 && line.LineType > 0; }
bool Negative(const DrawingLine& line) { return line.Colour < 0 || line.LineType < 0; }

// Pairs (i, j): line j holds both ends of line i, which has colour and line
// type above 0.
std::vector<std::pair<int32_t, int32_t>> Coverings(const DrawingFile& drawing) {
  std::vector<int32_t> mergeable;
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    if (Mergeable(drawing.Lines[At(i)])) mergeable.push_back(i);
  }
  std::vector<std::pair<int32_t, int32_t>> pairs;
  if (mergeable.empty()) return pairs;
  const auto ends = [&](int32_t k) {
    const DrawingLine& line = drawing.Lines[At(k)];
    return std::pair<const DrawingPoint&, const DrawingPoint&>{drawing.Points[At(line.StartPoint)],
                                                               drawing.Points[At(line.EndPoint)]};
  };
  // The box around the segment that holds its band: most candidates fall
  // outside it, which is cheaper to see than the distances.
  struct Box {
    double left, right, low, high;
    bool Holds(const DrawingPoint& p) const {
      return p.X >= left && p.X <= right && p.Y >= low && p.Y <= high;
    }
  };
  const auto consider = [&](int32_t i, int32_t j, const Box& box) {
    if (i == j) return;
    const auto [start, end] = ends(i);
    if (!box.Holds(start) || !box.Holds(end)) return;
    const auto [a, b] = ends(j);
    if (PointOnSegment(start, a, b) && PointOnSegment(end, a, b)) pairs.push_back({i, j});
  };
  const Box everywhere{-HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL};

  const SegmentGrid grid(drawing);
  CellTable starts(mergeable.size());
  if (grid.usable()) {
    // A start point that is not finite lies on no segment.
    for (int32_t i : mergeable) {
      if (Finite(ends(i).first)) starts.Add(grid.CellOf(ends(i).first), i);
    }
  }
  for (int32_t j = 0; j < drawing.LineCount; ++j) {
    const auto [a, b] = ends(j);
    // A segment with an end that is not finite holds no point at all.
    if (!Finite(a) || !Finite(b)) continue;
    bool counted = false;
    if (grid.usable()) {
      const double band = grid.Band(Length(a, b));
      const Box box{std::min(a.X, b.X) - band, std::max(a.X, b.X) + band, std::min(a.Y, b.Y) - band,
                    std::max(a.Y, b.Y) + band};
      counted = grid.ForBandCells(a, b, [&](uint64_t cell) {
        starts.ForEach(cell, [&](int32_t i) {
          consider(i, j, box);
          return true;
        });
      });
    }
    if (!counted) {
      for (int32_t i : mergeable) consider(i, j, everywhere);
    }
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

void DropOverlappingLines(DrawingFile& drawing) {
  const int32_t count = drawing.LineCount;
  const auto pairs = Coverings(drawing);
  // Lines are examined in order: an earlier line holds one only if it was
  // kept; every later line is still there (not yet dropped) and holds it even
  // if it goes itself later on.
  std::vector<char> dropped(At(count), 0);
  auto pair = pairs.begin();
  for (int32_t i = 0; i < count; ++i) {
    const DrawingLine& line = drawing.Lines[At(i)];
    for (; pair != pairs.end() && pair->first < i; ++pair) {
    }
    if (Negative(line)) {
      dropped[At(i)] = 1;
      continue;
    }
    for (; pair != pairs.end() && pair->first == i; ++pair) {
      if (!dropped[At(pair->second)]) {
        dropped[At(i)] = 1;
        break;
      }
    }
  }
  int32_t kept = 0;
  for (int32_t i = 0; i < count; ++i) {
    if (!dropped[At(i)]) drawing.Lines[At(kept++)] = drawing.Lines[At(i)];
  }
  drawing.LineCount = kept;
}

struct ArcHash {
  std::size_t operator()(const DrawingArc& arc) const {
    uint64_t h = 1469598103934665603ull;
    for (int64_t v : {int64_t{arc.CentrePoint}, int64_t{arc.StartPoint}, int64_t{arc.ThirdPoint},
                      int64_t{arc.EndPoint}, int64_t{arc.Colour}, int64_t{arc.Flag}}) {
      h = (h ^ static_cast<uint64_t>(v)) * 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
  }
};

struct ArcEqual {
  bool operator()(const DrawingArc& a, const DrawingArc& b) const {
    return a.CentrePoint == b.CentrePoint && a.StartPoint == b.StartPoint &&
           a.ThirdPoint == b.ThirdPoint && a.EndPoint == b.EndPoint && a.Colour == b.Colour &&
           a.Flag == b.Flag;
  }
};

void DropRepeatedArcs(DrawingFile& drawing) {
  std::unordered_set<DrawingArc, ArcHash, ArcEqual> seen;
  seen.reserve(At(drawing.ArcCount));
  int32_t kept = 0;
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    const DrawingArc arc = drawing.Arcs[At(i)];
    if (seen.insert(arc).second) drawing.Arcs[At(kept++)] = arc;
  }
  drawing.ArcCount = kept;
}

bool Coincident(const DrawingPoint& a, const DrawingPoint& b) {
  return std::fabs(a.X - b.X) < kDrawingTolerance && std::fabs(a.Y - b.Y) < kDrawingTolerance;
}

// Where the references to each point end up when every pair i < j of
// coincident points, in order, moves the references of j to i: at the first
// earlier point that coincides with it. Coincidence is not transitive, so
// this is not the first point of a chain.
std::vector<int32_t> FirstCoincidentPoints(const DrawingFile& drawing) {
  const int32_t count = drawing.PointCount;
  std::vector<int32_t> target(At(count));
  for (int32_t j = 0; j < count; ++j) target[At(j)] = j;

  // Cells twice the tolerance wide: coincident points are in the same or in
  // neighbouring cells. Beyond this size the cell numbers lose precision,
  // and such a drawing is no drawing of a member: compare every pair.
  constexpr double kCell = 2.0 * kDrawingTolerance;
  constexpr double kLargest = 1e9;
  bool huge = false;
  for (int32_t j = 0; j < count && !huge; ++j) {
    const DrawingPoint& p = drawing.Points[At(j)];
    huge = Finite(p) && (std::fabs(p.X) > kLargest || std::fabs(p.Y) > kLargest);
  }
  if (huge) {
    for (int32_t j = 1; j < count; ++j) {
      for (int32_t i = 0; i < j; ++i) {
        if (Coincident(drawing.Points[At(i)], drawing.Points[At(j)])) {
          target[At(j)] = i;
          break;
        }
      }
    }
    return target;
  }

  // Every point is listed in its cell in increasing order, so a point's
  // search stops at the first coincident point, or at itself.
  const auto cellOf = [&](const DrawingPoint& p) {
    return std::pair{static_cast<int64_t>(std::floor(p.X / kCell)),
                     static_cast<int64_t>(std::floor(p.Y / kCell))};
  };
  // A coincident point is less than half a cell away: only the neighbour on
  // the side of the cell the point lies in can hold one (with a margin for
  // rounding).
  const auto reach = [](double v, int64_t cell, int64_t& from, int64_t& to) {
    const double within = v / kCell - static_cast<double>(cell);
    from = within < 0.51 ? cell - 1 : cell;
    to = within > 0.49 ? cell + 1 : cell;
  };
  CellTable cells(At(count));
  for (int32_t j = 0; j < count; ++j) {
    const DrawingPoint& p = drawing.Points[At(j)];
    if (!Finite(p)) continue;  // coincides with nothing
    const auto [column, row] = cellOf(p);
    cells.Add(CellKey(column, row), j);
  }
  for (int32_t j = 0; j < count; ++j) {
    const DrawingPoint& p = drawing.Points[At(j)];
    if (!Finite(p)) continue;
    const auto [column, row] = cellOf(p);
    int64_t firstColumn, lastColumn, firstRow, lastRow;
    reach(p.X, column, firstColumn, lastColumn);
    reach(p.Y, row, firstRow, lastRow);
    int32_t& first = target[At(j)];
    for (int64_t c = firstColumn; c <= lastColumn; ++c) {
      for (int64_t r = firstRow; r <= lastRow; ++r) {
        cells.ForEach(CellKey(c, r), [&](int32_t i) {
          if (i >= first) return false;
          if (!Coincident(drawing.Points[At(i)], p)) return true;
          first = i;
          return false;
        });
      }
    }
  }
  return target;
}

void MergeCoincidentPoints(DrawingFile& drawing) {
  const std::vector<int32_t> target = FirstCoincidentPoints(drawing);
  const auto move = [&](int32_t& index) {
    assert(index >= 0 && index < drawing.PointCount && "point index outside the table");
    index = target[At(index)];
  };
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    move(drawing.Lines[At(i)].StartPoint);
    move(drawing.Lines[At(i)].EndPoint);
  }
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    DrawingArc& arc = drawing.Arcs[At(i)];
    move(arc.CentrePoint);
    move(arc.StartPoint);
    move(arc.ThirdPoint);
    move(arc.EndPoint);
  }
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) move(drawing.Markers[At(i)].Point);
  for (int32_t i = 0; i < drawing.TextCount; ++i) move(drawing.Texts[At(i)].Point);
}

void DropUnreferencedPoints(DrawingFile& drawing) {
  const int32_t count = drawing.PointCount;
  std::vector<int32_t> position(At(count), -1);
  const auto use = [&](int32_t index) { position[At(index)] = 0; };
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    use(drawing.Lines[At(i)].StartPoint);
    use(drawing.Lines[At(i)].EndPoint);
  }
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    const DrawingArc& arc = drawing.Arcs[At(i)];
    use(arc.CentrePoint);
    use(arc.StartPoint);
    use(arc.ThirdPoint);
    use(arc.EndPoint);
  }
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) use(drawing.Markers[At(i)].Point);
  for (int32_t i = 0; i < drawing.TextCount; ++i) use(drawing.Texts[At(i)].Point);

  int32_t kept = 0;
  for (int32_t k = 0; k < count; ++k) {
    if (position[At(k)] < 0) continue;
    position[At(k)] = kept;
    drawing.Points[At(kept++)] = drawing.Points[At(k)];
  }
  drawing.PointCount = kept;
  const auto renumber = [&](int32_t& index) { index = position[At(index)]; };
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    renumber(drawing.Lines[At(i)].StartPoint);
    renumber(drawing.Lines[At(i)].EndPoint);
  }
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    DrawingArc& arc = drawing.Arcs[At(i)];
    renumber(arc.CentrePoint);
    renumber(arc.StartPoint);
    renumber(arc.ThirdPoint);
    renumber(arc.EndPoint);
  }
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) renumber(drawing.Markers[At(i)].Point);
  for (int32_t i = 0; i < drawing.TextCount; ++i) renumber(drawing.Texts[At(i)].Point);
}

}  // namespace

void CompactDrawing(DrawingFile& drawing) {
  DropOverlappingLines(drawing);
  DropRepeatedArcs(drawing);
  MergeCoincidentPoints(drawing);
  DropUnreferencedPoints(drawing);
}
