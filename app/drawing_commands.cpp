#include "app/drawing_commands.h"

#include <algorithm>
#include <array>
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

// The drawings of "Disegna tracciati" are made one after another on the
// caller's thread; each is then formatted, written and flushed beside its
// file on a thread of its own while the next ones are drawn, up to kSlots
// drawings in hand at once. The renames that put the files in place are
// made here, in layout order, and messages come only from drawing, on the
// caller's thread: the files, the messages and their order are those of
// one drawing at a time, only sooner.
class DrawingPipeline {
 public:
  DrawingPipeline(DrawingFile& first, const std::string& decimalSeparator)
      : decimalSeparator_(decimalSeparator) {
    slots_[0].drawing = &first;
    for (std::size_t k = 1; k < kSlots; ++k) {
      slots_[k].owned = std::make_unique<DrawingFile>();
      slots_[k].drawing = slots_[k].owned.get();
    }
  }

  // The drawing to make layout i (from 1) in, once the file drawn in it
  // before is in place: it starts with what the drawing of layout i - 1 kept.
  DrawingFile& For(int i) {
    Slot& slot = SlotOf(i);
    Finish(slot);
    if (i > 1) CarryKeptState(*SlotOf(i - 1).drawing, *slot.drawing);
    return *slot.drawing;
  }

  // Starts writing the drawing of layout i to path, which must stay as it
  // is until Finish.
  void Write(int i, const std::string& path) {
    Slot& slot = SlotOf(i);
    slot.path = &path;
    slot.staged = std::async(std::launch::async, [this, &slot] {
      return StageDrawing(*slot.drawing, *slot.path, decimalSeparator_, slot.buffer);
    });
  }

  // Puts the files of the last layouts in place; the drawing of the last
  // one goes to the first drawing, as when one drawing served all. The
  // files that could not be written, in layout order.
  std::vector<std::string> Finish(int last) {
    for (int i = std::max(1, last - static_cast<int>(kSlots) + 1); i <= last; ++i) {
      Finish(SlotOf(i));
    }
    if (last > 0 && SlotOf(last).owned) *slots_[0].drawing = *SlotOf(last).drawing;
    return std::move(unwritten_);
  }

 private:
  static constexpr std::size_t kSlots = 4;
  struct Slot {
    DrawingFile* drawing = nullptr;
    std::unique_ptr<DrawingFile> owned;
    std::string buffer;
    const std::string* path = nullptr;
    std::future<StagedFile> staged;
  };

  Slot& SlotOf(int layout) { return slots_[static_cast<std::size_t>(layout - 1) % kSlots]; }

  void Finish(Slot& slot) {
    if (!slot.staged.valid()) return;
    if (!slot.staged.get().Commit()) unwritten_.push_back(*slot.path);
  }

  const std::string& decimalSeparator_;
  std::array<Slot, kSlots> slots_;
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
  drawn.Summary = {CatalogueText(kMsgLayoutsDrawn) + "(" + IntText(count) + ")",
                   kCaptionInformation, kStyleInformation};
  const int last = std::min(count, kMaxLayouts);
  // Reserved once: the writes under way hold on to the paths.
  drawn.Files.reserve(static_cast<std::size_t>(last));
  DrawingPipeline pipeline(world.Drawing, decimalSeparator);
  for (int i = 1; i <= last; ++i) {
    const std::string title = LayoutTitle(job.MemberDescription, world.GroupFileName, i);
    drawn.Files.push_back(job.JobDir +
                          LayoutDrawingFileName(job.MemberDescription, world.GroupFileName, i));
    drawn.Summary.text += "\n\r" + drawn.Files.back();
    DrawLayout(pipeline.For(i), world, i, title);
    pipeline.Write(i, drawn.Files.back());
  }
  drawn.Unwritten = pipeline.Finish(last);
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
