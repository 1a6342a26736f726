// Tells how much of a PNG is drawn on: prints its width, its height, the number of pixels that
// are not near white, and the number of those that are clearly coloured (not grey). A blank or
// unreadable screenshot shows as zeros; an unreadable file also ends with exit code 1.

#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: png_ink FILE.png\n");
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.isNull()) {
    std::printf("0 0 0 0\n");
    return 1;
  }
  long inked = 0;
  long coloured = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      const int darkest = std::min({pixel.red(), pixel.green(), pixel.blue()});
      const int brightest = std::max({pixel.red(), pixel.green(), pixel.blue()});
      if (darkest < 235) ++inked;
      if (brightest - darkest > 60) ++coloured;
    }
  }
  std::printf("%d %d %ld %ld\n", image.width(), image.height(), inked, coloured);
  return 0;
}
