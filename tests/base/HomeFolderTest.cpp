#include "base/HomeFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/TestSupport.h"

using zendal::HomeFolder;
using zendal::test::ReadFile;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(HomeFolder, ResolvesOptionThenEnvironmentThenDataFolder) {
    TempDir dir;
    const std::string root = dir.Path().string();
    struct Case {
        std::string option;
        std::optional<std::string> zendalHome, xdgDataHome;
        std::string expected;
    };
    const Case cases[] = {
        {root + "/opt", root + "/env", root + "/xdg", root + "/opt/"},
        {"", root + "/env/", root + "/xdg", root + "/env/"},
        {"", "", root + "/xdg", root + "/xdg/zendal/"},
        {"", std::nullopt, std::nullopt, root + "/home/.local/share/zendal/"},
        // A relative XDG_DATA_HOME is not valid and is ignored.
        {"", std::nullopt, "relative", root + "/home/.local/share/zendal/"},
    };
    ScopedEnv home("HOME", root + "/home");
    for (const Case& c : cases) {
        ScopedEnv zendalHome("ZENDAL_HOME", c.zendalHome);
        ScopedEnv xdg("XDG_DATA_HOME", c.xdgDataHome);
        EXPECT_EQ(HomeFolder::Resolve(c.option), c.expected) << c.expected;
        EXPECT_TRUE(fs::is_directory(c.expected));
    }
}

TEST(HomeFolder, RelativeOptionBecomesAbsolute) {
    TempDir dir;
    fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    std::string home = HomeFolder::Resolve("a/./b");
    fs::current_path(previous);
    EXPECT_EQ(home, (dir.Path() / "a" / "b").string() + "/");
}

TEST(HomeFolder, SeedAddsWhatIsMissingFromTheFirstFolderThatShipsIt) {
    TempDir dir;
    const fs::path installed = dir.Path() / "installed";
    const fs::path source = dir.Path() / "source";
    dir.Write("installed/srexclude.txt", "the\n");
    dir.Write("installed/schemas/dublin.zds", "installed");
    dir.Write("source/srexclude.txt", "older\n");
    dir.Write("source/autofix.txt", "teh=the\n");
    dir.Write("source/schemas/dublin.zds", "source");
    dir.Write("source/schemas/extra.zds", "extra");
    const std::string home = (dir.Path() / "home").string() + "/";
    dir.Write("home/zendal.dct", "user's own");
    const std::vector<std::string> folders = {(dir.Path() / "missing").string(), installed.string(),
                                              source.string()};

    HomeFolder::Seed(home, folders);

    EXPECT_TRUE(fs::is_directory(home + "backup"));
    EXPECT_EQ(ReadFile(home + "srexclude.txt"), "the\n");
    EXPECT_EQ(ReadFile(home + "autofix.txt"), "teh=the\n");
    EXPECT_EQ(ReadFile(home + "zendal.dct"), "user's own");
    EXPECT_EQ(ReadFile(home + "schemas/dublin.zds"), "installed");
    EXPECT_EQ(ReadFile(home + "schemas/extra.zds"), "extra");

    // A file the user deleted comes back; a deleted schema does not.
    fs::remove(home + "autofix.txt");
    fs::remove(home + "schemas/extra.zds");
    HomeFolder::Seed(home, folders);
    EXPECT_TRUE(fs::exists(home + "autofix.txt"));
    EXPECT_FALSE(fs::exists(home + "schemas/extra.zds"));
}

TEST(HomeFolder, SeedSkipsDefaultsThatAreNotShipped) {
    TempDir dir;
    const std::string home = dir.Path().string() + "/";
    HomeFolder::Seed(home, {(dir.Path() / "nothing").string()});
    EXPECT_TRUE(fs::is_directory(home + "schemas"));
    EXPECT_TRUE(fs::is_directory(home + "backup"));
    EXPECT_FALSE(fs::exists(home + "srexclude.txt"));
}

}  // namespace
