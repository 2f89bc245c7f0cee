// What the fuzz targets share: one fuzz input cut into parts (two files, a file and its
// texts), each part written to a file of its own when the code under test reads files.
#pragma once

#include "statglob/errors.h"
#include "statglob/reader.h"
#include "statglob/store.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

// Separates the parts of one input; in the dictionary, so that the fuzzer finds it.
inline constexpr std::string_view kPartSeparator = "\n=====\n";

// The input cut at each separator into exactly `parts` parts: missing ones are empty, the last
// one takes the rest.
inline std::vector<std::string_view> InputParts(const std::uint8_t* data, std::size_t size,
                                                std::size_t parts) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> out;
    while (out.size() + 1 < parts) {
        const std::size_t at = rest.find(kPartSeparator);
        out.push_back(rest.substr(0, at));
        rest = at == std::string_view::npos ? std::string_view()
                                            : rest.substr(at + kPartSeparator.size());
    }
    out.push_back(rest);
    return out;
}

// A file of this run for `name`, memory-backed when there is /dev/shm, removed at exit.
class FuzzFile {
public:
    explicit FuzzFile(const std::string& name) {
        const std::filesystem::path dir =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
        path_ = (dir / ("gs-fuzz-" + std::to_string(getpid()) + "-" + name)).string();
    }
    ~FuzzFile() { std::remove(path_.c_str()); }
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;

    // Writes the bytes as the file's whole content; a failure ends the run.
    const std::string& Write(std::string_view bytes) const {
        std::FILE* out = std::fopen(path_.c_str(), "wb");
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
            std::fclose(out) != 0) {
            std::perror(path_.c_str());
            std::abort();
        }
        return path_;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Ends the run with the input saved when a rule is broken.
inline void Require(bool holds, const std::string& rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule.c_str());
        std::abort();
    }
}

// A valid statistics file of `floors` floors (1..40) whose every value differs.
inline std::string SmallStatisticsFile(int floors) {
    std::string file = "Kopf\r\n07.12.26 18:00;\r\n\r\n\r\nStart;01.12.26 06:00;\r\n\r\n\r\n\r\n";
    for (int f = 1; f <= floors; ++f) {
        file += std::to_string(f) + ";";
        for (int v = 0; v < 24; ++v)
            file += std::to_string(f * 100 + v) + ";";
        file += "\r\n;";
        for (int v = 0; v < 48; ++v)
            file += std::to_string(f * 1000 + v) + ";";
        file += "\r\n";
    }
    return file + "-;1;2;3;4;\r\n";
}

// `bytes` loaded as a statistics file through `file`; a small valid file instead when they do
// not load, so that what follows the load always has a store to work on.
inline StatisticsStore LoadedOrSmall(const FuzzFile& file, std::string_view bytes) {
    StatisticsStore store;
    try {
        LoadStatisticsFile(store, file.Write(bytes));
        return store;
    } catch (const IoError&) {
    } catch (const ConversionError&) {
    } catch (const StatisticsError&) {
    }
    store = StatisticsStore();
    LoadStatisticsFile(store, file.Write(SmallStatisticsFile(2)));
    return store;
}
