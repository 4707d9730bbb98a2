#pragma once

#include <cstdint>

#include "app/job_context.h"
#include "drawing/drawing_file.h"
#include "drawing/stroke_font.h"
#include "app/viewer_launch.h"
#include "layouts/layout_group.h"
#include "section_view/section_view_state.h"  // also the picking modes
#include "structure/structure_model.h"

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
  SectionViewState SectionView;

  DrawingFile Drawing;  // the drawing being made; emptied before each one
  StrokeFont Font;      // loaded at start-up
  ViewerState Viewer;   // the drawing viewer's task, kept between previews
};
