#include "custom/SchemaFile.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "base/AtomicFile.h"
#include "base/WholeFile.h"
#include "custom/CustomGrid.h"
#include "custom/ESchemaFile.h"

namespace zendal {

namespace {

constexpr char kTab = '\t';
constexpr char kBackspace = '\b';

// A decimal number with an optional sign, after any leading blanks; nothing may follow it.
std::optional<int> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Splits at CR LF, LF or CR; a final line break ends the last line. Cell texts hold no CR or
// LF of their own, so every one of them is a line break.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

// The texts before and after the first comma; nullopt without a comma.
std::optional<std::pair<std::string_view, std::string_view>> SplitAtComma(std::string_view text) {
    std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{text.substr(0, comma), text.substr(comma + 1)};
}

std::string Encode(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', kTab);
    std::replace(line.begin(), line.end(), '\n', kBackspace);
    return line;
}

std::string Decode(std::string_view text) {
    std::string cell(text);
    std::replace(cell.begin(), cell.end(), kTab, '\r');
    std::replace(cell.begin(), cell.end(), kBackspace, '\n');
    return cell;
}

void ReadWidth(std::string_view line, CustomGrid& grid) {
    auto parts = SplitAtComma(line.substr(std::min<std::size_t>(3, line.size())));
    if (!parts) {
        return;
    }
    std::optional<int> col = ParseNumber(parts->first);
    std::optional<int> width = ParseNumber(parts->second);
    if (col && width && *col >= 0 && *col < grid.ColCount() && *width >= 0 &&
        *width <= SchemaFile::kMaxColWidth) {
        grid.SetColWidth(*col, *width);
    }
}

void ReadCell(std::string_view line, CustomGrid& grid) {
    auto first = SplitAtComma(line);
    if (!first) {
        return;
    }
    auto second = SplitAtComma(first->second);
    if (!second) {
        return;
    }
    std::optional<int> col = ParseNumber(first->first);
    std::optional<int> row = ParseNumber(second->first);
    if (col && row && *col >= 0 && *col < grid.ColCount() && *row >= 0 && *row < grid.RowCount()) {
        grid.SetCell(*col, *row, Decode(second->second));
    }
}

}  // namespace

void SchemaFile::Load(const std::string& fileName, CustomGrid& grid) {
    std::string bytes;
    try {
        bytes = WholeFile::Read(fileName);
    } catch (const std::exception&) {  // EFileOpen, or a file too large to hold
        throw ESchemaFile::NotFound(fileName);
    }
    Parse(bytes, fileName, grid);
}

void SchemaFile::Parse(const std::string& bytes, const std::string& fileName, CustomGrid& grid) {
    std::vector<std::string_view> lines = SplitLines(bytes);
    auto counts = lines.empty() ? std::nullopt : SplitAtComma(lines.front());
    std::optional<int> cols = counts ? ParseNumber(counts->first) : std::nullopt;
    std::optional<int> rows = counts ? ParseNumber(counts->second) : std::nullopt;
    if (!cols || !rows || *cols < 1 || *cols > kMaxCols || *rows < 1 || *rows > kMaxRows) {
        throw ESchemaFile::Corrupt(fileName);
    }
    grid.SetColCount(*cols);
    grid.SetRowCount(*rows);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].starts_with("cw")) {
            ReadWidth(lines[i], grid);
        } else {
            ReadCell(lines[i], grid);
        }
    }
}

std::string SchemaFile::Format(const CustomGrid& grid) {
    const std::string eol = "\r\n";
    std::string text =
        std::to_string(grid.ColCount()) + "," + std::to_string(grid.RowCount()) + eol;
    for (int col = 0; col < grid.ColCount(); ++col) {
        text += "cw " + std::to_string(col) + "," + std::to_string(grid.ColWidth(col)) + eol;
    }
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string& cell = grid.Cell(col, row);
            if (!cell.empty()) {
                text += std::to_string(col) + "," + std::to_string(row) + "," + Encode(cell) + eol;
            }
        }
    }
    return text;
}

void SchemaFile::Save(const std::string& fileName, const CustomGrid& grid) {
    AtomicFile::Write(fileName, Format(grid));
}

}  // namespace zendal
