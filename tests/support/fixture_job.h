#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

// A small, valid suite with one job ("ab12cd") written into a temporary
// folder: member 3 ("TRAVE 1") is a straight beam of four elements along X
// through the nodes 11 to 15 (internal numbers 0 to 4); nodes 11 to 14 have
// section 1 ("QUADRATA 40", 40 x 40), node 15 none; two cable types; a font
// without glyphs, which start-up finds and has nothing to say about. The
// structure file has five nodes 100 apart along X, the five structure nodes
// 11 to 15 on them, then four elements joining them in turn; the member
// lies between a kerb and a pier. Tests break one file at a time to see how
// start-up reacts.
class FixtureJob {
 public:
  static constexpr int kMember = 3;

  FixtureJob();

  // "|diroot=<root>|MEMBRA=3|".
  std::string Argument() const;
  std::string RootSuitePath() const { return dir_.SuitePath(); }
  std::filesystem::path Root() const { return dir_.path(); }
  std::filesystem::path JobFolder() const { return dir_.path() / "lavori" / "ab12cd"; }
  // The suite path of the job folder as start-up computes it.
  std::string JobSuitePath() const;

  // Removes a job file (name relative to the job folder).
  void RemoveJob(const std::string& name) const;

 private:
  TempDir dir_;
};
