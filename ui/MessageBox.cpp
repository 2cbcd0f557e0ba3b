#include "ui/MessageBox.h"
#include "ui/QtText.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace {

MessageBoxHandler &installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

// The standard buttons in Japanese, set on the button itself so that they read the same with or
// without Qt's translation.
void addButtons(QMessageBox &box, QMessageBox::StandardButtons buttons)
{
    struct Label
    {
        QMessageBox::StandardButton button;
        const char16_t *text;
    };
    static constexpr Label kLabels[] = {{QMessageBox::Ok, u"OK"},
                                        {QMessageBox::Yes, u"はい"},
                                        {QMessageBox::No, u"いいえ"},
                                        {QMessageBox::Cancel, u"キャンセル"}};
    box.setStandardButtons(buttons);
    for (const Label &label : kLabels)
        if (QAbstractButton *button = box.button(label.button))
            button->setText(QString::fromUtf16(label.text));
}

int showRealBox(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    configureMessageBox(box, request);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IdOk;
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    default:
        return IdCancel;
    }
}

} // namespace

void configureMessageBox(QMessageBox &box, const MessageRequest &request)
{
    box.setWindowTitle(toQString(request.caption));
    box.setText(toQString(request.text));
    switch (request.icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (request.buttons) {
    case MessageButtons::Ok:
        addButtons(box, QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        addButtons(box, QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        addButtons(box, QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        addButtons(box, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
}

int showMessageBox(QWidget *parent, std::u16string_view text, MessageButtons buttons,
                   MessageIcon icon, std::u16string_view caption)
{
    const MessageRequest request{text, caption, buttons, icon};
    if (installedHandler()) return installedHandler()(request);
    return showRealBox(parent, request);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}
