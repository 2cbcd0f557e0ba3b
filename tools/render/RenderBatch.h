#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// The words of one command line: blanks separate them, '...' keeps everything up to the next
/// quote, "..." too except that a backslash takes the next character as it is, as it does outside
/// quotes. An unclosed quote or a trailing backslash is an error (a message of one line).
std::variant<std::vector<std::string>, std::string> splitCommandLine(std::string_view line);

/// Runs one `tessaryn-render` command per line of `input` in this process and writes one result
/// line per input line to `results`: "N ok", "N error S: MESSAGE" (S the exit status the command
/// alone would give) or "N skip" for a blank line or one starting with '#'. A failing line does
/// not stop the batch. Returns 0 when every command succeeded, else 1.
int runRenderBatch(std::istream &input, std::ostream &results);

/// As above, on a file or on standard input for "-"; 2 when the file cannot be read.
int runRenderBatchFile(const std::string &file, std::ostream &results);
