// Any bytes as one of the member's job files, chosen by the first byte:
// continuous elements, association, sections or cable types.
#include <memory>
#include <string>

#include "structure/job_files_reader.h"
#include "structure/structure_reader.h"
#include "tests/support/temp_dir.h"

namespace {

struct Tables {
  StructureModel model;
  SectionTable sections;
};

// A small structure so that association pairs can name real nodes.
void FillNodes(StructureModel& model) {
  model.StructureNodeCount = 5;
  for (int i = 1; i <= 5; ++i) {
    model.StructureNodes[i].Number = static_cast<int16_t>(10 + i);
    model.StructureNodes[i].InternalNumber = static_cast<int16_t>(i - 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const TempDir folder;
  static auto tables = std::make_unique<Tables>();
  if (size == 0) return 0;
  const uint8_t which = data[0] % 4;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string dir = folder.SuitePath();
  const char* const names[] = {"El_Conti.tmp", "AssSez002.cap", "Sezio_ut", "Group.cap"};
  WriteBytes(folder.path() / names[which], bytes);
  FillNodes(tables->model);
  std::string description;
  if (which == 0) ReadContinuousElements(dir, 2, tables->model, description);
  if (which == 1) ReadSectionAssociation(dir, "\\AssSez002.cap", tables->model);
  if (which == 2) ReadSectionFile(dir, dir, tables->model, tables->sections);
  if (which == 3) ReadCableTypes(dir, tables->sections);
  return 0;
}
