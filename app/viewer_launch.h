#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class Prompter;
class TaskControl;

// What the editor keeps of the drawing viewer between previews: the task of
// its last successful start (0 before any).
struct ViewerState {
  int32_t ViewerTaskId = 0;
};

// The four window values written to the viewer's input file: left, top,
// width and height of its window, in twips.
using ViewerWindowValues = std::array<double, 4>;
inline constexpr ViewerWindowValues kPreviewWindowValues = {0.0, 0.0, 8000.0, 5000.0};

// Everything the launch works with, handed in by the editor.
struct ViewerLaunch {
  ViewerState& Viewer;
  TaskControl& Tasks;
  Prompter& prompter;
  std::string ProgramDir;  // the suite's programs folder, a suite path
  // The form's mouse pointer: true for the hourglass, false for the
  // default. May be empty.
  std::function<void(bool busy)> SetHourglass;
};

// Shows drawingPath in the viewer: a viewer that is still running is
// brought to the front and sent Alt+F, G, which makes it reload its drawing
// (the input file is left alone); otherwise a viewer is started on the
// drawing by StartViewer. The hourglass is shown meanwhile.
void ShowDrawing(ViewerLaunch& launch, const std::string& drawingPath,
                 const ViewerWindowValues& values);

// Writes the viewer's input file for drawingPath and starts the viewer,
// unless a running one can be activated. When the input file cannot be
// written says so (caption "ERRORE") and starts nothing.
void StartViewer(ViewerLaunch& launch, const std::string& drawingPath,
                 const ViewerWindowValues& values);

// Starts the program at programPath (a suite path) with the window style and
// returns its task identifier. When it cannot be started the user is asked
// to retry or cancel; after Cancel the result is 0.
int32_t RunProgram(TaskControl& tasks, Prompter& prompter, const std::string& programPath,
                   int16_t windowStyle);

// The content of the viewer's input file, in UTF-8, with its CR LF line
// ends: "inutilizzato", the drawing path, then the four window values.
std::string ViewerInputText(const std::string& drawingPath, const ViewerWindowValues& values);

// The viewer's files in the programs folder.
std::string ViewerProgramPath(const std::string& programDir);
std::string ViewerInputPath(const std::string& programDir);
