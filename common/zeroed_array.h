#pragma once

#include <cassert>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

// A fixed array of N records indexed from 0, as std::array, for the tables
// of megabytes that are emptied and refilled rather than made anew. Its
// storage comes zeroed from the system, which hands out zero pages only
// when they are first touched: a drawing made at start-up costs nothing
// until something is drawn in it. A record never written reads as zero
// bytes, whatever its members' defaults.
template <typename T, std::size_t N>
class ZeroedArray {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                "records are copied as bytes and start as zero bytes");

 public:
  ZeroedArray() : items_(static_cast<T*>(std::calloc(N, sizeof(T)))) {
    if (items_ == nullptr) throw std::bad_alloc();
  }
  ZeroedArray(const ZeroedArray& other) : ZeroedArray() { *this = other; }
  ZeroedArray& operator=(const ZeroedArray& other) {
    if (this != &other) std::memcpy(items_, other.items_, N * sizeof(T));
    return *this;
  }
  ~ZeroedArray() { std::free(items_); }

  static constexpr std::size_t size() { return N; }

  T& operator[](std::size_t i) {
    assert(i < N && "index outside the table");
    return items_[i];
  }
  const T& operator[](std::size_t i) const {
    assert(i < N && "index outside the table");
    return items_[i];
  }

 private:
  T* items_;
};
