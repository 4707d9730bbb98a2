#include "editor/style_images.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <cstring>

namespace {

// The frame the Fusion style draws around a group box.
constexpr char kFusionGroupBox[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

// A number as the toolkit spells it in its cache keys: each byte in memory
// order, low digit first.
template <typename Number>
QString KeyNumber(Number value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  unsigned char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  QString text;
  for (const unsigned char byte : bytes) {
    text += QLatin1Char(kDigits[byte & 0xf]);
    text += QLatin1Char(kDigits[byte >> 4]);
  }
  return text;
}

// The key under which the toolkit keeps a pixmap it loaded from a file, and
// looks for it before reading the file again: the file's path, time and size,
// and the kind of pixmap (0, a colour one).
QString FilePixmapKey(const QString& path) {
  const QFileInfo info(path);
  return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
         KeyNumber(static_cast<uint>(info.lastModified().toSecsSinceEpoch())) +
         KeyNumber(static_cast<quint64>(info.size())) + KeyNumber(uint{0});
}

}  // namespace

void PreloadStyleImages() {
  if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
    return;
  }
  const QString path = QString::fromLatin1(kFusionGroupBox);
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);  // the built-in reader, no plugin asked
  const QImage image = reader.read();
  if (!image.isNull()) QPixmapCache::insert(FilePixmapKey(path), QPixmap::fromImage(image));
}
