#pragma once

#include <QIcon>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>

class CMainFrame;
class CompanionNotifier;
class LessonLauncher;

/// The application: settings, the main frame, the menu commands that open lessons, the difficulty
/// level and the application icon.
class CTessarynApp : public QObject
{
    Q_OBJECT

public:
    CTessarynApp();
    ~CTessarynApp() override;

    /// Start-up: settings, main frame, the document named on the command line (or a new one), the
    /// window shown. Returns false when the program cannot start.
    bool InitInstance(const QStringList &arguments = {});

    /// Organisation and application name of the settings store.
    static void setApplicationIdentity();

    CMainFrame *mainFrame() const { return m_frame.get(); }
    /// 0 = 中学程度, 1 = 高校程度; nothing in the program reads it.
    std::int16_t difficulty() const { return m_difficulty; }
    void setDifficulty(std::int16_t level);
    const QIcon &applicationIcon() const { return m_icon; }

    /// The recent-file list kept in the settings (at most four names, newest first).
    QStringList recentFiles() const { return m_recentFiles; }
    void addRecentFile(const QString &path);

    static constexpr int kRecentFileCount = 4;

private:
    void registerCommands();
    void loadSettings();
    void saveSettings() const;

    std::unique_ptr<CompanionNotifier> m_companion;
    std::unique_ptr<LessonLauncher> m_launcher;
    std::unique_ptr<CMainFrame> m_frame;
    std::int16_t m_difficulty = 0;
    QIcon m_icon;
    QStringList m_recentFiles;
    int m_previewPages = 0;
};
