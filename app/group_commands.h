#pragma once

#include <string>

#include "app/world.h"
#include "platform/prompter.h"

// "Apri" and "Salva" without the window: the dialogs are asked through the
// prompter, the messages shown through it.

// "Memb012Gr_???.cap": the name both dialogs propose when no group is open.
std::string DefaultGroupFileName(int memberNumber);
FileDialogRequest OpenGroupDialogRequest(const JobContext& job);
FileDialogRequest SaveGroupDialogRequest(const JobContext& job, const std::string& groupFileName);

// Asks for a group file and reads it into world.Group. Returns true when the
// file was read and holds at least one layout: the window then makes the
// last layout active and refreshes its panels and caption.
bool OpenLayoutGroup(World& world, Prompter& prompter);

// Reads path as "Apri" does once the dialog has answered it.
bool OpenLayoutGroupFile(World& world, Prompter& prompter, const std::string& path);

// Asks where to save and writes world.Group there; an empty group gets
// message 10 and no dialog. True when the file was written.
bool SaveLayoutGroup(World& world, Prompter& prompter);

// Writes world.Group to path as "Salva" does once the dialog has answered.
bool SaveLayoutGroupFile(World& world, Prompter& prompter, const std::string& path);

// "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd - Gruppo tracciati:
// Memb012Gr_001.cap".
std::string GroupWindowCaption(const JobContext& job, const std::string& groupFileName);
