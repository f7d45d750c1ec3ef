// A PIC file, in the form the edition reads, as monster 5's picture and on its own.

#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    fuzz::Replace(edition, "MON05.PIC", data + 1, size - 1);
    exercise::Picture(game, fuzz::PathOf(edition, "MON05.PIC"), 5);
    return 0;
}
