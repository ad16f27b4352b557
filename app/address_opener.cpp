#include "app/address_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <mutex>

namespace kivo {
namespace {

std::mutex opener_mutex;
AddressOpener custom_opener;

} // namespace

void open_address(const std::string& address)
{
    AddressOpener opener;
    {
        std::lock_guard lock(opener_mutex);
        opener = custom_opener;
    }
    if (opener)
        opener(address);
    else
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void set_address_opener(AddressOpener opener)
{
    std::lock_guard lock(opener_mutex);
    custom_opener = std::move(opener);
}

} // namespace kivo
