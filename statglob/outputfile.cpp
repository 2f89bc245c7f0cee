#include "statglob/outputfile.h"

#include "statglob/errors.h"
#include "statglob/text.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Paths are bytes here, UTF-8 where the system wants text (Windows).
fs::path PathOf(const std::string& path) {
    return fs::u8path(path);
}

// A name for the temporary file: beside the target, hidden, with a random part so that two
// processes (or threads) writing the same file never share it.
std::string TemporaryName(const fs::path& target) {
    thread_local std::mt19937_64 random{
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string unique;
    for (int i = 0; i < 10; ++i)
        unique += kLetters[random() % (sizeof kLetters - 1)];
    // Kept short of the longest name a folder takes.
    const std::string name = Utf8CutBytes(target.filename().u8string(), 200);
    return (target.parent_path() / fs::u8path("." + name + "." + unique + ".tmp")).u8string();
}

// Creates `path` for writing; it must not exist yet.
std::FILE* CreateNew(const std::string& path) {
#ifdef _WIN32
    const int fd =
        _wopen(PathOf(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (fd >= 0 && !file)
        _close(fd);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (fd >= 0 && !file)
        ::close(fd);
#endif
    return file;
}

} // namespace

std::string NoRegularFile(const std::string& path) {
    std::error_code ec;
    const fs::file_type type = fs::status(PathOf(path), ec).type();
    if (ec || type == fs::file_type::regular || type == fs::file_type::not_found)
        return {};
    return type == fs::file_type::directory ? SystemReason(EISDIR) : "keine gewöhnliche Datei";
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    if (fs::equivalent(PathOf(a), PathOf(b), ec))
        return true;
    // Not both there: the same place names the same file to be.
    const fs::path x = fs::absolute(PathOf(a), ec).lexically_normal();
    if (ec)
        return false;
    const fs::path y = fs::absolute(PathOf(b), ec).lexically_normal();
    return !ec && x == y;
}

std::string OutputRefusal(const std::string& output, const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        if (SameFile(output, input))
            return WriteError(output, "dieselbe Datei wie die Eingabe „" + ToValidUtf8(input) + "“")
                .what();
    if (const std::string why = NoRegularFile(output); !why.empty())
        return WriteError(output, why).what();
    return {};
}

OutputFile::OutputFile(const std::string& path) : path_(path), target_(path) {
    if (const std::string why = NoRegularFile(path); !why.empty())
        throw WriteError(path, why);
    std::error_code ec;
    const fs::path given = PathOf(path);
    if (fs::is_symlink(fs::symlink_status(given, ec))) {
        const fs::path resolved = fs::weakly_canonical(given, ec);
        if (!ec)
            target_ = resolved.u8string();
    }
    const fs::path target = PathOf(target_);
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        temp_ = TemporaryName(target);
        errno = 0;
        file_ = CreateNew(temp_);
        if (!file_ && errno != EEXIST) {
            temp_.clear(); // never created: nothing to remove
            Fail(errno ? errno : EIO);
        }
    }
    if (!file_) {
        temp_.clear();
        Fail(EEXIST);
    }
    // The new file keeps the permissions of the one it replaces.
    if (fs::is_regular_file(target, ec))
        fs::permissions(PathOf(temp_), fs::status(target, ec).permissions(), ec);
}

OutputFile::~OutputFile() {
    if (file_)
        std::fclose(file_);
    if (!temp_.empty()) {
        std::error_code ignored;
        fs::remove(PathOf(temp_), ignored);
    }
}

void OutputFile::Fail(int err) {
    if (file_)
        std::fclose(std::exchange(file_, nullptr));
    if (!temp_.empty()) {
        std::error_code ignored;
        fs::remove(PathOf(std::exchange(temp_, {})), ignored);
    }
    throw WriteError(path_, err);
}

void OutputFile::Write(std::string_view bytes) {
    if (!file_)
        Fail(EBADF);
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        Fail(errno ? errno : EIO);
}

void OutputFile::Commit() {
    if (!file_)
        Fail(EBADF);
    // A full disk may show only when the buffer goes out, or at the close.
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_))
        Fail(errno ? errno : EIO);
    errno = 0;
    if (std::fclose(std::exchange(file_, nullptr)) != 0)
        Fail(errno ? errno : EIO);
    std::error_code ec;
    fs::rename(PathOf(temp_), PathOf(target_), ec);
    if (ec)
        Fail(ec.default_error_condition().value());
    temp_.clear();
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    OutputFile file(path);
    file.Write(bytes);
    file.Commit();
}
