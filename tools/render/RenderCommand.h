#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

/// What `tessaryn-render` is asked to do, parsed from its command line.
struct RenderCommand
{
    enum class Target
    {
        None,
        Lesson,
        Drill,
        Sketch,
        About,
        Formula
    };

    struct Event
    {
        enum class Kind
        {
            Set,
            Press,
            Select,
            Scroll,
            Click,
            Drag,
            Command
        };
        Kind kind = Kind::Press;
        int id = 0;
        int value = 0;                           ///< Select: index; Scroll: position
        std::string text;                        ///< Set: the text (UTF-8)
        std::vector<std::pair<int, int>> points; ///< Click: one point; Drag: two or more
    };

    Target target = Target::None;
    int targetId = 0;    ///< lesson command id or drill topic
    int variant = 0;     ///< drill variant
    std::string file;    ///< sketch file ("-": new document)
    std::string formula; ///< formula text
    std::string formulaKind = "formula";
    std::optional<unsigned> seed;
    std::optional<std::pair<int, int>> size;
    std::vector<Event> events;
    std::string pngFile;
    std::string opsFile;
    std::string controlsFile;
    std::string saveFile;
    std::string printPdfFile;
    std::string svgFile;   ///< the figure as SVG at its logical size
    std::string pdfFile;   ///< the figure as a one-page PDF at its logical size
    double scale = 1.0;    ///< the PNG at this many times the logical size
    std::string batchFile; ///< run one command per line of this file ("-": standard input)
};

/// The parsed command, or an error message of one line.
std::variant<RenderCommand, std::string> parseRenderCommand(const std::vector<std::string> &args);

/// The usage text.
const char *renderUsage();
