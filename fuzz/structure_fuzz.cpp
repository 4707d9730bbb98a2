// Any bytes as struttur.str: the reader must report, never crash or read
// outside its tables; the resolution of element ends must stay inside the
// node table.
#include <memory>

#include "fuzz/fuzz_job_folder.h"
#include "structure/structure_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const FuzzJobFolder folder;
  static auto model = std::make_unique<StructureModel>();
  folder.Write("struttur.str", data, size);
  const ReadOutcome outcome = ReadStructureFile(folder.SuitePath(), *model);
  if (!outcome.fault) ResolveElementNodes(*model);
  return 0;
}
