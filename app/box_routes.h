#pragma once
// Where the answers of the one message box go. The page that opens a box of a purpose registers
// what OK and Cancel do; the shell registers the purposes any page may open (home, quit, help).
// The controller's answer is a lookup that names no page. A page's routes are dropped when the
// page is left, so a late answer to its box reaches nobody. Main thread only.

#include <functional>
#include <map>

#include "common/page_ids.h"

namespace kivo {

struct BoxRoute {
    std::function<void()> ok;
    std::function<void()> cancel;
};

class BoxRoutes {
public:
    // owner: the page the answer goes to, or nullptr for the shell (never dropped). A later route
    // of the same purpose replaces the earlier one.
    void add(MessageBoxPurpose purpose, const void* owner, BoxRoute route);
    // The page was left: its routes go.
    void dropRoutesOf(const void* owner);
    // Runs the route of purpose for OK or Cancel; false when nobody takes it.
    bool answer(int purpose, bool ok) const;
    bool routed(MessageBoxPurpose purpose) const { return routes_.count(purpose_number(purpose)) != 0; }

private:
    struct Entry {
        const void* owner;
        BoxRoute route;
    };
    std::map<int, Entry> routes_;
};

} // namespace kivo
