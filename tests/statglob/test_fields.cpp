// The field rules of ParseNextInt and the integer syntax.
#include "errors.h"
#include "reader.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct FieldCase {
    std::string line;
    std::size_t start;
    std::optional<std::int32_t> value; // nullopt: conversion error
    std::string error;                 // expected message
    std::size_t end;                   // position after a successful read
};

} // namespace

TEST(ParseNextInt, FieldRules) {
    const FieldCase cases[] = {
        // start stands on the ';' before the field (1-based); end on the ';' after it
        {";12;", 1, 12, "", 4},
        {"x;12;7;", 2, 12, "", 5},
        {"x;12;7;", 5, 7, "", 7},
        {";  12;", 1, 12, "", 6}, // leading blanks
        {";-5;", 1, -5, "", 4},   // sign
        {";+5;", 1, 5, "", 4},
        {";0;", 1, 0, "", 3},
        {";2147483647;", 1, 2147483647, "", 12},
        {";-2147483648;", 1, INT32_MIN, "", 13},
        {";42", 1, 42, "", 3}, // last value without ';' runs to the line end
        {";4", 1, 4, "", 2},
        {";12 ;", 1, std::nullopt, "'12 ' ist kein gültiger Integerwert", 0},
        {";;", 1, std::nullopt, "'' ist kein gültiger Integerwert", 0},
        {";;", 0, std::nullopt, "'' ist kein gültiger Integerwert", 0},
        {"", 0, std::nullopt, "'' ist kein gültiger Integerwert", 0},
        {";", 1, std::nullopt, "'' ist kein gültiger Integerwert", 0},
        {";-;", 1, std::nullopt, "'-' ist kein gültiger Integerwert", 0},
        {";  ;", 1, std::nullopt, "'  ' ist kein gültiger Integerwert", 0},
        {";1a;", 1, std::nullopt, "'1a' ist kein gültiger Integerwert", 0},
        {";1 2;", 1, std::nullopt, "'1 2' ist kein gültiger Integerwert", 0},
        {";0x10;", 1, std::nullopt, "'0x10' ist kein gültiger Integerwert", 0},
        {";2147483648;", 1, std::nullopt, "'2147483648' ist kein gültiger Integerwert", 0},
        {";-2147483649;", 1, std::nullopt, "'-2147483649' ist kein gültiger Integerwert", 0},
        {";99999999999999999999;", 1, std::nullopt,
         "'99999999999999999999' ist kein gültiger Integerwert", 0},
        {";\xE4;", 1, std::nullopt, "'ä' ist kein gültiger Integerwert", 0}, // shown decoded
        {";1;", 5, std::nullopt, "'' ist kein gültiger Integerwert", 0},     // past the end
    };
    for (const auto& c : cases) {
        std::size_t pos = c.start;
        if (c.value) {
            EXPECT_EQ(ParseNextInt(pos, c.line), *c.value) << c.line;
            EXPECT_EQ(pos, c.end) << c.line;
        } else {
            try {
                ParseNextInt(pos, c.line);
                ADD_FAILURE() << "no error for " << c.line;
            } catch (const ConversionError& e) {
                EXPECT_EQ(e.what(), c.error) << c.line;
            }
        }
    }
}

TEST(ParseNextInt, WalksALongLine) {
    // Positions are counted wide: values beyond character 255 are read.
    std::string line = "x;";
    for (int i = 0; i < 100; ++i)
        line += std::to_string(100000 + i) + ";";
    ASSERT_GT(line.size(), 255u);
    std::size_t pos = 2;
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(ParseNextInt(pos, line), 100000 + i);
}

TEST(ConversionError, LongFieldIsShownCut) {
    const std::string field(1000, 'x');
    const std::string text = ConversionError(field).what();
    EXPECT_EQ(text, "'" + std::string(255, 'x') + "…' ist kein gültiger Integerwert");
}
