#pragma once

#include <QMainWindow>
#include <QSize>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
struct MenuPopupData;

/// The main window: menu 128, accelerator table 128, the status bar with its message pane and the
/// CAP/NUM/SCRL indicators, and the sketch view as its client. Commands go to the handlers that the
/// application registers by command id.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget *parent = nullptr);

    /// Binds a handler to a command id (menu item or accelerator).
    void onCommand(int id, std::function<void()> handler);
    /// Runs the handler of a command, as choosing it would. False when nothing handles it.
    bool runCommand(int id);
    /// The menu action of a command, or nullptr.
    QAction *action(int id) const;
    /// Sets the check mark of a menu item.
    void setChecked(int id, bool checked);
    /// Caption: "Tessaryn - <document title>".
    void setDocumentTitle(const QString &title);
    /// The message pane's text ("レディ" when idle).
    QString statusMessage() const;
    /// The size the window keeps while it is not maximised: it has no sizing border, so dragging
    /// its edge does not change it (maximising still does).
    void setNormalSize(const QSize &size);
    QSize normalSize() const { return m_normalSize; }
    /// The bar at the right end of the menu bar (the ヘルプ popup).
    QMenuBar *rightMenuBar() const { return m_rightMenuBar; }

    /// Turns a stored menu text into a Qt one: U+001E marks the access key, U+001F is dropped and
    /// literal ampersands are kept.
    static QString menuText(std::u16string_view stored);

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    QMenuBar *menuBarFor(const MenuPopupData &popup);
    void buildLessonMenu(QMenu *popup);
    void buildAccelerators();
    void buildStatusBar();
    QAction *addCommand(QMenu *menu, int id, const QString &text);
    void showPrompt(int id);
    void updateIndicators();

    std::map<int, QAction *> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    QLabel *m_message = nullptr;
    std::vector<QLabel *> m_indicators;
    QMenuBar *m_rightMenuBar = nullptr;
    QSize m_normalSize;

public:
    /// Asked before the window closes; returning false keeps it open (a modified sketch, Cancel).
    std::function<bool()> m_canClose;
};
