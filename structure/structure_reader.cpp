#include "structure/structure_reader.h"

#include <cmath>
#include <utility>
#include <vector>

#include "common/message_catalogue.h"
#include "common/next_token.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/val.h"
#include "platform/suite_path.h"
#include "structure/job_file_cursor.h"

namespace {

constexpr const char* kOldVersionWarning =
    "Versione 3.8 o precedente. Caricare e risalvare la struttura in 'Valmora'";

Message CannotRead(const std::string& path) {
  return {CatalogueText(kMsgCannotRead) + path, kCaptionProblem, kStyleCritical};
}

// A node record whose node number is not positive takes no position in the
// table, and elements ending on it stay unresolved. Its point is remembered
// (skipped[point]) so that such an element is told apart from one ending on
// no node of the file at all, which the format excludes.
void ReadNodes(JobFileCursor& in, const std::vector<NodeCoordinate>& points, StructureModel& model,
               std::vector<bool>& skipped) {
  const int countLine = in.LineNumber();
  std::string line = in.ReadLine();
  const int nodeRecords = in.TokenCount(NextToken(line), countLine);
  const int pointCount = static_cast<int>(points.size());
  for (int r = 0; r < nodeRecords && !in.Failed(); ++r) {
    const int internalNumber = in.ReadInteger();
    const int recordLine = in.LastLine();
    in.SkipField();
    in.SkipField();
    const int number = in.ReadInteger();
    in.SkipField();
    if (in.Failed()) return;
    const bool isPoint = internalNumber >= 0 && internalNumber < pointCount;
    if (number <= 0) {
      if (isPoint) skipped[static_cast<std::size_t>(internalNumber)] = true;
      continue;
    }
    if (!isPoint) {
      in.Fail(recordLine, "punto " + std::to_string(internalNumber) + " non presente");
      return;
    }
    if (model.StructureNodeCount == kMaxStructureNodes) {
      in.Fail(recordLine, TooManyText("troppi nodi", kMaxStructureNodes));
      return;
    }
    const int16_t position = ++model.StructureNodeCount;
    StructureNode& node = model.StructureNodes[position];
    node.Number = static_cast<int16_t>(number);
    node.InternalNumber = static_cast<int16_t>(internalNumber);
    node.SectionIndex = kNoSection;
    model.NodeCoordinates[position] = points[static_cast<std::size_t>(internalNumber)];
  }
}

bool EndIsKnown(const StructureModel& model, const std::vector<bool>& skipped, int internalNumber) {
  if (FindNodeByInternalNumber(model, internalNumber) != -1) return true;
  return internalNumber >= 0 && static_cast<std::size_t>(internalNumber) < skipped.size() &&
         skipped[static_cast<std::size_t>(internalNumber)];
}

void ReadElements(JobFileCursor& in, StructureModel& model, const std::vector<bool>& skipped) {
  const int countLine = in.LineNumber();
  std::string line = in.ReadLine();
  const int elementRecords = in.TokenCount(NextToken(line), countLine);
  for (int r = 0; r < elementRecords && !in.Failed(); ++r) {
    const int endsLine = in.LineNumber();
    std::string ends = in.ReadLine();
    const int first = in.TokenInteger(NextToken(ends), endsLine);
    const int second = in.TokenInteger(NextToken(ends), endsLine);
    const int numberLine = in.LineNumber();
    std::string numberText = in.ReadLine();
    const int number = in.TokenInteger(NextToken(numberText), numberLine);
    if (in.Failed()) return;
    if (number <= 0) continue;
    for (const int end : {first, second}) {
      if (!EndIsKnown(model, skipped, end)) {
        in.Fail(endsLine, "nodo interno " + std::to_string(end) + " non presente");
        return;
      }
    }
    if (model.ElementCount == kMaxElements) {
      in.Fail(numberLine, TooManyText("troppi elementi", kMaxElements));
      return;
    }
    StructureElement& element = model.Elements[++model.ElementCount];
    element = StructureElement{};
    element.Number = static_cast<int16_t>(number);
    element.FirstNode = static_cast<int16_t>(first);
    element.SecondNode = static_cast<int16_t>(second);
  }
}

double DistanceFromOrigin(const NodeCoordinate& c) { return std::sqrt(c.X * c.X + c.Y * c.Y); }

}  // namespace

ReadOutcome ReadStructureFile(const std::string& jobDir, StructureModel& model) {
  model.StructureNodeCount = 0;
  model.ElementCount = 0;
  ReadOutcome outcome;
  const std::string path = jobDir + "\\struttur.str";
  std::optional<std::vector<std::string>> lines = ReadTextFileLines(HostPath(path));
  if (!lines) {
    outcome.fault = CannotRead(path);
    return outcome;
  }
  outcome.opened = true;
  JobFileCursor in(path, std::move(*lines));

  // Files saved before the version line existed start with the point count.
  std::string countLine = in.ReadLine();
  if (in.Failed()) {
    outcome.fault = CannotRead(path);
    return outcome;
  }
  if (ToLower(countLine).find("release") != std::string::npos) {
    countLine = in.ReadLine();
    if (in.Failed()) {
      outcome.fault = CannotRead(path);
      return outcome;
    }
  } else {
    outcome.notices.push_back({kOldVersionWarning, kCaptionWarning, kStyleCritical});
  }
  const int countLineNumber = in.LineNumber() - 1;
  const std::string countToken = NextToken(countLine);
  const std::optional<double> pointCount = ParseNumber(countToken);
  if (!pointCount) {
    outcome.fault = CannotRead(path);
    return outcome;
  }
  if (*pointCount > kMaxStructurePoints) {
    outcome.fault = Message{CatalogueText(kMsgTooManyNodes) + ". Lavoro non valido",
                            kCaptionProblem, kStyleCritical};
    return outcome;
  }
  const int np = in.TokenCount(countToken, countLineNumber);

  // The points only serve to give the nodes their coordinates.
  std::vector<NodeCoordinate> points(static_cast<std::size_t>(np));
  for (std::size_t k = 0; k < points.size() && !in.Failed(); ++k) {
    points[k].X = in.ReadNumber();
    points[k].Y = in.ReadNumber();
    points[k].Z = in.ReadNumber();
  }
  std::vector<bool> skipped(points.size(), false);
  if (!in.Failed()) ReadNodes(in, points, model, skipped);
  if (!in.Failed()) ReadElements(in, model, skipped);
  outcome.fault = in.Fault();
  return outcome;
}

void ResolveElementNodes(StructureModel& model) {
  for (int e = 1; e <= model.ElementCount; ++e) {
    StructureElement& element = model.Elements[e];
    const int16_t firstInternal = element.FirstNode;
    const int16_t secondInternal = element.SecondNode;
    bool firstFound = false;
    bool secondFound = false;
    for (int j = 1; j <= model.StructureNodeCount; ++j) {
      const int16_t internalNumber = model.StructureNodes[j].InternalNumber;
      if (internalNumber == firstInternal && !firstFound) {
        element.FirstNode = static_cast<int16_t>(j);
        firstFound = true;
      } else if (internalNumber == secondInternal && !secondFound) {
        element.SecondNode = static_cast<int16_t>(j);
        secondFound = true;
      }
    }
    // An end left on an internal number is no position in the table, so
    // such an element keeps the file's order.
    if (!firstFound || !secondFound) continue;
    const double d1 = DistanceFromOrigin(model.NodeCoordinates[element.FirstNode]);
    const double d2 = DistanceFromOrigin(model.NodeCoordinates[element.SecondNode]);
    if (d2 < d1) std::swap(element.FirstNode, element.SecondNode);
  }
}

int16_t FindStructureNode(const StructureModel& model, int number) {
  for (int j = 1; j <= model.StructureNodeCount; ++j) {
    if (model.StructureNodes[j].Number == number) return static_cast<int16_t>(j);
  }
  return -1;
}

int16_t FindNodeByInternalNumber(const StructureModel& model, int internalNumber) {
  for (int j = 1; j <= model.StructureNodeCount; ++j) {
    if (model.StructureNodes[j].InternalNumber == internalNumber) return static_cast<int16_t>(j);
  }
  return -1;
}

int16_t FindElementByNumber(const StructureModel& model, int number) {
  for (int e = 1; e <= model.ElementCount; ++e) {
    if (model.Elements[e].Number == number) return static_cast<int16_t>(e);
  }
  return -1;
}

double PlaneDistance(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}
