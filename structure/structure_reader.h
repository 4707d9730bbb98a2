#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/message.h"
#include "structure/structure_model.h"

// What a reader of a job file has to say: notices to show in order, and the
// fault that stops start-up, if any. Readers never show anything themselves.
struct ReadOutcome {
  std::vector<Message> notices;
  std::optional<Message> fault;
  bool opened = false;  // the file could be opened (LastOperationOk)
};

// Reads jobDir + "\struttur.str" into the node and element tables (counts
// reset first). Faults: message 2 + path, or "Numero di nodi eccessivo .
// Lavoro non valido"; malformed content names the file and the line.
ReadOutcome ReadStructureFile(const std::string& jobDir, StructureModel& model);

// Turns element ends from internal numbers into node positions and orients
// each element from the end nearer to the origin (in the X-Y plane).
void ResolveElementNodes(StructureModel& model);

// 1-based position of the first match, or -1.
int16_t FindStructureNode(const StructureModel& model, int number);
int16_t FindNodeByInternalNumber(const StructureModel& model, int internalNumber);
int16_t FindElementByNumber(const StructureModel& model, int number);

double PlaneDistance(double x1, double y1, double x2, double y2);
