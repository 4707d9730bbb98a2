#include "common/line_reader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

// Large enough that a file costs few reads, small enough to stay in cache.
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

}  // namespace

LineReader::LineReader(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
#ifdef _WIN32
  in_.reset(_wfopen(path.c_str(), L"rb"));
#else
  in_.reset(std::fopen(path.c_str(), "rb"));
#endif
  opened_ = in_ != nullptr;
  // The reads go straight into the buffer, which is larger than any the
  // stream would keep.
  if (opened_) std::setvbuf(in_.get(), nullptr, _IONBF, 0);
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
  if (capacity_ < kept + kChunkBytes) {
    const std::size_t capacity = std::max(kept + kChunkBytes, 2 * kChunkBytes);
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
    if (kept > 0) std::memcpy(bigger.get(), data_ + begin_, kept);
    buffer_ = std::move(bigger);
    capacity_ = capacity;
  } else if (begin_ > 0 && kept > 0) {
    std::memmove(buffer_.get(), data_ + begin_, kept);
  }
  lineEnd_ -= std::min(lineEnd_, begin_);
  begin_ = 0;
  end_ = kept;
  char* const base = buffer_.get();
  data_ = base;
  const std::size_t got = std::fread(base + end_, 1, capacity_ - end_, in_.get());
  if (got == 0) {
    atEnd_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

std::size_t LineReader::FindLineEnd(std::size_t from) const {
  // Positions, not pointers: before the first read there is no buffer.
  std::size_t at = from;
  if constexpr (std::endian::native == std::endian::little) {
    // Eight bytes at a time: a byte that is zero after the xor marks a hit.
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    const auto zeroBytes = [](std::uint64_t w) { return ~(((w & kLow7) + kLow7) | w | kLow7); };
    for (; at + 8 <= end_; at += 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, data_ + at, sizeof word);
      const std::uint64_t hits =
          zeroBytes(word ^ 0x0A0A0A0A0A0A0A0A) | zeroBytes(word ^ 0x0D0D0D0D0D0D0D0D);
      if (hits != 0) return at + static_cast<std::size_t>(std::countr_zero(hits) / 8);
    }
  }
  while (at < end_ && data_[at] != '\n' && data_[at] != '\r') ++at;
  return at;
}

bool LineReader::NextLine(std::string_view& line) {
  if (!opened_ || tooLong_) return false;
  for (;;) {
    // What was searched before a Fill is not searched again.
    lineEnd_ = FindLineEnd(std::max(lineEnd_, begin_));
    std::size_t next = end_;
    if (lineEnd_ < end_ && data_[lineEnd_] == '\r') {
      // Whether a CR is the end of a CR LF shows only with the byte after it.
      if (lineEnd_ + 1 == end_ && !atEnd_) {
        Fill();  // moves what is kept: search again either way
        continue;
      }
      next = lineEnd_ + (lineEnd_ + 1 < end_ && data_[lineEnd_ + 1] == '\n' ? 2 : 1);
    } else if (lineEnd_ < end_) {
      next = lineEnd_ + 1;
    } else if (end_ - begin_ <= limit_ && !atEnd_) {
      Fill();
      continue;
    } else if (begin_ == end_) {
      return false;  // the end of the file
    }
    ++line_;
    if (lineEnd_ - begin_ > limit_) {
      tooLong_ = true;
      return false;
    }
    line = std::string_view(data_ + begin_, lineEnd_ - begin_);
    begin_ = next;
    return true;
  }
}

std::optional<std::string> LineReader::Next() {
  const std::optional<std::string_view> line = NextView();
  if (!line) return std::nullopt;
  return std::string(*line);
}
