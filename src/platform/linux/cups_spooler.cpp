#include "platform/print_spooler.h"

#include <cups/cups.h>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

namespace tessaline {
namespace {

constexpr const char* kRawDocumentTitle = "My Document";
// How long connecting to the spooler may take, and then how long it may keep us waiting for
// each part of a reply.
constexpr int kConnectLimitMs = 2000;
constexpr double kReplyLimitSeconds = 10;

// The server SetPrintSpoolerServer named. The CUPS library keeps its choice of server for each
// thread apart, so it is kept here and handed to the library at every call, on whichever
// thread makes it.
struct ServerSetting {
    std::mutex lock;
    std::optional<std::string> server;
};

ServerSetting& setting() {
    static ServerSetting s;
    return s;
}

std::optional<std::string> processServer() {
    std::lock_guard guard(setting().lock);
    return setting().server;
}

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

// The library would ask on the terminal; nobody may be there, so a spooler that wants a
// password refuses instead.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) {
    return nullptr;
}

// A reply that takes longer than the limit ends the request.
int giveUpWaiting(http_t*, void*) {
    return 0;
}

// A connection to `server`, or with none named to the one SetPrintSpoolerServer, CUPS_SERVER or
// the client configuration name (the local one by default); null when none answers. Sets this
// thread's server in the library too, which the job calls take their printer URIs from.
Connection connectToSpooler(const std::string& server) {
    const std::string chosen = server.empty() ? processServer().value_or("") : server;
    // Forgetting the thread's earlier choice first also forgets its port, which a server
    // named without one would keep; and with none chosen the library reads the environment
    // and the client configuration anew.
    cupsSetServer(nullptr);
    if (!chosen.empty()) cupsSetServer(chosen.c_str());
    cupsSetPasswordCB2(noPassword, nullptr);
    Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 kConnectLimitMs, nullptr));
    if (http) httpSetTimeout(http.get(), kReplyLimitSeconds, giveUpWaiting, nullptr);
    return http;
}

bool succeeded() {
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

// A request about the queue `name`, from this user.
ipp_t* queueRequest(ipp_op_t operation, const std::string& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", name.c_str());
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

bool queueOperation(const std::string& server, ipp_op_t operation, const std::string& name) {
    Connection http = connectToSpooler(server);
    if (!http) return false;
    IppMessage response(cupsDoRequest(http.get(), queueRequest(operation, name), "/admin/"));
    return response && succeeded();
}

// A new job on `queue`; 0 when the spooler refused it. Asked of the queue directly: the
// library's cupsCreateJob would first look for a missing queue on the network.
int createJob(http_t* http, const std::string& queue) {
    ipp_t* request = queueRequest(IPP_OP_CREATE_JOB, queue);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, kRawDocumentTitle);
    IppMessage response(cupsDoRequest(http, request, ("/printers/" + queue).c_str()));
    if (!response || !succeeded()) return 0;
    ipp_attribute_t* id = ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER);
    return id ? ippGetInteger(id, 0) : 0;
}

bool isNameValue(ipp_tag_t tag) {
    return tag == IPP_TAG_NAME || tag == IPP_TAG_NAMELANG;
}

// Adds what `attr` says about a queue to `queue`; attributes of other types are left out.
void takeAttribute(ipp_attribute_t* attr, std::string_view name, PrintQueue& queue) {
    const ipp_tag_t tag = ippGetValueTag(attr);
    if (name == "printer-name" && isNameValue(tag)) {
        const char* text = ippGetString(attr, 0, nullptr);
        queue.name = text ? text : "";
    } else if (name == "device-uri" && tag == IPP_TAG_URI) {
        const char* text = ippGetString(attr, 0, nullptr);
        queue.deviceUri = text ? text : "";
    } else if (name == "printer-state" && tag == IPP_TAG_ENUM) {
        queue.paused = ippGetInteger(attr, 0) == IPP_PSTATE_STOPPED;
    }
}

} // namespace

std::vector<PrintQueue> PrintSpooler::listQueues() const {
    std::vector<PrintQueue> queues;
    Connection http = connectToSpooler(server_);
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
    if (!response || !succeeded()) return queues;

    // Each queue is one printer group; the attributes of other groups are no queue's.
    PrintQueue current;
    auto flush = [&] {
        if (!current.name.empty()) queues.push_back(std::move(current));
        current = PrintQueue{};
    };
    for (ipp_attribute_t* attr = ippFirstAttribute(response.get()); attr;
         attr = ippNextAttribute(response.get())) {
        const char* name = ippGetName(attr);
        if (!name || ippGetGroupTag(attr) != IPP_TAG_PRINTER) {
            flush(); // a separator or another group ends one queue's attributes
            continue;
        }
        takeAttribute(attr, name, current);
    }
    flush();
    return queues;
}

std::string PrintSpooler::defaultQueue() const {
    // Connected first, so that without a spooler there is no default, even one the
    // environment names.
    Connection http = connectToSpooler(server_);
    if (!http) return {};
    const char* name = cupsGetDefault2(http.get());
    return name ? name : "";
}

bool PrintSpooler::pauseQueue(const std::string& name) const {
    return queueOperation(server_, IPP_OP_PAUSE_PRINTER, name);
}

bool PrintSpooler::resumeQueue(const std::string& name) const {
    return queueOperation(server_, IPP_OP_RESUME_PRINTER, name);
}

RawDocumentOutcome PrintSpooler::sendRawDocument(const std::string& queue,
                                                 std::span<const uint8_t> data,
                                                 uint32_t& written) const {
    written = 0;
    Connection http = connectToSpooler(server_);
    if (!http) return RawDocumentOutcome::OpenFailed;
    const int job = createJob(http.get(), queue);
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

void SetPrintSpoolerServer(const char* server) {
    std::lock_guard guard(setting().lock);
    setting().server = server ? std::optional<std::string>(server) : std::nullopt;
}

} // namespace tessaline
