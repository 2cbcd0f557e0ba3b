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

#include <span>

namespace {

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
    // A file that cannot be opened at all costs the current document nothing.
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        message(StringId::FileNotFound, path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        message(StringId::FailedToOpen, path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failLoad(StringId::FailedToOpen, path);
        return false;
    }
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
    const auto size = static_cast<qint64>(bytes.size());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(reinterpret_cast<const char *>(bytes.data()), size) == size &&
                         file.size() == size && file.commit();
    if (!written) {
        message(StringId::FailedToSave, path);
        return false;
    }
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
