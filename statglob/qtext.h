// UTF-8 texts of the plain layers as QString, and a QString path as the system spells it, for
// the Qt layers. Header only: the statglob library itself has no Qt.
#pragma once

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

inline QString QText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The file name as the system spells it: the bytes of QFile::encodeName (a Latin-1 name too);
// on Windows its UTF-8, not the ANSI code page of encodeName: the core opens UTF-8 names as
// UTF-16 there.
inline std::string FileNameBytes(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// The inverse: a path the core holds, as Qt shows and opens it.
inline QString FileNameText(const std::string& bytes) {
#ifdef Q_OS_WIN
    return QString::fromStdString(bytes);
#else
    return QFile::decodeName(bytes.c_str());
#endif
}
