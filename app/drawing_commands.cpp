#include "app/drawing_commands.h"

#include "app/hourglass.h"
#include "app/show_message.h"
#include "common/message_catalogue.h"
#include "common/text.h"
#include "drawing/drawing_writer.h"
#include "drawing/layout_views.h"

namespace {

// One layout's views into a fresh drawing, saved at path; its bytes are
// made in buffer.
bool DrawLayout(World& world, int layout, const std::string& title, const std::string& path,
                const std::string& decimalSeparator, std::string& buffer) {
  DrawingFile& drawing = world.Drawing;
  const ViewInputs inputs{world.Structure, world.Sections, world.Font};
  const Layout& cable = world.Group.Layouts[layout];
  ResetDrawing(drawing);
  const ViewOffsets offsets = DrawMemberViews(drawing, inputs, cable, title);
  DrawCableViews(drawing, inputs, cable, offsets);
  return SaveDrawing(drawing, path, decimalSeparator, buffer);
}

}  // namespace

std::optional<DrawnLayouts> DrawAllLayouts(World& world, Prompter& prompter,
                                           const std::string& decimalSeparator,
                                           const std::function<void(bool)>& setHourglass) {
  const int count = world.Group.LayoutCount;
  if (count <= 0) {
    ShowMessage(prompter, CatalogueText(kMsgNoLayout), kStyleInformation, kCaptionInformation);
    return std::nullopt;
  }
  const Hourglass hourglass(setHourglass);
  const DrawingWarningsTo warnings(world.Drawing, prompter);
  const JobContext& job = world.Job;
  DrawnLayouts drawn;
  std::string buffer;  // one for all the drawings
  drawn.Summary = {CatalogueText(kMsgLayoutsDrawn) + "(" + IntText(count) + ")",
                   kCaptionInformation, kStyleInformation};
  for (int i = 1; i <= count && i <= kMaxLayouts; ++i) {
    const std::string title = LayoutTitle(job.MemberDescription, world.GroupFileName, i);
    const std::string path =
        job.JobDir + LayoutDrawingFileName(job.MemberDescription, world.GroupFileName, i);
    drawn.Summary.text += "\n\r" + path;
    drawn.Files.push_back(path);
    if (!DrawLayout(world, i, title, path, decimalSeparator, buffer)) {
      drawn.Unwritten.push_back(path);
    }
  }
  return drawn;
}

void ShowUnwrittenDrawings(Prompter& prompter, const std::vector<std::string>& unwritten) {
  if (unwritten.empty()) return;
  std::string text = CatalogueText(kMsgCannotWrite);
  for (std::size_t i = 0; i < unwritten.size(); ++i) text += (i == 0 ? "" : "\n") + unwritten[i];
  ShowMessage(prompter, text, kStyleCritical, kCaptionError);
}

void DrawAllLayo(World& world, Prompter& prompter, const std::string& decimalSeparator,
                 const std::function<void(bool)>& setHourglass) {
  if (const auto drawn = DrawAllLayouts(world, prompter, decimalSeparator, setHourglass)) {
    ShowMessage(prompter, drawn->Summary);
    ShowUnwrittenDrawings(prompter, drawn->Unwritten);
  }
}

std::optional<PreviewDrawing> WritePreviewDrawing(World& world, Prompter& prompter,
                                                  const std::string& decimalSeparator) {
  const int active = world.Group.ActiveLayout;
  if (active < 1 || active > world.Group.LayoutCount || active > kMaxLayouts) return std::nullopt;
  const DrawingWarningsTo warnings(world.Drawing, prompter);
  const JobContext& job = world.Job;
  const std::string path = job.JobDir + PreviewDrawingFileName(job.MemberDescription);
  std::string buffer;
  const bool written =
      DrawLayout(world, active, LayoutTitle(job.MemberDescription, world.GroupFileName, active),
                 path, decimalSeparator, buffer);
  return PreviewDrawing{path, written};
}
