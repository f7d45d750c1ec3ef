#pragma once
// Runs tallowmark-cli as a caller would and keeps what it printed (stdout and stderr) and its exit status.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CliRun {
    int status = -1;
    std::string out;
};

inline CliRun RunCli(const std::string& arguments)
{
    CliRun run;
    std::string command = std::string(TALLOWMARK_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
