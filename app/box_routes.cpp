#include "app/box_routes.h"

#include <iterator>

namespace kivo {

void BoxRoutes::add(MessageBoxPurpose purpose, const void* owner, BoxRoute route)
{
    routes_.insert_or_assign(purpose_number(purpose), Entry{owner, std::move(route)});
}

void BoxRoutes::dropRoutesOf(const void* owner)
{
    if (owner == nullptr)
        return;
    std::erase_if(routes_, [owner](const auto& entry) { return entry.second.owner == owner; });
}

bool BoxRoutes::answer(int purpose, bool ok) const
{
    const auto it = routes_.find(purpose);
    if (it == routes_.end())
        return false;
    // A copy: the handler may switch pages, which changes the routes.
    const std::function<void()> handler = ok ? it->second.route.ok : it->second.route.cancel;
    if (handler)
        handler();
    return true;
}

} // namespace kivo
