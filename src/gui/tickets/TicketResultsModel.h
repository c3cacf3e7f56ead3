// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/ResultRows.h"
#include "core/tickets/TicketCheck.h"

#include <QAbstractTableModel>

class DrawStore;
class TicketBookDocument;

// Every ticket of the book checked against the draws in memory: a row per ticket and draw, and
// one for each ticket's draws to come. The check is made again whenever the book or the draws
// change; a cell is formatted only when it is shown. The amount of a pari-mutuel win not posted
// yet is typed into its cell; a refused amount leaves the old one and `refused` says why.
class TicketResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TicketResultsModel(TicketBookDocument& book, const DrawStore& store, QObject* parent = nullptr);

    // The check shown, made again first if a change is still waiting.
    const BookCheck& check();
    // The check the grid shows now.
    const BookCheck& shown() const { return m_check; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // The check was made again: totals shown beside it follow.
    void checked();
    // Connect it queued: the message waits until the editor has closed.
    void refused(const QString& text);

private:
    void recheck();
    int numbersColumn(int column) const; // the number's place on the ticket, or -1
    bool typable(int row) const;

    TicketBookDocument& m_book;
    const DrawStore& m_store;
    BookCheck m_check;
    ResultRows m_rows;
    int m_numbers = 0; // the numbers a ticket holds
    bool m_taking = false; // a typed amount is being written to the book
    bool m_waiting = false; // a check waits until the typed amount's editor has closed
};
