// Reader of the job's cable types: only their names are of use here.

#include "common/message_catalogue.h"
#include "common/text_file.h"
#include "platform/suite_path.h"
#include "structure/job_file_cursor.h"
#include "structure/job_files_reader.h"

ReadOutcome ReadCableTypes(const std::string& jobDir, SectionTable& sections) {
  sections.CableTypeCount = 0;
  ReadOutcome outcome;
  const std::string path = jobDir + "\\Group.cap";
  // Layouts can be edited without cable types, so their absence is only
  // worth a notice, and the file counts as not read.
  const Message notFound{CatalogueText(kMsgNoFileFound) + " " + path, kCaptionInformation,
                         kStyleInformation};
  std::optional<std::vector<std::string>> lines = ReadTextFileLines(HostPath(path));
  if (!lines) {
    outcome.notices.push_back(notFound);
    return outcome;
  }
  JobFileCursor in(path, std::move(*lines));
  const std::optional<int> count = in.TryReadInteger(INT_MIN, kAnyCount);
  if (!count) {
    outcome.notices.push_back(notFound);
    return outcome;
  }
  outcome.opened = true;
  const int cableTypes =
      in.CheckCount(*count, in.LastLine(), kMaxCableTypes, "troppi tipi di cavo");
  for (int t = 1; t <= cableTypes && !in.Failed(); ++t) {
    sections.CableTypeNames[t] = in.ReadText();
    for (int f = 0; f < 7; ++f) in.SkipField();
    if (!in.Failed()) sections.CableTypeCount = static_cast<int16_t>(t);
  }
  outcome.fault = in.Fault();
  return outcome;
}

int16_t FindCableType(const SectionTable& sections, const std::string& name) {
  for (int t = 1; t <= sections.CableTypeCount; ++t) {
    if (sections.CableTypeNames[t] == name) return static_cast<int16_t>(t);
  }
  return -1;
}
