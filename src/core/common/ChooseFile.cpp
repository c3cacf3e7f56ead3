// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ChooseFile.h"

#include <QFileInfo>

#include <array>

const QString LoadingErrorTitle = QStringLiteral("Loading Error");
const QString SavingErrorTitle = QStringLiteral("Saving Error");

const FileKindInfo& FileKindInfoOf(FileKind kind)
{
    const auto format = [](const char* filter, const char* suffix, FileKind writes) {
        return SaveFormat {{QString::fromLatin1(filter), QString::fromLatin1(suffix)}, writes};
    };
    // In the order of FileKind.
    static const std::array<FileKindInfo, 8> kinds {{
        {QStringLiteral("Directories - Folders"),
         QStringLiteral("Lottery Winning Numbers Database (*.lto)"),
         {format("Lottery Winning Numbers Database (*.lto)", "lto", FileKind::Draws),
          format("Export Draws as CSV (*.csv)", "csv", FileKind::Csv)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTO")},
        // The tracker's error has always named this example; users know it.
        {QStringLiteral("Directories - Folders"),
         QStringLiteral("Investment Tracker Databases (*.inv)"),
         {format("Investment Tracker Databases (*.inv)", "inv", FileKind::Tracker)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX")},
        {QStringLiteral("Import Draw History"),
         QStringLiteral("Draw histories (*.csv *.txt *.tsv);;All files (*)"),
         {},
         QString()},
        {QStringLiteral("Save as CSV"),
         QStringLiteral("CSV files (*.csv)"),
         {format("CSV files (*.csv)", "csv", FileKind::Csv)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.CSV")},
        {QStringLiteral("Save Image As"),
         QStringLiteral("PNG images (*.png);;SVG images (*.svg)"),
         {format("PNG images (*.png)", "png", FileKind::Chart),
          format("SVG images (*.svg)", "svg", FileKind::Chart)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.PNG")},
        {QStringLiteral("No printer is available: save the printout as PDF"),
         QStringLiteral("PDF documents (*.pdf)"),
         {format("PDF documents (*.pdf)", "pdf", FileKind::Pdf)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.PDF")},
        {QStringLiteral("My Tickets"),
         QStringLiteral("Numerion Ticket Books (*.ltk)"),
         {format("Numerion Ticket Books (*.ltk)", "ltk", FileKind::Tickets)},
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTK")},
        {QStringLiteral("Import Tickets"),
         QStringLiteral("Ticket lists (*.csv *.txt);;All files (*)"),
         {},
         QString()},
    }};
    return kinds.at(std::size_t(kind));
}

std::optional<FileChoice> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                     const QString& proposed)
{
    const FileKindInfo& info = FileKindInfoOf(kind);
    if (direction == Direction::Open) {
        const QString path = dialogs.openFileName(info.title, proposed, info.filter);
        if (path.isEmpty())
            return std::nullopt;
        return FileChoice {QFileInfo(path).absoluteFilePath(), kind};
    }
    QList<SaveFilter> filters;
    for (const SaveFormat& format : info.saveFormats)
        filters.append(format.filter);
    int chosen = 0;
    QString path = dialogs.saveFileName(info.title, proposed, filters, chosen);
    if (path.isEmpty())
        return std::nullopt;
    const SaveFormat& format = info.saveFormats.value(chosen, info.saveFormats.value(0));
    // A dialog of the desktop may leave the suffix to the program.
    if (!format.filter.suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + format.filter.suffix;
    return FileChoice {QFileInfo(path).absoluteFilePath(), format.writes};
}

namespace {

QString withReason(QString text, const QString& reason)
{
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

} // namespace

QString LoadingErrorText(const QString& reason)
{
    return withReason(
        QStringLiteral("File not found or wrong format. Check Filename and/or Directory."), reason);
}

QString SavingErrorText(FileKind kind, const QString& reason)
{
    return withReason(FileKindInfoOf(kind).savingError, reason);
}
