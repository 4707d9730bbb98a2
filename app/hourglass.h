#pragma once

#include <functional>

// Shows the window's hourglass for as long as it lives, whatever way the
// operation ends. set(true) shows it, set(false) puts the pointer back; an
// empty set (no window) does nothing.
class Hourglass {
 public:
  explicit Hourglass(std::function<void(bool)> set) : set_(std::move(set)) {
    if (set_) set_(true);
  }
  ~Hourglass() {
    if (set_) set_(false);
  }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  std::function<void(bool)> set_;
};
