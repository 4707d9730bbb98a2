#pragma once

#include <string>

#include "common/message.h"

// The fault of a job file whose content the format does not allow: message 2
// with the path, then where and what, so the user can find and mend it:
// "Problemi con la lettura del file c:\...\struttur.str (riga 12: numero non
// valido "1,2x")". Line 0 leaves the line out. Control characters in what
// become blanks, and what is cut after 80 characters with "...".
Message FileContentFault(const std::string& path, int line, const std::string& what);
