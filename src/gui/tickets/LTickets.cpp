// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LTickets.h"

#include "core/app/SharedState.h"
#include "core/common/Document.h"
#include "core/common/FileFields.h"
#include "core/common/MessageBoxes.h"
#include "core/common/TextFormat.h"
#include "core/draws/LinesPerPage.h"
#include "core/tickets/TicketLines.h"
#include "core/tickets/TicketsPrintout.h"
#include "core/tickets/TrackerPosting.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/WidgetEvents.h"
#include "gui/tickets/DrawTotalsModel.h"
#include "gui/tickets/PrizeTableModel.h"
#include "gui/tickets/TicketListModel.h"
#include "gui/tickets/TicketResultsModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <span>

namespace {

using Controls::Cell;

constexpr Cell BookInfoCells[] = {Cell::label("BookInfo", "", 1)};

constexpr Cell TicketEntryCells[] = {Cell::widget("InTickets", 1)};
constexpr Cell TicketBoxCells[] = {
    Cell::label("FirstDrawLabel", "First draw"),
    Cell::box("InFirstDraw", 10, 10),
    Cell::label("DrawsLabel", "Draws"),
    Cell::box("InDraws", 4, 4),
    Cell::label("PriceLabel", "Price per draw"),
    Cell::box("InPrice", 0, 8),
    Cell::stretch(),
    Cell::button("AddTickets", "&Add Tickets"),
};
constexpr Cell TicketGridCells[] = {Cell::widget("TicketGrid", 1)};
constexpr Cell TicketButtonCells[] = {
    Cell::button("ImportTickets", "&Import CSV"),
    Cell::button("RemoveTicket", "&Remove"),
    Cell::stretch(),
};

constexpr Cell PrizeNoteCells[] = {Cell::label(
    "PrizeNote",
    "Check the prizes against your lottery's rules. A tier without an amount is pari-mutuel: type its amount on the results once it is published.",
    1)};
constexpr Cell PrizeGridCells[] = {Cell::widget("PrizeGrid", 1)};
constexpr Cell PrizeButtonCells[] = {
    Cell::button("AddPrize", "Add &Row"),
    Cell::button("RemovePrize", "Remove R&ow"),
    Cell::button("PresetPrizes", "Pr&eset"),
    Cell::stretch(),
};

constexpr Cell ResultGridCells[] = {Cell::widget("ResultGrid", 1)};
constexpr Cell DrawTotalsCells[] = {Cell::widget("DrawTotalsGrid", 1)};
constexpr Cell TotalsCells[] = {Cell::label("TotalsLabel", "", 1)};

constexpr Cell StripCells[] = {
    Cell::button("ExitTickets", "E&xit to Menu"), Cell::button("OpenBook", "&Open Book"),
    Cell::button("SaveBook", "&Save Book"),       Cell::button("PostButt", "Post to &Tracker"),
    Cell::button("PrintTickets", "To &Printer"),
};

// The rows of a page from top to bottom, each with its share of the spare height.
struct PageRow {
    std::span<const Cell> cells;
    int stretch = 0;
};
QVBoxLayout* column(QWidget* page, std::initializer_list<PageRow> rows)
{
    auto* layout = new QVBoxLayout(page);
    for (const PageRow& row : rows)
        layout->addLayout(Controls::row(page, row.cells), row.stretch);
    return layout;
}

// The results of a large book: their columns are measured on the first rows only.
constexpr int MeasuredRows = 50;

} // namespace

LTickets::LTickets(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services)
{
    setObjectName(QStringLiteral("LTickets"));
    setWindowTitle(QStringLiteral("My Tickets"));
    followStoreShape();
    TicketBookDocument& book = m_state.Tickets;
    m_ticketModel = new TicketListModel(book, this);
    m_prizeModel = new PrizeTableModel(book, this);
    m_results = new TicketResultsModel(book, m_state.Store, this);
    m_drawTotals = new DrawTotalsModel(*m_results, this);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TicketTabs"));
    tabs->addTab(buildBookTab(), QStringLiteral("Tickets"));
    tabs->addTab(buildPrizeTab(), QStringLiteral("Prizes"));
    tabs->addTab(buildResultsTab(), QStringLiteral("Results"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Controls::row(this, BookInfoCells));
    layout->addWidget(tabs, 1);
    layout->addLayout(Controls::row(this, StripCells));
    m_bookInfo = Controls::find<QLabel>(this, "BookInfo");
    // The whole text, on as many lines as it takes; the window never widens for it.
    m_bookInfo->setWordWrap(true);
    m_bookInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);

    static constexpr Controls::Wiring<LTickets> handlers[] = {
        {"AddTickets", &LTickets::addTypedClicked},     {"ImportTickets", &LTickets::importClicked},
        {"RemoveTicket", &LTickets::removeClicked},     {"AddPrize", &LTickets::addPrizeClicked},
        {"RemovePrize", &LTickets::removePrizeClicked}, {"PresetPrizes", &LTickets::presetClicked},
        {"OpenBook", &LTickets::openClicked},           {"SaveBook", &LTickets::saveClicked},
        {"PostButt", &LTickets::postClicked},           {"PrintTickets", &LTickets::printClicked},
    };
    Controls::wire(this, handlers);
    connect(Controls::find<QPushButton>(this, "ExitTickets"), &QPushButton::clicked, this,
            &QWidget::close);

    // The book and the draws tell what changed; the grids follow them by themselves.
    connect(&book, &Document::contentChanged, this, &LTickets::showBookInfo);
    connect(&book, &Document::filePathChanged, this, &LTickets::showBookInfo);
    connect(&m_state.Store, &DrawStore::shapeChanged, this, [this] {
        followStoreShape();
        showBookInfo();
    });
    connect(&m_state.Store, &DrawStore::titleChanged, this, &LTickets::followStoreShape);
    connect(m_results, &TicketResultsModel::checked, this, &LTickets::showTotals);
    // A refused cell is told once its editor has closed.
    connect(m_prizeModel, &PrizeTableModel::refused, this, &LTickets::refuse, Qt::QueuedConnection);
    connect(m_results, &TicketResultsModel::refused, this, &LTickets::refuse, Qt::QueuedConnection);
    showBookInfo();
    showTotals();
    setGeometry(placeOn(screen()->availableGeometry()));
}

QRect LTickets::placeOn(const QRect& screen)
{
    return Controls::placeOn(screen, QSize(900, 620));
}

QTableView* LTickets::grid(QWidget* page, const char* name, QAbstractItemModel* model)
{
    auto* view = new QTableView(page);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    return view;
}

QWidget* LTickets::buildBookTab()
{
    auto* page = new QWidget(this);
    m_lines = new QPlainTextEdit(page);
    m_lines->setObjectName(QStringLiteral("InTickets"));
    m_lines->setMaximumHeight(70);
    m_tickets = grid(page, "TicketGrid", m_ticketModel);
    column(page, {{TicketEntryCells}, {TicketBoxCells}, {TicketGridCells, 1}, {TicketButtonCells}});

    m_firstDraw = Controls::find<QLineEdit>(page, "InFirstDraw");
    m_price = Controls::find<QLineEdit>(page, "InPrice");
    m_price->setText(QStringLiteral("0"));
    auto* draws = Controls::find<QLineEdit>(page, "InDraws");
    m_draws = new RangeBox(
        draws,
        {1, Ticket::MaxDraws,
         QStringLiteral(" The draws played must be from 1 to %1.").arg(Ticket::MaxDraws)},
        m_editing, m_price, m_services.messages);
    m_draws->checkTypedOnly([this] { return m_drawsPlayed; });
    m_draws->onTaken([this](int value) { m_drawsPlayed = value; });
    m_draws->setValue(m_drawsPlayed);
    WidgetEvents::enterMovesTo(m_firstDraw, draws);
    WidgetEvents::enterMovesTo(m_price, Controls::find<QPushButton>(page, "AddTickets"));
    return page;
}

QWidget* LTickets::buildPrizeTab()
{
    auto* page = new QWidget(this);
    m_prizes = grid(page, "PrizeGrid", m_prizeModel);
    column(page, {{PrizeNoteCells}, {PrizeGridCells, 1}, {PrizeButtonCells}});
    auto* note = Controls::find<QLabel>(page, "PrizeNote");
    note->setWordWrap(true);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    return page;
}

QWidget* LTickets::buildResultsTab()
{
    auto* page = new QWidget(this);
    grid(page, "ResultGrid", m_results);
    grid(page, "DrawTotalsGrid", m_drawTotals);
    // The totals stay on the page of the results they sum, below them.
    column(page, {{ResultGridCells, 3}, {DrawTotalsCells, 2}, {TotalsCells}});
    m_totals = Controls::find<QLabel>(page, "TotalsLabel");
    m_totals->setWordWrap(true);
    m_totals->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    return page;
}

void LTickets::followStoreShape()
{
    m_state.Tickets.followDraws(m_state.Store.shape(), m_state.Store.Title());
}

void LTickets::showBookInfo()
{
    const TicketBook& book = m_state.Tickets.book();
    QString info = ShapeName(book.shape) + QStringLiteral(": ")
        + CountText(book.tickets.size(), "ticket", "tickets");
    if (!m_state.Tickets.fileName().isEmpty())
        info += QStringLiteral(" in ") + m_state.Tickets.fileName();
    if (book.shape != m_state.Store.shape())
        info += QStringLiteral(" (the draws in memory are of ") + ShapeName(m_state.Store.shape())
            + QStringLiteral(": the tickets are not checked)");
    m_bookInfo->setText(info);
    m_lines->setPlaceholderText(
        QStringLiteral("%1 (one ticket a line)").arg(TicketLines::Example(book.shape)));
    if (m_firstDraw->text().isEmpty())
        m_firstDraw->setText(FormatShortDate(ProposeNewDate(m_state.Store, QDate::currentDate())));
}

void LTickets::showTotals()
{
    const CheckTotals& totals = m_results->shown().totals;
    QString text
        = QStringLiteral("Spent %1   Won %2   Net %3")
              .arg(AmountText(totals.spent), AmountText(totals.won), AmountText(totals.net()));
    if (totals.pending > 0)
        text += QStringLiteral("   Pending: %1 (%2)")
                    .arg(CountText(totals.pending, "draw", "draws"),
                         AmountText(totals.pendingSpent));
    m_totals->setText(text);
}

void LTickets::refuse(const QString& text)
{
    m_services.messages.inform(HelpTitle, text);
}

bool LTickets::addLines(const QString& text)
{
    // Add Tickets pressed by its access key leaves the draws box without moving the focus.
    if (focusWidget() == m_draws->box())
        m_draws->leave();
    const TicketBook& book = m_state.Tickets.book();
    const QDate first = ParseUserDate(m_firstDraw->text(), QDate::currentDate());
    const std::optional<long long> price = ParseAmount(m_price->text());
    if (!first.isValid()) {
        refuse(QStringLiteral(" The first draw must be a date, such as ")
               + FormatShortDate(QDate::currentDate()) + u'.');
        return false;
    }
    if (!price || *price < 0) {
        refuse(QStringLiteral(" The price must be an amount such as 2.50."));
        return false;
    }
    const TicketLines::Result lines = TicketLines::Parse(text, book.shape);
    if (!lines.errors.isEmpty()) {
        refuse(QStringLiteral(" No ticket was added. A ticket of ") + ShapeName(book.shape)
               + QStringLiteral(":\n") + lines.errors.mid(0, 10).join(u'\n'));
        return false;
    }
    if (lines.tickets.isEmpty()) {
        refuse(QStringLiteral(" Type or paste the tickets' numbers, one ticket a line."));
        return false;
    }
    QList<QList<int>> main;
    QList<QList<int>> extra;
    for (const TicketLines::Numbers& numbers : lines.tickets) {
        main.append(numbers.main);
        extra.append(numbers.extra);
    }
    const int draws = m_drawsPlayed;
    if (!m_state.Tickets.change([&](TicketBook& changed) {
            return changed.addTickets(main, extra, first, draws, *price);
        })) {
        refuse(QStringLiteral(" The book holds at most %1 tickets.").arg(TicketBook::MaxTickets));
        return false;
    }
    return true;
}

void LTickets::addTypedClicked()
{
    if (addLines(m_lines->toPlainText()))
        m_lines->clear();
}

void LTickets::importClicked()
{
    const std::optional<FileChoice> chosen
        = m_services.files.choose(FileKind::TicketList, Direction::Open, QString());
    if (!chosen)
        return;
    QString text;
    const bool read
        = m_services.files.read(chosen->path, [&text](QIODevice& file, QString& reason) {
              const std::optional<QByteArray> bytes
                  = ReadFileBytes(file, TicketLines::MaxFileBytes);
              if (!bytes) {
                  reason = QStringLiteral(
                      "It cannot be read, or it is larger than a list of tickets can be.");
                  return false;
              }
              if (bytes->contains('\0')) {
                  reason = QStringLiteral("It is no list of tickets: it holds a NUL byte.");
                  return false;
              }
              text = QString::fromUtf8(*bytes);
              return true;
          });
    if (read)
        addLines(text);
}

void LTickets::removeClicked()
{
    QList<int> rows;
    for (const QModelIndex& index : m_tickets->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && m_tickets->currentIndex().isValid())
        rows.append(m_tickets->currentIndex().row());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    m_state.Tickets.change([&rows](TicketBook& book) {
        bool any = false;
        for (const int r : rows)
            if (r < book.tickets.size()) {
                book.tickets.removeAt(r);
                any = true;
            }
        return any;
    });
}

void LTickets::addPrizeClicked()
{
    const TicketBook& book = m_state.Tickets.book();
    if (book.prizes.rows.size() >= PrizeTable::MaxRows)
        return refuse(
            QStringLiteral(" The prize table holds at most %1 rows.").arg(PrizeTable::MaxRows));
    // The first match without a prize, fewest matches first: the user edits it from there.
    for (int main = 0; main <= book.shape.numbersPerDraw; ++main)
        for (int extra = 0; extra <= book.shape.extraNumbers; ++extra)
            if (!book.prizes.find(main, extra)) {
                m_state.Tickets.change([&](TicketBook& changed) {
                    changed.prizes.rows.append(
                        {main, extra, QStringLiteral("New tier"), std::nullopt});
                    return true;
                });
                m_prizes->setCurrentIndex(m_prizeModel->index(int(book.prizes.rows.size()) - 1, 0));
                return;
            }
    refuse(QStringLiteral(" Every match has a prize already."));
}

void LTickets::removePrizeClicked()
{
    const int row = m_prizes->currentIndex().isValid() ? m_prizes->currentIndex().row() : -1;
    m_state.Tickets.change([row](TicketBook& book) {
        if (row < 0 || row >= book.prizes.rows.size())
            return false;
        book.prizes.rows.removeAt(row);
        return true;
    });
}

void LTickets::presetClicked()
{
    if (!m_services.messages.ask(HelpTitle,
                                 QStringLiteral(" Replace the prize table with the preset one?")))
        return;
    m_state.Tickets.change([](TicketBook& book) {
        book.prizes = PresetPrizeTable(book.shape);
        return true;
    });
}

void LTickets::postClicked()
{
    if (m_state.Tickets.book().shape != m_state.Store.shape())
        return refuse(QStringLiteral(
            " The tickets are of another game than the draws in memory: nothing was posted."));
    const PostResult result = m_state.Tickets.post(m_results->check(), m_state.Tracker);
    refuse(u' ' + result.message);
}

void LTickets::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    const int linesPerPage = LinesPerPageFor(m_services.printer.pageMetrics());
    SendPrintout(m_services,
                 TicketsPrintout(m_state.Tickets.book(), m_results->check(), linesPerPage));
}

void LTickets::openClicked()
{
    if (!MayDropDocuments({&m_state.Tickets}, m_services.messages))
        return;
    m_services.files.open(m_state.Tickets);
}

void LTickets::OpenTicketBook(const QString& path)
{
    m_services.files.open(m_state.Tickets, path);
}

void LTickets::saveClicked()
{
    // The file the book came from or went to, in its own folder; the default name at first.
    const QString path = m_state.Tickets.filePath().isEmpty() ? TicketBookDocument::DefaultFileName
                                                              : m_state.Tickets.filePath();
    const std::optional<FileChoice> choice
        = m_services.files.choose(FileKind::Tickets, Direction::Save, path);
    if (choice)
        m_services.files.save(m_state.Tickets, choice->path);
}

bool LTickets::mayLeave()
{
    // The book stays in memory with the program; it is asked about only when the program ends.
    return true;
}
