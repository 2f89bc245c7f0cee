// PDF files in tests, read with poppler-utils: page sizes and text.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// What a shell command writes to its standard output.
inline std::string RunCommand(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buf[4096];
    for (std::size_t n; pipe && (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    if (pipe)
        pclose(pipe);
    return out;
}

// Width and height in points of each page; none when the file is no readable PDF.
inline std::vector<std::pair<double, double>> PdfPages(const std::string& path) {
    std::istringstream lines(RunCommand("pdfinfo -f 1 -l 9999 '" + path + "' 2>/dev/null"));
    std::vector<std::pair<double, double>> pages;
    double width, height;
    for (std::string line; std::getline(lines, line);)
        if (std::sscanf(line.c_str(), "Page %*d size: %lf x %lf", &width, &height) == 2)
            pages.emplace_back(width, height);
    return pages;
}

// The text of one page (counted from 1), or of all pages.
inline std::string PdfText(const std::string& path, int page = 0) {
    const std::string p =
        page > 0 ? "-f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return RunCommand("pdftotext " + p + " '" + path + "' - 2>/dev/null");
}
