#pragma once

#include <QIcon>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>

class CMainFrame;
class CTessarynDoc;
class CTessarynView;
class CompanionNotifier;
class DocumentCommands;
class LessonLauncher;

/// The application: settings, the main frame with the sketch view, the one sketch document and its
/// file commands, the menu commands that open lessons, the difficulty level and the application
/// icon.
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
    CTessarynDoc *document() const { return m_document.get(); }
    CTessarynView *view() const { return m_view; }
    DocumentCommands *documentCommands() const { return m_files.get(); }
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
    void createDocument();
    void loadSettings();
    void saveSettings() const;

    std::unique_ptr<CompanionNotifier> m_companion;
    std::unique_ptr<LessonLauncher> m_launcher;
    // The document outlives the frame and its view; the file commands go first.
    std::unique_ptr<CTessarynDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CTessarynView *m_view = nullptr; ///< owned by the frame
    std::unique_ptr<DocumentCommands> m_files;
    std::int16_t m_difficulty = 0;
    QIcon m_icon;
    QStringList m_recentFiles;
    int m_previewPages = 0;
};
