#include <gtest/gtest.h>

#include <variant>

#include "app/argument.h"
#include "app/startup.h"
#include "tests/support/messages.h"

namespace {

TEST(ParseMemberNumber, TakesTheCaseSensitiveItemAndRoundsDown) {
  const std::pair<const char*, std::variant<int16_t, Message>> cases[] = {
      {"|diroot= c:\\suite |MEMBRA=3|", int16_t{3}},
      {"|MEMBRA=12|diroot=c:\\suite|", int16_t{12}},
      {"|MEMBRA= 7.9 |", int16_t{7}},
      {"|MEMBRA=32767|", int16_t{32767}},
      {"|MEMBRA=-3|", int16_t{-3}},  // no such member: its files are not found later
      {"\x01\xFF|MEMBRA=2|\xFE\x7F", int16_t{2}},
      {"|diroot=c:\\suite|membra=3|", Problem("Nessuna membratura specificata")},
      {"", Problem("Nessuna membratura specificata")},
      {"\x01\xFF\xFE\x7F", Problem("Nessuna membratura specificata")},
      {"|MEMBRA=3", Problem("Avvio del programma: valore di MEMBRA senza \"|\" di chiusura")},
      {"|MEMBRA=tre|", Problem("Numero di membratura non valido: tre")},
      {"|MEMBRA=32768|", Problem("Numero di membratura non valido: 32768")},
      {"|MEMBRA=|", Problem("Numero di membratura non valido: ")},
  };
  for (const auto& [argument, result] : cases) EXPECT_EQ(ParseMemberNumber(argument), result);
}

// The key in any case; the value lowered, UTF-8 letters too, and taken whole
// however long.
TEST(ParseRootDir, FindsTheKeyInAnyCaseAndLowersTheValue) {
  const std::string longRoot(100000, 'x');
  const Message absent{"Avvio del programma: argomento non presente", kCaptionError, 16};
  const std::pair<std::string, std::variant<std::string, Message>> cases[] = {
      {"|diroot= c:\\suite |MEMBRA=3|", "c:\\suite"},
      {"|DIROOT=C:\\Suite|MEMBRA=3|", "c:\\suite"},
      {"|diroot=" + longRoot + "|MEMBRA=3|", longRoot},
      {"|diroot=C:\\SOCIET\u00C0|MEMBRA=3|", "c:\\societ\u00E0"},
      {"   ", absent},
      {"|MEMBRA=3|", absent},
      {"|root=c:\\x|", absent},
      {"\x01\xFF\xFE", absent},
      {"|MEMBRA=3|diroot=c:\\x",
       Message{"Avvio del programma: valore di diroot senza \"|\" di chiusura", kCaptionError, 16}},
  };
  for (const auto& [argument, result] : cases) EXPECT_EQ(ParseRootDir(argument), result);
}

// Also the joined command line the names are read from (the window caption
// is the window's tests').
TEST(StartupNames, AssociationFileAndCaptions) {
  const char* argv[] = {"tracciati", "|diroot=c:\\my", "suite|MEMBRA=2|"};
  EXPECT_EQ(JoinArguments(3, argv), "|diroot=c:\\my suite|MEMBRA=2|");
  EXPECT_EQ(JoinArguments(1, argv), "");
  EXPECT_EQ(AssociationFileName(12), "\\AssSez012.cap");
  EXPECT_EQ(AssociationFileName(1234), "\\AssSez234.cap");
  EXPECT_EQ(AssociationFileName(-3), "\\AssSez0-3.cap");
  JobContext job;
  job.MemberNumber = 12;
  job.MemberDescription = "TRAVE 1   ";
  EXPECT_EQ(MemberCaption(job), "MEMBRATURA n°12 (TRAVE 1)");
}

}  // namespace
