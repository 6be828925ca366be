#include <ostream>

#include "base/Wizard.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FieldOptions.h"
#include "cli/JsonString.h"
#include "cli/UsageError.h"
#include "custom/CustomGrid.h"
#include "custom/CustomSchemas.h"

namespace zendal::cli {

namespace {

// {"cols": C, "rows": R, "widths": [...], "cells": [[col, row, "text"], ...]} with the cells
// that are not empty, in the schema file's order.
void PrintGrid(std::ostream& out, const CustomGrid& grid) {
    out << "{\"cols\": " << grid.ColCount() << ", \"rows\": " << grid.RowCount()
        << ", \"widths\": [";
    for (int col = 0; col < grid.ColCount(); ++col) {
        out << (col > 0 ? ", " : "") << grid.ColWidth(col);
    }
    out << "], \"cells\": [";
    const char* separator = "";
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string& cell = grid.Cell(col, row);
            if (!cell.empty()) {
                out << separator << "[" << col << ", " << row << ", " << JsonString(cell) << "]";
                separator = ", ";
            }
        }
    }
    out << "]}\n";
}

// The --custom options after the NAME of schema save, taken as the field options take them.
FieldOptions CustomRows(const std::vector<std::string>& args) {
    std::vector<std::string> rows(args.begin() + 2, args.end());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == "--custom") {
            ++i;
        } else if (!rows[i].starts_with("--custom=")) {
            throw UsageError("unexpected argument " + rows[i]);
        }
    }
    return FieldOptions::Extract(rows);
}

void ExpectArguments(const std::vector<std::string>& args, std::size_t count) {
    if (args.size() < count) {
        throw UsageError("schema " + args[0] + " needs a NAME");
    }
    if (args.size() > count) {
        throw UsageError("unexpected argument " + args[count]);
    }
}

}  // namespace

int RunSchema(CliContext& context) {
    const std::vector<std::string>& args = context.args;
    if (args.empty()) {
        throw UsageError("missing list, show, save or delete");
    }
    const std::string& action = args[0];
    FieldOptions rows;
    if (action == "list") {
        ExpectArguments(args, 1);
    } else if (action == "show" || action == "delete") {
        ExpectArguments(args, 2);
    } else if (action == "save") {
        if (args.size() < 2 || args[1].starts_with("--")) {
            throw UsageError("schema save needs a NAME");
        }
        rows = CustomRows(args);
    } else {
        throw UsageError("unknown schema action " + action);
    }

    CliSession session(context);
    Wizard& wizard = session.wizard();
    CustomGrid grid(wizard.fields);
    if (action == "list") {
        CustomSchemas::FillSchemaList(wizard);
        for (const std::string& name : wizard.schemaList) {
            context.out << name << '\n';
        }
    } else if (action == "show") {
        wizard.schemaName = args[1];
        CustomSchemas::scnameClick(wizard);
        PrintGrid(context.out, grid);
    } else if (action == "save") {
        // A grid as at start, whatever schema the settings loaded.
        grid.Reset();
        rows.ApplyBeforeRead(wizard);
        rows.ApplyAfterRead(wizard);
        wizard.schemaName = args[1];
        CustomSchemas::button38Click(wizard);
    } else {
        wizard.schemaName = args[1];
        CustomSchemas::SpeedButton6Click(wizard);
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
