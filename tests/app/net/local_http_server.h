#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: it answers GETs from a table of paths, one connection
// at a time, on a thread of its own. Unknown paths get 404.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testnet {

struct Reply {
    int status = 200;
    std::string body;
    bool neverAnswer = false; // reads the request, then keeps the connection open and silent
    int delayMs = 0; // answers this long after the request
};

class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // path as requested, e.g. "/kivobluetoothmanager/Software"
    void serve(const std::string& path, Reply reply);
    // "http://127.0.0.1:<port>/kivobluetoothmanager/", the shape of a firmware server's base.
    std::string base() const;
    int port() const { return port_; }
    // How often path was asked for, and the header lines of the last request.
    int requestCount(const std::string& path) const;
    std::string lastRequest() const;

private:
    void run();
    void answer(int connection);

    int listener_ = -1;
    int wake_[2] = {-1, -1};
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    std::map<std::string, int> counts_;
    std::string lastRequest_;
    std::vector<int> held_;
    std::thread thread_;
};

// A base on 127.0.0.1 where nothing listens: every fetch fails at once.
std::string closed_local_base();

} // namespace testnet
