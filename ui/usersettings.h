// The user's settings from one run to the next, beside the last-folder file: where the windows
// were left and the files loaded last.
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QSettings;
class QWidget;

// gruppenstatistik.ini in the folder of the last-folder file (DefaultLastDirPath); null when no
// such folder is known. A file that cannot be written only loses the settings.
std::unique_ptr<QSettings> UserSettings();

// Puts `window` where the user left it last, also in an earlier run (position and size,
// maximised or not; its object name is the key), and from now on remembers where it is left:
// when it is closed or hidden, and when the program ends while it is open. False when no place
// is known or the place is off every screen now (the middle of its top edge on none): the window
// then keeps its first placement. A place larger than its screen is made to fit.
bool KeepPlace(QWidget& window);

// The files loaded last, newest first, as the system spells their names; at most kRecentFiles.
inline constexpr int kRecentFiles = 8;
std::vector<std::string> RecentFiles();
// Puts `path` first in that list, once.
void AddRecentFile(const std::string& path);
