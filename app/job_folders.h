#pragma once

#include <optional>
#include <string>

#include "app/job_context.h"
#include "common/message.h"

// Fills RootDir, JobsDir, JobName, JobDir, ProgramDir, DriverDir and
// CustomDir from the argument string and the two settings files under the
// root folder ("\impostazioni\dirlav", "\impostazioni\lavoro"). Returns the
// start-up fault, if any; the context is then partly filled.
std::optional<Message> ResolveJobFolders(const std::string& argument, JobContext& job);
