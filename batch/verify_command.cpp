#include "batch/verify_command.h"

#include <cmath>
#include <memory>

#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "batch/batch_commands.h"
#include "checks/layout_checks.h"
#include "common/val.h"

namespace {

// Reads the options after IN; false, with the reason on err, when one does
// not read: an unknown option, a missing value, a negative or no number.
bool ReadOptions(const std::vector<std::string>& args, CheckOptions& options, std::ostream& err) {
  for (std::size_t k = 3; k < args.size(); k += 2) {
    const std::string& name = args[k];
    double* target = name == "--copriferro" ? &options.MinCover
                     : name == "--raggio"   ? &options.MinRadius
                                            : nullptr;
    if (target == nullptr) {
      err << "tracciati-batch: verify: opzione sconosciuta: '" << name << "'\n";
      return false;
    }
    const auto value = k + 1 < args.size() ? ParseNumber(args[k + 1]) : std::nullopt;
    if (!value || !std::isfinite(*value) || *value < 0.0) {
      err << "tracciati-batch: verify: valore non valido per " << name << "\n";
      return false;
    }
    *target = *value;
  }
  return true;
}

}  // namespace

std::optional<int> RunVerify(const std::vector<std::string>& args, Prompter& prompter,
                             std::ostream& out, std::ostream& err,
                             std::string (*fileArgument)(const std::string&)) {
  if (args.size() < 3 || args[1] != "verify") return std::nullopt;
  CheckOptions options;
  if (!ReadOptions(args, options, err)) return std::nullopt;
  auto world = std::make_unique<World>();
  if (auto fault = RunStartup(*world, args[0], prompter)) {
    ShowMessage(prompter, *fault);
    return kExitStopped;
  }
  OpenLayoutGroupFile(*world, prompter, fileArgument(args[2]));
  if (world->LastOperationOk == 0) return kExitStopped;
  const CheckReport report = CheckLayouts(world->Group, world->Structure, world->Sections, options);
  for (const Finding& finding : report.Findings) out << FindingLine(finding) << "\n";
  for (const SmallestRadius& smallest : report.Smallest) {
    out << SmallestRadiusLine(smallest) << "\n";
  }
  out << "Problemi: " << report.Findings.size() << "\n";
  return report.Findings.empty() ? kExitDone : kExitStopped;
}
