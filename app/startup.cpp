#include "app/startup.h"

#include <variant>

#include "app/argument.h"
#include "app/job_folders.h"
#include "app/show_message.h"
#include "common/text.h"
#include "drawing/stroke_font.h"
#include "structure/job_files_reader.h"
#include "structure/structure_reader.h"

namespace {

void ShowNotices(Prompter& prompter, const ReadOutcome& outcome) {
  for (const Message& notice : outcome.notices) ShowMessage(prompter, notice);
}

// Shows a reader's notices and keeps its fault, if any.
std::optional<Message> Absorb(World& world, Prompter& prompter, const ReadOutcome& outcome) {
  ShowNotices(prompter, outcome);
  world.LastOperationOk = outcome.opened ? 1 : 0;
  return outcome.fault;
}

std::optional<Message> ReadJobFiles(World& world, Prompter& prompter) {
  const JobContext& job = world.Job;
  if (auto fault = Absorb(world, prompter, ReadStructureFile(job.JobDir, world.Structure))) {
    return fault;
  }
  ResolveElementNodes(world.Structure);
  if (auto fault = Absorb(world, prompter,
                          ReadSectionAssociation(job.JobDir, job.AssocFileName, world.Structure))) {
    return fault;
  }
  if (auto fault = Absorb(world, prompter,
                          ReadSectionFile(job.JobDir, job.CustomDir, world.Structure,
                                          world.Sections))) {
    return fault;
  }
  return Absorb(world, prompter, ReadCableTypes(job.JobDir, world.Sections));
}

}  // namespace

std::string AssociationFileName(int memberNumber) {
  return "\\AssSez" + ThreeDigits(memberNumber) + ".cap";
}

std::string MemberCaption(const JobContext& job) {
  return "MEMBRATURA n°" + IntText(job.MemberNumber) + " (" + Trim(job.MemberDescription) + ")";
}

std::string WindowCaption(const JobContext& job) {
  return "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: " + job.JobName;
}

std::optional<Message> RunStartup(World& world, const std::string& argument, Prompter& prompter) {
  const auto member = ParseMemberNumber(argument);
  if (const auto* fault = std::get_if<Message>(&member)) return *fault;
  world.Job.MemberNumber = std::get<int16_t>(member);

  world.LastOperationOk = 0;
  world.Structure.SectionSource = 0;
  world.ViewMode = kViewModeCableCoordinates;
  world.Group.ShowAllLayouts = 1;
  world.Group.GroupParamA = kGroupParamUnset;
  world.Group.GroupParamB = kGroupParamUnset;

  if (auto fault = ResolveJobFolders(argument, world.Job)) return fault;

  const std::string elementsFault = ReadContinuousElements(
      world.Job.JobDir, world.Job.MemberNumber, world.Structure, world.Job.MemberDescription);
  if (!elementsFault.empty()) return Message{elementsFault, kCaptionProblem, kStyleCritical};

  world.Job.AssocFileName = AssociationFileName(world.Job.MemberNumber);
  // Without the font the drawings only lose their texts: say so and go on.
  if (auto fontFault = LoadFont(world.Font, world.Job.ProgramDir)) ShowMessage(prompter, *fontFault);
  return ReadJobFiles(world, prompter);
}
