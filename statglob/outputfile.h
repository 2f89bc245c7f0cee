// Files the programs write: never over one of their inputs, never onto anything but a regular
// file, and complete or not at all.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// True when both paths name the same file: the same file on disk however it is reached ("./x",
// a symbolic or a hard link), or, while neither exists, the same absolute path.
bool SameFile(const std::string& a, const std::string& b);

// Why the file system holds no regular file at `path` ("ein Ordner, keine Datei", "keine
// gewöhnliche Datei" for a device, a named pipe or a socket); empty for a regular file or
// nothing at all. Links are followed.
std::string NoRegularFile(const std::string& path);

// Why `output` must not be written, as a German sentence naming it; empty when it may be.
// Refused are one of `inputs` (empty ones are skipped), naming both files, and anything in
// its place that is no regular file: a folder, a device, a named pipe, a socket.
std::string OutputRefusal(const std::string& output, const std::vector<std::string>& inputs);

// A file written under a unique temporary name beside it and renamed to its name when
// complete: until Commit() the old file stays as it was, and a failure leaves no temporary file
// behind. A symbolic link is followed: its target is replaced. Every failure throws WriteError
// naming `path`; a target that is no regular file is refused before anything is created.
class OutputFile {
public:
    explicit OutputFile(const std::string& path);
    ~OutputFile(); // removes the temporary file of an uncommitted write
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(std::string_view bytes);
    // Flushes and closes the temporary file, then renames it to the target, each step checked.
    void Commit();

private:
    [[noreturn]] void Fail(int err);

    std::string path_;   // as given, for messages
    std::string target_; // what is replaced: the path, or the file a link points to
    std::string temp_;
    std::FILE* file_ = nullptr;
};

// The bytes as the whole new content of `path`, through OutputFile.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
