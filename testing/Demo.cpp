// The demo installations: full-size tables of made-up, plausible content, the same every time.

#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"

#include <string>

namespace gamebuild {

using namespace scenario;

namespace {

// A small fixed generator, so that the demo is the same on every machine.
class Dice {
public:
    explicit Dice(uint32_t seed) : m_state(seed) {}
    unsigned Roll(unsigned sides)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % sides;
    }

private:
    uint32_t m_state;
};

Record NewRecord(size_t size) { return Record(size, 0); }

Record DemoIncident(int number)
{
    Record incident = NewRecord(kIncidentSize);
    ByteWriter(incident).U16(0, 1000 + number);
    return incident;
}

// Four quadrants in a square, an outer wall around them and a few walls and doors inside.
Record DemoMap(int map, Dice& dice)
{
    Record record = NewRecord(kMapSize);
    ByteWriter out(record);
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        out.U8(1200 + quadrant, 8 * (quadrant % 2)).U8(1216 + quadrant, 8 * (quadrant / 2));
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        for (int y = 0; y < 8; ++y) {
            int r = quadrant * 8 + y;
            for (int x = 0; x < 8; x += 2) {
                auto wall = [&](int cx, bool north) {
                    bool edge = north ? (quadrant / 2 == 1 && y == 7) : (quadrant % 2 == 1 && cx == 7);
                    if (edge)
                        return 2;
                    unsigned roll = dice.Roll(12);
                    return roll == 0 ? 2 : roll == 1 ? 4 : 0;
                };
                out.U8(176 + 4 * r + x / 2, wall(x, true) | (wall(x + 1, true) << 4));
                out.U8(688 + 4 * r + x / 2, wall(x, false) | (wall(x + 1, false) << 4));
            }
        }
    out.U8(2256 + 3 * 128 + (map % 32), 0x3C); // a battle area
    return record;
}

std::vector<MapEvent> DemoEvents(int map, Dice& dice)
{
    std::vector<MapEvent> events;
    for (int number = 1; number <= 12 + map % 7; ++number) {
        MapEvent event;
        event.type = static_cast<uint8_t>(1 + dice.Roll(30));
        event.quadrant = static_cast<uint8_t>(dice.Roll(4));
        event.x = static_cast<uint8_t>(dice.Roll(8));
        event.y = static_cast<uint8_t>(dice.Roll(8));
        event.number = static_cast<uint8_t>(number);
        event.param0 = static_cast<uint16_t>(dice.Roll(kItemCount));
        event.param2 = static_cast<uint16_t>(dice.Roll(0x400));
        event.param4 = static_cast<uint16_t>(dice.Roll(0x400));
        event.param11 = static_cast<uint8_t>(dice.Roll(kIncidentCount));
        events.push_back(event);
    }
    return events;
}

} // namespace

Installation DemoInstallation(Edition edition)
{
    Installation demo;
    demo.edition = edition;
    Dice dice(edition == Edition::Gold ? 7007u : 7u);
    Scenario& scenario = demo.scenario;
    AddDemoRecords(demo);
    for (int i = 0; i < kIncidentCount; ++i)
        scenario.incidents.push_back(DemoIncident(i));
    for (int map = 0; map < kMapCount; ++map) {
        scenario.maps[map] = DemoMap(map, dice);
        scenario.events[map] = DemoEvents(map, dice);
    }
    AddDemoTexts(demo);
    AddDemoImages(demo);
    AddDemoPictures(demo);
    return demo;
}

} // namespace gamebuild
