// Any bytes as a drawing file for the viewer: the parser must refuse with a
// message or give a drawing whose every index is inside its tables, so that
// measuring and fitting it (what the window does before painting), and
// writing it as DXF, stay inside them too.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "viewer/dxf_writer.h"
#include "viewer/view_transform.h"
#include "viewer/viewer_drawing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const DrawingReadResult result = ParseDrawing(bytes, "c:\\lavori\\fuzz\\d.dis");
  if (!result.drawing) {
    if (result.error.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const ViewerDrawing& d = *result.drawing;
  for (const ViewerArc& arc : d.arcs) ArcGeometryOf(d, arc);
  const ViewTransform view = ViewTransform::Fit(BoundsOf(d), 800.0, 600.0);
  for (const ViewerLine& line : d.lines) {
    view.ToWindow(d.points[static_cast<std::size_t>(line.start)].x,
                  d.points[static_cast<std::size_t>(line.end)].y);
  }
  const std::string dxf = DxfText(d);
  if (!dxf.ends_with("0\r\nEOF\r\n")) std::abort();
  return 0;
}
