#include "viewer/drawing_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>
#include <QSvgGenerator>
#include <algorithm>
#include <filesystem>
#include <string>

#include "common/atomic_file.h"
#include "viewer/drawing_renderer.h"
#include "viewer/dxf_writer.h"

namespace {

// Window pixels are taken at 96 to the inch, so that a PDF page or an SVG
// picture has the size the window has on a common screen.
constexpr int kPixelsPerInch = 96;

QString CannotWrite(const QString& path) {
  return QStringLiteral("Impossibile scrivere il file %1").arg(path);
}

QString CannotPaint(const QString& path) {
  return QStringLiteral("Impossibile disegnare l'immagine del file %1: memoria insufficiente")
      .arg(path);
}

// False when the device could not be painted on (short of memory, say).
bool Paint(QPaintDevice& device, const ViewerDrawing& drawing, const ViewTransform& view,
           QSize size) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The device may count more pixels than the window: scale the view, and
  // the pens with it.
  const double k = std::min(static_cast<double>(device.width()) / size.width(),
                            static_cast<double>(device.height()) / size.height());
  RenderDrawing(painter, drawing, view.Scaled(k), QRectF(0, 0, device.width(), device.height()),
                RenderOptions{k});
  return painter.end();
}

}  // namespace

std::optional<ExportFormat> ExportFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return ExportFormat::Png;
  if (suffix == QLatin1String("svg")) return ExportFormat::Svg;
  if (suffix == QLatin1String("pdf")) return ExportFormat::Pdf;
  if (suffix == QLatin1String("dxf")) return ExportFormat::Dxf;
  return std::nullopt;
}

QString ExportView(const ViewerDrawing& drawing, const ViewTransform& view, QSize size,
                   const QString& path) {
  const std::optional<ExportFormat> format = ExportFormatOf(path);
  if (!format) {
    return QStringLiteral("Formato non riconosciuto per il file %1: usare .png, .svg, .pdf o .dxf")
        .arg(path);
  }
  if (*format == ExportFormat::Dxf) {
    // Text, written through the same replace-when-complete save as the
    // suite's other files.
    if (!WriteFileAtomically(std::filesystem::path(path.toStdU16String()), DxfText(drawing))) {
      return CannotWrite(path);
    }
    return {};
  }
  if (size.width() < 1 || size.height() < 1) return CannotWrite(path);
  // The picture is made in memory, then saved like every other file.
  QBuffer file;
  file.open(QIODevice::WriteOnly);

  switch (*format) {
    case ExportFormat::Png: {
      QImage image(size, QImage::Format_RGB32);
      image.fill(PaperColour());
      if (image.isNull() || !Paint(image, drawing, view, size)) return CannotPaint(path);
      if (!image.save(&file, "PNG")) return CannotWrite(path);
      break;
    }
    case ExportFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(size);
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setResolution(kPixelsPerInch);
      svg.setTitle(QFileInfo(path).completeBaseName());
      if (!Paint(svg, drawing, view, size)) return CannotPaint(path);
      break;
    }
    case ExportFormat::Pdf: {
      QPdfWriter pdf(&file);
      const QSizeF points(size.width() * 72.0 / kPixelsPerInch,
                          size.height() * 72.0 / kPixelsPerInch);
      pdf.setPageLayout(
          QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
      pdf.setResolution(kPixelsPerInch);
      pdf.setTitle(QFileInfo(path).completeBaseName());
      if (!Paint(pdf, drawing, view, size)) return CannotPaint(path);
      break;
    }
    case ExportFormat::Dxf:  // written above
      break;
  }
  const QByteArray& bytes = file.data();
  if (!WriteFileAtomically(std::filesystem::path(path.toStdU16String()),
                           std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    return CannotWrite(path);
  }
  return {};
}
