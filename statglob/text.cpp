#include "statglob/text.h"

#include <cstdint>

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
#else
constexpr std::string_view kSeparators = "/";
#endif

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char EncodeCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// The bytes of the well-formed UTF-8 character at `i`; 0 where none starts there (a stray
// byte, a sequence cut off, an overlong form, a surrogate, past U+10FFFF).
std::size_t Utf8CharLength(std::string_view text, std::size_t i) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    if (b < 0x80)
        return 1;
    std::size_t extra = 0;
    char32_t c = 0, min = 0;
    if ((b & 0xE0) == 0xC0)
        extra = 1, c = b & 0x1F, min = 0x80;
    else if ((b & 0xF0) == 0xE0)
        extra = 2, c = b & 0x0F, min = 0x800;
    else if ((b & 0xF8) == 0xF0)
        extra = 3, c = b & 0x07, min = 0x10000;
    else
        return 0;
    if (text.size() - i <= extra)
        return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto t = static_cast<std::uint8_t>(text[i + k]);
        if ((t & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return extra + 1;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80)
            out += ch;
        else if (b < 0xA0)
            AppendUtf8(out, kHigh[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else {
            out += '?';
            ++i;
            continue;
        }
        if (i + extra >= utf8.size()) { // sequence cut off at the end
            out += '?';
            break;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto t = static_cast<std::uint8_t>(utf8[i + k]);
            if ((t & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        out += EncodeCp1252(c);
        i += extra + 1;
    }
    return out;
}

std::string ToValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = Utf8CharLength(text, i)) {
            out.append(text.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD for the lead byte; the next byte starts afresh
            ++i;
        }
    }
    return out;
}

std::string Utf8CutBytes(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes)
        return std::string(utf8);
    std::size_t n = maxBytes;
    while (n > 0 && (static_cast<std::uint8_t>(utf8[n]) & 0xC0) == 0x80)
        --n; // utf8[n] continues a character: cut before that character
    return std::string(utf8.substr(0, n));
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0, n = 0; i < text.size(); i += n)
        if ((n = Utf8CharLength(text, i)) == 0)
            return false;
    return true;
}

std::string FolderOf(std::string_view path) {
    const std::size_t sep = path.find_last_of(kSeparators);
    if (sep == std::string_view::npos)
        return {};
    if (sep == 0 && path[0] == '/')
        return "/";
    return std::string(path.substr(0, sep));
}

std::string BaseName(std::string_view path) {
    const std::size_t sep = path.find_last_of(kSeparators);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string Beside(std::string_view path, std::string_view name) {
    return std::string(path.substr(0, path.size() - BaseName(path).size())) + std::string(name);
}
