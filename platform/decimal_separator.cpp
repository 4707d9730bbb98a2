#include "platform/decimal_separator.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <clocale>
#endif

namespace {

const char* const kFallback = ".";

}  // namespace

#ifdef _WIN32

std::string DecimalSeparator() {
  // LOCALE_SDECIMAL holds at most three characters plus the terminator.
  wchar_t wide[8] = {};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
  if (length <= 1) return kFallback;
  char utf8[32] = {};
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, utf8, sizeof utf8, nullptr, nullptr);
  if (bytes <= 0) return kFallback;
  return std::string(utf8, static_cast<std::size_t>(bytes));
}

#else

std::string DecimalSeparator() {
  const std::lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      conventions->decimal_point[0] == '\0') {
    return kFallback;
  }
  return conventions->decimal_point;
}

#endif
