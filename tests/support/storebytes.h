// Every field of a store as one byte string: two stores are equal field for field when these are.
#pragma once

#include "statglob/store.h"

#include <string>

inline std::string StoreBytes(const StatisticsStore& s) {
    std::string out;
    const auto raw = [&](const auto& x) {
        out.append(reinterpret_cast<const char*>(&x), sizeof x);
    };
    const auto text = [&](const std::string& t) { out += std::to_string(t.size()) + ":" + t; };
    text(s.LastDir.str());
    text(s.FileName.str());
    for (const std::string& l : s.HeaderLines)
        text(l);
    for (const auto* lines : {&s.FloorLines, &s.HourLines})
        for (const std::string& l : *lines)
            text(l);
    raw(s.DownTotal), raw(s.UpTotal), raw(s.CallStat), raw(s.ShaftCallTotal);
    raw(s.TravelCount), raw(s.WaitSum), raw(s.WaitDown), raw(s.WaitUp);
    raw(s.HourDown), raw(s.HourUp), raw(s.FloorCount);
    for (const auto& n : s.FloorNames)
        text(n.str());
    for (const auto& n : s.HourNames)
        text(n.str());
    for (const auto& n : s.ShaftNames)
        text(n.str());
    return out;
}
