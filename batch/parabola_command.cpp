#include "batch/parabola_command.h"

#include <array>
#include <memory>

#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/batch_commands.h"
#include "common/text.h"
#include "parabolic/parabolic_panel.h"
#include "platform/message_watch.h"
#include "parabolic/parabolic_profile.h"

namespace {

// The program's arguments: argument string, "parabola", then these.
enum Operand : std::size_t { kIn = 2, kOut, kInitial, kMiddle, kFinal, kZ, kY1, kY2, kY3, kCount };

constexpr std::array<const char*, kCount> kOperandNames = {
    "", "", "IN", "OUT", "I", "M", "F", "Z", "Y1", "Y2", "Y3"};

// An empty group, as the editor holds before anything is opened.
const char* const kEmptyGroup = "-";

void Malformed(std::ostream& err, std::size_t operand, const std::string& text) {
  err << "tracciati-batch: parabola: " << kOperandNames[operand] << " non valido: '" << text
      << "'\n";
}

enum class Operands { kRead, kEmptyBox, kMalformed };

// The operands as the dialog's boxes would give them, numbers with a point,
// read in the dialog's order. An empty operand is an empty box and gets the
// dialog's own message; one that does not read is a command-line fault.
Operands ReadOperands(const std::vector<std::string>& args, Prompter& prompter, std::ostream& err,
                      ParabolicCableState& state) {
  const ParabolicPanelTexts texts = {{args[kInitial], args[kMiddle], args[kFinal]},
                                     args[kZ],
                                     {args[kY1], args[kY2], args[kY3]}};
  const auto fault = LeggiPannello(texts, ".", state);
  if (!fault) return Operands::kRead;
  for (std::size_t operand = kInitial; operand <= kY3; ++operand) {
    const std::string& text = args[operand];
    if (Trim(text).empty()) {
      ShowMessage(prompter, *fault);
      return Operands::kEmptyBox;
    }
    const bool reads = operand <= kFinal ? ParseNodeName(text).has_value()
                                         : ParseRegionalNumber(text, ".").has_value();
    if (!reads) {
      Malformed(err, operand, text);
      return Operands::kMalformed;
    }
  }
  return Operands::kMalformed;  // not reached: the dialog refused some operand
}

}  // namespace

std::optional<int> RunParabola(const std::vector<std::string>& args, Prompter& prompter,
                               std::ostream& err, FileArgumentPath fileArgument) {
  if (args.size() != kCount) return std::nullopt;
  ParabolicCableState state;
  switch (ReadOperands(args, prompter, err, state)) {
    case Operands::kRead:
      break;
    case Operands::kEmptyBox:
      return kExitStopped;
    case Operands::kMalformed:
      return std::nullopt;
  }

  auto world = std::make_unique<World>();
  if (auto fault = RunStartup(*world, args[0], prompter)) {
    ShowMessage(prompter, *fault);
    return kExitStopped;
  }
  if (args[kIn] != kEmptyGroup) {
    // Any message while opening means the file was not taken as it is (not
    // readable, or emptied by its validation): appending to what is left
    // would write a group the user never had.
    MessageWatch watch(prompter);
    OpenLayoutGroupFile(*world, watch, fileArgument(args[kIn]));
    if (world->LastOperationOk == 0 || watch.count() != 0) return kExitStopped;
  }
  if (auto fault = CreaFunzione(world->Group, world->Structure, state)) {
    ShowMessage(prompter, *fault);
    return kExitStopped;
  }
  world->Group.ActiveLayout = world->Group.LayoutCount;
  return SaveLayoutGroupFile(*world, prompter, fileArgument(args[kOut])) ? kExitDone
                                                                          : kExitStopped;
}
