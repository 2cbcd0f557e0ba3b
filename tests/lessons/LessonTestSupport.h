#pragma once

#include "ui/MessageBox.h"

#include <QString>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// Helpers for comparing the recorded lines of a paint.

/// True when `line` occurs in `lines`.
inline bool hasLine(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

/// True when `sequence` occurs in `lines` as consecutive lines.
inline bool hasSequence(const std::vector<std::string> &lines,
                        const std::vector<std::string> &sequence)
{
    return std::search(lines.begin(), lines.end(), sequence.begin(), sequence.end()) != lines.end();
}

/// The lines drawn on child surface `id` ("surface ID" up to "surface client").
inline std::vector<std::string> surfaceLines(const std::vector<std::string> &lines, int id)
{
    const auto begin = std::find(lines.begin(), lines.end(), "surface " + std::to_string(id));
    if (begin == lines.end()) return {};
    const auto end = std::find(begin, lines.end(), "surface client");
    return std::vector<std::string>(begin + 1, end);
}

/// The lines that start with `prefix`.
inline std::vector<std::string> linesStartingWith(const std::vector<std::string> &lines,
                                                  const std::string &prefix)
{
    std::vector<std::string> result;
    for (const std::string &line : lines) {
        if (line.rfind(prefix, 0) == 0) result.push_back(line);
    }
    return result;
}

/// Collects the texts of message boxes while it lives, answering each with OK.
struct MessageBoxRecorder
{
    MessageBoxRecorder()
    {
        setMessageBoxHandler([this](const MessageRequest &request) {
            texts.emplace_back(request.text);
            return static_cast<int>(IdOk);
        });
    }
    ~MessageBoxRecorder()
    {
        setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    }
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    std::vector<std::u16string> texts;
};

/// A UTF-16 text as UTF-8, for test messages.
inline std::string utf8(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}
