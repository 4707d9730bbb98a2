#pragma once

#include <cstdint>
#include <string>

#include "common/message.h"
#include "platform/prompter.h"

// The one message-box operation: shows prompt with the style and caption
// and returns the code of the button pressed (1 OK, 6 Yes, 7 No).
int16_t ShowMessage(Prompter& prompter, const std::string& prompt, int16_t style,
                    const std::string& caption);
int16_t ShowMessage(Prompter& prompter, const Message& message);
