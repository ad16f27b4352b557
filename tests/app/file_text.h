#pragma once
// Whole-file reads and writes for tests.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string read_text(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void write_text(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}
