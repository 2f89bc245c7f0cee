// The exceptions of the data layer; what() is German UTF-8 text ready for the error box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The operating system's reason for an errno value, in German ("Zugriff verweigert", "kein
// Speicherplatz mehr frei", ...); "Systemfehler <n>" for values without a text of their own.
std::string SystemReason(int err);

// Input/output error of a text-file operation, with the runtime's code and its standard text.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code);
    // Naming the file: "<standard text>[ (<reason>)]: „<path>“", the reason where the standard
    // text alone would hide it (a read-only file system behind "Dateizugriff verweigert").
    IoError(int code, const std::string& path, const std::string& reason = {});
    // The error of a failed system call on `path`.
    static IoError FromErrno(int err, const std::string& path);
    int code() const { return code_; }

    // The standard text for a code: "Datei nicht gefunden" for 2, "I/O-Fehler %d" for unknown
    // codes.
    static std::string TextFor(int code);
    // Maps an errno value of the C library to a runtime code. Errors without an equivalent
    // keep their own number plus 1000, so they never pose as one of the known codes.
    static int CodeFromErrno(int err);

private:
    int code_;
};

// A file that cannot be written: "Die Datei „<path>“ kann nicht geschrieben werden: <reason>".
class WriteError : public std::runtime_error {
public:
    WriteError(const std::string& path, int err); // the reason from errno
    WriteError(const std::string& path, const std::string& reason);
    int error() const { return err_; } // errno; 0 when the refusal is the program's own
    const std::string& reason() const { return reason_; }

private:
    int err_ = 0;
    std::string reason_;
};

// A field of the statistics file that is not an integer. Once the reader knows where the
// field stands, what() has two lines: the sentence with its closing ".", then the place,
// "Datei buerohaus.csv, Zeile 12, Feld 5", so an engineer can find the value.
class ConversionError : public std::runtime_error {
public:
    // field: the raw Windows-1252 bytes of the field.
    explicit ConversionError(std::string_view field);

    // The same error with its place: file name without folder, line and field from 1.
    ConversionError Located(const std::string& fileName, long line, long field) const;
    bool located() const { return located_; }

private:
    ConversionError(const std::string& text, bool located);
    bool located_ = false;
};

// A statistics file the store cannot take (too many floors, no floor data).
class StatisticsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
