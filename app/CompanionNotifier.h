#pragma once

#include <memory>
#include <string>

/// Message number of the companion notification: the platform's first user message number (1024)
/// plus 100. Its first parameter is the lesson code, its second 0.
inline constexpr int companionMessage = 1124;

/// Title of the companion window, as the UTF-16 code units the window search uses.
std::u16string companionWindowTitle();

/// Tells the separate companion program which lesson has just been opened.
class CompanionNotifier
{
public:
    virtual ~CompanionNotifier() = default;

    /// Posts message 1124 with the lesson code to the companion window if one exists; never waits.
    /// Returns whether a window was found.
    virtual bool notify(int lessonCode) = 0;
};

/// The platform's notifier: Windows, X11 (when a display is set), or one that sends nothing.
std::unique_ptr<CompanionNotifier> createCompanionNotifier();
