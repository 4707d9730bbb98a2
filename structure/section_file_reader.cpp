// Reader of the sections file: names, sizes, outlines and reference points.

#include <algorithm>
#include <climits>

#include "common/message_catalogue.h"
#include "common/next_token.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/val.h"
#include "platform/suite_path.h"
#include "structure/job_file_cursor.h"
#include "structure/job_files_reader.h"

namespace {

Message NoSection() { return {CatalogueText(kMsgNoSection), kCaptionProblem, kStyleCritical}; }

// "SizeZ SizeY [RefPointZ RefPointY]"; each word taken for what number it
// starts with, as the suite's programs write and read it.
void ReadDataLine(std::string line, Section& section) {
  line = Trim(line);
  section.SizeZ = Val(NextToken(line));
  section.SizeY = Val(NextToken(line));
  const std::string refZ = NextToken(line);
  section.RefPointZ = refZ.empty() ? 0.0 : Val(refZ);
  section.RefPointY = refZ.empty() ? 0.0 : Val(NextToken(line));
}

void ComputeExtents(Section& s) {
  bool any = false;
  for (int c = 1; c <= s.ContourCount; ++c) {
    for (int v = 1; v <= s.VertexCount[c]; ++v) {
      const double z = s.VertexZ[c][v];
      const double y = s.VertexY[c][v];
      if (!any) {
        s.MinZ = s.MaxZ = z;
        s.MinY = s.MaxY = y;
        any = true;
        continue;
      }
      s.MinZ = std::min(s.MinZ, z);
      s.MaxZ = std::max(s.MaxZ, z);
      s.MinY = std::min(s.MinY, y);
      s.MaxY = std::max(s.MaxY, y);
    }
  }
  if (!any) s.MinZ = s.MaxZ = s.MinY = s.MaxY = 0.0;
}

void SkipLines(JobFileCursor& in, long long count) {
  for (long long i = 0; i < count && !in.Failed(); ++i) in.ReadLine();
}

void ReadSection(JobFileCursor& in, Section& section) {
  section = Section{};
  section.Name = in.ReadText();
  ReadDataLine(in.ReadLine(), section);
  section.ContourCount = static_cast<int16_t>(in.ReadCount(kMaxContours, "troppi contorni"));
  for (int c = 1; c <= section.ContourCount && !in.Failed(); ++c) {
    const int vertices = in.ReadCount(kMaxVertices, "troppi vertici");
    for (int v = 1; v <= vertices && !in.Failed(); ++v) {
      std::string line = Trim(in.ReadLine());
      section.VertexZ[c][v] = Val(NextToken(line));
      section.VertexY[c][v] = Val(NextToken(line));
    }
    section.VertexCount[c] = static_cast<int16_t>(vertices);
  }
  // The rest of the entry serves other programs of the suite.
  SkipLines(in, 2);
  const int m = in.ReadCount();
  SkipLines(in, 4LL * m);
  SkipLines(in, 2);
  ComputeExtents(section);
}

}  // namespace

ReadOutcome ReadSectionFile(const std::string& jobDir, const std::string& customDir,
                            const StructureModel& model, SectionTable& sections) {
  sections.SectionCount = 0;
  ReadOutcome outcome;
  const std::string path = (model.SectionSource == 1 ? jobDir : customDir) + "\\Sezio_ut";
  std::optional<std::vector<std::string>> lines = ReadTextFileLines(HostPath(path));
  if (!lines) {
    outcome.fault = NoSection();
    return outcome;
  }
  outcome.opened = true;
  JobFileCursor in(path, std::move(*lines));

  // A file without a readable count defines no section either.
  const std::optional<int> count = in.TryReadInteger(INT_MIN, kAnyCount);
  if (!count || (*count == 0 && !in.Failed())) {
    outcome.fault = NoSection();
    return outcome;
  }
  const int sectionCount = in.CheckCount(*count, in.LastLine(), kMaxSections, "troppe sezioni");
  for (int s = 1; s <= sectionCount && !in.Failed(); ++s) {
    ReadSection(in, sections.Sections[s]);
    if (!in.Failed()) sections.SectionCount = static_cast<int16_t>(s);
  }
  outcome.fault = in.Fault();
  return outcome;
}
