#pragma once
// Read-only access to a file of the installation. Paths are built as the folder followed by a
// name that begins with a backslash ("\scenario.dbs"); off Windows the backslashes become
// slashes and names are matched without regard to case, as the game's files may be upper case.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string GamePath(const std::string& folder, std::string_view name);

class GameFile {
public:
    explicit GameFile(const std::string& path);
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    uint64_t Size() const { return m_size; }

    // Up to length bytes from offset on. nullopt when the file is not open or offset lies
    // beyond its end (the seek fails); fewer bytes than asked when the file ends first.
    std::optional<std::vector<uint8_t>> ReadAt(uint64_t offset, size_t length);

private:
    std::FILE* m_file = nullptr;
    uint64_t m_size = 0;
};

// The whole file, or nullopt when it cannot be opened.
std::optional<std::vector<uint8_t>> ReadGameFile(const std::string& path);
