#pragma once

#include "common/windows1250.hpp"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A fresh folder per test, removed afterwards, with helpers to plant file bytes (lines are
// stored as Windows-1250 like the real files).
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brimzel-common-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(file(name), std::ios::binary);
        out << bytes;
        return file(name);
    }

    std::filesystem::path writeLines(const std::string& name,
                                     const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const auto& line : lines) {
            auto encoded = common::utf8ToWindows1250(line);
            bytes += (encoded.ok() ? encoded.value() : line) + "\r\n";
        }
        return write(name, bytes);
    }

    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Entries of the folder, to see that no temporary file was left behind.
    std::size_t entryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) {
            ++count;
        }
        return count;
    }

  private:
    std::filesystem::path path_;
};
