// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketResultsModel.h"

#include "core/common/TextFormat.h"
#include "core/draws/DrawStore.h"
#include "core/tickets/BookEdits.h"
#include "core/tickets/TicketBookDocument.h"
#include "core/tickets/TicketsPrintout.h"
#include "gui/common/Colours.h"

#include <QBrush>
#include <QFont>
#include <QTimer>

namespace {

constexpr int FixedColumns = 2; // the ticket and the draw; the numbers follow
constexpr int TailColumns = 3; // matched, prize, amount

} // namespace

TicketResultsModel::TicketResultsModel(TicketBookDocument& book, const DrawStore& store,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_book(book), m_store(store)
{
    connect(&book, &TicketBookDocument::contentChanged, this, [this] {
        // The grid is not rebuilt under the editor of the amount being taken.
        if (!m_taking)
            return recheck();
        m_waiting = true;
        QTimer::singleShot(0, this, [this] {
            if (m_waiting)
                recheck();
        });
    });
    connect(&store, &DrawStore::recordAppended, this, &TicketResultsModel::recheck);
    connect(&store, &DrawStore::recordReplaced, this, &TicketResultsModel::recheck);
    connect(&store, &DrawStore::storeReset, this, &TicketResultsModel::recheck);
    connect(&store, &DrawStore::shapeChanged, this, &TicketResultsModel::recheck);
    recheck();
}

void TicketResultsModel::recheck()
{
    beginResetModel();
    m_waiting = false;
    const TicketBook& book = m_book.book();
    // Tickets of another game than the draws in memory are not checked.
    m_check = book.shape == m_store.shape() ? CheckTickets(book, m_store)
                                            : CheckTickets(book, book.shape, DrawRecords());
    m_rows = ResultRows(m_check);
    m_numbers = book.shape.playedNumbers();
    endResetModel();
    Q_EMIT checked();
}

const BookCheck& TicketResultsModel::check()
{
    if (m_waiting)
        recheck();
    return m_check;
}

int TicketResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int TicketResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FixedColumns + m_numbers + TailColumns;
}

int TicketResultsModel::numbersColumn(int column) const
{
    const int n = column - FixedColumns;
    return n >= 0 && n < m_numbers ? n : -1;
}

QVariant TicketResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ResultRows::Row at = m_rows.at(index.row());
    const TicketBook& book = m_book.book();
    const Ticket& ticket = book.tickets[at.ticket];
    const TicketCheck& result = m_check.tickets[at.ticket];
    const DrawCheck* draw = at.draw >= 0 ? &result.draws[at.draw] : nullptr;
    const int column = index.column();
    const int n = numbersColumn(column);
    if (n >= 0) {
        const NumberMatch match = draw ? MatchOf(ticket, *draw, n) : NumberMatch::None;
        switch (role) {
        case Qt::DisplayRole:
            return n < ticket.main.size() ? ticket.main[n] : ticket.extra[n - ticket.main.size()];
        case Qt::BackgroundRole:
        case Qt::ForegroundRole:
            if (match == NumberMatch::None)
                return {};
            return Colours::cellRole(match == NumberMatch::Main ? Colours::MatchedNumber
                                                                : Colours::ExtraMatchedNumber,
                                     role);
        case Qt::FontRole:
            if (match != NumberMatch::None) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int tail = column - FixedColumns - m_numbers;
    if (column == 0)
        return at.ticket + 1;
    if (column == 1)
        return draw ? FormatShortDate(draw->date) : QStringLiteral("pending");
    if (!draw)
        return tail == 0 ? CountText(result.pending, "draw to come", "draws to come") : QString();
    if (tail == 0)
        return MatchText(int(draw->mainMatched.size()), int(draw->extraMatched.size()), book.shape);
    if (tail == 1) {
        if (!draw->won())
            return QString();
        const QString& tier = book.prizes.rows[*draw->prizeRow].tier;
        return tier.isEmpty() ? QStringLiteral("won") : tier;
    }
    return draw->amount ? AmountText(*draw->amount) : QString();
}

QVariant TicketResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section == 0)
        return QStringLiteral("Ticket");
    if (section == 1)
        return QStringLiteral("Draw");
    if (const int n = numbersColumn(section); n >= 0) {
        const int perDraw = m_book.book().shape.numbersPerDraw;
        return n < perDraw ? QString::number(n + 1) : QStringLiteral("+%1").arg(n + 1 - perDraw);
    }
    static const QString tail[]
        = {QStringLiteral("Matched"), QStringLiteral("Prize"), QStringLiteral("Amount")};
    const int t = section - FixedColumns - m_numbers;
    return t >= 0 && t < TailColumns ? tail[t] : QString();
}

bool TicketResultsModel::typable(int row) const
{
    const ResultRows::Row at = m_rows.at(row);
    if (at.draw < 0)
        return false;
    const DrawCheck& draw = m_check.tickets[at.ticket].draws[at.draw];
    if (!draw.won())
        return false;
    const TicketBook& book = m_book.book();
    return !book.prizes.rows[*draw.prizeRow].amount && !book.isPosted(draw.date);
}

Qt::ItemFlags TicketResultsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (checkIndex(index, CheckIndexOption::IndexIsValid) && index.column() == columnCount() - 1
        && typable(index.row()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TicketResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const BookEdits::AmountEdit edit = BookEdits::PublishedAmount(value.toString());
    if (!edit.refusal.isEmpty()) {
        Q_EMIT refused(u' ' + edit.refusal);
        return false;
    }
    const ResultRows::Row at = m_rows.at(index.row());
    const DrawCheck& draw = m_check.tickets[at.ticket].draws[at.draw];
    const QDate date = draw.date;
    const QString tier = m_book.book().prizes.rows[*draw.prizeRow].tier;
    if (edit.amount == draw.amount)
        return true;
    m_taking = true;
    m_book.change([&](TicketBook& book) {
        if (edit.amount)
            book.published[{date, tier}] = *edit.amount;
        else
            book.published.erase({date, tier});
        return true;
    });
    m_taking = false;
    return true;
}
