#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"

namespace gamebuild {

namespace {
// Offsets of the map record's tables; each is indexed by row r = quadrant * 8 + y.
constexpr size_t kNorthWalls = 176, kEastWalls = 688, kOriginX = 1200, kOriginY = 1216, kFeatures = 1232,
                 kDirections = 2000, kFlags = 2256, kFlagPlane = 128;

void Or(Record& record, size_t offset, unsigned bits) { record[offset] = static_cast<uint8_t>(record[offset] | bits); }
} // namespace

Record MapRecordBytes(const MapLevel& level)
{
    Record record(scenario::kMapSize, 0);
    for (int q = 0; q < 16; ++q) {
        record[kOriginX + q] = level.originX[q];
        record[kOriginY + q] = level.originY[q];
        for (int y = 0; y < 8; ++y) {
            const size_t r = static_cast<size_t>(q * 8 + y);
            for (int x = 0; x < 8; ++x) {
                const MapCellBuild& cell = level.cells[q][y * 8 + x];
                const unsigned shift = x % 2 ? 4 : 0;
                Or(record, kNorthWalls + 4 * r + x / 2, (cell.north & 15u) << shift);
                Or(record, kEastWalls + 4 * r + x / 2, (cell.east & 15u) << shift);
                // Three two-bit pairs, the first the most significant, low pairs of a byte first.
                for (int i = 0; i < 3; ++i) {
                    const int k = 3 * x + i;
                    const unsigned pair = (cell.feature >> (2 * (2 - i))) & 3u;
                    Or(record, kFeatures + 6 * r + k / 4, pair << (2 * (k % 4)));
                }
                Or(record, kDirections + 2 * r + x / 4, (cell.direction & 3u) << (2 * (x % 4)));
                for (int plane = 0; plane < 4; ++plane)
                    if (cell.flags & (1 << plane))
                        Or(record, kFlags + kFlagPlane * plane + r, 1u << x);
            }
        }
    }
    return record;
}

Record IncidentRecordBytes(std::string_view name)
{
    Record record(scenario::kIncidentSize, 0);
    ByteWriter(record).Text(0, name, scenario::kIncidentSize);
    return record;
}

uint16_t PackCellRef(int quadrant, int x, int y)
{
    return static_cast<uint16_t>(((quadrant & 15) << 6) | ((y & 7) << 3) | (x & 7));
}

} // namespace gamebuild
