// Reader of the member's node-section association file.

#include "common/message_catalogue.h"
#include "common/text_file.h"
#include "platform/suite_path.h"
#include "structure/job_file_cursor.h"
#include "structure/job_files_reader.h"

ReadOutcome ReadSectionAssociation(const std::string& jobDir, const std::string& assocFileName,
                                   StructureModel& model) {
  // A node named in no pair has no section, whatever an earlier read said.
  for (int j = 1; j <= kMaxStructureNodes; ++j) model.StructureNodes[j].SectionIndex = kNoSection;
  model.SectionSource = 0;
  model.AssociationCount = 0;

  ReadOutcome outcome;
  const std::string path = jobDir + assocFileName;
  const Message incomplete{CatalogueText(kMsgBadAssociation) + path, kCaptionProblem,
                           kStyleCritical};
  std::optional<std::vector<std::string>> lines = ReadTextFileLines(HostPath(path));
  if (!lines) {
    outcome.fault = incomplete;
    return outcome;
  }
  outcome.opened = true;
  JobFileCursor in(path, std::move(*lines));

  const std::optional<int> source = in.TryReadInteger();
  if (!source) {
    outcome.fault = incomplete;
    return outcome;
  }
  model.SectionSource = static_cast<int16_t>(*source);
  const int pairs = in.ReadCount();
  for (int p = 0; p < pairs && !in.Failed(); ++p) {
    const int internalNumber = in.ReadInteger();
    const int pairLine = in.LastLine();
    const int sectionIndex = in.ReadInteger();
    if (in.Failed()) break;
    const int16_t node = FindNodeByInternalNumber(model, internalNumber);
    if (node == -1) {
      in.Fail(pairLine, "nodo interno " + std::to_string(internalNumber) + " non presente");
      break;
    }
    model.StructureNodes[node].SectionIndex = static_cast<int16_t>(sectionIndex);
  }
  model.AssociationCount = static_cast<int16_t>(pairs);
  outcome.fault = in.Fault();
  return outcome;
}
