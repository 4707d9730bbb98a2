#pragma once

#include <initializer_list>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "layouts/layout_group.h"
#include "section_view/picture_canvas.h"
#include "structure/structure_model.h"

// A picture that remembers what was drawn on it, with a size in pixels and
// the picture box's scale rules: pixel mode at first (the scale is the size),
// and setting a scale value switches to the user scale.
class RecordingCanvas : public PictureCanvas {
 public:
  RecordingCanvas(double width, double height) : width_(width), height_(height) {}

  int16_t ScaleMode() const override { return mode_; }
  void SetScaleMode(int16_t mode) override { mode_ = mode; }
  double ScaleLeft() const override { return left_; }
  double ScaleTop() const override { return top_; }
  double ScaleWidth() const override { return sw_; }
  double ScaleHeight() const override { return sh_; }
  void SetScaleLeft(double v) override { mode_ = kScaleUser, left_ = v; }
  void SetScaleTop(double v) override { mode_ = kScaleUser, top_ = v; }
  void SetScaleWidth(double v) override { mode_ = kScaleUser, sw_ = v; }
  void SetScaleHeight(double v) override { mode_ = kScaleUser, sh_ = v; }
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void Cls() override { Record('X', {}, kForeColor); }
  void Line(double x1, double y1, double x2, double y2, Colour colour) override {
    Record('L', {x1, y1, x2, y2}, colour);
  }
  void Circle(double x, double y, double r, Colour colour) override {
    Record('C', {x, y, r}, colour);
  }
  void SetEnabled(bool) override {}  // the real box shows it

  void Clear() {
    ops.clear();
    colours.clear();
  }

  // What was drawn, in order: "X" for Cls, "L x1 y1 x2 y2" for a line,
  // "C x y r" for a circle, each number to ten digits; and its colour.
  std::vector<std::string> ops;
  std::vector<Colour> colours;

 private:
  void Record(char kind, std::initializer_list<double> values, Colour colour) {
    std::ostringstream op;
    op << kind << std::setprecision(10);
    for (const double v : values) op << ' ' << v + 0.0;  // no "-0"
    ops.push_back(op.str());
    colours.push_back(colour);
  }

  double width_, height_;
  int16_t mode_ = kScalePixels;
  double left_ = 0, top_ = 0, sw_ = width_, sh_ = height_;
};

// A 40 x 40 square with vertex 1 at (0, 0), counter-clockwise, the
// reference point at its centre.
inline Section Square40() {
  Section s;
  s.SizeZ = s.SizeY = 40;
  s.ContourCount = 1;
  s.VertexCount[1] = 4;
  const double z[] = {0, 40, 40, 0}, y[] = {0, 0, 40, 40};
  for (int v = 1; v <= 4; ++v) s.VertexZ[1][v] = z[v - 1], s.VertexY[1][v] = y[v - 1];
  s.RefPointZ = s.RefPointY = 20;
  return s;
}

// The records the view reads, on the heap (they are large): structure
// nodes 11..14 at positions 1..4, all with section 1, a Square40.
struct ViewRecords {
  StructureModel structure;
  SectionTable sections;
  LayoutGroup group;
};

inline std::unique_ptr<ViewRecords> MakeRecords() {
  auto r = std::make_unique<ViewRecords>();
  r->structure.StructureNodeCount = 4;
  for (int i = 1; i <= 4; ++i) {
    r->structure.StructureNodes[i] = {static_cast<int16_t>(10 + i), 1, static_cast<int16_t>(i - 1)};
  }
  r->sections.SectionCount = 1;
  r->sections.Sections[1] = Square40();
  return r;
}

// Appends a layout through `nodes` (positions in the node table), every
// point from `refVertex` with Z = Y = 0; returns its number.
inline int AddLayout(LayoutGroup& group, int cableType, const std::vector<int>& nodes,
                     int16_t refVertex) {
  const int m = ++group.LayoutCount;
  Layout& layout = group.Layouts[m];
  layout.CableType = static_cast<int16_t>(cableType);
  layout.NodeCount = static_cast<int16_t>(nodes.size());
  for (int p = 1; p <= layout.NodeCount; ++p) {
    layout.NodeIndex[p] = static_cast<int16_t>(nodes[static_cast<std::size_t>(p - 1)]);
    layout.RefVertex[p] = refVertex;
  }
  return m;
}
