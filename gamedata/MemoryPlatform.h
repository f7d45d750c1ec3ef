#pragma once
// Platform services held in memory, for tests and the command-line tool.

#include "gamedata/Platform.h"

#include <deque>
#include <map>
#include <vector>

class MemoryPlatform : public Platform {
public:
    std::map<std::string, std::string> settings;
    std::vector<std::string> errors;             // every message shown, in order
    std::deque<std::optional<std::string>> folderAnswers; // answers of the folder browser; empty: cancelled
    int folderPrompts = 0;
    std::map<int, Image> bitmaps;                 // the program's bitmaps, by resource id

    std::optional<std::string> ReadSetting(const char* name) override
    {
        auto found = settings.find(name);
        if (found == settings.end())
            return std::nullopt;
        return found->second;
    }
    void WriteSetting(const char* name, const std::string& value) override { settings[name] = value; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> BrowseInstallFolder(const std::string&) override
    {
        ++folderPrompts;
        if (folderAnswers.empty())
            return std::nullopt;
        std::optional<std::string> answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    std::optional<Image> LoadProgramBitmap(int id) override
    {
        auto found = bitmaps.find(id);
        if (found == bitmaps.end())
            return std::nullopt;
        return found->second;
    }
};
