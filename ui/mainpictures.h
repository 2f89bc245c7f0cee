// The pictures of the main window's buttons and the program's icon, from the resources.
#pragma once

#include <QIcon>
#include <QString>

// A picture of two images side by side, as the tool buttons and check marks carry it: the
// left half is drawn while the button is enabled, the right half while it is disabled.
QIcon TwoImagePicture(const QString& resource);

QIcon ExitPicture();         // 16 x 16
QIcon OpenPicture();         // 16 x 16
QIcon PrintPicture();        // 16 x 16
QIcon PrinterSetupPicture(); // 16 x 16
QIcon ReportPicture();       // 16 x 16, a sheet with a bar chart
QIcon CheckMarkPicture();    // 18 x 18, green when enabled, grey when not

// The program's icon (64 x 64), ":/mainwin/gruppenstatistik.png".
QIcon ProgramIcon();
