#pragma once
// Page titles and status texts by page mode. The by-mode tables hold modes 2 to 9 (entry mode-2);
// a null entry is a mode without that text.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr int kFirstMode = 2;
inline constexpr int kModeCount = 8;
using ByMode = std::array<const Translated*, kModeCount>;

inline constexpr const char* kModeNotAvailable = "MODE NOT AVAILABLE";

inline constexpr Translated kTitleManagerUpdate{"MANAGER UPDATE", {"MISE À JOUR DU GESTIONNAIRE", "MANAGER-AKTUALISIERUNG", "AGGIORNAMENTO MANAGER", "マネージャーのアップデート", "매니저 업데이트", "ACTUALIZACIÓN DEL GESTOR", "MANAGER BIJWERKEN", "ОБНОВЛЕНИЕ ПРОГРАММЫ", "管理器更新", "HALLINTAOHJELMAN PÄIVITYS", "AKTUALIZACE SPRÁVCE", "AKTUALIZACJA MENEDŻERA"}};
inline constexpr Translated kTitleWelcome{"WELCOME", {"BIENVENUE", "WILLKOMMEN", "BENVENUTO", "ようこそ", "환영합니다", "BIENVENIDO", "WELKOM", "ДОБРО ПОЖАЛОВАТЬ", "欢迎", "TERVETULOA", "VÍTEJTE", "WITAMY"}};
inline constexpr Translated kTitleDeviceRecognition{"DEVICE RECOGNITION", {"RECONNAISSANCE DE L'APPAREIL", "GERÄTEERKENNUNG", "RICONOSCIMENTO DISPOSITIVO", "デバイスの認識", "장치 인식", "RECONOCIMIENTO DEL DISPOSITIVO", "APPARAATHERKENNING", "РАСПОЗНАВАНИЕ УСТРОЙСТВА", "设备识别", "LAITTEEN TUNNISTUS", "ROZPOZNÁNÍ ZAŘÍZENÍ", "ROZPOZNAWANIE URZĄDZENIA"}};
inline constexpr Translated kTitleFirmwareUpdate{"FIRMWARE UPDATE", {"MISE À JOUR DU FIRMWARE", "FIRMWARE-AKTUALISIERUNG", "AGGIORNAMENTO FIRMWARE", "ファームウェアのアップデート", "펌웨어 업데이트", "ACTUALIZACIÓN DE FIRMWARE", "FIRMWARE BIJWERKEN", "ОБНОВЛЕНИЕ ПРОШИВКИ", "固件更新", "LAITEOHJELMISTON PÄIVITYS", "AKTUALIZACE FIRMWARU", "AKTUALIZACJA FIRMWARE"}};
inline constexpr Translated kTitleFirmwareRestore{"FIRMWARE RESTORE", {"RESTAURATION DU FIRMWARE", "FIRMWARE-WIEDERHERSTELLUNG", "RIPRISTINO FIRMWARE", "ファームウェアの復元", "펌웨어 복원", "RESTAURACIÓN DE FIRMWARE", "FIRMWARE HERSTELLEN", "ВОССТАНОВЛЕНИЕ ПРОШИВКИ", "固件恢复", "LAITEOHJELMISTON PALAUTUS", "OBNOVENÍ FIRMWARU", "PRZYWRACANIE FIRMWARE"}};
inline constexpr Translated kTitleDeviceSetting{"DEVICE SETTING", {"RÉGLAGES DE L'APPAREIL", "GERÄTEEINSTELLUNG", "IMPOSTAZIONI DISPOSITIVO", "デバイス設定", "장치 설정", "AJUSTES DEL DISPOSITIVO", "APPARAATINSTELLINGEN", "НАСТРОЙКИ УСТРОЙСТВА", "设备设置", "LAITTEEN ASETUKSET", "NASTAVENÍ ZAŘÍZENÍ", "USTAWIENIA URZĄDZENIA"}};

inline constexpr ByMode kModeTitles = {&kTitleManagerUpdate, &kTitleWelcome, &kTitleDeviceRecognition, &kTitleFirmwareUpdate, &kTitleFirmwareRestore, &kTitleDeviceSetting, &kTitleDeviceSetting, &kTitleDeviceSetting};

// "continue the firmware %@" with the word for update (mode 5) or restore (any other mode).
inline constexpr Translated kContinueTheFirmware{"continue the firmware %@", {"continuez la %@ du firmware", "Firmware-%@ fortsetzen", "continua il %@ del firmware", "ファームウェアの%@を続行してください", "펌웨어 %@ 계속 진행", "continúe la %@ del firmware", "ga verder met het %@ van de firmware", "продолжите %@ прошивки", "继续固件%@", "jatka laiteohjelmiston %@", "pokračujte v %@ firmwaru", "kontynuuj %@ firmware"}};
inline constexpr Translated kContinueWordUpdate{"update", {"mise à jour", "Aktualisierung", "aggiornamento", "アップデート", "업데이트", "actualización", "bijwerken", "обновление", "更新", "päivitystä", "aktualizaci", "aktualizację"}};
inline constexpr Translated kContinueWordRestore{"restore", {"restauration", "Wiederherstellung", "ripristino", "復元", "복원", "restauración", "herstellen", "восстановление", "恢复", "palautusta", "obnovení", "przywracanie"}};

// Default statuses: "Ready for <mode title>", the same with a reason (filled in two steps: the
// reason first, then the title), and the home page's "Press NEXT to proceed.".
inline constexpr Translated kReadyFor{"Ready for %@", {"Prêt pour %@", "Bereit für %@", "Pronto per %@", "%@の準備ができました", "%@ 준비 완료", "Listo para %@", "Klaar voor %@", "Готово: %@", "%@准备就绪", "Valmis: %@", "Připraveno: %@", "Gotowe: %@"}};
inline constexpr Translated kReadyForWithReason{"Ready for %%@. %@", {"Prêt pour %%@. %@", "Bereit für %%@. %@", "Pronto per %%@. %@", "%%@の準備ができました。%@", "%%@ 준비 완료. %@", "Listo para %%@. %@", "Klaar voor %%@. %@", "Готово: %%@. %@", "%%@准备就绪。%@", "Valmis: %%@. %@", "Připraveno: %%@. %@", "Gotowe: %%@. %@"}};
inline constexpr Translated kPressToProceed{"Press %@ to proceed.", {"Appuyez sur %@ pour continuer.", "Drücken Sie %@, um fortzufahren.", "Premi %@ per procedere.", "%@ボタンを押して続行してください。", "%@ 버튼을 눌러 계속하십시오.", "Pulse %@ para continuar.", "Druk op %@ om verder te gaan.", "Нажмите %@, чтобы продолжить.", "按%@继续。", "Jatka painamalla %@.", "Pokračujte stisknutím %@.", "Naciśnij %@, aby kontynuować."}};

inline constexpr Translated kOnUpdatingManager{"On updating manager.", {"Mise à jour du gestionnaire en cours.", "Manager wird aktualisiert.", "Aggiornamento del manager in corso.", "マネージャーをアップデートしています。", "매니저를 업데이트하는 중입니다.", "Actualizando el gestor.", "Manager wordt bijgewerkt.", "Обновление программы.", "正在更新管理器。", "Päivitetään hallintaohjelmaa.", "Probíhá aktualizace správce.", "Trwa aktualizacja menedżera."}};
inline constexpr Translated kOnSelectingDevice{"On selecting device.", {"Sélection de l'appareil en cours.", "Gerät wird ausgewählt.", "Selezione del dispositivo in corso.", "デバイスを選択しています。", "장치를 선택하는 중입니다.", "Seleccionando el dispositivo.", "Apparaat wordt geselecteerd.", "Выбор устройства.", "正在选择设备。", "Valitaan laitetta.", "Probíhá výběr zařízení.", "Trwa wybieranie urządzenia."}};
inline constexpr Translated kOnRecognizingDevice{"On recognizing device.", {"Reconnaissance de l'appareil en cours.", "Gerät wird erkannt.", "Riconoscimento del dispositivo in corso.", "デバイスを認識しています。", "장치를 인식하는 중입니다.", "Reconociendo el dispositivo.", "Apparaat wordt herkend.", "Распознавание устройства.", "正在识别设备。", "Tunnistetaan laitetta.", "Probíhá rozpoznávání zařízení.", "Trwa rozpoznawanie urządzenia."}};
inline constexpr Translated kOnUpdatingFirmware{"On updating firmware.", {"Mise à jour du firmware en cours.", "Firmware wird aktualisiert.", "Aggiornamento del firmware in corso.", "ファームウェアをアップデートしています。", "펌웨어를 업데이트하는 중입니다.", "Actualizando el firmware.", "Firmware wordt bijgewerkt.", "Обновление прошивки.", "正在更新固件。", "Päivitetään laiteohjelmistoa.", "Probíhá aktualizace firmwaru.", "Trwa aktualizacja firmware."}};
inline constexpr Translated kOnRestoringFirmware{"On restoring firmware.", {"Restauration du firmware en cours.", "Firmware wird wiederhergestellt.", "Ripristino del firmware in corso.", "ファームウェアを復元しています。", "펌웨어를 복원하는 중입니다.", "Restaurando el firmware.", "Firmware wordt hersteld.", "Восстановление прошивки.", "正在恢复固件。", "Palautetaan laiteohjelmistoa.", "Probíhá obnovení firmwaru.", "Trwa przywracanie firmware."}};
inline constexpr Translated kOnSavingDeviceSetting{"On saving device setting.", {"Enregistrement des réglages en cours.", "Geräteeinstellung wird gespeichert.", "Salvataggio delle impostazioni in corso.", "デバイス設定を保存しています。", "장치 설정을 저장하는 중입니다.", "Guardando los ajustes del dispositivo.", "Apparaatinstellingen worden opgeslagen.", "Сохранение настроек устройства.", "正在保存设备设置。", "Tallennetaan laitteen asetuksia.", "Probíhá ukládání nastavení zařízení.", "Trwa zapisywanie ustawień urządzenia."}};

inline constexpr ByMode kProcessing = {&kOnUpdatingManager, &kOnSelectingDevice, &kOnRecognizingDevice, &kOnUpdatingFirmware, &kOnRestoringFirmware, &kOnSavingDeviceSetting, &kOnSavingDeviceSetting, &kOnSavingDeviceSetting};

inline constexpr Translated kManagerNotUpdated{"Manager not updated", {"Gestionnaire non mis à jour", "Manager nicht aktualisiert", "Manager non aggiornato", "マネージャーはアップデートされていません", "매니저가 업데이트되지 않았습니다", "Gestor no actualizado", "Manager niet bijgewerkt", "Программа не обновлена", "管理器未更新", "Hallintaohjelmaa ei päivitetty", "Správce nebyl aktualizován", "Menedżer nie został zaktualizowany"}};
// Filled by the home page with the product name and its next step.
inline constexpr Translated kDeviceSelected{"%@ selected. %@", {"%@ sélectionné. %@", "%@ ausgewählt. %@", "%@ selezionato. %@", "%@を選択しました。%@", "%@ 선택됨. %@", "%@ seleccionado. %@", "%@ geselecteerd. %@", "Выбрано: %@. %@", "已选择%@。%@", "%@ valittu. %@", "Vybráno: %@. %@", "Wybrano: %@. %@"}};
// Filled by recognition with the link's status and the page's next step.
inline constexpr Translated kDeviceRecognized{"%@. %@", {"%@. %@", "%@. %@", "%@. %@", "%@。%@", "%@. %@", "%@. %@", "%@. %@", "%@. %@", "%@。%@", "%@. %@", "%@. %@", "%@. %@"}};
inline constexpr Translated kFirmwareUpdated{"Firmware updated successfully", {"Firmware mis à jour avec succès", "Firmware erfolgreich aktualisiert", "Firmware aggiornato correttamente", "ファームウェアのアップデートが完了しました", "펌웨어가 업데이트되었습니다", "Firmware actualizado correctamente", "Firmware is bijgewerkt", "Прошивка успешно обновлена", "固件更新成功", "Laiteohjelmisto päivitettiin", "Firmware byl úspěšně aktualizován", "Firmware został zaktualizowany"}};
inline constexpr Translated kFirmwareRestored{"Firmware restored successfully", {"Firmware restauré avec succès", "Firmware erfolgreich wiederhergestellt", "Firmware ripristinato correttamente", "ファームウェアの復元が完了しました", "펌웨어가 복원되었습니다", "Firmware restaurado correctamente", "Firmware is hersteld", "Прошивка успешно восстановлена", "固件恢复成功", "Laiteohjelmisto palautettiin", "Firmware byl úspěšně obnoven", "Firmware został przywrócony"}};
inline constexpr Translated kDeviceSettingSaved{"Device setting saved successfully", {"Réglages de l'appareil enregistrés", "Geräteeinstellung erfolgreich gespeichert", "Impostazioni del dispositivo salvate", "デバイス設定を保存しました", "장치 설정이 저장되었습니다", "Ajustes del dispositivo guardados", "Apparaatinstellingen opgeslagen", "Настройки устройства сохранены", "设备设置保存成功", "Laitteen asetukset tallennettiin", "Nastavení zařízení bylo uloženo", "Ustawienia urządzenia zostały zapisane"}};

inline constexpr ByMode kSuccess = {&kManagerNotUpdated, &kDeviceSelected, &kDeviceRecognized, &kFirmwareUpdated, &kFirmwareRestored, &kDeviceSettingSaved, &kDeviceSettingSaved, &kDeviceSettingSaved};

inline constexpr Translated kFailedToUpdateManager{"Failed to update manager", {"Échec de la mise à jour du gestionnaire", "Aktualisierung des Managers fehlgeschlagen", "Aggiornamento del manager non riuscito", "マネージャーのアップデートに失敗しました", "매니저 업데이트에 실패했습니다", "Error al actualizar el gestor", "Bijwerken van de manager mislukt", "Не удалось обновить программу", "管理器更新失败", "Hallintaohjelman päivitys epäonnistui", "Aktualizace správce se nezdařila", "Nie udało się zaktualizować menedżera"}};
inline constexpr Translated kFailedToRecognizeDevice{"Failed to recognize device", {"Échec de la reconnaissance de l'appareil", "Gerät konnte nicht erkannt werden", "Riconoscimento del dispositivo non riuscito", "デバイスの認識に失敗しました", "장치 인식에 실패했습니다", "Error al reconocer el dispositivo", "Herkennen van het apparaat mislukt", "Не удалось распознать устройство", "设备识别失败", "Laitteen tunnistus epäonnistui", "Rozpoznání zařízení se nezdařilo", "Nie udało się rozpoznać urządzenia"}};
inline constexpr Translated kFailedToUpdateFirmware{"Failed to update firmware", {"Échec de la mise à jour du firmware", "Firmware-Aktualisierung fehlgeschlagen", "Aggiornamento del firmware non riuscito", "ファームウェアのアップデートに失敗しました", "펌웨어 업데이트에 실패했습니다", "Error al actualizar el firmware", "Bijwerken van de firmware mislukt", "Не удалось обновить прошивку", "固件更新失败", "Laiteohjelmiston päivitys epäonnistui", "Aktualizace firmwaru se nezdařila", "Nie udało się zaktualizować firmware"}};
inline constexpr Translated kFailedToRestoreFirmware{"Failed to restore firmware", {"Échec de la restauration du firmware", "Firmware-Wiederherstellung fehlgeschlagen", "Ripristino del firmware non riuscito", "ファームウェアの復元に失敗しました", "펌웨어 복원에 실패했습니다", "Error al restaurar el firmware", "Herstellen van de firmware mislukt", "Не удалось восстановить прошивку", "固件恢复失败", "Laiteohjelmiston palautus epäonnistui", "Obnovení firmwaru se nezdařilo", "Nie udało się przywrócić firmware"}};
inline constexpr Translated kFailedToSaveDeviceSetting{"Failed to save device setting", {"Échec de l'enregistrement des réglages", "Geräteeinstellung konnte nicht gespeichert werden", "Salvataggio delle impostazioni non riuscito", "デバイス設定の保存に失敗しました", "장치 설정 저장에 실패했습니다", "Error al guardar los ajustes del dispositivo", "Opslaan van apparaatinstellingen mislukt", "Не удалось сохранить настройки устройства", "设备设置保存失败", "Laitteen asetusten tallennus epäonnistui", "Uložení nastavení zařízení se nezdařilo", "Nie udało się zapisać ustawień urządzenia"}};

// The home page (mode 3) has no failure text.
inline constexpr ByMode kFailure = {&kFailedToUpdateManager, nullptr, &kFailedToRecognizeDevice, &kFailedToUpdateFirmware, &kFailedToRestoreFirmware, &kFailedToSaveDeviceSetting, &kFailedToSaveDeviceSetting, &kFailedToSaveDeviceSetting};

} // namespace kivo::text_tables
