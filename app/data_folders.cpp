#include "app/data_folders.h"

#include <QStandardPaths>

namespace kivo {
namespace {
constexpr char kArchiveFolderName[] = "VARGOZeltraDeviceManagerArchive";
}

std::filesystem::path archive_folder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(base.toStdString()) / kArchiveFolderName;
}

std::filesystem::path configuration_folder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(base.toStdString()) / kArchiveFolderName;
}

} // namespace kivo
