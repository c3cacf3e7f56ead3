// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LWheels.h"

#include "core/app/PlayTickets.h"
#include "core/app/SharedState.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "core/common/RandomSource.h"
#include "core/draws/DrawStore.h"
#include "core/wheels/Wheel.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrintJob.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/WidgetEvents.h"
#include "gui/wheels/WheelTicketsModel.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIODevice>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace {

using Controls::Cell;

const QString WheelsTitle = QStringLiteral("Wheels");

// A full wheel asks before it builds more tickets than this.
constexpr quint64 AskAboveTickets = 1000;

constexpr Cell NumbersCells[] = {
    Cell::line("&Numbers to wheel:"),
    Cell::wideBox("WheelNumbers", "such as 1-18, or 3 7 12 19 23 31 40 44", 2),
    Cell::label("WheelCount", "", 1),
    Cell::line("Or take from the draws:"),
    Cell::button("PoolMost", "&Most Drawn Third"),
    Cell::button("PoolMiddle", "M&iddle Third"),
    Cell::button("PoolLeast", "&Least Drawn Third"),
    Cell::stretch(),
    Cell::line("Ke&y numbers, on every ticket:"),
    Cell::wideBox("WheelKeys", "none"),
};

constexpr Cell GuaranteeCells[] = {
    Cell::line("&Guarantee:"),
    Cell::box("WheelMatch", 2, 2),
    Cell::label("", "matches on one ticket at least, &whenever"),
    Cell::box("WheelIf", 2, 2),
    Cell::stretch(),
    Cell::line(""),
    Cell::label("WheelTicketSize", "of the drawn numbers are yours; tickets of %1 numbers (%2)"),
    Cell::stretch(),
    Cell::line("&Search for:"),
    Cell::box("WheelSeconds", 4, 4),
    Cell::label("", "s"),
    Cell::label("", "or until a wheel of &at most"),
    Cell::box("WheelMaxTickets", 5, 5),
    Cell::label("", "tickets;  ticket p&rice"),
    Cell::box("WheelPrice", 12, 6),
    Cell::stretch(),
};

constexpr Cell BuildCells[] = {
    Cell::button("BuildWheel", "&Build Wheel"), Cell::button("FullWheelButt", "&Full Wheel"),
    Cell::button("KeyWheelButt", "&Key Wheel"), Cell::button("StopWheel", "S&top"),
    Cell::widget("WheelProgressBar", 1),
};

constexpr Cell StatusCells[] = {
    Cell::label("WheelStatus", "", 1),
};

constexpr Cell ResultCells[] = {
    Cell::button("PrintWheel", "&Print"),
    Cell::button("SaveWheel", "Save as &CSV"),
    Cell::button("CopyWheel", "C&opy"),
    Cell::button("PlayWheel", "Play This W&heel"),
    Cell::stretch(),
    Cell::button("ExitWheels", "E&xit to Menu"),
};

QString ticketsText(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(count);
}

} // namespace

LWheels::LWheels(SharedState& state, Services& services, QWidget* parent)
    : LWheels(state, services, {},
              state.Store.RecCount() > 0 ? state.Store.shape() : state.Settings.defaultShape(),
              parent)
{
}

LWheels::LWheels(SharedState& state, Services& services, const QList<int>& numbers,
                 const LotteryShape& shape, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services), m_shape(shape)
{
    buildControls();
    wireBoxes();
    if (!numbers.isEmpty())
        m_numbers->setText(WheelNumbersText(numbers));
    showNumbersCount();
    setBuilding(false);
    m_numbers->setFocus();
}

LWheels::~LWheels()
{
    // A search still running is told to stop and is waited for: it writes into this window's
    // result.
    StopWheel();
    if (m_worker)
        m_worker->wait();
}

void LWheels::buildControls()
{
    setObjectName(QStringLiteral("LWheels"));
    setWindowTitle(WheelsTitle);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("WheelProgressBar"));
    m_progress->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        Controls::form(this, "NumbersFrame", QStringLiteral("Your numbers"), NumbersCells));
    layout->addWidget(Controls::form(this, "GuaranteeFrame", QStringLiteral("Guarantee and budget"),
                                     GuaranteeCells));
    layout->addLayout(Controls::row(this, BuildCells));
    layout->addLayout(Controls::row(this, StatusCells));
    layout->addWidget(buildResults(), 1);
    layout->addLayout(Controls::row(this, ResultCells));

    m_numbers = Controls::find<QLineEdit>(this, "WheelNumbers");
    m_numbersCount = Controls::find<QLabel>(this, "WheelCount");
    // Its reasons take what room the line has, on more lines if need be; the window never
    // widens for them.
    m_numbersCount->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_numbersCount->setWordWrap(true);
    m_keys = Controls::find<QLineEdit>(this, "WheelKeys");
    m_price = Controls::find<QLineEdit>(this, "WheelPrice");
    m_price->setText(QStringLiteral("1.00"));
    auto* ticketSize = Controls::find<QLabel>(this, "WheelTicketSize");
    ticketSize->setText(ticketSize->text().arg(m_shape.numbersPerDraw).arg(ShapeName(m_shape)));
    m_status = Controls::find<QLabel>(this, "WheelStatus");
    m_stop = Controls::find<QPushButton>(this, "StopWheel");

    static constexpr Controls::Wiring<LWheels> handlers[] = {
        {"BuildWheel", &LWheels::BuildWheel},        {"FullWheelButt", &LWheels::fullWheelClicked},
        {"KeyWheelButt", &LWheels::keyWheelClicked}, {"StopWheel", &LWheels::StopWheel},
        {"PrintWheel", &LWheels::PrintWheel},        {"SaveWheel", &LWheels::SaveWheel},
        {"CopyWheel", &LWheels::CopyWheel},          {"PlayWheel", &LWheels::PlayWheel},
    };
    Controls::wire(this, handlers);
    connect(Controls::find<QPushButton>(this, "ExitWheels"), &QPushButton::clicked, this,
            &QWidget::close);
    struct ThirdButton {
        const char* name;
        Third third;
    };
    static constexpr ThirdButton thirds[] = {
        {"PoolMost", Third::Top},
        {"PoolMiddle", Third::Middle},
        {"PoolLeast", Third::Bottom},
    };
    for (const ThirdButton& entry : thirds) {
        auto* button = Controls::find<QPushButton>(this, entry.name);
        const Third third = entry.third;
        connect(button, &QPushButton::clicked, this, [this, third] { takeThird(third); });
        m_inputs.append(button);
    }
    for (const char* name : {"BuildWheel", "FullWheelButt", "KeyWheelButt"})
        m_inputs.append(Controls::find<QPushButton>(this, name));
    for (const char* name : {"PrintWheel", "SaveWheel", "CopyWheel", "PlayWheel"})
        m_resultButtons.append(Controls::find<QPushButton>(this, name));
    connect(m_numbers, &QLineEdit::textChanged, this, &LWheels::showNumbersCount);

    setGeometry(placeOn(screen()->availableGeometry()));
}

QRect LWheels::placeOn(const QRect& screen)
{
    return Controls::placeOn(screen, QSize(980, 680));
}

QWidget* LWheels::buildResults()
{
    auto* results = new QSplitter(Qt::Horizontal);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("WheelGrid"));
    m_model = new WheelTicketsModel(m_grid);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->horizontalHeader()->setDefaultSectionSize(
        m_grid->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_report = new QPlainTextEdit;
    m_report->setObjectName(QStringLiteral("WheelReport"));
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    results->addWidget(m_grid);
    results->addWidget(m_report);
    results->setStretchFactor(1, 2);
    return results;
}

void LWheels::wireBoxes()
{
    MessageBoxes& messages = m_services.messages;
    const int k = std::max(2, m_shape.numbersPerDraw);
    m_setup = {std::min(3, k), std::min(3, k), 10, 0};

    auto* match = Controls::find<QLineEdit>(this, "WheelMatch");
    auto* ifDrawn = Controls::find<QLineEdit>(this, "WheelIf");
    auto* seconds = Controls::find<QLineEdit>(this, "WheelSeconds");
    auto* maxTickets = Controls::find<QLineEdit>(this, "WheelMaxTickets");
    const RangeBox::Range guarantee {2, k, QStringLiteral(" Must be from 2 to %1").arg(k)};
    m_match = new RangeBox(match, guarantee, m_editing, ifDrawn, messages);
    m_ifDrawn = new RangeBox(ifDrawn, guarantee, m_editing, seconds, messages);
    m_seconds = new RangeBox(seconds, {1, 3600, QStringLiteral(" Must be from 1 to 3600")},
                             m_editing, maxTickets, messages);
    m_maxTickets
        = new RangeBox(maxTickets,
                       {0, WheelRequest::MaxTickets,
                        QStringLiteral(" Must be from 0 to %1").arg(WheelRequest::MaxTickets),
                        QStringLiteral("any")},
                       m_editing, m_price, messages);

    // Only a number typed is checked; one out of range gives way to the one before.
    const auto keep = [](RangeBox* range, const int& value, std::function<void(int)> taken) {
        range->checkTypedOnly([&value] { return value; });
        range->onTaken(std::move(taken));
        range->setValue(value);
    };
    // "t if m" needs t <= m: each box moves the other rather than refusing.
    keep(m_match, m_setup.guarantee, [this](int t) {
        m_setup.guarantee = t;
        if (m_setup.ifDrawn < t)
            m_ifDrawn->setValue(m_setup.ifDrawn = t);
    });
    keep(m_ifDrawn, m_setup.ifDrawn, [this](int m) {
        m_setup.ifDrawn = m;
        if (m_setup.guarantee > m)
            m_match->setValue(m_setup.guarantee = m);
    });
    keep(m_seconds, m_setup.seconds, [this](int value) { m_setup.seconds = value; });
    keep(m_maxTickets, m_setup.maxTickets, [this](int value) { m_setup.maxTickets = value; });

    WidgetEvents::enterMovesTo(m_numbers, m_keys);
    WidgetEvents::enterMovesTo(m_keys, match);
    WidgetEvents::enterMovesTo(m_price, Controls::find<QPushButton>(this, "BuildWheel"));
    m_inputs += {m_numbers, m_keys, match, ifDrawn, seconds, maxTickets, m_price};
}

void LWheels::takeEditedBox()
{
    // A button pressed by its access key leaves the box without moving the focus.
    for (RangeBox* range : {m_match, m_ifDrawn, m_seconds, m_maxTickets})
        if (focusWidget() == range->box())
            range->leave();
}

void LWheels::showNumbersCount()
{
    const WheelNumbersParse pool = ParseWheelNumbers(m_numbers->text(), 1, m_shape.highestNumber);
    if (!pool.error.isEmpty())
        m_numbersCount->setText(pool.error);
    else if (pool.numbers.size() == 1)
        m_numbersCount->setText(QStringLiteral("1 number"));
    else
        m_numbersCount->setText(QStringLiteral("%1 numbers").arg(pool.numbers.size()));
}

void LWheels::takeThird(Third third)
{
    if (m_state.Store.RecCount() == 0) {
        m_services.messages.inform(WheelsTitle,
                                   QStringLiteral("There are no draws in memory to rank the "
                                                  "numbers by. Open or import a draw file first."));
        return;
    }
    m_numbers->setText(WheelNumbersText(ThirdOfDrawnNumbers(m_state.Store, third)));
    m_numbers->setFocus();
}

void LWheels::BuildWheel()
{
    takeEditedBox();
    const WheelChoice choice = ReadWheelChoice(m_numbers->text(), m_keys->text(), m_shape);
    if (!choice.error.isEmpty()) {
        m_services.messages.inform(WheelsTitle, choice.error);
        return;
    }
    WheelRequest request;
    request.poolSize = int(choice.pool.size());
    request.ticketSize = m_shape.numbersPerDraw;
    request.guarantee = m_setup.guarantee;
    request.ifDrawn = m_setup.ifDrawn;
    for (int key : choice.keys)
        request.keys.append(int(choice.pool.indexOf(key)) + 1);
    request.maxTickets = m_setup.maxTickets;
    request.seconds = m_setup.seconds;
    // A new search each time, from the program's random source (repeatable in tests).
    request.seed = quint64(m_services.random.nextUniform() * 16777216.0) << 24
        | quint64(m_services.random.nextUniform() * 16777216.0);
    if (const QString error = CheckWheelRequest(request); !error.isEmpty()) {
        m_services.messages.inform(WheelsTitle, error);
        return;
    }
    m_budgetSeconds = request.seconds;
    WheelSheet sheet;
    sheet.pool = choice.pool;
    sheet.keys = choice.keys;
    sheet.ticketSize = request.ticketSize;
    sheet.guarantee = request.guarantee;
    sheet.ifDrawn = request.ifDrawn;
    sheet.price = LeadingNumber(m_price->text());
    const int highest = m_shape.highestNumber;
    startBuild(
        [this, request, sheet, highest](const std::atomic<bool>& cancel) mutable {
            request.cancel = &cancel;
            request.progress = [this](const WheelProgress& progress) {
                QMetaObject::invokeMethod(
                    this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
            };
            const Wheel wheel = GenerateWheel(request);
            if (!wheel.error.isEmpty() || wheel.tickets.isEmpty())
                return sheet;
            sheet.proven = wheel.proven;
            sheet.tickets = TicketsInPool(wheel.tickets, sheet.pool);
            sheet.report = WheelWinReport(wheel.tickets, request.poolSize, request.ticketSize,
                                          highest, request.guarantee);
            return sheet;
        },
        QStringLiteral("Searching for a wheel of %1 numbers, %2 if %3...")
            .arg(choice.pool.size())
            .arg(request.guarantee)
            .arg(request.ifDrawn));
}

void LWheels::fullWheelClicked()
{
    BuildFullWheel(false);
}

void LWheels::keyWheelClicked()
{
    BuildFullWheel(true);
}

void LWheels::BuildFullWheel(bool withKeys)
{
    const WheelChoice choice = ReadWheelChoice(m_numbers->text(), m_keys->text(), m_shape);
    if (!choice.error.isEmpty()) {
        m_services.messages.inform(WheelsTitle, choice.error);
        return;
    }
    const int k = m_shape.numbersPerDraw;
    if (withKeys && choice.keys.isEmpty()) {
        m_services.messages.inform(WheelsTitle,
                                   QStringLiteral("Type the key numbers first: a key wheel puts "
                                                  "them on every ticket."));
        return;
    }
    if (choice.keys.size() >= k) {
        m_services.messages.inform(
            WheelsTitle,
            QStringLiteral("A ticket holds %1 numbers: give fewer key numbers.").arg(k));
        return;
    }
    const QList<int> keys = withKeys ? choice.keys : QList<int>();
    const quint64 size = FullWheelSize(int(choice.pool.size()), k, int(keys.size()));
    const QString kind = withKeys ? QStringLiteral("key wheel") : QStringLiteral("full wheel");
    if (size > quint64(WheelRequest::MaxTickets)) {
        m_services.messages.inform(WheelsTitle,
                                   QStringLiteral("The %1 of these numbers has %2 tickets, more "
                                                  "than the %3 a wheel here may have.")
                                       .arg(kind)
                                       .arg(size)
                                       .arg(WheelRequest::MaxTickets));
        return;
    }
    if (size > AskAboveTickets
        && !m_services.messages.ask(WheelsTitle,
                                    QStringLiteral("The %1 of these numbers has %2 tickets. Build "
                                                   "it?")
                                        .arg(kind)
                                        .arg(size)))
        return;
    m_budgetSeconds = 0;
    WheelSheet sheet;
    sheet.pool = choice.pool;
    sheet.keys = keys;
    sheet.ticketSize = k;
    sheet.price = LeadingNumber(m_price->text());
    const int highest = m_shape.highestNumber;
    startBuild(
        [sheet, highest](const std::atomic<bool>&) mutable {
            const int v = int(sheet.pool.size());
            QList<int> keyPlaces;
            for (int key : sheet.keys)
                keyPlaces.append(int(sheet.pool.indexOf(key)) + 1);
            const QList<quint64> tickets = keyPlaces.isEmpty()
                ? FullWheel(v, sheet.ticketSize, quint64(WheelRequest::MaxTickets))
                : KeyWheel(v, sheet.ticketSize, keyPlaces, quint64(WheelRequest::MaxTickets));
            sheet.proven = !tickets.isEmpty();
            sheet.tickets = TicketsInPool(tickets, sheet.pool);
            sheet.report = WheelWinReport(tickets, v, sheet.ticketSize, highest,
                                          std::min(3, sheet.ticketSize));
            return sheet;
        },
        QStringLiteral("Building the %1...").arg(kind));
}

void LWheels::startBuild(std::function<WheelSheet(const std::atomic<bool>& cancel)> build,
                         const QString& searching)
{
    m_cancel = false;
    auto result = std::make_shared<WheelSheet>();
    m_result = result;
    m_worker
        = QThread::create([this, build = std::move(build), result] { *result = build(m_cancel); });
    m_worker->setParent(this);
    connect(m_worker, &QThread::finished, this, &LWheels::finishBuild);
    m_status->setText(searching);
    m_progress->setRange(0, m_budgetSeconds > 0 ? int(m_budgetSeconds * 10) : 0);
    m_progress->setValue(0);
    setBuilding(true);
    m_worker->start();
}

void LWheels::showProgress(const WheelProgress& progress)
{
    if (!m_worker)
        return;
    m_progress->setValue(std::min(m_progress->maximum(), int(progress.seconds * 10)));
    if (progress.tickets > 0)
        m_status->setText(QStringLiteral("Searching: the best wheel so far has %1, after %2 s.")
                              .arg(ticketsText(progress.tickets))
                              .arg(progress.seconds, 0, 'f', 1));
}

void LWheels::finishBuild()
{
    QThread* worker = m_worker;
    m_worker = nullptr;
    worker->deleteLater();
    const bool stopped = m_cancel.load();
    const WheelSheet result = std::move(*m_result);
    m_result.reset();
    m_progress->setRange(0, 1);
    m_progress->setValue(1);
    if (result.tickets.isEmpty()) {
        // The wheel shown before stays: a search that found nothing takes nothing away.
        m_status->setText(stopped ? QStringLiteral("Stopped before a wheel was complete.")
                                  : QStringLiteral("No wheel was found."));
        setBuilding(false);
        m_numbers->setFocus();
        Q_EMIT buildEnded();
        return;
    }
    m_sheet = result;
    m_model->setTickets(m_sheet.tickets, m_sheet.ticketSize);
    m_report->setPlainText(WheelReportLines(m_sheet).join(u'\n'));
    const QString found = ticketsText(m_sheet.tickets.size());
    m_status->setText(stopped ? QStringLiteral("Stopped: the best wheel found, %1.").arg(found)
                              : QStringLiteral("Done: %1.").arg(found));
    setBuilding(false);
    m_grid->setFocus();
    Q_EMIT buildEnded();
}

void LWheels::StopWheel()
{
    m_cancel = true;
}

void LWheels::setBuilding(bool building)
{
    for (QWidget* input : m_inputs)
        input->setEnabled(!building);
    m_stop->setEnabled(building);
    for (QPushButton* button : m_resultButtons)
        button->setEnabled(!building && !m_sheet.tickets.isEmpty());
    if (building)
        m_stop->setFocus();
}

bool LWheels::mayLeave()
{
    if (m_worker) {
        StopWheel();
        m_worker->wait();
    }
    return true;
}

void LWheels::PrintWheel()
{
    if (m_sheet.tickets.isEmpty() || !ConfirmPrintout(m_services))
        return;
    SendPrintout(m_services, WheelPrintout(m_sheet));
}

void LWheels::SaveWheel()
{
    if (m_sheet.tickets.isEmpty())
        return;
    const QString proposed = m_sheet.guarantee > 0
        ? QStringLiteral("wheel-%1-%2if%3.csv")
              .arg(m_sheet.pool.size())
              .arg(m_sheet.guarantee)
              .arg(m_sheet.ifDrawn)
        : QStringLiteral("wheel-%1-full.csv").arg(m_sheet.pool.size());
    const QByteArray csv = WheelCsv(m_sheet.tickets);
    m_services.files.save(FileKind::Csv, proposed, [&csv](QIODevice& file, QString&) {
        return file.write(csv) == csv.size();
    });
}

void LWheels::CopyWheel()
{
    if (m_sheet.tickets.isEmpty())
        return;
    // Tabs between the numbers: a spreadsheet pastes each into a cell of its own.
    const QString text = WheelText(m_sheet.tickets, u'\t', QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(text);
    m_status->setText(QStringLiteral("%1 copied.").arg(ticketsText(m_sheet.tickets.size())));
}

void LWheels::PlayWheel()
{
    if (m_sheet.tickets.isEmpty())
        return;
    m_services.messages.inform(WheelsTitle,
                               PlayTickets(m_state, m_sheet.tickets, {}, QDate::currentDate(),
                                           std::llround(m_sheet.price * 10000)));
}
