#include "charts/overview.h"

#include "charts/chartprep.h"
#include "charts/figurestext.h"
#include "statglob/errors.h"
#include "statglob/reader.h"
#include "statglob/text.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

// MinGW's win32 thread model (the Windows cross-check) has no std::thread: one thread reads.
#if defined(__MINGW32__) && !defined(_GLIBCXX_HAS_GTHREADS)
#define GS_ONE_THREAD 1
#else
#include <thread>
#endif

namespace fs = std::filesystem;

namespace {

bool IsCsvName(const std::string& name) {
    if (name.size() < 5 || name[0] == '.')
        return false;
    std::string suffix = name.substr(name.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return suffix == ".csv";
}

int ErrnoOf(const std::error_code& ec) {
    return ec.default_error_condition().value();
}

OverviewRow FolderRow(const std::string& folder, const std::string& relative, int err) {
    OverviewRow row;
    row.relative = relative;
    row.path = JoinPath(folder, relative.substr(0, relative.size() - 1));
    row.error = FolderError(row.path, err);
    row.errorNamesFile = true;
    return row;
}

std::string Int(std::int64_t v) {
    return std::to_string(v);
}

// The hours of the day of which the period holds at least one whole hour; all of them when the
// period cannot be read.
std::vector<bool> CoveredHours(const KeyFigures& k) {
    std::vector<bool> covered(kHours, !k.startMinutes || !k.periodMinutes);
    if (!k.startMinutes || !k.periodMinutes)
        return covered;
    const std::int64_t stop = *k.startMinutes + *k.periodMinutes;
    std::int64_t t = *k.startMinutes + 59;
    t -= ((t % 60) + 60) % 60; // the first full hour
    for (int n = 0; n < kHours && t + 60 <= stop; ++n, t += 60)
        covered[static_cast<std::size_t>((((t / 60) % kHours) + kHours) % kHours)] = true;
    return covered;
}

std::string PeriodLabel(const OverviewRow& row) {
    return row.startMinutes ? DayMonthYear(*row.startMinutes) : row.file();
}

OverviewCell Number(std::optional<double> value, int decimals) {
    if (!value)
        return {};
    return {FormatDecimal(*value, decimals), value};
}

std::optional<double> ValueOf(Ratio r, double scale = 1) {
    return r.defined() ? std::optional<double>(r.value() * scale) : std::nullopt;
}

std::string NotesText(const OverviewRow& row) {
    if (row.notStatistics)
        return kNotStatisticsFile;
    if (!row.read()) {
        std::string text = row.error;
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }
    std::string text = row.trendNote;
    for (const std::string& note : row.notes)
        text += (text.empty() ? "" : "; ") + note;
    return text;
}

} // namespace

std::string OverviewRow::folder() const {
    if (!relative.empty() && relative.back() == '/')
        return relative.substr(0, relative.size() - 1);
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string OverviewRow::file() const {
    if (!relative.empty() && relative.back() == '/')
        return {};
    return relative.substr(relative.rfind('/') + 1);
}

std::string JoinPath(const std::string& folder, const std::string& relative) {
    if (folder.empty())
        return relative;
    if (relative.empty())
        return folder;
    const char last = folder.back();
    return folder + (last == '/' || last == '\\' ? "" : "/") + relative;
}

std::string FolderError(const std::string& folder, int err) {
    return "Der Ordner „" + ToValidUtf8(folder) + "“ kann nicht gelesen werden: " +
           (err == ENOTDIR ? std::string("kein Ordner") : SystemReason(err));
}

FolderScan ScanFolder(const std::string& folder, const std::atomic<bool>* cancel) {
    FolderScan scan;
    std::vector<std::string> pending{std::string()}; // relative folders, each ending in "/"
    while (!pending.empty() && !(cancel && *cancel)) {
        const std::string prefix = std::move(pending.back());
        pending.pop_back();
        const std::string here =
            prefix.empty() ? folder : JoinPath(folder, prefix.substr(0, prefix.size() - 1));
        std::error_code ec;
        fs::directory_iterator it(fs::u8path(here.empty() ? "." : here), ec);
        if (ec && prefix.empty())
            throw std::runtime_error(FolderError(here, ErrnoOf(ec)));
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string name = it->path().filename().u8string();
            if (name.empty() || name[0] == '.')
                continue;
            std::error_code typeError;
            const bool csv = IsCsvName(name);
            if (it->is_symlink(typeError)) {
                // A link to a file is read; a linked folder is not followed (no loops).
                if (csv && !it->is_directory(typeError))
                    scan.files.push_back(prefix + name);
            } else if (it->is_directory(typeError)) {
                pending.push_back(prefix + name + "/");
            } else if (csv) {
                scan.files.push_back(prefix + name);
            }
        }
        if (ec)
            scan.unreadableFolders.push_back(FolderRow(folder, prefix, ErrnoOf(ec)));
    }
    std::sort(scan.files.begin(), scan.files.end());
    std::sort(scan.unreadableFolders.begin(), scan.unreadableFolders.end(),
              [](const OverviewRow& a, const OverviewRow& b) { return a.relative < b.relative; });
    return scan;
}

OverviewRow ReadOverviewRow(const std::string& folder, const std::string& relative,
                            const std::function<void(const KeyFigures&)>& withFigures) {
    OverviewRow row;
    row.relative = relative;
    row.path = JoinPath(folder, relative);
    try {
        StatisticsStore store;
        LoadStatisticsFile(store, row.path);
        const KeyFigures k = ComputeKeyFigures(store);
        row.floors = store.FloorCount;
        row.start = k.start;
        row.stop = k.stop;
        row.startMinutes = k.startMinutes;
        row.periodMinutes = k.periodMinutes;
        row.callsPerDay = k.callsPerDay;
        row.waitAll = k.waitAll;
        row.waitUp = k.waitUp;
        row.waitDown = k.waitDown;
        row.shareAbove30 = k.shareAbove30;
        row.verdict = k.verdict;
        if (!k.worstFloors.empty())
            row.longestWait = k.worstFloors.front();
        row.busiestHour = k.busiestHour;
        row.hourCalls = k.hourCalls;
        row.notes = k.flags;
        for (std::string& note : OverviewChecks(store, k))
            row.notes.push_back(std::move(note));
        if (withFigures)
            withFigures(k);
    } catch (const IoError& e) {
        row.error = e.what();
        row.errorNamesFile = true;
    } catch (const std::exception& e) {
        row.error = e.what();
    }
    if (!row.read())
        row.notStatistics = IsExportedTable(row.path);
    return row;
}

void ReadOverview(const std::string& folder, const std::vector<std::string>& files,
                  const OverviewVisitor& done, const std::atomic<bool>* cancel, unsigned threads) {
#ifdef GS_ONE_THREAD
    threads = 1;
#else
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
#endif
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, files.size()));
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::vector<std::exception_ptr> errors(threads);
    const auto work = [&](unsigned worker) {
        try {
            for (std::size_t i; (i = next++) < files.size();) {
                if ((cancel && *cancel) || failed)
                    return;
                KeyFigures figures;
                bool read = false;
                OverviewRow row = ReadOverviewRow(folder, files[i], [&](const KeyFigures& k) {
                    figures = k;
                    read = true;
                });
                done(i, std::move(row), read ? &figures : nullptr);
            }
        } catch (...) { // from `done`: the others stop, and the caller gets it
            errors[worker] = std::current_exception();
            failed = true;
        }
    };
#ifdef GS_ONE_THREAD
    if (threads > 0)
        work(0);
#else
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work, t);
    if (threads > 0)
        work(0);
    for (std::thread& t : pool)
        t.join();
#endif
    for (const std::exception_ptr& e : errors)
        if (e)
            std::rethrow_exception(e);
}

std::vector<std::string> OverviewChecks(const StatisticsStore& s, const KeyFigures& k) {
    std::vector<std::string> notes;
    const auto callsAt = [&s](int f, bool up) {
        return up ? std::int64_t{s.CallStat[AUp][0][f]} + s.CallStat[BUp][0][f]
                  : std::int64_t{s.CallStat[ADown][0][f]} + s.CallStat[BDown][0][f];
    };
    for (int f = 2; f < s.FloorCount; ++f)
        for (const bool up : {true, false}) {
            const std::int64_t below = callsAt(f - 1, up), above = callsAt(f + 1, up);
            if (callsAt(f, up) == 0 && below >= kBusyNeighbour && above >= kBusyNeighbour)
                notes.push_back(k.floors[static_cast<std::size_t>(f - 1)].name + ": keine " +
                                (up ? "Auf" : "Ab") + "-Rufe, die Etagen darunter und darüber " +
                                Int(below) + " und " + Int(above) + " – Ruftaster defekt?");
        }
    if (k.servedCalls < k.calls)
        notes.push_back(Int(k.calls - k.servedCalls) + " der " + Int(k.calls) + " Rufe (" +
                        FormatRatio({k.calls - k.servedCalls, k.calls}, 100) +
                        " %) von keinem Schacht bedient");
    const std::vector<bool> covered = CoveredHours(k);
    std::vector<int> silent;
    for (int h : k.hoursWithoutCalls)
        if (covered[static_cast<std::size_t>(h)])
            silent.push_back(h);
    if (!silent.empty())
        notes.push_back("keine Rufe im ganzen Gebäude " + HourRanges(silent) +
                        " – Aufzeichnung unterbrochen?");
    return notes;
}

std::vector<OverviewGroup> GroupRows(std::vector<OverviewRow>& rows) {
    std::map<std::pair<std::string, int>, OverviewGroup> byKey;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        OverviewRow& row = rows[i];
        row.trendNote.clear();
        if (!row.read())
            continue;
        OverviewGroup& g = byKey[{row.folder(), row.floors}];
        g.folder = row.folder();
        g.floors = row.floors;
        g.periods.push_back(i);
    }
    std::vector<OverviewGroup> groups;
    for (auto& [key, g] : byKey) {
        std::stable_sort(g.periods.begin(), g.periods.end(), [&](std::size_t a, std::size_t b) {
            const OverviewRow &x = rows[a], &y = rows[b];
            if (x.startMinutes.has_value() != y.startMinutes.has_value())
                return x.startMinutes.has_value();
            if (x.startMinutes && *x.startMinutes != *y.startMinutes)
                return *x.startMinutes < *y.startMinutes;
            return x.relative < y.relative;
        });
        std::optional<std::size_t> best;
        for (std::size_t i : g.periods) {
            OverviewRow& row = rows[i];
            std::optional<double> change;
            if (best && row.waitAll.defined() && rows[*best].waitAll.value() > 0) {
                const double wait = row.waitAll.value(), least = rows[*best].waitAll.value();
                change = (wait - least) / least * 100;
                if (wait * 100 > least * (100 + kTrendWorse))
                    row.trendNote = "Wartezeit " + FormatDecimal(wait, 1) + " s, " +
                                    FormatDecimal(*change, 1) + " % über dem besten früheren " +
                                    "Zeitraum (" + PeriodLabel(rows[*best]) + ": " +
                                    FormatDecimal(least, 1) + " s)";
            }
            g.changeFromBest.push_back(change);
            if (row.waitAll.defined() &&
                (!best || row.waitAll.value() < rows[*best].waitAll.value()))
                best = i;
        }
        groups.push_back(std::move(g));
    }
    return groups;
}

void DrawTrendChart(TrendChart which, const OverviewGroup& group,
                    const std::vector<OverviewRow>& rows, TChartfx& chart) {
    std::vector<std::string> legends;
    for (std::size_t i : group.periods)
        legends.push_back(PeriodLabel(rows[i]));
    const std::string of = (group.folder.empty() ? "" : ": " + group.folder) + " (" +
                           std::to_string(group.floors) + " Etagen)";
    const auto series = [&](Ratio OverviewRow::*figure) {
        std::vector<double> values;
        for (std::size_t i : group.periods)
            values.push_back((rows[i].*figure).value());
        return values;
    };
    ChartWriter w(chart);
    if (which == TrendChart::Waits) {
        w.PrepareChart("Verlauf der mittleren Wartezeit" + of, "Wartezeit in s",
                       "Beginn des Zeitraums", legends, 3, 1);
        w.WriteSeries(0, "alle Außenrufe", series(&OverviewRow::waitAll));
        w.WriteSeries(1, "Auf-Rufe", series(&OverviewRow::waitUp));
        w.WriteSeries(2, "Ab-Rufe", series(&OverviewRow::waitDown));
        w.ChartMax = (w.ChartMax / 10 + 1) * 10; // seconds: the next ten above
        w.CloseUnrounded();
    } else {
        w.PrepareChart("Verlauf der Außenrufe pro Tag" + of, "Rufe pro Tag", "Beginn des Zeitraums",
                       legends, 1, 1);
        w.WriteSeries(0, "Rufe pro Tag", series(&OverviewRow::callsPerDay));
        w.Close();
    }
}

// clang-format off
const std::array<OverviewColumn, 14> kOverviewColumns = {{
    {"Ordner", -1, false, [](const OverviewRow& r) { return OverviewCell{r.folder(), {}}; }},
    {"Datei", -1, false, [](const OverviewRow& r) { return OverviewCell{r.file(), {}}; }},
    {"Zeitraum", -1, true, [](const OverviewRow& r) {
         if (!r.read())
             return OverviewCell{};
         return OverviewCell{r.start + "–" + r.stop,
                             r.startMinutes ? std::optional<double>(*r.startMinutes)
                                            : std::nullopt};
     }},
    {"Tage", 1, true, [](const OverviewRow& r) {
         return Number(r.periodMinutes ? std::optional<double>(
                                             static_cast<double>(*r.periodMinutes) / kMinutesPerDay)
                                       : std::nullopt, 1);
     }},
    {"Etagen", 0, true, [](const OverviewRow& r) {
         return Number(r.read() ? std::optional<double>(r.floors) : std::nullopt, 0);
     }},
    {"Rufe pro Tag", 1, true, [](const OverviewRow& r) { return Number(ValueOf(r.callsPerDay), 1); }},
    {"Wartezeit (s)", 1, true, [](const OverviewRow& r) { return Number(ValueOf(r.waitAll), 1); }},
    {"Auf (s)", 1, true, [](const OverviewRow& r) { return Number(ValueOf(r.waitUp), 1); }},
    {"Ab (s)", 1, true, [](const OverviewRow& r) { return Number(ValueOf(r.waitDown), 1); }},
    {"Bewertung", -1, true, [](const OverviewRow& r) {
         return OverviewCell{r.verdict, ValueOf(r.waitAll)};
     }},
    {"Rufe an Etagen über 30 s (%)", 1, true, [](const OverviewRow& r) {
         return Number(ValueOf(r.shareAbove30, 100), 1);
     }},
    {"Längste Wartezeit", -1, true, [](const OverviewRow& r) {
         if (!r.longestWait)
             return OverviewCell{};
         const auto wait = ValueOf(r.longestWait->waitSeconds);
         return OverviewCell{r.longestWait->name + ": " + FormatRatio(r.longestWait->waitSeconds) +
                                 " s", wait};
     }},
    {"Meiste Rufe", -1, true, [](const OverviewRow& r) {
         if (r.busiestHour.hour < 0)
             return OverviewCell{};
         return OverviewCell{std::to_string(r.busiestHour.hour) + ":00 Uhr (" +
                                 FormatRatio({r.busiestHour.calls, r.hourCalls}, 100) + " %)",
                             r.busiestHour.hour};
     }},
    {"Hinweise", -1, false, [](const OverviewRow& r) { return OverviewCell{NotesText(r), {}}; }},
}};
// clang-format on

void SortWorstFirst(std::vector<OverviewRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const OverviewRow& a, const OverviewRow& b) {
        const bool x = a.waitAll.defined(), y = b.waitAll.defined();
        if (x != y)
            return x;
        if (x && a.waitAll.value() != b.waitAll.value())
            return a.waitAll.value() > b.waitAll.value();
        return a.relative < b.relative;
    });
}

std::string OverviewTable(const std::vector<OverviewRow>& rows, char separator) {
    std::vector<std::vector<std::string>> table(1);
    for (const OverviewColumn& c : kOverviewColumns)
        table[0].push_back(c.header);
    for (const OverviewRow& row : rows) {
        table.emplace_back();
        for (const OverviewColumn& c : kOverviewColumns)
            table.back().push_back(c.cell(row).text);
    }
    return TextTable(table, separator);
}

std::string OverviewCsv(const std::vector<OverviewRow>& rows) {
    return kUtf8Bom + OverviewTable(rows, ';');
}
