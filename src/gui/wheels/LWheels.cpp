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
#include "gui/common/FileFlow.h"
#include "gui/common/PrintJob.h"
#include "gui/common/Services.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGridLayout>
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
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString WheelsTitle = QStringLiteral("Wheels");

// A full wheel asks before it builds more tickets than this.
constexpr quint64 AskAboveTickets = 1000;

QString ticketsText(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(count);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true); // Enter presses the focused button, as everywhere
    return button;
}

QLabel* makeLabel(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QSpinBox* makeSpin(const char* name, int lowest, int highest, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

} // namespace

// The tickets of the wheel shown, one row each; only the rows in view are formatted.
class WheelTicketsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTickets(const QList<QList<int>>& tickets, int ticketSize)
    {
        beginResetModel();
        m_tickets = tickets;
        m_columns = ticketSize;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_tickets.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_columns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const QList<int>& ticket = m_tickets[index.row()];
        if (role == Qt::DisplayRole && index.column() < ticket.size())
            return ticket[index.column()];
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return section + 1;
        Q_UNUSED(orientation)
    }

private:
    QList<QList<int>> m_tickets;
    int m_columns = 0;
};

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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildNumbersFrame());
    layout->addWidget(buildGuaranteeFrame());

    auto* buildRow = new QHBoxLayout;
    auto* build = makeButton(this, "BuildWheel", QStringLiteral("&Build Wheel"));
    auto* full = makeButton(this, "FullWheelButt", QStringLiteral("&Full Wheel"));
    auto* key = makeButton(this, "KeyWheelButt", QStringLiteral("&Key Wheel"));
    m_stop = makeButton(this, "StopWheel", QStringLiteral("S&top"));
    connect(build, &QPushButton::clicked, this, &LWheels::BuildWheel);
    connect(full, &QPushButton::clicked, this, [this] { BuildFullWheel(false); });
    connect(key, &QPushButton::clicked, this, [this] { BuildFullWheel(true); });
    connect(m_stop, &QPushButton::clicked, this, &LWheels::StopWheel);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("WheelProgressBar"));
    m_progress->setTextVisible(false);
    for (QWidget* widget : {static_cast<QWidget*>(build), static_cast<QWidget*>(full),
                            static_cast<QWidget*>(key), static_cast<QWidget*>(m_stop)})
        buildRow->addWidget(widget);
    buildRow->addWidget(m_progress, 1);
    layout->addLayout(buildRow);
    m_inputs += {build, full, key};

    m_status = makeLabel(QString());
    m_status->setObjectName(QStringLiteral("WheelStatus"));
    layout->addWidget(m_status);

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
    layout->addWidget(results, 1);

    layout->addWidget(buildButtons());
    // The other windows' place, as large as the screen allows.
    const QRect screen = this->screen()->availableGeometry();
    setGeometry(QRect(screen.topLeft() + QPoint(4, 23), QSize(980, 680))
                    .intersected(screen.adjusted(0, 0, 0, -8)));
}

QWidget* LWheels::buildNumbersFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Your numbers"));
    frame->setObjectName(QStringLiteral("NumbersFrame"));
    auto* grid = new QGridLayout(frame);
    m_numbers = new QLineEdit;
    m_numbers->setObjectName(QStringLiteral("WheelNumbers"));
    m_numbers->setPlaceholderText(QStringLiteral("such as 1-18, or 3 7 12 19 23 31 40 44"));
    m_numbersCount = makeLabel(QString());
    m_numbersCount->setObjectName(QStringLiteral("WheelCount"));
    connect(m_numbers, &QLineEdit::textChanged, this, &LWheels::showNumbersCount);
    grid->addWidget(makeLabel(QStringLiteral("&Numbers to wheel:"), m_numbers), 0, 0);
    grid->addWidget(m_numbers, 0, 1, 1, 3);
    grid->addWidget(m_numbersCount, 0, 4);

    struct ThirdButton {
        const char* name;
        const char* caption;
        Third third;
    };
    static constexpr ThirdButton thirds[] = {
        {"PoolMost", "&Most Drawn Third", Third::Top},
        {"PoolMiddle", "M&iddle Third", Third::Middle},
        {"PoolLeast", "&Least Drawn Third", Third::Bottom},
    };
    grid->addWidget(makeLabel(QStringLiteral("Or take from the draws:")), 1, 0);
    int column = 1;
    for (const ThirdButton& entry : thirds) {
        auto* button = makeButton(frame, entry.name, QString::fromLatin1(entry.caption));
        const Third third = entry.third;
        connect(button, &QPushButton::clicked, this, [this, third] { takeThird(third); });
        grid->addWidget(button, 1, column++);
        m_inputs.append(button);
    }

    m_keys = new QLineEdit;
    m_keys->setObjectName(QStringLiteral("WheelKeys"));
    m_keys->setPlaceholderText(QStringLiteral("none"));
    grid->addWidget(makeLabel(QStringLiteral("Ke&y numbers, on every ticket:"), m_keys), 2, 0);
    grid->addWidget(m_keys, 2, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    m_inputs += {m_numbers, m_keys};
    return frame;
}

QWidget* LWheels::buildGuaranteeFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Guarantee and budget"));
    frame->setObjectName(QStringLiteral("GuaranteeFrame"));
    auto* grid = new QGridLayout(frame);
    const int k = std::max(2, m_shape.numbersPerDraw);
    m_match = makeSpin("WheelMatch", 2, k, std::min(3, k));
    m_ifDrawn = makeSpin("WheelIf", 2, k, std::min(3, k));
    // "t if m" needs t <= m: each box moves the other rather than refusing.
    connect(m_match, &QSpinBox::valueChanged, this, [this](int t) {
        if (m_ifDrawn->value() < t)
            m_ifDrawn->setValue(t);
    });
    connect(m_ifDrawn, &QSpinBox::valueChanged, this, [this](int m) {
        if (m_match->value() > m)
            m_match->setValue(m);
    });
    auto* guarantee = new QHBoxLayout;
    guarantee->addWidget(m_match);
    guarantee->addWidget(
        makeLabel(QStringLiteral("matches on one ticket at least, &whenever"), m_ifDrawn));
    guarantee->addWidget(m_ifDrawn);
    guarantee->addWidget(makeLabel(QStringLiteral("of the drawn numbers are yours; tickets of %1 "
                                                  "numbers (%2)")
                                       .arg(m_shape.numbersPerDraw)
                                       .arg(ShapeName(m_shape))));
    guarantee->addStretch(1);
    grid->addWidget(makeLabel(QStringLiteral("&Guarantee:"), m_match), 0, 0);
    grid->addLayout(guarantee, 0, 1);

    m_seconds = makeSpin("WheelSeconds", 1, 3600, 10);
    m_seconds->setSuffix(QStringLiteral(" s"));
    m_maxTickets = makeSpin("WheelMaxTickets", 0, WheelRequest::MaxTickets, 0);
    m_maxTickets->setSpecialValueText(QStringLiteral("any"));
    m_price = new QLineEdit(QStringLiteral("1.00"));
    m_price->setObjectName(QStringLiteral("WheelPrice"));
    m_price->setMaxLength(12);
    auto* budget = new QHBoxLayout;
    budget->addWidget(m_seconds);
    budget->addWidget(makeLabel(QStringLiteral("or until a wheel of &at most"), m_maxTickets));
    budget->addWidget(m_maxTickets);
    budget->addWidget(makeLabel(QStringLiteral("tickets;  ticket p&rice"), m_price));
    budget->addWidget(m_price);
    budget->addStretch(1);
    grid->addWidget(makeLabel(QStringLiteral("&Search for:"), m_seconds), 1, 0);
    grid->addLayout(budget, 1, 1);
    m_inputs += {m_match, m_ifDrawn, m_seconds, m_maxTickets, m_price};
    return frame;
}

QWidget* LWheels::buildButtons()
{
    auto* strip = new QWidget;
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    auto* print = makeButton(strip, "PrintWheel", QStringLiteral("&Print"));
    auto* save = makeButton(strip, "SaveWheel", QStringLiteral("Save as &CSV"));
    auto* copy = makeButton(strip, "CopyWheel", QStringLiteral("C&opy"));
    auto* play = makeButton(strip, "PlayWheel", QStringLiteral("Play This W&heel"));
    auto* exit = makeButton(strip, "ExitWheels", QStringLiteral("E&xit to Menu"));
    connect(print, &QPushButton::clicked, this, &LWheels::PrintWheel);
    connect(save, &QPushButton::clicked, this, &LWheels::SaveWheel);
    connect(copy, &QPushButton::clicked, this, &LWheels::CopyWheel);
    connect(play, &QPushButton::clicked, this, &LWheels::PlayWheel);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {print, save, copy, play})
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(exit);
    m_resultButtons = {print, save, copy, play};
    return strip;
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
    const WheelChoice choice = ReadWheelChoice(m_numbers->text(), m_keys->text(), m_shape);
    if (!choice.error.isEmpty()) {
        m_services.messages.inform(WheelsTitle, choice.error);
        return;
    }
    WheelRequest request;
    request.poolSize = int(choice.pool.size());
    request.ticketSize = m_shape.numbersPerDraw;
    request.guarantee = m_match->value();
    request.ifDrawn = m_ifDrawn->value();
    for (int key : choice.keys)
        request.keys.append(int(choice.pool.indexOf(key)) + 1);
    request.maxTickets = m_maxTickets->value();
    request.seconds = m_seconds->value();
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
