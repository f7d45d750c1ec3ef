// The atlas's own rules: escaping for each place a text goes, the PNG files, where an atlas may
// be written and what a failed writing leaves.

#include "tests/TempFolder.h"
#include "tests/maps/MapFixture.h"
#include "tools/atlas/Atlas.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/PngFile.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace maptest;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The folder's entries by name, sorted.
std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// RGBA pixels of a PNG file as libpng reads it back.
std::vector<uint8_t> ReadPng(const std::string& path, int& width, int& height)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return pixels;
}

} // namespace

TEST(AtlasEscaping, EveryMarkupCharacterOfGameTextBecomesAReference)
{
    EXPECT_EQ(atlas::Html("</script><b a=\"1\" b='2'>&amp;"),
              "&lt;/script&gt;&lt;b a=&quot;1&quot; b=&#39;2&#39;&gt;&amp;amp;");
    // Game text is Windows-1252: 0x80 is the euro sign, 0xE9 an e with an acute accent.
    EXPECT_EQ(atlas::Html("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(atlas::HtmlLines("a<\r\nb\nc\r"), "a&lt;<br>b<br>c<br>");
    EXPECT_EQ(atlas::Html(std::string("a\0b", 3)), "a&#65533;b");
}

TEST(AtlasEscaping, ScriptDataCannotCloseItsElementOrItsString)
{
    const std::string json = atlas::Json("</script><!--\"\\\n\t&");
    EXPECT_EQ(json, "\"\\u003c/script\\u003e\\u003c!--\\\"\\\\\\u000a\\u0009\\u0026\"");
    EXPECT_EQ(json.find('<'), std::string::npos);
    // The line separators end a JavaScript string; they only come from the atlas's own UTF-8.
    EXPECT_EQ(atlas::JsonUtf8("a\xE2\x80\xA8" "b\xE2\x80\xA9"), "\"a\\u2028b\\u2029\"");
    EXPECT_EQ(atlas::JsonUtf8("\xE2\x82\xAC"), "\"\xE2\x82\xAC\"");
}

TEST(AtlasPng, PicturesAndOverlaysReadBackAsWritten)
{
    TempFolder folder;
    Image image(3, 2, Rgb(10, 20, 30));
    image.SetPixel(2, 1, Rgb(200, 100, 50));
    int width = 0, height = 0;
    ASSERT_TRUE(atlas::WritePng(folder.File("a.png"), image));
    std::vector<uint8_t> pixels = ReadPng(folder.File("a.png"), width, height);
    ASSERT_EQ(pixels.size(), 24u);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(std::vector<uint8_t>(pixels.begin(), pixels.begin() + 4), (std::vector<uint8_t>{10, 20, 30, 255}));
    EXPECT_EQ(std::vector<uint8_t>(pixels.begin() + 20, pixels.end()), (std::vector<uint8_t>{200, 100, 50, 255}));

    // An overlay keeps what differs from the base and is transparent elsewhere.
    const Image base(3, 2, Rgb(10, 20, 30));
    ASSERT_TRUE(atlas::WritePngOverlay(folder.File("b.png"), image, base));
    pixels = ReadPng(folder.File("b.png"), width, height);
    ASSERT_EQ(pixels.size(), 24u);
    EXPECT_EQ(pixels[3], 0);
    EXPECT_EQ(std::vector<uint8_t>(pixels.begin() + 20, pixels.end()), (std::vector<uint8_t>{200, 100, 50, 255}));

    // Nothing to write, or nowhere to write it: a failure, and no file left behind.
    EXPECT_FALSE(atlas::WritePng(folder.File("c.png"), Image()));
    EXPECT_FALSE(atlas::WritePng(folder.File("no/such/folder.png"), image));
    EXPECT_FALSE(fs::exists(folder.File("c.png")));
}

class AtlasFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        loaded = Load(MapInstallation());
        ASSERT_TRUE(loaded->game->Loaded());
        installationFiles = Entries(loaded->folder.Path());
    }
    atlas::AtlasResult Write(const std::string& out) { return atlas::WriteAtlas(*loaded->game, out); }

    std::unique_ptr<LoadedMaps> loaded;
    std::vector<std::string> installationFiles;
    TempFolder place;
};

TEST_F(AtlasFolder, ANewAtlasTakesItsPlaceWithNothingLeftBeside)
{
    const fs::path out = fs::path(place.Path()) / "atlas";
    const atlas::AtlasResult result = Write(out.string());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_GT(result.files, 40);
    for (const char* page : {"index.html", "items.html", "monsters.html", "maps.html", "pictures.html", "map/0.html",
                             "atlas.js", "atlas.css", "frames.css", atlas::kMarkerFile})
        EXPECT_TRUE(fs::is_regular_file(out / page)) << page;
    EXPECT_EQ(Entries(place.Path()), std::vector<std::string>{"atlas"});
    EXPECT_EQ(Entries(loaded->folder.Path()), installationFiles);

    // Written again, the new atlas replaces the old one whole (a trailing separator names the same folder).
    WriteFile(out / "left-over.html", "old");
    ASSERT_TRUE(Write(out.string() + "/").ok);
    EXPECT_FALSE(fs::exists(out / "left-over.html"));
    EXPECT_TRUE(fs::is_regular_file(out / "index.html"));
    EXPECT_EQ(Entries(place.Path()), std::vector<std::string>{"atlas"});
}

TEST_F(AtlasFolder, AFolderThatIsNotAnAtlasOrLiesInTheGameIsLeftAlone)
{
    const fs::path mine = fs::path(place.Path()) / "documents";
    fs::create_directories(mine);
    WriteFile(mine / "letter.txt", "keep me");
    atlas::AtlasResult result = Write(mine.string());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("does not hold an atlas"), std::string::npos) << result.error;
    EXPECT_EQ(Entries(mine), std::vector<std::string>{"letter.txt"});
    EXPECT_EQ(ReadFile(mine / "letter.txt"), "keep me");
    EXPECT_EQ(Entries(place.Path()), std::vector<std::string>{"documents"});

    // An empty folder may be filled.
    fs::create_directories(fs::path(place.Path()) / "empty");
    EXPECT_TRUE(Write(place.File("empty")).ok);

    // Neither inside the installation, nor the installation itself, nor a folder holding it.
    for (const std::string& out : {loaded->folder.File("atlas"), loaded->folder.Path(), loaded->folder.Path() + "/",
                                   fs::path(loaded->folder.Path()).parent_path().string()}) {
        result = Write(out);
        EXPECT_FALSE(result.ok) << out;
        EXPECT_NE(result.error.find("installation folder"), std::string::npos) << result.error;
    }
    EXPECT_EQ(Entries(loaded->folder.Path()), installationFiles);
}
