#include "parabolic/parabolic_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <string>
#include <vector>

#include "platform/decimal_separator.h"
#include "tests/layouts/case_file.h"
#include "tests/support/messages.h"

namespace {

// Numbers as the user types them, in the regional format, and node names,
// which are 16-bit integers.
TEST(TypedNumbers, ReadOnlyWhatTheirRuleAllows) {
  for (const std::vector<std::string>& c : CaseRows("typed_numbers.txt")) {
    const std::optional<double> expected =
        c[2] == "-" ? std::nullopt : std::optional<double>(std::stod(c[2]));
    if (c[1] == "nodo") {
      const std::optional<int16_t> name = ParseNodeName(c[0]);
      EXPECT_EQ(name ? std::optional<double>(*name) : std::nullopt, expected) << "'" << c[0] << "'";
    } else {
      EXPECT_EQ(ParseRegionalNumber(c[0], c[1]), expected) << "'" << c[0] << "' with " << c[1];
    }
  }
}

// The seven boxes in the dialog's order: the three nodes, Z, the three Y.
using Boxes = std::array<std::string, 7>;
const Boxes kValid = {"11", " 13", "14 ", "12,5", "0", "-5,25", "1"};

ParabolicPanelTexts Panel(const Boxes& b) { return {{b[0], b[1], b[2]}, b[3], {b[4], b[5], b[6]}}; }

// The boxes are checked in the dialog's order and the first fault is the one
// named: an empty box, or one that does not read.
TEST(LeggiPannello, NamesTheFirstBoxAtFault) {
  for (const std::vector<std::string>& c : CaseRows("panel_faults.txt")) {
    const auto k = static_cast<std::size_t>(std::stoi(c[0]));
    Boxes boxes = kValid;
    boxes[k] = c[1];
    // Every later box is at fault too: only the first one is named.
    for (std::size_t later = k + 1; later < 7; ++later) boxes[later] = "";
    ParabolicCableState state;
    EXPECT_EQ(LeggiPannello(Panel(boxes), ",", state),
              (Message{c[2], kCaptionWarning, kStyleInformation}))
        << "box " << k << " '" << c[1] << "'";
  }
}

TEST(LeggiPannello, StoresTheSevenValues) {
  ParabolicCableState state;
  state.a = 3;  // the coefficients are not the panel's
  ASSERT_FALSE(LeggiPannello(Panel(kValid), ",", state));
  EXPECT_EQ((std::vector<int>{state.InitialName, state.MiddleName, state.FinalName}),
            (std::vector<int>{11, 13, 14}));
  EXPECT_EQ((std::vector<double>{state.CableZ, state.InitialY, state.MiddleY, state.FinalY, state.a}),
            (std::vector<double>{12.5, 0, -5.25, 1, 3}));
}

// The separator follows the C library's numeric locale, which the Qt
// application sets from the environment; the test puts it back as found.
TEST(DecimalSeparatorOf, TheNumericLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_TRUE(std::setlocale(LC_NUMERIC, "C"));
  EXPECT_EQ(DecimalSeparator(), ".");
#ifndef _WIN32  // Windows takes it from the user's regional settings instead
  for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "de_DE.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      EXPECT_EQ(DecimalSeparator(), ",") << name;
      break;
    }
  }
#endif
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
