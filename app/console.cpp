#include "app/console.h"

#ifdef _WIN32
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// needs windows.h first
#include <shellapi.h>
#endif

namespace {

#ifdef _WIN32
// A character that is no UTF-16 becomes U+FFFD.
std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back(); // the terminating NUL
    return bytes;
}

UINT consoleCodePage = 0;
#endif

} // namespace

Utf8Arguments::Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            texts_.push_back(Utf8(wide[i]));
        LocalFree(wide);
    }
    if (texts_.empty())
#endif
        texts_.assign(argv, argv + argc);
    for (std::string& text : texts_)
        pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

void PrepareConsole() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Fails without a console (output into a file or a pipe): nothing to set, nothing to restore.
    const UINT previous = GetConsoleOutputCP();
    if (previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        consoleCodePage = previous;
        std::atexit([] { SetConsoleOutputCP(consoleCodePage); });
    }
#endif
}
