#include "app/data_folders.h"

#include <QStandardPaths>

#include <mutex>

namespace kivo {
namespace {
constexpr char kArchiveFolderName[] = "VARGOZeltraDeviceManagerArchive";
constexpr char kDownloadRecordsFolderName[] = "downloads-under-way";
std::mutex folder_mutex;
std::filesystem::path chosen_archive_folder;
} // namespace

std::filesystem::path archive_folder()
{
    {
        std::lock_guard lock(folder_mutex);
        if (!chosen_archive_folder.empty())
            return chosen_archive_folder;
    }
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(base.toStdString()) / kArchiveFolderName;
}

void set_archive_folder(std::filesystem::path folder)
{
    std::lock_guard lock(folder_mutex);
    chosen_archive_folder = std::move(folder);
}

std::filesystem::path download_records_folder() { return archive_folder() / kDownloadRecordsFolderName; }

std::filesystem::path configuration_folder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(base.toStdString()) / kArchiveFolderName;
}

} // namespace kivo
