// The group file reads the number forms its writer makes by a shortcut;
// every field must come out as the general rule of the job files reads it,
// to the bit, and a field that rule refuses must be refused.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/val.h"
#include "layouts/group_file.h"
#include "tests/layouts/case_file.h"
#include "tests/layouts/layouts_fixture.h"

namespace {

// A group whose points hold the fields as Y, 2000 to a layout.
std::string GroupOf(const std::vector<std::string>& fields) {
  const std::size_t layouts = (fields.size() + 1999) / 2000;
  std::string bytes = "D\r\n0\r\n1 1\r\n" + std::to_string(layouts) + "\r\n";
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k % 2000 == 0) {
      bytes += "1 1\r\n" + std::to_string(std::min<std::size_t>(2000, fields.size() - k)) + "\r\n";
    }
    bytes += "1 0\r\n" + fields[k] + " 0 0\r\n";
  }
  return bytes;
}

TEST(GroupFileNumbers, ReadAsTheGeneralRuleReadsThem) {
  std::vector<std::string> fields = CaseRows("number_fields.txt")[0];
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-25, 25);
  std::uniform_int_distribution<int> decimals(0, 20);
  char text[400];
  // As many fields as the fullest table a file may bring: 200 layouts of 2000 points.
  for (int i = 0; i < 99994; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    fields.push_back(NumberText(value));
    fields.push_back(NumberText(RoundTo(value, 2)));
    fields.emplace_back(text, std::to_chars(text, text + sizeof text, value).ptr);
    const int places = decimals(random);
    fields.emplace_back(
        text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places).ptr);
  }
  auto structure = MakeStructure(1);
  auto group = MakeGroup();
  const GroupFileOutcome read = ReadLayoutGroupBytes(GroupOf(fields), "g.cap", *group, *structure);
  ASSERT_FALSE(read.fault) << read.fault->text;
  ASSERT_EQ(group->LayoutCount, 200);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const double got = group->Layouts[k / 2000 + 1].Y[k % 2000 + 1];
    const double expected = *ParseNumber(fields[k]);
    ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << fields[k];
  }
}

}  // namespace
