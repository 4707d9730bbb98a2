#include "batch/batch_commands.h"

#include <filesystem>
#include <memory>

#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/draw_commands.h"
#include "batch/parabola_command.h"
#include "batch/stream_prompter.h"
#include "batch/verify_command.h"
#include "common/text_file.h"
#include "platform/suite_path.h"

namespace {

const char* const kUsage =
    "uso: tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' check\n"
    "     tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' resave IN OUT\n"
    "     tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' parabola IN OUT I M F Z Y1 Y2 Y3\n"
    "     tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' draw-all IN\n"
    "     tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' preview IN N\n"
    "     tracciati-batch '|diroot=<cartella>|MEMBRA=<n>|' verify IN [--copriferro C] [--raggio R]\n";

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

// A file named on the command line, in the suite's form the editor's
// dialogs give: absolute, so that its name relative to the job folder can be
// taken as "Apri" takes it.
std::string SuiteFileArgument(const std::string& arg) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(arg), ec);
  return SuitePathFromHost(Utf8FromPath(ec ? PathFromUtf8(arg) : absolute));
}

int Resave(const std::string& argument, const std::string& in, const std::string& out,
           StreamPrompter& prompter) {
  auto world = std::make_unique<World>();
  if (!StartUp(*world, argument, prompter)) return kExitStopped;
  OpenLayoutGroupFile(*world, prompter, SuiteFileArgument(in));
  if (world->LastOperationOk == 0) return kExitStopped;
  return SaveLayoutGroupFile(*world, prompter, SuiteFileArgument(out)) ? kExitDone : kExitStopped;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) return Usage(err);
  StreamPrompter prompter(err);
  const std::string& argument = args[0];
  const std::string& command = args[1];
  if (command == "check" && args.size() == 2) return Check(argument, out, prompter);
  if (command == "resave" && args.size() == 4) return Resave(argument, args[2], args[3], prompter);
  if (command == "parabola") {
    if (const auto status = RunParabola(args, prompter, err, SuiteFileArgument)) return *status;
  }
  if (command == "draw-all" || command == "preview") {
    if (const auto status = RunDrawCommand(args, prompter, out, err, SuiteFileArgument)) {
      return *status;
    }
  }
  if (command == "verify") {
    if (const auto status = RunVerify(args, prompter, out, err, SuiteFileArgument)) return *status;
  }
  return Usage(err);
}
