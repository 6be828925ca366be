#include "custom/CustomSchemas.h"

#include <algorithm>
#include <filesystem>

#include "base/EFileCreate.h"
#include "base/Wizard.h"
#include "custom/CustomGrid.h"
#include "custom/ESchemaName.h"
#include "custom/SchemaFile.h"

namespace fs = std::filesystem;

namespace zendal {

namespace {

bool IsControl(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return byte < ' ' || byte == 0x7F;
}

}  // namespace

int CustomSchemas::ListFolderFiles(MessagePort& messages, const std::string& folder,
                                   const std::string& extension, std::vector<std::string>& list) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        messages.Failure("Invalid Directory - " + folder);
        return 0;
    }
    const std::string suffix = "." + extension;
    int added = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (name.ends_with(suffix) && !entry.is_directory(error)) {
            list.push_back(name.substr(0, name.size() - suffix.size()));
            ++added;
        }
    }
    return added;
}

std::string CustomSchemas::SchemasFolder(const Wizard& wizard) {
    return wizard.programFolder + "schemas";
}

std::string CustomSchemas::SchemaFileName(const Wizard& wizard, const std::string& name) {
    if (name.find_first_of("/\\") != std::string::npos || name.find("..") != std::string::npos ||
        std::any_of(name.begin(), name.end(), IsControl)) {
        throw ESchemaName(name);
    }
    return SchemasFolder(wizard) + "/" + name + "." + kExtension;
}

void CustomSchemas::FillSchemaList(Wizard& wizard) {
    wizard.schemaList.clear();
    ListFolderFiles(wizard.messages, SchemasFolder(wizard), kExtension, wizard.schemaList);
}

void CustomSchemas::scnameClick(Wizard& wizard) {
    CustomGrid grid(wizard.fields);
    grid.ClearCells();
    SchemaFile::Load(SchemaFileName(wizard, wizard.schemaName), grid);
}

void CustomSchemas::SpeedButton6Click(Wizard& wizard) {
    const std::string name = wizard.schemaName;
    std::string file;
    try {
        file = SchemaFileName(wizard, name);
    } catch (const ESchemaName& refused) {
        wizard.messages.Failure(refused.Message());
        return;
    }
    std::error_code error;
    if (fs::exists(file, error)) {
        if (!wizard.messages.AskYesNo("Do you really want to delete the schema: " + name +
                                      " \r\rThis Cannot be undone!   Continue?")) {
            return;
        }
        fs::remove(file, error);
    }
    wizard.schemaName.clear();
    FillSchemaList(wizard);
}

void CustomSchemas::button38Click(Wizard& wizard) {
    const std::string name = wizard.schemaName;
    if (name.empty() || IsControl(name.front())) {
        wizard.messages.Failure("You must specify a name to save the schema");
        return;
    }
    std::string file;
    try {
        file = SchemaFileName(wizard, name);
    } catch (const ESchemaName& refused) {
        wizard.messages.Failure(refused.Message());
        return;
    }
    CustomGrid grid(wizard.fields);
    grid.RemoveBlankRows();
    try {
        SchemaFile::Save(file, grid);
    } catch (const EFileCreate& failed) {
        wizard.messages.Error(failed.Message());
        return;
    }
    FillSchemaList(wizard);
    wizard.messages.Message("Schema: " + name + " Saved successfully");
}

}  // namespace zendal
