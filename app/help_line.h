#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one-line help of the main window: a short description of the control
// under the mouse, shown on the help timer's tick rather than on every
// movement, and hidden as soon as the mouse reaches the bare window or a
// frame.
constexpr int kToolTipCount = 29;

// Texts numbered 1..29 (index 0 unused), most with a blank at both ends.
using ToolTipTable = std::array<std::string, kToolTipCount + 1>;
const ToolTipTable& ToolTipTexts();

// Numbers of the texts, by the control that asks for them.
enum ToolTipId : int16_t {
  kTipPicture = 1,
  kTipRefreshDrawing = 2,
  kTipButtonAction = 3,
  kTipOnlyActiveLayout = 4,
  kTipLoadCondition = 5,
  kTipDescription = 6,
  kTipLayoutName = 7,
  kTipCableName = 8,
  kTipNewLayout = 9,
  kTipCopyLayout = 10,
  kTipLayoutOrdinal = 11,
  kTipNodeOrdinal = 12,
  kTipNodeName = 13,
  kTipSectionName = 14,
  kTipCoordSys = 15,
  kTipCoordY = 16,
  kTipCoordZ = 17,
  kTipAngDisto = 18,
  kTipNewNode = 19,
  kTipCopyNode = 20,
  kTipRemoveNodes = 21,
  kTipRemoveLayouts = 22,
  kTipMirrorZ = 23,
  kTipMirrorY = 24,
  kTipOpen = 25,
  kTipSave = 26,
  kTipClose = 27,
  kTipCursorY = 28,
  kTipCursorZ = 29,
};

// Hidden (timer off) -> show request -> pending (timer on) -> tick -> shown;
// a hide request goes back to hidden from any state.
struct HelpLineState {
  int16_t text = 0;  // HelpLineState: the number of the text to show, 0 before any
  bool timerEnabled = false;
  bool visible = false;
  std::string caption;

  void ShowRequest(int16_t number) {
    text = number;
    timerEnabled = true;
  }
  void HideRequest() {
    timerEnabled = false;
    visible = false;
  }
  // The timer stays on, so each tick shows the text asked for last.
  void Tick() {
    if (!timerEnabled || text < 1 || text > kToolTipCount) return;
    visible = true;
    caption = ToolTipTexts()[static_cast<std::size_t>(text)];
  }
};
