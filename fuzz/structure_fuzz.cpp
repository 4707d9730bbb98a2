// Any bytes as struttur.str: the reader must report, never crash or read
// outside its tables; the resolution of element ends must stay inside the
// node table.
#include <memory>
#include <string>

#include "structure/structure_reader.h"
#include "tests/support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const TempDir folder;
  static auto model = std::make_unique<StructureModel>();
  WriteBytes(folder.path() / "struttur.str",
             std::string(reinterpret_cast<const char*>(data), size));
  const ReadOutcome outcome = ReadStructureFile(folder.SuitePath(), *model);
  if (!outcome.fault) ResolveElementNodes(*model);
  return 0;
}
