#include "gamedata/GameFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>

namespace {

#ifdef _WIN32
std::string NativePath(const std::string& path) { return path; }
#else
bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Backslashes to slashes, then each component that does not exist as written is looked up
// in its folder without regard to case.
std::string NativePath(const std::string& path)
{
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::error_code error;
    if (std::filesystem::exists(slashed, error))
        return slashed;

    std::filesystem::path resolved = slashed.starts_with('/') ? "/" : ".";
    std::filesystem::path relative = std::filesystem::path(slashed).relative_path();
    for (const auto& part : relative) {
        std::filesystem::path next = resolved / part;
        if (!std::filesystem::exists(next, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(resolved, error))
                if (SameNameIgnoringCase(entry.path().filename().string(), part.string())) {
                    next = entry.path();
                    break;
                }
        }
        resolved = next;
    }
    return resolved.string();
}
#endif

} // namespace

std::string GamePath(const std::string& folder, std::string_view name) { return folder + std::string(name); }

GameFile::GameFile(const std::string& path)
{
    const std::string native = NativePath(path);
    std::error_code error;
    // A folder opens on some systems, and a pipe or device would block or never end: only
    // regular files are read.
    if (!std::filesystem::is_regular_file(native, error))
        return;
    m_file = std::fopen(native.c_str(), "rb");
    if (!m_file)
        return;
    if (std::fseek(m_file, 0, SEEK_END) == 0) {
        long end = std::ftell(m_file);
        m_size = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
}

GameFile::~GameFile()
{
    if (m_file)
        std::fclose(m_file);
}

std::optional<std::vector<uint8_t>> GameFile::ReadAt(uint64_t offset, size_t length)
{
    if (!m_file || offset > m_size || offset > static_cast<uint64_t>(std::numeric_limits<long>::max()))
        return std::nullopt;
    if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min<uint64_t>(length, m_size - offset)));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), m_file));
    return bytes;
}

std::optional<std::vector<uint8_t>> ReadGameFile(const std::string& path)
{
    GameFile file(path);
    if (!file.IsOpen())
        return std::nullopt;
    return file.ReadAt(0, static_cast<size_t>(file.Size()));
}
