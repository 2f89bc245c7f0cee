// The floor designations file of the report tool: one designation a line, UTF-8.
#pragma once

#include "statglob/store.h"

#include <string>

// Reads the designations into FloorNames, line k into entry k-1, with the floor names
// dialog's rules: at most 10 characters, each a printable Windows-1252 character; an empty
// line is an empty designation. CR, LF and CR LF end a line. Nothing is stored when the file
// breaks a rule: std::runtime_error (German) names the file, the line and the rule, quoting at
// most 40 characters of the line; an unreadable file gives IoError naming it. Only what the
// rules need is read: 41 lines, each up to a few hundred bytes, whatever the file's size.
void ReadFloorNamesFile(const std::string& path, StatisticsStore& store);
