#pragma once
// The manager-update offer. Filled in order with: the product title twice, the latest major and
// minor version and its secondary suffix, the YES and NO words, the product title, the running
// major and minor version and its suffix.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr Translated kManagerUpdateOffer{
    "Newer version of %@ is available. Would you like to update %@ to v%d.%d%@?\n\nPressing the [%@] button will close this program and start downloading the update. Install the update after downloading.\nPressing the [%@] button will start %@ v%d.%d%@ without updating.",
    {
        "Une nouvelle version de %@ est disponible. Voulez-vous mettre à jour %@ vers la v%d.%d%@ ?\n\nLe bouton [%@] ferme ce programme et lance le téléchargement de la mise à jour. Installez la mise à jour une fois téléchargée.\nLe bouton [%@] démarre %@ v%d.%d%@ sans mise à jour.",
        "Eine neuere Version von %@ ist verfügbar. Möchten Sie %@ auf v%d.%d%@ aktualisieren?\n\nDie Schaltfläche [%@] schließt dieses Programm und startet den Download des Updates. Installieren Sie das Update nach dem Download.\nDie Schaltfläche [%@] startet %@ v%d.%d%@ ohne Aktualisierung.",
        "È disponibile una versione più recente di %@. Aggiornare %@ alla v%d.%d%@?\n\nIl pulsante [%@] chiude questo programma e avvia il download dell'aggiornamento. Installare l'aggiornamento al termine del download.\nIl pulsante [%@] avvia %@ v%d.%d%@ senza aggiornare.",
        "%@の新しいバージョンがあります。%@をv%d.%d%@にアップデートしますか?\n\n[%@]ボタンを押すとこのプログラムが終了し、アップデートのダウンロードが始まります。ダウンロード後にアップデートをインストールしてください。\n[%@]ボタンを押すと、アップデートせずに%@ v%d.%d%@を起動します。",
        "%@의 새 버전이 있습니다. %@을(를) v%d.%d%@(으)로 업데이트하시겠습니까?\n\n[%@] 버튼을 누르면 이 프로그램이 종료되고 업데이트 다운로드가 시작됩니다. 다운로드 후 업데이트를 설치하십시오.\n[%@] 버튼을 누르면 업데이트하지 않고 %@ v%d.%d%@을(를) 시작합니다.",
        "Hay una versión más reciente de %@. ¿Desea actualizar %@ a la v%d.%d%@?\n\nEl botón [%@] cierra este programa e inicia la descarga de la actualización. Instale la actualización tras la descarga.\nEl botón [%@] inicia %@ v%d.%d%@ sin actualizar.",
        "Er is een nieuwere versie van %@ beschikbaar. Wilt u %@ bijwerken naar v%d.%d%@?\n\nMet de knop [%@] wordt dit programma gesloten en begint het downloaden van de update. Installeer de update na het downloaden.\nMet de knop [%@] start %@ v%d.%d%@ zonder bij te werken.",
        "Доступна новая версия %@. Обновить %@ до v%d.%d%@?\n\nКнопка [%@] закроет эту программу и начнёт загрузку обновления. Установите обновление после загрузки.\nКнопка [%@] запустит %@ v%d.%d%@ без обновления.",
        "%@有新版本可用。是否将%@更新到v%d.%d%@？\n\n按[%@]按钮将关闭本程序并开始下载更新。下载完成后请安装更新。\n按[%@]按钮将启动%@ v%d.%d%@而不进行更新。",
        "Sovelluksesta %@ on saatavilla uudempi versio. Haluatko päivittää sovelluksen %@ versioon v%d.%d%@?\n\n[%@]-painike sulkee tämän ohjelman ja aloittaa päivityksen lataamisen. Asenna päivitys latauksen jälkeen.\n[%@]-painike käynnistää sovelluksen %@ v%d.%d%@ päivittämättä.",
        "Je k dispozici novější verze %@. Chcete aktualizovat %@ na v%d.%d%@?\n\nTlačítko [%@] zavře tento program a zahájí stahování aktualizace. Po stažení aktualizaci nainstalujte.\nTlačítko [%@] spustí %@ v%d.%d%@ bez aktualizace.",
        "Dostępna jest nowsza wersja %@. Czy zaktualizować %@ do v%d.%d%@?\n\nPrzycisk [%@] zamknie ten program i rozpocznie pobieranie aktualizacji. Po pobraniu zainstaluj aktualizację.\nPrzycisk [%@] uruchomi %@ v%d.%d%@ bez aktualizacji.",
    }};

} // namespace kivo::text_tables
