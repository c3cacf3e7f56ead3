// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CupsQueue.h"

#include <QFile>
#include <QLibrary>

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <type_traits>

namespace {

// The print server's client library, loaded the first time a queue is asked rather than when
// the program starts: it brings a score of libraries of its own (TLS, Kerberos, service
// discovery), which would slow every start of a program that prints now and then.
struct Cups {
    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsCancelJob2) cancelJob2 = nullptr;
    decltype(&cupsCreateJob) createJob = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsGetResponse) getResponse = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&cupsSetPasswordCB2) setPasswordCB2 = nullptr;
    decltype(&cupsStartDocument) startDocument = nullptr;
    decltype(&cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&httpClose) close = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpError) connectionError = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippDelete) deleteIpp = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippGetInteger) getInteger = nullptr;
    decltype(&ippGetStatusCode) getStatusCode = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&ippPort) port = nullptr;
};

std::optional<Cups> loadCups()
{
    // Never unloaded: the library stays in the process once it was needed.
    QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load())
        return std::nullopt;
    Cups cups;
    bool complete = true;
    const auto resolve = [&library, &complete](auto& function, const char* name) {
        function
            = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        complete = complete && function;
    };
    resolve(cups.addOption, "cupsAddOption");
    resolve(cups.cancelJob2, "cupsCancelJob2");
    resolve(cups.createJob, "cupsCreateJob");
    resolve(cups.doRequest, "cupsDoRequest");
    resolve(cups.encryption, "cupsEncryption");
    resolve(cups.freeDests, "cupsFreeDests");
    resolve(cups.freeOptions, "cupsFreeOptions");
    resolve(cups.getNamedDest, "cupsGetNamedDest");
    resolve(cups.getOption, "cupsGetOption");
    resolve(cups.getResponse, "cupsGetResponse");
    resolve(cups.lastError, "cupsLastError");
    resolve(cups.lastErrorString, "cupsLastErrorString");
    resolve(cups.server, "cupsServer");
    resolve(cups.setPasswordCB2, "cupsSetPasswordCB2");
    resolve(cups.startDocument, "cupsStartDocument");
    resolve(cups.writeRequestData, "cupsWriteRequestData");
    resolve(cups.close, "httpClose");
    resolve(cups.connect, "httpConnect2");
    resolve(cups.connectionError, "httpError");
    resolve(cups.addString, "ippAddString");
    resolve(cups.deleteIpp, "ippDelete");
    resolve(cups.findAttribute, "ippFindAttribute");
    resolve(cups.getInteger, "ippGetInteger");
    resolve(cups.getStatusCode, "ippGetStatusCode");
    resolve(cups.getString, "ippGetString");
    resolve(cups.newRequest, "ippNewRequest");
    resolve(cups.port, "ippPort");
    if (!complete)
        return std::nullopt;
    return cups;
}

// Null when the library is missing or not the one the program was built for.
const Cups* cupsLibrary()
{
    static const std::optional<Cups> cups = loadCups();
    return cups ? &*cups : nullptr;
}

const QString NoLibrary = QStringLiteral("The print server's client library (libcups) is missing.");

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsLibrary()->freeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

Dest namedDest(const Cups& cups, const QByteArray& name)
{
    return Dest(cups.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
}

QByteArray option(const Cups& cups, const cups_dest_t* dest, const char* name)
{
    return QByteArray(cups.getOption(name, dest->num_options, dest->options));
}

// A program with windows has no terminal to ask for a password on; a server that wants one
// refuses the job instead, with its reason.
const char* noPassword(const char*, http_t*, const char*, const char*, void*)
{
    return nullptr;
}

// The printer's own word on its state ("Paper jam", "Out of toner"), or empty.
QString stateMessage(const Cups& cups, const cups_dest_t* dest)
{
    const QByteArray uri = option(cups, dest, "printer-uri-supported");
    if (uri.isEmpty())
        return QString();
    ipp_t* request = cups.newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                   uri.constData());
    cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                   "printer-state-message");
    ipp_t* response = cups.doRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString message;
    if (ipp_attribute_t* attribute
        = cups.findAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        message = QString::fromUtf8(cups.getString(attribute, 0, nullptr)).trimmed();
    cups.deleteIpp(response);
    return message;
}

struct ConnectionCloser {
    void operator()(http_t* http) const { cupsLibrary()->close(http); }
};
using Connection = std::unique_ptr<http_t, ConnectionCloser>;

// The state of job `job` as the server tells it; 0 when it does not answer.
int jobState(const Cups& cups, int job)
{
    ipp_t* request = cups.newRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(job);
    cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                   "job-state");
    ipp_t* response = cups.doRequest(CUPS_HTTP_DEFAULT, request, "/");
    int state = 0;
    if (ipp_attribute_t* attribute = cups.findAttribute(response, "job-state", IPP_TAG_ENUM))
        state = cups.getInteger(attribute, 0);
    cups.deleteIpp(response);
    return state;
}

// The reason of the last failed request; a lost connection can leave an earlier success there.
QString failureReason(const Cups& cups)
{
    const QString reason = QString::fromUtf8(cups.lastErrorString());
    return cups.lastError() <= IPP_STATUS_OK_CONFLICTING || reason.isEmpty()
        ? QStringLiteral("no answer")
        : reason;
}

// Options of the queue that are not the job's: its state and description, and what the
// printout itself decides (its paper and orientation are in the PDF).
bool isJobOption(const QByteArray& name)
{
    return !name.startsWith("printer-") && !name.startsWith("marker-") && name != "device-uri"
        && name != "media" && name != "PageSize" && name != "orientation-requested"
        && name != "landscape";
}

} // namespace

CupsQueue::CupsQueue(const QString& name) : m_name(name.toUtf8())
{
}

QString CupsQueue::problem() const
{
    const Cups* cups = cupsLibrary();
    if (!cups)
        return NoLibrary;
    cups->setPasswordCB2(noPassword, nullptr);
    const Dest dest = namedDest(*cups, m_name);
    const QString printer = QString::fromUtf8(m_name);
    if (!dest)
        return QStringLiteral("The printer %1 is not known to the print server (%2).")
            .arg(printer, QString::fromUtf8(cups->lastErrorString()));

    QString problem;
    if (option(*cups, dest.get(), "printer-is-accepting-jobs") == "false")
        problem = QStringLiteral("The printer %1 is not accepting jobs.").arg(printer);
    else if (option(*cups, dest.get(), "printer-state").toInt() == IPP_PSTATE_STOPPED)
        problem = QStringLiteral("The printer %1 is stopped.").arg(printer);
    else
        return QString();
    const QString message = stateMessage(*cups, dest.get());
    if (!message.isEmpty())
        problem += QStringLiteral(" It says: ") + message;
    return problem;
}

bool CupsQueue::landscape() const
{
    const Cups* cups = cupsLibrary();
    if (!cups)
        return false;
    const Dest dest = namedDest(*cups, m_name);
    if (!dest)
        return false;
    const QByteArray orientation = option(*cups, dest.get(), "orientation-requested");
    return orientation == "4" || orientation == "5"
        || cups->getOption("landscape", dest->num_options, dest->options) != nullptr;
}

PrintOutcome CupsQueue::submitPdf(const QString& pdfPath, const QString& title,
                                  const QString& media, QString* error,
                                  const SubmitHook& hook) const
{
    const Cups* cups = cupsLibrary();
    if (!cups) {
        *error = NoLibrary;
        return PrintOutcome::NotPrinted;
    }
    cups->setPasswordCB2(noPassword, nullptr);
    QFile pdf(pdfPath);
    if (!pdf.open(QIODevice::ReadOnly)) {
        *error = pdf.errorString();
        return PrintOutcome::NotPrinted;
    }
    int count = 0;
    cups_option_t* options = nullptr;
    if (const Dest dest = namedDest(*cups, m_name)) {
        for (int i = 0; i < dest->num_options; ++i)
            if (isJobOption(dest->options[i].name))
                count = cups->addOption(dest->options[i].name, dest->options[i].value, count,
                                        &options);
    }
    if (!media.isEmpty())
        count = cups->addOption("media", media.toUtf8().constData(), count, &options);

    // The job and its document go over a connection of their own: after a failure on it, the
    // job is cancelled or asked about over a fresh one.
    Connection http(cups->connect(cups->server(), cups->port(), nullptr, AF_UNSPEC,
                                  cups->encryption(), 1, 30000, nullptr));
    const QByteArray name = title.toUtf8();
    const int job = http
        ? cups->createJob(http.get(), m_name.constData(), name.constData(), count, options)
        : 0;
    cups->freeOptions(count, options);
    if (!http) {
        *error = QStringLiteral("The print server could not be reached.");
        return PrintOutcome::NotPrinted;
    }
    if (job <= 0) {
        *error = QStringLiteral("The print server refused the job: ") + failureReason(*cups);
        return PrintOutcome::NotPrinted;
    }
    if (hook)
        hook(SubmitStep::JobMade);

    QString reason;
    bool written = cups->startDocument(http.get(), m_name.constData(), job, name.constData(),
                                       CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    while (written && !pdf.atEnd()) {
        const QByteArray chunk = pdf.read(1 << 16);
        if (chunk.isEmpty()) {
            reason = pdf.errorString();
            written = false;
        } else {
            written = cups->writeRequestData(http.get(), chunk.constData(), size_t(chunk.size()))
                == HTTP_STATUS_CONTINUE;
        }
    }
    if (written) {
        if (hook)
            hook(SubmitStep::DocumentWritten);
        // The server's answer itself, as the library's last error may be an earlier request's
        // when the connection is lost.
        const QByteArray resource = "/printers/" + m_name;
        ipp_t* response = cups->getResponse(http.get(), resource.constData());
        const bool confirmed
            = response && cups->getStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
        cups->deleteIpp(response);
        if (confirmed)
            return PrintOutcome::Printed;
    }
    if (reason.isEmpty() && cups->connectionError(http.get()) != 0)
        reason = qt_error_string(cups->connectionError(http.get()));
    if (reason.isEmpty())
        reason = failureReason(*cups);
    // A request cut off here is dropped by the server.
    http.reset();

    // Whether the cancel took is read from the job's state, which also tells a job that printed
    // after all.
    cups->cancelJob2(CUPS_HTTP_DEFAULT, m_name.constData(), job, 0);
    const int state = jobState(*cups, job);
    if (state == IPP_JSTATE_COMPLETED)
        return PrintOutcome::Printed;
    if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED) {
        *error = QStringLiteral(
                     "The print server did not take the printout (%1). Its job was cancelled.")
                     .arg(reason);
        return PrintOutcome::NotPrinted;
    }
    const QString printer = QString::fromUtf8(m_name);
    if (!written) {
        *error
            = QStringLiteral(
                  "The printout did not reach the print server (%1). Job %2 on the printer %3 was left empty and will not print.")
                  .arg(reason, QString::number(job), printer);
        return PrintOutcome::NotPrinted;
    }
    *error
        = QStringLiteral(
              "Job %1 on the printer %2 was sent, but the print server did not confirm it (%3). Look at the printer's queue before printing again.")
              .arg(QString::number(job), printer, reason);
    return PrintOutcome::MayStillPrint;
}
