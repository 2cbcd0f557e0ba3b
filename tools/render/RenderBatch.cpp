#include "tools/render/RenderBatch.h"

#include "tools/render/FigureOutput.h"
#include "tools/render/RenderCommand.h"
#include "tools/render/RenderTargets.h"

#include <QApplication>
#include <QEvent>

#include <fstream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <iostream>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

/// The result line of one input line.
std::string runLine(const std::string &line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return "skip";
    auto words = splitCommandLine(line);
    if (auto *error = std::get_if<std::string>(&words)) return "error 2: " + *error;
    auto parsed = parseRenderCommand(std::get<std::vector<std::string>>(words));
    if (auto *error = std::get_if<std::string>(&parsed)) return "error 2: " + *error;
    const RenderCommand &command = std::get<RenderCommand>(parsed);
    if (!command.batchFile.empty()) return "error 2: a batch cannot run a batch";
    takeRenderErrors();
    const int status = runRenderCommand(command);
    // Windows closed by the command go away now, not at the end of the batch.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::string errors = takeRenderErrors();
    if (status == 0) return "ok";
    return "error " + std::to_string(status) + ": " + (errors.empty() ? "failed" : errors);
}

} // namespace

std::variant<std::vector<std::string>, std::string> splitCommandLine(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (isBlank(c)) {
            if (inWord) words.push_back(std::exchange(word, std::string()));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'' || c == '"') {
            for (++i; i < line.size() && line[i] != c; ++i) {
                if (c == '"' && line[i] == '\\' && i + 1 < line.size()) ++i;
                word += line[i];
            }
            if (i >= line.size()) return std::string("unclosed quote");
        } else if (c == '\\') {
            if (++i >= line.size()) return std::string("backslash at the end of the line");
            word += line[i];
        } else {
            word += c;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

namespace {

// Every figure allocates window and PNG images of a few hundred kilobytes and frees them again.
// glibc maps blocks that large afresh each time and returns them at once, so every figure paid for
// new zeroed pages; a batch keeps such memory in the heap for the next figure instead.
void keepFreedImageMemory()
{
#ifdef __GLIBC__
    constexpr int kLargeBlock = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, 2 * kLargeBlock);
#endif
}

} // namespace

int runRenderBatch(std::istream &input, std::ostream &results)
{
    keepFreedImageMemory();
    int status = 0;
    std::string line;
    for (long number = 1; std::getline(input, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string result = runLine(line);
        if (result.rfind("error", 0) == 0) status = 1;
        // Flushed line by line: a caller may wait for each result.
        results << number << ' ' << result << std::endl;
    }
    return status;
}

int runRenderBatchFile(const std::string &file, std::ostream &results)
{
    if (file == "-") return runRenderBatch(std::cin, results);
    std::ifstream input(file, std::ios::binary);
    if (!input) {
        reportRenderError("cannot read " + file);
        return 2;
    }
    return runRenderBatch(input, results);
}
