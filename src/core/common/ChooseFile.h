// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/FileDialogs.h"

#include <QList>
#include <QString>

#include <optional>

class FileDialogs;

// Every kind of file the user chooses in a file dialog.
enum class FileKind {
    Draws, // draw files (.lto): DrawFile::Read and DrawFile::Write
    Tracker, // tracker files (.inv): TrackerFile::Read and TrackerFile::Write
    History, // draw histories to import, read by ImportView::ReadHistoryFile
    Csv, // tables saved as CSV, such as NumberStatsCsv
    Chart, // a chart as a PNG or SVG picture: BarChartImage, BarChartSvg
    Pdf, // a printout written as PDF when there is no printer: PrinterPort
    Tickets, // ticket books (.ltk): TicketBookFile::Read and TicketBookFile::Write
    TicketList, // tickets to add, one a line, read by TicketLines::Parse
};
enum class Direction { Open, Save };

// A way a kind's save dialog offers to write the file: its filter and suffix, and the kind of
// file written (draws may be exported as CSV from their own dialog).
struct SaveFormat {
    SaveFilter filter;
    FileKind writes;
};

// What the file dialogs of a kind show and what a name chosen for it gets. The documents' kinds
// are read and written by their documents (Document::load and Document::save), the others by the
// code that offers them; every reader and writer gives its reason when it fails.
struct FileKindInfo {
    QString title;
    QString filter; // the open dialog's, in Qt's form, such as "PDF documents (*.pdf)"
    QList<SaveFormat> saveFormats; // what the save dialog offers, the kind's own first
    QString savingError; // the text of the message a failed save shows
};
const FileKindInfo& FileKindInfoOf(FileKind kind);

// The file the user chose and the kind of file to read or write there.
struct FileChoice {
    QString path; // absolute
    FileKind kind;
};

// Every file the user chooses comes through here: the open or save dialog of the kind, starting
// at `proposed` (a folder, and the name of the file in use). The chosen file's absolute path (a
// name saved without a suffix gets the chosen filter's) and the kind the user chose, or nothing
// when the user cancelled.
std::optional<FileChoice> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                     const QString& proposed);

// The one wording of failures, whatever the kind: the title and text of the message, followed by
// the system's reason on a line of its own when there is one.
extern const QString LoadingErrorTitle;
extern const QString SavingErrorTitle;
QString LoadingErrorText(const QString& reason);
QString SavingErrorText(FileKind kind, const QString& reason);
