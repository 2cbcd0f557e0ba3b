#pragma once

#include "tools/render/RenderCommand.h"

#include <string>
#include <vector>

class LessonWindow;

/// Writes one text line per entry to a file, or to standard output for "-".
bool writeLines(const std::string &file, const std::vector<std::string> &lines);

/// Carries out a parsed command; returns the process exit status (0 success, 2 bad input, 1
/// failure).
int runRenderCommand(const RenderCommand &command);

/// One line per control of a window, `control ID KIND enabled|disabled checked|unchecked "TEXT"`, a
/// combo box followed by ` entries "A" "B" ... selected N`.
std::vector<std::string> describeControls(const LessonWindow &window);
