// Writer of the layout group file.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "common/cp1252.h"
#include "common/message_catalogue.h"
#include "common/number_text.h"
#include "layouts/group_file.h"
#include "platform/suite_path.h"

namespace {

constexpr int kSecondColumn = 21;
constexpr int kThirdColumn = 41;

// Builds a few lines at a time in a buffer of its own, keeping track of
// where the current line starts so that fields can be placed in columns, and
// hands them to the file's string in one append: the file has some 800000
// lines. Numbers are ASCII, so bytes and characters agree on every line that
// has columns.
class LineBuilder {
 public:
  explicit LineBuilder(std::string& out) : out_(out) {}
  ~LineBuilder() { Flush(); }
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;

  void Integer(int value) { end_ = std::to_chars(end_, end_ + 12, value).ptr; }
  void Coordinate(double value) { end_ = WriteTwoDecimalsText(end_, value); }

  // Blanks up to column (counted from 1). A line that leaves no blank
  // before it goes on in that column of a new line: numbers carry no blanks
  // of their own, and two fields that touch would read back as one.
  void Column(int column) {
    const std::size_t before = static_cast<std::size_t>(column - 1);
    if (Length() >= before) EndLine();
    Blanks(before - Length());
  }
  // Blanks up to the next print zone, as a comma between printed values.
  void NextZone() {
    Blanks(static_cast<std::size_t>(NextPrintZone(static_cast<int>(Length())) - 1) - Length());
  }
  void EndLine() {
    *end_++ = '\r';
    *end_++ = '\n';
    lineStart_ = end_;
  }
  // Hands what is built to the string, after whole lines only.
  void Flush() {
    out_.append(buffer_, end_);
    end_ = buffer_;
    lineStart_ = buffer_;
  }
  // Called after each point: its two lines take at most 160 bytes, with
  // both coordinates pushed to lines of their own.
  void FlushWhenFull() {
    if (end_ - buffer_ > static_cast<std::ptrdiff_t>(sizeof buffer_) - 256) Flush();
  }

 private:
  std::size_t Length() const { return static_cast<std::size_t>(end_ - lineStart_); }
  void Blanks(std::size_t count) {
    std::memset(end_, ' ', count);
    end_ += count;
  }

  std::string& out_;
  char buffer_[4096];
  char* end_ = buffer_;
  char* lineStart_ = buffer_;
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
  out += "\r\n";
  LineBuilder line(out);
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
    line.FlushWhenFull();
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
      line.FlushWhenFull();
    }
  }
  line.Flush();
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
