#include "app/KeyboardLocks.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(TESSARYN_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <cstdlib>
#endif

#if defined(TESSARYN_HAVE_X11) && !defined(_WIN32)
namespace {

/// One connection for the life of the program, opened at the first reading.
Display *lockDisplay()
{
    static Display *display = [] {
        const char *name = std::getenv("DISPLAY");
        return name && *name ? XOpenDisplay(nullptr) : nullptr;
    }();
    return display;
}

bool indicatorOn(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on != False;
}

} // namespace
#endif

std::optional<LockKeys> readLockKeys()
{
#if defined(_WIN32)
    return LockKeys{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                    (GetKeyState(VK_SCROLL) & 1) != 0};
#elif defined(TESSARYN_HAVE_X11)
    Display *display = lockDisplay();
    if (!display) return std::nullopt;
    return LockKeys{indicatorOn(display, "Caps Lock"), indicatorOn(display, "Num Lock"),
                    indicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}
