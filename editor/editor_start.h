#pragma once

#include <memory>
#include <string>

#include "editor/form_pri.h"

class QtPrompter;
struct World;

// The editor's start-up, from the program's argument to a main window ready
// to be shown, with the start-up's notices shown over it. On a fault the
// window is dropped, the fault shown without a parent and nothing returned.
std::unique_ptr<FormPri> StartEditor(World& world, QtPrompter& prompter,
                                     const std::string& argument);
