// Loading hostile input over a store that already holds a file, and the outcome every such
// load must have.
#pragma once

#include "charts.h"
#include "cp1252.h"
#include "loadpath.h"
#include "reader.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The store after a real file was loaded: what a failed load has to keep.
inline const StatisticsStore& PreviousStore() {
    static const StatisticsStore previous = [] {
        StatisticsStore s;
        LoadStatisticsFile(s, GS_EXAMPLES "/buerohaus-14.csv");
        return s;
    }();
    return previous;
}

struct Attempt {
    StatisticsStore after = PreviousStore();
    LoadPathResult result;
};

inline Attempt LoadOver(const std::string& path) {
    Attempt a;
    a.result = RunLoadPath(a.after, path);
    return a;
}

// The message (empty: the file loads), the rules of the load path, the new name and folder;
// after a failure the previous figures, kept whole.
inline void ExpectOutcome(const Attempt& a, const std::string& path, const std::string& message) {
    EXPECT_EQ(a.result.error, message);
    EXPECT_EQ(CheckLoadPath(PreviousStore(), a.after, a.result), "");
    EXPECT_EQ(a.after.FileName.view(), Utf8CutBytes(path, 255));
    EXPECT_EQ(a.after.LastDir.view(), FolderOf(path));
    if (!message.empty()) {
        EXPECT_TRUE(SameFigures(PreviousStore(), a.after));
        EXPECT_EQ(a.after.FloorCount, PreviousStore().FloorCount);
    }
}

// The worked example's lines (8 header lines, floor 1, hour 1, floor 2, hour 2, travel line,
// last line) with field `field` of line `line` (both 0-based) replaced by `text`.
inline std::string WorkedExampleWith(std::size_t line, std::size_t field, const std::string& text) {
    std::vector<std::string> lines = HeaderLines();
    for (const std::string& l : WorkedExampleBody())
        lines.push_back(l);
    std::string& target = lines.at(line);
    std::size_t begin = 0;
    for (std::size_t f = 0; f < field; ++f)
        begin = target.find(';', begin) + 1;
    const std::size_t end = target.find(';', begin);
    target.replace(begin, end - begin, text);
    return JoinLines(lines);
}

constexpr std::size_t kFloor1Line = 8;
constexpr std::size_t kHour1Line = 9;
constexpr std::size_t kTravelLine = 12;
