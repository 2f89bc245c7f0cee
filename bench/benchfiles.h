// A realistic 40-floor statistics file for the benchmarks.
#pragma once

#include <string>

inline std::string BenchFile(int floors = 40) {
    std::string f;
    const char* header[8] = {"QVL Statistik",
                             "07.12.26 18:00;",
                             "Anlage;Bench",
                             "Etagen;40",
                             "Start;01.12.26 06:00;",
                             "-",
                             "-",
                             "-"};
    for (const char* h : header)
        f += std::string(h) + "\r\n";
    unsigned seed = 12345;
    auto next = [&seed](unsigned mod) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % mod;
    };
    for (int i = 1; i <= floors; ++i) {
        f += std::to_string(i) + ";";
        for (int b = 0; b < 4; ++b) {
            f += std::to_string(next(90000)) + ";" + std::to_string(next(900)) + ";";
            for (int s = 0; s < 4; ++s)
                f += std::to_string(next(300)) + ";";
        }
        f += "\r\n;";
        for (int v = 0; v < 48; ++v)
            f += std::to_string(next(120)) + ";";
        f += "\r\n";
    }
    f += "-;15200;13880;12000;9000;\r\n";
    return f;
}
