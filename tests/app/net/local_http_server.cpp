#include "tests/app/net/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testnet {
namespace {

// Binds 127.0.0.1:port (0: a port the system chooses, written back into port).
int bound_socket(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("bind failed");
    }
    port = ntohs(address.sin_port);
    return fd;
}

const char* reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

LocalHttpServer::LocalHttpServer(int port)
    : port_(port)
{
    listener_ = bound_socket(port_);
    if (::listen(listener_, 16) != 0 || ::pipe(wake_) != 0)
        throw std::runtime_error("listen failed");
    thread_ = std::thread([this] { run(); });
}

LocalHttpServer::~LocalHttpServer()
{
    stop_.store(true);
    const char byte = 0;
    [[maybe_unused]] const auto written = ::write(wake_[1], &byte, 1);
    thread_.join();
    for (int fd : held_)
        ::close(fd);
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void LocalHttpServer::serve(const std::string& path, Reply reply)
{
    std::lock_guard lock(mutex_);
    replies_[path] = std::move(reply);
}

void LocalHttpServer::serveFolder(const std::string& prefix, const std::filesystem::path& folder)
{
    std::lock_guard lock(mutex_);
    folderPrefix_ = prefix;
    folder_ = folder;
}

Reply LocalHttpServer::replyFor(const std::string& path) const
{
    if (const auto found = replies_.find(path); found != replies_.end())
        return found->second;
    if (!folder_.empty() && path.size() > folderPrefix_.size() &&
        path.compare(0, folderPrefix_.size(), folderPrefix_) == 0) {
        const std::string name = path.substr(folderPrefix_.size());
        const std::filesystem::path file = folder_ / name;
        std::error_code ec;
        if (name.find('/') == std::string::npos && name != "." && name != ".." &&
            std::filesystem::is_regular_file(file, ec)) {
            std::ifstream in(file, std::ios::binary);
            std::ostringstream contents;
            contents << in.rdbuf();
            return Reply{200, contents.str()};
        }
    }
    return Reply{404, "not here"};
}

std::string LocalHttpServer::base() const
{
    return "http://127.0.0.1:" + std::to_string(port_) + "/kivobluetoothmanager/";
}

int LocalHttpServer::requestCount(const std::string& path) const
{
    std::lock_guard lock(mutex_);
    const auto found = counts_.find(path);
    return found == counts_.end() ? 0 : found->second;
}

std::vector<std::string> LocalHttpServer::requestedPaths() const
{
    std::lock_guard lock(mutex_);
    return requested_;
}

std::string LocalHttpServer::lastRequest() const
{
    std::lock_guard lock(mutex_);
    return lastRequest_;
}

void LocalHttpServer::run()
{
    while (!stop_.load()) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) <= 0 || (fds[1].revents & POLLIN))
            continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0)
            answer(connection);
    }
}

void LocalHttpServer::answer(int connection)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd fd{connection, POLLIN, 0};
        if (::poll(&fd, 1, 2000) <= 0)
            break;
        const ssize_t got = ::read(connection, buffer, sizeof buffer);
        if (got <= 0)
            break;
        request.append(buffer, static_cast<size_t>(got));
    }
    // "GET /path HTTP/1.1"
    const size_t start = request.find(' ');
    const size_t end = start == std::string::npos ? start : request.find(' ', start + 1);
    const std::string path = end == std::string::npos ? "" : request.substr(start + 1, end - start - 1);

    Reply reply;
    {
        std::lock_guard lock(mutex_);
        ++counts_[path];
        requested_.push_back(path);
        lastRequest_ = request;
        reply = replyFor(path);
    }
    if (reply.neverAnswer) {
        held_.push_back(connection);
        return;
    }
    if (reply.firstByteDelay.count() > 0)
        waitOrStop(reply.firstByteDelay);
    const std::string length = reply.noLength
        ? std::string()
        : "Content-Length: " + std::to_string(reply.announcedLength.value_or(reply.body.size() + reply.filler)) +
            "\r\n";
    const std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) +
        "\r\nContent-Type: text/plain\r\n" + length + "Connection: close\r\n\r\n";
    const size_t body_end = std::min(reply.body.size(), reply.cutAfter.value_or(reply.body.size()));
    bool sent_all = sendAll(connection, head);
    for (size_t at = 0; sent_all && at < body_end;) {
        const size_t block = reply.chunkSize > 0 ? std::min(reply.chunkSize, body_end - at) : body_end - at;
        sent_all = sendAll(connection, std::string_view(reply.body).substr(at, block));
        at += block;
        if (at < body_end && reply.chunkPause.count() > 0 && waitOrStop(reply.chunkPause))
            break;
    }
    const std::string filler(64 * 1024, 'f');
    for (std::uint64_t left = reply.filler; sent_all && left > 0;) {
        const auto block = static_cast<size_t>(std::min<std::uint64_t>(left, filler.size()));
        sent_all = sendAll(connection, std::string_view(filler).substr(0, block));
        left -= block;
    }
    if (reply.cutAfter && reply.stallAfterCut) {
        held_.push_back(connection);
        return;
    }
    ::close(connection);
}

bool LocalHttpServer::sendAll(int connection, std::string_view bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

bool LocalHttpServer::waitOrStop(std::chrono::milliseconds pause)
{
    // Woken early when the server stops.
    pollfd wake{wake_[0], POLLIN, 0};
    return ::poll(&wake, 1, static_cast<int>(pause.count())) > 0;
}

std::string closed_local_base()
{
    // A port the system just handed out and nobody listens on.
    int port = 0;
    ::close(bound_socket(port));
    return "http://127.0.0.1:" + std::to_string(port) + "/kivobluetoothmanager/";
}

} // namespace testnet
