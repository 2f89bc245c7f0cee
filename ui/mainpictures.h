// The main window's buttons: their pictures, the program's icon, and the two looks they have.
#pragma once

#include <QIcon>
#include <QString>

class QKeySequence;
class QRect;
class QToolButton;
class QWidget;

// A flat 25 x 25 button with a 16 x 16 picture in the tool bar, at `left`, with its hint.
QToolButton* PictureButton(QWidget& parent, const QString& name, int left, const QIcon& picture,
                           const QString& hint);
// A flat button at `place` with blue text in Arial 8, as the chart buttons look.
QToolButton* TextButton(QWidget& parent, const QString& name, const QRect& place,
                        const QString& text);
// A flat button at `place` without text or picture, as every button of the window starts.
QToolButton* FlatButton(QWidget& parent, const QString& name, const QRect& place);
// Gives a button its key in its window: the key clicks it while it is enabled, and its hint
// names the key ("Statistik File öffnen (Strg+O)"; a button without a hint, its text).
void GiveKey(QToolButton& button, const QKeySequence& keys);

// A picture of two images side by side, as the tool buttons and check marks carry it: the
// left half is drawn while the button is enabled, the right half while it is disabled.
QIcon TwoImagePicture(const QString& resource);

QIcon ExitPicture();         // 16 x 16
QIcon OpenPicture();         // 16 x 16
QIcon PrintPicture();        // 16 x 16
QIcon PrinterSetupPicture(); // 16 x 16
QIcon ComparePicture();      // 16 x 16, two pairs of bars
QIcon ReportPicture();       // 16 x 16, a sheet with a bar chart
QIcon OverviewPicture();     // 16 x 16, a folder holding the rows of a table
QIcon CheckMarkPicture();    // 18 x 18, green when enabled, grey when not

// The program's icon (64 x 64), ":/mainwin/gruppenstatistik.png".
QIcon ProgramIcon();
