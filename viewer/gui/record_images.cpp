// Converting the library's built-in image strip to pixmaps.

#include "viewer/gui/record_images.h"

#include <QImage>

#include "log/log_stream.h"
#include "platform/graphics.h"
#include "viewer/gui/qt_colors.h"

namespace {

QPixmap ToPixmap(const TCustomImageList& images, int index) {
  const TBitmap& bitmap = images.Image(index);
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const QColor color = ToQColor(bitmap.Pixel(x, y) & 0xFFFFFF);
      image.setPixel(x, y, images.IsTransparent(index, x, y) ? qRgba(0, 0, 0, 0) : color.rgb());
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

std::vector<QPixmap> LoadRecordImages() {
  TCustomImageList images;
  TLogStream::InitializeImageList(images);
  std::vector<QPixmap> pixmaps;
  pixmaps.reserve(static_cast<size_t>(images.Count()));
  for (int i = 0; i < images.Count(); ++i) pixmaps.push_back(ToPixmap(images, i));
  return pixmaps;
}
