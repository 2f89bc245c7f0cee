// A load reads and never writes: after loading good, broken and refused files, every file in
// the file's folder, the working folder, the configuration folder and the temporary folder is
// as it was, and nothing was added.
#include "hostile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

namespace fs = std::filesystem;

namespace {

struct Entry {
    fs::file_type type;
    std::uintmax_t size;
    fs::file_time_type modified;
    std::string content;
    bool operator==(const Entry& o) const {
        return type == o.type && size == o.size && modified == o.modified && content == o.content;
    }
};

std::map<std::string, Entry> Snapshot(const fs::path& root) {
    std::map<std::string, Entry> entries;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const auto status = e.symlink_status();
        Entry entry{status.type(), 0, fs::last_write_time(e.path()), ""};
        if (fs::is_regular_file(status)) {
            entry.size = e.file_size();
            entry.content = ReadBytes(e.path().string());
        }
        entries.emplace(e.path().string(), entry);
    }
    return entries;
}

// Points HOME, XDG_CONFIG_HOME and TMPDIR into `root` and makes it the working folder, for
// as long as it lives.
class Sandbox {
public:
    explicit Sandbox(const fs::path& root) : cwd_(fs::current_path()) {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const char* v = std::getenv(name);
            saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
        }
        fs::create_directories(root / "home/.config");
        fs::create_directories(root / "tmp");
        fs::create_directories(root / "work");
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "home/.config").c_str(), 1);
        setenv("TMPDIR", (root / "tmp").c_str(), 1);
        fs::current_path(root / "work");
    }
    ~Sandbox() {
        fs::current_path(cwd_);
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

private:
    fs::path cwd_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace

TEST(NoWrites, LoadingWritesNothingAnywhere) {
    TempDir root;
    fs::create_directories(root.path() / "data");
    const auto data = [&root](const std::string& name, const std::string& bytes) {
        const fs::path p = root.path() / "data" / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    };
    const std::vector<std::string> paths = {
        data("worked.csv", WorkedExampleFile()),
        data("forty.csv", UniformFile(40, 2147483647)),
        data("too-many.csv", UniformFile(41)),
        data("bad-field.csv", WorkedExampleWith(kHour1Line, 20, "1x")),
        data("empty.csv", ""),
        data("junk.csv", std::string("\0\r\n\xFF;\x80;\r\n", 9)),
        (root.path() / "data").string(), // a folder
        (root.path() / "data/missing.csv").string(),
        GS_EXAMPLES "/buerohaus-14.csv",
        GS_EXAMPLES "/hochhaus-40.csv",
    };

    Sandbox sandbox(root.path());
    const auto rootBefore = Snapshot(root.path());
    const auto examplesBefore = Snapshot(GS_EXAMPLES);
    int loaded = 0;
    for (const std::string& path : paths) {
        StatisticsStore store = PreviousStore();
        if (RunLoadPath(store, path).error.empty())
            ++loaded;
    }
    EXPECT_EQ(loaded, 4); // the loads did run: the worked example, 40 floors, both examples
    EXPECT_EQ(Snapshot(root.path()), rootBefore);
    EXPECT_EQ(Snapshot(GS_EXAMPLES), examplesBefore);
}
