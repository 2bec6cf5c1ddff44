#pragma once
// A fresh folder below the system's temporary folder, removed with everything
// in it when the test ends.

// Standard library
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>

class TempFolder {
public:
    TempFolder()
    {
        namespace fs = std::filesystem;
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = fs::temp_directory_path() /
                 ("tm-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(m_path, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder as the program names it (a host path natively).
    std::string Name() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};
