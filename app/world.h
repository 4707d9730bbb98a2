#pragma once

#include <cstdint>

#include "app/job_context.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// Picking modes of the section view.
constexpr int16_t kViewModeCableCoordinates = 1;
constexpr int16_t kViewModeReferenceSystem = 2;

// Everything the editor holds for one run: the job, its structure, its
// sections, the layout group and the process-wide flags. It is large (the tables have fixed
// capacities), so it lives on the heap, made once by MakeWorld; every test
// builds a fresh one.
struct World {
  JobContext Job;
  StructureModel Structure;
  SectionTable Sections;
  LayoutGroup Group;
  // The group file last opened, relative to JobDir ("\Memb012Gr_001.cap");
  // empty when none.
  std::string GroupFileName;

  int16_t LastOperationOk = 0;  // 1 after a file operation succeeded
  int16_t ViewMode = kViewModeCableCoordinates;
};
