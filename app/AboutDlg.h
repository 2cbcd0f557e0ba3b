#pragma once

#include "ui/LessonWindow.h"

/// The About box: template 100, the application icon, the version and a one-line notice.
class CAboutDlg : public LessonWindow
{
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
