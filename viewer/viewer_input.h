#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The viewer's input file "Ostrel.inp": line 1 unused, line 2 the drawing's
// path (a suite path), lines 3 to 6 the window's left, top, width and height
// in twips (1/1440 inch).
struct ViewerInput {
  std::string drawingPath;  // as written, UTF-8
  double left = 0.0;
  double top = 0.0;
  double width = 8000.0;
  double height = 5000.0;
};

struct ViewerInputResult {
  std::optional<ViewerInput> input;
  std::string error;  // Italian, naming the file, when input is empty
};

// Reads the input file at path; fileName names it in messages. Missing
// window values keep the values above.
ViewerInputResult ReadViewerInput(const std::filesystem::path& path, const std::string& fileName);

// Twips to pixels at dotsPerInch.
inline double TwipsToPixels(double twips, double dotsPerInch) {
  return twips * dotsPerInch / 1440.0;
}
