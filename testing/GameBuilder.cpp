#include "testing/GameBuilder.h"

#include <filesystem>
#include <fstream>

namespace gamebuild {

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool CutFile(const std::string& path, size_t length)
{
    std::error_code error;
    std::filesystem::resize_file(path, length, error);
    return !error;
}

bool Installation::Write(const std::string& folder) const
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    std::filesystem::path base(folder);
    if (!WriteBytes((base / ScenarioFileName(edition)).string(), ScenarioFileBytes(scenario)))
        return false;
    std::optional<MessageFiles> texts = MessageFileBytes(messages, edition);
    if (!texts || !WriteBytes((base / "msg.hdr").string(), texts->header) ||
        !WriteBytes((base / MessageFileName(edition)).string(), texts->texts))
        return false;
    if (!WriteImageFiles(*this, folder))
        return false;
    for (const auto& [name, picture] : pictures)
        if (!WriteBytes((base / name).string(), PicFileBytes(picture)))
            return false;
    if (!spells.empty() && !WriteBytes((base / ExecutableName(edition)).string(), ExecutableBytes(edition, spells)))
        return false;
    if (!portraits.empty() && !WriteBytes((base / "portdata.vga").string(), PortraitFileBytes(portraits)))
        return false;
    if (!WriteGoldPortraits(folder, goldPortraitsSmall, goldPortraitsLarge))
        return false;
    return WriteSaveFiles(*this, folder);
}

} // namespace gamebuild
