#pragma once

#include <string>

#include "common/atomic_file.h"
#include "drawing/drawing_file.h"

// The drawing file (".dis"), CP1252 text with CR LF line ends: a four-line
// header with the extents, then the points, markers, lines, texts and arcs,
// each section a count followed by one number line per entry (two per arc).
// On a number line each value starts in the next 14-column print zone and is
// written as a blank or a minus sign, its digits and one blank; reals in the
// general form of up to 15 significant digits, with decimalSeparator (the
// user's regional setting, UTF-8) in place of the point.
std::string DrawingFileBytes(const DrawingFile& drawing, const std::string& decimalSeparator);

// The same bytes in place of what out held; a caller that writes many
// drawings keeps one buffer for all of them, and its memory with it.
void DrawingFileBytesInto(const DrawingFile& drawing, const std::string& decimalSeparator,
                          std::string& out);

// Writes the drawing as it stands to the suite path. The file is replaced
// only once the new content is completely written; false when it could not
// be, or a value is not finite, and then nothing is shown and the old file
// is left as it was.
bool WriteDrawing(const DrawingFile& drawing, const std::string& suitePath,
                  const std::string& decimalSeparator, ContentWriter write = WriteWholeFile);
// The same, with the bytes made in buffer.
bool WriteDrawing(const DrawingFile& drawing, const std::string& suitePath,
                  const std::string& decimalSeparator, std::string& buffer,
                  ContentWriter write = WriteWholeFile);

// WriteDrawing up to the rename, which Commit then makes.
StagedFile StageDrawing(const DrawingFile& drawing, const std::string& suitePath,
                        const std::string& decimalSeparator, std::string& buffer,
                        ContentWriter write = WriteWholeFile);

// ComputeExtents, CompactDrawing and WriteDrawing, in this order: the
// extents still take in the points that compaction removes.
bool SaveDrawing(DrawingFile& drawing, const std::string& suitePath,
                 const std::string& decimalSeparator, ContentWriter write = WriteWholeFile);
bool SaveDrawing(DrawingFile& drawing, const std::string& suitePath,
                 const std::string& decimalSeparator, std::string& buffer,
                 ContentWriter write = WriteWholeFile);
