#include "gamedata/PictureSets.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace picturesets {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const std::string la = Lowered(a), lb = Lowered(b);
    return la != lb ? la < lb : a < b;
}

} // namespace

std::vector<std::string> ListPictureFiles(const std::string& folder)
{
    std::string native = folder;
#ifndef _WIN32
    std::replace(native.begin(), native.end(), '\\', '/');
#endif
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(native, error);
    if (error)
        return names;
    for (const auto& entry : entries) {
        // A folder or a device named like a picture cannot be shown: only regular files.
        if (!entry.is_regular_file(error))
            continue;
        std::string name = entry.path().filename().string();
        if (name.size() > 4 && Lowered(name.substr(name.size() - 4)) == ".pic")
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

void FrameCursor::Load(int count)
{
    m_count = std::max(count, 0);
    m_frame = 0;
}

void FrameCursor::Next()
{
    if (m_count > 0)
        m_frame = (m_frame + 1) % m_count;
}

void FrameCursor::Previous()
{
    if (m_count > 0)
        m_frame = (m_frame + m_count - 1) % m_count;
}

std::string FrameCursor::CounterText() const
{
    return m_count > 0 ? FormatV(ResourceString(39), m_frame + 1, m_count) : std::string();
}

std::string FrameFileName(const std::string& chosen, int frame)
{
    // Only the file's own name is searched: a folder called "x.bmp" is not split.
    const size_t slash = chosen.find_last_of("\\/");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t split = chosen.find(".bmp", nameStart);
    if (split == std::string::npos)
        split = Lowered(chosen).find(".bmp", nameStart);
    if (split == std::string::npos)
        return FormatV(ResourceString(40), chosen.c_str(), frame, ".bmp");
    return FormatV(ResourceString(40), chosen.substr(0, split).c_str(), frame, chosen.substr(split).c_str());
}

} // namespace picturesets
