#pragma once
// The controller's one message box. Any thread may ask for it: the request waits in a guarded slot
// and the main thread is only woken to show it. The answer closes the box and goes where the
// routes of its purpose say. Each box gets a number when it is asked for; a close that names a box
// closes only that one, so a worker's late close never dismisses a box opened after its own.

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

    // Returns the number of the box.
    int open(const std::string& message, bool warning, const std::optional<std::string>& cancel,
             const std::optional<std::string>& ok, int size, int purpose);
    // Closes the box (main thread); returns the purpose it was open for, 0 for none.
    int close();
    // Closes the box of that number if it is still the one shown or waiting to be (any thread; off
    // the main thread the sheet goes when the main thread next runs). Returns the purpose kept for
    // it, 0 when it was no longer there.
    int close(int box);
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
        int number;
    };
    // Main thread: shows the box waiting and carries out a close a worker asked for.
    void serveRequests();

    MessageBoxSheet& sheet_;
    const std::thread::id mainThread_ = std::this_thread::get_id();
    mutable std::mutex mutex_;
    int purpose_ = 0;
    // The number of the box on screen (0: none), of the last handed out, of a close asked for.
    int shown_ = 0;
    int lastNumber_ = 0;
    int closeWanted_ = 0;
    std::optional<PendingBox> pending_;
    BoxRoutes routes_;
};

} // namespace kivo
