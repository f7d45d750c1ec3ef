// Character portraits: the first edition's "portdata.vga" and Gold's BMP files.

#include "gamedata/BmpFile.h"
#include "gamedata/Portraits.h"
#include "testing/GameBuilder.h"

#include <algorithm>
#include <filesystem>

namespace gamebuild {

std::vector<uint8_t> PortraitFileBytes(const std::vector<Record>& portraitRecords)
{
    std::vector<uint8_t> file(portraitRecords.size() * portraits::kSize, 0);
    for (size_t i = 0; i < portraitRecords.size(); ++i)
        std::copy_n(portraitRecords[i].begin(), std::min(portraitRecords[i].size(), portraits::kSize),
                    file.begin() + i * portraits::kSize);
    return file;
}

bool WriteGoldPortraits(const std::string& folder, const std::vector<Image>& small, const std::vector<Image>& large)
{
    const std::pair<const char*, const std::vector<Image>*> sets[] = {{"PCA", &small}, {"PCB", &large}};
    for (const auto& [name, images] : sets) {
        if (images->empty())
            continue;
        std::filesystem::path bits = std::filesystem::path(folder) / "RES" / "BITS" / name;
        std::error_code error;
        std::filesystem::create_directories(bits, error);
        if (error)
            return false;
        for (size_t i = 0; i < images->size(); ++i)
            if (!WriteBytes((bits / ("pc" + std::to_string(i) + ".bmp")).string(), EncodeBmp24((*images)[i])))
                return false;
    }
    return true;
}

} // namespace gamebuild
