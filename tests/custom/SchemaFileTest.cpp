#include <gtest/gtest.h>

#include "custom/CustomGrid.h"
#include "custom/ESchemaFile.h"
#include "custom/SchemaFile.h"
#include "support/TestSupport.h"

using namespace zendal;

namespace {

// A grid of the header and `entryRows` rows, columns 64 and 500 wide.
struct Grid {
    explicit Grid(int entryRows = 4) {
        fields.grid1.resize(static_cast<std::size_t>(entryRows));
        grid.SetColWidth(1, 500);
    }
    WizardFields fields;
    CustomGrid grid{fields};
};

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

}  // namespace

TEST(SchemaFile, WritesTheCountsTheWidthsAndTheCellsThatHoldText) {
    Grid g;
    g.grid.SetCell(0, 1, "author");
    g.grid.SetCell(1, 1, "Me");
    EXPECT_EQ(SchemaFile::Format(g.grid),
              Lines({"2,5", "cw 0,64", "cw 1,500", "0,1,author", "1,1,Me"}));

    g.grid.SetCell(0, 0, "Name");
    g.grid.SetCell(1, 3, "only a value");
    EXPECT_EQ(SchemaFile::Format(g.grid), Lines({"2,5", "cw 0,64", "cw 1,500", "0,0,Name",
                                                 "0,1,author", "1,1,Me", "1,3,only a value"}));
}

TEST(SchemaFile, CellTextsSurviveASaveAndALoad) {
    struct Case {
        std::string text;
        std::string line;  // as written for cell (1, 1)
    };
    const std::vector<Case> cases = {
        {"first\r\nsecond", "1,1,first\t\bsecond"},
        {"a, b,c", "1,1,a, b,c"},
        {"lone\nbreak", "1,1,lone\bbreak"},
        {"  blanks  and ,,commas,", "1,1,  blanks  and ,,commas,"},
        {"caf\xC3\xA9 \xE2\x80\x94 UTF-8", "1,1,caf\xC3\xA9 \xE2\x80\x94 UTF-8"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        Grid saved;
        saved.grid.SetCell(1, 1, c.text);
        const std::string file = (dir.Path() / "s.zds").string();
        SchemaFile::Save(file, saved.grid);
        EXPECT_NE(test::ReadFile(file).find(c.line + "\r\n"), std::string::npos) << c.line;

        Grid loaded(1);
        SchemaFile::Load(file, loaded.grid);
        EXPECT_EQ(loaded.grid.Cell(1, 1), c.text);
        EXPECT_EQ(loaded.fields.grid1, saved.fields.grid1);
        EXPECT_EQ(loaded.fields.grid1Frame, saved.fields.grid1Frame);
    }
}

TEST(SchemaFile, LoadTakesTheFilesShapeAndIgnoresWhatLiesOutsideIt) {
    Grid g(6);
    g.grid.ClearCells();
    SchemaFile::Parse(Lines({"2,5", "cw 0,120", "cw 1,300", "cw 7,100", "cw x,1", "cw 0,-5",
                             "0,0,Name", "0,1,author", "1,1,Me", "1,9,x", "2,1,third column",
                             "-1,1,x", "garbage", "", "0,2", "1,2,1,2,3"}),
                      "s.zds", g.grid);
    EXPECT_EQ(g.grid.ColCount(), 2);
    EXPECT_EQ(g.grid.RowCount(), 5);
    EXPECT_EQ(g.grid.ColWidth(0), 120);
    EXPECT_EQ(g.grid.ColWidth(1), 300);
    EXPECT_EQ(g.fields.grid1Frame.header, (CustomRow{"Name", ""}));
    EXPECT_EQ(g.fields.grid1, (std::vector<CustomRow>{{"author", "Me"}, {"", "1,2,3"}, {}, {}}));
}

TEST(SchemaFile, ReadsLinesEndedByLFOrCRAlone) {
    for (const char* bytes : {"2,3\ncw 1,80\n0,1,a\n1,2,b", "2,3\rcw 1,80\r0,1,a\r1,2,b\r"}) {
        Grid g;
        g.grid.ClearCells();
        SchemaFile::Parse(bytes, "s.zds", g.grid);
        EXPECT_EQ(g.grid.ColWidth(1), 80);
        EXPECT_EQ(g.fields.grid1, (std::vector<CustomRow>{{"a", ""}, {"", "b"}}));
    }
}

TEST(SchemaFile, OneColumnFileLeavesNoValues) {
    Grid g;
    g.grid.SetCell(1, 1, "old value");
    SchemaFile::Parse(Lines({"1,2", "cw 0,90", "0,1,name", "1,1,value"}), "s.zds", g.grid);
    EXPECT_EQ(g.grid.ColCount(), 1);
    EXPECT_EQ(g.fields.grid1, (std::vector<CustomRow>{{"name", ""}}));
    EXPECT_EQ(SchemaFile::Format(g.grid), Lines({"1,2", "cw 0,90", "0,1,name"}));
}

TEST(SchemaFile, FirstLineThatIsNotTwoSensibleCountsIsACorruptFile) {
    for (const char* first :
         {"", "abc", "2", "2,", ",5", "0,5", "2,0", "-1,5", "2,-3", "3,5", "1000000,1000000",
          "2,100001", "2,99999999999999999999", "2,5,7", "2 ,5", "0x2,5", "2,5 "}) {
        Grid g;
        g.grid.SetCell(0, 1, "kept");
        const WizardFields before = g.fields;
        try {
            SchemaFile::Parse(std::string(first) + "\r\n0,1,x\r\n", "/s/bad.zds", g.grid);
            ADD_FAILURE() << "accepted " << first;
        } catch (const ESchemaFile& e) {
            EXPECT_EQ(e.Message(), "File contains no data or corrupt file /s/bad.zds") << first;
        }
        EXPECT_EQ(g.fields.grid1, before.grid1) << first;
        EXPECT_EQ(g.fields.grid1Frame, before.grid1Frame) << first;
    }
    Grid empty;
    EXPECT_THROW(SchemaFile::Parse("", "s.zds", empty.grid), ESchemaFile);
}

TEST(SchemaFile, FileThatCannotBeReadIsNotFound) {
    test::TempDir dir;
    for (const std::string& file : {(dir.Path() / "missing.zds").string(), dir.Path().string()}) {
        Grid g;
        try {
            SchemaFile::Load(file, g.grid);
            ADD_FAILURE() << "loaded " << file;
        } catch (const ESchemaFile& e) {
            EXPECT_EQ(e.Message(), "File " + file + " not found");
        }
    }
}
