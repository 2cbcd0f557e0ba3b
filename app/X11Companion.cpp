// The companion notification on an X11 display: the companion's top-level window is found by its
// title and receives a ClientMessage of type "TESSARYN_MESSAGE" carrying 1124, the lesson code, 0.
#if defined(TESSARYN_HAVE_X11) && !defined(_WIN32)

#include "app/CompanionNotifier.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 &&
            text[i + 1] < 0xe000) {
            c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
        } else if (c >= 0xd800 && c < 0xe000) {
            c = 0xfffd; // a lone surrogate has no UTF-8 form
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xc0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xe0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
            out += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            out += static_cast<char>(0xf0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3f));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
            out += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return out;
}

int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

/// A window may vanish between listing and reading it; Xlib's default error handler would end
/// the program for that. Errors are ignored while the guard lives; it must outlive the display
/// connection, whose closing delivers the last pending errors.
class XErrorGuard
{
public:
    XErrorGuard() : m_previous(XSetErrorHandler(ignoreXError)) {}
    ~XErrorGuard() { XSetErrorHandler(m_previous); }
    XErrorGuard(const XErrorGuard &) = delete;
    XErrorGuard &operator=(const XErrorGuard &) = delete;

private:
    XErrorHandler m_previous;
};

struct DisplayCloser
{
    void operator()(Display *display) const { XCloseDisplay(display); }
};

struct XFreeDeleter
{
    void operator()(void *data) const { XFree(data); }
};

class TitleMatcher
{
public:
    TitleMatcher(Display *display, std::u16string title)
        : m_display(display), m_title(std::move(title)), m_utf8(toUtf8(m_title))
    {
        m_netWmName = XInternAtom(display, "_NET_WM_NAME", False);
        m_utf8String = XInternAtom(display, "UTF8_STRING", False);
    }

    bool matches(Window window) const
    {
        const auto netName = property(window, m_netWmName);
        if (netName && netName->first == m_utf8String && netName->second == m_utf8) return true;
        return wmNameMatches(window);
    }

private:
    /// The property's type and bytes, when it is a complete 8-bit property.
    std::optional<std::pair<Atom, std::string>> property(Window window, Atom name) const
    {
        constexpr long maxLongs = 1024; // far more than any title this matcher could accept
        Atom type = None;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char *data = nullptr;
        const int status =
            XGetWindowProperty(m_display, window, name, 0, maxLongs, False, AnyPropertyType, &type,
                               &format, &count, &remaining, &data);
        std::unique_ptr<unsigned char, XFreeDeleter> owner(data);
        if (status != Success || type == None || format != 8 || remaining != 0) return std::nullopt;
        return std::pair{type, std::string(reinterpret_cast<const char *>(data), count)};
    }

    bool wmNameMatches(Window window) const
    {
        const auto name = property(window, XA_WM_NAME);
        if (!name) return false;
        if (name->first == m_utf8String) return name->second == m_utf8;
        if (name->first == XA_STRING) // Latin-1: one byte per code unit
            return std::ranges::equal(name->second, m_title, [](char byte, char16_t unit) {
                return static_cast<unsigned char>(byte) == unit;
            });
        return compoundTextMatches(window);
    }

    /// Any other encoding (COMPOUND_TEXT) is converted to UTF-8 by Xlib.
    bool compoundTextMatches(Window window) const
    {
        XTextProperty text{};
        if (!XGetWMName(m_display, window, &text)) return false;
        std::unique_ptr<unsigned char, XFreeDeleter> owner(text.value);
        char **list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(m_display, &text, &list, &count) != Success || !list)
            return false;
        const bool same = count == 1 && m_utf8 == list[0];
        XFreeStringList(list);
        return same;
    }

    Display *m_display;
    std::u16string m_title;
    std::string m_utf8;
    Atom m_netWmName = None;
    Atom m_utf8String = None;
};

std::vector<Window> children(Display *display, Window window)
{
    Window root = 0, parent = 0;
    Window *list = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &list, &count)) return {};
    std::unique_ptr<Window, XFreeDeleter> owner(list);
    // XQueryTree lists bottom to top; the search looks at the topmost window first.
    return std::vector<Window>(std::make_reverse_iterator(list + count),
                               std::make_reverse_iterator(list));
}

/// The first top-level window with the title; a window manager's frame is looked into once.
std::optional<Window> findCompanion(Display *display)
{
    const TitleMatcher matcher(display, companionWindowTitle());
    for (const Window topLevel : children(display, DefaultRootWindow(display))) {
        if (matcher.matches(topLevel)) return topLevel;
        for (const Window client : children(display, topLevel)) {
            if (matcher.matches(client)) return client;
        }
    }
    return std::nullopt;
}

class X11CompanionNotifier final : public CompanionNotifier
{
public:
    bool notify(int lessonCode) override
    {
        // The companion may come and go at any time, so each notification connects afresh.
        const XErrorGuard guard;
        const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
        if (!display) return false;
        const auto window = findCompanion(display.get());
        if (!window) return false;

        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.display = display.get();
        event.xclient.window = *window;
        event.xclient.message_type = XInternAtom(display.get(), "TESSARYN_MESSAGE", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = companionMessage;
        event.xclient.data.l[1] = lessonCode;
        event.xclient.data.l[2] = 0;
        // An empty event mask delivers the event to the client that created the window.
        XSendEvent(display.get(), *window, False, NoEventMask, &event);
        XFlush(display.get());
        return true;
    }
};

} // namespace

std::unique_ptr<CompanionNotifier> createX11CompanionNotifier()
{
    return std::make_unique<X11CompanionNotifier>();
}

#endif
