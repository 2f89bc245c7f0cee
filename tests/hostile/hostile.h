// Loading hostile input over a store that already holds a file, and the outcome it must have.
#pragma once

#include "statglob/reader.h"
#include "tests/support/loadpath.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

// Loads `path` over a real file: the message (its first line unless `message` has two; empty:
// it loads) and the rules of the load path, among them that a failed load keeps the previous
// figures whole, sums are wide and a bad field's message names its place.
inline LoadPathResult ExpectLoad(const std::string& path, const std::string& message) {
    static const StatisticsStore previous = [] {
        StatisticsStore s;
        LoadStatisticsFile(s, GS_EXAMPLES "/buerohaus-14.csv");
        return s;
    }();
    StatisticsStore s = previous;
    const LoadPathResult r = RunLoadPath(s, path);
    const bool whole = message.find('\n') != std::string::npos;
    EXPECT_EQ(whole ? r.error : r.error.substr(0, r.error.find('\n')), message);
    EXPECT_EQ(CheckLoadPath(previous, s, r), "");
    return r;
}

constexpr std::size_t kFloor1Line = 8; // 0-based, after the 8 header lines
constexpr std::size_t kHour1Line = 9;

// The worked example with field `field` of line `line` (both 0-based) replaced by `text`.
inline std::string WorkedExampleWith(std::size_t line, std::size_t field, const std::string& text) {
    std::vector<std::string> lines = HeaderLines();
    for (const std::string& l : WorkedExampleBody())
        lines.push_back(l);
    std::size_t begin = 0;
    for (std::size_t f = 0; f < field; ++f)
        begin = lines.at(line).find(';', begin) + 1;
    lines[line].replace(begin, lines[line].find(';', begin) - begin, text);
    return JoinLines(lines);
}
