#include "viewer/drawing_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <filesystem>

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

void Paint(QPaintDevice& device, const ViewerDrawing& drawing, const ViewTransform& view,
           QSize size) {
  QPainter painter(&device);
  // The device may count more pixels than the window: scale the view, and
  // the pens with it.
  const double k = std::min(static_cast<double>(device.width()) / size.width(),
                            static_cast<double>(device.height()) / size.height());
  RenderDrawing(painter, drawing, view.Scaled(k), QRectF(0, 0, device.width(), device.height()),
                RenderOptions{k});
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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path);

  switch (*format) {
    case ExportFormat::Png: {
      QImage image(size, QImage::Format_RGB32);
      image.fill(PaperColour());
      Paint(image, drawing, view, size);
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
      Paint(svg, drawing, view, size);
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
      Paint(pdf, drawing, view, size);
      break;
    }
    case ExportFormat::Dxf:  // written above
      break;
  }
  if (!file.commit()) return CannotWrite(path);
  return {};
}
