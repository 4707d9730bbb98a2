#pragma once

#include <cassert>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

// A fixed table indexed from 1 to N, as OneBasedArray, for the tables of
// megabytes whose capacity a job seldom fills. Its storage comes zeroed from
// the system, which hands out zero pages only when they are first touched,
// so a table costs at start-up only what is used of it.
//
// A record that is trivially copyable must have zero bytes as its default
// value: every one of the N records then exists from the start without being
// written. Any other record is made on the first writable access to it or to
// one after it; until then a read sees a default record kept aside.
template <typename T, std::size_t N>
class LazyTable {
  static constexpr bool kZeroIsDefault =
      std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>;

 public:
  static constexpr int kCapacity = static_cast<int>(N);

  LazyTable() : items_(static_cast<T*>(std::calloc(N, sizeof(T)))) {
    if (items_ == nullptr) throw std::bad_alloc();
  }
  LazyTable(const LazyTable& other) : LazyTable() { *this = other; }
  LazyTable& operator=(const LazyTable& other) {
    if (this == &other) return *this;
    if constexpr (kZeroIsDefault) {
      std::memcpy(items_, other.items_, N * sizeof(T));
    } else {
      if (other.made_ > made_) Make(other.made_);
      for (int i = 1; i <= made_; ++i) (*this)[i] = other[i];
    }
    return *this;
  }
  ~LazyTable() {
    if constexpr (!kZeroIsDefault) {
      for (int i = 0; i < made_; ++i) items_[i].~T();
    }
    std::free(items_);
  }

  T& operator[](int i) {
    assert(i >= 1 && i <= kCapacity && "index outside the table");
    if constexpr (!kZeroIsDefault) {
      if (i > made_) Make(i);
    }
    return items_[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= kCapacity && "index outside the table");
    if constexpr (!kZeroIsDefault) {
      if (i > made_) return Unmade();
    }
    return items_[static_cast<std::size_t>(i - 1)];
  }

 private:
  // Makes the records up to i, in order, so that the made ones stay a prefix.
  void Make(int i) {
    for (; made_ < i; ++made_) new (items_ + made_) T();
  }
  static const T& Unmade() {
    static const T unmade{};
    return unmade;
  }

  T* items_;
  int made_ = 0;  // records 1..made_ are made; only when zero is not their default
};
