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
#include "gui/common/Services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The colour that marks a matched number, as the distribution grids mark the most drawn.
const QColor MatchedColour(255, 255, 0);
constexpr int ResultFixedColumns = 2; // the ticket and the draw

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& headings)
{
    auto* table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

QTableWidgetItem* cell(const QString& text, bool editable = false)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAutoDefault(true);
    return pushButton;
}

QLineEdit* box(QWidget* parent, const char* name, int width)
{
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setObjectName(QString::fromLatin1(name));
    lineEdit->setFixedWidth(width);
    return lineEdit;
}

QString countText(qsizetype n, const char* one, const char* many)
{
    return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                  : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
}

} // namespace

LTickets::LTickets(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services)
{
    Controls::setupWindow(this, "LTickets", QStringLiteral("My Tickets"));
    auto* layout = new QVBoxLayout(this);
    m_bookInfo = Controls::label(this, "BookInfo");
    layout->addWidget(m_bookInfo);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TicketTabs"));
    layout->addWidget(m_tabs, 1);
    buildBookTab();
    buildPrizeTab();
    buildResultsTab();

    auto* strip = new QHBoxLayout;
    layout->addLayout(strip);
    const std::pair<const char*, QString> captions[] = {
        {"ExitTickets", QStringLiteral("E&xit to Menu")},
        {"OpenBook", QStringLiteral("&Open Book")},
        {"SaveBook", QStringLiteral("&Save Book")},
        {"PostButt", QStringLiteral("Post to &Tracker")},
        {"PrintTickets", QStringLiteral("To &Printer")},
    };
    void (LTickets::*handlers[])() = {nullptr, &LTickets::openClicked, &LTickets::saveClicked,
                                      &LTickets::postClicked, &LTickets::printClicked};
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        QPushButton* pushButton = button(this, captions[i].first, captions[i].second);
        strip->addWidget(pushButton);
        if (handlers[i])
            connect(pushButton, &QPushButton::clicked, this, handlers[i]);
        else
            connect(pushButton, &QPushButton::clicked, this, &QWidget::close);
    }

    // The store tells what changed: new draws are checked at once.
    DrawStore& store = m_state.Store;
    connect(&store, &DrawStore::recordAppended, this, &LTickets::ShowResults);
    connect(&store, &DrawStore::recordReplaced, this, &LTickets::ShowResults);
    connect(&store, &DrawStore::storeReset, this, &LTickets::ShowResults);
    connect(&store, &DrawStore::shapeChanged, this, [this] {
        followStoreShape();
        showBook();
        showPrizes();
        ShowResults();
    });
    followStoreShape();
    showBook();
    showPrizes();
    ShowResults();
}

void LTickets::buildBookTab()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    m_lines = new QPlainTextEdit(page);
    m_lines->setObjectName(QStringLiteral("InTickets"));
    m_lines->setPlaceholderText(QStringLiteral("1,2,3,4,5,6 + 7 (one ticket a line)"));
    m_lines->setMaximumHeight(70);
    layout->addWidget(m_lines, 0, 0, 1, 4);

    auto* boxes = new QHBoxLayout;
    m_firstDraw = box(page, "InFirstDraw", 90);
    m_draws = box(page, "InDraws", 40);
    m_draws->setText(QStringLiteral("1"));
    m_price = box(page, "InPrice", 70);
    m_price->setText(QStringLiteral("0"));
    boxes->addWidget(Controls::label(page, "FirstDrawLabel"));
    static_cast<QLabel*>(boxes->itemAt(0)->widget())->setText(QStringLiteral("First draw"));
    boxes->addWidget(m_firstDraw);
    auto* drawsLabel = Controls::label(page, "DrawsLabel");
    drawsLabel->setText(QStringLiteral("Draws"));
    boxes->addWidget(drawsLabel);
    boxes->addWidget(m_draws);
    auto* priceLabel = Controls::label(page, "PriceLabel");
    priceLabel->setText(QStringLiteral("Price per draw"));
    boxes->addWidget(priceLabel);
    boxes->addWidget(m_price);
    boxes->addStretch();
    QPushButton* add = button(page, "AddTickets", QStringLiteral("&Add Tickets"));
    QPushButton* import = button(page, "ImportTickets", QStringLiteral("&Import CSV"));
    QPushButton* remove = button(page, "RemoveTicket", QStringLiteral("&Remove"));
    boxes->addWidget(add);
    layout->addLayout(boxes, 1, 0, 1, 4);
    connect(add, &QPushButton::clicked, this, &LTickets::addTypedClicked);
    connect(import, &QPushButton::clicked, this, &LTickets::importClicked);
    connect(remove, &QPushButton::clicked, this, &LTickets::removeClicked);

    m_tickets = grid(page, "TicketGrid",
                     {QStringLiteral("Numbers"), QStringLiteral("First draw"),
                      QStringLiteral("Draws"), QStringLiteral("Price")});
    layout->addWidget(m_tickets, 2, 0, 1, 4);
    auto* below = new QHBoxLayout;
    below->addWidget(import);
    below->addWidget(remove);
    below->addStretch();
    layout->addLayout(below, 3, 0, 1, 4);
    m_tabs->addTab(page, QStringLiteral("Tickets"));
}

void LTickets::buildPrizeTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* note = Controls::label(page, "PrizeNote");
    note->setText(QStringLiteral(
        "Check the prizes against your lottery's rules. A tier without an amount is pari-mutuel: type its amount on the results once it is published."));
    note->setWordWrap(true);
    layout->addWidget(note);
    m_prizes = grid(page, "PrizeGrid",
                    {QStringLiteral("Main matched"), QStringLiteral("Extra matched"),
                     QStringLiteral("Tier"), QStringLiteral("Amount")});
    layout->addWidget(m_prizes, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = button(page, "AddPrize", QStringLiteral("Add &Row"));
    QPushButton* remove = button(page, "RemovePrize", QStringLiteral("Remove R&ow"));
    QPushButton* preset = button(page, "PresetPrizes", QStringLiteral("Pr&eset"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(preset);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &LTickets::addPrizeClicked);
    connect(remove, &QPushButton::clicked, this, &LTickets::removePrizeClicked);
    connect(preset, &QPushButton::clicked, this, &LTickets::presetClicked);
    connect(m_prizes, &QTableWidget::cellChanged, this, &LTickets::prizeEdited);
    m_tabs->addTab(page, QStringLiteral("Prizes"));
}

void LTickets::buildResultsTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_results = grid(page, "ResultGrid", {});
    layout->addWidget(m_results, 3);
    m_drawTotals = grid(page, "DrawTotalsGrid",
                        {QStringLiteral("Draw"), QStringLiteral("Tickets"), QStringLiteral("Spent"),
                         QStringLiteral("Won")});
    layout->addWidget(m_drawTotals, 2);
    m_totals = Controls::label(page, "TotalsLabel");
    layout->addWidget(m_totals);
    connect(m_results, &QTableWidget::cellChanged, this, &LTickets::resultEdited);
    m_tabs->addTab(page, QStringLiteral("Results"));
}

void LTickets::followStoreShape()
{
    m_state.Tickets.followDraws(m_state.Store.shape(), m_state.Store.Title());
}

void LTickets::showBook()
{
    const TicketBook& book = m_state.Tickets.book();
    QString info = ShapeName(book.shape) + QStringLiteral(": ")
        + countText(book.tickets.size(), "ticket", "tickets");
    if (!m_state.Tickets.fileName().isEmpty())
        info += QStringLiteral(" in ") + m_state.Tickets.fileName();
    if (book.shape != m_state.Store.shape())
        info += QStringLiteral(" (the draws in memory are of ") + ShapeName(m_state.Store.shape())
            + QStringLiteral(": the tickets are not checked)");
    m_bookInfo->setText(info);
    if (m_firstDraw->text().isEmpty())
        m_firstDraw->setText(FormatShortDate(ProposeNewDate(m_state.Store, QDate::currentDate())));

    m_tickets->setRowCount(int(book.tickets.size()));
    for (int t = 0; t < book.tickets.size(); ++t) {
        const Ticket& ticket = book.tickets[t];
        m_tickets->setItem(t, 0, cell(TicketLines::Text(ticket.main, ticket.extra)));
        m_tickets->setItem(t, 1, cell(FormatShortDate(ticket.firstDraw)));
        m_tickets->setItem(t, 2, cell(QString::number(ticket.draws)));
        m_tickets->setItem(t, 3, cell(AmountText(ticket.price)));
    }
}

void LTickets::showPrizes()
{
    const TicketBook& book = m_state.Tickets.book();
    m_filling = true;
    m_prizes->setRowCount(int(book.prizes.rows.size()));
    for (int r = 0; r < book.prizes.rows.size(); ++r) {
        const PrizeRow& row = book.prizes.rows[r];
        m_prizes->setItem(r, 0, cell(QString::number(row.main), true));
        m_prizes->setItem(r, 1, cell(QString::number(row.extra), true));
        m_prizes->setItem(r, 2, cell(row.tier, true));
        m_prizes->setItem(r, 3, cell(row.amount ? AmountText(*row.amount) : QString(), true));
    }
    m_filling = false;
}

void LTickets::ShowResults()
{
    const TicketBook& book = m_state.Tickets.book();
    const bool sameGame = book.shape == m_state.Store.shape();
    m_check = sameGame ? ::CheckTickets(book, m_state.Store)
                       : ::CheckTickets(book, book.shape, DrawRecords());
    const int numbers = book.shape.playedNumbers();
    QStringList headings {QStringLiteral("Ticket"), QStringLiteral("Draw")};
    for (int n = 1; n <= numbers; ++n)
        headings.append(n > book.shape.numbersPerDraw
                            ? QStringLiteral("+%1").arg(n - book.shape.numbersPerDraw)
                            : QString::number(n));
    headings << QStringLiteral("Matched") << QStringLiteral("Prize") << QStringLiteral("Amount");

    m_filling = true;
    m_results->clear();
    m_results->setColumnCount(int(headings.size()));
    m_results->setHorizontalHeaderLabels(headings);
    m_resultRows.clear();
    int rows = 0;
    for (const TicketCheck& ticket : m_check.tickets)
        rows += int(ticket.draws.size()) + (ticket.pending > 0 ? 1 : 0);
    m_results->setRowCount(rows);
    int row = 0;
    const int matchedColumn = ResultFixedColumns + numbers;
    for (int t = 0; t < m_check.tickets.size(); ++t) {
        const Ticket& ticket = book.tickets[t];
        const TicketCheck& result = m_check.tickets[t];
        const auto numberCells = [&](int at, const DrawCheck* draw) {
            const QList<int> all = ticket.main + ticket.extra;
            for (int n = 0; n < all.size(); ++n) {
                QTableWidgetItem* item = cell(QString::number(all[n]));
                const bool extra = n >= ticket.main.size();
                const bool matched = draw
                    && ((extra ? draw->extraMatched : draw->mainMatched).contains(all[n])
                        || (!extra && draw->extraMatched.contains(all[n])));
                if (matched) {
                    item->setBackground(MatchedColour);
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                }
                m_results->setItem(at, ResultFixedColumns + n, item);
            }
        };
        for (int d = 0; d < result.draws.size(); ++d, ++row) {
            const DrawCheck& draw = result.draws[d];
            m_results->setItem(row, 0, cell(QString::number(t + 1)));
            m_results->setItem(row, 1, cell(FormatShortDate(draw.date)));
            numberCells(row, &draw);
            m_results->setItem(row, matchedColumn,
                               cell(MatchText(int(draw.mainMatched.size()),
                                              int(draw.extraMatched.size()), book.shape)));
            QString tier;
            bool typable = false;
            if (draw.won()) {
                const PrizeRow& prize = book.prizes.rows[*draw.prizeRow];
                tier = prize.tier.isEmpty() ? QStringLiteral("won") : prize.tier;
                typable = !prize.amount && !book.isPosted(draw.date);
            }
            m_results->setItem(row, matchedColumn + 1, cell(tier));
            m_results->setItem(row, matchedColumn + 2,
                               cell(draw.amount ? AmountText(*draw.amount) : QString(), typable));
            m_resultRows.append({t, d});
        }
        if (result.pending > 0) {
            m_results->setItem(row, 0, cell(QString::number(t + 1)));
            m_results->setItem(row, 1, cell(QStringLiteral("pending")));
            numberCells(row, nullptr);
            m_results->setItem(row, matchedColumn,
                               cell(countText(result.pending, "draw to come", "draws to come")));
            m_resultRows.append({t, -1});
            ++row;
        }
    }
    m_filling = false;

    m_drawTotals->setRowCount(int(m_check.draws.size()));
    for (int d = 0; d < m_check.draws.size(); ++d) {
        const DrawTotal& draw = m_check.draws[d];
        m_drawTotals->setItem(d, 0, cell(FormatShortDate(draw.date)));
        m_drawTotals->setItem(d, 1, cell(QString::number(draw.tickets)));
        m_drawTotals->setItem(d, 2, cell(AmountText(draw.spent)));
        m_drawTotals->setItem(
            d, 3,
            cell(AmountText(draw.won)
                 + (draw.awaiting > 0 ? QStringLiteral(" + to come") : QString())));
    }
    const CheckTotals& totals = m_check.totals;
    QString text
        = QStringLiteral("Spent %1   Won %2   Net %3")
              .arg(AmountText(totals.spent), AmountText(totals.won), AmountText(totals.net()));
    if (totals.pending > 0)
        text += QStringLiteral("   Pending: %1 (%2)")
                    .arg(countText(totals.pending, "draw", "draws"),
                         AmountText(totals.pendingSpent));
    m_totals->setText(text);
}

void LTickets::refuse(const QString& text)
{
    m_services.messages.inform(HelpTitle, text);
}

bool LTickets::addLines(const QString& text)
{
    const TicketBook& book = m_state.Tickets.book();
    const QDate first = ParseUserDate(m_firstDraw->text(), QDate::currentDate());
    bool drawsRead = false;
    const int draws = m_draws->text().trimmed().toInt(&drawsRead);
    const std::optional<long long> price = ParseAmount(m_price->text());
    if (!first.isValid()) {
        refuse(QStringLiteral(" The first draw must be a date, such as ")
               + FormatShortDate(QDate::currentDate()) + u'.');
        return false;
    }
    if (!drawsRead || draws < 1 || draws > Ticket::MaxDraws) {
        refuse(QStringLiteral(" The draws played must be from 1 to %1.").arg(Ticket::MaxDraws));
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
    if (!m_state.Tickets.change([&](TicketBook& changed) {
            return changed.addTickets(main, extra, first, draws, *price);
        })) {
        refuse(QStringLiteral(" The book holds at most %1 tickets.").arg(TicketBook::MaxTickets));
        return false;
    }
    showBook();
    ShowResults();
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
    if (rows.isEmpty() && m_tickets->currentRow() >= 0)
        rows.append(m_tickets->currentRow());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    const bool removed = m_state.Tickets.change([&rows](TicketBook& book) {
        bool any = false;
        for (const int r : rows)
            if (r < book.tickets.size()) {
                book.tickets.removeAt(r);
                any = true;
            }
        return any;
    });
    if (!removed)
        return;
    showBook();
    ShowResults();
}

void LTickets::prizeEdited(int row, int column)
{
    const TicketBook& book = m_state.Tickets.book();
    if (m_filling || row >= book.prizes.rows.size())
        return;
    PrizeRow edited = book.prizes.rows[row];
    const QString text = m_prizes->item(row, column)->text();
    bool read = true;
    if (column == 0)
        edited.main = text.trimmed().toInt(&read);
    else if (column == 1)
        edited.extra = text.trimmed().toInt(&read);
    else if (column == 2)
        edited.tier = CleanTierName(text);
    else if (text.trimmed().isEmpty())
        edited.amount.reset();
    else
        read = (edited.amount = ParseAmount(text)).has_value();
    const QString wrong = read
        ? book.prizes.check(edited, book.shape, row)
        : QStringLiteral("Type a whole number of matches, or an amount such as 2.50.");
    if (!wrong.isEmpty()) {
        showPrizes();
        refuse(u' ' + wrong);
        return;
    }
    m_state.Tickets.change([&](TicketBook& changed) {
        changed.prizes.rows[row] = edited;
        return true;
    });
    showPrizes();
    ShowResults();
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
                showPrizes();
                ShowResults();
                m_prizes->setCurrentCell(int(book.prizes.rows.size()) - 1, 0);
                return;
            }
    refuse(QStringLiteral(" Every match has a prize already."));
}

void LTickets::removePrizeClicked()
{
    const int row = m_prizes->currentRow();
    if (!m_state.Tickets.change([row](TicketBook& book) {
            if (row < 0 || row >= book.prizes.rows.size())
                return false;
            book.prizes.rows.removeAt(row);
            return true;
        }))
        return;
    showPrizes();
    ShowResults();
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
    showPrizes();
    ShowResults();
}

void LTickets::resultEdited(int row, int column)
{
    const TicketBook& book = m_state.Tickets.book();
    if (m_filling || row >= m_resultRows.size() || column != m_results->columnCount() - 1)
        return;
    const auto [t, d] = m_resultRows[row];
    if (d < 0)
        return;
    const DrawCheck& draw = m_check.tickets[t].draws[d];
    if (!draw.prizeRow)
        return;
    const QString tier = book.prizes.rows[*draw.prizeRow].tier;
    const QString text = m_results->item(row, column)->text();
    std::optional<long long> amount;
    if (!text.trimmed().isEmpty()) {
        amount = ParseAmount(text);
        if (!amount || *amount < 0) {
            QTimer::singleShot(0, this, &LTickets::ShowResults);
            return refuse(QStringLiteral(" The amount must be such as 1250.00."));
        }
    }
    const QDate date = draw.date;
    m_state.Tickets.change([&](TicketBook& changed) {
        if (amount)
            changed.published[{date, tier}] = *amount;
        else
            changed.published.erase({date, tier});
        return true;
    });
    // The grid is rebuilt once the edit has ended.
    QTimer::singleShot(0, this, &LTickets::ShowResults);
}

void LTickets::postClicked()
{
    ShowResults();
    if (m_state.Tickets.book().shape != m_state.Store.shape())
        return refuse(QStringLiteral(
            " The tickets are of another game than the draws in memory: nothing was posted."));
    const PostResult result = m_state.Tickets.post(m_check, m_state.Tracker);
    ShowResults();
    refuse(u' ' + result.message);
}

void LTickets::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    const int linesPerPage = LinesPerPageFor(m_services.printer.pageMetrics());
    SendPrintout(m_services, TicketsPrintout(m_state.Tickets.book(), m_check, linesPerPage));
}

void LTickets::openClicked()
{
    if (!MayDropDocuments({&m_state.Tickets}, m_services.messages))
        return;
    if (m_services.files.open(m_state.Tickets) != FileFlow::Opened::Read)
        return;
    showBook();
    showPrizes();
    ShowResults();
}

void LTickets::OpenTicketBook(const QString& path)
{
    if (!m_services.files.open(m_state.Tickets, path))
        return;
    showBook();
    showPrizes();
    ShowResults();
}

void LTickets::saveClicked()
{
    const QString name = m_state.Tickets.fileName().isEmpty() ? TicketBookDocument::DefaultFileName
                                                              : m_state.Tickets.fileName();
    const std::optional<FileChoice> choice
        = m_services.files.choose(FileKind::Tickets, Direction::Save, name);
    if (!choice || !m_services.files.save(m_state.Tickets, choice->path))
        return;
    showBook();
}

bool LTickets::mayLeave()
{
    // The book stays in memory with the program; it is asked about only when the program ends.
    return true;
}
