#pragma once
// What the model needs from the system it runs on. The Windows program implements it with
// the registry, message boxes and the shell's folder browser; tests and tools in memory.

#include "gamedata/Image.h"

#include <cstdint>
#include <optional>
#include <string>

class Platform {
public:
    virtual ~Platform() = default;

    // Settings store: string values under the program's key ("SOFTWARE\Tallowmark\").
    // nullopt when the value (or the key) is missing.
    virtual std::optional<std::string> ReadSetting(const char* name) = 0;
    virtual void WriteSetting(const char* name, const std::string& value) = 0;

    // The load-error message box (stop icon).
    virtual void ShowError(const std::string& text) = 0;

    // The installation-folder browser, opened on current; nullopt when cancelled.
    virtual std::optional<std::string> BrowseInstallFolder(const std::string& current) = 0;

    // A bitmap of the program's own resources (its generated art), by resource id.
    virtual std::optional<Image> LoadProgramBitmap(int id) = 0;

    // The system's window colour, the background of the state icons.
    virtual Colour WindowColour() { return Rgb(255, 255, 255); }
};
