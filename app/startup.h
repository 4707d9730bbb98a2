#pragma once

#include <optional>
#include <string>

#include "app/world.h"
#include "common/message.h"
#include "platform/prompter.h"

// The start-up sequence without the window: the member number, the job
// folders, the continuous-elements file, the stroke font, the structure, the
// association, the sections and the cable types, in this order. Notices (a
// missing or unreadable font, an old structure file, a missing cable types
// file) are shown through the prompter as they arise; the fault that ends
// the program is returned, not shown.
std::optional<Message> RunStartup(World& world, const std::string& argument, Prompter& prompter);

// "\AssSez" + the member number in three digits + ".cap".
std::string AssociationFileName(int memberNumber);

// "MEMBRATURA n°12 (TRAVE 1)".
std::string MemberCaption(const JobContext& job);

// "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd".
std::string WindowCaption(const JobContext& job);
