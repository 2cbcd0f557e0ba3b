#pragma once

#include <functional>
#include <string_view>

class QMessageBox;
class QWidget;

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
enum class MessageIcon
{
    None,
    Information,
    Warning,
    Question,
    Error
};

/// The classic answers of a message box.
enum MessageResult : int
{
    IdOk = 1,
    IdCancel = 2,
    IdYes = 6,
    IdNo = 7
};

/// What a message box asked: tests and the render tool receive this instead of a modal box.
struct MessageRequest
{
    std::u16string_view text;
    std::u16string_view caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

using MessageBoxHandler = std::function<int(const MessageRequest &)>;

/// Shows a modal message box (or hands it to the installed handler) and returns the answer.
/// The default caption is the application title "Tessaryn".
int showMessageBox(QWidget *parent, std::u16string_view text,
                   MessageButtons buttons = MessageButtons::Ok,
                   MessageIcon icon = MessageIcon::None, std::u16string_view caption = u"Tessaryn");

/// Sets up a real box for `request`: caption, text, icon and the standard buttons, which read はい,
/// いいえ, キャンセル and OK whether or not Qt's own translation is installed.
void configureMessageBox(QMessageBox &box, const MessageRequest &request);

/// Replaces the function that shows message boxes; an empty handler restores the real boxes.
/// Returns the previous handler.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);
