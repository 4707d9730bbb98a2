#include "parabolic/parabolic_panel.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/decimal_separator.h"
#include "tests/support/messages.h"

namespace {

struct NumberCase {
  const char* text;
  const char* separator;
  std::optional<double> expected;
};

// The user types numbers in the regional format: where the comma is the
// separator a point is a thousands separator and must not be taken for a
// decimal point (nor silently dropped, as the file reading rule would).
TEST(RegionalNumber, ReadsOnlyTheGivenSeparator) {
  const NumberCase cases[] = {
      {"2,5", ",", 2.5},       {"2.5", ".", 2.5},         {"2.5", ",", std::nullopt},
      {"2,5", ".", std::nullopt}, {" -3,2 ", ",", -3.2},  {",5", ",", 0.5},
      {"-,5", ",", -0.5},      {"5,", ",", 5.0},          {"+7", ",", 7.0},
      {"1.234,5", ",", std::nullopt}, {"1,234.5", ".", std::nullopt},
      {"1,5,2", ",", std::nullopt}, {"1e3", ",", 1000.0}, {"2,5E-1", ",", 0.25},
      {"1e", ",", std::nullopt}, {"   ", ",", std::nullopt}, {",", ",", std::nullopt},
      {"-", ",", std::nullopt}, {"1 2", ".", std::nullopt}, {"12a", ".", std::nullopt},
      {"1e400", ".", std::nullopt}, {"1e-400", ".", 0.0}, {"inf", ".", std::nullopt},
      {"3\xC2\xA0" "5", ",", std::nullopt},  // a no-break space grouping the digits
  };
  for (const NumberCase& c : cases) {
    const auto value = ParseRegionalNumber(c.text, c.separator);
    EXPECT_EQ(value, c.expected) << "'" << c.text << "' with '" << c.separator << "'";
  }
}

TEST(NodeNameText, IsASixteenBitInteger) {
  const std::pair<const char*, std::optional<int16_t>> cases[] = {
      {"12", 12},   {" 7 ", 7},       {"-3", -3},       {"+4", 4},
      {"32767", 32767}, {"-32768", -32768}, {"32768", std::nullopt}, {"-32769", std::nullopt},
      {"99999999999999999999", std::nullopt}, {"1.5", std::nullopt}, {"1 2", std::nullopt},
      {"+-1", std::nullopt}, {"-", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseNodeName(text), expected) << "'" << text << "'";
  }
}

ParabolicPanelTexts Valid() {
  ParabolicPanelTexts texts;
  texts.NodeName = {"11", " 13", "14 "};
  texts.CoordZ = "12,5";
  texts.CoordY = {"0", "-5,25", "1"};
  return texts;
}

std::string& Box(ParabolicPanelTexts& texts, int k) {
  if (k < 3) return texts.NodeName[static_cast<std::size_t>(k)];
  if (k == 3) return texts.CoordZ;
  return texts.CoordY[static_cast<std::size_t>(k - 4)];
}

// The boxes are checked in the dialog's order and the first fault is the one
// named: an empty box, or one that does not read.
TEST(LeggiPannello, NamesTheFirstBoxAtFault) {
  const char* const missing[] = {
      "Nome nodo iniziale non inserito",
      "Nome nodo intermedio non inserito",
      "Nome nodo finale non inserito",
      "Coordinata z non inserita",
      "Coordinata y del punto iniziale non inserita",
      "Coordinata y del punto intermedio non inserita",
      "Coordinata y del punto finale non inserita",
  };
  const char* const invalid[] = {
      "Nome nodo iniziale non valido",
      "Nome nodo intermedio non valido",
      "Nome nodo finale non valido",
      "Coordinata z non valida",
      "Coordinata y del punto iniziale non valida",
      "Coordinata y del punto intermedio non valida",
      "Coordinata y del punto finale non valida",
  };
  for (int k = 0; k < 7; ++k) {
    for (const char* text : {"", "   ", "1.5x"}) {
      ParabolicPanelTexts texts = Valid();
      Box(texts, k) = text;
      // Every later box is at fault too: only the first one is named.
      for (int later = k + 1; later < 7; ++later) Box(texts, later) = "";
      ParabolicCableState state;
      const Message fault = {*text == '1' ? invalid[k] : missing[k], kCaptionWarning,
                             kStyleInformation};
      EXPECT_EQ(LeggiPannello(texts, ",", state), fault) << "box " << k;
    }
  }
}

TEST(LeggiPannello, StoresTheSevenValues) {
  ParabolicCableState state;
  state.a = 3;  // the coefficients are not the panel's
  ASSERT_FALSE(LeggiPannello(Valid(), ",", state));
  EXPECT_EQ(state.InitialName, 11);
  EXPECT_EQ(state.MiddleName, 13);
  EXPECT_EQ(state.FinalName, 14);
  EXPECT_EQ(state.CableZ, 12.5);
  EXPECT_EQ(state.InitialY, 0.0);
  EXPECT_EQ(state.MiddleY, -5.25);
  EXPECT_EQ(state.FinalY, 1.0);
  EXPECT_EQ(state.a, 3.0);

  // The same boxes where the point is the separator: Z no longer reads.
  ParabolicCableState pointState;
  const auto fault = LeggiPannello(Valid(), ".", pointState);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->text, "Coordinata z non valida");
  EXPECT_EQ(pointState.FinalName, 14) << "the boxes before the fault are kept";
}

// The separator follows the C library's numeric locale, which the Qt
// application sets from the environment. Each test puts it back as found.
class DecimalSeparatorOf : public ::testing::Test {
 protected:
  void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  std::string saved_ = std::setlocale(LC_NUMERIC, nullptr);
};

TEST_F(DecimalSeparatorOf, TheCLocaleIsAPoint) {
  ASSERT_TRUE(std::setlocale(LC_NUMERIC, "C"));
  EXPECT_EQ(DecimalSeparator(), ".");
}

TEST_F(DecimalSeparatorOf, AnItalianLocaleIsAComma) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows takes the separator from the user's regional settings, "
                  "which a test cannot change for itself, not from the C library's locale";
#endif
  for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "de_DE.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      EXPECT_EQ(DecimalSeparator(), ",") << name;
      return;
    }
  }
  GTEST_SKIP() << "no locale with a decimal comma is installed";
}

}  // namespace
