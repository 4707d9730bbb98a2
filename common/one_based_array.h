#pragma once

#include <array>
#include <cassert>
#include <cstddef>

// A fixed table indexed from 1 to N, as every table of the job is.
template <typename T, std::size_t N>
class OneBasedArray {
 public:
  static constexpr int kCapacity = static_cast<int>(N);

  T& operator[](int i) {
    assert(i >= 1 && i <= kCapacity && "index outside the table");
    return items_[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= kCapacity && "index outside the table");
    return items_[static_cast<std::size_t>(i - 1)];
  }
  void fill(const T& value) { items_.fill(value); }

 private:
  std::array<T, N> items_{};
};
