#pragma once

#include <string>

#include "structure/structure_model.h"
#include "structure/structure_reader.h"

// Reads the continuous-elements file; fills MemberElementCount and
// MemberElements for memberNumber and its description. Returns an empty text
// when all is well, otherwise the text start-up shows before it ends.
std::string ReadContinuousElements(const std::string& jobDir, int memberNumber,
                                   StructureModel& model, std::string& memberDescription);

// Reads jobDir + assocFileName; every node's SectionIndex is reset first.
ReadOutcome ReadSectionAssociation(const std::string& jobDir, const std::string& assocFileName,
                                   StructureModel& model);

// Reads "\Sezio_ut" from jobDir when model.SectionSource is 1, otherwise
// from customDir.
ReadOutcome ReadSectionFile(const std::string& jobDir, const std::string& customDir,
                            const StructureModel& model, SectionTable& sections);

// Reads jobDir + "\Group.cap". A missing file is a notice, never a fault.
ReadOutcome ReadCableTypes(const std::string& jobDir, SectionTable& sections);

// 1-based position of the name (exact comparison), or -1.
int16_t FindCableType(const SectionTable& sections, const std::string& name);
