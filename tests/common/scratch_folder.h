#pragma once
// A fresh folder below the system's temporary folder for a test, removed with everything in it, and
// the names a folder holds.

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "kivo-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data()) != nullptr ? std::filesystem::path(name) : std::filesystem::path();
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The names directly in folder, sorted.
inline std::vector<std::string> names_in(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
