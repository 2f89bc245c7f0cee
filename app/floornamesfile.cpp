#include "app/floornamesfile.h"

#include "statglob/errors.h"
#include "statglob/text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kNameLength = decltype(StatisticsStore::FloorNames)::value_type::Capacity;

[[noreturn]] void Broken(const std::string& path, std::size_t line, const std::string& why) {
    throw std::runtime_error(path + ", Zeile " + std::to_string(line) + ": " + why);
}

} // namespace

void ReadFloorNamesFile(const std::string& path, StatisticsStore& store) {
    // Only plain files are read: a pipe would block the open, a device never end.
    std::error_code ec;
    const auto type = std::filesystem::status(std::filesystem::u8path(path), ec).type();
    if (!ec && type != std::filesystem::file_type::regular)
        throw IoError(5);
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in)
        throw IoError(2);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw IoError(100);
    if (text.rfind(kUtf8Bom, 0) == 0) // an editor's byte-order mark
        text.erase(0, 3);

    std::vector<std::string> names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t number = names.size() + 1;
        if (number > static_cast<std::size_t>(kMaxFloors))
            Broken(path, number, "mehr als " + std::to_string(kMaxFloors) + " Etagen");
        const std::string cp1252 = Utf8ToCp1252(line);
        const std::string quoted = "„" + line + "“";
        if (Cp1252ToUtf8(cp1252) != line)
            Broken(path, number, quoted + " enthält Zeichen außerhalb von Windows-1252");
        if (cp1252.size() > kNameLength)
            Broken(path, number,
                   quoted + " ist länger als " + std::to_string(kNameLength) + " Zeichen");
        names.push_back(cp1252);
    }
    for (std::size_t k = 0; k < names.size(); ++k)
        store.FloorNames[k] = names[k];
}
