#pragma once

#include <string>
#include <string_view>

// Job files are in the Windows code page 1252; in memory text is UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters that code page 1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view text);
