// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ZudeMenu.h"

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
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

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
    Controls::tabOrder(order);

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

void ZudeMenu::openGivenFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("inv"), Qt::CaseInsensitive) == 0) {
        m_navigator.openTracker(this, path);
        return;
    }
    if (suffix.compare(QLatin1String("ltk"), Qt::CaseInsensitive) == 0) {
        m_navigator.openTickets(this, path);
        return;
    }
    hide();
    ReadDrawFileInto(m_state, m_services, path);
    openDatabaseWindow();
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
