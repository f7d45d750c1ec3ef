#include "tools/cli/Cli.h"

#include <charconv>

namespace cli {

namespace {
// Windows-1252 code points of bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

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
        unsigned byte = static_cast<unsigned char>(c);
        unsigned code = byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
        AppendUtf8(out, code ? code : byte); // undefined bytes keep their own value
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
