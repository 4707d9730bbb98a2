#include <gtest/gtest.h>

#include <variant>

#include "app/argument.h"
#include "app/startup.h"

namespace {

struct MemberCase {
  const char* argument;
  int member;            // when accepted
  const char* message;   // when refused
};

TEST(ParseMemberNumber, TakesTheCaseSensitiveItemAndRoundsDown) {
  const MemberCase cases[] = {
      {"|diroot= c:\\suite |MEMBRA=3|", 3, nullptr},
      {"|MEMBRA=12|diroot=c:\\suite|", 12, nullptr},
      {"|MEMBRA= 7.9 |", 7, nullptr},
      {"|MEMBRA=32767|", 32767, nullptr},
      {"|diroot=c:\\suite|membra=3|", 0, "Nessuna membratura specificata"},
      {"", 0, "Nessuna membratura specificata"},
      {"|MEMBRA=3", 0, "Avvio del programma: valore di MEMBRA senza \"|\" di chiusura"},
      {"|MEMBRA=tre|", 0, "Numero di membratura non valido: tre"},
      {"|MEMBRA=32768|", 0, "Numero di membratura non valido: 32768"},
      {"|MEMBRA=|", 0, "Numero di membratura non valido: "},
      {"|MEMBRA=-3|", -3, nullptr},  // no such member: its files are not found later
      {"\x01\xFF|MEMBRA=2|\xFE\x7F", 2, nullptr},
      {"\x01\xFF\xFE\x7F", 0, "Nessuna membratura specificata"},
  };
  for (const MemberCase& c : cases) {
    const auto result = ParseMemberNumber(c.argument);
    if (c.message == nullptr) {
      ASSERT_TRUE(std::holds_alternative<int16_t>(result)) << c.argument;
      EXPECT_EQ(std::get<int16_t>(result), c.member) << c.argument;
    } else {
      ASSERT_TRUE(std::holds_alternative<Message>(result)) << c.argument;
      const Message& m = std::get<Message>(result);
      EXPECT_EQ(m.text, c.message);
      EXPECT_EQ(m.caption, "PROBLEMA");
      EXPECT_EQ(m.style, 16);
    }
  }
}

TEST(ParseRootDir, FindsTheKeyInAnyCaseAndLowersTheValue) {
  EXPECT_EQ(std::get<std::string>(ParseRootDir("|diroot= c:\\suite |MEMBRA=3|")), "c:\\suite");
  EXPECT_EQ(std::get<std::string>(ParseRootDir("|DIROOT=C:\\Suite|MEMBRA=3|")), "c:\\suite");
  // A value without end is taken whole; UTF-8 letters are lowered too.
  const std::string longRoot(100000, 'x');
  EXPECT_EQ(std::get<std::string>(ParseRootDir("|diroot=" + longRoot + "|MEMBRA=3|")), longRoot);
  EXPECT_EQ(std::get<std::string>(ParseRootDir("|diroot=C:\\SOCIET\u00C0|MEMBRA=3|")),
            "c:\\societ\u00E0");
  for (const char* bad : {"   ", "|MEMBRA=3|", "|root=c:\\x|", "\x01\xFF\xFE"}) {
    const auto m = std::get<Message>(ParseRootDir(bad));
    EXPECT_EQ(m.text, "Avvio del programma: argomento non presente") << bad;
    EXPECT_EQ(m.caption, "ERRORE");
    EXPECT_EQ(m.style, 16);
  }
  EXPECT_EQ(std::get<Message>(ParseRootDir("|MEMBRA=3|diroot=c:\\x")).text,
            "Avvio del programma: valore di diroot senza \"|\" di chiusura");
}

TEST(JoinArguments, JoinsWithSingleBlanks) {
  const char* argv[] = {"tracciati", "|diroot=c:\\my", "suite|MEMBRA=2|"};
  EXPECT_EQ(JoinArguments(3, argv), "|diroot=c:\\my suite|MEMBRA=2|");
  EXPECT_EQ(JoinArguments(1, argv), "");
}

TEST(StartupNames, AssociationFileAndCaptions) {
  EXPECT_EQ(AssociationFileName(12), "\\AssSez012.cap");
  EXPECT_EQ(AssociationFileName(7), "\\AssSez007.cap");
  EXPECT_EQ(AssociationFileName(1234), "\\AssSez234.cap");
  EXPECT_EQ(AssociationFileName(-3), "\\AssSez0-3.cap");
  JobContext job;
  job.MemberNumber = 12;
  job.MemberDescription = "TRAVE 1   ";
  job.JobName = "ab12cd";
  EXPECT_EQ(MemberCaption(job), "MEMBRATURA n°12 (TRAVE 1)");
  EXPECT_EQ(WindowCaption(job), "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd");
}

}  // namespace
