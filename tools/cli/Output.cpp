#include "tools/cli/Cli.h"

#include "gamedata/Cp1252.h"

#include <charconv>

namespace cli {

namespace {
void AppendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}
} // namespace

std::string Utf8(std::string_view gameText)
{
    std::string out;
    out.reserve(gameText.size());
    for (char c : gameText) {
        AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Cell(std::string_view gameText)
{
    std::string cell = Utf8(gameText);
    for (char& c : cell)
        if (c == '\t' || c == '\n' || c == '\r' || c == '\v')
            c = ' ';
    return cell;
}

void PrintLine(const std::string& utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintRow(const std::vector<std::string>& cells)
{
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i)
            line += '\t';
        line += cells[i];
    }
    PrintLine(line);
}

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "tallowmark-cli: %s\nTry 'tallowmark-cli --help'.\n", message.c_str());
    return kUsage;
}

int Failure(const std::string& message)
{
    std::fprintf(stderr, "%s\n", Utf8(message).c_str());
    return kFailed;
}

bool Options::Has(std::string_view flag) const
{
    for (const std::string& f : flags)
        if (f == flag)
            return true;
    return false;
}

const std::string* Options::Value(std::string_view name) const
{
    for (const auto& [key, value] : values)
        if (key == name)
            return &value;
    return nullptr;
}

bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                  const std::vector<std::string>& flagOptions, Options& options, std::string& error)
{
    auto listed = [](const std::vector<std::string>& list, const std::string& arg) {
        for (const std::string& entry : list)
            if (entry == arg)
                return true;
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (listed(valueOptions, arg)) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            options.values.emplace_back(arg, args[++i]);
        } else if (listed(flagOptions, arg)) {
            options.flags.push_back(arg);
        } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            error = "unknown option " + arg;
            return false;
        } else {
            options.words.push_back(arg);
        }
    }
    return true;
}

bool ParseInt(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end && !text.empty();
}

} // namespace cli
