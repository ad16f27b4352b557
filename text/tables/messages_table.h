#pragma once
// Failure reasons, states, values and units.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr Translated kCannotOpenUsb{"Cannot open USB", {"Impossible d'ouvrir l'USB", "USB kann nicht geöffnet werden", "Impossibile aprire la porta USB", "USBを開けません", "USB를 열 수 없습니다", "No se puede abrir el USB", "Kan USB niet openen", "Не удается открыть USB", "无法打开USB", "USB:tä ei voi avata", "Nelze otevřít USB", "Nie można otworzyć USB"}};
inline constexpr Translated kFirmwareManagementMode{"Firmware management mode", {"Mode de gestion du firmware", "Firmware-Verwaltungsmodus", "Modalità di gestione firmware", "ファームウェア管理モード", "펌웨어 관리 모드", "Modo de gestión de firmware", "Firmwarebeheermodus", "Режим управления прошивкой", "固件管理模式", "Laiteohjelmiston hallintatila", "Režim správy firmwaru", "Tryb zarządzania firmware"}};
inline constexpr Translated kNotRecognizedDevice{"Not the recognized device", {"Ce n'est pas l'appareil reconnu", "Nicht das erkannte Gerät", "Non è il dispositivo riconosciuto", "認識されたデバイスではありません", "인식된 장치가 아닙니다", "No es el dispositivo reconocido", "Niet het herkende apparaat", "Это не распознанное устройство", "不是已识别的设备", "Ei tunnistettu laite", "Není to rozpoznané zařízení", "To nie jest rozpoznane urządzenie"}};
inline constexpr Translated kCannotMakeBackupFirmware{"Cannot make backup firmware", {"Impossible de sauvegarder le firmware", "Firmware-Sicherung nicht möglich", "Impossibile creare il backup del firmware", "ファームウェアのバックアップを作成できません", "펌웨어를 백업할 수 없습니다", "No se puede crear la copia de seguridad del firmware", "Kan geen back-up van de firmware maken", "Не удается создать резервную копию прошивки", "无法备份固件", "Laiteohjelmiston varmuuskopiota ei voi tehdä", "Nelze vytvořit zálohu firmwaru", "Nie można utworzyć kopii zapasowej firmware"}};
inline constexpr Translated kTryAgain{"Try again", {"Réessayez", "Versuchen Sie es erneut", "Riprova", "もう一度お試しください", "다시 시도하십시오", "Inténtelo de nuevo", "Probeer het opnieuw", "Повторите попытку", "请重试", "Yritä uudelleen", "Zkuste to znovu", "Spróbuj ponownie"}};
inline constexpr Translated kCameraUpdateFail{"Camera firmware update failed", {"Échec de la mise à jour du firmware de la caméra", "Aktualisierung der Kamera-Firmware fehlgeschlagen", "Aggiornamento del firmware della videocamera non riuscito", "カメラのファームウェア更新に失敗しました", "카메라 펌웨어 업데이트에 실패했습니다", "Error al actualizar el firmware de la cámara", "Bijwerken van camerafirmware mislukt", "Не удалось обновить прошивку камеры", "相机固件更新失败", "Kameran laiteohjelmiston päivitys epäonnistui", "Aktualizace firmwaru kamery se nezdařila", "Aktualizacja firmware kamery nie powiodła się"}};
inline constexpr Translated kCheckSdCard{"Check your SD Card", {"Vérifiez votre carte SD", "Überprüfen Sie Ihre SD-Karte", "Controlla la scheda SD", "SDカードを確認してください", "SD 카드를 확인하십시오", "Compruebe la tarjeta SD", "Controleer uw SD-kaart", "Проверьте SD-карту", "请检查SD卡", "Tarkista SD-kortti", "Zkontrolujte kartu SD", "Sprawdź kartę SD"}};
inline constexpr Translated kCannotUpdateBriskoEvo{
    "Firmware version is not supported by the Brisko EVO. Update to the latest version of Brisko EVO firmware.",
    {"Cette version du firmware n'est pas prise en charge par le Brisko EVO. Mettez à jour le Brisko EVO avec la dernière version du firmware.",
     "Diese Firmware-Version wird vom Brisko EVO nicht unterstützt. Aktualisieren Sie den Brisko EVO auf die neueste Firmware-Version.",
     "La versione del firmware non è supportata dal Brisko EVO. Aggiorna il Brisko EVO all'ultima versione del firmware.",
     "このファームウェアバージョンはBrisko EVOでサポートされていません。Brisko EVOのファームウェアを最新バージョンに更新してください。",
     "이 펌웨어 버전은 Brisko EVO에서 지원되지 않습니다. Brisko EVO 펌웨어를 최신 버전으로 업데이트하십시오.",
     "El Brisko EVO no admite esta versión del firmware. Actualice el Brisko EVO a la última versión del firmware.",
     "Deze firmwareversie wordt niet ondersteund door de Brisko EVO. Werk de Brisko EVO bij naar de nieuwste firmwareversie.",
     "Эта версия прошивки не поддерживается Brisko EVO. Обновите Brisko EVO до последней версии прошивки.",
     "Brisko EVO不支持此固件版本。请将Brisko EVO固件更新到最新版本。",
     "Brisko EVO ei tue tätä laiteohjelmistoversiota. Päivitä Brisko EVO laiteohjelmiston uusimpaan versioon.",
     "Tato verze firmwaru není zařízením Brisko EVO podporována. Aktualizujte Brisko EVO na nejnovější verzi firmwaru.",
     "Ta wersja firmware nie jest obsługiwana przez Brisko EVO. Zaktualizuj Brisko EVO do najnowszej wersji firmware."}};
inline constexpr Translated kRecognizedDeviceNotSelected{
    "Recognized device is not connected or is not the same as the connected device.\nSelect appropriate device.",
    {"L'appareil reconnu n'est pas connecté ou n'est pas l'appareil connecté.\nSélectionnez l'appareil approprié.",
     "Das erkannte Gerät ist nicht verbunden oder nicht mit dem verbundenen Gerät identisch.\nWählen Sie das passende Gerät aus.",
     "Il dispositivo riconosciuto non è collegato o non corrisponde al dispositivo collegato.\nSeleziona il dispositivo appropriato.",
     "認識されたデバイスが接続されていないか、接続されたデバイスと異なります。\n適切なデバイスを選択してください。",
     "인식된 장치가 연결되어 있지 않거나 연결된 장치와 다릅니다.\n알맞은 장치를 선택하십시오.",
     "El dispositivo reconocido no está conectado o no coincide con el dispositivo conectado.\nSeleccione el dispositivo adecuado.",
     "Het herkende apparaat is niet aangesloten of is niet hetzelfde als het aangesloten apparaat.\nSelecteer het juiste apparaat.",
     "Распознанное устройство не подключено или не совпадает с подключенным устройством.\nВыберите нужное устройство.",
     "已识别的设备未连接，或与已连接的设备不同。\n请选择正确的设备。",
     "Tunnistettua laitetta ei ole liitetty tai se ei ole sama kuin liitetty laite.\nValitse oikea laite.",
     "Rozpoznané zařízení není připojeno nebo se liší od připojeného zařízení.\nVyberte správné zařízení.",
     "Rozpoznane urządzenie nie jest podłączone lub różni się od podłączonego urządzenia.\nWybierz właściwe urządzenie."}};

// A date pattern (MM month, dd day, yyyy year, HH hour, mm minute, ss second) in each language's order.
inline constexpr Translated kDateFormat{"MM/dd/yyyy HH:mm:ss", {"dd/MM/yyyy HH:mm:ss", "dd.MM.yyyy HH:mm:ss", "dd/MM/yyyy HH:mm:ss", "yyyy/MM/dd HH:mm:ss", "yyyy.MM.dd HH:mm:ss", "dd/MM/yyyy HH:mm:ss", "dd-MM-yyyy HH:mm:ss", "dd.MM.yyyy HH:mm:ss", "yyyy/MM/dd HH:mm:ss", "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm:ss"}};
inline constexpr Translated kEnable{"Enable", {"Activer", "Aktivieren", "Attiva", "有効にする", "사용", "Activar", "Inschakelen", "Включить", "启用", "Ota käyttöön", "Povolit", "Włącz"}};
inline constexpr Translated kDisable{"Disable", {"Désactiver", "Deaktivieren", "Disattiva", "無効にする", "사용 안 함", "Desactivar", "Uitschakelen", "Выключить", "禁用", "Poista käytöstä", "Zakázat", "Wyłącz"}};
inline constexpr Translated kEnabled{"Enabled", {"Activé", "Aktiviert", "Attivato", "有効", "켜짐", "Activado", "Ingeschakeld", "Включено", "已启用", "Käytössä", "Povoleno", "Włączone"}};
inline constexpr Translated kDisabled{"Disabled", {"Désactivé", "Deaktiviert", "Disattivato", "無効", "꺼짐", "Desactivado", "Uitgeschakeld", "Выключено", "已禁用", "Ei käytössä", "Zakázáno", "Wyłączone"}};
inline constexpr Translated kSeconds{"seconds", {"secondes", "Sekunden", "secondi", "秒", "초", "segundos", "seconden", "секунд", "秒", "sekuntia", "sekund", "sekund"}};
inline constexpr Translated kVersion = italian_to_polish("Version", {"Versione", "バージョン", "버전", "Versión", "Versie", "Версия", "版本", "Versio", "Verze", "Wersja"});
inline constexpr Translated kFirmware{"firmware", {"firmware", "Firmware", "firmware", "ファームウェア", "펌웨어", "firmware", "firmware", "прошивка", "固件", "laiteohjelmisto", "firmware", "firmware"}};

} // namespace kivo::text_tables
