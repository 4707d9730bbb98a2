#include "app/group_commands.h"

#include "app/show_message.h"
#include "app/startup.h"
#include "common/message_catalogue.h"
#include "common/text.h"
#include "layouts/group_file.h"

namespace {

const char* const kGroupFilter = "File Tracciati |Memb???Gr_???.cap|Tutti i file |*.*";

FileDialogRequest GroupDialogRequest(const JobContext& job, const std::string& fileName,
                                     const char* title) {
  return {job.JobDir, fileName, kGroupFilter, title};
}

bool ShowIfAny(Prompter& prompter, const std::optional<Message>& message) {
  if (message) ShowMessage(prompter, *message);
  return message.has_value();
}

// There is nothing to save in a group without layouts.
bool RefuseEmptyGroup(const World& world, Prompter& prompter) {
  if (world.Group.LayoutCount > 0) return false;
  ShowMessage(prompter, CatalogueText(kMsgNoLayout), kStyleInformation, kCaptionInformation);
  return true;
}

}  // namespace

std::string DefaultGroupFileName(int memberNumber) {
  return "Memb" + ThreeDigits(memberNumber) + "Gr_???.cap";
}

FileDialogRequest OpenGroupDialogRequest(const JobContext& job) {
  return GroupDialogRequest(job, DefaultGroupFileName(job.MemberNumber), "Apri Tracciati");
}

FileDialogRequest SaveGroupDialogRequest(const JobContext& job, const std::string& groupFileName) {
  const std::string name = groupFileName.empty() ? DefaultGroupFileName(job.MemberNumber)
                                                 : groupFileName.substr(1);
  return GroupDialogRequest(job, name, "Salva Tracciati");
}

bool OpenLayoutGroup(World& world, Prompter& prompter) {
  const auto path = prompter.AskOpenFileName(OpenGroupDialogRequest(world.Job));
  world.GroupFileName.clear();
  if (!path) return false;
  return OpenLayoutGroupFile(world, prompter, *path);
}

bool OpenLayoutGroupFile(World& world, Prompter& prompter, const std::string& path) {
  world.GroupFileName.clear();
  LayoutGroup& group = world.Group;
  const std::size_t jobDirLength = Utf8Length(world.Job.JobDir);
  if (Utf8Length(path) <= jobDirLength) {
    // The name relative to the job folder could not be taken: refuse the
    // file rather than keep a group whose file name is unknown.
    ShowMessage(prompter, CatalogueText(kMsgCannotRead) + path, kStyleInformation,
                kCaptionInformation);
    group.LoadCondition = 0;
    group.LayoutCount = 0;
    world.LastOperationOk = 0;
    return false;
  }
  const GroupFileOutcome outcome = ReadLayoutGroup(path, group, world.Structure);
  world.LastOperationOk = outcome.opened ? 1 : 0;
  ShowIfAny(prompter, outcome.fault);
  if (!outcome.opened) return false;
  world.GroupFileName = Utf8Mid(path, jobDirLength + 1, Utf8Length(path) - jobDirLength);
  return group.LayoutCount > 0;
}

bool SaveLayoutGroup(World& world, Prompter& prompter) {
  if (RefuseEmptyGroup(world, prompter)) return false;
  const auto path =
      prompter.AskSaveFileName(SaveGroupDialogRequest(world.Job, world.GroupFileName));
  if (!path) return false;
  return SaveLayoutGroupFile(world, prompter, *path);
}

bool SaveLayoutGroupFile(World& world, Prompter& prompter, const std::string& path) {
  if (RefuseEmptyGroup(world, prompter)) return false;
  const GroupFileOutcome outcome = WriteLayoutGroup(world.Group, path);
  world.LastOperationOk = outcome.opened ? 1 : 0;
  return !ShowIfAny(prompter, outcome.fault) && outcome.opened;
}

std::string GroupWindowCaption(const JobContext& job, const std::string& groupFileName) {
  const std::string name = groupFileName.empty() ? "" : groupFileName.substr(1);
  return WindowCaption(job) + " - Gruppo tracciati: " + name;
}
