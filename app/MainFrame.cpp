#include "app/MainFrame.h"

#include "app/KeyboardLocks.h"
#include "app/LessonTable.h"
#include "resources/MainMenu.h"
#include "resources/StringTable.h"
#include "ui/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>

CMainFrame::CMainFrame(QWidget *parent) : QMainWindow(parent)
{
    // A caption, system menu, minimise and maximise boxes; no sizing border.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildMenu();
    buildAccelerators();
    buildStatusBar();
    setDocumentTitle(QStringLiteral("関数"));
}

QString CMainFrame::menuText(std::u16string_view stored)
{
    QString text;
    for (char16_t c : stored) {
        if (c == u'\u001E')
            text += QLatin1Char('&');
        else if (c != u'\u001F')
            text += QChar(c);
    }
    return text;
}

void CMainFrame::buildMenu()
{
    for (const MenuPopupData &popupData : mainMenu()) {
        QMenu *popup = menuBarFor(popupData)->addMenu(menuText(popupData.title));
        connect(popup, &QMenu::aboutToHide, this, [this] { showPrompt(0); });
        if (popupData.lessons) {
            buildLessonMenu(popup);
            continue;
        }
        for (const MenuItemData &item : popupData.items) {
            if (item.id == 0) {
                popup->addSeparator();
                continue;
            }
            const QString text = menuText(item.text);
            // The text after a tab is the key shown at the right of the item, and may hold the
            // item's access letter ("上書き保存\tCtrl+S(&S)"): the menu shows it as it stands, so
            // the whole text stays the item's text and the key becomes its shortcut too.
            const qsizetype tab = text.indexOf(QLatin1Char('\t'));
            QAction *a = addCommand(popup, item.id, text);
            if (tab >= 0)
                a->setShortcut(QKeySequence(text.mid(tab + 1).section(QLatin1Char('('), 0, 0)));
            if (item.id == 2790 || item.id == 2791) {
                a->setCheckable(true);
                a->setChecked(item.checked);
            }
        }
    }
}

QMenuBar *CMainFrame::menuBarFor(const MenuPopupData &popup)
{
    if (!popup.atRightEnd) return menuBar();
    // Qt's menu bar lines its popups up from the left; a second bar in the top-right corner holds
    // the popups that stand at the right end.
    if (!m_rightMenuBar) {
        m_rightMenuBar = new QMenuBar(menuBar());
        menuBar()->setCornerWidget(m_rightMenuBar, Qt::TopRightCorner);
    }
    return m_rightMenuBar;
}

void CMainFrame::buildLessonMenu(QMenu *popup)
{
    std::map<int, QMenu *> submenus;
    for (const LessonEntry &entry : lessonTable()) {
        QMenu *target = popup;
        if (entry.submenu >= 0) {
            QMenu *&sub = submenus[entry.submenu];
            if (!sub) {
                sub = popup->addMenu(
                    menuText(lessonSubmenuTitles()[static_cast<std::size_t>(entry.submenu)]));
            }
            target = sub;
        }
        addCommand(target, entry.commandId, menuText(entry.menuText));
    }
}

void CMainFrame::buildAccelerators()
{
    for (const AcceleratorData &accelerator : acceleratorTable()) {
        const QKeySequence keys(toQString(accelerator.keys));
        if (QAction *existing = action(accelerator.command);
            existing && existing->shortcut() == keys)
            continue;
        auto *a = new QAction(this);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.command;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        addAction(a);
    }
}

void CMainFrame::buildStatusBar()
{
    statusBar()->setSizeGripEnabled(false);
    m_message = new QLabel(toQString(loadString(StringId::Ready)), this);
    statusBar()->addWidget(m_message, 1);
    for (int id : {StringId::IndicatorCaps, StringId::IndicatorNum, StringId::IndicatorScroll}) {
        auto *indicator = new QLabel(toQString(loadString(id)), this);
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(indicator->text()) +
                                   12);
        // An indicator is dimmed while its lock key is off, as the classic status bar shows it.
        indicator->setEnabled(false);
        statusBar()->addPermanentWidget(indicator);
        m_indicators.push_back(indicator);
    }
    // The lock keys change outside the program's own input, so they are read a few times a second.
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::updateIndicators);
    timer->start(250);
    updateIndicators();
}

void CMainFrame::updateIndicators()
{
    const std::optional<LockKeys> keys = readLockKeys();
    if (!keys || m_indicators.size() != 3) return;
    m_indicators[0]->setEnabled(keys->caps);
    m_indicators[1]->setEnabled(keys->num);
    m_indicators[2]->setEnabled(keys->scroll);
}

QAction *CMainFrame::addCommand(QMenu *menu, int id, const QString &text)
{
    QAction *a = menu->addAction(text);
    m_actions[id] = a;
    connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    connect(a, &QAction::hovered, this, [this, id] { showPrompt(id); });
    return a;
}

void CMainFrame::showPrompt(int id)
{
    const std::u16string_view prompt = commandPrompt(id);
    m_message->setText(toQString(prompt.empty() ? loadString(StringId::Ready) : prompt));
}

QString CMainFrame::statusMessage() const
{
    return m_message->text();
}

void CMainFrame::onCommand(int id, std::function<void()> handler)
{
    m_handlers[id] = std::move(handler);
}

bool CMainFrame::runCommand(int id)
{
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end()) return false;
    it->second();
    return true;
}

QAction *CMainFrame::action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::setChecked(int id, bool checked)
{
    if (QAction *a = action(id)) a->setChecked(checked);
}

void CMainFrame::setDocumentTitle(const QString &title)
{
    setWindowTitle(toQString(loadString(StringId::AppTitle)) + QStringLiteral(" - ") + title);
}

void CMainFrame::setNormalSize(const QSize &size)
{
    m_normalSize = size;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) resize(size);
}

void CMainFrame::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A window manager may still let the user drag the frame's edge: the normal size comes back
    // once the drag has been handled. Maximised and full-screen sizes are the system's.
    if (!m_normalSize.isValid() || size() == m_normalSize) return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
    QTimer::singleShot(0, this, [this] {
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
            resize(m_normalSize);
    });
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}
