#include "ImportView.h"

#include "core/common/RegularFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace ImportView {

namespace {

QString counted(qsizetype count, const char* one, const char* many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

// A record as the merge tells draws apart: its day and its numbers.
using DrawKey = std::pair<qint64, std::array<std::int16_t, DrawRecords::ClassicFields>>;

DrawKey keyOf(const DrawRecords& records, int record)
{
    DrawKey key {records.date(record).toJulianDay(), {}};
    std::ranges::copy(records.numbers(record), key.second.begin());
    return key;
}

// Why a file could not be opened for reading, in the system's words where they fit.
QString unopenedReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("No such file or directory");
    if (info.isDir())
        return QStringLiteral("Is a directory");
    if (!info.isFile())
        return QStringLiteral("Not a regular file");
    if (!info.isReadable())
        return QStringLiteral("Permission denied");
    return QStringLiteral("The file cannot be read");
}

} // namespace

std::optional<QByteArray> ReadHistoryFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!OpenRegularFile(file)) {
        if (error)
            *error = unopenedReason(path);
        return std::nullopt;
    }
    // One byte more than the import takes is enough for it to refuse the file.
    QByteArray bytes = file.read(DrawHistoryImport::MaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

QStringList SummaryLines(const DrawHistoryImport& import)
{
    if (!import.refusal().isEmpty())
        return {import.refusal()};
    QStringList lines {
        counted(qsizetype(import.draws().size()), "draw found", "draws found"),
        counted(qsizetype(import.skippedLines().size()), "line skipped", "lines skipped"),
        counted(import.leftOut(), "draw left out", "draws left out")};
    if (import.duplicates() > 0)
        lines.append(counted(import.duplicates(), "duplicate dropped", "duplicates dropped"));
    return lines;
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

QList<QStringList> PreviewRows(const DrawHistoryImport& import, int count)
{
    DrawRecords records;
    for (const DrawHistoryImport::Draw& draw : import.draws()) {
        if (records.size() >= count)
            break;
        records.append(draw.date, draw.numbers);
    }
    QList<QStringList> rows;
    for (int record = 1; record <= std::min(records.size(), count); ++record)
        rows.append(DatabaseView::RecordRowTexts(records, import.shape().numbersPerDraw, record));
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
        monthFirstDates.insert(draw.line, draw.date);
    std::optional<DateOrderExample> first;
    for (const DrawHistoryImport::Draw& draw : dayFirst.draws()) {
        const QDate other = monthFirstDates.value(draw.line);
        if (other.isValid() && other != draw.date && (!first || draw.line < first->line))
            first = DateOrderExample {draw.line, draw.date, other};
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

Plan PlanImport(const DrawStore& store, const DrawHistoryImport& import, Mode mode)
{
    Plan plan;
    plan.refusal = import.refusal();
    if (plan.refusal.isEmpty() && mode == Mode::Add)
        plan.refusal = import.mergeRefusal(store);
    if (!plan.refusal.isEmpty())
        return plan;
    if (import.draws().empty()) {
        plan.refusal = QStringLiteral("No draws were found to import.");
        return plan;
    }
    if (mode == Mode::Replace) {
        plan.records = import.records();
        return plan;
    }

    const DrawRecords& existing = store.records();
    DrawHistoryImport::Merged merged = import.mergedWith(existing);
    plan.records = std::move(merged.records);
    if (merged.leftOut > 0) {
        std::set<DrawKey> kept;
        for (int record = 1; record <= plan.records.size(); ++record)
            kept.insert(keyOf(plan.records, record));
        for (int record = 1; record <= existing.size() && !plan.dropsDrawsInMemory; ++record)
            plan.dropsDrawsInMemory = !kept.contains(keyOf(existing, record));
    }
    return plan;
}

void Apply(DrawStore& store, const Plan& plan, DrawHistoryImport::Shape shape, const QString& title)
{
    store.Load(shape, title.left(DrawFile::MaxTitleLength), plan.records);
    store.SetChangedFlag(true);
}

} // namespace ImportView
