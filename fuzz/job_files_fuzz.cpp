// Any bytes as one of the member's job files, chosen by the first byte:
// continuous elements, association, sections or cable types.
#include <memory>

#include "fuzz/fuzz_job_folder.h"
#include "structure/job_files_reader.h"
#include "structure/structure_reader.h"

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
  static const FuzzJobFolder folder;
  static auto tables = std::make_unique<Tables>();
  if (size == 0) return 0;
  const uint8_t which = data[0] % 4;
  ++data;
  --size;
  const std::string& dir = folder.SuitePath();
  FillNodes(tables->model);
  switch (which) {
    case 0: {
      folder.Write("El_Conti.tmp", data, size);
      std::string description;
      ReadContinuousElements(dir, 2, tables->model, description);
      break;
    }
    case 1:
      folder.Write("AssSez002.cap", data, size);
      ReadSectionAssociation(dir, "\\AssSez002.cap", tables->model);
      break;
    case 2:
      tables->model.SectionSource = 1;
      folder.Write("Sezio_ut", data, size);
      ReadSectionFile(dir, dir, tables->model, tables->sections);
      break;
    default:
      folder.Write("Group.cap", data, size);
      ReadCableTypes(dir, tables->sections);
      break;
  }
  return 0;
}
