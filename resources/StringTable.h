#pragma once

#include <string>
#include <string_view>

/// Text of string resource `id`, or empty.
std::u16string_view loadString(int id);

/// The string with "%1" replaced by `argument` (the classic message formatting).
std::u16string formatString(int id, std::u16string_view argument);

namespace StringId {
constexpr int OleInitFailed = 100;
constexpr int AppTitle = 57344;
constexpr int Ready = 57345;
constexpr int FailedToOpen = 61697;
constexpr int FailedToSave = 61698;
constexpr int SaveChanges = 61699;
constexpr int FileNotFound = 61729;
constexpr int EndOfFile = 61875;
constexpr int BadFormat = 61877;
constexpr int UnexpectedObject = 61878;
constexpr int BadSchema = 61879;
constexpr int IndicatorCaps = 59137;
constexpr int IndicatorNum = 59138;
constexpr int IndicatorScroll = 59139;
} // namespace StringId
