// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "HelpDocument.h"

#include "core/common/FileFields.h"

#include <QFile>
#include <QRegularExpression>

#include <utility>

namespace HelpDocument {

std::optional<QString> Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The help the program ships is a few dozen kilobytes.
    const std::optional<QByteArray> bytes = ReadFileBytes(file, qint64(4) << 20);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

QList<Section> Sections(const QString& html)
{
    static const QRegularExpression heading(QStringLiteral("<h2 id=\"([^\"]+)\">(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QList<Section> sections;
    for (const QRegularExpressionMatch& match : heading.globalMatch(html))
        sections.append({match.captured(1), match.captured(2).remove(tags).simplified()});
    return sections;
}

QString AnchorForWindow(const QString& windowName)
{
    static const std::pair<const char*, const char*> windows[] = {
        {"LDbase", "database"},    {"InRecNum", "database"},      {"Lottery", "rado"},
        {"LGraph", "graphs"},      {"LInvTrack", "tracker"},      {"InInvNum", "tracker"},
        {"ChangeFnt", "settings"}, {"NumberStats", "statistics"}, {"LImport", "import"},
        {"LTickets", "tickets"},
    };
    for (const auto& [window, anchor] : windows)
        if (windowName == QLatin1String(window))
            return QString::fromLatin1(anchor);
    return QStringLiteral("menu");
}

} // namespace HelpDocument
