#pragma once
// The recognition page: its instructions, its messages and the link's success text.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

// The first instruction step; the line break and indent keep the text inside the page's width.
inline constexpr Translated kConnectionStep{
    "1. Power off your product and connect it to your computer using the supplied USB\n     cable.\n\n",
    {"1. Éteignez votre produit et connectez-le à votre ordinateur à l'aide du câble\n     USB fourni.\n\n",
     "1. Schalten Sie Ihr Produkt aus und verbinden Sie es über das mitgelieferte USB-\n     Kabel mit Ihrem Computer.\n\n",
     "1. Spegni il prodotto e collegalo al computer utilizzando il cavo USB\n     in dotazione.\n\n",
     "1. 製品の電源を切り、付属のUSBケーブルでコンピューターに\n     接続してください。\n\n",
     "1. 제품의 전원을 끄고 제공된 USB 케이블을 사용하여 컴퓨터에\n     연결하십시오.\n\n",
     "1. Apague el producto y conéctelo al ordenador con el cable USB\n     suministrado.\n\n",
     "1. Schakel uw product uit en sluit het met de meegeleverde USB-kabel\n     aan op uw computer.\n\n",
     "1. Выключите устройство и подключите его к компьютеру с помощью\n     USB-кабеля из комплекта.\n\n",
     "1. 关闭产品电源，然后使用随附的USB数据线将其连接到\n     计算机。\n\n",
     "1. Sammuta tuote ja liitä se tietokoneeseen mukana toimitetulla USB-\n     kaapelilla.\n\n",
     "1. Vypněte výrobek a připojte jej k počítači pomocí dodaného kabelu\n     USB.\n\n",
     "1. Wyłącz produkt i podłącz go do komputera za pomocą dołączonego kabla\n     USB.\n\n"}};

// A numbered step naming the page's Next button.
inline constexpr Translated kPressNextButtonAt{
    "%d. Press the [%@ >] button.",
    {"%d. Appuyez sur le bouton [%@ >].", "%d. Drücken Sie die Schaltfläche [%@ >].", "%d. Premi il pulsante [%@ >].",
     "%d. [%@ >]ボタンを押してください。", "%d. [%@ >] 버튼을 누르십시오.", "%d. Pulse el botón [%@ >].",
     "%d. Druk op de knop [%@ >].", "%d. Нажмите кнопку [%@ >].", "%d. 按[%@ >]按钮。", "%d. Paina [%@ >] -painiketta.",
     "%d. Stiskněte tlačítko [%@ >].", "%d. Naciśnij przycisk [%@ >]."}};

// Filled with the selected product's name.
inline constexpr Translated kDeviceOtherThan{
    "A device other than the %@ is recognized. Select the appropriate device.",
    {"Un appareil autre que le %@ a été reconnu. Sélectionnez l'appareil approprié.",
     "Es wurde ein anderes Gerät als %@ erkannt. Wählen Sie das passende Gerät aus.",
     "È stato riconosciuto un dispositivo diverso da %@. Seleziona il dispositivo appropriato.",
     "%@以外のデバイスが認識されました。適切なデバイスを選択してください。",
     "%@ 이외의 장치가 인식되었습니다. 알맞은 장치를 선택하십시오.",
     "Se ha reconocido un dispositivo distinto de %@. Seleccione el dispositivo adecuado.",
     "Er is een ander apparaat dan de %@ herkend. Selecteer het juiste apparaat.",
     "Распознано устройство, отличное от %@. Выберите нужное устройство.",
     "识别到的设备不是%@。请选择正确的设备。",
     "Tunnistettiin muu laite kuin %@. Valitse oikea laite.",
     "Bylo rozpoznáno jiné zařízení než %@. Vyberte správné zařízení.",
     "Rozpoznano urządzenie inne niż %@. Wybierz właściwe urządzenie."}};

// Filled with the application's title twice; Czech and Polish keep English.
inline constexpr Translated kRestartingManager = french_to_finnish(
    "Restarting %@ may fix this problem.\nWould you like to restart %@?\n",
    {"Le redémarrage de %@ peut résoudre ce problème.\nVoulez-vous redémarrer %@ ?\n",
     "Ein Neustart von %@ kann dieses Problem beheben.\nMöchten Sie %@ neu starten?\n",
     "Il riavvio di %@ potrebbe risolvere il problema.\nRiavviare %@?\n",
     "%@を再起動すると問題が解決する場合があります。\n%@を再起動しますか？\n",
     "%@을(를) 다시 시작하면 문제가 해결될 수 있습니다.\n%@을(를) 다시 시작하시겠습니까?\n",
     "Reiniciar %@ puede solucionar este problema.\n¿Desea reiniciar %@?\n",
     "Het opnieuw starten van %@ kan dit probleem verhelpen.\nWilt u %@ opnieuw starten?\n",
     "Перезапуск %@ может устранить эту проблему.\nПерезапустить %@?\n",
     "重新启动%@可能会解决此问题。\n是否重新启动%@？\n",
     "%@:n uudelleenkäynnistys voi korjata ongelman.\nHaluatko käynnistää %@:n uudelleen?\n"});

// Filled with the name of the setting whose write-back failed; Czech and Polish keep English.
inline constexpr Translated kCannotRestore = french_to_finnish(
    "Cannot restore %@",
    {"Impossible de restaurer %@", "%@ kann nicht wiederhergestellt werden", "Impossibile ripristinare %@",
     "%@を復元できません", "%@을(를) 복원할 수 없습니다", "No se puede restaurar %@", "Kan %@ niet herstellen",
     "Не удается восстановить %@", "无法恢复%@", "Kohdetta %@ ei voi palauttaa"});

// The link's English text of an opened device, as the user reads it.
inline constexpr Translated kDeviceRecognizedSuccessfully{
    "Device recognized successfully",
    {"Appareil reconnu avec succès", "Gerät erfolgreich erkannt", "Dispositivo riconosciuto correttamente",
     "デバイスが正常に認識されました", "장치가 인식되었습니다", "Dispositivo reconocido correctamente",
     "Apparaat is herkend", "Устройство успешно распознано", "设备识别成功", "Laite tunnistettiin",
     "Zařízení bylo úspěšně rozpoznáno", "Urządzenie zostało rozpoznane"}};

} // namespace kivo::text_tables
