// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

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

// What the file dialogs of a kind show and what a name chosen for it gets.
struct FileKindInfo {
    QString title;
    QString filter; // in Qt's form, such as "PDF documents (*.pdf)"
    QString defaultSuffix; // added to a name saved without one
    QString savingError; // the text of the message a failed save shows
    QString alsoSavedAs; // a filter only the save dialog offers besides `filter`, or empty
};
const FileKindInfo& FileKindInfoOf(FileKind kind);

// Every file the user chooses comes through here: the open or save dialog of the kind, starting
// at `proposed` (a folder, and the name of the file in use). The chosen file's absolute path, a
// name saved without a suffix getting the kind's, or nothing when the user cancelled.
std::optional<QString> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                  const QString& proposed);

// The one wording of failures, whatever the kind: the title and text of the message, followed by
// the system's reason on a line of its own when there is one.
extern const QString LoadingErrorTitle;
extern const QString SavingErrorTitle;
QString LoadingErrorText(const QString& reason);
QString SavingErrorText(FileKind kind, const QString& reason);
