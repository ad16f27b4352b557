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
        &sheet_, &MessageBoxSheet::wakeRequested, &sheet_, [this] { serveRequests(); }, Qt::QueuedConnection);
}

int MessageBoxHost::open(const std::string& message, bool warning, const std::optional<std::string>& cancel,
                         const std::optional<std::string>& ok, int size, int purpose)
{
    int number = 0;
    {
        std::lock_guard lock(mutex_);
        number = ++lastNumber_;
        pending_ = PendingBox{message, warning, cancel, ok, size, purpose, number};
    }
    // Widgets belong to the main thread: a worker only wakes it, the request itself waits above.
    if (std::this_thread::get_id() == mainThread_)
        serveRequests();
    else
        emit sheet_.wakeRequested();
    return number;
}

void MessageBoxHost::serveRequests()
{
    std::optional<PendingBox> box;
    bool dismiss = false;
    {
        std::lock_guard lock(mutex_);
        box.swap(pending_);
        // The purpose travels with its box: a box still shown keeps its own until this one
        // replaces it.
        if (box) {
            purpose_ = box->purpose;
            shown_ = box->number;
        }
        if (closeWanted_ != 0 && closeWanted_ == shown_) {
            dismiss = true;
            purpose_ = 0;
            shown_ = 0;
        }
        closeWanted_ = 0;
    }
    if (box)
        sheet_.present(box->message, box->warning, box->cancel, box->ok, box->size);
    if (dismiss)
        sheet_.dismiss();
}

int MessageBoxHost::close()
{
    int purpose = 0;
    {
        std::lock_guard lock(mutex_);
        purpose = std::exchange(purpose_, 0);
        shown_ = 0;
    }
    sheet_.dismiss();
    return purpose;
}

int MessageBoxHost::close(int box)
{
    const bool on_main = std::this_thread::get_id() == mainThread_;
    int purpose = 0;
    {
        std::lock_guard lock(mutex_);
        if (pending_ && pending_->number == box) {
            // Never shown: it need not be.
            purpose = pending_->purpose;
            pending_.reset();
            return purpose;
        }
        if (box == 0 || box != shown_)
            return 0;
        if (!on_main) {
            closeWanted_ = box;
            purpose = purpose_;
        }
    }
    if (on_main)
        return close();
    emit sheet_.wakeRequested();
    return purpose;
}

int MessageBoxHost::purpose() const
{
    std::lock_guard lock(mutex_);
    return purpose_;
}

void MessageBoxHost::answer(bool ok) { routes_.answer(close(), ok); }

} // namespace kivo
