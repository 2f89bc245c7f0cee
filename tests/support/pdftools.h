// PDF files in tests: page sizes read with poppler-utils' pdfinfo, pages rendered with pdftoppm.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

struct PdfPageSize {
    double width;  // points
    double height; // points
};

inline std::string RunCommand(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        pclose(pipe);
    }
    return out;
}

// One entry per page; empty when the file is no readable PDF.
inline std::vector<PdfPageSize> PdfPages(const std::string& path) {
    std::istringstream lines(RunCommand("pdfinfo -f 1 -l 100000 '" + path + "' 2>/dev/null"));
    std::vector<PdfPageSize> pages;
    std::string line;
    while (std::getline(lines, line)) {
        // "Page    3 size: 841.89 x 595.28 pts (A4)"
        int page = 0;
        PdfPageSize size{0, 0};
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf", &page, &size.width,
                        &size.height) == 3)
            pages.push_back(size);
    }
    return pages;
}

// Renders one page (counted from 1) to a greyscale PGM file and returns its path ("" on failure).
inline std::string RenderPdfPage(const std::string& pdf, int page, int dpi,
                                 const std::string& prefix) {
    const std::string command = "pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " +
                                std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf +
                                "' '" + prefix + "' 2>/dev/null && echo ok";
    return RunCommand(command).find("ok") != std::string::npos ? prefix + ".pgm" : std::string();
}
