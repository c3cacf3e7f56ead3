// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ZudeMenu.h"

#include "core/app/RecentFiles.h"
#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/draws/DatabaseView.h"
#include "gui/app/Navigator.h"
#include "gui/common/Controls.h"
#include "gui/common/Services.h"
#include "gui/common/ToolWindow.h"
#include "gui/common/Twips.h"
#include "gui/draws/DrawFileCommands.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int ButtonHeight = 465;
constexpr int RowStep = 800;

// In tab order.
constexpr Controls::ButtonRow MenuButtons[] = {
    {"LoadFile", "&Open a File from Disk", {900, 600, 3000, ButtonHeight}},
    {"PickForm", "&Rado-d-Idorur", {900, 1400, 3000, ButtonHeight}},
    {"DBaseForm", "&View and Edit Database", {900, 2200, 3000, ButtonHeight}},
    {"ShowGraph1", "&Show Graphs", {900, 3000, 3000, ButtonHeight}},
    {"InvTrack", "&Investment Tracker", {900, 3800, 3000, ButtonHeight}},
    {"WheelsButt", "&Wheels", {900, 4600, 3000, ButtonHeight}},
    {"SaveFile", "&Save File to Disk", {5400, 600, 3000, ButtonHeight}},
    {"HowtoUse", "How to &Use the Program", {5400, 1400, 3000, ButtonHeight}},
    {"ImportDraws", "Import Draw &History", {5400, 2200, 3000, ButtonHeight}},
    {"PrintDbase", "&Print Current Database", {5400, 3000, 3000, ButtonHeight}},
    {"PtrFnt", "Personalize &Settings", {5400, 3800, 3030, ButtonHeight}},
    {"TicketsButt", "&My Tickets", {5400, 4600, 3000, ButtonHeight}},
    {"Exit1Butt", "E&xit Program", {3240, 5400, 3000, ButtonHeight}},
};

} // namespace

ZudeMenu::ZudeMenu(SharedState& state, Services& services, Navigator& navigator, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_navigator(navigator)
{
    Controls::setupWindow(this, "ZudeMenu", QStringLiteral("Numerion"));
    // One row of buttons more than the other windows have room for: the exit button and the
    // labels below it keep their places relative to the last row.
    setFixedHeight(height() + Px(RowStep));
    setFont(Controls::windowFont(9.75));

    QList<QWidget*> order;
    for (const Controls::ButtonRow& entry : MenuButtons)
        order.append(Controls::create(this, entry));
    buildRecentFiles();
    order.insert(1, findChild<QToolButton*>(QStringLiteral("RecentFiles")));
    Controls::tabOrder(order);
    setAcceptDrops(true);

    onClick("PickForm", [this] { m_navigator.openRadoDIdorur(this); });
    onClick("DBaseForm", [this] { openDatabaseWindow(); });
    onClick("ShowGraph1", [this] { m_navigator.openGraphs(this); });
    onClick("InvTrack", [this] { m_navigator.openTracker(this); });
    onClick("WheelsButt", [this] { m_navigator.openWheels(this); });
    onClick("TicketsButt", [this] { m_navigator.openTickets(this); });
    onClick("PtrFnt", [this] {
        m_navigator.openSettings(this);
        showUserName();
    });
    onClick("HowtoUse", [this] { Q_EMIT helpRequested(); });
    onClick("LoadFile", [this] {
        hide();
        if (OpenDrawFile(m_state, m_services))
            openDatabaseWindow();
        else
            show();
    });
    onClick("SaveFile", [this] {
        hide();
        SaveDrawFile(m_state, m_services);
        show();
    });
    onClick("ImportDraws",
            [this] { m_navigator.openImport(this, [this] { openDatabaseWindow(); }); });
    onClick("PrintDbase", [this] { PrintDatabase(m_state, m_services); });
    onClick("Exit1Butt", [this] {
        if (ExitProgram())
            Q_EMIT programEnded();
    });

    m_myName = Controls::label(this, "MyName");
    m_myName->move(Px(4590), Px(5940 + RowStep));
    m_myName->hide();

    m_infoLabel = Controls::label(this, "InfoLabel");
    m_infoLabel->move(Px(4590), Px(5355 + RowStep));
    m_infoLabel->hide();
}

void ZudeMenu::onClick(const char* name, std::function<void()> action)
{
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, std::move(action));
}

void ZudeMenu::openDatabaseWindow()
{
    ToolWindow* database = m_navigator.openDatabase(this);
    connect(database, &ToolWindow::closed, this, &ZudeMenu::showFileInMemory);
}

void ZudeMenu::buildRecentFiles()
{
    // Beside the open button, as the arrow of a split button: the button itself still opens the
    // file dialog at once.
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("RecentFiles"));
    button->setArrowType(Qt::DownArrow);
    button->setToolTip(QStringLiteral("Recent Files"));
    button->setAccessibleName(QStringLiteral("Recent Files"));
    button->setGeometry(TwipsRect(3930, 600, 330, ButtonHeight));
    m_recentMenu = new QMenu(button);
    m_recentMenu->setObjectName(QStringLiteral("RecentMenu"));
    m_recentMenu->setToolTipsVisible(true);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &ZudeMenu::showRecentFiles);
    // Popped up by hand: a menu set on the button would draw a second arrow beside the first.
    connect(button, &QToolButton::clicked, this, [this, button] {
        m_recentMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}

void ZudeMenu::showRecentFiles()
{
    RecentFiles& recent = m_state.Recent;
    if (recent.dropMissing())
        recent.writeFile(m_state.recentFilesPath());
    m_recentMenu->clear();
    int number = 0;
    for (const RecentFiles::Entry& entry : recent.entries()) {
        const QFileInfo file(entry.path);
        QString name = file.fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QString folder = QDir::toNativeSeparators(file.path());
        folder.replace(QLatin1Char('&'), QLatin1String("&&"));
        ++number;
        QAction* action = m_recentMenu->addAction(
            QStringLiteral("&%1 %2   (%3)").arg(number).arg(name, folder));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(number));
        action->setToolTip(QDir::toNativeSeparators(entry.path));
        connect(action, &QAction::triggered, this,
                [this, entry] { openFile(entry.kind, entry.path); });
    }
    if (number == 0) {
        m_recentMenu->addAction(QStringLiteral("No Recent Files"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    QAction* clear = m_recentMenu->addAction(QStringLiteral("&Clear the List"));
    clear->setObjectName(QStringLiteral("ClearRecent"));
    connect(clear, &QAction::triggered, this, [this] {
        m_state.Recent.clear();
        m_state.Recent.writeFile(m_state.recentFilesPath());
    });
}

void ZudeMenu::openGivenFile(const QString& path)
{
    const std::optional<FileKind> kind = OpenedKindOf(path);
    // Whatever is not a tracker file or a ticket book is read as a draw file, and refused with
    // the reader's reason when it is none.
    openFile(kind == FileKind::Tracker || kind == FileKind::Tickets ? *kind : FileKind::Draws,
             path);
}

void ZudeMenu::openFile(FileKind kind, const QString& path)
{
    // The next file dialog starts where this file is, as after choosing it in one.
    m_state.rememberFolderOf(path);
    switch (kind) {
    case FileKind::History:
        m_navigator.openImport(
            this, [this] { openDatabaseWindow(); }, path);
        return;
    case FileKind::Tracker:
        if (MayDropDocuments({&m_state.Tracker}, m_services.messages))
            m_navigator.openTracker(this, path);
        return;
    case FileKind::Tickets:
        if (MayDropDocuments({&m_state.Tickets}, m_services.messages))
            m_navigator.openTickets(this, path);
        return;
    default:
        if (!MayDropDocuments({&m_state.Store}, m_services.messages))
            return;
        hide();
        ReadDrawFileInto(m_state, m_services, path);
        openDatabaseWindow();
        return;
    }
}

std::optional<std::pair<FileKind, QString>> ZudeMenu::droppedFile(const QMimeData* data)
{
    // One file at a time, as one window opens at a time: a bundle is refused as a whole rather
    // than opened in part.
    if (!data || !data->hasUrls() || data->urls().size() != 1
        || !data->urls().first().isLocalFile())
        return std::nullopt;
    const QString path = data->urls().first().toLocalFile();
    const std::optional<FileKind> kind = OpenedKindOf(path);
    if (!kind || !QFileInfo(path).isFile())
        return std::nullopt;
    return std::pair(*kind, QFileInfo(path).absoluteFilePath());
}

bool ZudeMenu::takeDrag(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto file = droppedFile(drop->mimeData());
        if (!file) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Once the drag is over: the source waits for the drop to end, and a question may come.
        QTimer::singleShot(0, this, [this, file] { openFile(file->first, file->second); });
        return true;
    }
    default:
        return false;
    }
}

void ZudeMenu::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event);
}

void ZudeMenu::dropEvent(QDropEvent* event)
{
    takeDrag(event);
}

void ZudeMenu::takeDropsOn(QWidget* backdrop)
{
    backdrop->setAcceptDrops(true);
    backdrop->installEventFilter(this);
}

bool ZudeMenu::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    // The backdrop takes files only while the menu is there to open them; behind a tool window
    // a drop is refused.
    if (!isVisible()) {
        event->ignore();
        return true;
    }
    return takeDrag(event);
}

void ZudeMenu::showUserName()
{
    const QString& name = m_state.Settings.UserName;
    m_myName->setText(name);
    m_myName->adjustSize();
    m_myName->setVisible(!name.isEmpty());
}

void ZudeMenu::showFileInMemory()
{
    const QString title = m_state.Store.Title();
    m_infoLabel->setText(DatabaseView::FileInMemoryText(title));
    m_infoLabel->adjustSize();
    m_infoLabel->setVisible(!title.isEmpty());
}

bool ZudeMenu::ExitProgram()
{
    // Every document with unsaved work is asked about; nothing is written.
    return MayDropDocuments(m_state.documents(), m_services.messages);
}

void ZudeMenu::closeEvent(QCloseEvent* event)
{
    // Closing the menu through its frame is the same as "Exit Program"; the program closes it.
    event->ignore();
    if (ExitProgram())
        Q_EMIT programEnded();
}
