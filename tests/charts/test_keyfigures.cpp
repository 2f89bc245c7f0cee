// The key figures, hand-computed on small files, and their German presentation.
#include "charts/keyfigures.h"
#include "statglob/reader.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Three floors: KG 10 up calls of 15 s at 7:00; EG 60 up calls at door A of 20 s and 20 at
// door B of 35 s, 50 at 7:00 and 30 at 8:00; floor "1" 10 down calls of 45 s at 17:00.
StatFile Base() {
    StatFile f;
    f.floors = {
        {{}, {}, {15000, 10, 10, 0, 0, 0}, {}, {}, {{7, 10}}},
        {{}, {}, {120000, 60, 30, 30, 0, 0}, {70000, 20, 10, 10, 0, 0}, {}, {{7, 50}, {8, 30}}},
        {{45000, 10, 5, 5, 0, 0}, {}, {}, {}, {{17, 10}}, {}}};
    return f;
}

std::vector<KeyFigureRow> Rows(const StatFile& file) {
    TempDir dir;
    StatisticsStore store;
    LoadStatisticsFile(store, dir.write("k.csv", file.bytes()));
    return KeyFigureRows(ComputeKeyFigures(store));
}

// "section|label" -> value; a label repeated within a section gets "#2", "#3".
std::map<std::string, std::string> ByKey(const std::vector<KeyFigureRow>& rows) {
    std::map<std::string, std::string> byKey;
    for (const KeyFigureRow& r : rows) {
        std::string key = r.section + "|" + r.label;
        for (int n = 2; byKey.count(key); ++n)
            key = r.section + "|" + r.label + "#" + std::to_string(n);
        byKey[key] = r.value;
    }
    return byKey;
}

} // namespace

TEST(KeyFigures, EveryFigureOfASmallFileAndEdgeCases) {
    EXPECT_EQ(KeyFigureText(Rows(Base())), ReadBytes(GS_TEST_DATA "/keyfigures-base.txt"));
    const auto with = [](void (*change)(StatFile&)) {
        StatFile f = Base();
        change(f);
        return f;
    };
    // One floor of 10 down calls, all served by shaft A, with this waiting-time sum.
    const auto waiting = [](int sum, std::map<int, int> hours = {{9, 10}}) {
        StatFile f;
        f.floors = {{{sum, 10, 10, 0, 0, 0}, {}, {}, {}, hours, {}}};
        f.travel = "-;100;0;0;0;";
        return f;
    };
    const std::string period = "Zeitraum|", calls = "Außenrufe|",
                      verdict = "Bewertung der mittleren Wartezeit|Bewertung",
                      wait = "Wartezeit (Mittel je Außenruf)|";
    const struct {
        const char* name;
        StatFile file;
        std::map<std::string, std::string> expected; // "" : the row is absent
    } cases[] = {
        {"no calls at all",
         StatFile{std::vector<Floor>(2), "-;0;0;0;0;"},
         {{period + "Rufe pro Tag", "0,0"},
          {calls + "Auf-Rufe", "0 (–)"},
          {calls + "Tür B", ""},
          {wait + "alle Außenrufe", "–"},
          {wait + "Etage mit längster Wartezeit", "–"},
          {wait + "Rufe an Etagen über 30 s", "–"},
          {verdict, "–"},
          {"Tageszeit|meiste Rufe", "–"},
          {"Tageszeit|Stunden ohne Rufe", "0:00–24:00 Uhr"},
          {"Etagen|Haupteingang (meiste Auf-Rufe)", "–"},
          {"Schächte|Schacht A", "0 Rufe (–), 0 überfahrene Etagen, – je Ruf"},
          {"Hinweise|Prüfen", ""}}},
        {"one direction only",
         with([](StatFile& f) { f.floors[2] = {}; }),
         {{calls + "Ab-Rufe", "0 (0,0 %)"},
          {wait + "Ab-Rufe", "–"},
          {wait + "alle Außenrufe", "22,8 s"},
          {wait + "Etage mit zweitlängster Wartezeit", "KG: 15,0 s (10 Rufe)"},
          {wait + "Etage mit drittlängster Wartezeit", ""},
          {"Tageszeit|meiste Ab-Rufe", "–"},
          {"Schächte|Schacht B", "40 Rufe (44,4 %), 900 überfahrene Etagen, 22,5 je Ruf"}}},
        {"all waiting times zero",
         with([](StatFile& f) {
             for (Floor& fl : f.floors)
                 for (Group* g : {&fl.aDown, &fl.bDown, &fl.aUp, &fl.bUp})
                     g->wait = 0;
         }),
         {{wait + "alle Außenrufe", "0,0 s"},
          {wait + "Etage mit längster Wartezeit", "KG: 0,0 s (10 Rufe)"},
          {wait + "Rufe an Etagen über 30 s", "0,0 %"},
          {verdict, "sehr gut"}}},
        {"a floor under 1 % of the calls", // KG: 1 call of 90 s, under 1 % of 181
         with([](StatFile& f) {
             f.floors[0].aUp = {9000, 1, 1, 0, 0, 0};
             f.floors[1].aUp = {300000, 150, 75, 75, 0, 0};
         }),
         {{wait + "Etage mit längster Wartezeit", "1: 45,0 s (10 Rufe)"},
          {wait + "Etage mit zweitlängster Wartezeit", "EG: 21,8 s (170 Rufe)"},
          {wait + "Etage mit drittlängster Wartezeit", ""},
          {wait + "Rufe an Etagen über 30 s", "6,1 %"}}},
        {"unreadable stop",
         with([](StatFile& f) { f.stop = "gestern"; }),
         {{period + "Stop", "gestern"},
          {period + "Dauer", "nicht auswertbar"},
          {period + "Rufe pro Tag", "nicht auswertbar"}}},
        {"stop not after start",
         with([](StatFile& f) { f.stop = f.start; }),
         {{period + "Dauer", "nicht auswertbar"}}},
        {"dates without time: whole days",
         with([](StatFile& f) {
             f.start = "01.12.2026";
             f.stop = "07.12.2026";
         }),
         {{period + "Dauer", "7,0 Tage (168,0 Stunden)"}}},
        {"a floor of exactly 30 s", waiting(30000), {{wait + "Rufe an Etagen über 30 s", "0,0 %"}}},
        {"two busiest hours: the first",
         waiting(20000, {{9, 5}, {11, 5}}),
         {{"Tageszeit|meiste Rufe", "9:00 Uhr: 5 Rufe (50,0 %)"}}},
        {"50 s",
         waiting(50000),
         {{wait + "alle Außenrufe", "50,0 s"},
          {"Tageszeit|meiste Rufe", "9:00 Uhr: 10 Rufe (100,0 %)"},
          {calls + "Tür B", ""},
          {"Hinweise|Prüfen",
           "Schacht B: keine Rufe, keine Fahrten – nicht vorhanden oder außer Betrieb?"}}},
    };
    for (const auto& c : cases) {
        const auto got = ByKey(Rows(c.file));
        for (const auto& [key, value] : c.expected) {
            const auto it = got.find(key);
            EXPECT_EQ(it == got.end() ? "" : it->second, value) << c.name << ": " << key;
        }
    }
    // The verdict's edges: the limits of 20, 25 and 30 s belong to the better verdict.
    const std::pair<int, const char*> verdicts[] = {
        {20000, "sehr gut"},     {20001, "gut"},      {25000, "gut"},      {25001, "befriedigend"},
        {30000, "befriedigend"}, {30001, "schlecht"}, {49999, "schlecht"}, {50000, "inakzeptabel"}};
    for (const auto& [sum, text] : verdicts)
        EXPECT_EQ(ByKey(Rows(waiting(sum)))[verdict], text) << sum;
}
