#include "tests/support/fixture_job.h"

#include "common/text.h"

namespace fs = std::filesystem;

// The suite's files are in data/fixture_job; only dirlav names the
// temporary folder.
FixtureJob::FixtureJob() {
  CopyTree(FIXTURE_JOB_DIR, dir_.path());
  WriteJobFile(dir_.path() / "impostazioni" / "dirlav", {(dir_.path() / "lavori").string()});
}

std::string FixtureJob::Argument() const {
  return "|diroot=" + dir_.SuitePath() + "|MEMBRA=" + std::to_string(kMember) + "|";
}

std::string FixtureJob::JobSuitePath() const {
  return ToLower((dir_.path() / "lavori").string()) + "\\ab12cd";
}

void FixtureJob::RemoveJob(const std::string& name) const { fs::remove(JobFolder() / name); }
