#pragma once

#include <functional>

class Prompter;
struct World;

// What a grid panel needs of the window around it: the records behind the
// grids, the message boxes, and the section view's redraw for the active
// point. The panels never call the window otherwise.
struct PanelHost {
  World& world;
  Prompter& prompter;
  std::function<void()> redrawSection;
};
