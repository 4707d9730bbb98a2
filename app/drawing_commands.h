#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/world.h"
#include "common/message.h"
#include "platform/prompter.h"

// "Disegna tracciati" and "Anteprima" without the window. Reals in the
// drawings take decimalSeparator, the one of the user's regional settings
// (platform/decimal_separator.h). A drawing that cannot be written is
// reported after the summary: a silent failure would leave the user looking
// at an old drawing.

struct DrawnLayouts {
  // Message 24, the count in brackets, then per drawing a line feed, a
  // carriage return and its full path ("INFORMAZIONE", information icon).
  Message Summary;
  std::vector<std::string> Files;      // suite paths, in layout order
  std::vector<std::string> Unwritten;  // those that could not be written
};

// Writes one drawing per layout of the group into the job folder, named
// after the group file open (or as temporary ones without). With no layouts
// shows message 10 and returns nothing; otherwise shows the hourglass
// (setHourglass, as in ViewerLaunch) while the drawings are written.
std::optional<DrawnLayouts> DrawAllLayouts(World& world, Prompter& prompter,
                                           const std::string& decimalSeparator,
                                           const std::function<void(bool)>& setHourglass = {});

// Message 3 followed by every drawing that could not be written, one a line
// ("ERRORE", critical-stop icon); nothing when the list is empty.
void ShowUnwrittenDrawings(Prompter& prompter, const std::vector<std::string>& unwritten);

// "Disegna tracciati": DrawAllLayouts, then, the hourglass gone, the summary
// shown, then the drawings that could not be written.
void DrawAllLayo(World& world, Prompter& prompter, const std::string& decimalSeparator,
                 const std::function<void(bool)>& setHourglass = {});

struct PreviewDrawing {
  std::string Path;  // suite path of the preview file
  bool Written = false;
};

// Writes the drawing of the active layout to the preview file. Nothing, and
// nothing written, without an active layout.
std::optional<PreviewDrawing> WritePreviewDrawing(World& world, Prompter& prompter,
                                                  const std::string& decimalSeparator);
