// KeyFigureRow: one line of the key-figure table as plain text, for screen, paper and text.
#pragma once

#include <string>

struct KeyFigureRow {
    std::string section; // heading of the group the row belongs to
    std::string label;
    std::string value;

    bool operator==(const KeyFigureRow& o) const {
        return section == o.section && label == o.label && value == o.value;
    }
};
