#pragma once
// The controller's one message box. Any thread may ask for it: the request waits in a guarded slot
// and the main thread is only woken to show it. The answer closes the box and goes where the
// routes of its purpose say.

#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/box_routes.h"

class MessageBoxSheet;

namespace kivo {

class MessageBoxHost {
public:
    explicit MessageBoxHost(MessageBoxSheet& sheet);

    void open(const std::string& message, bool warning, const std::optional<std::string>& cancel,
              const std::optional<std::string>& ok, int size, int purpose);
    // Closes the box (main thread); returns the purpose it was open for, 0 for none.
    int close();
    // The purpose of the box shown, 0 for none.
    int purpose() const;
    // Closes the box and runs the route of its purpose for OK or Cancel.
    void answer(bool ok);
    BoxRoutes& routes() { return routes_; }

private:
    struct PendingBox {
        std::string message;
        bool warning;
        std::optional<std::string> cancel;
        std::optional<std::string> ok;
        int size;
        int purpose;
    };
    void presentPending();

    MessageBoxSheet& sheet_;
    const std::thread::id mainThread_ = std::this_thread::get_id();
    mutable std::mutex mutex_;
    int purpose_ = 0;
    std::optional<PendingBox> pending_;
    BoxRoutes routes_;
};

} // namespace kivo
