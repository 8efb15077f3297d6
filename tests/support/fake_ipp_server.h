#pragma once

// A spooler of the test's own making on a Unix socket in a temporary folder: every request it
// receives is answered with whatever the test's reply function returns, so that replies a real
// spooler would never send can be tried.

#include "support/temp_tree.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class FakeIppServer {
public:
    // The reply's bytes for one whole HTTP request; nothing means never answer.
    using Reply = std::function<std::optional<std::string>(const std::string& request)>;

    explicit FakeIppServer(Reply reply) : reply_(std::move(reply)), path_(tree_.path("ipp.sock")) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof address.sun_path - 1);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 4);
        thread_ = std::thread([this] { serve(); });
    }
    ~FakeIppServer() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }
    FakeIppServer(const FakeIppServer&) = delete;
    FakeIppServer& operator=(const FakeIppServer&) = delete;

    const std::string& path() const { return path_; }
    // The last request received, headers and body.
    std::string lastRequest() const {
        std::lock_guard guard(lock_);
        return last_;
    }

    static std::string ok(const std::string& body) {
        return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\n\r\n" + body;
    }
    // The IPP body of an HTTP request.
    static std::string body(const std::string& request) {
        size_t end = request.find("\r\n\r\n");
        return end == std::string::npos ? std::string() : request.substr(end + 4);
    }

private:
    bool readable(int fd) const {
        while (!stop_) {
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 20) > 0) return true;
        }
        return false;
    }

    // Headers, then as many body bytes as Content-Length says.
    std::string readRequest(int fd) const {
        std::string request;
        char chunk[4096];
        for (;;) {
            size_t end = request.find("\r\n\r\n");
            if (end != std::string::npos) {
                size_t at = request.find("Content-Length: ");
                size_t length = at == std::string::npos ? 0 : std::stoul(request.substr(at + 16));
                if (request.size() >= end + 4 + length) return request;
            }
            if (!readable(fd)) return request;
            ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0) return request;
            request.append(chunk, static_cast<size_t>(n));
        }
    }

    void serve() {
        while (readable(listener_)) {
            int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) continue;
            std::string request = readRequest(fd);
            {
                std::lock_guard guard(lock_);
                last_ = request;
            }
            std::optional<std::string> reply = reply_(request);
            if (reply) {
                ::send(fd, reply->data(), reply->size(), MSG_NOSIGNAL);
            } else {
                char c;
                while (readable(fd) && ::recv(fd, &c, 1, 0) > 0) {} // until the client gives up
            }
            ::close(fd);
        }
    }

    Reply reply_;
    TempTree tree_;
    std::string path_;
    int listener_ = -1;
    std::atomic<bool> stop_{false};
    mutable std::mutex lock_;
    std::string last_;
    std::thread thread_;
};
