#include "app/DocumentCommands.h"

#include "resources/StringTable.h"
#include "sketch/TessarynDoc.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSaveFile>

#include <array>
#include <span>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// How far a chain of links is followed before a save gives up (a loop).
constexpr int kMaxLinkDepth = 40;
// Bytes read at a time while a file is loaded.
constexpr std::size_t kReadChunk = 64 * 1024;

FileDialogHandler &installedFileDialog()
{
    static FileDialogHandler handler;
    return handler;
}

QString showRealFileDialog(QWidget *parent, const FileDialogRequest &request)
{
    const bool open = request.kind == FileDialogRequest::Kind::Open;
    QFileDialog dialog(parent, open ? QStringLiteral("開く") : QStringLiteral("名前を付けて保存"),
                       request.initialName);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(toQString(DocumentCommands::kAllFilesFilter));
#ifndef Q_OS_WIN
    // "*.*" matches every name on Windows but only names with a dot elsewhere, and this program
    // saves names exactly as typed: Qt's own dialog is told to list every file.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto *model = dialog.findChild<QFileSystemModel *>()) model->setNameFilters({});
#endif
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

/// What reading the bytes of a file to open gave.
struct FileBytes
{
    enum class Status
    {
        Read,
        NotFound,   ///< no such file, or a link that points nowhere
        NotAFile,   ///< a folder, device, FIFO or socket (after following links)
        TooLarge,   ///< above DocumentCommands::kMaxFileBytes
        Unreadable, ///< exists but cannot be opened or read
    };
    Status status = Status::Unreadable;
    QByteArray bytes;
};

#ifdef Q_OS_UNIX
// Reads an open regular file to its end, refusing it once more than kMaxFileBytes arrive: the size
// may change while it is read.
void readToLimit(int fd, FileBytes &result)
{
    result.status = FileBytes::Status::Read;
    std::array<char, kReadChunk> chunk;
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FileBytes::Status::Unreadable;
            return;
        }
        if (n == 0) return;
        if (result.bytes.size() + n > DocumentCommands::kMaxFileBytes) {
            result.status = FileBytes::Status::TooLarge;
            return;
        }
        result.bytes.append(chunk.data(), n);
    }
}

// The file is opened before it is examined, so what is read is what was checked. O_NONBLOCK keeps
// the open of a FIFO from waiting for a writer; it changes nothing for a regular file.
FileBytes readRegularFile(const QString &path)
{
    FileBytes result;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? FileBytes::Status::NotFound
                                                            : FileBytes::Status::Unreadable;
        return result;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        result.status = FileBytes::Status::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        result.status = FileBytes::Status::NotAFile;
    } else if (info.st_size > DocumentCommands::kMaxFileBytes) {
        result.status = FileBytes::Status::TooLarge;
    } else {
        result.bytes.reserve(static_cast<qsizetype>(info.st_size));
        readToLimit(fd, result);
    }
    ::close(fd);
    if (result.status != FileBytes::Status::Read) result.bytes.clear();
    return result;
}
#else
FileBytes readRegularFile(const QString &path)
{
    FileBytes result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.status = FileBytes::Status::NotFound;
        return result;
    }
    if (!info.isFile()) {
        result.status = FileBytes::Status::NotAFile;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    if (file.size() > DocumentCommands::kMaxFileBytes) {
        result.status = FileBytes::Status::TooLarge;
        return result;
    }
    result.bytes = file.read(DocumentCommands::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        result.status = FileBytes::Status::Unreadable;
    else if (result.bytes.size() > DocumentCommands::kMaxFileBytes)
        result.status = FileBytes::Status::TooLarge;
    else
        result.status = FileBytes::Status::Read;
    if (result.status != FileBytes::Status::Read) result.bytes.clear();
    return result;
}
#endif

// The path a save writes to: a link is followed to the file it names, however many links deep, so
// the link stays and its target is replaced. Empty for a loop of links.
QString finalSaveTarget(const QString &path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink()) return target;
        target = info.symLinkTarget();
    }
    return {};
}

// A save replaces only a regular file, or makes a new one.
bool isSaveTarget(const QString &target)
{
    if (target.isEmpty()) return false;
    const QFileInfo info(target);
    return !info.exists() || info.isFile();
}

// After the rename the folder entry itself is synced, so the new name survives a power cut. Not
// every file system can sync a folder; the file's contents are already on disk then.
void syncFolderOf(const QString &target)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(target);
#endif
}

} // namespace

DocumentCommands::DocumentCommands(CTessarynDoc &document, QWidget *window)
    : m_document(document), m_window(window)
{}

void DocumentCommands::setTitleHandler(std::function<void(const QString &)> handler)
{
    m_titleHandler = std::move(handler);
}

void DocumentCommands::setRecentFileHandler(std::function<void(const QString &)> handler)
{
    m_recentFileHandler = std::move(handler);
}

FileDialogHandler DocumentCommands::setFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler previous = std::move(installedFileDialog());
    installedFileDialog() = std::move(handler);
    return previous;
}

bool DocumentCommands::OnFileNew()
{
    if (!SaveModified()) return false;
    m_document.OnNewDocument();
    setPathName({});
    m_document.UpdateAllViews();
    return true;
}

bool DocumentCommands::OnFileOpen()
{
    const QString path = askFileName(FileDialogRequest::Kind::Open, {});
    return !path.isEmpty() && OpenDocumentFile(path);
}

bool DocumentCommands::OnFileSave()
{
    if (m_pathName.isEmpty()) return OnFileSaveAs();
    return DoSave(m_pathName);
}

bool DocumentCommands::OnFileSaveAs()
{
    const QString initial = m_pathName.isEmpty() ? toQString(m_document.title()) : m_pathName;
    const QString path = askFileName(FileDialogRequest::Kind::Save, initial);
    return !path.isEmpty() && DoSave(path);
}

bool DocumentCommands::OpenDocumentFile(const QString &path)
{
    if (!SaveModified()) return false;
    // A file that cannot be opened at all, or is no file, costs the current document nothing; one
    // too large for any drawing is reported as damaged without being read.
    const FileBytes file = readRegularFile(path);
    switch (file.status) {
    case FileBytes::Status::Read:
        break;
    case FileBytes::Status::NotFound:
    case FileBytes::Status::NotAFile:
        message(StringId::FileNotFound, path);
        return false;
    case FileBytes::Status::TooLarge:
        failLoad(StringId::BadFormat, path);
        return false;
    case FileBytes::Status::Unreadable:
        failLoad(StringId::FailedToOpen, path);
        return false;
    }
    const QByteArray &bytes = file.bytes;
    const auto data = std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size()));
    if (const ArchiveError error = m_document.OnOpenDocument(data); error != ArchiveError::None) {
        failLoad(messageId(error), path);
        return false;
    }
    setPathName(path);
    m_document.UpdateAllViews();
    return true;
}

bool DocumentCommands::DoSave(const QString &path)
{
    const std::vector<std::uint8_t> bytes = m_document.Serialize();
    // The old file is replaced only once the new one is complete on disk. The write is unbuffered
    // and the size checked, because a write cut short by the disk is not an error of its own.
    // A link is followed, so the link stays and the file it names is replaced; a folder, device or
    // FIFO is never replaced by a file.
    const auto size = static_cast<qint64>(bytes.size());
    const QString target = finalSaveTarget(path);
    bool written = isSaveTarget(target);
    if (written) {
        QSaveFile file(target);
        written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                  file.write(reinterpret_cast<const char *>(bytes.data()), size) == size &&
                  file.size() == size && file.commit();
    }
    if (!written) {
        message(StringId::FailedToSave, path);
        return false;
    }
    syncFolderOf(target);
    m_document.setModified(false);
    setPathName(path);
    return true;
}

bool DocumentCommands::SaveModified()
{
    if (!m_document.isModified()) return true;
    const std::u16string question = formatString(StringId::SaveChanges, m_document.title());
    switch (
        showMessageBox(m_window, question, MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case IdYes:
        return OnFileSave();
    case IdNo:
        return true;
    default:
        return false;
    }
}

QString DocumentCommands::askFileName(FileDialogRequest::Kind kind,
                                      const QString &initialName) const
{
    const FileDialogRequest request{kind, initialName};
    if (installedFileDialog()) return installedFileDialog()(request);
    return showRealFileDialog(m_window, request);
}

// The document title is the file's name; a new document keeps the title "関数" it gave itself.
void DocumentCommands::setPathName(const QString &path)
{
    m_pathName = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (!m_pathName.isEmpty()) {
        m_document.setTitle(QFileInfo(m_pathName).fileName().toStdU16String());
        if (m_recentFileHandler) m_recentFileHandler(m_pathName);
    }
    if (m_titleHandler) m_titleHandler(toQString(m_document.title()));
}

// The document is already empty (the reader leaves nothing half-read); it is now a new one.
void DocumentCommands::failLoad(int messageId, const QString &path)
{
    message(messageId, path);
    m_document.OnNewDocument();
    setPathName({});
    m_document.UpdateAllViews();
}

void DocumentCommands::message(int messageId, const QString &argument) const
{
    const std::u16string text =
        formatString(messageId, QDir::toNativeSeparators(argument).toStdU16String());
    showMessageBox(m_window, text, MessageButtons::Ok, MessageIcon::Warning);
}
