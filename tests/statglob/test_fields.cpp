// The field rules of ParseNextInt and the integer syntax.
#include "statglob/errors.h"
#include "statglob/reader.h"

#include <gtest/gtest.h>

#include <optional>

TEST(ParseNextInt, FieldRules) {
    const struct {
        std::string line;
        std::size_t start;                 // on the ';' before the field (1-based)
        std::optional<std::int32_t> value; // nullopt: conversion error showing `shown`
        std::size_t end;                   // on the ';' after it
        std::string shown;
    } cases[] = {
        {"x;12;7;", 2, 12, 5, ""},
        {"x;12;7;", 5, 7, 7, ""},
        {";  12;", 1, 12, 6, ""}, // leading blanks
        {";-5;", 1, -5, 4, ""},
        {";+5;", 1, 5, 4, ""},
        {";2147483647;", 1, INT32_MAX, 12, ""},
        {";-2147483648;", 1, INT32_MIN, 13, ""},
        {";42", 1, 42, 3, ""}, // a last value without ';' runs to the line end
        {";12 ;", 1, std::nullopt, 0, "12 "},
        {";;", 1, std::nullopt, 0, ""},
        {"", 0, std::nullopt, 0, ""},
        {";-;", 1, std::nullopt, 0, "-"},
        {";  ;", 1, std::nullopt, 0, "  "},
        {";1 2;", 1, std::nullopt, 0, "1 2"},
        {";0x10;", 1, std::nullopt, 0, "0x10"},
        {";2147483648;", 1, std::nullopt, 0, "2147483648"},
        {";-2147483649;", 1, std::nullopt, 0, "-2147483649"},
        {";99999999999999999999;", 1, std::nullopt, 0, "99999999999999999999"},
        {";\xE4;", 1, std::nullopt, 0, "ä"}, // shown decoded from Windows-1252
        {";1;", 5, std::nullopt, 0, ""},     // past the end of the line
    };
    for (const auto& c : cases) {
        std::size_t pos = c.start;
        if (c.value) {
            EXPECT_EQ(ParseNextInt(pos, c.line), *c.value) << c.line;
            EXPECT_EQ(pos, c.end) << c.line;
            continue;
        }
        try {
            ParseNextInt(pos, c.line);
            ADD_FAILURE() << "no error for " << c.line;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + c.shown + "' ist kein gültiger Integerwert") << c.line;
        }
    }
}
