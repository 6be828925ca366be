#pragma once

#include <string>

namespace zendal {

class CustomGrid;

// The schema file: the custom grid as lines ending with CR LF. Line 1 is "C,R" (columns, and
// rows with the header row), then "cw i,w" for the width of each column, then "c,r,t" for each
// cell whose text t is not empty, row by row and column by column. In t every CR is written as
// TAB and every LF as BS; nothing else is escaped.
class SchemaFile {
  public:
    // More than any grid holds: the grid has two columns, and rows are typed one by one.
    static constexpr int kMaxCols = 2;
    static constexpr int kMaxRows = 100000;
    static constexpr int kMaxColWidth = 32767;

    // Loads the file into the grid, whose cells the caller has cleared. Throws
    // ESchemaFile::NotFound when the file cannot be read and ESchemaFile::Corrupt when its
    // first line is not two counts from 1 to the limits above (the grid is then unchanged).
    // Widths and cells outside the grid, and lines that are neither, are ignored.
    static void Load(const std::string& fileName, CustomGrid& grid);
    // Replaces the file through a temporary file, so that a failed save leaves the old file as
    // it was. Throws EFileCreate naming fileName.
    static void Save(const std::string& fileName, const CustomGrid& grid);

    static std::string Format(const CustomGrid& grid);
    // Load's work on the file's bytes; fileName is for the message.
    static void Parse(const std::string& bytes, const std::string& fileName, CustomGrid& grid);
};

}  // namespace zendal
