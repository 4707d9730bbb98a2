#include "drawing/compact_drawing.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <vector>

namespace {

std::size_t At(int32_t index) { return static_cast<std::size_t>(index); }
std::size_t At(int64_t index) { return static_cast<std::size_t>(index); }

bool Finite(const DrawingPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// Without hypot's care for overflow: a length that overflows makes its line
// one to compare with every point, which is still right.
double Length(const DrawingPoint& a, const DrawingPoint& b) {
  return std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y));
}

// floor() for values far inside the range of int64_t, without the call into
// the maths library that std::floor costs on the baseline instruction set.
int64_t Floor(double v) {
  const auto truncated = static_cast<int64_t>(v);
  return static_cast<double>(truncated) > v ? truncated - 1 : truncated;
}

// Step 1 asks, for a line with colour and type above 0, whether another line
// holds both its ends. A point that PointOnSegment puts on a segment of
// length L lies inside the ellipse with the segment's ends as foci and
// L + tolerance as the sum of distances, so within
// sqrt(tolerance * L / 2 + tolerance^2 / 4) of the segment. The grid files
// the start points of those lines by cell, column by column, with a bit per
// cell that says whether it holds any. Each line first asks the bits of the
// cells its box touches, which for most lines are a few and empty; the
// others take, column by column, the cells their band touches and meet every
// start point it may hold, and a few more. The cells of one column that a
// band touches are consecutive, and so are their start points in the
// filing: a column costs a look at its bits, whatever number of empty cells
// it crosses.
class StartGrid {
 public:
  // A start point filed with the ends of its line, so that most candidates
  // are turned down without looking up the line.
  struct Entry {
    DrawingPoint start;
    DrawingPoint end;
    int32_t line;
  };

  StartGrid(const DrawingFile& drawing, const std::vector<int32_t>& mergeable) {
    // Only start points are filed: the grid spans them alone.
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
    bool any = false;
    for (int32_t i : mergeable) {
      const DrawingPoint& p = drawing.Points[At(drawing.Lines[At(i)].StartPoint)];
      if (!Finite(p)) continue;
      xmin = any ? std::min(xmin, p.X) : p.X;
      xmax = any ? std::max(xmax, p.X) : p.X;
      ymin = any ? std::min(ymin, p.Y) : p.Y;
      ymax = any ? std::max(ymax, p.Y) : p.Y;
      any = true;
    }
    // Cells about as long as the average line (a sample says it) keep both
    // the cells per line and the lines per cell small.
    double totalLength = 0.0;
    int32_t measured = 0;
    const int32_t stride = std::max(drawing.LineCount / kSampledLines, 1);
    for (int32_t j = 0; j < drawing.LineCount; j += stride) {
      const DrawingLine& line = drawing.Lines[At(j)];
      const DrawingPoint& a = drawing.Points[At(line.StartPoint)];
      const DrawingPoint& b = drawing.Points[At(line.EndPoint)];
      const double length = std::fabs(b.X - a.X) + std::fabs(b.Y - a.Y);
      if (!std::isfinite(length)) continue;
      totalLength += length;
      ++measured;
    }
    originX_ = xmin;
    originY_ = ymin;
    largest_ = std::max({std::fabs(xmin), std::fabs(xmax), std::fabs(ymin), std::fabs(ymax)}) + 1.0;
    const double diagonal = Length({xmin, ymin}, {xmax, ymax});
    cell_ = std::max(
        {measured > 0 ? totalLength / measured : 0.0, diagonal / 4096.0, 1e-7 * (largest_ + 1.0)});
    usable_ = any && std::isfinite(cell_) && std::isfinite(diagonal) && cell_ > 0.0;
    if (!usable_) return;
    touch_ = std::sqrt(kDrawingTolerance * cell_ / 2.0);
    perTouch_ = 0.5 / touch_;
    // The bits of every cell stay within a cache's reach.
    for (;;) {
      perCell_ = 1.0 / cell_;
      columns_ = Floor((xmax - originX_) * perCell_) + 1;
      rows_ = Floor((ymax - originY_) * perCell_) + 1;
      if (columns_ * rows_ <= kMostCells) break;
      cell_ *= 1.5;
    }
    File(drawing, mergeable);
  }

  bool usable() const { return usable_; }

  // How far from the segment from a to b (finite ends) a point it holds can
  // be, and a little more: |dx| + |dy| stands for the length, which it is
  // never below, and the square root gives way to the tangent line that
  // touches it at the lines of about a cell's length, which lies above it
  // everywhere. Rounding in the distances of PointOnSegment and in the cell
  // arithmetic grows with the size of the coordinates; the margins cover
  // both many times.
  double Band(const DrawingPoint& a, const DrawingPoint& b) const {
    const double largest = std::max(std::max(std::fabs(a.X), std::fabs(a.Y)),
                                    std::max(std::fabs(b.X), std::fabs(b.Y))) +
                           largest_;
    const double tolerance = kDrawingTolerance * 1.001 + 1e-14 * largest;
    const double length = std::fabs(b.X - a.X) + std::fabs(b.Y - a.Y);
    const double square = tolerance * length / 2.0 + tolerance * tolerance / 4.0;
    return square * perTouch_ + touch_ / 2.0 + 1e-10 * largest;
  }

  // False when no start point is filed in the cells that the box from
  // (left, low) to (right, high) touches; true for a box too wide to look
  // at cheaply, which ForBandEntries then takes.
  bool MayHold(double left, double right, double low, double high) const {
    const double firstColumn = (left - originX_) * perCell_;
    const double lastColumn = (right - originX_) * perCell_;
    const double firstRow = (low - originY_) * perCell_;
    const double lastRow = (high - originY_) * perCell_;
    const auto columns = static_cast<double>(columns_), rows = static_cast<double>(rows_);
    if (lastColumn < 0.0 || firstColumn >= columns || lastRow < 0.0 || firstRow >= rows) {
      return false;
    }
    if (!(lastColumn - firstColumn < kCheapColumns) || !(lastRow - firstRow < kMostCellsPerLine)) {
      return true;
    }
    // Within the grid a cell number is the whole part.
    const auto fromColumn = static_cast<int64_t>(std::max(firstColumn, 0.0));
    const auto toColumn = static_cast<int64_t>(std::min(lastColumn, columns - 1.0));
    const auto fromRow = static_cast<int64_t>(std::max(firstRow, 0.0));
    const auto toRow = static_cast<int64_t>(std::min(lastRow, rows - 1.0));
    if (toColumn - fromColumn <= 1 && toRow - fromRow <= 1) {
      return Bit(nearby_, fromColumn * rows_ + fromRow);
    }
    for (int64_t column = fromColumn; column <= toColumn; ++column) {
      if (AnyHeld(column * rows_ + fromRow, column * rows_ + toRow)) return true;
    }
    return false;
  }

  // Calls visit(entry) for every start point filed in the cells within the
  // band around the segment from a to b (finite ends); false, and nothing
  // visited, when the band covers too many cells to count.
  template <typename Visit>
  bool ForBandEntries(const DrawingPoint& a, const DrawingPoint& b, double band,
                      Visit visit) const {
    const double left = std::min(a.X, b.X), right = std::max(a.X, b.X);
    const double low = std::min(a.Y, b.Y), high = std::max(a.Y, b.Y);
    // Coordinates near the largest numbers make a band too wide to count.
    const double columns = (right - left + 2.0 * band) * perCell_;
    const double rows = (high - low + 2.0 * band) * perCell_;
    if (!(columns < kMostCellsPerLine) || !(rows < kMostCellsPerLine)) return false;
    // Only cells within the grid hold start points.
    const int64_t firstColumn = std::max<int64_t>(Column(left - band), 0);
    const int64_t lastColumn = std::min(Column(right + band), columns_ - 1);
    const double dx = b.X - a.X;
    for (int64_t column = firstColumn; column <= lastColumn; ++column) {
      // The part of the segment whose points can be within the band of this
      // column, and the rows that band reaches around it.
      double bottom = low, top = high;
      if (firstColumn != lastColumn && dx != 0.0) {
        const double slabLeft = originX_ + static_cast<double>(column) * cell_ - band;
        const double slabRight = originX_ + static_cast<double>(column + 1) * cell_ + band;
        const double from = std::max(slabLeft, left);
        const double to = std::min(slabRight, right);
        if (from <= to) {
          const double slope = (b.Y - a.Y) / dx;
          const double y1 = std::clamp(a.Y + (from - a.X) * slope, low, high);
          const double y2 = std::clamp(a.Y + (to - a.X) * slope, low, high);
          bottom = std::min(y1, y2);
          top = std::max(y1, y2);
        }
      }
      const int64_t firstRow = std::max<int64_t>(Row(bottom - band), 0);
      const int64_t lastRow = std::min(Row(top + band), rows_ - 1);
      if (firstRow > lastRow) continue;
      const int64_t first = column * rows_ + firstRow;
      const int64_t last = column * rows_ + lastRow;
      if (!AnyHeld(first, last)) continue;
      const int32_t end = runs_[At(CellsBefore(last + 1))];
      for (int32_t e = runs_[At(CellsBefore(first))]; e < end; ++e) visit(entries_[At(e)]);
    }
    return true;
  }

 private:
  static constexpr int32_t kSampledLines = 1024;
  static constexpr double kCheapColumns = 4.0;
  static constexpr double kMostCellsPerLine = 1 << 20;
  static constexpr int64_t kMostCells = int64_t{1} << 21;

  int64_t Column(double x) const { return Floor((x - originX_) * perCell_); }
  int64_t Row(double y) const { return Floor((y - originY_) * perCell_); }

  static bool Bit(const std::vector<uint64_t>& bits, int64_t cell) {
    return (bits[At(cell >> 6)] >> (cell & 63)) & 1;
  }

  // Whether any cell from first to last holds a start point.
  bool AnyHeld(int64_t first, int64_t last) const {
    const auto firstWord = At(first >> 6), lastWord = At(last >> 6);
    const uint64_t from = ~uint64_t{0} << (first & 63);
    const uint64_t to = ~uint64_t{0} >> (63 - (last & 63));
    if (firstWord == lastWord) return (held_[firstWord] & from & to) != 0;
    if ((held_[firstWord] & from) != 0 || (held_[lastWord] & to) != 0) return true;
    for (auto w = firstWord + 1; w < lastWord; ++w) {
      if (held_[w] != 0) return true;
    }
    return false;
  }

  // How many cells before `cell`, column by column, hold a start point.
  int32_t CellsBefore(int64_t cell) const {
    const auto word = At(cell >> 6);
    const uint64_t below = (uint64_t{1} << (cell & 63)) - 1;
    return wordsBefore_[word] + std::popcount(held_[word] & below);
  }

  // Start points by cell, in line order within each: a counting sort.
  void File(const DrawingFile& drawing, const std::vector<int32_t>& mergeable) {
    held_.assign(At(columns_ * rows_ / 64 + 1), 0);
    std::vector<int64_t> cellOf(mergeable.size(), -1);
    for (std::size_t k = 0; k < mergeable.size(); ++k) {
      const DrawingPoint& p = drawing.Points[At(drawing.Lines[At(mergeable[k])].StartPoint)];
      // A start point that is not finite lies on no segment.
      if (!Finite(p)) continue;
      cellOf[k] = Column(p.X) * rows_ + Row(p.Y);
      held_[At(cellOf[k] >> 6)] |= uint64_t{1} << (cellOf[k] & 63);
    }
    // A bit for each cell that says whether it, the cell above, the cell on
    // its right or the one above that holds a start point: one look for a
    // box within two columns and two rows. (The cell above the top of a
    // column is the bottom of the next: a look too many, never one too few.)
    nearby_ = held_;
    const auto orShifted = [&](int64_t by) {
      const auto words = At(by >> 6);
      const int bits = static_cast<int>(by & 63);
      for (std::size_t w = 0; w + words < held_.size(); ++w) {
        uint64_t shifted = held_[w + words] >> bits;
        if (bits != 0 && w + words + 1 < held_.size())
          shifted |= held_[w + words + 1] << (64 - bits);
        nearby_[w] |= shifted;
      }
    };
    orShifted(1);
    orShifted(rows_);
    orShifted(rows_ + 1);
    wordsBefore_.resize(held_.size());
    int32_t held = 0;
    for (std::size_t w = 0; w < held_.size(); ++w) {
      wordsBefore_[w] = held;
      held += std::popcount(held_[w]);
    }
    runs_.assign(At(held) + 1, 0);
    for (int64_t cell : cellOf) {
      if (cell >= 0) ++runs_[At(CellsBefore(cell)) + 1];
    }
    for (std::size_t k = 1; k < runs_.size(); ++k) runs_[k] += runs_[k - 1];
    std::vector<int32_t> next(runs_.begin(), runs_.end() - 1);
    entries_.resize(At(runs_.back()));
    for (std::size_t k = 0; k < mergeable.size(); ++k) {
      if (cellOf[k] < 0) continue;
      const DrawingLine& line = drawing.Lines[At(mergeable[k])];
      entries_[At(next[At(CellsBefore(cellOf[k]))]++)] = {
          drawing.Points[At(line.StartPoint)], drawing.Points[At(line.EndPoint)], mergeable[k]};
    }
  }

  double originX_ = 0.0, originY_ = 0.0, cell_ = 1.0, perCell_ = 1.0, largest_ = 0.0, touch_ = 1.0,
         perTouch_ = 0.5;
  int64_t columns_ = 0, rows_ = 0;
  bool usable_ = false;
  std::vector<uint64_t> held_;        // a bit per cell, column by column
  std::vector<uint64_t> nearby_;      // the same for the square of four from each cell
  std::vector<int32_t> wordsBefore_;  // cells held before each word of bits
  std::vector<int32_t> runs_;         // where the entries of each held cell begin
  std::vector<Entry> entries_;
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
  const auto consider = [&](int32_t i, int32_t j, const DrawingPoint& start,
                            const DrawingPoint& end, const Box& box) {
    if (i == j) return;
    if (!box.Holds(start) || !box.Holds(end)) return;
    const auto [a, b] = ends(j);
    if (PointOnSegment(start, a, b) && PointOnSegment(end, a, b)) pairs.push_back({i, j});
  };
  const Box everywhere{-HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL};

  const StartGrid grid(drawing, mergeable);
  for (int32_t j = 0; j < drawing.LineCount; ++j) {
    const auto [a, b] = ends(j);
    // A segment with an end that is not finite holds no point at all.
    if (!Finite(a) || !Finite(b)) continue;
    bool counted = false;
    if (grid.usable()) {
      const double band = grid.Band(a, b);
      const Box box{std::min(a.X, b.X) - band, std::max(a.X, b.X) + band, std::min(a.Y, b.Y) - band,
                    std::max(a.Y, b.Y) + band};
      if (!grid.MayHold(box.left, box.right, box.low, box.high)) continue;
      counted = grid.ForBandEntries(
          a, b, band, [&](const StartGrid::Entry& e) { consider(e.line, j, e.start, e.end, box); });
    }
    if (!counted) {
      for (int32_t i : mergeable) consider(i, j, ends(i).first, ends(i).second, everywhere);
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
  int32_t kept = 0;
  for (int32_t i = 0; i < count; ++i) {
    const DrawingLine line = drawing.Lines[At(i)];
    for (; pair != pairs.end() && pair->first < i; ++pair) {
    }
    bool drop = Negative(line);
    for (; !drop && pair != pairs.end() && pair->first == i; ++pair) {
      drop = !dropped[At(pair->second)];
    }
    dropped[At(i)] = drop ? 1 : 0;
    if (!drop) drawing.Lines[At(kept++)] = line;
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
  // The arcs kept so far, by position in the table, in an open-addressing
  // index made for all of them.
  std::size_t size = 16;
  while (size < 2 * At(drawing.ArcCount)) size *= 2;
  std::vector<int32_t> kept(size, -1);
  const ArcHash hash;
  const ArcEqual equal;
  int32_t count = 0;
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    const DrawingArc arc = drawing.Arcs[At(i)];
    std::size_t at = hash(arc) & (size - 1);
    while (kept[at] >= 0 && !equal(drawing.Arcs[At(kept[at])], arc)) at = (at + 1) & (size - 1);
    if (kept[at] >= 0) continue;
    kept[at] = count;
    drawing.Arcs[At(count++)] = arc;
  }
  drawing.ArcCount = count;
}

// Cells, by their column and row, each with the first point filed under it:
// an open-addressing table sized beforehand for at most `items` cells, so
// nothing moves while it fills. A slot keeps only part of the cell's hash;
// the rare cells that share it are taken for one, which only adds points to
// compare.
class PointCells {
 public:
  struct Slot {
    uint32_t tag = 0;
    int32_t head = -1;  // -1: empty
  };

  explicit PointCells(std::size_t items) {
    std::size_t size = 16;
    while (size < 2 * items) size *= 2;
    mask_ = size - 1;
    slots_.resize(size);
  }

  // The cell's slot, or the empty one where it would go, and its tag.
  std::pair<Slot&, uint32_t> Find(int64_t column, int64_t row) {
    uint64_t key =
        static_cast<uint64_t>(column) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(row);
    key ^= key >> 31;
    key *= 0x7FB5D329728EA185ull;
    key ^= key >> 27;
    key *= 0x81DADEF4BC2DD44Dull;
    key ^= key >> 33;
    const auto tag = static_cast<uint32_t>(key >> 32);
    std::size_t at = key & mask_;
    while (slots_[at].head >= 0 && slots_[at].tag != tag) at = (at + 1) & mask_;
    return {slots_[at], tag};
  }

 private:
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
};

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
  // Beyond this size the cell numbers lose precision, and such a drawing is
  // no drawing of a member: at the first such point, every pair is compared
  // instead.
  constexpr double kLargest = 1e9;
  const auto comparePairs = [&] {
    for (int32_t j = 0; j < count; ++j) {
      target[At(j)] = j;
      for (int32_t i = 0; i < j; ++i) {
        if (Coincident(drawing.Points[At(i)], drawing.Points[At(j)])) {
          target[At(j)] = i;
          break;
        }
      }
    }
  };

  // Cells many times the tolerance wide: a point needs to look into a
  // neighbouring cell only when it lies within the tolerance of that side,
  // which few do; its own cell it finds as it files itself there. The reach
  // has a margin for the rounding of the cell arithmetic, a few units in
  // the last place of numbers up to kLargest / kCell.
  constexpr double kCell = 64.0 * kDrawingTolerance;
  constexpr double kPerCell = 1.0 / kCell;
  constexpr double kReach = kDrawingTolerance / kCell + 1e-3;
  const auto side = [](double within) {
    return within < kReach ? -1 : within > 1.0 - kReach ? 1 : 0;
  };
  PointCells cells(At(count));
  // The next point of the same cell, and for the first point of a cell the
  // last one so far.
  std::vector<int32_t> next(At(count), -1);
  std::vector<int32_t> last(At(count), -1);
  // Each cell lists its points in increasing order, so a point's search
  // stops at the first coincident point, or at the best one found so far.
  const auto search = [&](int32_t head, const DrawingPoint& p, int32_t& first) {
    for (int32_t i = head; i >= 0 && i < first; i = next[At(i)]) {
      if (Coincident(drawing.Points[At(i)], p)) {
        first = i;
        return;
      }
    }
  };
  for (int32_t j = 0; j < count; ++j) {
    const DrawingPoint& p = drawing.Points[At(j)];
    target[At(j)] = j;
    if (!Finite(p)) continue;  // coincides with nothing
    if (std::fabs(p.X) > kLargest || std::fabs(p.Y) > kLargest) {
      comparePairs();
      break;
    }
    const double x = p.X * kPerCell, y = p.Y * kPerCell;
    const int64_t column = Floor(x), row = Floor(y);
    const auto [own, tag] = cells.Find(column, row);
    int32_t first = j;
    search(own.head, p, first);
    const int sideX = side(x - static_cast<double>(column));
    const int sideY = side(y - static_cast<double>(row));
    if (sideX != 0) search(cells.Find(column + sideX, row).first.head, p, first);
    if (sideY != 0) search(cells.Find(column, row + sideY).first.head, p, first);
    if (sideX != 0 && sideY != 0)
      search(cells.Find(column + sideX, row + sideY).first.head, p, first);
    target[At(j)] = first;
    if (own.head < 0) {
      own.tag = tag;
      own.head = j;
    } else {
      next[At(last[At(own.head)])] = j;
    }
    last[At(own.head)] = j;
  }
  return target;
}

// Calls f(index) for every point index held by lines, arcs, markers and
// texts.
template <typename F>
void ForEachReference(DrawingFile& drawing, F f) {
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    f(drawing.Lines[At(i)].StartPoint);
    f(drawing.Lines[At(i)].EndPoint);
  }
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    DrawingArc& arc = drawing.Arcs[At(i)];
    f(arc.CentrePoint);
    f(arc.StartPoint);
    f(arc.ThirdPoint);
    f(arc.EndPoint);
  }
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) f(drawing.Markers[At(i)].Point);
  for (int32_t i = 0; i < drawing.TextCount; ++i) f(drawing.Texts[At(i)].Point);
}

// Steps 3 and 4: each reference moves to the first coincident point, then
// the points that no reference reaches go and the others close up in order.
void MergeAndDropPoints(DrawingFile& drawing) {
  const int32_t count = drawing.PointCount;
  std::vector<int32_t> position = FirstCoincidentPoints(drawing);
  std::vector<char> used(At(count), 0);
  ForEachReference(drawing, [&](int32_t& index) {
    assert(index >= 0 && index < count && "point index outside the table");
    index = position[At(index)];
    used[At(index)] = 1;
  });
  int32_t kept = 0;
  for (int32_t k = 0; k < count; ++k) {
    if (!used[At(k)]) continue;
    position[At(k)] = kept;
    drawing.Points[At(kept++)] = drawing.Points[At(k)];
  }
  drawing.PointCount = kept;
  ForEachReference(drawing, [&](int32_t& index) { index = position[At(index)]; });
}

}  // namespace

void CompactDrawing(DrawingFile& drawing) {
  DropOverlappingLines(drawing);
  DropRepeatedArcs(drawing);
  MergeAndDropPoints(drawing);
}
