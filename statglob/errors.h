// The exceptions of the data layer; what() is German UTF-8 text ready for the error box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Input/output error of a text-file operation, with the runtime's code and its standard text.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code);
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
