#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: it answers GETs from a table of paths and from the
// files of a folder, one connection at a time, on a thread of its own. Unknown paths get 404. A
// reply may come in paced blocks, break off part-way, stall or run on, as downloads meet them.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace testnet {

struct Reply {
    int status = 200;
    std::string body{};
    bool neverAnswer = false; // reads the request, then keeps the connection open and silent
    std::chrono::milliseconds firstByteDelay{0}; // waits this long before the first byte
    // Downloads: the body goes in blocks of chunkSize bytes (0: at once), with chunkPause after
    // each block but the last.
    std::size_t chunkSize = 0;
    std::chrono::milliseconds chunkPause{0};
    // Announces the whole body but sends only its first cutAfter bytes, then closes the connection,
    // or with stallAfterCut keeps it open and silent until the server stops.
    std::optional<std::size_t> cutAfter{};
    bool stallAfterCut = false;
    // The Content-Length header: the body's size, or announcedLength whatever the body holds, or
    // with noLength none at all (the body then ends where the connection closes).
    std::optional<std::uint64_t> announcedLength{};
    bool noLength = false;
    // That many filler bytes after body, made as they are sent: a large body the server need not
    // hold (counted in the Content-Length).
    std::uint64_t filler = 0;
};

class LocalHttpServer {
public:
    // On a port the system chooses, or on port.
    explicit LocalHttpServer(int port = 0);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // path as requested, e.g. "/kivobluetoothmanager/Software"
    void serve(const std::string& path, Reply reply);
    // Answers prefix + name with the file name in folder, read when asked for; only plain names of
    // regular files directly in the folder (no "/", no "." or ".."). The table goes first.
    void serveFolder(const std::string& prefix, const std::filesystem::path& folder);
    // "http://127.0.0.1:<port>/kivobluetoothmanager/", the shape of a firmware server's base.
    std::string base() const;
    int port() const { return port_; }
    // How often path was asked for, and the header lines of the last request.
    int requestCount(const std::string& path) const;
    // Every path asked for, in order.
    std::vector<std::string> requestedPaths() const;
    std::string lastRequest() const;

private:
    void run();
    void answer(int connection);
    // The reply for path: the table's, a file of the folder, or 404.
    Reply replyFor(const std::string& path) const;
    static bool sendAll(int connection, std::string_view bytes);
    // Waits for pause; true when the server is stopping.
    bool waitOrStop(std::chrono::milliseconds pause);

    int listener_ = -1;
    int wake_[2] = {-1, -1};
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    std::string folderPrefix_;
    std::filesystem::path folder_;
    std::map<std::string, int> counts_;
    std::vector<std::string> requested_;
    std::string lastRequest_;
    std::vector<int> held_;
    std::thread thread_;
};

// A base on 127.0.0.1 where nothing listens: every fetch fails at once.
std::string closed_local_base();

} // namespace testnet
