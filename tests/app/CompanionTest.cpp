#include "app/CompanionNotifier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(TESSARYN_HAVE_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

extern char **environ;

namespace {

TEST(CompanionTitle, IsTheShiftJisBytesReadAsLittleEndianUnits)
{
    const std::u16string expected = {0x6556, 0x6d6c, 0x726f, 0x8161, 0x9045, 0x8a94,
                                     0x2077, 0x202d, 0x7547, 0x6469, 0x0065};
    EXPECT_EQ(companionWindowTitle(), expected);
}

/// Sets or clears an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const char *value) : m_name(name)
    {
        if (const char *old = std::getenv(name)) m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

TEST(CompanionNotifier, WithoutADisplaySendsNothingAndReturnsAtOnce)
{
    for (const char *display : {static_cast<const char *>(nullptr), "", ":4093"}) {
        SCOPED_TRACE(display ? display : "(unset)");
        const ScopedEnv env("DISPLAY", display);
        const auto notifier = createCompanionNotifier();
        ASSERT_TRUE(notifier);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(notifier->notify(231));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

#if defined(TESSARYN_HAVE_X11)

/// A private Xvfb on the first free display number, which the server itself picks and reports.
class Xvfb
{
public:
    static constexpr const char *path = "/usr/bin/Xvfb";

    bool start()
    {
        int fds[2];
        if (access(path, X_OK) != 0 || pipe2(fds, O_CLOEXEC) != 0) return false;
        // The write end must survive exec; the server writes its display number there when ready.
        // Without -noreset the server resets whenever its last client leaves, and a connection
        // made during the reset fails.
        const int reportFd = dup(fds[1]);
        close(fds[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const std::string fdText = std::to_string(reportFd);
        std::vector<std::string> args = {"Xvfb",     "-displayfd", fdText, "-nolisten", "tcp",
                                         "-noreset", "-screen",    "0",    "320x240x24"};
        std::vector<char *> argv;
        for (auto &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const bool spawned =
            posix_spawn(&m_pid, path, &actions, nullptr, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(reportFd);
        if (spawned) m_display = readDisplayNumber(fds[0]);
        close(fds[0]);
        if (!spawned) m_pid = 0;
        return m_display.has_value();
    }

    void stop()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = 0;
        m_display.reset();
    }

    std::optional<std::string> display() const { return m_display; }

private:
    static std::optional<std::string> readDisplayNumber(int fd)
    {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 200) <= 0) continue;
            char buffer[16];
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0) return std::nullopt; // the server ended before it was ready
            text.append(buffer, static_cast<std::size_t>(n));
            if (text.find('\n') != std::string::npos) break;
        }
        const auto end = text.find('\n');
        if (end == std::string::npos || end == 0) return std::nullopt;
        const std::string number = text.substr(0, end);
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + number)) return std::nullopt;
        return ":" + number;
    }

    pid_t m_pid = 0;
    std::optional<std::string> m_display;
};

enum class TitleForm
{
    NetWmNameAndWmName,
    NetWmNameOnly,
    Utf8WmNameOnly,
    CompoundWmNameOnly
};

/// The companion's title as its window carries it in UTF-8.
const std::string companionTitleUtf8 =
    "\xe6\x95\x96\xe6\xb5\xac\xe7\x89\xaf\xe8\x85\xa1\xe9\x81\x85"
    "\xe8\xaa\x94\xe2\x81\xb7\xe2\x80\xad\xe7\x95\x87\xe6\x91\xa9\x65";

/// A stand-in for the companion program: a window of its own connection that collects the
/// ClientMessages it is sent.
class CompanionWindow
{
public:
    CompanionWindow(const std::string &title, TitleForm form, bool insideFrame)
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display) return;
        Window parent = DefaultRootWindow(m_display);
        if (insideFrame) // what a reparenting window manager makes of a top-level window
            parent = XCreateSimpleWindow(m_display, parent, 0, 0, 120, 120, 0, 0, 0);
        m_window = XCreateSimpleWindow(m_display, parent, 0, 20, 100, 100, 0, 0, 0);
        const Atom utf8String = XInternAtom(m_display, "UTF8_STRING", False);
        const auto bytes = reinterpret_cast<const unsigned char *>(title.data());
        const int size = static_cast<int>(title.size());
        if (form == TitleForm::NetWmNameAndWmName || form == TitleForm::NetWmNameOnly)
            XChangeProperty(m_display, m_window, XInternAtom(m_display, "_NET_WM_NAME", False),
                            utf8String, 8, PropModeReplace, bytes, size);
        if (form == TitleForm::NetWmNameAndWmName || form == TitleForm::Utf8WmNameOnly)
            XChangeProperty(m_display, m_window, XA_WM_NAME, utf8String, 8, PropModeReplace, bytes,
                            size);
        if (form == TitleForm::CompoundWmNameOnly) {
            char *list[] = {const_cast<char *>(title.c_str())};
            XTextProperty text{};
            if (Xutf8TextListToTextProperty(m_display, list, 1, XCompoundTextStyle, &text) ==
                Success) {
                EXPECT_EQ(text.encoding, XInternAtom(m_display, "COMPOUND_TEXT", False));
                XSetWMName(m_display, m_window, &text);
                XFree(text.value);
            } else {
                ADD_FAILURE() << "cannot encode the title as COMPOUND_TEXT";
            }
        }
        XMapWindow(m_display, m_window);
        if (insideFrame) XMapWindow(m_display, parent);
        XSync(m_display, False);
    }
    ~CompanionWindow()
    {
        if (m_display) XCloseDisplay(m_display);
    }
    CompanionWindow(const CompanionWindow &) = delete;
    CompanionWindow &operator=(const CompanionWindow &) = delete;

    bool isOpen() const { return m_display != nullptr; }

    /// The next ClientMessage for this window, waiting at most 300 ms.
    std::optional<XClientMessageEvent> receive()
    {
        XSync(m_display, False);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == ClientMessage && event.xclient.window == m_window)
                    return event.xclient;
            }
            pollfd p{ConnectionNumber(m_display), POLLIN, 0};
            poll(&p, 1, 50);
        }
        return std::nullopt;
    }

    Atom messageAtom() const { return XInternAtom(m_display, "TESSARYN_MESSAGE", False); }

private:
    Display *m_display;
    Window m_window = 0;
};

class CompanionOnX11 : public testing::Test
{
protected:
    static void SetUpTestSuite() { server.start(); }
    static void TearDownTestSuite() { server.stop(); }

    void SetUp() override
    {
        if (!server.display()) GTEST_SKIP() << "no Xvfb to run a companion window on";
        m_env.emplace("DISPLAY", server.display()->c_str());
    }

    static Xvfb server;
    std::optional<ScopedEnv> m_env;
};

Xvfb CompanionOnX11::server;

TEST_F(CompanionOnX11, LessonCodesArriveInOrderAsClientMessages)
{
    CompanionWindow companion(companionTitleUtf8, TitleForm::NetWmNameAndWmName, false);
    ASSERT_TRUE(companion.isOpen());
    const auto notifier = createCompanionNotifier();
    EXPECT_TRUE(notifier->notify(231));
    EXPECT_TRUE(notifier->notify(200));
    for (const long code : {231L, 200L}) {
        SCOPED_TRACE(code);
        const auto message = companion.receive();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->message_type, companion.messageAtom());
        EXPECT_EQ(message->format, 32);
        EXPECT_EQ(message->data.l[0], 1124);
        EXPECT_EQ(message->data.l[1], code);
        EXPECT_EQ(message->data.l[2], 0);
    }
    EXPECT_FALSE(companion.receive());
}

TEST_F(CompanionOnX11, OnlyTheExactTitleInEitherNamePropertyIsFound)
{
    const std::string &title = companionTitleUtf8;
    struct Row
    {
        const char *what;
        std::string title;
        TitleForm form;
        bool insideFrame;
        bool found;
    };
    const Row rows[] = {
        {"_NET_WM_NAME only", title, TitleForm::NetWmNameOnly, false, true},
        {"WM_NAME as UTF8_STRING", title, TitleForm::Utf8WmNameOnly, false, true},
        {"WM_NAME as COMPOUND_TEXT", title, TitleForm::CompoundWmNameOnly, false, true},
        {"inside a window manager frame", title, TitleForm::NetWmNameOnly, true, true},
        {"the readable text instead of the code units", "Velmora・数学 - Guide",
         TitleForm::NetWmNameAndWmName, false, false},
        {"a longer title", title + " ", TitleForm::NetWmNameAndWmName, false, false},
        {"a shorter title", title.substr(0, title.size() - 1), TitleForm::NetWmNameAndWmName, false,
         false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        CompanionWindow companion(row.title, row.form, row.insideFrame);
        ASSERT_TRUE(companion.isOpen());
        EXPECT_EQ(createCompanionNotifier()->notify(216), row.found);
        const auto message = companion.receive();
        EXPECT_EQ(message.has_value(), row.found);
        if (message) {
            EXPECT_EQ(message->data.l[1], 216);
        }
    }
}

TEST_F(CompanionOnX11, NoCompanionWindowMeansNothingSentAndNoWait)
{
    const auto notifier = createCompanionNotifier();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(notifier->notify(230));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

#endif

} // namespace
