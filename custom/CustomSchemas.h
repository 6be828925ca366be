#pragma once

#include <string>
#include <vector>

namespace zendal {

class MessagePort;
class Wizard;

// The schema commands of the page "2.a Custom Meta Tags": the schema selector scname
// (wizard.schemaName and wizard.schemaList) and the custom grid, over the schemas folder of
// the program folder.
class CustomSchemas {
  public:
    static constexpr const char* kExtension = "zds";

    // Adds the names of the files folder/*.extension, without ".extension", in the order the
    // file system gives them; returns how many were added. A missing folder shows "Invalid
    // Directory - " and the folder, and adds nothing.
    static int ListFolderFiles(MessagePort& messages, const std::string& folder,
                               const std::string& extension, std::vector<std::string>& list);

    // The program folder followed by "schemas".
    static std::string SchemasFolder(const Wizard& wizard);
    // The schema file of the name. Throws ESchemaName for a name that would lead out of the
    // schemas folder or is no file name: one with "/", "\", ".." or a control character.
    static std::string SchemaFileName(const Wizard& wizard, const std::string& name);

    // Empties the selector's list and fills it from the schemas folder.
    static void FillSchemaList(Wizard& wizard);

    // A name was picked in the selector: clears the grid's cells and loads the schema named by
    // the selector's text. Throws ESchemaFile or ESchemaName, the grid keeping its cleared
    // cells.
    static void scnameClick(Wizard& wizard);
    // Delete: asks, deletes the schema file of the selector's text, empties the selector and
    // fills its list again. The grid keeps its rows.
    static void SpeedButton6Click(Wizard& wizard);
    // Save: removes the blank entry rows and saves the grid under the selector's text.
    static void button38Click(Wizard& wizard);
};

}  // namespace zendal
