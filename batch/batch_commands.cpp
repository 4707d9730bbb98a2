#include "batch/batch_commands.h"

#include <memory>

#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/stream_prompter.h"

namespace {

const char* const kUsage =
    "uso: tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' check\n";

int Usage(std::ostream& err) {
  err << kUsage;
  return kExitUsage;
}

// Start-up as the editor runs it; false after a fault, which is printed.
bool StartUp(World& world, const std::string& argument, StreamPrompter& prompter) {
  if (auto fault = RunStartup(world, argument, prompter)) {
    ShowMessage(prompter, *fault);
    return false;
  }
  return true;
}

int Check(const std::string& argument, std::ostream& out, StreamPrompter& prompter) {
  auto world = std::make_unique<World>();
  if (!StartUp(*world, argument, prompter)) return kExitStopped;
  out << "OK\n";
  return kExitDone;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) return Usage(err);
  StreamPrompter prompter(err);
  const std::string& argument = args[0];
  const std::string& command = args[1];
  if (command == "check" && args.size() == 2) return Check(argument, out, prompter);
  return Usage(err);
}
