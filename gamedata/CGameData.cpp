#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"

namespace {

CGameData* g_gameData = nullptr;

// The settings dialog reads each value into 260 UTF-16 units, terminator included.
constexpr size_t kMaxSettingLength = 259;

// The folder of a chosen file, with its trailing backslash, when the name holds a backslash
// after its first character.
std::optional<std::string> FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos || slash == 0)
        return std::nullopt;
    return path.substr(0, slash + 1);
}

} // namespace

CGameData* GetGameData() { return g_gameData; }
void SetGameData(CGameData* data) { g_gameData = data; }

CGameData::CGameData(Platform& platform) : m_platform(platform)
{
    LoadSettings();
    if (m_installPath.empty() && !ChooseInstallFolder())
        return;
    if (!LoadScenario()) {
        if (!ChooseInstallFolder() || !LoadScenario())
            return;
    }
    // The other game files are read here, in their order; a failure there leaves that piece empty.
    LoadPalette();
    LoadStateIcons();
    LoadItemImages();
    LoadIconImages();
    LoadMessageIndex();
    LoadTextFont();
    LoadNameLists(); // needs the message index and the edition
    LoadSpellTable();
    m_loaded = true;
}

CGameData::~CGameData()
{
    if (m_loaded)
        SaveSettings();
}

std::array<std::pair<const char*, std::string*>, 4> CGameData::Settings()
{
    return {{{"w7path", &m_installPath},
             {"bmpsavepath", &m_bmpSavePath},
             {"w7savepath", &m_saveFilePath},
             {"w7saveext", &m_saveFileExt}}};
}

void CGameData::LoadSettings()
{
    for (const auto& [name, field] : Settings()) {
        std::optional<std::string> value = m_platform.ReadSetting(name);
        if (value && value->size() <= kMaxSettingLength)
            *field = *value;
    }
}

void CGameData::SaveSettings()
{
    for (const auto& [name, field] : Settings())
        m_platform.WriteSetting(name, *field);
}

bool CGameData::ChooseInstallFolder()
{
    std::optional<std::string> folder = m_platform.BrowseInstallFolder(m_installPath);
    if (!folder)
        return false;
    m_installPath = *folder;
    return true;
}

bool CGameData::ShowLoadError(int id, const std::string& path)
{
    m_platform.ShowError(FormatV(ResourceString(strings::kErrorOpeningFile), path.c_str(), ResourceString(id)));
    return false;
}

void CGameData::RememberBmpFile(const std::string& path)
{
    if (auto folder = FolderOf(path))
        m_bmpSavePath = *folder;
}

void CGameData::RememberSaveFile(const std::string& path, bool rememberExtension)
{
    if (auto folder = FolderOf(path))
        m_saveFilePath = *folder;
    if (!rememberExtension)
        return;
    size_t dot = path.find_last_of('.');
    m_saveFileExt = dot == std::string::npos || dot == 0 ? "*" : path.substr(dot + 1);
}

std::vector<std::pair<std::string, std::string>> CGameData::SaveFileFilters(bool rememberExtension) const
{
    std::vector<std::pair<std::string, std::string>> filters;
    if (rememberExtension && !m_saveFileExt.empty()) {
        const char* ext = m_saveFileExt.c_str();
        filters.emplace_back(Format("Latest file type used (*.%s)", ext), Format("*.%s", ext));
    }
    filters.emplace_back("Wizardry 7 save files (*.dbs; *.end)", "*.dbs;*.end");
    filters.emplace_back("All Files (*.*)", "*.*");
    return filters;
}
