// The cover sheet on paper: the logo and up to 51 memo lines on one page.
#pragma once

#include <QImage>
#include <QStringList>

class QPainter;

// The coordinates below are device units of a 300-dpi page.
inline constexpr int kCoverResolution = 300;
inline constexpr int kCoverLeft = 700;
inline constexpr int kCoverLogoTop = 700;
inline constexpr int kCoverTextTop = 1000;
inline constexpr int kCoverLinePitch = 50;
inline constexpr int kCoverLineCount = 51;
inline constexpr int kCoverPointSize = 12;

// The logo bitmap, 360 x 147 pixels, from the resource ":/cover/logo.png" (a PNG, which QtGui
// reads itself: no image plugin is loaded).
inline constexpr char kLogoResource[] = ":/cover/logo.png";
QImage LogoBitmap();

// Draws on a painter whose device has 300 units per inch: the logo at (700, 700), one unit per
// bitmap pixel, lossless also in a PDF; lines 0..50 left-aligned in 12 pt at x 700,
// y 1000 + 50 * i (top of the text). Lines past the list are empty; lines past 50 are not
// drawn.
void PaintCoverSheet(QPainter& painter, const QImage& logo, const QStringList& lines);
