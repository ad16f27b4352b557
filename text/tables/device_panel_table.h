#pragma once
// The recognized-device panel: its two lines when no device is recognized and while the device
// runs its firmware loader, and the products whose version the panel reads from their modules.

#include <array>
#include <cstdint>

#include "text/localized.h"

namespace kivo::text_tables {

// Name line and version line, by interface language.
inline constexpr LabelTable kNoDeviceNameLine{"No device", "Aucun appareil", "Kein Gerät", "Nessun dispositivo", "デバイスが", "장치 인식", "Ningún dispositivo", "Geen apparaat", "Устройство", "无设备", "EI laitetta", "ŽÁDNÉ zařízení", "BRAK urządzenia"};
inline constexpr LabelTable kNoDeviceVersionLine{"recognized", "n'est reconnu", "erkannt", "riconosciuto", "ありません", "안됨", "reconocido", "herkend", "НЕ Опознано", "已识别", "Tunnistettu", "Rozpoznané", "Rozpoznane"};
inline constexpr LabelTable kManagementNameLine{"Firmware", "Gestion du", "Firmware-", "Gestione", "ファームウェア", "펌웨어", "Gestión", "Firmware", "Управление", "固件", "Laiteohjelmisto", "Firmware", "Oprogramowanie układowe"};
inline constexpr LabelTable kManagementVersionLine{"Management", "micrologiciel", "Management", "Firmware", "管理", "관리", "Firmware", "Beheer", "Прошивкой", "管理", "Hallinta", "Správa", "Zarządzanie"};

// Products whose panel shows the firmware of their first module rather than the main quad.
inline constexpr std::array<std::uint16_t, 56> kFirstModuleVersionProducts{
    0x2030, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136,
    0x3140, 0x3142, 0x3143, 0x3144, 0x3146, 0x3148, 0x3150, 0x3152, 0x3154, 0x3156, 0x3161, 0x3170,
    0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C,
    0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3320, 0x3800, 0x3900, 0x4210, 0x4310, 0x4330,
    0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x5345, 0x6500, 0x6510};

// Products with a second module, whose version the panel adds when it differs from the first.
inline constexpr std::array<std::uint16_t, 10> kSecondModuleProducts{
    0x2030, 0x4210, 0x4310, 0x4330, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x5345};

} // namespace kivo::text_tables
