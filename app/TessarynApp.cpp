#include "app/TessarynApp.h"

#include "app/AboutDlg.h"
#include "app/CompanionNotifier.h"
#include "app/DocumentCommands.h"
#include "app/LessonLauncher.h"
#include "app/LessonTable.h"
#include "app/MainFrame.h"
#include "app/Version.h"
#include "sketch/TessarynDoc.h"
#include "sketch/TessarynView.h"

#include <QSettings>

#include <QGuiApplication>

CTessarynApp::CTessarynApp() = default;

void CTessarynApp::setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kov&Lune"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaryn"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kTessarynVersion));
    // Matches the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

CTessarynApp::~CTessarynApp()
{
    saveSettings();
}

bool CTessarynApp::InitInstance(const QStringList &arguments)
{
    loadSettings();
    m_companion = createCompanionNotifier();
    m_launcher = std::make_unique<LessonLauncher>(*m_companion);
    m_frame = std::make_unique<CMainFrame>();
    createDocument();
    registerCommands();
    // No argument: a new sketch; a file name: that sketch. A file that cannot be opened ends the
    // program after its message.
    if (arguments.isEmpty())
        m_files->OnFileNew();
    else if (!m_files->OpenDocumentFile(arguments.front()))
        return false;
    m_frame->setNormalSize(QSize(640, 480));
    m_frame->show();
    m_icon = QIcon(QStringLiteral(":/images/tessaryn.xpm"));
    m_frame->setWindowIcon(m_icon);
    return true;
}

void CTessarynApp::createDocument()
{
    m_document = std::make_unique<CTessarynDoc>();
    m_view = new CTessarynView(m_document.get());
    m_frame->setCentralWidget(m_view);
    m_files = std::make_unique<DocumentCommands>(*m_document, m_frame.get());
    m_files->setTitleHandler([this](const QString &title) { m_frame->setDocumentTitle(title); });
    m_files->setRecentFileHandler([this](const QString &path) { addRecentFile(path); });
    m_frame->m_canClose = [this] { return m_files->SaveModified(); };
}

void CTessarynApp::registerCommands()
{
    CMainFrame &frame = *m_frame;
    for (int id : {CTessarynDoc::kCmdClearAll, CTessarynDoc::kCmdLineSymmetry,
                   CTessarynDoc::kCmdPointSymmetry})
        frame.onCommand(id, [this, id] { m_document->OnCommand(id); });
    frame.onCommand(57600, [this] { m_files->OnFileNew(); });
    frame.onCommand(57601, [this] { m_files->OnFileOpen(); });
    frame.onCommand(57603, [this] { m_files->OnFileSave(); });
    frame.onCommand(57604, [this] { m_files->OnFileSaveAs(); });
    for (const LessonEntry &entry : lessonTable()) {
        const int id = entry.commandId;
        frame.onCommand(id, [this, id] { m_launcher->run(id, m_frame.get()); });
    }
    frame.onCommand(57664, [this] {
        CAboutDlg about(m_frame.get());
        about.DoModal();
    });
    frame.onCommand(2790, [this] { setDifficulty(0); });
    frame.onCommand(2791, [this] { setDifficulty(1); });
    frame.onCommand(57665, [this] { m_frame->close(); });
    // The editing keys and pane switching of the accelerator table have no handler.
    for (int id : {57643, 57635, 57634, 57637, 57680, 57681})
        frame.onCommand(id, [] {});
}

void CTessarynApp::setDifficulty(std::int16_t level)
{
    m_difficulty = level;
    m_frame->setChecked(2790, level == 0);
    m_frame->setChecked(2791, level == 1);
}

void CTessarynApp::addRecentFile(const QString &path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    saveSettings();
}

void CTessarynApp::loadSettings()
{
    QSettings settings;
    m_recentFiles.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString name =
            settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!name.isEmpty()) m_recentFiles.append(name);
    }
    m_previewPages = settings.value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
}

void CTessarynApp::saveSettings() const
{
    QSettings settings;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i);
        if (i <= m_recentFiles.size())
            settings.setValue(key, m_recentFiles[i - 1]);
        else
            settings.remove(key);
    }
    settings.setValue(QStringLiteral("Settings/PreviewPages"), m_previewPages);
}
