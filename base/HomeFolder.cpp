#include "base/HomeFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/EFileCreate.h"

namespace fs = std::filesystem;

namespace zendal {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string UserHome() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid())) {
            home = entry->pw_dir;
        }
    }
    return home;
}

void CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        throw EFileCreate(folder.string());
    }
}

// Copies a shipped file into the home folder unless the home folder has it already.
void SeedFile(const fs::path& shipped, const fs::path& target) {
    std::error_code error;
    if (fs::exists(target, error)) {
        return;
    }
    if (!fs::copy_file(shipped, target, fs::copy_options::skip_existing, error)) {
        throw EFileCreate(target.string());
    }
}

}  // namespace

std::string HomeFolder::Resolve(const std::string& option) {
    fs::path folder;
    if (!option.empty()) {
        folder = option;
    } else if (std::string home = Environment("ZENDAL_HOME"); !home.empty()) {
        folder = home;
    } else if (std::string data = Environment("XDG_DATA_HOME"); fs::path(data).is_absolute()) {
        // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
        folder = fs::path(data) / "zendal";
    } else {
        folder = fs::path(UserHome()) / ".local" / "share" / "zendal";
    }
    folder = fs::absolute(folder).lexically_normal();
    CreateFolder(folder);
    std::string result = folder.string();
    if (!result.ends_with('/')) {
        result += '/';
    }
    return result;
}

std::vector<std::string> HomeFolder::DataFolders() {
    std::vector<std::string> folders;
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(
            (program.parent_path() / ".." / "share" / "zendal").lexically_normal().string());
    }
    folders.push_back(ZENDAL_BUILD_DATA_DIR);
    folders.push_back(ZENDAL_SOURCE_DATA_DIR);
    return folders;
}

std::string HomeFolder::FindShipped(const std::string& relativePath) {
    return FindIn(DataFolders(), relativePath);
}

std::string HomeFolder::FindIn(const std::vector<std::string>& dataFolders,
                               const std::string& relativePath) {
    std::error_code error;
    for (const std::string& folder : dataFolders) {
        fs::path candidate = fs::path(folder) / relativePath;
        if (fs::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return {};
}

void HomeFolder::Seed(const std::string& home, const std::vector<std::string>& dataFolders) {
    const fs::path root(home);
    std::error_code error;
    const fs::path schemas = root / "schemas";
    if (!fs::exists(schemas, error)) {
        CreateFolder(schemas);
        // Earlier data folders win: a schema is copied from the first folder that ships it.
        for (const std::string& folder : dataFolders) {
            fs::path shipped = fs::path(folder) / "schemas";
            if (!fs::is_directory(shipped, error)) {
                continue;
            }
            for (const fs::directory_entry& entry : fs::directory_iterator(shipped, error)) {
                if (entry.is_regular_file(error)) {
                    SeedFile(entry.path(), schemas / entry.path().filename());
                }
            }
        }
    }
    CreateFolder(root / "backup");
    for (const char* name : {"srexclude.txt", "zendal.dct", "autofix.txt"}) {
        if (std::string shipped = FindIn(dataFolders, name); !shipped.empty()) {
            SeedFile(shipped, root / name);
        }
    }
}

}  // namespace zendal
