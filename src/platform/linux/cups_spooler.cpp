#include "platform/print_spooler.h"

#include "platform/linux/socket_spooler.h"
#include "platform/linux/spooler_server.h"

#include <cups/cups.h>
#include <dlfcn.h>
#include <memory>
#include <mutex>
#include <optional>

namespace tessaline {
namespace {

constexpr const char* kRawDocumentTitle = "My Document";
constexpr const char* kCupsLibrary = "libcups.so.2";

// The functions of the CUPS client library this file calls, each named once.
#define TESSALINE_CUPS_FUNCTIONS(F)                                                                \
    F(httpConnect2)                                                                                \
    F(httpClose)                                                                                   \
    F(httpAssembleURIf)                                                                            \
    F(cupsServer)                                                                                  \
    F(cupsSetServer)                                                                               \
    F(cupsEncryption)                                                                              \
    F(cupsUser)                                                                                    \
    F(cupsLastError)                                                                               \
    F(cupsDoRequest)                                                                               \
    F(cupsGetDefault2)                                                                             \
    F(cupsCreateJob)                                                                               \
    F(cupsStartDocument)                                                                           \
    F(cupsWriteRequestData)                                                                        \
    F(cupsFinishDocument)                                                                          \
    F(cupsCancelJob2)                                                                              \
    F(ippPort)                                                                                     \
    F(ippNewRequest)                                                                               \
    F(ippDelete)                                                                                   \
    F(ippAddString)                                                                                \
    F(ippAddStrings)                                                                               \
    F(ippAddInteger)                                                                               \
    F(ippFirstAttribute)                                                                           \
    F(ippNextAttribute)                                                                            \
    F(ippGetName)                                                                                  \
    F(ippGetString)                                                                                \
    F(ippGetInteger)

// The CUPS client library, loaded on first use: it pulls in some thirty libraries whose loading
// would otherwise delay every start, also of runs that never reach a queue. Without the library
// there is no spooler: every call fails soft.
struct Cups {
#define TESSALINE_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    TESSALINE_CUPS_FUNCTIONS(TESSALINE_CUPS_MEMBER)
#undef TESSALINE_CUPS_MEMBER
    bool loaded = false;
};

template <typename Function> bool resolve(void* library, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(::dlsym(library, name));
    return slot != nullptr;
}

// The server SetPrintSpoolerServer named, kept here so that naming one needs no library.
struct ServerSetting {
    std::mutex lock;
    std::optional<std::string> server;
    bool libraryLoaded = false;
};

ServerSetting& setting() {
    static ServerSetting s;
    return s;
}

std::optional<std::string> configuredServer() {
    std::lock_guard guard(setting().lock);
    return setting().server;
}

const Cups& cups() {
    static const Cups table = [] {
        Cups c;
        void* library = ::dlopen(kCupsLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!library) return c; // kept loaded for the life of the process once found
        c.loaded = true;
#define TESSALINE_CUPS_RESOLVE(name) c.loaded = resolve(library, #name, c.name) && c.loaded;
        TESSALINE_CUPS_FUNCTIONS(TESSALINE_CUPS_RESOLVE)
#undef TESSALINE_CUPS_RESOLVE
        if (!c.loaded) return c;
        std::lock_guard guard(setting().lock);
        if (setting().server) c.cupsSetServer(setting().server->c_str());
        setting().libraryLoaded = true;
        return c;
    }();
    return table;
}

struct HttpCloser {
    void operator()(http_t* http) const { cups().httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { cups().ippDelete(ipp); }
};
using CupsIpp = std::unique_ptr<ipp_t, IppDeleter>;

// A connection to the spooler that SetPrintSpoolerServer or CUPS_SERVER name (the local one by
// default); null when none answers or the library is missing.
Connection connectToSpooler() {
    const Cups& c = cups();
    if (!c.loaded) return Connection();
    return Connection(c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC,
                                     c.cupsEncryption(), 1,
                                     static_cast<int>(kSpoolerConnectLimit.count()), nullptr));
}

bool succeeded() {
    return cups().cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

bool queueOperation(ipp_op_t operation, const std::string& name) {
    Connection http = connectToSpooler();
    if (!http) return false;
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                            "/printers/%s", name.c_str());
    ipp_t* request = cups().ippNewRequest(operation);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                        cups().cupsUser());
    CupsIpp response(cups().cupsDoRequest(http.get(), request, "/admin/"));
    return response && succeeded();
}

std::vector<PrintQueue> listQueuesThroughLibrary() {
    std::vector<PrintQueue> queues;
    Connection http = connectToSpooler();
    if (!http) return queues;
    static const char* const kAttributes[] = {"printer-name", "device-uri", "printer-state"};
    ipp_t* request = cups().ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         sizeof kAttributes / sizeof kAttributes[0], nullptr, kAttributes);
    // Local queues only, no classes and no queues of other hosts.
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_ENUM, "printer-type", 0);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_ENUM, "printer-type-mask",
                         CUPS_PRINTER_REMOTE | CUPS_PRINTER_CLASS);
    CupsIpp response(cups().cupsDoRequest(http.get(), request, "/"));
    if (!response) return queues;

    PrintQueue current;
    auto flush = [&] {
        if (!current.name.empty()) queues.push_back(current);
        current = PrintQueue{};
    };
    for (ipp_attribute_t* attr = cups().ippFirstAttribute(response.get()); attr;
         attr = cups().ippNextAttribute(response.get())) {
        const char* name = cups().ippGetName(attr);
        if (!name) {
            flush(); // a group separator ends one queue's attributes
            continue;
        }
        std::string attribute = name;
        const char* text = cups().ippGetString(attr, 0, nullptr);
        if (attribute == "printer-name")
            current.name = text ? text : "";
        else if (attribute == "device-uri")
            current.deviceUri = text ? text : "";
        else if (attribute == "printer-state")
            current.paused = cups().ippGetInteger(attr, 0) == IPP_PSTATE_STOPPED;
    }
    flush();
    return queues;
}

std::string defaultQueueThroughLibrary() {
    Connection http = connectToSpooler();
    if (!http) return {};
    const char* name = cups().cupsGetDefault2(http.get());
    return name ? name : "";
}

} // namespace

// A socket path is asked directly; any other server (a host, maybe with encryption) goes
// through the library. A socket that does not answer means no spooler: trying a host next,
// as the library would, would load it at every start on computers without a spooler.
std::vector<PrintQueue> PrintSpooler::listQueues() const {
    std::string server = ChooseSpoolerServer(configuredServer());
    return IsSocketPath(server) ? ListQueuesOverSocket(server) : listQueuesThroughLibrary();
}

std::string PrintSpooler::defaultQueue() const {
    std::string server = ChooseSpoolerServer(configuredServer());
    return IsSocketPath(server) ? DefaultQueueOverSocket(server) : defaultQueueThroughLibrary();
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
    int job = cups().cupsCreateJob(http.get(), queue.c_str(), kRawDocumentTitle, 0, nullptr);
    if (job == 0) {
        ipp_status_t status = cups().cupsLastError();
        return status == IPP_STATUS_ERROR_NOT_FOUND ||
                       status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
                       status == IPP_STATUS_ERROR_INTERNAL
                   ? RawDocumentOutcome::OpenFailed
                   : RawDocumentOutcome::WriteFault;
    }
    bool ok = cups().cupsStartDocument(http.get(), queue.c_str(), job, kRawDocumentTitle,
                                       CUPS_FORMAT_RAW, 1) == HTTP_STATUS_CONTINUE;
    if (ok) {
        // The document is finished also after a failed write, so the connection stays usable
        // for cancelling the job.
        bool wrote =
            cups().cupsWriteRequestData(http.get(), reinterpret_cast<const char*>(data.data()),
                                        data.size()) == HTTP_STATUS_CONTINUE;
        ok = cups().cupsFinishDocument(http.get(), queue.c_str()) == IPP_STATUS_OK && wrote;
    }
    if (!ok) {
        cups().cupsCancelJob2(http.get(), queue.c_str(), job, 0);
        return RawDocumentOutcome::WriteFault;
    }
    written = static_cast<uint32_t>(data.size());
    return RawDocumentOutcome::Done;
}

void SetPrintSpoolerServer(const char* server) {
    std::lock_guard guard(setting().lock);
    setting().server = server ? std::optional<std::string>(server) : std::nullopt;
    if (setting().libraryLoaded) cups().cupsSetServer(server);
}

} // namespace tessaline
