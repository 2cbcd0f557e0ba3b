#pragma once

#include <QString>

#include <functional>

class CTessarynDoc;
class QWidget;

/// What a file dialog is asked for: a file to open, or a name to save under (offered first).
struct FileDialogRequest
{
    enum class Kind
    {
        Open,
        Save
    };
    Kind kind = Kind::Open;
    QString initialName;
};

/// Returns the chosen path, or an empty string when the user cancels.
using FileDialogHandler = std::function<QString(const FileDialogRequest &)>;

/// The file commands of the one sketch document: New, Open, Save, Save As, and the question asked
/// before a modified document is given up. Only regular files of at most kMaxFileBytes are read,
/// whole; files are written through a temporary file that replaces the old one only when everything
/// was written. Messages go through the
/// replaceable message box function and file dialogs through `setFileDialogHandler`, so that none
/// of this blocks in tests.
class DocumentCommands
{
public:
    /// The single filter of the file dialogs; no extension is added to saved names.
    static constexpr std::u16string_view kAllFilesFilter = u"すべてのファイル (*.*)";
    /// Largest file Open reads (64 MiB, far above any drawing); a larger one is reported as
    /// damaged without being read.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    /// `window` parents the dialogs and message boxes (may be null).
    DocumentCommands(CTessarynDoc &document, QWidget *window);

    /// Told the document title whenever it changes (the caption shows it).
    void setTitleHandler(std::function<void(const QString &)> handler);
    /// Told the path of every file opened or saved (the recent-file list).
    void setRecentFileHandler(std::function<void(const QString &)> handler);

    /// New (Ctrl+N): after the save question, an empty document titled "関数".
    bool OnFileNew();
    /// Open (Ctrl+O): a file chosen in the dialog, then as OpenDocumentFile.
    bool OnFileOpen();
    /// Save (Ctrl+S): under the document's path, or as Save As when it has none.
    bool OnFileSave();
    /// Save As: a name chosen in the dialog, saved exactly as typed.
    bool OnFileSaveAs();

    /// Asks the save question, then reads the file, following links. A path that cannot be opened
    /// (61729 when it does not exist or is not a regular file, such as a folder, device or FIFO;
    /// 61697 otherwise) leaves the document as it was; a file above kMaxFileBytes (61877) or one
    /// that cannot be read as a sketch is reported with its message and leaves an empty new
    /// document.
    bool OpenDocumentFile(const QString &path);
    /// Writes the document to `path`. A link is followed and the file it names replaced, the link
    /// kept; a folder, device or FIFO is refused. The folder is synced after the new file took the
    /// name. On failure shows 61698 and leaves both the old file and the document (still modified)
    /// as they were.
    bool DoSave(const QString &path);
    /// The question "%1 への変更を保存しますか?" for a modified document: Yes saves, No goes on,
    /// Cancel (or a failed save) stops the command. True when the command may go on.
    bool SaveModified();

    /// The file the document was last opened from or saved to; empty for a new document.
    const QString &pathName() const { return m_pathName; }

    /// Replaces the function that shows file dialogs; an empty handler restores the real dialogs.
    /// Returns the previous handler.
    static FileDialogHandler setFileDialogHandler(FileDialogHandler handler);

private:
    QString askFileName(FileDialogRequest::Kind kind, const QString &initialName) const;
    void setPathName(const QString &path);
    void failLoad(int messageId, const QString &path);
    void message(int messageId, const QString &argument) const;

    CTessarynDoc &m_document;
    QWidget *m_window = nullptr;
    QString m_pathName;
    std::function<void(const QString &)> m_titleHandler;
    std::function<void(const QString &)> m_recentFileHandler;
};
