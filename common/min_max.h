#pragma once

template <typename T>
constexpr T MinOf(T a, T b) {
  return b < a ? b : a;
}

template <typename T>
constexpr T MaxOf(T a, T b) {
  return a < b ? b : a;
}
