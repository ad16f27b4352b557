#pragma once
// What the update asks the user to do with the device, by product id: the first step, the first
// step again after the device did not answer, and the second step. Each row names the keys (or the
// product) that fill its format; a product in no row of a step has no instruction for it. The
// product sets of the rows are device/products/instruction_key_products.h.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include <array>
#include <cstdint>
#include <span>

#include "device/products/instruction_key_products.h"
#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr Translated kUnplugAndReplug{"Unplug the USB cable from the USB port and plug it back in.",
    {"Débranchez le câble USB du port USB, puis rebranchez-le.",
     "Ziehen Sie das USB-Kabel aus dem USB-Anschluss und stecken Sie es wieder ein.",
     "Scollegare il cavo USB dalla porta USB e ricollegarlo.",
     "USBケーブルをUSBポートから抜き、もう一度差し込んでください。",
     "USB 포트에서 USB 케이블을 뽑았다가 다시 꽂으십시오.",
     "Desconecte el cable USB del puerto USB y vuelva a conectarlo.",
     "Haal de USB-kabel uit de USB-poort en sluit hem opnieuw aan.",
     "Отсоедините USB-кабель от USB-порта и подключите его снова.",
     "从USB端口拔下USB线，然后重新插上。",
     "Irrota USB-kaapeli USB-portista ja kytke se takaisin.",
     "Odpojte kabel USB z portu USB a znovu jej připojte.",
     "Odłącz kabel USB od portu USB i podłącz go ponownie."}};

inline constexpr Translated kPressAndHoldKey{"Press and hold the %@ until this message disappears.",
    {"Maintenez %@ enfoncé jusqu'à ce que ce message disparaisse.",
     "Halten Sie %@ gedrückt, bis diese Meldung verschwindet.",
     "Tenere premuto %@ finché questo messaggio non scompare.",
     "このメッセージが消えるまで%@を押し続けてください。",
     "이 메시지가 사라질 때까지 %@을(를) 길게 누르십시오.",
     "Mantenga pulsado %@ hasta que desaparezca este mensaje.",
     "Houd %@ ingedrukt totdat dit bericht verdwijnt.",
     "Нажмите и удерживайте элемент «%@», пока это сообщение не исчезнет.",
     "按住%@，直到此消息消失。",
     "Pidä %@ painettuna, kunnes tämä viesti katoaa.",
     "Stiskněte a podržte %@, dokud tato zpráva nezmizí.",
     "Naciśnij i przytrzymaj %@, aż ten komunikat zniknie."}};

inline constexpr Translated kReplugHoldingKey{
    "Unplug the USB cable from the USB port and plug it back by pressing and holding the %@ until this message disappears.",
    {"Débranchez le câble USB du port USB et rebranchez-le en maintenant %@ enfoncé jusqu'à ce que ce message disparaisse.",
     "Ziehen Sie das USB-Kabel aus dem USB-Anschluss und stecken Sie es wieder ein, während Sie %@ gedrückt halten, bis diese Meldung verschwindet.",
     "Scollegare il cavo USB dalla porta USB e ricollegarlo tenendo premuto %@ finché questo messaggio non scompare.",
     "USBケーブルをUSBポートから抜き、%@を押したまま差し込み直し、このメッセージが消えるまで押し続けてください。",
     "USB 포트에서 USB 케이블을 뽑은 후 %@을(를) 누른 채로 다시 꽂고, 이 메시지가 사라질 때까지 누르고 계십시오.",
     "Desconecte el cable USB del puerto USB y vuelva a conectarlo manteniendo pulsado %@ hasta que desaparezca este mensaje.",
     "Haal de USB-kabel uit de USB-poort en sluit hem opnieuw aan terwijl u %@ ingedrukt houdt totdat dit bericht verdwijnt.",
     "Отсоедините USB-кабель от USB-порта и подключите его снова, удерживая элемент «%@», пока это сообщение не исчезнет.",
     "从USB端口拔下USB线，然后按住%@的同时重新插上，直到此消息消失。",
     "Irrota USB-kaapeli USB-portista ja kytke se takaisin pitäen %@ painettuna, kunnes tämä viesti katoaa.",
     "Odpojte kabel USB z portu USB, stiskněte a podržte %@ a kabel znovu připojte; držte, dokud tato zpráva nezmizí.",
     "Odłącz kabel USB od portu USB i podłącz go ponownie, przytrzymując %@, aż ten komunikat zniknie."}};

inline constexpr Translated kPressAndHoldTwoKeys{"Press and hold the %@ and %@ until this message disappears.",
    {"Maintenez %@ et %@ enfoncés jusqu'à ce que ce message disparaisse.",
     "Halten Sie %@ und %@ gedrückt, bis diese Meldung verschwindet.",
     "Tenere premuti %@ e %@ finché questo messaggio non scompare.",
     "このメッセージが消えるまで%@と%@を押し続けてください。",
     "이 메시지가 사라질 때까지 %@ 및 %@을(를) 길게 누르십시오.",
     "Mantenga pulsados %@ y %@ hasta que desaparezca este mensaje.",
     "Houd %@ en %@ ingedrukt totdat dit bericht verdwijnt.",
     "Нажмите и удерживайте элементы «%@» и «%@», пока это сообщение не исчезнет.",
     "同时按住%@和%@，直到此消息消失。",
     "Pidä %@ ja %@ painettuina, kunnes tämä viesti katoaa.",
     "Stiskněte a podržte %@ a %@, dokud tato zpráva nezmizí.",
     "Naciśnij i przytrzymaj %@ oraz %@, aż ten komunikat zniknie."}};

inline constexpr Translated kSwitchOffAndOn{"Switch off %@ and switch it back on.",
    {"Éteignez %@, puis rallumez-le.",
     "Schalten Sie %@ aus und wieder ein.",
     "Spegnere %@ e riaccenderlo.",
     "%@の電源を切り、もう一度電源を入れてください。",
     "%@의 전원을 끈 후 다시 켜십시오.",
     "Apague %@ y vuelva a encenderlo.",
     "Schakel %@ uit en weer in.",
     "Выключите %@ и снова включите.",
     "关闭%@，然后重新开启。",
     "Sammuta %@ ja käynnistä se uudelleen.",
     "Vypněte %@ a znovu jej zapněte.",
     "Wyłącz %@ i włącz go ponownie."}};

inline constexpr Translated kCameraReconnectSteps{
    "1. Disconnect the USB cable from the LUMORA.\n2. Wait until the LUMORA completes update and powers off.\n3. Connect USB cable to the LUMORA and then power on it.\n4. Press [OK] button.",
    {"1. Débranchez le câble USB de la LUMORA.\n2. Attendez que la LUMORA termine la mise à jour et s'éteigne.\n3. Branchez le câble USB à la LUMORA, puis allumez-la.\n4. Appuyez sur le bouton [OK].",
     "1. Trennen Sie das USB-Kabel von der LUMORA.\n2. Warten Sie, bis die LUMORA die Aktualisierung abgeschlossen und sich ausgeschaltet hat.\n3. Verbinden Sie das USB-Kabel mit der LUMORA und schalten Sie sie ein.\n4. Klicken Sie auf die Schaltfläche [OK].",
     "1. Scollegare il cavo USB dalla LUMORA.\n2. Attendere che la LUMORA completi l'aggiornamento e si spenga.\n3. Collegare il cavo USB alla LUMORA e accenderla.\n4. Premere il pulsante [OK].",
     "1. LUMORAからUSBケーブルを外してください。\n2. LUMORAのアップデートが完了して電源が切れるまでお待ちください。\n3. USBケーブルをLUMORAに接続してから電源を入れてください。\n4. [OK]ボタンを押してください。",
     "1. LUMORA에서 USB 케이블을 분리하십시오.\n2. LUMORA가 업데이트를 마치고 전원이 꺼질 때까지 기다리십시오.\n3. USB 케이블을 LUMORA에 연결한 후 전원을 켜십시오.\n4. [OK] 버튼을 누르십시오.",
     "1. Desconecte el cable USB de la LUMORA.\n2. Espere hasta que la LUMORA complete la actualización y se apague.\n3. Conecte el cable USB a la LUMORA y enciéndala.\n4. Pulse el botón [OK].",
     "1. Koppel de USB-kabel los van de LUMORA.\n2. Wacht tot de LUMORA de update heeft voltooid en uitschakelt.\n3. Sluit de USB-kabel aan op de LUMORA en zet hem aan.\n4. Klik op de knop [OK].",
     "1. Отсоедините USB-кабель от LUMORA.\n2. Дождитесь, пока LUMORA завершит обновление и выключится.\n3. Подключите USB-кабель к LUMORA и включите её.\n4. Нажмите кнопку [OK].",
     "1. 从LUMORA上拔下USB线。\n2. 等待LUMORA完成更新并关机。\n3. 将USB线连接到LUMORA，然后开机。\n4. 按[OK]按钮。",
     "1. Irrota USB-kaapeli LUMORAsta.\n2. Odota, kunnes LUMORA on suorittanut päivityksen ja sammunut.\n3. Kytke USB-kaapeli LUMORAan ja käynnistä se.\n4. Paina [OK]-painiketta.",
     "1. Odpojte kabel USB od zařízení LUMORA.\n2. Počkejte, až zařízení LUMORA dokončí aktualizaci a vypne se.\n3. Připojte kabel USB k zařízení LUMORA a zapněte jej.\n4. Stiskněte tlačítko [OK].",
     "1. Odłącz kabel USB od urządzenia LUMORA.\n2. Poczekaj, aż urządzenie LUMORA zakończy aktualizację i się wyłączy.\n3. Podłącz kabel USB do urządzenia LUMORA, a następnie je włącz.\n4. Naciśnij przycisk [OK]."}};

// Filled with the restore page's title twice, the word for firmware, the maker's web site, the
// update page's title and the OK button's word, in this order.
inline constexpr Translated kBackupFileFailed{
    "Creating a backup file for %@ has failed. For %@ later, download the previous %@ file from the Kivo web site (%@) and update it manually with %@. To continue, click the [%@] button below.",
    {"La création d'un fichier de sauvegarde pour %@ a échoué. Pour %@ ultérieurement, téléchargez le fichier %@ précédent depuis le site web de Kivo (%@) et mettez-le à jour manuellement avec %@. Pour continuer, cliquez sur le bouton [%@] ci-dessous.",
     "Das Erstellen einer Sicherungsdatei für %@ ist fehlgeschlagen. Für %@ zu einem späteren Zeitpunkt laden Sie die vorherige %@-Datei von der Kivo-Website (%@) herunter und aktualisieren sie manuell mit %@. Klicken Sie zum Fortfahren unten auf die Schaltfläche [%@].",
     "La creazione di un file di backup per %@ non è riuscita. Per %@ in seguito, scaricare il file %@ precedente dal sito web di Kivo (%@) e aggiornarlo manualmente con %@. Per continuare, fare clic sul pulsante [%@] qui sotto.",
     "%@用のバックアップファイルの作成に失敗しました。後で%@を行うには、以前の%@ファイルをKivoのウェブサイト（%@）からダウンロードし、%@で手動でアップデートしてください。続行するには、下の[%@]ボタンをクリックしてください。",
     "%@용 백업 파일을 만들지 못했습니다. 나중에 %@을(를) 하려면 이전 %@ 파일을 Kivo 웹사이트(%@)에서 다운로드하여 %@에서 수동으로 업데이트하십시오. 계속하려면 아래의 [%@] 버튼을 클릭하십시오.",
     "No se ha podido crear un archivo de copia de seguridad para %@. Para %@ más adelante, descargue el archivo de %@ anterior del sitio web de Kivo (%@) y actualícelo manualmente con %@. Para continuar, haga clic en el botón [%@] de abajo.",
     "Het maken van een back-upbestand voor %@ is mislukt. Voor %@ later downloadt u het vorige %@-bestand van de Kivo-website (%@) en werkt u het handmatig bij met %@. Klik op de knop [%@] hieronder om door te gaan.",
     "Не удалось создать файл резервной копии для %@. Для %@ в дальнейшем загрузите предыдущий файл %@ с веб-сайта Kivo (%@) и обновите его вручную в режиме %@. Чтобы продолжить, нажмите кнопку [%@] ниже.",
     "为%@创建备份文件失败。如需稍后进行%@，请下载之前的%@文件（Kivo网站：%@），并使用%@手动更新。要继续，请点击下方的[%@]按钮。",
     "Varmuuskopiotiedoston luominen kohteelle %@ epäonnistui. Jos haluat myöhemmin suorittaa toiminnon %@, lataa edellinen %@-tiedosto Kivon verkkosivustolta (%@) ja päivitä se manuaalisesti toiminnolla %@. Jatka napsauttamalla alla olevaa [%@]-painiketta.",
     "Vytvoření záložního souboru pro %@ se nezdařilo. Pro pozdější %@ stáhněte předchozí soubor %@ z webu společnosti Kivo (%@) a aktualizujte jej ručně pomocí %@. Pokračujte kliknutím na tlačítko [%@] níže.",
     "Nie udało się utworzyć pliku kopii zapasowej dla %@. Aby później wykonać %@, pobierz poprzedni plik %@ z witryny Kivo (%@) i zaktualizuj go ręcznie za pomocą %@. Aby kontynuować, kliknij poniższy przycisk [%@]."}};

// What fills an instruction's placeholders.
enum class InstructionArg {
    MinusKey,
    PlusKey,
    PhoneKey,
    CenterKey,
    LeftKey,
    RightKey,
    PttKey,
    PairingKey,
    JogDial,
    ProductName,
};

struct InstructionRow {
    std::span<const int> ids;
    const Translated* format;
    std::array<InstructionArg, 2> args;
    int arg_count;
};

inline constexpr InstructionRow kFirstStep[] = {
    {kInstructionCableOnlyProducts, &kUnplugAndReplug, {}, 0},
    {kInstructionFirstMinusProducts, &kPressAndHoldKey, {InstructionArg::MinusKey}, 1},
    {kInstructionPhoneKeyProducts, &kPressAndHoldKey, {InstructionArg::PhoneKey}, 1},
    {kInstructionFirstCenterProducts, &kPressAndHoldKey, {InstructionArg::CenterKey}, 1},
    {kInstructionLeftKeyProducts, &kPressAndHoldKey, {InstructionArg::LeftKey}, 1},
    {kInstructionPairingKeyProducts, &kPressAndHoldKey, {InstructionArg::PairingKey}, 1},
};

inline constexpr InstructionRow kFirstStepAfterFailure[] = {
    {kInstructionCableOnlyProducts, &kUnplugAndReplug, {}, 0},
    {kInstructionMinusKeyProducts, &kReplugHoldingKey, {InstructionArg::MinusKey}, 1},
    {kInstructionRetryPhoneKeyProducts, &kReplugHoldingKey, {InstructionArg::PhoneKey}, 1},
    {kInstructionRetryCenterProducts, &kReplugHoldingKey, {InstructionArg::CenterKey}, 1},
    {kInstructionLeftKeyProducts, &kReplugHoldingKey, {InstructionArg::LeftKey}, 1},
    {kInstructionPairingKeyProducts, &kReplugHoldingKey, {InstructionArg::PairingKey}, 1},
};

inline constexpr InstructionRow kSecondStep[] = {
    {kInstructionPhoneKeyProducts, &kPressAndHoldTwoKeys, {InstructionArg::JogDial, InstructionArg::PhoneKey}, 2},
    {kInstructionMinusKeyProducts, &kPressAndHoldTwoKeys, {InstructionArg::PlusKey, InstructionArg::MinusKey}, 2},
    {kInstructionSecondCenterPlusProducts, &kPressAndHoldTwoKeys, {InstructionArg::CenterKey, InstructionArg::PlusKey}, 2},
    {kInstructionLeftKeyProducts, &kPressAndHoldTwoKeys, {InstructionArg::LeftKey, InstructionArg::RightKey}, 2},
    {kInstructionPairingKeyProducts, &kPressAndHoldTwoKeys, {InstructionArg::PttKey, InstructionArg::PairingKey}, 2},
    {kInstructionSwitchOffProducts, &kSwitchOffAndOn, {InstructionArg::ProductName}, 1},
    {kInstructionCameraProducts, &kCameraReconnectSteps, {}, 0},
};

} // namespace kivo::text_tables
