// "msg.hdr" with the edition's message file: the index, the name lists, every text as the
// viewers show it and as a picture.

#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Byte 0: the edition; bytes 1 and 2: the length of the header; then the header and the texts.
    if (size < 3)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    const size_t headerSize = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
    CGameData& game = fuzz::Store(edition);
    fuzz::Replace(edition, "msg.hdr", data + 3, headerSize);
    fuzz::Replace(edition, gamebuild::MessageFileName(edition), data + 3 + headerSize, size - 3 - headerSize);
    game.LoadMessageIndex();
    exercise::Messages(game);
    return 0;
}
