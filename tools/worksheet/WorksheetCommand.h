#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

/// What `tessaryn-worksheet` is asked to make, parsed from its command line.
struct WorksheetCommand
{
    int topic = 0;
    int variant = 0;
    int count = 0;
    /// Unset: drawn from the clock (and printed on the sheet).
    std::optional<unsigned> seed;
    std::string title; ///< UTF-8; empty: the default heading
    std::string pdfFile;
};

/// The parsed command, or an error message of one line.
std::variant<WorksheetCommand, std::string>
parseWorksheetCommand(const std::vector<std::string> &args);

/// The usage text.
const char *worksheetUsage();
