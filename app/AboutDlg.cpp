#include "app/AboutDlg.h"

#include "resources/DialogTemplates.h"

CAboutDlg::CAboutDlg(QWidget *parent) : LessonWindow(kTemplate100, parent) {}
