#include "app/overviewreport.h"

#include "app/report.h"
#include "app/reportexport.h"
#include "chartfx3/report/overviewpdf.h"
#include "charts/overview.h"
#include "charts/overviewxlsx.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <mutex>

namespace {

// `text` with every line but the first indented by `indent` blanks.
std::string Indented(const std::string& text, const std::string& indent) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += indent;
    }
    return out;
}

nlohmann::json Seconds(Ratio r) {
    return r.defined() ? nlohmann::json(r.value()) : nlohmann::json(nullptr);
}

// The entry of `files`: the key figures exactly as --json prints them for the file alone, or
// the message the tool prints for it.
std::string EntryJson(const OverviewRow& row, const KeyFigures* figures) {
    nlohmann::json entry = {{"file", row.relative}};
    if (figures)
        entry["keyFigures"] = KeyFiguresJson(*figures);
    else
        entry["error"] = LoadFailureText("", row.path, row.error, row.errorNamesFile);
    return JsonText(entry);
}

// A group of one folder and floor count with its periods in order (keys: README).
nlohmann::json GroupJson(const OverviewGroup& g, const std::vector<OverviewRow>& rows) {
    nlohmann::json periods = nlohmann::json::array();
    for (std::size_t p = 0; p < g.periods.size(); ++p) {
        const OverviewRow& r = rows[g.periods[p]];
        std::vector<std::string> notes = r.notes;
        if (!r.trendNote.empty())
            notes.insert(notes.begin(), r.trendNote);
        const auto& change = g.changeFromBest[p];
        periods.push_back(
            {{"file", r.relative},
             {"start", r.start},
             {"stop", r.stop},
             {"averageWait", Seconds(r.waitAll)},
             {"averageWaitUp", Seconds(r.waitUp)},
             {"averageWaitDown", Seconds(r.waitDown)},
             {"callsPerDay", Seconds(r.callsPerDay)},
             {"changeFromBestEarlier", change ? nlohmann::json(*change) : nlohmann::json(nullptr)},
             {"notes", notes}});
    }
    return {{"folder", g.folder}, {"floorCount", g.floors}, {"periods", periods}};
}

// The JSON object printed as its entries come, in the order of their paths, whatever order
// the reading threads finish them in: nothing but the entries not yet printed is kept. The
// text is what JsonText would make of the whole object.
class JsonOutput {
public:
    JsonOutput(const FolderScan& scan) : scan_(scan) { std::fputs("{\n  \"files\": [", stdout); }

    void Put(std::size_t index, std::string entry) {
        const std::lock_guard<std::mutex> lock(mutex_);
        waiting_.emplace(index, std::move(entry));
        while (!waiting_.empty() && waiting_.begin()->first == next_) {
            FoldersBefore(&scan_.files[next_]);
            Write(waiting_.begin()->second);
            waiting_.erase(waiting_.begin());
            ++next_;
        }
    }

    // The folder and the groups, a group at a time: nothing of them is held but the one.
    void WriteGroups(const std::string& folder, const std::vector<OverviewGroup>& groups,
                     const std::vector<OverviewRow>& rows) {
        FoldersBefore(nullptr);
        std::fputs(empty_ ? "]" : "\n  ]", stdout);
        std::printf(",\n  \"folder\": %s,\n  \"groups\": [",
                    JsonText(nlohmann::json(folder)).c_str());
        for (std::size_t i = 0; i < groups.size(); ++i) {
            std::fputs(i ? ",\n    " : "\n    ", stdout);
            std::fputs(Indented(JsonText(GroupJson(groups[i], rows)), "    ").c_str(), stdout);
        }
        std::fputs(groups.empty() ? "]\n}\n" : "\n  ]\n}\n", stdout);
    }

private:
    // The unreadable folders that sort before `relative` (all that are left, for none).
    void FoldersBefore(const std::string* relative) {
        const auto& folders = scan_.unreadableFolders;
        for (; folder_ < folders.size() && (!relative || folders[folder_].relative < *relative);
             ++folder_)
            Write(EntryJson(folders[folder_], nullptr));
    }
    void Write(const std::string& entry) {
        std::fputs(empty_ ? "\n    " : ",\n    ", stdout);
        std::fputs(Indented(entry, "    ").c_str(), stdout);
        empty_ = false;
    }

    const FolderScan& scan_;
    std::mutex mutex_;
    std::map<std::size_t, std::string> waiting_;
    std::size_t next_ = 0, folder_ = 0;
    bool empty_ = true;
};

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The table with its columns aligned (the notes last, as long as they are), then the trend of
// every group of more than one period.
void PrintTable(const std::string& folder, const std::vector<OverviewRow>& sorted,
                const std::vector<OverviewGroup>& groups, const std::vector<OverviewRow>& rows) {
    std::vector<std::vector<std::string>> table(1);
    for (const OverviewColumn& c : kOverviewColumns)
        table[0].push_back(c.header);
    for (const OverviewRow& row : sorted) {
        table.emplace_back();
        for (const OverviewColumn& c : kOverviewColumns)
            table.back().push_back(ToValidUtf8(c.cell(row).text));
    }
    std::vector<std::size_t> widths(kOverviewColumns.size(), 0);
    for (const auto& line : table)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], Characters(line[c]));
    const std::size_t unread = static_cast<std::size_t>(
        std::count_if(sorted.begin(), sorted.end(), [](const auto& r) { return !r.read(); }));
    std::printf("Übersicht: %s, %zu Einträge, davon %zu nicht lesbar\n\n",
                ToValidUtf8(folder).c_str(), sorted.size(), unread);
    for (const auto& line : table) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const std::string pad(c + 1 < line.size() ? widths[c] - Characters(line[c]) : 0, ' ');
            const bool number = kOverviewColumns[c].decimals >= 0;
            text += (c ? "  " : "") + (number ? pad + line[c] : line[c] + pad);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        std::printf("%s\n", text.c_str());
    }
    for (const OverviewGroup& g : groups) {
        if (g.periods.size() < 2)
            continue;
        std::printf("\nVerlauf %s(%d Etagen)\n", g.folder.empty() ? "" : (g.folder + " ").c_str(),
                    g.floors);
        for (std::size_t i : g.periods) {
            const OverviewRow& r = rows[i];
            std::printf("  %s  Wartezeit %s s (Auf %s s, Ab %s s), %s Rufe pro Tag%s%s\n",
                        r.start.empty() ? r.file().c_str() : r.start.c_str(),
                        FormatRatio(r.waitAll).c_str(), FormatRatio(r.waitUp).c_str(),
                        FormatRatio(r.waitDown).c_str(), FormatRatio(r.callsPerDay).c_str(),
                        r.trendNote.empty() ? "" : "; ", r.trendNote.c_str());
        }
    }
}

} // namespace

int RunOverview(const OverviewRequest& request) {
    const std::string& folder = request.folder;
    const auto fail = [](const std::string& message) {
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", message.c_str());
        return 1;
    };
    if (!request.xlsx.empty() && !CanWriteXlsx())
        return fail(kNoXlsx);
    FolderScan scan;
    try {
        scan = ScanFolder(folder);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    // Before anything is read: no output replaces a file of the folder, or anything but a file.
    std::vector<std::string> inputs;
    for (const std::string& file : scan.files)
        inputs.push_back(JoinPath(folder, file));
    for (const std::string* output : {&request.csv, &request.xlsx, &request.pdf})
        if (!output->empty())
            if (const std::string why = OutputRefusal(*output, inputs); !why.empty())
                return fail(why);
    inputs.clear();

    std::vector<OverviewRow> rows(scan.files.size());
    std::unique_ptr<JsonOutput> json;
    if (request.json)
        json = std::make_unique<JsonOutput>(scan);
    try {
        ReadOverview(folder, scan.files,
                     [&](std::size_t i, OverviewRow&& row, const KeyFigures* figures) {
                         if (json)
                             json->Put(i, EntryJson(row, figures));
                         rows[i] = std::move(row); // each index from one thread only
                     });
        rows.insert(rows.end(), scan.unreadableFolders.begin(), scan.unreadableFolders.end());
        const std::vector<OverviewGroup> groups = GroupRows(rows);
        if (json)
            json->WriteGroups(folder, groups, rows);
        const bool exported = !request.csv.empty() || !request.xlsx.empty() || !request.pdf.empty();
        if (json && !exported)
            return 0;
        std::vector<OverviewRow> sorted = rows;
        SortWorstFirst(sorted);
        if (!json && !exported)
            PrintTable(folder, sorted, groups, rows);
        if (!request.csv.empty())
            WriteFileAtomically(request.csv, OverviewCsv(sorted));
        if (!request.xlsx.empty())
            WriteOverviewXlsx(request.xlsx, sorted);
        if (!request.pdf.empty())
            WithQtApplication(request.program, [&] {
                WriteOverviewPdf(request.pdf, "Übersicht: " + ToValidUtf8(folder), sorted);
            });
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    return 0;
}
