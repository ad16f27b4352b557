#include "app/message_box_host.h"

#include <QObject>

#include <utility>

#include "app/message_box_sheet.h"

namespace kivo {

MessageBoxHost::MessageBoxHost(MessageBoxSheet& sheet)
    : sheet_(sheet)
{
    // Connected here, on the main thread, so that a worker's wake only queues an event inside Qt.
    QObject::connect(
        &sheet_, &MessageBoxSheet::wakeRequested, &sheet_, [this] { presentPending(); }, Qt::QueuedConnection);
}

void MessageBoxHost::open(const std::string& message, bool warning, const std::optional<std::string>& cancel,
                          const std::optional<std::string>& ok, int size, int purpose)
{
    {
        std::lock_guard lock(mutex_);
        pending_ = PendingBox{message, warning, cancel, ok, size, purpose};
    }
    // Widgets belong to the main thread: a worker only wakes it, the request itself waits above.
    if (std::this_thread::get_id() == mainThread_)
        presentPending();
    else
        emit sheet_.wakeRequested();
}

void MessageBoxHost::presentPending()
{
    std::optional<PendingBox> box;
    {
        std::lock_guard lock(mutex_);
        box.swap(pending_);
        // The purpose travels with its box: a box still shown keeps its own until this one
        // replaces it.
        if (box)
            purpose_ = box->purpose;
    }
    if (box)
        sheet_.present(box->message, box->warning, box->cancel, box->ok, box->size);
}

int MessageBoxHost::close()
{
    int purpose = 0;
    {
        std::lock_guard lock(mutex_);
        purpose = std::exchange(purpose_, 0);
    }
    sheet_.dismiss();
    return purpose;
}

int MessageBoxHost::purpose() const
{
    std::lock_guard lock(mutex_);
    return purpose_;
}

void MessageBoxHost::answer(bool ok) { routes_.answer(close(), ok); }

} // namespace kivo
