// The overview of a folder ("Übersicht"): one row per statistics file in it and its subfolders,
// read in parallel, each file's store freed as soon as its row is computed; the checks the key
// figures do not make; the groups of one folder and floor count and their trend ("Verlauf");
// the columns of the table that the window, the exports and the report tool show.
#pragma once

#include "chartfx3/tchartfx.h"
#include "charts/format.h"
#include "charts/keyfigures.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A file's row, or an unreadable subfolder's. Texts are UTF-8 (paths: bytes as the system
// gives them).
struct OverviewRow {
    std::string relative; // below the chosen folder, "/" between names; a folder ends in "/"
    std::string path;     // as opened: the folder as given, then `relative`
    // Why it could not be read, German as the error box shows it; empty when it was read.
    std::string error;
    bool errorNamesFile = false; // the message names the file itself (it could not be opened)
    bool notStatistics = false;  // unreadable and starting with a byte-order mark: an export

    int floors = 0;
    std::string start, stop; // the period as the cover sheet shows it
    std::optional<std::int64_t> startMinutes, periodMinutes;
    Ratio callsPerDay, waitAll, waitUp, waitDown, shareAbove30;
    std::string verdict;
    std::optional<FloorFigure> longestWait; // the floor that waits longest (>= 1 % of calls)
    HourFigure busiestHour;
    std::int64_t hourCalls = 0;
    std::vector<std::string> notes; // the shafts' flags and the checks of OverviewChecks
    std::string trendNote;          // set by GroupRows: worse than the best earlier period

    bool read() const { return error.empty(); }
    std::string folder() const; // "" for the chosen folder itself
    std::string file() const;
};

// The folder and a path below it, as a path to open.
std::string JoinPath(const std::string& folder, const std::string& relative);

struct FolderScan {
    std::vector<std::string> files; // relative paths of the *.csv files, in byte order
    std::vector<OverviewRow> unreadableFolders;
};

// The `.csv` files (by their suffix, in any case) of `folder` and its subfolders. Other files
// are skipped by their name, unopened; hidden names (".x") too. Symbolically linked folders are
// not followed; a subfolder that cannot be read is a row with its error. Throws
// std::runtime_error (German, naming it) when `folder` itself cannot be read. `cancel` stops
// the scan early.
FolderScan ScanFolder(const std::string& folder, const std::atomic<bool>* cancel = nullptr);
// The message of a folder that cannot be read.
std::string FolderError(const std::string& folder, int err);

// Reads one file into its row: the key figures, the checks, the note of an export. The store
// lives only in here; `withFigures` sees the figures before it goes (the report tool's JSON).
OverviewRow ReadOverviewRow(const std::string& folder, const std::string& relative,
                            const std::function<void(const KeyFigures&)>& withFigures = {});

// Runs on a reading thread as each file is done; `figures` is null for a file that could not
// be read.
using OverviewVisitor =
    std::function<void(std::size_t index, OverviewRow&& row, const KeyFigures* figures)>;
// Reads files[i] on `threads` threads (0: one per core). `cancel` stops them before their next
// file. Returns when every thread has ended; `done` must be safe to call from all of them.
void ReadOverview(const std::string& folder, const std::vector<std::string>& files,
                  const OverviewVisitor& done, const std::atomic<bool>* cancel = nullptr,
                  unsigned threads = 0);

// What the key figures do not check, as German notes: a floor without up or down calls between
// two busy ones (a dead call button?), calls that no shaft served, hours of the recorded
// period without a single call in the building.
std::vector<std::string> OverviewChecks(const StatisticsStore& s, const KeyFigures& k);
// Calls in one direction that a floor's neighbours must each have before its having none is
// suspicious.
inline constexpr std::int64_t kBusyNeighbour = 20;

// One group's periods: the read files of one folder with the same number of floors.
struct OverviewGroup {
    std::string folder;
    int floors = 0;
    std::vector<std::size_t> periods; // indices of its rows: by period start, unreadable last
    // Per period: its average waiting time against the best of the earlier ones, in % (+25:
    // a quarter longer); absent for the first and where a period has none.
    std::vector<std::optional<double>> changeFromBest;
};
// A period is named when it waits longer than the best earlier one by more than this, in %.
inline constexpr double kTrendWorse = 20;

// The groups of the rows, by folder and floor count; sets each row's trendNote.
std::vector<OverviewGroup> GroupRows(std::vector<OverviewRow>& rows);

enum class TrendChart { Waits, CallsPerDay };
// The trend of a group in the chart control: per period (its start on the category axis) the
// average waiting time overall, up and down, or the calls per day.
void DrawTrendChart(TrendChart which, const OverviewGroup& group,
                    const std::vector<OverviewRow>& rows, TChartfx& chart);

// One cell: its text, and the number behind it (the value of a number column; what a text
// column sorts by where that is no text order, such as the verdict's waiting time).
struct OverviewCell {
    std::string text;
    std::optional<double> number;
};
struct OverviewColumn {
    const char* header;
    int decimals;  // a number column's places; -1 for a text column
    bool byNumber; // sorted by the cells' numbers (rows without one last), else by their texts
    OverviewCell (*cell)(const OverviewRow& row);
};
extern const std::array<OverviewColumn, 14> kOverviewColumns;
// The column the rows are ordered by at first: the average waiting time.
inline constexpr std::size_t kWaitColumn = 6;

// The default order: the worst average waiting time first, rows without one after them, equal
// ones by their path.
void SortWorstFirst(std::vector<OverviewRow>& rows);

// The table as text for a spreadsheet: a header row, then a row per file; fields separated by
// `separator`, text cells with the formula guard, numbers with a decimal comma (as the chart
// figures are written).
std::string OverviewTable(const std::vector<OverviewRow>& rows, char separator);
// For German Excel: UTF-8 with a byte-order mark, ";" between fields.
std::string OverviewCsv(const std::vector<OverviewRow>& rows);
