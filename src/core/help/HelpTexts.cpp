// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "HelpTexts.h"

#include <QStringList>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Every paragraph is followed by an empty line; the end marker closes the text.
QString layout(const QString& title, const QStringList& paragraphs, const QString& end)
{
    QString text = title;
    for (const QString& paragraph : paragraphs)
        text += paragraph + LineBreak + LineBreak;
    return text + end;
}

} // namespace

QString HelpTexts::radoDIdorur()
{
    return layout(
        QString(50, u' ') + QStringLiteral("How to use Rado-d-Idorur") + LineBreak + LineBreak,
        {
            QStringLiteral(
                "Pre-programmed on startup for the 6/49 Lottery. If a database is loaded, its settings will take effect."),
            QStringLiteral(
                "Can be tailored to any lottery by changing the numbers in the first two yellow input boxes."),
            QStringLiteral(
                "Simply click on a box and type in the numbers pertaining to your lottery and then press the <Enter> key."),
            QStringLiteral(
                "In the first box type in the number of picks allowed in this lottery then press the <Enter> key."),
            QStringLiteral(
                "In the second box type the highest number in the lottery selection then press the <Enter> key."),
            QStringLiteral(
                "In the third box type in how many entries you wish to play in this lottery then press the <Enter> key."),
            QStringLiteral(
                "With the Full Range of Numbers in Lottery option button checked, click on the 'Calculate' button to display the computer generated random results."),
            QStringLiteral(
                "From a Database with data of winning sets, random picks can be made. Using 6/49 as an example:"),
            QStringLiteral(
                "Numbers in the database are first sorted from highest to lowest number of times they have been drawn."),
            QStringLiteral(
                "Top Third of Numbers in Database option checked, Calculate will randomly pick 6 numbers from the top 16."),
            QStringLiteral(
                "Middle Third of Numbers in Database option checked, Calculate picks 6 numbers from the next 16."),
            QStringLiteral(
                "Bottom Third of Numbers in Database option checked, Calculate picks 6 numbers from the last 17."),
            QStringLiteral(
                "If all numbers from 1 to 49 are not represented a 'Not enough data' message results. Best with lots of Data."),
            QStringLiteral(
                "Click 'To Printer' for a printout of the sets. Click 'Clear All' to clear results."),
            QStringLiteral(
                "To use with 3 highest scoring numbers from previous draws, change first input box to the number of picks required to complete the set."),
        },
        QString(70, u' ') + QStringLiteral("End"));
}

QString HelpTexts::database()
{
    // The last paragraph is followed by a single line break before the end marker.
    QString text = layout(
        QStringLiteral("  Start a new File  (more..PgDn)") + LineBreak + LineBreak,
        {
            QStringLiteral("Input boxes are yellow."),
            QStringLiteral("In Title box type the lottery name."),
            QStringLiteral(
                "Type over the pre-programmed 6 and 49 numbers with those of your lottery if it is different."),
            QStringLiteral("Input of records in the Database takes place in row beside 'New'."),
            QStringLiteral(
                "Type in starting date, press <Enter> to move to next column. Type in numbers until all are filled."),
            QStringLiteral(
                "Click 'Add Record' button, record will be moved to the Database and numbers counted."),
            QStringLiteral("New date auto generated 7 days after date in previous record."),
            QStringLiteral("If the draw is other than weekly, type the date of each draw."),
            QStringLiteral("Click 'Show Graph' for charts with numbers sorted and normal."),
            QStringLiteral("Click 'Delete All' to delete database file from memory."),
            QStringLiteral(
                "Click 'Correct Record', enter the record number, will be shown in 'New', change, click Add Record'."),
            QStringLiteral(
                "How many times a number appears in Database will show under its number in 'Distribution of Numbers in Database' grid."),
            QStringLiteral(
                "To save your database file return to main menu and click on 'Save File to Disk'."),
            QStringLiteral(
                "Load the Sample.LTO file with 'Open a File from Disk' and try out all the features."),
        },
        QString());
    return text + QStringLiteral("For more detailed information press F1.") + LineBreak
        + QStringLiteral("                 End");
}

QString HelpTexts::tracker()
{
    return layout(
        QString(),
        {
            QStringLiteral(
                "Load Sample.INV to try out the various features. Click the Open File button to load it from disk."),
            QStringLiteral(
                "To start new file, click on the spreadsheet, choose cell by clicking on it or use arrow keys. Selected Cell will show dotted line around it, type in your data. Delete an entry with the Backspace key."),
            QStringLiteral(
                "Type a description in the first column and values in the second column. I use a negative amount for tickets bought and a positive amount for Winnings. If Total shows a positive amount it means I am ahead."),
            QStringLiteral(
                "Enter the exact words Sub Total in first column, nothing in second column, at the end of each group where you want it to appear. The Sub Total amount will the sum of all amounts between the previous Sub Total if one exists."),
            QStringLiteral(
                "Empty rows are not allowed, for a blank row enter a space in column one. (It's no longer empty). To remove a row, delete all entries in that row then Calculate."),
            QStringLiteral(
                "Column two will only accept figures, the minus sign and the period key as the decimal separator. Description or Values can be changed at any time."),
            QStringLiteral(
                "To insert a row, click the row where it is required then the Insert Blank Line button, type in the row number shown in the Dialog box then OK."),
            QStringLiteral(
                "You must Calculate after any changes, to reformat the spreadsheet and update the Total."),
            QStringLiteral(
                "To save the file to disk, click Save File button and give the file a name."),
        },
        QString(70, u' ') + QStringLiteral("End"));
}
