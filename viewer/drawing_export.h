#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "viewer/view_transform.h"
#include "viewer/viewer_drawing.h"

enum class ExportFormat { Png, Svg, Pdf, Dxf };

// The format named by the file's extension (.png, .svg, .pdf, .dxf, any case).
std::optional<ExportFormat> ExportFormatOf(const QString& path);

// Writes what a size window shows of the drawing through view to path, as a
// PNG picture, an SVG drawing or a one-page PDF of the window's proportions;
// a DXF file holds the whole drawing at its own coordinates instead.
// An existing file is replaced only once the new one is complete. Returns an
// empty text, or the reason in Italian.
QString ExportView(const ViewerDrawing& drawing, const ViewTransform& view, QSize size,
                   const QString& path);
