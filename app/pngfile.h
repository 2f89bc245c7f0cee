// A chart image as a PNG file's bytes: 8-bit RGB at zlib level 1, fast for the report tool's
// eleven images. With libpng one row filter (Up); without it (the Windows build) QImageWriter,
// which tries all five filters on every row and takes about half as long again.
#pragma once

class QIODevice;
class QImage;

// Writes the image (RGB32) to `out`; false when writing failed.
bool EncodePng(const QImage& image, QIODevice& out);
