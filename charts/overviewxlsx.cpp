#include "charts/overviewxlsx.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"

#include <stdexcept>

#ifdef GS_HAVE_XLSXWRITER
#include <xlsxwriter.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#endif

const char* const kNoXlsx = "Excel-Dateien (.xlsx) kann dieses Programm nicht schreiben: es "
                            "wurde ohne libxlsxwriter gebaut. CSV und PDF gehen.";

#ifndef GS_HAVE_XLSXWRITER

bool CanWriteXlsx() {
    return false;
}

void WriteOverviewXlsx(const std::string&, const std::vector<OverviewRow>&) {
    throw std::runtime_error(kNoXlsx);
}

#else

namespace fs = std::filesystem;

namespace {

// libxlsxwriter writes only to a file of its own: a temporary one, removed however it ends.
class ScratchFile {
public:
    ScratchFile() {
        std::mt19937_64 random{std::random_device{}() ^
                               static_cast<std::uint64_t>(
                                   std::chrono::steady_clock::now().time_since_epoch().count())};
        path_ = fs::temp_directory_path() /
                ("gruppenstatistik-" + std::to_string(random() % 1000000000000ULL) + ".xlsx");
    }
    ~ScratchFile() {
        std::error_code ignored;
        fs::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Column widths in characters: the longest text, within bounds (the notes may be long).
double Width(std::size_t characters) {
    return static_cast<double>(std::clamp<std::size_t>(characters, 6, 60)) + 1;
}

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

bool CanWriteXlsx() {
    return true;
}

void WriteOverviewXlsx(const std::string& path, const std::vector<OverviewRow>& rows) {
    const ScratchFile scratch;
    lxw_workbook* book = workbook_new(scratch.path().string().c_str());
    if (!book)
        throw WriteError(path, "die Arbeitsmappe kann nicht angelegt werden");
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Übersicht");
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    format_set_bg_color(header, 0xE1E6F0);
    format_set_text_wrap(header);
    format_set_align(header, LXW_ALIGN_VERTICAL_TOP);
    lxw_format* places[2] = {workbook_add_format(book), workbook_add_format(book)};
    format_set_num_format(places[0], "0");
    format_set_num_format(places[1], "0.0");

    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < kOverviewColumns.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), kOverviewColumns[c].header,
                               header);
        widths.push_back(kOverviewColumns[c].decimals < 0 ? 6 : 8);
    }
    lxw_row_t r = 1;
    for (const OverviewRow& row : rows) {
        for (std::size_t c = 0; c < kOverviewColumns.size(); ++c) {
            const OverviewColumn& column = kOverviewColumns[c];
            const OverviewCell cell = column.cell(row);
            const auto col = static_cast<lxw_col_t>(c);
            if (column.decimals >= 0 && cell.number) {
                worksheet_write_number(sheet, r, col, *cell.number,
                                       places[std::min(column.decimals, 1)]);
            } else if (!cell.text.empty()) {
                const std::string text = ToValidUtf8(cell.text);
                worksheet_write_string(sheet, r, col, text.c_str(), nullptr);
                widths[c] = std::max(widths[c], Characters(text));
            }
        }
        ++r;
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             Width(widths[c]), nullptr);
    worksheet_set_row(sheet, 0, 30, nullptr);
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, r - 1, static_cast<lxw_col_t>(kOverviewColumns.size() - 1));
    if (const lxw_error err = workbook_close(book); err != LXW_NO_ERROR)
        throw WriteError(path, std::string("die Arbeitsmappe kann nicht geschrieben werden (") +
                                   lxw_strerror(err) + ")");
    std::ifstream in(scratch.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        throw WriteError(path, "die Arbeitsmappe kann nicht gelesen werden");
    WriteFileAtomically(path, bytes);
}

#endif
