#include "app/drawing_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/scripted_prompter.h"

namespace {

// Without layouts the buttons draw nothing: "Disegna tracciati" says so
// (message 10), and there is no active layout to preview. The drawings
// themselves are the editor's and the batch tool's tests' business.
TEST(DrawingCommands, NothingToDrawWithoutLayouts) {
  auto world = std::make_unique<World>();
  ScriptedPrompter prompter;
  prompter.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  EXPECT_FALSE(DrawAllLayouts(*world, prompter, ".").has_value());
  world->Group.LayoutCount = 1;
  EXPECT_FALSE(WritePreviewDrawing(*world, prompter, ".").has_value());
}

}  // namespace
