#include "platform/print_spooler.h"

#include <cups/cups.h>
#include <memory>

namespace tessaline {
namespace {

constexpr const char* kRawDocumentTitle = "My Document";
constexpr int kConnectLimitMs = 2000;

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

// A connection to the spooler that cupsSetServer or CUPS_SERVER name (the local one by default);
// null when none answers.
Connection connectToSpooler() {
    return Connection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                   kConnectLimitMs, nullptr));
}

bool succeeded() {
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

bool queueOperation(ipp_op_t operation, const std::string& name) {
    Connection http = connectToSpooler();
    if (!http) return false;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", name.c_str());
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    IppMessage response(cupsDoRequest(http.get(), request, "/admin/"));
    return response && succeeded();
}

} // namespace

std::vector<PrintQueue> PrintSpooler::listQueues() const {
    std::vector<PrintQueue> queues;
    Connection http = connectToSpooler();
    if (!http) return queues;
    static const char* const kAttributes[] = {"printer-name", "device-uri", "printer-state"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  sizeof kAttributes / sizeof kAttributes[0], nullptr, kAttributes);
    // Local queues only, no classes and no queues of other hosts.
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_ENUM, "printer-type", 0);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_ENUM, "printer-type-mask",
                  CUPS_PRINTER_REMOTE | CUPS_PRINTER_CLASS);
    IppMessage response(cupsDoRequest(http.get(), request, "/"));
    if (!response) return queues;

    PrintQueue current;
    auto flush = [&] {
        if (!current.name.empty()) queues.push_back(current);
        current = PrintQueue{};
    };
    for (ipp_attribute_t* attr = ippFirstAttribute(response.get()); attr;
         attr = ippNextAttribute(response.get())) {
        const char* name = ippGetName(attr);
        if (!name) {
            flush(); // a group separator ends one queue's attributes
            continue;
        }
        std::string attribute = name;
        if (attribute == "printer-name")
            current.name = ippGetString(attr, 0, nullptr);
        else if (attribute == "device-uri")
            current.deviceUri = ippGetString(attr, 0, nullptr);
        else if (attribute == "printer-state")
            current.paused = ippGetInteger(attr, 0) == IPP_PSTATE_STOPPED;
    }
    flush();
    return queues;
}

std::string PrintSpooler::defaultQueue() const {
    Connection http = connectToSpooler();
    if (!http) return {};
    const char* name = cupsGetDefault2(http.get());
    return name ? name : "";
}

bool PrintSpooler::pauseQueue(const std::string& name) const {
    return queueOperation(IPP_OP_PAUSE_PRINTER, name);
}

bool PrintSpooler::resumeQueue(const std::string& name) const {
    return queueOperation(IPP_OP_RESUME_PRINTER, name);
}

RawDocumentOutcome PrintSpooler::sendRawDocument(const std::string& queue,
                                                 std::span<const uint8_t> data,
                                                 uint32_t& written) const {
    written = 0;
    Connection http = connectToSpooler();
    if (!http) return RawDocumentOutcome::OpenFailed;
    int job = cupsCreateJob(http.get(), queue.c_str(), kRawDocumentTitle, 0, nullptr);
    if (job == 0) {
        ipp_status_t status = cupsLastError();
        return status == IPP_STATUS_ERROR_NOT_FOUND ||
                       status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
                       status == IPP_STATUS_ERROR_INTERNAL
                   ? RawDocumentOutcome::OpenFailed
                   : RawDocumentOutcome::WriteFault;
    }
    bool ok = cupsStartDocument(http.get(), queue.c_str(), job, kRawDocumentTitle, CUPS_FORMAT_RAW,
                                1) == HTTP_STATUS_CONTINUE;
    if (ok) {
        // The document is finished also after a failed write, so the connection stays usable
        // for cancelling the job.
        bool wrote = cupsWriteRequestData(http.get(), reinterpret_cast<const char*>(data.data()),
                                          data.size()) == HTTP_STATUS_CONTINUE;
        ok = cupsFinishDocument(http.get(), queue.c_str()) == IPP_STATUS_OK && wrote;
    }
    if (!ok) {
        cupsCancelJob2(http.get(), queue.c_str(), job, 0);
        return RawDocumentOutcome::WriteFault;
    }
    written = static_cast<uint32_t>(data.size());
    return RawDocumentOutcome::Done;
}

} // namespace tessaline
