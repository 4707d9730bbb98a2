#include "app/drawing_commands.h"

#include <algorithm>
#include <future>
#include <memory>

#include "app/hourglass.h"
#include "app/show_message.h"
#include "common/message_catalogue.h"
#include "common/text.h"
#include "drawing/drawing_writer.h"
#include "drawing/compact_drawing.h"
#include "drawing/layout_views.h"

namespace {

// One layout's views into drawing, extents taken and compacted: all that
// SaveDrawing does before the writing.
void DrawLayout(DrawingFile& drawing, const World& world, int layout, const std::string& title) {
  const ViewInputs inputs{world.Structure, world.Sections, world.Font};
  const Layout& cable = world.Group.Layouts[layout];
  ResetDrawing(drawing);
  const ViewOffsets offsets = DrawMemberViews(drawing, inputs, cable, title);
  DrawCableViews(drawing, inputs, cable, offsets);
  ComputeExtents(drawing);
  CompactDrawing(drawing);
}

// Writes each drawing on a thread of its own while the caller draws the
// next one, so drawing and writing overlap. Only one write runs at a time
// and each starts after the one before has ended, so the files are written
// in layout order; messages come only from drawing, on the caller's thread.
class DrawingWrites {
 public:
  explicit DrawingWrites(const std::string& decimalSeparator)
      : decimalSeparator_(decimalSeparator) {}
  ~DrawingWrites() {
    if (pending_.valid()) pending_.wait();
  }
  DrawingWrites(const DrawingWrites&) = delete;
  DrawingWrites& operator=(const DrawingWrites&) = delete;

  // Waits for the write before, then starts this one; the drawing and the
  // path must stay as they are until the next call of Start or Finish.
  void Start(const DrawingFile& drawing, const std::string& path) {
    Finish();
    pending_ = std::async(std::launch::async, [this, &drawing, &path] {
      return WriteDrawing(drawing, path, decimalSeparator_, buffer_);
    });
    pendingPath_ = &path;
  }

  // Waits for the write under way, if any, and notes it when it failed.
  void Finish() {
    if (!pending_.valid()) return;
    if (!pending_.get()) unwritten_.push_back(*pendingPath_);
  }

  std::vector<std::string> TakeUnwritten() {
    Finish();
    return std::move(unwritten_);
  }

 private:
  const std::string& decimalSeparator_;
  std::future<bool> pending_;
  const std::string* pendingPath_ = nullptr;
  std::string buffer_;  // one write at a time: one buffer for all
  std::vector<std::string> unwritten_;
};

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
  // Two drawings in hand: the one being drawn and the one being written.
  auto second = std::make_unique<DrawingFile>();
  DrawingFile* drawings[2] = {&world.Drawing, second.get()};
  DrawingWrites writes(decimalSeparator);
  drawn.Summary = {CatalogueText(kMsgLayoutsDrawn) + "(" + IntText(count) + ")",
                   kCaptionInformation, kStyleInformation};
  const int last = std::min(count, kMaxLayouts);
  drawn.Files.reserve(static_cast<std::size_t>(last));
  for (int i = 1; i <= last; ++i) {
    const std::string title = LayoutTitle(job.MemberDescription, world.GroupFileName, i);
    const std::string path =
        job.JobDir + LayoutDrawingFileName(job.MemberDescription, world.GroupFileName, i);
    drawn.Summary.text += "\n\r" + path;
    drawn.Files.push_back(path);
    DrawingFile& drawing = *drawings[(i - 1) % 2];
    if (i > 1) CarryKeptState(*drawings[i % 2], drawing);
    DrawLayout(drawing, world, i, title);
    writes.Start(drawing, drawn.Files.back());
  }
  drawn.Unwritten = writes.TakeUnwritten();
  // The last drawing stays in the world's, as when one drawing served all.
  if (last % 2 == 0) world.Drawing = *second;
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
  DrawLayout(world.Drawing, world, active,
             LayoutTitle(job.MemberDescription, world.GroupFileName, active));
  const bool written = WriteDrawing(world.Drawing, path, decimalSeparator);
  return PreviewDrawing{path, written};
}
