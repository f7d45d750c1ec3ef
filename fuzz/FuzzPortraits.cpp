// The portraits: "portdata.vga" of the first edition, the BMP files of Gold.

#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    if (edition == gamebuild::Edition::Gold) {
        fuzz::Replace(edition, "RES/BITS/PCA/pc0.bmp", data + 1, size - 1);
        fuzz::Replace(edition, "RES/BITS/PCB/pc0.bmp", data + 1, size - 1);
    } else {
        fuzz::Replace(edition, "portdata.vga", data + 1, size - 1);
    }
    exercise::Portraits(game);
    return 0;
}
