#include "tools/worksheet/WorksheetCommand.h"

#include "drill/Worksheet.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

template <typename T> bool parseNumber(const std::string &text, T &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

} // namespace

const char *worksheetUsage()
{
    return "usage: tessaryn-worksheet --topic T [--variant N] --count N [--seed S]\n"
           "                          [--title TEXT] --pdf FILE\n"
           "Writes an A4 PDF of N exercises (1 to 100) of drill topic T (the lesson's menu\n"
           "command, e.g. 2786) with an answer key. The same seed (0 to 4294967295) gives the\n"
           "same sheet; without --seed it comes from the clock and is printed on every page.\n"
           "--help shows this text, --version the version.\n";
}

std::variant<WorksheetCommand, std::string>
parseWorksheetCommand(const std::vector<std::string> &args)
{
    WorksheetCommand cmd;
    bool hasTopic = false;
    bool hasCount = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &opt = args[i];
        if (i + 1 >= args.size()) return "option " + opt + " needs a value";
        const std::string &value = args[++i];
        if (opt == "--topic") {
            if (!parseNumber(value, cmd.topic)) return "malformed topic: " + value;
            hasTopic = true;
        } else if (opt == "--variant") {
            if (!parseNumber(value, cmd.variant) || cmd.variant < 0 || cmd.variant > 1)
                return "malformed variant (0 or 1): " + value;
        } else if (opt == "--count") {
            if (!parseNumber(value, cmd.count) || cmd.count < 1 || cmd.count > Worksheet::kMaxCount)
                return "malformed count (1 to 100): " + value;
            hasCount = true;
        } else if (opt == "--seed") {
            std::uint32_t seed = 0;
            if (!parseNumber(value, seed)) return "malformed seed: " + value;
            cmd.seed = seed;
        } else if (opt == "--title") {
            cmd.title = value;
        } else if (opt == "--pdf") {
            if (value.empty()) return std::string("--pdf needs a file name");
            cmd.pdfFile = value;
        } else {
            return "unknown option: " + opt;
        }
    }
    if (!hasTopic) return std::string("no topic given (--topic T)");
    if (!hasCount) return std::string("no count given (--count N)");
    if (cmd.pdfFile.empty()) return std::string("no output given (--pdf FILE)");
    if (cmd.topic < std::numeric_limits<std::int16_t>::min() ||
        cmd.topic > std::numeric_limits<std::int16_t>::max() ||
        Worksheet::topicName(static_cast<std::int16_t>(cmd.topic)).empty())
        return "no drill for topic " + std::to_string(cmd.topic);
    return cmd;
}
