#include "statglob/floornames.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kNameLength = decltype(StatisticsStore::FloorNames)::value_type::Capacity;
// Bytes of a line that are read: far more than ten characters take in UTF-8, so a longer line is
// known as too long without reading it through, whatever the file's size.
constexpr std::size_t kLineBytes = 256;
// Characters of a bad line that its message quotes.
constexpr std::size_t kQuotedCharacters = 40;

[[noreturn]] void Broken(const std::string& path, std::size_t line, const std::string& why) {
    throw std::runtime_error(path + ", Zeile " + std::to_string(line) + ": " + why);
}

// C0 and C1 control characters and DEL.
bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

// A Windows-1252 byte that stands for a control character: C0, DEL, and the five bytes the
// code page leaves undefined, which stand for C1 characters.
bool IsControlByte(std::uint8_t b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// The line as a message quotes it: valid UTF-8, at most 40 characters, each control character
// shown as "?".
std::string Quoted(const std::string& line, bool cut) {
    const std::string valid = ToValidUtf8(line);
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < valid.size();) {
        const auto b = static_cast<std::uint8_t>(valid[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        if (characters++ == kQuotedCharacters) {
            cut = true;
            break;
        }
        char32_t c = b; // the control characters take one or two bytes
        if (length == 2)
            c = ((b & 0x1Fu) << 6) | (static_cast<std::uint8_t>(valid[i + 1]) & 0x3Fu);
        shown += length <= 2 && IsControl(c) ? std::string("?") : valid.substr(i, length);
        i += length;
    }
    return "„" + shown + (cut ? "…" : "") + "“";
}

// Reads one line of at most kLineBytes bytes; CR, LF and CR LF end it. False at the end of the
// file. `cut`: the line goes on (it is not read further).
bool ReadLine(std::istream& in, std::string& line, bool& cut) {
    line.clear();
    cut = false;
    for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (in.peek() == '\n')
                in.get();
            return true;
        }
        if (line.size() == kLineBytes) {
            cut = true;
            return true;
        }
        line += static_cast<char>(c);
    }
    return !line.empty();
}

} // namespace

std::string FloorNamesFileBeside(const std::string& statisticsFile) {
    return Beside(statisticsFile, kFloorNamesFileName);
}

std::vector<std::string> ReadFloorNames(const std::string& path) {
    // Only plain files are read: a pipe would block the open, a device never end.
    if (const std::string why = NoRegularFile(path); !why.empty())
        throw IoError(5, path, why);
    errno = 0;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in)
        throw IoError::FromErrno(errno ? errno : ENOENT, path);

    // At most one line more than there are floors is read, each only up to kLineBytes.
    std::vector<std::string> names;
    std::string line;
    bool cut = false;
    for (std::size_t number = 1; ReadLine(in, line, cut); ++number) {
        if (number == 1 && line.rfind(kUtf8Bom, 0) == 0) // an editor's byte-order mark
            line.erase(0, 3);
        if (number > static_cast<std::size_t>(kMaxFloors))
            Broken(path, number, "mehr als " + std::to_string(kMaxFloors) + " Etagen");
        const std::string quoted = Quoted(line, cut);
        const std::string tooLong =
            quoted + " ist länger als " + std::to_string(kNameLength) + " Zeichen";
        if (cut)
            Broken(path, number, tooLong);
        if (ToValidUtf8(line) != line)
            Broken(path, number, quoted + " ist kein UTF-8-Text");
        const std::string cp1252 = Utf8ToCp1252(line);
        if (Cp1252ToUtf8(cp1252) != line)
            Broken(path, number, quoted + " enthält Zeichen außerhalb von Windows-1252");
        for (const char c : cp1252)
            if (IsControlByte(static_cast<std::uint8_t>(c)))
                Broken(path, number, quoted + " enthält ein Steuerzeichen");
        if (cp1252.size() > kNameLength)
            Broken(path, number, tooLong);
        names.push_back(cp1252);
    }
    if (in.bad())
        throw IoError(100, path);
    return names;
}

void ReadFloorNamesFile(const std::string& path, StatisticsStore& store) {
    const std::vector<std::string> names = ReadFloorNames(path);
    for (std::size_t k = 0; k < names.size(); ++k)
        store.FloorNames[k] = names[k];
}

void WriteFloorNamesFile(const std::string& path, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += Cp1252ToUtf8(name) + "\r\n";
    WriteFileAtomically(path, text);
}
