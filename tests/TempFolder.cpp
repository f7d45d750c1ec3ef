#include "tests/TempFolder.h"

#include <atomic>
#include <filesystem>
#include <random>

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    m_path = (base / ("tallowmark-test-" + std::to_string(random()) + "-" + std::to_string(counter++))).string();
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}
