// Reader and validation of the layout group file.

#include <utility>

#include "common/file_fault.h"
#include "common/line_reader.h"
#include "common/message_catalogue.h"
#include "layouts/group_file.h"
#include "layouts/group_file_fields.h"
#include "platform/suite_path.h"

namespace {

constexpr const char* kNodeWithoutSection =
    "Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna sezione. "
    "Il gruppo di tracciati non è valido";

Message CannotRead(const std::string& suitePath) {
  return {CatalogueText(kMsgCannotRead) + suitePath, kCaptionInformation, kStyleInformation};
}

// Any fault of a group file is a notice, like the file that cannot be read:
// the editor goes on with an empty group.
Message AsNotice(Message fault) {
  fault.caption = kCaptionInformation;
  fault.style = kStyleInformation;
  return fault;
}

void Empty(LayoutGroup& group) {
  group.LoadCondition = 0;
  group.LayoutCount = 0;
}

void ReadPoint(GroupFileFields& in, const StructureModel& structure, Layout& layout, int j) {
  const int nodeIndex = in.ReadInteger();
  const int at = in.LastField();
  const int refVertex = in.ReadInteger();
  const int refAt = in.LastField();
  layout.Y[j] = in.ReadNumber();
  layout.Z[j] = in.ReadNumber();
  layout.AngDistortion[j] = in.ReadNumber();
  if (in.Failed()) return;
  if (nodeIndex < 1 || nodeIndex > structure.StructureNodeCount) {
    in.Fail(at, "nodo in posizione " + std::to_string(nodeIndex) + " non presente nella struttura");
    return;
  }
  if (refVertex < 0) {
    in.Fail(refAt, "vertice di riferimento " + std::to_string(refVertex) + " non valido");
    return;
  }
  layout.NodeIndex[j] = static_cast<int16_t>(nodeIndex);
  layout.RefVertex[j] = static_cast<int16_t>(refVertex);
}

void ReadLayout(GroupFileFields& in, const StructureModel& structure, Layout& layout) {
  layout.Name = static_cast<int16_t>(in.ReadInteger());
  const int cableType = in.ReadInteger();
  if (in.Failed()) return;
  if (cableType < 1 || cableType > kMaxLayoutCableType) {
    in.Fail(in.LastField(), "tipo di cavo " + std::to_string(cableType) + " non valido");
    return;
  }
  layout.CableType = static_cast<int16_t>(cableType);
  // The count is checked against the table before any point is stored.
  layout.NodeCount = static_cast<int16_t>(in.ReadCount(kMaxLayoutNodes, "troppi nodi"));
  for (int j = 1; j <= layout.NodeCount && !in.Failed(); ++j) ReadPoint(in, structure, layout, j);
}

// Reads the group from lines. A line over the limit refuses the file as it
// always has: the group emptied, the description and parameters kept.
GroupFileOutcome ReadGroupLines(LineReader& lines, const std::string& suitePath, LayoutGroup& group,
                                const StructureModel& structure) {
  GroupFileOutcome outcome;
  if (!lines.Opened()) {
    outcome.fault = CannotRead(suitePath);
    return outcome;
  }
  GroupFileFields in(lines, suitePath);
  // The description is the whole first line, commas and all.
  std::optional<std::string> description = in.ReadFirstLine();
  if (!description && !in.Failed()) {
    outcome.fault = CannotRead(suitePath);
    return outcome;
  }
  outcome.opened = true;
  std::string keptDescription = std::move(group.GroupDescription);
  const int16_t keptParamA = group.GroupParamA;
  const int16_t keptParamB = group.GroupParamB;
  group.GroupDescription = std::move(description).value_or(std::string());
  group.LoadCondition = static_cast<int16_t>(in.ReadInteger());
  group.GroupParamA = static_cast<int16_t>(in.ReadInteger());
  group.GroupParamB = static_cast<int16_t>(in.ReadInteger());
  group.LayoutCount = static_cast<int16_t>(in.ReadCount(kMaxLayouts, "troppi tracciati"));
  for (int l = 1; l <= group.LayoutCount && !in.Failed(); ++l) {
    ReadLayout(in, structure, group.Layouts[l]);
  }
  in.ReadToEnd();
  if (in.Failed()) {
    if (lines.TooLong()) {
      group.GroupDescription = std::move(keptDescription);
      group.GroupParamA = keptParamA;
      group.GroupParamB = keptParamB;
    }
    Empty(group);
    outcome.fault = AsNotice(*in.Fault());
    return outcome;
  }

  std::string invalid = ValidateLayoutGroup(group, structure);
  if (!invalid.empty()) {
    Empty(group);
    outcome.fault = Message{std::move(invalid), kCaptionProblem, kStyleExclamation};
  }
  return outcome;
}

}  // namespace

GroupFileOutcome ReadLayoutGroupBytes(std::string_view bytes, const std::string& suitePath,
                                      LayoutGroup& group, const StructureModel& structure) {
  LineReader lines = LineReader::OverBytes(bytes);
  return ReadGroupLines(lines, suitePath, group, structure);
}

GroupFileOutcome ReadLayoutGroup(const std::string& suitePath, LayoutGroup& group,
                                 const StructureModel& structure) {
  LineReader lines(HostPath(suitePath));
  return ReadGroupLines(lines, suitePath, group, structure);
}

std::string ValidateLayoutGroup(const LayoutGroup& group, const StructureModel& structure) {
  for (int l = 1; l <= group.LayoutCount; ++l) {
    const Layout& layout = group.Layouts[l];
    for (int j = 1; j <= layout.NodeCount; ++j) {
      const int node = layout.NodeIndex[j];
      // A position outside the node table has no section either.
      if (node < 1 || node > structure.StructureNodeCount ||
          structure.StructureNodes[node].SectionIndex == kNoSection) {
        return kNodeWithoutSection;
      }
    }
  }
  return {};
}
