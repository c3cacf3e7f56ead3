#include "ZudeMenu.h"

#include "gui/analysis/LGraph.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/ChangeFnt.h"
#include "core/app/SharedState.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Controls.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "core/draws/DatabaseView.h"
#include "gui/draws/DrawFileCommands.h"
#include "gui/draws/LDbase.h"
#include "gui/draws/LImport.h"
#include "gui/tracker/LInvTrack.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

struct MenuButton {
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
};

// In tab order.
constexpr MenuButton menuButtons[] = {
    {"LoadFile", "&Open a File from Disk", 900, 600, 3000},
    {"PickForm", "&Rado-d-Idorur", 900, 1400, 3000},
    {"DBaseForm", "&View and Edit Database", 900, 2200, 3000},
    {"ShowGraph1", "&Show Graphs", 900, 3000, 3000},
    {"InvTrack", "&Investment Tracker", 900, 3800, 3000},
    {"SaveFile", "&Save File to Disk", 5400, 600, 3000},
    {"HowtoUse", "How to &Use the Program", 5400, 1400, 3000},
    {"ImportDraws", "Import Draw &History", 5400, 2200, 3000},
    {"PrintDbase", "&Print Current Database", 5400, 3000, 3000},
    {"PtrFnt", "Personalize &Settings", 5400, 3800, 3030},
    {"Exit1Butt", "E&xit Program", 3240, 4600, 3000},
};

} // namespace

ZudeMenu::ZudeMenu(SharedState& state, Services& services, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services)
{
    Controls::setupWindow(this, "ZudeMenu", QStringLiteral("Numerion"));
    setFont(Controls::windowFont(9.75));

    QWidget* previous = nullptr;
    for (const MenuButton& entry : menuButtons) {
        QPushButton* button = Controls::button(this, entry.name, QString::fromLatin1(entry.caption),
                                               entry.left, entry.top, entry.width, 465);
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }

    onClick("PickForm", [this] { openToolWindow(new Lottery(m_state, m_services)); });
    onClick("DBaseForm", [this] { openDatabaseWindow(); });
    onClick("ShowGraph1", [this] {
        m_state.GraphOpener = 1;
        openToolWindow(new LGraph(m_state, m_services));
    });
    onClick("InvTrack", [this] { openToolWindow(new LInvTrack(m_state, m_services)); });
    onClick("PtrFnt", [this] {
        hide();
        ChangeFnt settings(m_state, m_services);
        settings.exec();
        showUserName();
        show();
        activateWindow();
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
    onClick("ImportDraws", [this] {
        auto* import = new LImport(m_state, m_services);
        connect(import, &LImport::imported, this, &ZudeMenu::openDatabaseWindow);
        openToolWindow(import);
    });
    onClick("PrintDbase", [this] { PrintDatabase(m_state, m_services); });
    onClick("Exit1Butt", [this] {
        if (ExitProgram())
            Q_EMIT programEnded();
    });

    m_myName = new QLabel(this);
    m_myName->setObjectName(QStringLiteral("MyName"));
    m_myName->move(Px(4590), Px(5940));
    m_myName->hide();

    m_infoLabel = new QLabel(this);
    m_infoLabel->setObjectName(QStringLiteral("InfoLabel"));
    m_infoLabel->move(Px(4590), Px(5355));
    m_infoLabel->hide();
}

void ZudeMenu::onClick(const char* name, std::function<void()> action)
{
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, std::move(action));
}

void ZudeMenu::openDatabaseWindow()
{
    hide();
    // Building the grids of a large database takes a moment.
    BusyCursor busy;
    auto* database = new LDbase(m_state, m_services);
    connect(database, &ToolWindow::closed, this, &ZudeMenu::showFileInMemory);
    openToolWindow(database);
}

void ZudeMenu::openGivenFile(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("inv"), Qt::CaseInsensitive) == 0) {
        auto* tracker = new LInvTrack(m_state, m_services);
        openToolWindow(tracker);
        tracker->OpenTrackerFile(path);
        return;
    }
    hide();
    ReadDrawFileInto(m_state, m_services, path);
    openDatabaseWindow();
}

void ZudeMenu::openToolWindow(ToolWindow* window)
{
    ToolWindow::open(this, window);
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
    DrawStore& store = m_state.Store;
    if (GoBackToSaveFirst(store, m_services.messages))
        return false;
    store.SetChangedFlag(false);
    return true;
}

void ZudeMenu::closeEvent(QCloseEvent* event)
{
    // Closing the menu through its frame is the same as "Exit Program"; the program closes it.
    event->ignore();
    if (ExitProgram())
        Q_EMIT programEnded();
}
