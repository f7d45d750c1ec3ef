// The demo installations: full-size tables of made-up, plausible content, the same every time.
// Each part has a unit of its own; the order matters where one part points at another's.

#include "testing/GameBuilder.h"

namespace gamebuild {

Installation DemoInstallation(Edition edition)
{
    Installation demo;
    demo.edition = edition;
    AddDemoRecords(demo);  // items, monsters, loot
    AddDemoTexts(demo);    // the messages; points scrolls and maps at their texts
    AddDemoMaps(demo);     // maps, events and incidents, with their own messages
    AddDemoImages(demo);
    AddDemoPictures(demo);
    AddDemoSaves(demo);
    return demo;
}

} // namespace gamebuild
