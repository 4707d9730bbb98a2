#pragma once

#include <string>
#include <string_view>

// Blanks and tabs, the white space of the job files.
bool IsBlank(char c);

// Trim removes blanks at both ends, as the suite's own programs do; tabs
// are kept by Trim but skipped by the free-format and token readers.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Lower and upper case of letters, ASCII and Latin-1 (accented Italian
// letters included); other characters unchanged.
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);

// Decodes the UTF-8 sequence at text[i] and advances i; a malformed byte
// gives U+FFFD and advances by one, so garbage never stalls a loop.
char32_t DecodeUtf8At(std::string_view text, std::size_t& i);
void AppendUtf8(std::string& out, char32_t cp);

// Length and slices counted in characters (code points), not bytes.
std::size_t Utf8Length(std::string_view text);
// Characters first..first+count-1, counted from 1, cut at the text's end.
std::string Utf8Mid(std::string_view text, std::size_t first, std::size_t count);
std::string Utf8Left(std::string_view text, std::size_t count);

// The number as decimal digits without blanks (a minus sign if negative).
std::string IntText(long long value);
// The right-most three digits of "000" + value: member 7 gives "007".
std::string ThreeDigits(long long value);
