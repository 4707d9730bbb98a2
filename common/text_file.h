#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Paths hold UTF-8 in memory whatever the host's own encoding.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);

// The lines of a text file in code page 1252, as UTF-8, without their line
// ends (CR LF, LF or a lone CR). Nothing when the path is not a readable
// regular file, or when a line is over LineReader's limit.
std::optional<std::vector<std::string>> ReadTextFileLines(const std::filesystem::path& path);

// Splits already decoded text into lines the same way.
std::vector<std::string> SplitLines(const std::string& text);
