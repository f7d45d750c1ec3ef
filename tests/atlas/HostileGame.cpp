// atlas_hostile_game DIR: writes the Gold demo installation with names and texts that would run
// as script or markup if a page took them as anything but text.

#include "testing/ByteWriter.h"
#include "testing/GameBuilder.h"

#include <cstdio>

using namespace gamebuild;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: atlas_hostile_game DIR\n");
        return 2;
    }
    Installation game = DemoInstallation(Edition::Gold);
    // Item names hold 21 characters and turn "=" and "/" into words, monster names 15.
    ByteWriter(game.scenario.items.at(1)).Text(0, "<svg onload=alert(1)>", 22);
    ByteWriter(game.scenario.items.at(2)).Text(0, "&amp;<b>\"'", 22);
    ByteWriter(game.scenario.monsters.at(1)).Text(0, "<i>&amp;\"'<i>", 16);
    // Every text an item carries, in the plain message file of the Gold edition.
    const std::vector<std::string> hostile = {"</script><script>alert(1)</script>",
                                              "\"><img src=x onerror=alert(1)>", "&amp; <!-- ]]> \\u2028 '"};
    uint16_t message = 0;
    for (Record& item : game.scenario.items)
        if (item.size() > 58 && item[58] == 5) {
            message = static_cast<uint16_t>(item[38] | item[39] << 8);
            game.messages[message] = hostile;
        }
    // The item with the hostile name reads one of them.
    ByteWriter(game.scenario.items.at(1)).U16(38, message).U8(58, 5);
    return game.Write(argv[1]) ? 0 : 1;
}
