// The floor names file: the designations of a building's floors, one a line from the lowest
// floor up, UTF-8. The program keeps it beside the statistics file, the report tool reads it.
#pragma once

#include "statglob/store.h"

#include <string>
#include <vector>

// The name of the file the program keeps beside each statistics file.
inline constexpr char kFloorNamesFileName[] = "Etagenbezeichnungen.txt";

// The names file beside a statistics file: in its folder, under kFloorNamesFileName.
std::string FloorNamesFileBeside(const std::string& statisticsFile);

// Reads the designations (Windows-1252, as the store holds them), line k for floor k, with the
// floor names dialog's rules: at most 10 characters, each a printable Windows-1252 character;
// an empty line is an empty designation. CR, LF and CR LF end a line; a byte-order mark is
// passed over. When the file breaks a rule, std::runtime_error (German) names the file, the line
// and the rule, quoting at most 40 characters of the line; an unreadable file gives IoError
// naming it. Only what the rules need is read: 41 lines, each up to a few hundred bytes,
// whatever the file's size.
std::vector<std::string> ReadFloorNames(const std::string& path);

// ReadFloorNames into FloorNames, line k into entry k-1; nothing is stored when it throws.
void ReadFloorNamesFile(const std::string& path, StatisticsStore& store);

// Writes the designations (Windows-1252) as the file ReadFloorNames reads: UTF-8, CR LF after
// each line, through OutputFile (complete or not at all). Throws WriteError naming the file.
void WriteFloorNamesFile(const std::string& path, const std::vector<std::string>& names);
