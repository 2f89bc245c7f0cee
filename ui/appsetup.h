// What the application needs before its first window: Qt's own texts in German and one font
// family for every window and dialog.
#pragma once

class QApplication;

// Before the application is built (Qt reads the system's locale once): dates the toolkit
// formats itself, as in the open dialog's file list, in German too.
void PrepareGermanDates();

// Loads Qt's German translation (dialogs, context menus, message box buttons) whatever the
// system's locale, and makes "MS Sans Serif" and the application's font (Qt's dialogs, menus,
// hints) the family that "Arial" resolves to, so the program shows one family. Returns false when
// the translation is not installed (the texts then stay English; the program works all the same).
bool PrepareApplication(QApplication& app);
