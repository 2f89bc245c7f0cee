// The key figures, hand-computed on small files, and their German presentation.
#include "keyfigures.h"
#include "reader.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// One call group of a floor as the file lists it: waiting-time sum (1/100 s), calls, served by
// shafts A..D.
struct Group {
    int wait = 0, calls = 0, a = 0, b = 0, c = 0, d = 0;
};
struct Floor {
    Group aDown, bDown, aUp, bUp;
    std::map<int, int> downAt, upAt; // hour -> calls
};

struct File {
    std::vector<Floor> floors;
    std::string travel = "-;1100;900;50;0;";
    std::string stop = "07.12.26 18:00";
    std::string start = "01.12.26 06:00";
};

// Three floors: KG 10 up calls of 15 s at 7:00; EG 60 up calls at door A of 20 s and 20 at
// door B of 35 s, 50 at 7:00 and 30 at 8:00; floor "1" 10 down calls of 45 s at 17:00.
File Base() {
    File f;
    f.floors = {
        {{}, {}, {15000, 10, 10, 0, 0, 0}, {}, {}, {{7, 10}}},
        {{}, {}, {120000, 60, 30, 30, 0, 0}, {70000, 20, 10, 10, 0, 0}, {}, {{7, 50}, {8, 30}}},
        {{45000, 10, 5, 5, 0, 0}, {}, {}, {}, {{17, 10}}, {}}};
    return f;
}

std::vector<KeyFigureRow> Rows(const File& file) {
    auto lines = HeaderLines();
    lines[1] = file.stop + ";Stop";
    lines[4] = "Start;" + file.start + ";";
    for (std::size_t i = 0; i < file.floors.size(); ++i) {
        const Floor& fl = file.floors[i];
        std::string line = std::to_string(i + 1) + ";";
        for (const Group& g : {fl.aDown, fl.bDown, fl.aUp, fl.bUp})
            for (int v : {g.wait, g.calls, g.a, g.b, g.c, g.d})
                line += std::to_string(v) + ";";
        std::string hours = ";";
        for (const auto* at : {&fl.downAt, &fl.upAt})
            for (int h = 0; h < 24; ++h)
                hours += std::to_string(at->count(h) ? at->at(h) : 0) + ";";
        lines.push_back(line);
        lines.push_back(hours);
    }
    lines.push_back(file.travel);
    TempDir dir;
    StatisticsStore store;
    LoadStatisticsFile(store, dir.write("k.csv", JoinLines(lines)));
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

TEST(KeyFigures, EveryFigureOfASmallFile) {
    EXPECT_EQ(KeyFigureText(Rows(Base())), R"(Zeitraum
  Start: 01.12.26 06:00
  Stop: 07.12.26 18:00
  Dauer: 6,5 Tage (156,0 Stunden)
  Rufe pro Tag: 15,4

Außenrufe
  Summe: 100
  Auf-Rufe: 90 (90,0 %)
  Ab-Rufe: 10 (10,0 %)
  Tür B: 20 (20,0 %)

Wartezeit (Mittel je Außenruf)
  alle Außenrufe: 25,0 s
  Auf-Rufe: 22,8 s
  Ab-Rufe: 45,0 s
  Tür A: 22,5 s
  Tür B: 35,0 s
  Etage mit längster Wartezeit: 1: 45,0 s (10 Rufe)
  Etage mit zweitlängster Wartezeit: EG: 23,8 s (80 Rufe)
  Etage mit drittlängster Wartezeit: KG: 15,0 s (10 Rufe)
  Rufe an Etagen über 30 s: 10,0 %
  Rufe an Etagen über 40 s: 10,0 %

Bewertung der mittleren Wartezeit
  Bewertung: gut
  Hinweis: Die Skala gilt für den Spitzenverkehr; die Datei mittelt über den ganzen Zeitraum.

Tageszeit
  meiste Rufe: 7:00 Uhr: 60 Rufe (60,0 %)
  meiste Auf-Rufe: 7:00 Uhr: 60 Rufe
  meiste Ab-Rufe: 17:00 Uhr: 10 Rufe
  Stunden ohne Rufe: 0:00–7:00, 9:00–17:00, 18:00–24:00 Uhr

Etagen
  meiste Rufe: EG: 80 Rufe (80,0 %)
  Haupteingang (meiste Auf-Rufe): EG: 80 Auf-Rufe

Schächte
  Schacht A: 55 Rufe (55,0 %), 1100 überfahrene Etagen, 20,0 je Ruf
  Schacht B: 45 Rufe (45,0 %), 900 überfahrene Etagen, 20,0 je Ruf
  Schacht C: 0 Rufe (0,0 %), 50 überfahrene Etagen, – je Ruf
  Schacht D: 0 Rufe (0,0 %), 0 überfahrene Etagen, – je Ruf

Hinweise
  Prüfen: Schacht C bediente 0,0 % der Rufe – außer Betrieb oder gesperrt?
  Prüfen: Schacht D: keine Rufe, keine Fahrten – nicht vorhanden oder außer Betrieb?
)");
}

TEST(KeyFigures, EdgeCases) {
    const auto noCalls = [] {
        File f;
        f.floors.resize(2);
        f.travel = "-;0;0;0;0;";
        return f;
    };
    const auto upOnly = [] {
        File f = Base();
        f.floors[2] = {};
        return f;
    };
    const auto noWait = [] {
        File f = Base();
        for (Floor& fl : f.floors)
            for (Group* g : {&fl.aDown, &fl.bDown, &fl.aUp, &fl.bUp})
                g->wait = 0;
        return f;
    };
    const auto period = [](std::string start, std::string stop) {
        File f = Base();
        f.start = start;
        f.stop = stop;
        return f;
    };
    // One floor of 10 down calls, all served by shaft A, with this waiting-time sum.
    const auto waiting = [](int sum) {
        File f;
        f.floors = {{{sum, 10, 10, 0, 0, 0}, {}, {}, {}, {{9, 10}}, {}}};
        f.travel = "-;100;0;0;0;";
        return f;
    };
    const auto rareFloor = [] { // KG: 1 call of 90 s, under 1 % of 181
        File f = Base();
        f.floors[0].aUp = {9000, 1, 1, 0, 0, 0};
        f.floors[1].aUp = {300000, 150, 75, 75, 0, 0};
        return f;
    };
    const struct {
        const char* name;
        File file;
        std::map<std::string, std::string> expected; // "" : the row is absent
    } cases[] = {
        {"no calls at all",
         noCalls(),
         {{"Zeitraum|Rufe pro Tag", "0,0"},
          {"Außenrufe|Auf-Rufe", "0 (–)"},
          {"Außenrufe|Tür B", ""},
          {"Wartezeit (Mittel je Außenruf)|alle Außenrufe", "–"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit längster Wartezeit", "–"},
          {"Wartezeit (Mittel je Außenruf)|Rufe an Etagen über 30 s", "–"},
          {"Bewertung der mittleren Wartezeit|Bewertung", "–"},
          {"Tageszeit|meiste Rufe", "–"},
          {"Tageszeit|Stunden ohne Rufe", "0:00–24:00 Uhr"},
          {"Etagen|Haupteingang (meiste Auf-Rufe)", "–"},
          {"Schächte|Schacht A", "0 Rufe (–), 0 überfahrene Etagen, – je Ruf"},
          {"Hinweise|Prüfen", ""}}},
        {"one direction only",
         upOnly(),
         {{"Außenrufe|Ab-Rufe", "0 (0,0 %)"},
          {"Wartezeit (Mittel je Außenruf)|Ab-Rufe", "–"},
          {"Wartezeit (Mittel je Außenruf)|alle Außenrufe", "22,8 s"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit zweitlängster Wartezeit",
           "KG: 15,0 s (10 Rufe)"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit drittlängster Wartezeit", ""},
          {"Tageszeit|meiste Ab-Rufe", "–"},
          {"Schächte|Schacht B", "40 Rufe (44,4 %), 900 überfahrene Etagen, 22,5 je Ruf"}}},
        {"all waiting times zero",
         noWait(),
         {{"Wartezeit (Mittel je Außenruf)|alle Außenrufe", "0,0 s"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit längster Wartezeit", "KG: 0,0 s (10 Rufe)"},
          {"Wartezeit (Mittel je Außenruf)|Rufe an Etagen über 30 s", "0,0 %"},
          {"Bewertung der mittleren Wartezeit|Bewertung", "sehr gut"}}},
        {"a floor under 1 % of the calls",
         rareFloor(),
         {{"Wartezeit (Mittel je Außenruf)|Etage mit längster Wartezeit", "1: 45,0 s (10 Rufe)"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit zweitlängster Wartezeit",
           "EG: 21,8 s (170 Rufe)"},
          {"Wartezeit (Mittel je Außenruf)|Etage mit drittlängster Wartezeit", ""},
          {"Wartezeit (Mittel je Außenruf)|Rufe an Etagen über 30 s", "6,1 %"}}},
        {"unreadable stop",
         period("01.12.26 06:00", "gestern"),
         {{"Zeitraum|Stop", "gestern"},
          {"Zeitraum|Dauer", "nicht auswertbar"},
          {"Zeitraum|Rufe pro Tag", "nicht auswertbar"}}},
        {"stop not after start",
         period("01.12.26 06:00", "01.12.26 06:00"),
         {{"Zeitraum|Dauer", "nicht auswertbar"}}},
        {"31 February",
         period("31.02.26 06:00", "07.12.26"),
         {{"Zeitraum|Dauer", "nicht auswertbar"}}},
        {"dates without time: whole days",
         period("01.12.2026", "07.12.2026"),
         {{"Zeitraum|Dauer", "7,0 Tage (168,0 Stunden)"}, {"Zeitraum|Rufe pro Tag", "14,3"}}},
        {"over a leap day",
         period("28.02.24 12:00", "01.03.24 12:00"),
         {{"Zeitraum|Dauer", "2,0 Tage (48,0 Stunden)"}}},
        {"20 s", waiting(20000), {{"Bewertung der mittleren Wartezeit|Bewertung", "sehr gut"}}},
        {"20.001 s", waiting(20001), {{"Bewertung der mittleren Wartezeit|Bewertung", "gut"}}},
        {"25 s", waiting(25000), {{"Bewertung der mittleren Wartezeit|Bewertung", "gut"}}},
        {"25.001 s",
         waiting(25001),
         {{"Bewertung der mittleren Wartezeit|Bewertung", "befriedigend"}}},
        {"30 s", waiting(30000), {{"Bewertung der mittleren Wartezeit|Bewertung", "befriedigend"}}},
        {"30.001 s", waiting(30001), {{"Bewertung der mittleren Wartezeit|Bewertung", "schlecht"}}},
        {"49.999 s", waiting(49999), {{"Bewertung der mittleren Wartezeit|Bewertung", "schlecht"}}},
        {"50 s",
         waiting(50000),
         {{"Bewertung der mittleren Wartezeit|Bewertung", "inakzeptabel"},
          {"Wartezeit (Mittel je Außenruf)|alle Außenrufe", "50,0 s"},
          {"Tageszeit|meiste Rufe", "9:00 Uhr: 10 Rufe (100,0 %)"},
          {"Außenrufe|Tür B", ""},
          {"Hinweise|Prüfen", "Schacht B: keine Rufe, keine Fahrten – nicht vorhanden oder "
                              "außer Betrieb?"}}},
    };
    for (const auto& c : cases) {
        const auto got = ByKey(Rows(c.file));
        for (const auto& [key, value] : c.expected) {
            const auto it = got.find(key);
            EXPECT_EQ(it == got.end() ? "" : it->second, value) << c.name << ": " << key;
        }
    }
}

TEST(KeyFigures, RoundingAndPeriodForms) {
    const struct {
        Ratio r;
        std::int64_t scale;
        const char* text;
    } ratios[] = {{{1, 3}, 100, "33,3"}, {{5, 100}, 1, "0,1"}, {{-5, 100}, 1, "-0,1"},
                  {{-1, 100}, 1, "0,0"}, {{1, 0}, 1, "–"},     {{1, -2}, 1, "–"}};
    for (const auto& c : ratios)
        EXPECT_EQ(FormatRatio(c.r, c.scale), c.text) << c.r.num << "/" << c.r.den;

    const struct {
        const char* text;
        bool endOfDay;
        std::optional<std::int64_t> minutes; // since 1.1.2000
    } times[] = {
        {"01.01.2000", false, 0},
        {"01.01.2000", true, 1440},
        {"01.01.00 00:01", false, 1},
        {" 01.03.2000 7:05 ", false, 60 * 1440 + 425},
        {"29.02.23", false, std::nullopt},
        {"01.12.26 24:00", false, std::nullopt},
        {"01.12.26 06:60", false, std::nullopt},
        {"01.12.026", false, std::nullopt},
        {"01.12.26 06:00x", false, std::nullopt},
        {"", false, std::nullopt},
    };
    for (const auto& c : times)
        EXPECT_EQ(ParsePeriodTime(c.text, c.endOfDay), c.minutes) << c.text;
}
