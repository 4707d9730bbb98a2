#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/text.h"
#include "tests/support/process_run.h"
#include "tests/support/temp_dir.h"

// tracciati-batch run as a process on a copy of the example suite: member 2
// ("TRAVE CONTINUA") is the three-span girder, nodes 101..159 at table
// positions 1..59, the piers at nodes 118 (3000 cm) and 142 (7000 cm); the
// group file Memb002Gr_001.cap holds six layouts.
class BatchRun : public ::testing::Test {
 protected:
  // Also between the cases of a table: a fresh copy of the suite.
  void SetUp() override {
    std::filesystem::remove_all(suite_.path());
    std::filesystem::create_directory(suite_.path());
    CopyTree(EXAMPLE_SUITE_DIR, suite_.path());
    WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {(suite_.path() / "lavori").string()});
  }

  std::string Argument() const { return "|diroot=" + suite_.SuitePath() + "|MEMBRA=2|"; }
  std::filesystem::path Job() const { return suite_.path() / "lavori" / "pont01"; }
  std::string InJob(const std::string& name) const { return (Job() / name).string(); }
  // A job file's path as the messages give it: the job folder as start-up
  // computes it, then the name.
  std::string Listed(const std::string& name) const {
    return ToLower((suite_.path() / "lavori").string()) + "\\pont01\\" + name;
  }

  // A group whose only point lies on a pier node (position 60), which has no
  // section in this member: refused as a whole with kNoSection.
  std::string PierPointGroup() const {
    WriteBytes(Job() / "Memb002Gr_006.cap", "X\r\n0\r\n1 1\r\n1\r\n1 1\r\n1\r\n60 0\r\n0 0 0\r\n");
    return InJob("Memb002Gr_006.cap");
  }
  static constexpr const char* kNoSection =
      "PROBLEMA: Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna "
      "sezione. Il gruppo di tracciati non è valido\n";
  // The notice for a group file of the job that cannot be read.
  std::string Unread(const std::string& name) const {
    return "INFORMAZIONE: Problemi con la lettura del file " + suite_.SuitePath() +
           "\\lavori\\pont01\\" + name + "\n";
  }

  ProcessResult Batch(const std::vector<std::string>& args) const {
    return RunProcess(BATCH_EXE, args, output_.path());
  }
  // The member's argument, then args.
  ProcessResult Run(std::vector<std::string> args) const {
    args.insert(args.begin(), Argument());
    return Batch(args);
  }
  static void Expect(const ProcessResult& r, int status, const std::string& out,
                     const std::string& err) {
    EXPECT_EQ(r.status, status) << r.err;
    EXPECT_EQ(r.out, out) << r.err;
    EXPECT_EQ(r.err, err);
  }

  // The expected file of that name; TRACCIATI_UPDATE_EXPECTED=1 writes it
  // anew from `got`, to be looked at before it is committed.
  static std::string Expected(const std::string& name, const std::string& got) {
    const std::filesystem::path expected = std::filesystem::path(EXPECTED_DIR) / name;
    if (std::getenv("TRACCIATI_UPDATE_EXPECTED") != nullptr) WriteBytes(expected, got);
    return ReadBytes(expected);
  }

  TempDir suite_;
  TempDir output_;
};
