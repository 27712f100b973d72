// A fresh folder under the system's temporary folder, removed with all it holds.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace orr::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        std::mt19937_64 pick(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto candidate = std::filesystem::temp_directory_path() / ("orr-settings-" + std::to_string(pick()));
            if (std::filesystem::create_directory(candidate)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("no temporary folder");
    }
    ~TempFolder() {
        std::error_code ignored;
        // Read-only entries would refuse deletion on Windows.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Names of everything in the folder, to see that no temporary file was left behind.
    std::size_t entry_count() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) ++n;
        return n;
    }

private:
    std::filesystem::path path_;
};

} // namespace orr::test
