#pragma once
// The update and restore pages and the update worker: status fragments, the loaders' messages,
// download texts, button titles and the pages' messages. Texts in lower case continue a status
// line after the page's processing or failure text.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

// Status texts of the worker and the loaders.
inline constexpr Translated kNoBackupFirmware{"NO backup firmware", {"PAS de micrologiciel de sauvegarde", "KEINE Backup-Firmware", "NESSUN Backup Firmware", "バックアップファームウェアがありません", "백업 펌웨어 없음", "Sin firmware respaldo", "GEEN back-up-firmware", "НЕТ резервной копии прошивки", "无备份固件", "EI laiteohjelmiston varmuuskopiota", "ŽÁDNÁ záloha firmwaru", "BRAK kopii zapasowej oprogramowania układowego"}};
inline constexpr Translated kCheckingFirmware{"Checking firmware", {"Vérification du firmware", "Firmware wird geprüft", "Verifica del firmware", "ファームウェアを確認しています", "펌웨어 확인 중", "Comprobando el firmware", "Firmware wordt gecontroleerd", "Проверка прошивки", "正在检查固件", "Tarkistetaan laiteohjelmistoa", "Kontrola firmwaru", "Sprawdzanie firmware"}};
inline constexpr Translated kCheckingBackupFirmware{"Checking backup firmware", {"Vérification du firmware de sauvegarde", "Backup-Firmware wird geprüft", "Verifica del firmware di backup", "バックアップファームウェアを確認しています", "백업 펌웨어 확인 중", "Comprobando el firmware de respaldo", "Back-upfirmware wordt gecontroleerd", "Проверка резервной прошивки", "正在检查备份固件", "Tarkistetaan varmuuskopioitua laiteohjelmistoa", "Kontrola zálohy firmwaru", "Sprawdzanie kopii zapasowej firmware"}};
inline constexpr Translated kCannotAccessFirmware{"Cannot access firmware", {"Impossible d'accéder au firmware", "Kein Zugriff auf die Firmware", "Impossibile accedere al firmware", "ファームウェアにアクセスできません", "펌웨어에 접근할 수 없습니다", "No se puede acceder al firmware", "Geen toegang tot de firmware", "Нет доступа к прошивке", "无法访问固件", "Laiteohjelmistoon ei päästä käsiksi", "Nelze získat přístup k firmwaru", "Brak dostępu do firmware"}};
inline constexpr Translated kCannotAllocateFileBuffer{"Cannot allocate file buffer", {"Impossible d'allouer la mémoire tampon du fichier", "Dateipuffer kann nicht reserviert werden", "Impossibile allocare il buffer del file", "ファイルバッファを確保できません", "파일 버퍼를 할당할 수 없습니다", "No se puede asignar el búfer del archivo", "Kan geen bestandsbuffer toewijzen", "Не удается выделить буфер для файла", "无法分配文件缓冲区", "Tiedostopuskuria ei voi varata", "Nelze přidělit vyrovnávací paměť souboru", "Nie można przydzielić bufora pliku"}};
inline constexpr Translated kCannotOpenFirmware{"Cannot open firmware", {"Impossible d'ouvrir le firmware", "Firmware kann nicht geöffnet werden", "Impossibile aprire il firmware", "ファームウェアを開けません", "펌웨어를 열 수 없습니다", "No se puede abrir el firmware", "Kan firmware niet openen", "Не удается открыть прошивку", "无法打开固件", "Laiteohjelmistoa ei voi avata", "Nelze otevřít firmware", "Nie można otworzyć firmware"}};
inline constexpr Translated kCannotLoadFirmware{"Cannot load firmware", {"Impossible de charger le firmware", "Firmware kann nicht geladen werden", "Impossibile caricare il firmware", "ファームウェアを読み込めません", "펌웨어를 불러올 수 없습니다", "No se puede cargar el firmware", "Kan firmware niet laden", "Не удается прочитать прошивку", "无法加载固件", "Laiteohjelmistoa ei voi lukea", "Nelze načíst firmware", "Nie można wczytać firmware"}};
inline constexpr Translated kCorruptedFirmware{"Firmware corrupted", {"Firmware endommagé", "Firmware beschädigt", "Firmware danneggiato", "ファームウェアが破損しています", "펌웨어가 손상되었습니다", "Firmware dañado", "Firmware beschadigd", "Прошивка повреждена", "固件已损坏", "Laiteohjelmisto on vioittunut", "Firmware je poškozený", "Firmware jest uszkodzony"}};
inline constexpr Translated kFinishedCheckingFirmware{"Finished checking firmware", {"Vérification du firmware terminée", "Firmware-Prüfung abgeschlossen", "Verifica del firmware completata", "ファームウェアの確認が完了しました", "펌웨어 확인 완료", "Comprobación del firmware finalizada", "Controle van de firmware voltooid", "Проверка прошивки завершена", "固件检查完成", "Laiteohjelmisto tarkistettu", "Kontrola firmwaru dokončena", "Sprawdzanie firmware zakończone"}};
inline constexpr Translated kWithoutBackupFirmware{"without backup firmware", {"sans firmware de sauvegarde", "ohne Backup-Firmware", "senza firmware di backup", "ファームウェアのバックアップなし", "백업 펌웨어 없이", "sin firmware de respaldo", "zonder back-upfirmware", "без резервной копии прошивки", "不备份固件", "ilman laiteohjelmiston varmuuskopiota", "bez zálohy firmwaru", "bez kopii zapasowej firmware"}};
inline constexpr Translated kAboutToMakeBackupFirmware{"about to make backup firmware", {"sur le point de sauvegarder le firmware", "Firmware-Sicherung wird vorbereitet", "in procinto di creare il backup del firmware", "ファームウェアのバックアップを作成します", "펌웨어 백업 준비 중", "a punto de crear la copia de seguridad del firmware", "back-up van de firmware wordt voorbereid", "подготовка резервной копии прошивки", "即将备份固件", "laiteohjelmiston varmuuskopiointi alkaa", "připravuje se záloha firmwaru", "przygotowywanie kopii zapasowej firmware"}};
inline constexpr Translated kCannotGetDevice{"Cannot get device", {"Impossible d'obtenir l'appareil", "Gerät nicht verfügbar", "Impossibile ottenere il dispositivo", "デバイスを取得できません", "장치를 가져올 수 없습니다", "No se puede obtener el dispositivo", "Kan apparaat niet ophalen", "Не удается получить устройство", "无法获取设备", "Laitetta ei saada käyttöön", "Nelze získat zařízení", "Nie można uzyskać urządzenia"}};
inline constexpr Translated kCannotOpenDevice{"Cannot open device", {"Impossible d'ouvrir l'appareil", "Gerät kann nicht geöffnet werden", "Impossibile aprire il dispositivo", "デバイスを開けません", "장치를 열 수 없습니다", "No se puede abrir el dispositivo", "Kan apparaat niet openen", "Не удается открыть устройство", "无法打开设备", "Laitetta ei voi avata", "Nelze otevřít zařízení", "Nie można otworzyć urządzenia"}};
inline constexpr Translated kCannotClaimDevice{"Cannot claim device", {"Impossible de réserver l'appareil", "Gerät kann nicht belegt werden", "Impossibile acquisire il dispositivo", "デバイスを占有できません", "장치를 점유할 수 없습니다", "No se puede reservar el dispositivo", "Kan apparaat niet claimen", "Не удается захватить устройство", "无法占用设备", "Laitetta ei voi varata", "Nelze převzít zařízení", "Nie można przejąć urządzenia"}};
inline constexpr Translated kCannotGetStatus{"Cannot get status", {"Impossible d'obtenir l'état", "Status kann nicht abgefragt werden", "Impossibile ottenere lo stato", "ステータスを取得できません", "상태를 가져올 수 없습니다", "No se puede obtener el estado", "Kan status niet opvragen", "Не удается получить состояние", "无法获取状态", "Tilaa ei voi lukea", "Nelze zjistit stav", "Nie można odczytać stanu"}};
inline constexpr Translated kCannotClearStatus{"Cannot clear status", {"Impossible d'effacer l'état", "Status kann nicht zurückgesetzt werden", "Impossibile azzerare lo stato", "ステータスをクリアできません", "상태를 지울 수 없습니다", "No se puede borrar el estado", "Kan status niet wissen", "Не удается сбросить состояние", "无法清除状态", "Tilaa ei voi tyhjentää", "Nelze vymazat stav", "Nie można wyczyścić stanu"}};
inline constexpr Translated kCannotAbortPreviousAction{"Cannot abort previous action", {"Impossible d'interrompre l'action précédente", "Vorherige Aktion kann nicht abgebrochen werden", "Impossibile interrompere l'azione precedente", "前の操作を中止できません", "이전 작업을 중단할 수 없습니다", "No se puede cancelar la acción anterior", "Kan vorige actie niet afbreken", "Не удается прервать предыдущее действие", "无法中止上一个操作", "Edellistä toimintoa ei voi keskeyttää", "Nelze přerušit předchozí akci", "Nie można przerwać poprzedniej operacji"}};
inline constexpr Translated kCannotDetachDevice{"Cannot detach device", {"Impossible de détacher l'appareil", "Gerät kann nicht getrennt werden", "Impossibile scollegare il dispositivo", "デバイスを切り離せません", "장치를 분리할 수 없습니다", "No se puede desconectar el dispositivo", "Kan apparaat niet loskoppelen", "Не удается отключить устройство", "无法分离设备", "Laitetta ei voi irrottaa", "Nelze odpojit zařízení", "Nie można odłączyć urządzenia"}};
inline constexpr Translated kCannotIdentifyDevice{"Cannot identify device", {"Impossible d'identifier l'appareil", "Gerät kann nicht identifiziert werden", "Impossibile identificare il dispositivo", "デバイスを識別できません", "장치를 식별할 수 없습니다", "No se puede identificar el dispositivo", "Kan apparaat niet identificeren", "Не удается определить устройство", "无法识别设备", "Laitetta ei voi tunnistaa", "Nelze identifikovat zařízení", "Nie można zidentyfikować urządzenia"}};
inline constexpr Translated kCannotUseDevice{"Cannot use device", {"Impossible d'utiliser l'appareil", "Gerät kann nicht verwendet werden", "Impossibile utilizzare il dispositivo", "デバイスを使用できません", "장치를 사용할 수 없습니다", "No se puede usar el dispositivo", "Kan apparaat niet gebruiken", "Не удается использовать устройство", "无法使用设备", "Laitetta ei voi käyttää", "Nelze použít zařízení", "Nie można użyć urządzenia"}};
inline constexpr Translated kAborting{"aborting", {"interruption", "Abbruch", "interruzione", "中止しています", "중단하는 중", "cancelando", "wordt afgebroken", "прерывание", "正在中止", "keskeytetään", "přerušuje se", "przerywanie"}};
inline constexpr Translated kCannotUpdateNextBlock{"Cannot update next block", {"Impossible de mettre à jour le bloc suivant", "Nächster Block kann nicht aktualisiert werden", "Impossibile aggiornare il blocco successivo", "次のブロックを更新できません", "다음 블록을 업데이트할 수 없습니다", "No se puede actualizar el bloque siguiente", "Kan volgend blok niet bijwerken", "Не удается обновить следующий блок", "无法更新下一个数据块", "Seuraavaa lohkoa ei voi päivittää", "Nelze aktualizovat další blok", "Nie można zaktualizować następnego bloku"}};
inline constexpr Translated kCannotSendFinalBlock{"Cannot send final block", {"Impossible d'envoyer le dernier bloc", "Letzter Block kann nicht gesendet werden", "Impossibile inviare l'ultimo blocco", "最後のブロックを送信できません", "마지막 블록을 보낼 수 없습니다", "No se puede enviar el último bloque", "Kan laatste blok niet verzenden", "Не удается отправить последний блок", "无法发送最后一个数据块", "Viimeistä lohkoa ei voi lähettää", "Nelze odeslat poslední blok", "Nie można wysłać ostatniego bloku"}};

// Server and downloads.
inline constexpr Translated kCannotConnectToTheServer{"Cannot connect to the server", {"Impossible de se connecter au serveur", "Keine Verbindung zum Server möglich", "Impossibile connettersi al server", "サーバーに接続できません", "서버에 연결할 수 없습니다", "No se puede conectar con el servidor", "Kan geen verbinding maken met de server", "Не удается подключиться к серверу", "无法连接到服务器", "Palvelimeen ei saada yhteyttä", "Nelze se připojit k serveru", "Nie można połączyć się z serwerem"}};
inline constexpr Translated kFailedToDownloadLatestFirmware{"Failed to download latest firmware", {"Échec du téléchargement du dernier firmware", "Download der neuesten Firmware fehlgeschlagen", "Download del firmware più recente non riuscito", "最新ファームウェアのダウンロードに失敗しました", "최신 펌웨어 다운로드에 실패했습니다", "Error al descargar el firmware más reciente", "Downloaden van de nieuwste firmware mislukt", "Не удалось скачать последнюю прошивку", "最新固件下载失败", "Uusimman laiteohjelmiston lataus epäonnistui", "Stažení nejnovějšího firmwaru se nezdařilo", "Nie udało się pobrać najnowszego firmware"}};
inline constexpr Translated kCannotCreateFile{"Cannot create file", {"Impossible de créer le fichier", "Datei kann nicht erstellt werden", "Impossibile creare il file", "ファイルを作成できません", "파일을 만들 수 없습니다", "No se puede crear el archivo", "Kan bestand niet maken", "Не удается создать файл", "无法创建文件", "Tiedostoa ei voi luoda", "Nelze vytvořit soubor", "Nie można utworzyć pliku"}};
inline constexpr Translated kCannotGetBackupFirmware{"Cannot get backup firmware", {"Impossible d'obtenir le firmware de sauvegarde", "Backup-Firmware nicht verfügbar", "Impossibile ottenere il firmware di backup", "バックアップファームウェアを取得できません", "백업 펌웨어를 가져올 수 없습니다", "No se puede obtener el firmware de respaldo", "Kan back-upfirmware niet ophalen", "Не удается получить резервную прошивку", "无法获取备份固件", "Varmuuskopioitua laiteohjelmistoa ei saada", "Nelze získat zálohu firmwaru", "Nie można uzyskać kopii zapasowej firmware"}};
inline constexpr Translated kCannotOpenFile{"Cannot open file", {"Impossible d'ouvrir le fichier", "Datei kann nicht geöffnet werden", "Impossibile aprire il file", "ファイルを開けません", "파일을 열 수 없습니다", "No se puede abrir el archivo", "Kan bestand niet openen", "Не удается открыть файл", "无法打开文件", "Tiedostoa ei voi avata", "Nelze otevřít soubor", "Nie można otworzyć pliku"}};
inline constexpr Translated kAboutToDownloadLatestFirmware{"about to download latest firmware", {"sur le point de télécharger le dernier firmware", "Download der neuesten Firmware wird vorbereitet", "in procinto di scaricare il firmware più recente", "最新ファームウェアをダウンロードします", "최신 펌웨어 다운로드 준비 중", "a punto de descargar el firmware más reciente", "nieuwste firmware wordt gedownload", "подготовка к скачиванию последней прошивки", "即将下载最新固件", "uusimman laiteohjelmiston lataus alkaa", "připravuje se stažení nejnovějšího firmwaru", "przygotowywanie pobierania najnowszego firmware"}};
inline constexpr Translated kAboutToDownloadBackupFirmware{"about to download backup firmware", {"sur le point de télécharger le firmware de sauvegarde", "Download der Backup-Firmware wird vorbereitet", "in procinto di scaricare il firmware di backup", "バックアップファームウェアをダウンロードします", "백업 펌웨어 다운로드 준비 중", "a punto de descargar el firmware de respaldo", "back-upfirmware wordt gedownload", "подготовка к скачиванию резервной прошивки", "即将下载备份固件", "varmuuskopioidun laiteohjelmiston lataus alkaa", "připravuje se stažení zálohy firmwaru", "przygotowywanie pobierania kopii zapasowej firmware"}};
inline constexpr Translated kAboutToRestore{"about to restore", {"sur le point de restaurer", "Wiederherstellung wird vorbereitet", "in procinto di ripristinare", "復元を開始します", "복원 준비 중", "a punto de restaurar", "herstellen wordt voorbereid", "подготовка к восстановлению", "即将恢复", "palautus alkaa", "připravuje se obnovení", "przygotowywanie przywracania"}};
inline constexpr Translated kCannotDownloadFirmware{"Cannot download firmware", {"Impossible de télécharger le firmware", "Firmware kann nicht heruntergeladen werden", "Impossibile scaricare il firmware", "ファームウェアをダウンロードできません", "펌웨어를 다운로드할 수 없습니다", "No se puede descargar el firmware", "Kan firmware niet downloaden", "Не удается скачать прошивку", "无法下载固件", "Laiteohjelmistoa ei voi ladata", "Nelze stáhnout firmware", "Nie można pobrać firmware"}};
inline constexpr Translated kCannotDownloadBackupFirmware{"Cannot download backup firmware", {"Impossible de télécharger le firmware de sauvegarde", "Backup-Firmware kann nicht heruntergeladen werden", "Impossibile scaricare il firmware di backup", "バックアップファームウェアをダウンロードできません", "백업 펌웨어를 다운로드할 수 없습니다", "No se puede descargar el firmware de respaldo", "Kan back-upfirmware niet downloaden", "Не удается скачать резервную прошивку", "无法下载备份固件", "Varmuuskopioitua laiteohjelmistoa ei voi ladata", "Nelze stáhnout zálohu firmwaru", "Nie można pobrać kopii zapasowej firmware"}};

// Buttons and the formats the composed texts fill.
inline constexpr Translated kRestoreWord{"RESTORE", {"RESTAURER", "WIEDERHERSTELLEN", "RIPRISTINA", "復元", "복원", "RESTAURAR", "HERSTELLEN", "ВОССТАНОВИТЬ", "恢复", "PALAUTA", "OBNOVIT", "PRZYWRÓĆ"}};
inline constexpr Translated kBrowse{"Browse...", {"Parcourir...", "Durchsuchen...", "Sfoglia...", "参照...", "찾아보기...", "Examinar...", "Bladeren...", "Обзор...", "浏览...", "Selaa...", "Procházet...", "Przeglądaj..."}};
inline constexpr Translated kDownload{"Download...", {"Télécharger...", "Herunterladen...", "Scarica...", "ダウンロード...", "다운로드...", "Descargar...", "Downloaden...", "Скачать...", "下载...", "Lataa...", "Stáhnout...", "Pobierz..."}};
// Filled with a button's title.
inline constexpr Translated kPressXButton{"Press the [%@] button", {"Appuyez sur le bouton [%@]", "Drücken Sie die Schaltfläche [%@]", "Premi il pulsante [%@]", "[%@]ボタンを押してください", "[%@] 버튼을 누르십시오", "Pulse el botón [%@]", "Druk op de knop [%@]", "Нажмите кнопку [%@]", "请按[%@]按钮", "Paina [%@] -painiketta", "Stiskněte tlačítko [%@]", "Naciśnij przycisk [%@]"}};
// Filled with the press-restore text.
inline constexpr Translated kAfterSelectingVoicePromptLanguage{"%@ after selecting voice prompt language", {"%@ après avoir sélectionné la langue des instructions vocales", "%@, nachdem Sie die Sprache der Sprachansage ausgewählt haben", "%@ dopo aver selezionato la lingua del messaggio vocale", "音声プロンプトの言語を選択してから、%@", "음성 안내 언어를 선택한 후 %@", "%@ después de seleccionar el idioma de las instrucciones de voz", "%@ nadat u de taal van de gesproken aanwijzingen hebt gekozen", "%@ после выбора языка голосовых подсказок", "选择语音提示语言后，%@", "%@, kun olet valinnut äänikomentojen kielen", "%@ po výběru jazyka hlasových pokynů", "%@ po wybraniu języka komunikatów głosowych"}};
// Filled with the product's display name.
inline constexpr Translated kFirmwareNotFor{"Firmware not for %@", {"Firmware non destiné à %@", "Firmware nicht für %@", "Firmware non destinato a %@", "%@用のファームウェアではありません", "%@용 펌웨어가 아닙니다", "Firmware no destinado a %@", "Firmware niet voor %@", "Прошивка не для %@", "不是%@的固件", "Laiteohjelmisto ei ole laitteelle %@", "Firmware není určen pro %@", "Firmware nie jest przeznaczony dla %@"}};
// Filled with the cannot-detach text; English has no blank before the bracket.
inline constexpr Translated kNotIdle{"%@(not idle)", {"%@ (pas au repos)", "%@ (nicht im Leerlauf)", "%@ (non inattivo)", "%@(アイドル状態ではありません)", "%@(유휴 상태가 아님)", "%@ (no inactivo)", "%@ (niet inactief)", "%@ (не в режиме ожидания)", "%@(非空闲状态)", "%@ (ei valmiustilassa)", "%@ (není nečinné)", "%@ (nie jest bezczynne)"}};

// Labels of the pages and of the new-update sheet.
inline constexpr Translated kLatestVersion{"Latest Version", {"Dernière version", "Neueste Version", "Ultima versione", "最新バージョン", "최신 버전", "Última versión", "Nieuwste versie", "Последняя версия", "最新版本", "Uusin versio", "Nejnovější verze", "Najnowsza wersja"}};
inline constexpr Translated kFirmwareToUpdate{"Firmware To Update", {"Firmware à installer", "Zu installierende Firmware", "Firmware da installare", "アップデートするファームウェア", "업데이트할 펌웨어", "Firmware para actualizar", "Te installeren firmware", "Прошивка для обновления", "要更新的固件", "Päivitettävä laiteohjelmisto", "Firmware k aktualizaci", "Firmware do aktualizacji"}};
inline constexpr Translated kBackupFirmwareInformation{"Backup Firmware Information", {"Informations sur le firmware de sauvegarde", "Informationen zur Backup-Firmware", "Informazioni sul firmware di backup", "バックアップファームウェア情報", "백업 펌웨어 정보", "Información del firmware de respaldo", "Informatie over back-upfirmware", "Сведения о резервной прошивке", "备份固件信息", "Varmuuskopioidun laiteohjelmiston tiedot", "Informace o záloze firmwaru", "Informacje o kopii zapasowej firmware"}};
inline constexpr Translated kNewUpdateFoundCurrentVersion{"Current version", {"Version actuelle", "Aktuelle Version", "Versione attuale", "現在のバージョン", "현재 버전", "Versión actual", "Huidige versie", "Текущая версия", "当前版本", "Nykyinen versio", "Aktuální verze", "Bieżąca wersja"}};
inline constexpr Translated kNewUpdateFoundNewVersion{"New version", {"Nouvelle version", "Neue Version", "Nuova versione", "新しいバージョン", "새 버전", "Nueva versión", "Nieuwe versie", "Новая версия", "新版本", "Uusi versio", "Nová verze", "Nowa wersja"}};
inline constexpr Translated kNewUpdateFoundInformation{
    "New firmware is now available.\nWould you like to download it from the server and update onto it?",
    {"Un nouveau firmware est disponible.\nVoulez-vous le télécharger depuis le serveur et l'installer ?",
     "Eine neue Firmware ist verfügbar.\nMöchten Sie sie vom Server herunterladen und installieren?",
     "È disponibile un nuovo firmware.\nScaricarlo dal server e installarlo?",
     "新しいファームウェアが利用可能です。\nサーバーからダウンロードしてアップデートしますか?",
     "새 펌웨어를 사용할 수 있습니다.\n서버에서 다운로드하여 업데이트하시겠습니까?",
     "Hay un nuevo firmware disponible.\n¿Desea descargarlo del servidor e instalarlo?",
     "Er is nieuwe firmware beschikbaar.\nWilt u deze van de server downloaden en installeren?",
     "Доступна новая прошивка.\nСкачать её с сервера и выполнить обновление?",
     "有新固件可用。\n是否从服务器下载并更新？",
     "Uusi laiteohjelmisto on saatavilla.\nHaluatko ladata sen palvelimelta ja päivittää laitteen?",
     "Je k dispozici nový firmware.\nChcete jej stáhnout ze serveru a provést aktualizaci?",
     "Dostępny jest nowy firmware.\nCzy pobrać go z serwera i zaktualizować urządzenie?"}};

// Messages at the end of a run.
inline constexpr Translated kMessageReconfigure{
    "It is strongly recommended to clear the existing pairing information from the phone and to perform a Bluetooth pairing again. You need to reconfigure the device setting again according to your original setting.",
    {"Il est fortement recommandé d'effacer les informations de couplage existantes du téléphone et d'effectuer à nouveau un couplage Bluetooth. Vous devez reconfigurer les réglages de l'appareil selon vos réglages d'origine.",
     "Es wird dringend empfohlen, die vorhandenen Kopplungsinformationen vom Telefon zu löschen und die Bluetooth-Kopplung erneut durchzuführen. Sie müssen die Geräteeinstellungen entsprechend Ihren ursprünglichen Einstellungen erneut vornehmen.",
     "Si consiglia vivamente di cancellare le informazioni di abbinamento esistenti dal telefono e di eseguire nuovamente l'abbinamento Bluetooth. È necessario riconfigurare le impostazioni del dispositivo in base alle impostazioni originali.",
     "電話から既存のペアリング情報を削除し、Bluetoothペアリングをやり直すことを強くお勧めします。デバイスの設定は元の設定に合わせて再度行う必要があります。",
     "전화기에서 기존 페어링 정보를 삭제하고 블루투스 페어링을 다시 수행할 것을 강력히 권장합니다. 장치 설정을 원래 설정에 맞게 다시 구성해야 합니다.",
     "Se recomienda encarecidamente borrar la información de emparejamiento existente del teléfono y volver a realizar el emparejamiento Bluetooth. Debe volver a configurar los ajustes del dispositivo según su configuración original.",
     "Het wordt sterk aanbevolen de bestaande koppelingsgegevens van de telefoon te wissen en de Bluetooth-koppeling opnieuw uit te voeren. U moet de apparaatinstellingen opnieuw configureren volgens uw oorspronkelijke instellingen.",
     "Настоятельно рекомендуется удалить из телефона существующие данные о сопряжении и заново выполнить сопряжение по Bluetooth. Настройки устройства необходимо заново задать в соответствии с исходными.",
     "强烈建议清除手机中现有的配对信息，然后重新进行蓝牙配对。您需要按照原来的设置重新配置设备设置。",
     "On erittäin suositeltavaa poistaa puhelimesta nykyiset pariliitostiedot ja muodostaa Bluetooth-pariliitos uudelleen. Laitteen asetukset on määritettävä uudelleen alkuperäisten asetusten mukaisesti.",
     "Důrazně doporučujeme vymazat z telefonu stávající informace o párování a znovu provést párování Bluetooth. Nastavení zařízení je nutné znovu nakonfigurovat podle původního nastavení.",
     "Zdecydowanie zaleca się usunięcie z telefonu istniejących informacji o parowaniu i ponowne sparowanie przez Bluetooth. Ustawienia urządzenia należy ponownie skonfigurować zgodnie z pierwotnymi ustawieniami."}};
// Filled with the run's status text and the product's name.
inline constexpr Translated kMessagePowerOnPowerOff{
    "[%@]\nPower off and power on %@ to apply new firmware.\n",
    {"[%@]\nÉteignez puis rallumez %@ pour appliquer le nouveau firmware.\n",
     "[%@]\nSchalten Sie %@ aus und wieder ein, um die neue Firmware zu übernehmen.\n",
     "[%@]\nSpegni e riaccendi %@ per applicare il nuovo firmware.\n",
     "[%@]\n新しいファームウェアを適用するには、%@の電源を切ってから入れ直してください。\n",
     "[%@]\n새 펌웨어를 적용하려면 %@의 전원을 껐다가 다시 켜십시오.\n",
     "[%@]\nApague y vuelva a encender %@ para aplicar el nuevo firmware.\n",
     "[%@]\nSchakel %@ uit en weer in om de nieuwe firmware toe te passen.\n",
     "[%@]\nВыключите и снова включите %@, чтобы применить новую прошивку.\n",
     "[%@]\n请关闭%@的电源后重新打开，以应用新固件。\n",
     "[%@]\nSammuta %@ ja käynnistä se uudelleen, jotta uusi laiteohjelmisto otetaan käyttöön.\n",
     "[%@]\nVypněte a znovu zapněte %@, aby se použil nový firmware.\n",
     "[%@]\nWyłącz i ponownie włącz %@, aby zastosować nowy firmware.\n"}};
// Filled with the product's name.
inline constexpr Translated kMessageSwitchOnSwitchOff{
    "After switching off %@ and switching on again, try once more.",
    {"Éteignez %@ puis rallumez-le, et réessayez.",
     "Schalten Sie %@ aus und wieder ein und versuchen Sie es dann erneut.",
     "Spegni %@ e riaccendilo, quindi riprova.",
     "%@の電源を切ってから入れ直し、もう一度お試しください。",
     "%@의 전원을 껐다가 다시 켠 후 다시 시도하십시오.",
     "Apague %@, vuelva a encenderlo e inténtelo de nuevo.",
     "Schakel %@ uit en weer in en probeer het opnieuw.",
     "Выключите и снова включите %@, затем повторите попытку.",
     "请关闭%@后重新开启，然后再试一次。",
     "Sammuta %@, käynnistä se uudelleen ja yritä sitten uudelleen.",
     "Vypněte a znovu zapněte %@ a zkuste to znovu.",
     "Wyłącz i ponownie włącz %@, a następnie spróbuj jeszcze raz."}};
// Filled with the run's status text and the application's title.
inline constexpr Translated kMessageManagerRestart{
    "[%@]\n%@ will restart.\nChoose appropriate firmware.\n",
    {"[%@]\n%@ va redémarrer.\nChoisissez le firmware approprié.\n",
     "[%@]\n%@ wird neu gestartet.\nWählen Sie die passende Firmware aus.\n",
     "[%@]\n%@ verrà riavviato.\nScegli il firmware appropriato.\n",
     "[%@]\n%@を再起動します。\n適切なファームウェアを選択してください。\n",
     "[%@]\n%@을(를) 다시 시작합니다.\n알맞은 펌웨어를 선택하십시오.\n",
     "[%@]\n%@ se reiniciará.\nElija el firmware adecuado.\n",
     "[%@]\n%@ wordt opnieuw gestart.\nKies de juiste firmware.\n",
     "[%@]\nПрограмма %@ будет перезапущена.\nВыберите подходящую прошивку.\n",
     "[%@]\n%@将重新启动。\n请选择正确的固件。\n",
     "[%@]\n%@ käynnistyy uudelleen.\nValitse sopiva laiteohjelmisto.\n",
     "[%@]\n%@ se restartuje.\nVyberte vhodný firmware.\n",
     "[%@]\nProgram %@ zostanie ponownie uruchomiony.\nWybierz odpowiedni firmware.\n"}};
// One partner-branded headset whose firmware version only the partner's own manager updates.
inline constexpr Translated kMessageElmoraToTorvikForDuvane{
    "This current version of the Elmora firmware is not supported by this Device Manager. Please update only this firmware using the Zorrel Audio Device Manager for Windows.",
    {"Cette version du firmware Elmora n'est pas prise en charge par ce Device Manager. Mettez à jour ce firmware uniquement avec le Zorrel Audio Device Manager pour Windows.",
     "Diese Version der Elmora-Firmware wird von diesem Device Manager nicht unterstützt. Aktualisieren Sie diese Firmware bitte nur mit dem Zorrel Audio Device Manager für Windows.",
     "Questa versione del firmware Elmora non è supportata da questo Device Manager. Aggiorna questo firmware solo con Zorrel Audio Device Manager per Windows.",
     "このバージョンのElmoraファームウェアは、このDevice Managerではサポートされていません。このファームウェアはWindows用Zorrel Audio Device Managerでのみアップデートしてください。",
     "현재 버전의 Elmora 펌웨어는 이 Device Manager에서 지원되지 않습니다. 이 펌웨어는 Windows용 Zorrel Audio Device Manager로만 업데이트하십시오.",
     "Esta versión del firmware de Elmora no es compatible con este Device Manager. Actualice este firmware únicamente con Zorrel Audio Device Manager para Windows.",
     "Deze versie van de Elmora-firmware wordt niet ondersteund door deze Device Manager. Werk deze firmware alleen bij met Zorrel Audio Device Manager voor Windows.",
     "Эта версия прошивки Elmora не поддерживается данной программой Device Manager. Обновляйте эту прошивку только с помощью Zorrel Audio Device Manager для Windows.",
     "此Device Manager不支持当前版本的Elmora固件。请仅使用适用于Windows的Zorrel Audio Device Manager更新此固件。",
     "Tämä Device Manager ei tue Elmora-laiteohjelmiston nykyistä versiota. Päivitä tämä laiteohjelmisto vain Windowsin Zorrel Audio Device Manager -ohjelmalla.",
     "Tato verze firmwaru Elmora není tímto programem Device Manager podporována. Aktualizujte tento firmware pouze pomocí programu Zorrel Audio Device Manager pro Windows.",
     "Ta wersja firmware Elmora nie jest obsługiwana przez ten program Device Manager. Aktualizuj ten firmware wyłącznie za pomocą programu Zorrel Audio Device Manager dla systemu Windows."}};

// The update page's voice-prompt steps. The bracketed words are the language's Download and
// Update button titles; the line breaks and indents keep the text inside its label.
inline constexpr Translated kVoicePromptInformation{
    "1. To change the language of the voice prompt, click on the drop down menu to\n    select your desired voice prompt language.\n2. Press [DOWNLOAD] to download the firmware for your desired voice prompt\n    language to your computer.\n3. Press [UPDATE] to proceed with the firmware update.",
    {"1. Pour changer la langue des instructions vocales, cliquez sur le menu\n    déroulant et sélectionnez la langue souhaitée.\n2. Appuyez sur [TÉLÉCHARGER] pour télécharger sur votre ordinateur le firmware\n    de la langue d'instructions vocales souhaitée.\n3. Appuyez sur [METTRE À JOUR] pour lancer la mise à jour du firmware.",
     "1. Um die Sprache der Sprachansage zu ändern, klicken Sie auf das Dropdown-Menü\n    und wählen Sie die gewünschte Sprache aus.\n2. Drücken Sie [HERUNTERLADEN], um die Firmware für die gewünschte Sprache der\n    Sprachansage auf Ihren Computer herunterzuladen.\n3. Drücken Sie [AKTUALISIEREN], um mit der Firmware-Aktualisierung fortzufahren.",
     "1. Per cambiare la lingua del messaggio vocale, fai clic sul menu a discesa e\n    seleziona la lingua desiderata.\n2. Premi [SCARICA] per scaricare sul computer il firmware della lingua del\n    messaggio vocale desiderata.\n3. Premi [AGGIORNA] per procedere con l'aggiornamento del firmware.",
     "1. 音声プロンプトの言語を変更するには、ドロップダウンメニューをクリックして\n    希望する音声プロンプトの言語を選択してください。\n2. [ダウンロード]を押して、希望する音声プロンプト言語のファームウェアを\n    コンピューターにダウンロードしてください。\n3. [アップデート]を押して、ファームウェアのアップデートを進めてください。",
     "1. 음성 안내 언어를 변경하려면 드롭다운 메뉴를 클릭하여\n    원하는 음성 안내 언어를 선택하십시오.\n2. [다운로드]를 눌러 원하는 음성 안내 언어의 펌웨어를\n    컴퓨터에 다운로드하십시오.\n3. [업데이트]를 눌러 펌웨어 업데이트를 진행하십시오.",
     "1. Para cambiar el idioma de las instrucciones de voz, haga clic en el menú\n    desplegable y seleccione el idioma que desee.\n2. Pulse [DESCARGAR] para descargar en su ordenador el firmware del idioma de\n    instrucciones de voz que desee.\n3. Pulse [ACTUALIZAR] para continuar con la actualización del firmware.",
     "1. Als u de taal van de gesproken aanwijzingen wilt wijzigen, klikt u op het\n    vervolgkeuzemenu en kiest u de gewenste taal.\n2. Druk op [DOWNLOADEN] om de firmware voor de gewenste taal van de gesproken\n    aanwijzingen naar uw computer te downloaden.\n3. Druk op [BIJWERKEN] om verder te gaan met het bijwerken van de firmware.",
     "1. Чтобы изменить язык голосовых подсказок, откройте раскрывающееся меню и\n    выберите нужный язык голосовых подсказок.\n2. Нажмите [СКАЧАТЬ], чтобы скачать на компьютер прошивку с нужным языком\n    голосовых подсказок.\n3. Нажмите [ОБНОВИТЬ], чтобы перейти к обновлению прошивки.",
     "1. 要更改语音提示的语言，请点击下拉菜单，\n    选择所需的语音提示语言。\n2. 按[下载]将所需语音提示语言的固件下载到\n    您的计算机。\n3. 按[更新]继续进行固件更新。",
     "1. Vaihda äänikomentojen kieli napsauttamalla avattavaa valikkoa ja\n    valitsemalla haluamasi äänikomentojen kieli.\n2. Lataa haluamasi äänikomentokielen laiteohjelmisto tietokoneellesi\n    painamalla [LATAA].\n3. Jatka laiteohjelmiston päivitykseen painamalla [PÄIVITÄ].",
     "1. Chcete-li změnit jazyk hlasových pokynů, klikněte na rozbalovací nabídku a\n    vyberte požadovaný jazyk hlasových pokynů.\n2. Stisknutím [STÁHNOUT] stáhnete do počítače firmware pro požadovaný jazyk\n    hlasových pokynů.\n3. Stisknutím [AKTUALIZOVAT] pokračujte v aktualizaci firmwaru.",
     "1. Aby zmienić język komunikatów głosowych, kliknij menu rozwijane i\n    wybierz żądany język komunikatów głosowych.\n2. Naciśnij [POBIERZ], aby pobrać na komputer firmware dla wybranego języka\n    komunikatów głosowych.\n3. Naciśnij [AKTUALIZUJ], aby przejść do aktualizacji firmware."}};

// The caption of the voice-prompt language pop-up, English first.
inline constexpr LabelTable kVoicePromptLabel{"Voice Prompt", "Instructions vocales", "Sprachansage", "Messaggio vocale", "音声プロンプト", "음성안내", "Instrucción de voz", "Gesproken aanwijzingen", "Голосовые Подсказки", "语音提示", "Äänikomento", "Hlasový pokyn", "Komunikat głosowy"};

// The label of the backup summary's date row, English first.
inline constexpr LabelTable kDateLabel{"Date", "Date", "Datum", "Data", "日付", "날짜", "Fecha", "Datum", "Дата", "日期", "Päivämäärä", "Datum", "Data"};

} // namespace kivo::text_tables
