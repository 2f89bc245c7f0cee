#include "charts/keyfigures.h"

#include "charts/coversheet.h"
#include "statglob/text.h"

#include <algorithm>

const std::array<VerdictStep, 4> kVerdictScale = {{
    {2000, true, "sehr gut"},
    {2500, true, "gut"},
    {3000, true, "befriedigend"},
    {5000, false, "schlecht"},
}};
const char* const kVerdictAbove = "inakzeptabel";
const char* const kVerdictNote =
    "Die Skala gilt für den Spitzenverkehr; die Datei mittelt über den ganzen Zeitraum.";

namespace {

const char* const kUnreadable = "nicht auswertbar";

std::string Int(std::int64_t v) {
    return std::to_string(v);
}

std::string Seconds(Ratio r) {
    return r.defined() ? FormatRatio(r) + " s" : kNone;
}

std::string Percent(Ratio share) {
    return share.defined() ? FormatRatio(share, 100) + " %" : kNone;
}

std::string Percent(std::int64_t part, std::int64_t whole) {
    return Percent(Ratio{part, whole});
}

std::string CallsWithShare(std::int64_t part, std::int64_t whole) {
    return Int(part) + " (" + Percent(part, whole) + ")";
}

std::string HourName(int h) {
    return std::to_string(h) + ":00 Uhr";
}

// The first hour with the most calls, none when no hour has any.
HourFigure Busiest(const std::array<std::int64_t, kHours>& perHour) {
    HourFigure best;
    for (int h = 0; h < kHours; ++h)
        if (perHour[h] > 0 && perHour[h] > best.calls)
            best = {h, perHour[h]};
    return best;
}

std::string HourValue(const HourFigure& h, std::int64_t whole) {
    if (h.hour < 0)
        return kNone;
    return HourName(h.hour) + ": " + Int(h.calls) + " Rufe (" + Percent(h.calls, whole) + ")";
}

} // namespace

KeyFigures ComputeKeyFigures(const StatisticsStore& s) {
    KeyFigures k;
    const std::string start = PeriodStartOf(s), stop = PeriodStopOf(s);
    k.start = Cp1252ToUtf8(start);
    k.stop = Cp1252ToUtf8(stop);

    // Per floor: calls, up calls, waiting-time sums; totals by direction and door.
    std::vector<FloorFigure> floors;
    std::vector<std::int64_t> upAt;
    std::int64_t wait[kCallGroups] = {0, 0, 0, 0};
    std::int64_t calls[kCallGroups] = {0, 0, 0, 0};
    for (int f = 1; f <= s.FloorCount; ++f) {
        FloorFigure floor{f, Cp1252ToUtf8(s.FloorNames[f - 1].view()), 0, {}};
        std::int64_t waitSum = 0;
        for (int g = 0; g < kCallGroups; ++g) {
            floor.calls += s.CallStat[g][0][f];
            waitSum += s.WaitSum[g][f];
            calls[g] += s.CallStat[g][0][f];
            wait[g] += s.WaitSum[g][f];
        }
        floor.waitSeconds = {waitSum, floor.calls * 100};
        floors.push_back(floor);
        upAt.push_back(std::int64_t{s.CallStat[AUp][0][f]} + s.CallStat[BUp][0][f]);
    }
    k.downCalls = calls[ADown] + calls[BDown];
    k.upCalls = calls[AUp] + calls[BUp];
    k.doorACalls = calls[ADown] + calls[AUp];
    k.doorBCalls = calls[BDown] + calls[BUp];
    k.calls = k.downCalls + k.upCalls;
    k.waitAll = {wait[ADown] + wait[AUp] + wait[BDown] + wait[BUp], k.calls * 100};
    k.waitDown = {wait[ADown] + wait[BDown], k.downCalls * 100};
    k.waitUp = {wait[AUp] + wait[BUp], k.upCalls * 100};
    k.waitDoorA = {wait[ADown] + wait[AUp], k.doorACalls * 100};
    k.waitDoorB = {wait[BDown] + wait[BUp], k.doorBCalls * 100};

    const auto startMinutes = ParsePeriodTime(start, false);
    const auto stopMinutes = ParsePeriodTime(stop, true);
    if (startMinutes && stopMinutes && *stopMinutes > *startMinutes) {
        k.periodMinutes = *stopMinutes - *startMinutes;
        k.startMinutes = startMinutes;
        k.callsPerDay = {k.calls * kMinutesPerDay, *k.periodMinutes};
    }

    if (k.waitAll.defined()) {
        k.verdict = kVerdictAbove;
        for (const VerdictStep& step : kVerdictScale) {
            const std::int64_t bound = step.limit * k.calls;
            if (step.inclusive ? k.waitAll.num <= bound : k.waitAll.num < bound) {
                k.verdict = step.text;
                break;
            }
        }
    }

    std::int64_t above30 = 0, above40 = 0;
    std::vector<FloorFigure> eligible;
    for (const FloorFigure& f : floors) {
        if (f.calls <= 0)
            continue;
        if (f.waitSeconds.num > 3000 * f.calls)
            above30 += f.calls;
        if (f.waitSeconds.num > 4000 * f.calls)
            above40 += f.calls;
        if (k.calls > 0 && f.calls * 100 >= k.calls)
            eligible.push_back(f);
    }
    k.shareAbove30 = {above30, k.calls};
    k.shareAbove40 = {above40, k.calls};
    std::stable_sort(eligible.begin(), eligible.end(), [](const auto& a, const auto& b) {
        return a.waitSeconds.value() > b.waitSeconds.value();
    });
    eligible.resize(std::min<std::size_t>(eligible.size(), 3));
    k.worstFloors = eligible;
    k.floors = floors;

    std::array<std::int64_t, kHours> all{}, up{}, down{};
    for (int h = 0; h < kHours; ++h)
        for (int f = 1; f <= s.FloorCount; ++f) {
            down[h] += s.HourDown[h + 1][f];
            up[h] += s.HourUp[h + 1][f];
        }
    for (int h = 0; h < kHours; ++h) {
        all[h] = down[h] + up[h];
        k.hourCalls += all[h];
        if (all[h] == 0)
            k.hoursWithoutCalls.push_back(h);
    }
    k.busiestHour = Busiest(all);
    k.busiestUpHour = Busiest(up);
    k.busiestDownHour = Busiest(down);

    for (std::size_t i = 0; i < floors.size(); ++i) {
        if (floors[i].calls > 0 && (!k.busiestFloor || floors[i].calls > k.busiestFloor->calls))
            k.busiestFloor = floors[i];
        if (upAt[i] > 0 && (!k.mainEntrance || upAt[i] > k.mainEntrance->calls)) {
            k.mainEntrance = floors[i];
            k.mainEntrance->calls = upAt[i];
        }
    }

    int inUse = 0;
    for (int shaft = 0; shaft < kShafts; ++shaft) {
        ShaftFigure& sf = k.shafts[shaft];
        sf.name = Cp1252ToUtf8(s.ShaftNames[shaft].view());
        for (int f = 1; f <= s.FloorCount; ++f)
            for (int g = 0; g < kCallGroups; ++g)
                sf.calls += s.CallStat[g][shaft + 1][f];
        sf.floorsPassed = s.TravelCount[shaft];
        sf.floorsPerCall = {sf.floorsPassed, sf.calls};
        k.servedCalls += sf.calls;
        inUse += sf.calls > 0 || sf.floorsPassed > 0;
    }
    for (ShaftFigure& sf : k.shafts) {
        sf.share = {sf.calls, k.servedCalls};
        if (k.servedCalls <= 0)
            continue;
        if (sf.calls <= 0 && sf.floorsPassed <= 0) {
            sf.flag = sf.name + ": keine Rufe, keine Fahrten – nicht vorhanden oder außer Betrieb?";
        } else if (sf.calls * 2 * inUse < k.servedCalls) {
            // Below half of an equal share of the shafts in use.
            sf.flag = sf.name + " bediente " + Percent(sf.share) +
                      " der Rufe – außer Betrieb oder gesperrt?";
        }
        sf.flagged = !sf.flag.empty();
        if (sf.flagged)
            k.flags.push_back(sf.flag);
    }
    return k;
}

std::string HourRanges(const std::vector<int>& hours) {
    if (hours.empty())
        return "keine";
    std::string out;
    for (std::size_t i = 0; i < hours.size();) {
        std::size_t j = i;
        while (j + 1 < hours.size() && hours[j + 1] == hours[j] + 1)
            ++j;
        if (!out.empty())
            out += ", ";
        out += std::to_string(hours[i]) + ":00–" + std::to_string(hours[j] + 1) + ":00";
        i = j + 1;
    }
    return out + " Uhr";
}

std::string KeyFigureTitle(const StatisticsStore& s) {
    return "Kennzahlen: " + BaseName(s.FileName.view());
}

std::vector<KeyFigureRow> KeyFigureRows(const KeyFigures& k) {
    std::vector<KeyFigureRow> rows;
    std::string section;
    const auto add = [&](const std::string& label, const std::string& value) {
        rows.push_back({section, label, value});
    };

    section = "Zeitraum";
    add("Start", k.start.empty() ? kNone : k.start);
    add("Stop", k.stop.empty() ? kNone : k.stop);
    if (k.periodMinutes) {
        add("Dauer", FormatRatio({*k.periodMinutes, kMinutesPerDay}) + " Tage (" +
                         FormatRatio({*k.periodMinutes, 60}) + " Stunden)");
        add("Rufe pro Tag", FormatRatio(k.callsPerDay));
    } else {
        add("Dauer", kUnreadable);
        add("Rufe pro Tag", kUnreadable);
    }

    section = "Außenrufe";
    add("Summe", Int(k.calls));
    add("Auf-Rufe", CallsWithShare(k.upCalls, k.calls));
    add("Ab-Rufe", CallsWithShare(k.downCalls, k.calls));
    if (k.doorBCalls > 0)
        add("Tür B", CallsWithShare(k.doorBCalls, k.calls));

    section = "Wartezeit (Mittel je Außenruf)";
    add("alle Außenrufe", Seconds(k.waitAll));
    add("Auf-Rufe", Seconds(k.waitUp));
    add("Ab-Rufe", Seconds(k.waitDown));
    if (k.doorBCalls > 0) {
        add("Tür A", Seconds(k.waitDoorA));
        add("Tür B", Seconds(k.waitDoorB));
    }
    static const char* const kPlaces[] = {"längster", "zweitlängster", "drittlängster"};
    if (k.worstFloors.empty())
        add("Etage mit längster Wartezeit", kNone);
    for (std::size_t i = 0; i < k.worstFloors.size(); ++i) {
        const FloorFigure& f = k.worstFloors[i];
        add(std::string("Etage mit ") + kPlaces[i] + " Wartezeit",
            f.name + ": " + Seconds(f.waitSeconds) + " (" + Int(f.calls) + " Rufe)");
    }
    add("Rufe an Etagen über 30 s", Percent(k.shareAbove30));
    add("Rufe an Etagen über 40 s", Percent(k.shareAbove40));

    section = "Bewertung der mittleren Wartezeit";
    add("Bewertung", k.verdict.empty() ? kNone : k.verdict);
    add("Hinweis", kVerdictNote);

    section = "Tageszeit";
    add("meiste Rufe", HourValue(k.busiestHour, k.hourCalls));
    add("meiste Auf-Rufe", k.busiestUpHour.hour < 0 ? kNone
                                                    : HourName(k.busiestUpHour.hour) + ": " +
                                                          Int(k.busiestUpHour.calls) + " Rufe");
    add("meiste Ab-Rufe", k.busiestDownHour.hour < 0 ? kNone
                                                     : HourName(k.busiestDownHour.hour) + ": " +
                                                           Int(k.busiestDownHour.calls) + " Rufe");
    add("Stunden ohne Rufe", HourRanges(k.hoursWithoutCalls));

    section = "Etagen";
    add("meiste Rufe", k.busiestFloor
                           ? k.busiestFloor->name + ": " + Int(k.busiestFloor->calls) + " Rufe (" +
                                 Percent(k.busiestFloor->calls, k.calls) + ")"
                           : kNone);
    add("Haupteingang (meiste Auf-Rufe)",
        k.mainEntrance ? k.mainEntrance->name + ": " + Int(k.mainEntrance->calls) + " Auf-Rufe"
                       : kNone);

    section = "Schächte";
    for (const ShaftFigure& sf : k.shafts) {
        add(sf.name, Int(sf.calls) + " Rufe (" + Percent(sf.share) + "), " + Int(sf.floorsPassed) +
                         " überfahrene Etagen, " + FormatRatio(sf.floorsPerCall) + " je Ruf");
    }

    section = "Hinweise";
    for (const std::string& flag : k.flags)
        add("Prüfen", flag);
    return rows;
}

KeyFigureTable KeyFigureTableOf(const StatisticsStore& s) {
    return {KeyFigureTitle(s), KeyFigureColumns(), KeyFigureRows(ComputeKeyFigures(s))};
}
