#include "statglob/textfile.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <filesystem>

namespace {

constexpr char kCtrlZ = 26;
constexpr std::size_t kBufferSize = 64 * 1024;

std::FILE* OpenFile(const std::string& path) {
    errno = 0;
#ifdef _WIN32
    return _wfopen(std::filesystem::u8path(path).c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

} // namespace

TextFile::TextFile(std::string path) : path_(std::move(path)) {}

TextFile::~TextFile() {
    if (file_)
        std::fclose(file_);
}

void TextFile::Fail(int err) {
    throw IoError::FromErrno(err ? err : EIO, path_);
}

void TextFile::RequireOpen() {
    // Like the runtime: an operation on a file that is not open is error 103.
    if (!file_)
        throw IoError(103);
}

void TextFile::Reset() {
    if (file_)
        Close();
    if (path_.empty())
        throw IoError(2);
    // Only plain files are read: a pipe would block the open, a device never end.
    if (const std::string why = NoRegularFile(path_); !why.empty())
        throw IoError(5, path_, why);
    file_ = OpenFile(path_);
    if (!file_)
        Fail(errno);
    end_ = false;
    buf_.resize(kBufferSize);
    pos_ = len_ = 0;
}

bool TextFile::Fill() {
    if (pos_ < len_)
        return true;
    if (end_)
        return false;
    errno = 0;
    len_ = std::fread(buf_.data(), 1, buf_.size(), file_);
    pos_ = 0;
    if (len_ == 0) {
        if (std::ferror(file_))
            Fail(errno);
        end_ = true;
        return false;
    }
    return true;
}

bool TextFile::Eof() {
    RequireOpen();
    if (!Fill())
        return true;
    if (buf_[pos_] == kCtrlZ) {
        end_ = true;
        pos_ = len_ = 0;
        return true;
    }
    return false;
}

template <typename Sink> void TextFile::ScanLine(Sink&& sink) {
    RequireOpen();
    while (Fill()) {
        const char* begin = buf_.data() + pos_;
        const char* end = buf_.data() + len_;
        const char* stop =
            std::find_if(begin, end, [](char c) { return c == '\r' || c == kCtrlZ; });
        sink(begin, stop);
        pos_ += static_cast<std::size_t>(stop - begin);
        if (stop == end)
            continue;
        if (*stop == kCtrlZ) {
            end_ = true;
            pos_ = len_ = 0;
            return;
        }
        ++pos_; // the CR
        if (Fill() && buf_[pos_] == '\n')
            ++pos_;
        return;
    }
}

std::string TextFile::ReadLine(std::size_t limit, bool* cut) {
    std::string line;
    bool longer = false;
    ScanLine([&](const char* b, const char* e) {
        const auto n = static_cast<std::size_t>(e - b);
        const std::size_t room = limit - line.size();
        longer = longer || n > room;
        line.append(b, std::min(n, room));
    });
    if (cut)
        *cut = longer;
    return line;
}

void TextFile::Close() {
    if (!file_)
        throw IoError(103);
    std::FILE* f = std::exchange(file_, nullptr);
    errno = 0;
    if (std::fclose(f) != 0)
        Fail(errno);
}

std::string FirstBytes(const std::string& path, std::size_t count) {
    if (!NoRegularFile(path).empty())
        return {};
    std::FILE* file = OpenFile(path);
    if (!file)
        return {};
    std::string bytes(count, '\0');
    bytes.resize(std::fread(bytes.data(), 1, count, file));
    std::fclose(file);
    return bytes;
}
