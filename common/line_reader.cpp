#include "common/line_reader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace {

// Large enough that a file costs few reads, small enough to stay in cache.
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

}  // namespace

LineReader::LineReader(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  in_.open(path, std::ios::binary);
  opened_ = static_cast<bool>(in_);
}

LineReader LineReader::OverBytes(std::string_view bytes) {
  LineReader reader;
  reader.opened_ = true;
  reader.atEnd_ = true;
  reader.data_ = bytes.data();
  reader.end_ = bytes.size();
  reader.limit_ = static_cast<std::size_t>(-1);
  return reader;
}

bool LineReader::Fill() {
  if (atEnd_) return false;
  // What is not yet given moves to the front, and the buffer grows only for
  // a line longer than a chunk, up to the limit.
  const std::size_t kept = end_ - begin_;
  if (begin_ > 0 && kept > 0) std::memmove(buffer_.data(), data_ + begin_, kept);
  newline_ -= begin_;
  begin_ = 0;
  end_ = kept;
  if (buffer_.size() < kept + kChunkBytes)
    buffer_.resize(std::max(kept + kChunkBytes, 2 * kChunkBytes));
  char* const base = buffer_.data();
  data_ = base;
  const std::streamsize got =
      in_.rdbuf()->sgetn(base + end_, static_cast<std::streamsize>(buffer_.size() - end_));
  if (got <= 0) {
    atEnd_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool LineReader::NextLine(std::string_view& line) {
  if (!opened_ || tooLong_) return false;
  for (;;) {
    // The first LF is searched once, however many lone CRs come before it.
    if (newline_ < begin_) newline_ = begin_;
    if (newline_ < end_ && data_[newline_] != '\n') {
      const void* found = std::memchr(data_ + newline_, '\n', end_ - newline_);
      newline_ = found ? static_cast<std::size_t>(static_cast<const char*>(found) - data_) : end_;
    }
    const void* cr =
        newline_ > begin_ ? std::memchr(data_ + begin_, '\r', newline_ - begin_) : nullptr;
    std::size_t lineEnd = end_;
    std::size_t next = end_;
    if (cr) {
      lineEnd = static_cast<std::size_t>(static_cast<const char*>(cr) - data_);
      // Whether a CR is the end of a CR LF shows only with the byte after it.
      if (lineEnd + 1 == end_ && !atEnd_) {
        Fill();  // moves what is kept: search again either way
        continue;
      }
      next = lineEnd + (lineEnd + 1 < end_ && data_[lineEnd + 1] == '\n' ? 2 : 1);
    } else if (newline_ < end_) {
      lineEnd = newline_;
      next = newline_ + 1;
    } else if (end_ - begin_ <= limit_ && !atEnd_) {
      Fill();
      continue;
    } else if (begin_ == end_) {
      return false;  // the end of the file
    }
    ++line_;
    if (lineEnd - begin_ > limit_) {
      tooLong_ = true;
      return false;
    }
    line = std::string_view(data_ + begin_, lineEnd - begin_);
    begin_ = next;
    return true;
  }
}

std::optional<std::string> LineReader::Next() {
  const std::optional<std::string_view> line = NextView();
  if (!line) return std::nullopt;
  return std::string(*line);
}
