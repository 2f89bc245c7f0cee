// The floor designations file of the report tool: one designation a line, UTF-8.
#pragma once

#include "statglob/store.h"

#include <string>

// Reads the designations into FloorNames, line k into entry k-1, with the floor names
// dialog's rules: at most 10 characters, each representable in Windows-1252; an empty line is
// an empty designation. Nothing is stored when the file breaks a rule: std::runtime_error
// (German) names the file, the line and the rule; an unreadable file gives the IoError text.
void ReadFloorNamesFile(const std::string& path, StatisticsStore& store);
