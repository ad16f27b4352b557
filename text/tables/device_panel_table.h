#pragma once
// The recognized-device panel: its two lines when no device is recognized and while the device
// runs its firmware loader (device/products/panel_module_versions.h has the products whose version
// the panel reads from their modules).

#include "text/localized.h"

namespace kivo::text_tables {

// Name line and version line, by interface language.
inline constexpr LabelTable kNoDeviceNameLine{"No device", "Aucun appareil", "Kein Gerät", "Nessun dispositivo", "デバイスが", "장치 인식", "Ningún dispositivo", "Geen apparaat", "Устройство", "无设备", "EI laitetta", "ŽÁDNÉ zařízení", "BRAK urządzenia"};
inline constexpr LabelTable kNoDeviceVersionLine{"recognized", "n'est reconnu", "erkannt", "riconosciuto", "ありません", "안됨", "reconocido", "herkend", "НЕ Опознано", "已识别", "Tunnistettu", "Rozpoznané", "Rozpoznane"};
inline constexpr LabelTable kManagementNameLine{"Firmware", "Gestion du", "Firmware-", "Gestione", "ファームウェア", "펌웨어", "Gestión", "Firmware", "Управление", "固件", "Laiteohjelmisto", "Firmware", "Oprogramowanie układowe"};
inline constexpr LabelTable kManagementVersionLine{"Management", "micrologiciel", "Management", "Firmware", "管理", "관리", "Firmware", "Beheer", "Прошивкой", "管理", "Hallinta", "Správa", "Zarządzanie"};

} // namespace kivo::text_tables
