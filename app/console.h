// The report tool's command line and console, the same on Windows as elsewhere: arguments in
// UTF-8, output bytes as written.
#pragma once

#include <string>
#include <vector>

// The arguments in UTF-8. On Windows they come from the UTF-16 command line: `argv` holds them
// in the ANSI code page, which cannot hold every character of a file name (no "Ω" on a German
// system), and not in UTF-8.
class Utf8Arguments {
public:
    Utf8Arguments(int argc, char** argv);
    int count() const { return static_cast<int>(pointers_.size()) - 1; }
    char** values() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_; // into texts_, ending with a null pointer as argv does
};

// On Windows: standard output and errors in binary mode (LF line ends, the same bytes as on
// Linux) and a console that shows UTF-8, set back to its code page when the tool ends.
void PrepareConsole();
