// Any bytes as a layout group file: read, validate, and when a group came
// out of it, write it back and read that again (it must read cleanly).
#include <cstdlib>
#include <memory>
#include <string_view>

#include "layouts/group_file.h"

namespace {

struct Tables {
  StructureModel model;
  LayoutGroup group;
  LayoutGroup again;
};

void FillNodes(StructureModel& model) {
  model.StructureNodeCount = 50;
  for (int i = 1; i <= 50; ++i) {
    model.StructureNodes[i].Number = static_cast<int16_t>(100 + i);
    model.StructureNodes[i].SectionIndex = static_cast<int16_t>(i % 7 == 0 ? -1 : 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static auto tables = std::make_unique<Tables>();
  static const bool filled = (FillNodes(tables->model), true);
  (void)filled;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const GroupFileOutcome first =
      ReadLayoutGroupBytes(bytes, "c:\\lavori\\fuzz\\g.cap", tables->group, tables->model);
  if (!first.opened || first.fault || tables->group.LayoutCount == 0) return 0;
  const std::string written = LayoutGroupFileBytes(tables->group);
  const GroupFileOutcome second =
      ReadLayoutGroupBytes(written, "c:\\lavori\\fuzz\\g.cap", tables->again, tables->model);
  if (second.fault) std::abort();  // what we write we must read back
  return 0;
}
