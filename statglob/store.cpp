#include "statglob/store.h"

void StatisticsStore::SetFloorNameDefaults() {
    FloorNames[0] = "KG";
    FloorNames[1] = "EG";
    for (int k = 2; k < kFloorSlots; ++k)
        FloorNames[k] = std::to_string(k - 1);
}

void StatisticsStore::SetLabelDefaults() {
    SetFloorNameDefaults();
    for (int h = 0; h < kHours; ++h)
        HourNames[h] = std::to_string(h) + ":00 Uhr";
    const char* shafts[kShafts] = {"Schacht A", "Schacht B", "Schacht C", "Schacht D"};
    for (int s = 0; s < kShafts; ++s)
        ShaftNames[s] = shafts[s];
}
