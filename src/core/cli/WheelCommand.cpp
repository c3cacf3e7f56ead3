// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "WheelCommand.h"

#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"
#include "core/wheels/Wheel.h"
#include "core/wheels/WheelPlan.h"

#include <QCommandLineParser>

namespace {

// Fills `request` from the options of --wheel; what is wrong with them, or nothing. Whether the
// numbers make a wheel is the search's to say.
QString readWheelRequest(const QCommandLineParser& parser, CommandLine::WheelRequest& request)
{
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--wheel opens no file: write to the one --output names.");
    if (!parser.isSet(QStringLiteral("numbers")) || !parser.isSet(QStringLiteral("size"))
        || !parser.isSet(QStringLiteral("guarantee")) || !parser.isSet(QStringLiteral("if"))
        || !parser.isSet(QStringLiteral("output")))
        return QStringLiteral("--wheel needs --numbers, --size, --guarantee, --if and --output.");
    request.output = parser.value(QStringLiteral("output"));
    if (request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    ::WheelRequest& search = request.search;
    bool read[4] = {};
    search.poolSize = parser.value(QStringLiteral("numbers")).toInt(&read[0]);
    search.ticketSize = parser.value(QStringLiteral("size")).toInt(&read[1]);
    search.guarantee = parser.value(QStringLiteral("guarantee")).toInt(&read[2]);
    search.ifDrawn = parser.value(QStringLiteral("if")).toInt(&read[3]);
    if (!read[0] || !read[1] || !read[2] || !read[3])
        return QStringLiteral("--numbers, --size, --guarantee and --if take whole numbers.");
    if (parser.isSet(QStringLiteral("keys"))) {
        for (const QString& key : parser.value(QStringLiteral("keys")).split(u',')) {
            bool keyRead = false;
            search.keys.append(key.trimmed().toInt(&keyRead));
            if (!keyRead)
                return QStringLiteral("--keys takes numbers separated by commas, such as 7,19.");
        }
    }
    if (parser.isSet(QStringLiteral("seconds"))) {
        bool secondsRead = false;
        search.seconds = parser.value(QStringLiteral("seconds")).toDouble(&secondsRead);
        if (!secondsRead || !(search.seconds > 0) || search.seconds > 86400)
            return QStringLiteral("--seconds takes a number of seconds above 0, at most 86400.");
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        bool seedRead = false;
        search.seed = parser.value(QStringLiteral("seed")).toULongLong(&seedRead);
        if (!seedRead)
            return QStringLiteral("--seed takes a whole number from 0.");
    }
    return {};
}

} // namespace

QString WheelCommand::name() const
{
    return QStringLiteral("wheel");
}

QString WheelCommand::description() const
{
    return QStringLiteral(
        "Searches a wheel over the pool given by --numbers: tickets of --size numbers with at least --guarantee matches on one of them whenever --if of the drawn numbers are in the pool. Writes one ticket per line to the file given by --output, the numbers ascending and separated by commas, and prints the ticket count, without a window.");
}

QList<QCommandLineOption> WheelCommand::options() const
{
    return {
        NumbersOption(),
        QCommandLineOption(QStringLiteral("size"),
                           QStringLiteral("With --wheel: the numbers per ticket."),
                           QStringLiteral("k")),
        QCommandLineOption(QStringLiteral("guarantee"),
                           QStringLiteral("With --wheel: the matches guaranteed on one ticket."),
                           QStringLiteral("t")),
        QCommandLineOption(
            QStringLiteral("if"),
            QStringLiteral(
                "With --wheel: how many of the drawn numbers must be in the pool for the guarantee to hold; at least --guarantee, at most --size."),
            QStringLiteral("m")),
        QCommandLineOption(QStringLiteral("keys"),
                           QStringLiteral("With --wheel: numbers on every ticket, such as 7,19."),
                           QStringLiteral("list")),
        QCommandLineOption(
            QStringLiteral("seconds"),
            QStringLiteral(
                "With --wheel: how long the search may take, 10 seconds by default; it ends sooner when it cannot do better."),
            QStringLiteral("s")),
        QCommandLineOption(
            QStringLiteral("seed"),
            QStringLiteral(
                "With --wheel: starts the search's random choices from <n>, 0 by default."),
            QStringLiteral("n")),
        OutputOption(),
    };
}

QString WheelCommand::read(const QCommandLineParser& parser, CommandLine& line) const
{
    return readWheelRequest(parser, line.wheel);
}

CommandResult WheelCommand::execute(const CommandLine& line, const QDate&) const
{
    const CommandLine::WheelRequest& request = line.wheel;
    const QString& program = line.program;
    CommandResult result;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };
    const Wheel wheel = GenerateWheel(request.search);
    if (!wheel.error.isEmpty())
        return failed(wheel.error);

    const QByteArray csv = WheelCsv(wheel.numbers());
    QString reason;
    if (!SaveFileAtomically(request.output, csv, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));
    const qsizetype count = wheel.tickets.size();
    result.out = CountText(count, "ticket", "tickets") + QStringLiteral(" written to ")
        + request.output + u'\n';
    return result;
}
