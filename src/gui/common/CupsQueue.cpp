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
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsPrintFile2) printFile2 = nullptr;
    decltype(&cupsSetPasswordCB2) setPasswordCB2 = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippDelete) deleteIpp = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
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
    resolve(cups.doRequest, "cupsDoRequest");
    resolve(cups.freeDests, "cupsFreeDests");
    resolve(cups.freeOptions, "cupsFreeOptions");
    resolve(cups.getNamedDest, "cupsGetNamedDest");
    resolve(cups.getOption, "cupsGetOption");
    resolve(cups.lastErrorString, "cupsLastErrorString");
    resolve(cups.printFile2, "cupsPrintFile2");
    resolve(cups.setPasswordCB2, "cupsSetPasswordCB2");
    resolve(cups.addString, "ippAddString");
    resolve(cups.deleteIpp, "ippDelete");
    resolve(cups.findAttribute, "ippFindAttribute");
    resolve(cups.getString, "ippGetString");
    resolve(cups.newRequest, "ippNewRequest");
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

bool CupsQueue::submitPdf(const QString& pdfPath, const QString& title, const QString& media,
                          QString* error) const
{
    const Cups* cups = cupsLibrary();
    if (!cups) {
        *error = NoLibrary;
        return false;
    }
    cups->setPasswordCB2(noPassword, nullptr);
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
    const int job = cups->printFile2(CUPS_HTTP_DEFAULT, m_name.constData(),
                                     QFile::encodeName(pdfPath).constData(),
                                     title.toUtf8().constData(), count, options);
    cups->freeOptions(count, options);
    if (job > 0)
        return true;
    *error = QStringLiteral("The print server refused the job: ")
        + QString::fromUtf8(cups->lastErrorString());
    return false;
}
