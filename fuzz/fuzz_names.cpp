// libFuzzer target: any bytes as the report tool's floor names file. A file it takes gives at
// most 40 printable names of at most 10 characters; one it refuses changes no name and says why
// in a short, valid UTF-8 message naming the file and the line. Whatever the size, only what
// the rules need is read.
#include "fuzz/fuzzinput.h"
#include "statglob/floornames.h"
#include "statglob/text.h"
#include "tests/support/loadpath.h"

#include <stdexcept>

namespace {

std::vector<std::string> Names(const StatisticsStore& store) {
    std::vector<std::string> names;
    for (const auto& name : store.FloorNames)
        names.emplace_back(name.view());
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFile file("namen.txt");
    file.Write({reinterpret_cast<const char*>(data), size});
    StatisticsStore store;
    const std::vector<std::string> before = Names(store);
    try {
        ReadFloorNamesFile(file.path(), store);
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        Require(IsValidUtf8(message), "message is not UTF-8: " + message);
        Require(message.rfind(file.path() + ", Zeile ", 0) == 0, "no line named: " + message);
        // The quote holds at most 40 characters of at most 4 bytes.
        Require(message.size() <= file.path().size() + 260, "message too long: " + message);
        Require(Names(store) == before, "a refused file changed the names");
        return 0;
    }
    for (const std::string& name : Names(store)) {
        Require(name.size() <= 10, "name longer than 10: " + name);
        for (const char c : name) {
            const auto b = static_cast<std::uint8_t>(c);
            Require(b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 &&
                        b != 0x9D,
                    "control character in a name: " + name);
        }
    }
    return 0;
}
