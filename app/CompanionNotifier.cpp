#include "app/CompanionNotifier.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#if defined(_WIN32)
std::unique_ptr<CompanionNotifier> createWindowsCompanionNotifier();
#elif defined(TESSARYN_HAVE_X11)
std::unique_ptr<CompanionNotifier> createX11CompanionNotifier();
#endif

namespace {

/// "Velmora・数学 - Guide" in code page 932 (Shift-JIS).
constexpr std::array<std::uint8_t, 21> companionTitleBytes = {
    0x56, 0x65, 0x6c, 0x6d, 0x6f, 0x72, 0x61, 0x81, 0x45, 0x90, 0x94,
    0x8a, 0x77, 0x20, 0x2d, 0x20, 0x47, 0x75, 0x69, 0x64, 0x65,
};

/// Where no companion window can be reached: nothing is sent.
class NoCompanionNotifier final : public CompanionNotifier
{
public:
    bool notify(int) override { return false; }
};

} // namespace

std::u16string companionWindowTitle()
{
    // The companion's title is the Shift-JIS bytes, padded with zero bytes, read pairwise as
    // UTF-16 little-endian code units up to the first zero unit. The result is not the readable
    // text, but it is exactly what the companion's window carries.
    std::u16string title;
    for (std::size_t i = 0; i < companionTitleBytes.size(); i += 2) {
        const unsigned low = companionTitleBytes[i];
        const unsigned high = i + 1 < companionTitleBytes.size() ? companionTitleBytes[i + 1] : 0;
        const auto unit = static_cast<char16_t>(low | high << 8);
        if (unit == 0) break;
        title.push_back(unit);
    }
    return title;
}

std::unique_ptr<CompanionNotifier> createCompanionNotifier()
{
#if defined(_WIN32)
    return createWindowsCompanionNotifier();
#elif defined(TESSARYN_HAVE_X11)
    const char *display = std::getenv("DISPLAY");
    if (display && *display) return createX11CompanionNotifier();
    return std::make_unique<NoCompanionNotifier>();
#else
    return std::make_unique<NoCompanionNotifier>();
#endif
}
