#include "app/pngfile.h"

#include <QIODevice>
#include <QImage>
#include <QImageWriter>

bool EncodePng(const QImage& image, QIODevice& out) {
    QImageWriter writer(&out, "png");
    writer.setQuality(80); // Qt's quality 80 is zlib level 1
    return writer.write(image);
}
