#pragma once

#include <optional>

/// The state of the three lock keys that the status bar shows.
struct LockKeys
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

/// Reads the lock keys from the window system, or nullopt where it cannot tell.
std::optional<LockKeys> readLockKeys();
