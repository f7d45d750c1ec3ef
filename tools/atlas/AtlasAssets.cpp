// The script and style sheet every page shares, and the image strips the style sheet places.

#include "gamedata/Format.h"
#include "items/ItemViewerContent.h"
#include "saves/Shades.h"
#include "tools/atlas/Site.h"

namespace atlas {

namespace {

constexpr const char* kScript =
#include "AtlasScript.inc"
    ;
constexpr const char* kStyle =
#include "AtlasStyle.inc"
    ;

std::string Css(Colour colour) { return Format("#%02x%02x%02x", RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// One class per cell of a strip: "prefix-N" shows cell N.
std::string StripClasses(const char* prefix, const ImageList& list)
{
    std::string css;
    for (int i = 0; i < list.Count(); ++i)
        css += Format(".%s-%i{background-position:%ipx 0}", prefix, i, -i * list.CellWidth());
    return css + "\n";
}

} // namespace

void WriteAssets(Site& site)
{
    CGameData& game = site.Game();
    std::string style = kStyle;
    style += ".good{color:" + Css(itemviewer::kGoodColour) + "}.bad{color:" + Css(itemviewer::kBadColour) +
             "}.res{color:" + Css(itemviewer::kResistancesColour) + "}.spell{color:" + Css(itemviewer::kSpellColour) +
             "}.cursed{color:" + Css(itemviewer::kCursedColour) + "}.invoke{color:" + Css(itemviewer::kInvokeColour) +
             "}\n";
    for (Shade shade : {Shade::Better, Shade::Worse, Shade::Differs, Shade::LightLoad, Shade::MediumLoad, Shade::HeavyLoad,
                        Shade::Current, Shade::Allowed})
        style += Format(".shade-%i{color:", static_cast<int>(shade)) + Css(*ShadeColour(shade)) + "}";
    style += Format(".li{width:%ipx;height:%ipx}\n", game.ItemImagesSmall().CellWidth(), game.ItemImagesSmall().CellHeight());
    style += StripClasses("ii", game.IconImages()) + StripClasses("si", game.StateIcons16()) +
             StripClasses("li", game.ItemImagesSmall());
    site.WriteText("atlas.js", kScript);
    site.WriteText("atlas.css", style);
    site.WriteStrip("img/state16.png", game.StateIcons16());
    site.WriteStrip("img/item-small.png", game.ItemImagesSmall());
}

} // namespace atlas
