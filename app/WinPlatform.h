#pragma once
// The model's platform services on Windows: the registry key "SOFTWARE\Tallowmark\" of the
// current user, message boxes, the shell's folder browser and the program's resources.
// Window tests derive from it to capture the message box and the folder browser.

#include "gamedata/Platform.h"
#include "ui/DwordSetting.h" // kSettingsKey

class WinPlatform : public Platform {
public:
    std::optional<std::string> ReadSetting(const char* name) override;
    void WriteSetting(const char* name, const std::string& value) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> BrowseInstallFolder(const std::string& current) override;
    std::optional<Image> LoadProgramBitmap(int id) override;
    Colour WindowColour() override;
};
