// Writer of the layout group file.

#include <charconv>
#include <cmath>
#include <cstddef>

#include "common/cp1252.h"
#include "common/message_catalogue.h"
#include "layouts/group_file.h"
#include "common/number_text.h"
#include "platform/suite_path.h"

namespace {

constexpr int kSecondColumn = 21;
constexpr int kThirdColumn = 41;

// Builds the file in one string, keeping track of where the current line
// starts so that fields can be placed in columns. Numbers are ASCII, so bytes
// and characters agree on every line that has columns.
class LineBuilder {
 public:
  explicit LineBuilder(std::string& out) : out_(out), lineStart_(out.size()) {}

  void Integer(int value) {
    char buffer[12];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
  }
  void Coordinate(double value) { AppendTwoDecimalsText(out_, value); }

  // Blanks up to column (counted from 1). A line that leaves no blank
  // before it goes on in that column of a new line: numbers carry no blanks
  // of their own, and two fields that touch would read back as one.
  void Column(int column) {
    const std::size_t before = static_cast<std::size_t>(column - 1);
    if (Length() >= before) EndLine();
    out_.append(before - Length(), ' ');
  }
  // Blanks up to the next print zone, as a comma between printed values.
  void NextZone() {
    const std::size_t before =
        static_cast<std::size_t>(NextPrintZone(static_cast<int>(Length())) - 1);
    out_.append(before - Length(), ' ');
  }
  void EndLine() {
    out_ += "\r\n";
    lineStart_ = out_.size();
  }

 private:
  std::size_t Length() const { return out_.size() - lineStart_; }

  std::string& out_;
  std::size_t lineStart_;
};

// Enough for the usual sizes, so that a full group grows the string once.
constexpr std::size_t kBytesPerLayout = 48;
constexpr std::size_t kBytesPerPoint = 72;

std::size_t ExpectedSize(const LayoutGroup& group) {
  std::size_t size = 256 + group.GroupDescription.size();
  for (int l = 1; l <= group.LayoutCount; ++l) {
    const int points = group.Layouts[l].NodeCount;
    size += kBytesPerLayout + (points > 0 ? kBytesPerPoint * static_cast<std::size_t>(points) : 0);
  }
  return size;
}

// A value that is not finite would be written as text no reader takes back.
bool AllFinite(const LayoutGroup& group) {
  for (int l = 1; l <= group.LayoutCount; ++l) {
    const Layout& layout = group.Layouts[l];
    for (int j = 1; j <= layout.NodeCount; ++j) {
      if (!std::isfinite(layout.Y[j]) || !std::isfinite(layout.Z[j]) ||
          !std::isfinite(layout.AngDistortion[j])) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::string LayoutGroupFileBytes(const LayoutGroup& group) {
  std::string out;
  out.reserve(ExpectedSize(group));
  out += Utf8ToCp1252(group.GroupDescription);
  LineBuilder line(out);
  line.EndLine();
  line.Integer(group.LoadCondition);
  line.EndLine();
  // Parameters never set by a file are written as 1 and 1, without changing
  // the group.
  const bool unset = group.GroupParamA == kGroupParamUnset && group.GroupParamB == kGroupParamUnset;
  line.Integer(unset ? 1 : group.GroupParamA);
  line.NextZone();
  line.Integer(unset ? 1 : group.GroupParamB);
  line.EndLine();
  line.Integer(group.LayoutCount);
  line.EndLine();
  for (int l = 1; l <= group.LayoutCount; ++l) {
    const Layout& layout = group.Layouts[l];
    line.Integer(layout.Name);
    line.Column(kSecondColumn);
    line.Integer(layout.CableType);
    line.EndLine();
    line.Integer(layout.NodeCount);
    line.EndLine();
    for (int j = 1; j <= layout.NodeCount; ++j) {
      line.Integer(layout.NodeIndex[j]);
      line.Column(kSecondColumn);
      line.Integer(layout.RefVertex[j]);
      line.EndLine();
      line.Coordinate(layout.Y[j]);
      line.Column(kSecondColumn);
      line.Coordinate(layout.Z[j]);
      line.Column(kThirdColumn);
      line.Coordinate(layout.AngDistortion[j]);
      line.EndLine();
    }
  }
  return out;
}

GroupFileOutcome WriteLayoutGroup(const LayoutGroup& group, const std::string& suitePath,
                                  ContentWriter write) {
  GroupFileOutcome outcome;
  if (AllFinite(group) &&
      WriteFileAtomically(HostPath(suitePath), LayoutGroupFileBytes(group), write)) {
    outcome.opened = true;
  } else {
    outcome.fault =
        Message{CatalogueText(kMsgCannotWrite) + suitePath, kCaptionProblem, kStyleExclamation};
  }
  return outcome;
}
