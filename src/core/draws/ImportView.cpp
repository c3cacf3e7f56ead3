// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ImportView.h"

#include "core/common/FileFields.h"
#include "core/common/RegularFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>

namespace ImportView {

namespace {

// A record as the merge tells draws apart: its day and its numbers.
using DrawKey = std::pair<qint64, std::array<std::int16_t, LotteryShape::MaxDrawnNumbers>>;

DrawKey keyOf(const DrawRecords& records, int record)
{
    DrawKey key {records.date(record).toJulianDay(), {}};
    const auto numbers = records.numbers(record);
    std::copy_n(numbers.begin(), std::min(numbers.size(), key.second.size()), key.second.begin());
    return key;
}

} // namespace

std::optional<QByteArray> ReadHistoryFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!OpenRegularFile(file)) {
        if (error)
            *error = UnopenedReason(path);
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = ReadFileBytes(file, DrawHistoryImport::MaxBytes);
    if (!bytes && error)
        *error = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("The file is larger than 64 MB: it is no draw history.");
    return bytes;
}

QStringList SkippedLineTexts(const DrawHistoryImport& import)
{
    QStringList texts;
    for (const DrawHistoryImport::SkippedLine& skipped : import.skippedLines())
        texts.append(QStringLiteral("line %1: %2: %3")
                         .arg(skipped.line)
                         .arg(import.reasonText(skipped), skipped.text));
    return texts;
}

QList<QStringList> PreviewRows(const DrawHistoryImport& import, int count, int newest)
{
    const std::vector<DrawHistoryImport::Draw>& draws = import.draws();
    const std::size_t first
        = newest > 0 ? draws.size() - std::min(std::size_t(newest), draws.size()) : 0;
    const int drawn = import.shape().drawnNumbers();
    DrawRecords records(std::max(int(DrawRecords::ClassicFields), drawn));
    for (std::size_t i = first; i < draws.size() && records.size() < count; ++i)
        records.append(draws[i].date(), draws[i].numbers);
    QList<QStringList> rows;
    for (int record = 1; record <= std::min(records.size(), count); ++record)
        rows.append(DatabaseView::RecordRowTexts(records, drawn, record));
    return rows;
}

QString DefaultTitle(const QString& path)
{
    return FileSafeText(QFileInfo(path).completeBaseName()).left(DrawFile::MaxTitleLength);
}

QString DrawFileName(const QString& path)
{
    return QFileInfo(path).completeBaseName() + QStringLiteral(".lto");
}

std::optional<DateOrderExample> FindDateOrderExample(const QByteArray& bytes,
                                                     DrawHistoryImport::Shape shape,
                                                     const QDate& today,
                                                     const DrawHistoryImport::Columns& columns)
{
    using Order = DrawHistoryImport::DateOrder;
    const DrawHistoryImport dayFirst(bytes, shape, today, Order::DayMonth, columns);
    const DrawHistoryImport monthFirst(bytes, shape, today, Order::MonthDay, columns);
    QHash<int, QDate> monthFirstDates;
    for (const DrawHistoryImport::Draw& draw : monthFirst.draws())
        monthFirstDates.insert(draw.line, draw.date());
    std::optional<DateOrderExample> first;
    for (const DrawHistoryImport::Draw& draw : dayFirst.draws()) {
        const QDate other = monthFirstDates.value(draw.line);
        if (other.isValid() && other != draw.date() && (!first || draw.line < first->line))
            first = DateOrderExample {draw.line, draw.date(), other};
    }
    return first;
}

QString DateOrderQuestion(const DateOrderExample& example)
{
    // Spelt out, so that the question cannot be read in two ways itself.
    const QLocale english(QLocale::English);
    const QString form = QStringLiteral("d MMMM yyyy");
    return QStringLiteral(
               " The dates in this file can be read day first or month first. Is the draw on line %1 from %2? (No: from %3.)")
        .arg(example.line)
        .arg(english.toString(example.dayFirst, form), english.toString(example.monthFirst, form));
}

Plan PlanImport(const DrawStore& store, const DrawHistoryImport& import, Mode mode, int newest)
{
    Plan plan;
    plan.refusal = import.refusal();
    if (plan.refusal.isEmpty() && mode == Mode::Add)
        plan.refusal = import.mergeRefusal(store);
    if (!plan.refusal.isEmpty())
        return plan;
    // Replacing is adding to nothing.
    DrawHistoryImport::Merged merged
        = import.mergedWith(mode == Mode::Add ? store.records() : DrawRecords(), newest);
    plan.records = std::move(merged.records);
    plan.added = merged.added;
    plan.duplicates = merged.duplicates;
    plan.conflicts = std::move(merged.conflicts);
    plan.leftOut = merged.leftOut;
    plan.excess = std::max(0, plan.records.size() - DrawStore::MaxRecords);
    if (import.draws().empty())
        plan.refusal = QStringLiteral("No draws were found to import.");
    return plan;
}

void KeepNewestThatFit(Plan& plan, const DrawRecords& inMemory)
{
    if (plan.excess <= 0)
        return;
    DrawRecords kept;
    kept.reserve(DrawStore::MaxRecords);
    for (int record = plan.excess + 1; record <= plan.records.size(); ++record)
        kept.append(plan.records.date(record), plan.records.numbers(record));
    // A draw in memory goes unless the kept records hold it, as often as memory does.
    const auto sortedKeys = [](const DrawRecords& records) {
        std::vector<DrawKey> keys;
        keys.reserve(std::size_t(records.size()));
        for (int record = 1; record <= records.size(); ++record)
            keys.push_back(keyOf(records, record));
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    const std::vector<DrawKey> keptKeys = sortedKeys(kept);
    const std::vector<DrawKey> memoryKeys = sortedKeys(inMemory);
    plan.dropsDrawsInMemory
        = !std::includes(keptKeys.begin(), keptKeys.end(), memoryKeys.begin(), memoryKeys.end());
    plan.records = std::move(kept);
    plan.excess = 0;
}

QString TooManyQuestion(const Plan& plan)
{
    return QStringLiteral(
               " The database would hold %1 draws, more than the %2 it can hold. Keep only the newest %2 and drop the %3 oldest?")
        .arg(QString::number(plan.records.size()), QString::number(DrawStore::MaxRecords),
             QString::number(plan.excess));
}

QStringList SummaryLines(const DrawHistoryImport& import, const Plan& plan)
{
    if (!import.refusal().isEmpty())
        return {import.refusal()};
    QStringList lines {
        CountText(qsizetype(import.draws().size()), "draw found", "draws found")
            + QStringLiteral(", ")
            + CountText(qsizetype(import.skippedLines().size()), "line skipped", "lines skipped"),
        QString::number(plan.added) + QStringLiteral(" to add, ")
            + CountText(plan.duplicates, "duplicate", "duplicates") + QStringLiteral(", ")
            + CountText(qsizetype(plan.conflicts.size()), "conflict", "conflicts")};
    if (plan.leftOut > 0)
        lines.append(CountText(plan.leftOut, "older draw left out", "older draws left out"));
    if (plan.excess > 0)
        lines.append(
            QStringLiteral("%1 draws in all: more than the %2 that fit")
                .arg(QString::number(plan.records.size()), QString::number(DrawStore::MaxRecords)));
    return lines;
}

QStringList ConflictTexts(const Plan& plan, int numbersPerDraw)
{
    return ConflictTexts(plan, LotteryShape {numbersPerDraw, LotteryShape::MaxHighestNumber});
}

QStringList ConflictTexts(const Plan& plan, const LotteryShape& shape)
{
    // The extra numbers after a plus, as the shape's name writes them.
    const auto numbersText = [&shape](const auto& numbers) {
        QStringList texts;
        for (int i = 0; i < shape.drawnNumbers(); ++i)
            texts.append((i == shape.numbersPerDraw ? QStringLiteral("+ ") : QString())
                         + QString::number(numbers[std::size_t(i)]));
        return texts.join(u' ');
    };
    QStringList texts;
    for (const DrawHistoryImport::Conflict& conflict : plan.conflicts)
        texts.append(
            QStringLiteral("line %1: conflict: the database holds %3 on %2, the history %4")
                .arg(QString::number(conflict.line), conflict.date.toString(Qt::ISODate),
                     numbersText(conflict.stored), numbersText(conflict.imported)));
    return texts;
}

QString WrittenLine(const Plan& plan, int skipped, const QString& output)
{
    // One arg() for all: a name holding "%3" must not take the place of the next value.
    QString line
        = QStringLiteral(
              "%1 draws written to %2: %3 added, %4 duplicates, %5 conflicts, %6 lines skipped")
              .arg(QString::number(plan.records.size()), output, QString::number(plan.added),
                   QString::number(plan.duplicates), QString::number(plan.conflicts.size()),
                   QString::number(skipped));
    if (plan.leftOut > 0)
        line += QStringLiteral(", %1 older draws left out").arg(plan.leftOut);
    return line + u'\n';
}

void Apply(DrawStore& store, Plan plan, DrawHistoryImport::Shape shape, const QString& title)
{
    store.Load(shape, title.left(DrawFile::MaxTitleLength), std::move(plan.records));
}

} // namespace ImportView
