#include "batch/draw_commands.h"

#include <cmath>
#include <memory>

#include "app/drawing_commands.h"
#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/batch_commands.h"
#include "common/message_catalogue.h"
#include "common/text.h"
#include "common/val.h"
#include "platform/decimal_separator.h"

namespace {

// "Tracciato non valido ": a layout the group does not have.
constexpr int kMsgBadLayout = 18;

// Start-up; false after its message.
bool StartUp(World& world, const std::string& argument, Prompter& prompter) {
  if (auto fault = RunStartup(world, argument, prompter)) {
    ShowMessage(prompter, *fault);
    return false;
  }
  return true;
}

// Start-up, then the group as "Apri" reads it; false after a message.
bool OpenGroup(World& world, const std::string& argument, const std::string& in,
               Prompter& prompter) {
  if (!StartUp(world, argument, prompter)) return false;
  OpenLayoutGroupFile(world, prompter, in);
  return world.LastOperationOk != 0;
}

int DrawAll(const std::string& argument, const std::string& in, Prompter& prompter,
            std::ostream& out, std::ostream& err) {
  auto world = std::make_unique<World>();
  // As in the window, a group that cannot be opened leaves the group as it
  // was (here empty), which "Disegna tracciati" then reports.
  if (!StartUp(*world, argument, prompter)) return kExitStopped;
  OpenLayoutGroupFile(*world, prompter, in);
  const auto drawn = DrawAllLayouts(*world, prompter, DecimalSeparator());
  if (!drawn) return kExitStopped;
  out << CatalogueText(kMsgLayoutsDrawn) << "(" << drawn->Files.size() << ")\n";
  for (const std::string& file : drawn->Files) out << file << "\n";
  for (const std::string& file : drawn->Unwritten) {
    err << "tracciati-batch: draw-all: impossibile scrivere " << file << "\n";
  }
  return drawn->Unwritten.empty() ? kExitDone : kExitStopped;
}

int Preview(const std::string& argument, const std::string& in, int16_t layout, Prompter& prompter,
            std::ostream& out, std::ostream& err) {
  auto world = std::make_unique<World>();
  if (!OpenGroup(*world, argument, in, prompter)) return kExitStopped;
  LayoutGroup& group = world->Group;
  if (group.LayoutCount <= 0) {
    ShowMessage(prompter, CatalogueText(kMsgNoLayout), kStyleInformation, kCaptionInformation);
    return kExitStopped;
  }
  if (layout < 1 || layout > group.LayoutCount) {
    ShowMessage(prompter, CatalogueText(kMsgBadLayout) + IntText(layout), kStyleExclamation,
                kCaptionProblem);
    return kExitStopped;
  }
  group.ActiveLayout = layout;
  const auto preview = WritePreviewDrawing(*world, prompter, DecimalSeparator());
  if (!preview) return kExitStopped;
  out << preview->Path << "\n";
  if (preview->Written) return kExitDone;
  err << "tracciati-batch: preview: impossibile scrivere " << preview->Path << "\n";
  return kExitStopped;
}

}  // namespace

std::optional<int> RunDrawCommand(const std::vector<std::string>& args, Prompter& prompter,
                                  std::ostream& out, std::ostream& err,
                                  std::string (*fileArgument)(const std::string&)) {
  if (args.size() == 3 && args[1] == "draw-all") {
    return DrawAll(args[0], fileArgument(args[2]), prompter, out, err);
  }
  if (args.size() == 4 && args[1] == "preview") {
    // A layout number: a whole number that a 16-bit index can hold.
    const auto value = ParseNumber(args[3]);
    if (!value || *value != std::floor(*value) || *value < -32768 || *value > 32767) {
      err << "tracciati-batch: preview: N non valido: '" << args[3] << "'\n";
      return std::nullopt;
    }
    return Preview(args[0], fileArgument(args[2]), static_cast<int16_t>(*value), prompter, out,
                   err);
  }
  return std::nullopt;
}
