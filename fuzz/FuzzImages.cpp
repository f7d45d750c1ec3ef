// "palette.def", the ".vga" image sets and the font, then what is drawn with them.

#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

namespace {
const char* const kFiles[] = {"palette.def", "vcfont1.vga", "vcfont2.vga", "vbfont2.vga"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Byte 0: the edition; byte 1: the file the rest stands for.
    if (size < 2)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    fuzz::Replace(edition, kFiles[data[1] % 4], data + 2, size - 2);
    exercise::Images(game);
    return 0;
}
