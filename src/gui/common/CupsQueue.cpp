#include "CupsQueue.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

namespace {

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

Dest namedDest(const QByteArray& name)
{
    return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
}

QByteArray option(const cups_dest_t* dest, const char* name)
{
    return QByteArray(cupsGetOption(name, dest->num_options, dest->options));
}

// A program with windows has no terminal to ask for a password on; a server that wants one
// refuses the job instead, with its reason.
const char* noPassword(const char*, http_t*, const char*, const char*, void*)
{
    return nullptr;
}

// The printer's own word on its state ("Paper jam", "Out of toner"), or empty.
QString stateMessage(const cups_dest_t* dest)
{
    const QByteArray uri = option(dest, "printer-uri-supported");
    if (uri.isEmpty())
        return QString();
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString message;
    if (ipp_attribute_t* attribute
        = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        message = QString::fromUtf8(ippGetString(attribute, 0, nullptr)).trimmed();
    ippDelete(response);
    return message;
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
    cupsSetPasswordCB2(noPassword, nullptr);
    const Dest dest = namedDest(m_name);
    const QString printer = QString::fromUtf8(m_name);
    if (!dest)
        return QStringLiteral("The printer %1 is not known to the print server (%2).")
            .arg(printer, QString::fromUtf8(cupsLastErrorString()));

    QString problem;
    if (option(dest.get(), "printer-is-accepting-jobs") == "false")
        problem = QStringLiteral("The printer %1 is not accepting jobs.").arg(printer);
    else if (option(dest.get(), "printer-state").toInt() == IPP_PSTATE_STOPPED)
        problem = QStringLiteral("The printer %1 is stopped.").arg(printer);
    else
        return QString();
    const QString message = stateMessage(dest.get());
    if (!message.isEmpty())
        problem += QStringLiteral(" It says: ") + message;
    return problem;
}

bool CupsQueue::landscape() const
{
    const Dest dest = namedDest(m_name);
    if (!dest)
        return false;
    const QByteArray orientation = option(dest.get(), "orientation-requested");
    return orientation == "4" || orientation == "5"
        || cupsGetOption("landscape", dest->num_options, dest->options) != nullptr;
}

bool CupsQueue::submitPdf(const QString& pdfPath, const QString& title, const QString& media,
                          QString* error) const
{
    cupsSetPasswordCB2(noPassword, nullptr);
    int count = 0;
    cups_option_t* options = nullptr;
    if (const Dest dest = namedDest(m_name)) {
        for (int i = 0; i < dest->num_options; ++i)
            if (isJobOption(dest->options[i].name))
                count
                    = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &options);
    }
    if (!media.isEmpty())
        count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_name.constData(),
                                   QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job > 0)
        return true;
    *error = QStringLiteral("The print server refused the job: ")
        + QString::fromUtf8(cupsLastErrorString());
    return false;
}
