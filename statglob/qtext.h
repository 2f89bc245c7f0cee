// UTF-8 texts of the plain layers as QString, for the Qt layers. Header only: the statglob
// library itself has no Qt.
#pragma once

#include <QString>

#include <string_view>

inline QString QText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
