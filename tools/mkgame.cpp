// mkgame FOLDER [--gold]: writes a demo installation of made-up content.

#include "testing/GameBuilder.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--gold") != 0)) {
        std::fprintf(stderr, "Usage: mkgame FOLDER [--gold]\n");
        return 2;
    }
    auto edition = argc == 3 ? gamebuild::Edition::Gold : gamebuild::Edition::First;
    if (!gamebuild::DemoInstallation(edition).Write(argv[1])) {
        std::fprintf(stderr, "mkgame: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
