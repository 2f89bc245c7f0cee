// A text file as the statistics data sees it: CR ends a line (an LF after it belongs to the
// line end), a lone LF is an ordinary character, Ctrl-Z ends the file. Every operation
// raises IoError on failure.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class TextFile {
public:
    explicit TextFile(std::string path);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    void Reset(); // open for reading
    bool Eof();
    // Reads up to the next line end; at the end of the file the line is empty. Of a line
    // longer than `limit` only its first `limit` bytes are kept (the rest is read past), and
    // `cut`, when given, says so.
    std::string ReadLine(std::size_t limit = std::string::npos, bool* cut = nullptr);
    void Close();

private:
    template <typename Sink> void ScanLine(Sink&& sink);
    bool Fill(); // false at the end of the data
    void Fail(int err);
    void RequireOpen();

    std::string path_;
    std::FILE* file_ = nullptr;
    bool end_ = false; // physical end or Ctrl-Z reached
    std::vector<char> buf_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

// The first `count` bytes of a regular file (fewer when it is shorter); empty when it cannot be
// read. Nothing past them is read.
std::string FirstBytes(const std::string& path, std::size_t count);
