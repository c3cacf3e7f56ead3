// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RecentFiles.h"

#include "core/common/FileFields.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The form written; a file of a higher form comes from a newer program and is left to it.
constexpr int Form = 1;
constexpr QLatin1StringView Header("Numerion recent files ");
constexpr QLatin1StringView ReopenLine("reopen ");

constexpr std::array<std::pair<FileKind, QLatin1StringView>, 3> KindNames {{
    {FileKind::Draws, QLatin1StringView("draws")},
    {FileKind::Tracker, QLatin1StringView("tracker")},
    {FileKind::Tickets, QLatin1StringView("tickets")},
}};

std::optional<QLatin1StringView> nameOf(FileKind kind)
{
    for (const auto& [known, name] : KindNames)
        if (known == kind)
            return name;
    return std::nullopt;
}

// A path that one line of the file holds and a menu shows as it is: no control characters, line
// or paragraph separators, invisible format characters (bidirectional overrides among them) or
// halves of a character.
bool isPlainPath(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || !path.isValidUtf16())
        return false;
    for (const char32_t c : path.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace

void RecentFiles::add(FileKind kind, const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!nameOf(kind) || !isPlainPath(absolute))
        return;
    m_entries.removeIf([&absolute](const Entry& entry) { return entry.path == absolute; });
    m_entries.prepend({kind, absolute});
    if (m_entries.size() > MaxEntries)
        m_entries.resize(MaxEntries);
}

bool RecentFiles::dropMissing()
{
    return m_entries.removeIf([](const Entry& entry) { return !QFileInfo::exists(entry.path); })
        > 0;
}

std::optional<QString> RecentFiles::newest(FileKind kind) const
{
    for (const Entry& entry : m_entries)
        if (entry.kind == kind)
            return entry.path;
    return std::nullopt;
}

QByteArray RecentFiles::bytes() const
{
    QString text = Header + QString::number(Form) + QLatin1Char('\n') + ReopenLine
        + QLatin1Char(m_reopenAtStart ? '1' : '0') + QLatin1Char('\n');
    for (const Entry& entry : m_entries)
        text += *nameOf(entry.kind) + QLatin1Char(' ') + entry.path + QLatin1Char('\n');
    return text.toUtf8();
}

std::optional<RecentFiles> RecentFiles::FromBytes(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || !text.endsWith(QLatin1Char('\n')))
        return std::nullopt;
    const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
    if (lines.size() < 2 || lines.size() > 2 + MaxEntries || !lines[0].startsWith(Header))
        return std::nullopt;
    bool number = false;
    const int form = QStringView(lines[0]).sliced(Header.size()).toInt(&number);
    // A newer program's list is not misread; this one starts afresh and leaves it be.
    if (!number || form < 1 || form > Form)
        return std::nullopt;

    RecentFiles files;
    if (lines[1] == ReopenLine + QLatin1Char('1'))
        files.m_reopenAtStart = true;
    else if (lines[1] != ReopenLine + QLatin1Char('0'))
        return std::nullopt;
    for (const QString& line : lines.sliced(2)) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const auto known = std::find_if(KindNames.begin(), KindNames.end(), [&](const auto& kind) {
            return QStringView(line).first(std::max<qsizetype>(space, 0)) == kind.second;
        });
        const QString path = line.sliced(space + 1);
        // Only what add() keeps is taken: anything else was not written by this program.
        if (space < 0 || known == KindNames.end() || !isPlainPath(path)
            || path != QDir::cleanPath(path)
            || std::any_of(files.m_entries.begin(), files.m_entries.end(),
                           [&path](const Entry& entry) { return entry.path == path; }))
            return std::nullopt;
        files.m_entries.append({known->first, path});
    }
    return files;
}

RecentFiles RecentFiles::ReadFile(const QString& path)
{
    QFile file(path);
    if (!OpenRegularFile(file))
        return {};
    const std::optional<QByteArray> bytes = ReadFileBytes(file, MaxFileBytes);
    if (!bytes)
        return {};
    return FromBytes(*bytes).value_or(RecentFiles());
}

bool RecentFiles::writeFile(const QString& path) const
{
    return SaveFileAtomically(path, bytes());
}

std::optional<FileKind> OpenedKindOf(const QString& path)
{
    static const std::pair<const char*, FileKind> suffixes[] = {
        {"lto", FileKind::Draws},   {"inv", FileKind::Tracker}, {"ltk", FileKind::Tickets},
        {"csv", FileKind::History}, {"txt", FileKind::History}, {"tsv", FileKind::History},
    };
    const QString suffix = QFileInfo(path).suffix();
    for (const auto& [name, kind] : suffixes)
        if (suffix.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return kind;
    return std::nullopt;
}
