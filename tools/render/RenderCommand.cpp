#include "tools/render/RenderCommand.h"

#include <charconv>
#include <cstdint>

namespace {

bool parseInt(const std::string &text, int &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// A seed: any unsigned 32-bit number, as the drill's generator takes it.
bool parseSeed(const std::string &text, unsigned &value)
{
    std::uint32_t seed = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, seed);
    if (ec != std::errc() || ptr != end) return false;
    value = seed;
    return true;
}

// A scale above 0 and at most 8, as a decimal number.
bool parseScale(const std::string &text, double &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    constexpr double kMaxScale = 8.0;
    return ec == std::errc() && ptr == end && value > 0 && value <= kMaxScale;
}

bool parsePoint(const std::string &text, std::pair<int, int> &point)
{
    const auto comma = text.find(',');
    return comma != std::string::npos && parseInt(text.substr(0, comma), point.first) &&
           parseInt(text.substr(comma + 1), point.second);
}

bool parseIdValue(const std::string &text, int &id, std::string &value)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || !parseInt(text.substr(0, eq), id)) return false;
    value = text.substr(eq + 1);
    return true;
}

using Event = RenderCommand::Event;

} // namespace

const char *renderUsage()
{
    return "usage: tessaryn-render TARGET [--seed N] [--size WxH] [EVENT...] [--png FILE]\n"
           "                       [--scale K] [--svg FILE] [--pdf FILE] [--ops FILE|-]\n"
           "                       [--controls FILE|-] [--save FILE] [--print-pdf FILE]\n"
           "       tessaryn-render --batch FILE|-\n"
           "TARGET: --lesson ID | --drill TOPIC [--variant N] | --sketch FILE|- | --about\n"
           "        | --formula TEXT [--as formula|fraction|product|power|monomial|root]\n"
           "EVENT:  --set ID=TEXT --press ID --select ID=INDEX --scroll ID=POS --click X,Y\n"
           "        --drag X1,Y1:X2,Y2[:...] --command ID\n"
           "SKETCH: --size WxH (default 640x400); --drag and --click press at the first point\n"
           "        and release at the last; --command 57633, 2773 or 2774 (the view is painted\n"
           "        again before the next drag or the output); --save FILE after the events.\n"
           "--svg and --pdf write the figure as vector graphics at its size; --scale K (above 0,\n"
           "        at most 8) writes the PNG at K times the size.\n"
           "--batch runs one command line per line of FILE (- : standard input) in one process\n"
           "        and prints one result per line: \"N ok\", \"N error S: MESSAGE\" or \"N "
           "skip\"\n"
           "        (blank lines and lines starting with #). Quote words with '...' or \"...\".\n"
           "--seed takes 0 to 4294967295. --help shows this text, --version the version.\n";
}

std::variant<RenderCommand, std::string> parseRenderCommand(const std::vector<std::string> &args)
{
    RenderCommand cmd;
    auto setTarget = [&](RenderCommand::Target t) -> bool {
        if (cmd.target != RenderCommand::Target::None) return false;
        cmd.target = t;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &opt = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        auto need = [&]() -> std::optional<std::string> {
            if (!hasValue) return "option " + opt + " needs a value";
            ++i;
            return std::nullopt;
        };
        if (opt == "--about") {
            if (!setTarget(RenderCommand::Target::About))
                return std::string("only one target may be given");
            continue;
        }
        if (auto missing = need()) return *missing;
        int number = 0;
        if (opt == "--lesson" || opt == "--drill") {
            if (!parseInt(value, number)) return "malformed id: " + value;
            if (!setTarget(opt == "--lesson" ? RenderCommand::Target::Lesson
                                             : RenderCommand::Target::Drill))
                return std::string("only one target may be given");
            cmd.targetId = number;
        } else if (opt == "--sketch") {
            if (!setTarget(RenderCommand::Target::Sketch))
                return std::string("only one target may be given");
            cmd.file = value;
        } else if (opt == "--formula") {
            if (!setTarget(RenderCommand::Target::Formula))
                return std::string("only one target may be given");
            cmd.formula = value;
        } else if (opt == "--as") {
            static const char *kinds[] = {"formula", "fraction", "product",
                                          "power",   "monomial", "root"};
            bool known = false;
            for (const char *k : kinds)
                known = known || value == k;
            if (!known) return "unknown formula kind: " + value;
            cmd.formulaKind = value;
        } else if (opt == "--variant") {
            if (!parseInt(value, cmd.variant)) return "malformed variant: " + value;
        } else if (opt == "--seed") {
            unsigned seed = 0;
            if (!parseSeed(value, seed)) return "malformed seed: " + value;
            cmd.seed = seed;
        } else if (opt == "--size") {
            const auto x = value.find('x');
            std::pair<int, int> wh;
            if (x == std::string::npos || !parseInt(value.substr(0, x), wh.first) ||
                !parseInt(value.substr(x + 1), wh.second) || wh.first <= 0 || wh.second <= 0)
                return "malformed size: " + value;
            cmd.size = wh;
        } else if (opt == "--png") {
            cmd.pngFile = value;
        } else if (opt == "--ops") {
            cmd.opsFile = value;
        } else if (opt == "--controls") {
            cmd.controlsFile = value;
        } else if (opt == "--save") {
            cmd.saveFile = value;
        } else if (opt == "--print-pdf") {
            cmd.printPdfFile = value;
        } else if (opt == "--svg") {
            cmd.svgFile = value;
        } else if (opt == "--pdf") {
            cmd.pdfFile = value;
        } else if (opt == "--scale") {
            if (!parseScale(value, cmd.scale))
                return "malformed scale (above 0, at most 8): " + value;
        } else if (opt == "--batch") {
            if (args.size() != 2) return std::string("--batch takes no other options");
            cmd.batchFile = value;
        } else if (opt == "--set") {
            Event e;
            e.kind = Event::Kind::Set;
            if (!parseIdValue(value, e.id, e.text)) return "malformed --set: " + value;
            cmd.events.push_back(e);
        } else if (opt == "--press" || opt == "--command") {
            Event e;
            e.kind = opt == "--press" ? Event::Kind::Press : Event::Kind::Command;
            if (!parseInt(value, e.id)) return "malformed id: " + value;
            cmd.events.push_back(e);
        } else if (opt == "--select" || opt == "--scroll") {
            Event e;
            e.kind = opt == "--select" ? Event::Kind::Select : Event::Kind::Scroll;
            std::string v;
            if (!parseIdValue(value, e.id, v) || !parseInt(v, e.value))
                return "malformed " + opt + ": " + value;
            cmd.events.push_back(e);
        } else if (opt == "--click") {
            Event e;
            e.kind = Event::Kind::Click;
            std::pair<int, int> p;
            if (!parsePoint(value, p)) return "malformed point: " + value;
            e.points.push_back(p);
            cmd.events.push_back(e);
        } else if (opt == "--drag") {
            Event e;
            e.kind = Event::Kind::Drag;
            std::size_t start = 0;
            while (start <= value.size()) {
                const auto colon = value.find(':', start);
                const std::string part = value.substr(
                    start, colon == std::string::npos ? std::string::npos : colon - start);
                std::pair<int, int> p;
                if (!parsePoint(part, p)) return "malformed drag: " + value;
                e.points.push_back(p);
                if (colon == std::string::npos) break;
                start = colon + 1;
            }
            if (e.points.size() < 2) return "a drag needs at least two points: " + value;
            cmd.events.push_back(e);
        } else {
            return "unknown option: " + opt;
        }
    }
    if (!cmd.batchFile.empty()) return cmd;
    if (cmd.target == RenderCommand::Target::None)
        return std::string("no target given (--lesson, --drill, --sketch, --about or --formula)");
    return cmd;
}
