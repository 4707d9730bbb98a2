#include "batch/parabola_command.h"

#include <array>
#include <memory>

#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/batch_commands.h"
#include "parabolic/parabolic_panel.h"
#include "parabolic/parabolic_profile.h"

namespace {

// The program's arguments: argument string, "parabola", then these.
enum Operand : std::size_t { kIn = 2, kOut, kInitial, kMiddle, kFinal, kZ, kY1, kY2, kY3, kCount };

constexpr std::array<const char*, kCount> kOperandNames = {
    "", "", "IN", "OUT", "I", "M", "F", "Z", "Y1", "Y2", "Y3"};

// An empty group, as the editor holds before anything is opened.
const char* const kEmptyGroup = "-";

bool Malformed(std::ostream& err, std::size_t operand, const std::string& text) {
  err << "tracciati-batch: parabola: " << kOperandNames[operand] << " non valido: '" << text
      << "'\n";
  return false;
}

// The operands as the dialog's boxes would give them, numbers with a point.
bool ReadOperands(const std::vector<std::string>& args, std::ostream& err,
                  ParabolicCableState& state) {
  const std::array<std::pair<Operand, int16_t ParabolicCableState::*>, 3> names = {
      {{kInitial, &ParabolicCableState::InitialName},
       {kMiddle, &ParabolicCableState::MiddleName},
       {kFinal, &ParabolicCableState::FinalName}}};
  for (const auto& [operand, field] : names) {
    const auto name = ParseNodeName(args[operand]);
    if (!name) return Malformed(err, operand, args[operand]);
    state.*field = *name;
  }
  const std::array<std::pair<Operand, double ParabolicCableState::*>, 4> numbers = {
      {{kZ, &ParabolicCableState::CableZ},
       {kY1, &ParabolicCableState::InitialY},
       {kY2, &ParabolicCableState::MiddleY},
       {kY3, &ParabolicCableState::FinalY}}};
  for (const auto& [operand, field] : numbers) {
    const auto value = ParseRegionalNumber(args[operand], ".");
    if (!value) return Malformed(err, operand, args[operand]);
    state.*field = *value;
  }
  return true;
}

// Passes everything on, noting whether a message was shown.
class MessageWatch : public Prompter {
 public:
  explicit MessageWatch(Prompter& inner) : inner_(inner) {}
  bool shown() const { return shown_; }

  int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                         const std::string& caption) override {
    shown_ = true;
    return inner_.ShowMessageBox(prompt, style, caption);
  }
  std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override {
    return inner_.AskOpenFileName(request);
  }
  std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override {
    return inner_.AskSaveFileName(request);
  }

 private:
  Prompter& inner_;
  bool shown_ = false;
};

}  // namespace

std::optional<int> RunParabola(const std::vector<std::string>& args, Prompter& prompter,
                               std::ostream& err, FileArgumentPath fileArgument) {
  if (args.size() != kCount) return std::nullopt;
  ParabolicCableState state;
  if (!ReadOperands(args, err, state)) return std::nullopt;

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
    if (world->LastOperationOk == 0 || watch.shown()) return kExitStopped;
  }
  if (auto fault = CreaFunzione(world->Group, world->Structure, state)) {
    ShowMessage(prompter, *fault);
    return kExitStopped;
  }
  world->Group.ActiveLayout = world->Group.LayoutCount;
  return SaveLayoutGroupFile(*world, prompter, fileArgument(args[kOut])) ? kExitDone
                                                                          : kExitStopped;
}
