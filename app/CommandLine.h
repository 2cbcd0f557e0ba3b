#pragma once

#include <string>
#include <string_view>

/// An option that is answered on standard output instead of opening a window.
enum class InfoOption
{
    None,
    Help,
    Version
};

/// The first "--help" (or "-h") or "--version" among `argv[1..argc)`; arguments after "--" are
/// file names. Anything else is left to the program's own start-up (a file to open).
InfoOption findInfoOption(int argc, const char *const *argv);

/// "<program> <version>\n".
std::string versionText(std::string_view program);

/// The usage text of `tessaryn`.
const char *tessarynUsage();
