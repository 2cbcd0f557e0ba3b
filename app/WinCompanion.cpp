// The companion notification on Windows: the companion's window is found by its exact title (no
// class name) and message 1124 is posted to it, so the launcher never waits for the companion.
#if defined(_WIN32)

#include "app/CompanionNotifier.h"

#include <windows.h>

namespace {

class WindowsCompanionNotifier final : public CompanionNotifier
{
public:
    bool notify(int lessonCode) override
    {
        static_assert(sizeof(wchar_t) == sizeof(char16_t));
        const std::u16string title = companionWindowTitle();
        const HWND window = FindWindowW(nullptr, reinterpret_cast<LPCWSTR>(title.c_str()));
        if (!window) return false;
        PostMessageW(window, companionMessage, static_cast<WPARAM>(lessonCode), 0);
        return true;
    }
};

} // namespace

std::unique_ptr<CompanionNotifier> createWindowsCompanionNotifier()
{
    return std::make_unique<WindowsCompanionNotifier>();
}

#endif
