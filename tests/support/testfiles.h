// Temporary folders and statistics files for tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("gs-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const {
        return (path_ / std::filesystem::u8path(name)).u8string();
    }
    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes as they are and returns the file's path (UTF-8). Folders in `name` are
    // made.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = path_ / std::filesystem::u8path(name);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.u8string();
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Joins lines with the given line end, each line followed by it.
inline std::string JoinLines(const std::vector<std::string>& lines,
                             const std::string& eol = "\r\n") {
    std::string out;
    for (const auto& l : lines)
        out += l + eol;
    return out;
}

// Eight header lines with the period fields the cover sheet reads.
inline std::vector<std::string> HeaderLines() {
    return {"QVL Statistik Gruppe 1",
            "07.12.26 18:00;Stop",
            "Anlage;Buerohaus",
            "Etagen;2",
            "Start;01.12.26 06:00;",
            "Kopf 6",
            "Kopf 7",
            "Kopf 8"};
}

// The two-floor file used throughout the tests, after its header.
inline std::vector<std::string> WorkedExampleBody(bool withLastLine = true) {
    std::vector<std::string> body = {
        "1;350;7;4;3;0;0;120;3;1;2;0;0;410;9;5;4;0;0;90;2;2;0;0;0;",
        ";0;0;0;0;0;0;0;4;3;0;0;0;0;0;0;0;3;0;0;0;0;0;0;0;0;0;0;0;0;0;0;5;0;0;0;0;4;0;0;0;0;2;0;0;"
        "0;0;0;0;",
        "2;0;0;0;0;0;0;250;5;3;2;0;0;610;12;6;6;0;0;0;0;0;0;0;0;",
        ";0;0;0;0;0;0;0;0;0;5;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;6;6;0;0;0;0;0;0;0;0;0;0;0;"
        "0;0;0;0;",
        "-;1520;1388;0;0;",
    };
    if (withLastLine)
        body.push_back("any text");
    return body;
}

inline std::string WorkedExampleFile(bool withLastLine = true, const std::string& eol = "\r\n") {
    auto lines = HeaderLines();
    for (auto& l : WorkedExampleBody(withLastLine))
        lines.push_back(l);
    return JoinLines(lines, eol);
}

// One call group of a floor as the file lists it: waiting-time sum (1/100 s), calls, served by
// shafts A..D.
struct Group {
    int wait = 0, calls = 0, a = 0, b = 0, c = 0, d = 0;
};
struct Floor {
    Group aDown, bDown, aUp, bUp;
    std::map<int, int> downAt, upAt; // hour -> calls
};

// A statistics file of these floors, with its period and travel line.
struct StatFile {
    std::vector<Floor> floors;
    std::string travel = "-;1100;900;50;0;";
    std::string stop = "07.12.26 18:00";
    std::string start = "01.12.26 06:00";

    std::string bytes() const {
        auto lines = HeaderLines();
        lines[1] = stop + ";Stop";
        lines[4] = "Start;" + start + ";";
        for (std::size_t i = 0; i < floors.size(); ++i) {
            const Floor& fl = floors[i];
            std::string line = std::to_string(i + 1) + ";";
            for (const Group& g : {fl.aDown, fl.bDown, fl.aUp, fl.bUp})
                for (int v : {g.wait, g.calls, g.a, g.b, g.c, g.d})
                    line += std::to_string(v) + ";";
            std::string hours = ";";
            for (const auto* at : {&fl.downAt, &fl.upAt})
                for (int h = 0; h < 24; ++h)
                    hours += std::to_string(at->count(h) ? at->at(h) : 0) + ";";
            lines.push_back(line);
            lines.push_back(hours);
        }
        lines.push_back(travel);
        return JoinLines(lines);
    }
};

// A floor line and an hour line with one value everywhere; `floors` pairs plus trailer.
inline std::string UniformFile(int floors, int value = 1) {
    const Group g{value, value, value, value, value, value};
    Floor floor{g, g, g, g, {}, {}};
    for (int h = 0; h < 24; ++h)
        floor.downAt[h] = floor.upAt[h] = value;
    const std::string v = std::to_string(value) + ";";
    return StatFile{std::vector<Floor>(floors, floor), "-;" + v + v + v + v}.bytes();
}
