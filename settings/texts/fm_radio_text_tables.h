#pragma once
// The tables behind fm_radio_texts.h. Translation order: French, German, Italian, Japanese, Korean,
// Spanish, Dutch, Russian, Chinese, Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::settings::fm_radio_text_tables {

// clang-format off
inline constexpr Translated kRegion{"Region", {"Région", "Region", "Regione", "地域", "지역", "Región", "Regio", "Регион", "地区", "Alue", "Oblast", "Region"}};
inline constexpr Translated kFMRadioPresets{"FM Radio Presets", {"Stations FM mémorisées", "UKW-Senderspeicher", "Preselezioni radio FM", "FMラジオのプリセット", "FM 라디오 프리셋", "Presintonías de radio FM", "FM-radiovoorkeuzes", "Предустановки FM-радио", "FM 收音机预设", "FM-radion esiasetukset", "Předvolby rádia FM", "Zaprogramowane stacje FM"}};
inline constexpr Translated kRDSAF{"RDS AF (Alternative Frequencies)", {"RDS AF (Fréquences Alternatives)", "RDS AF (Alternative Frequenzen)", "RDS AF (Frequenze Alternative)", "RDS AF (代替周波数)", "RDS AF (대체 주파수)", "AF (Frecuencias Alternat.) RDS", "RDS AF (Alternatieve Frequenties)", "RDS AF (альтернативные УКВ-ч...", "RDS AF（交变频率）", "RDS AF (Automaattinen taajuudenvaihto)", "RDS AF (Alternativní frekvence)", "RDS AF (Alternatywne częstotliwości)"}};
inline constexpr Translated kShortCutFMRadioPreset{"Check Box: [O]-No.     %@: [S][C]-No.", {"Case à cocher : [O]-N°     %@ : [S][C]-N°", "Kontrollkästchen: [O]-Nr.     %@: [S][C]-Nr.", "Casella: [O]-N.     %@: [S][C]-N.", "チェックボックス: [O]-番号     %@: [S][C]-番号", "확인란: [O]-번호     %@: [S][C]-번호", "Casilla: [O]-N.º     %@: [S][C]-N.º", "Selectievakje: [O]-nr.     %@: [S][C]-nr.", "Флажок: [O]-№     %@: [S][C]-№", "复选框：[O]-编号     %@：[S][C]-编号", "Valintaruutu: [O]-nro     %@: [S][C]-nro", "Zaškrtávací pole: [O]-č.     %@: [S][C]-č.", "Pole wyboru: [O]-nr     %@: [S][C]-nr"}};
inline constexpr Translated kInformationRDS{"[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) enables the headset to re-tune to an alternative frequency for the same radio station if the primary frequency loses signal strength. Please check that your local radio stations support the RDS AF feature.", {
    "[RDS (Radio Data System) AF (Fréquences Alternatives)]\nLa fonction RDS AF (fréquences alternatives du Radio Data System) permet au casque de se régler sur une autre fréquence de la même station de radio lorsque le signal de la fréquence principale faiblit. Vérifiez que vos stations de radio locales prennent en charge la fonction RDS AF.",
    "[RDS (Radio Data System) AF (Alternative Frequenzen)]\nRDS AF (alternative Frequenzen des Radio Data System) ermöglicht es dem Headset, auf eine alternative Frequenz desselben Radiosenders umzuschalten, wenn das Signal der Hauptfrequenz schwächer wird. Bitte prüfen Sie, ob Ihre örtlichen Radiosender die RDS-AF-Funktion unterstützen.",
    "[RDS (Radio Data System) AF (Frequenze Alternative)]\nRDS AF (frequenze alternative del Radio Data System) consente alle cuffie di sintonizzarsi su una frequenza alternativa della stessa stazione radio quando il segnale della frequenza principale si indebolisce. Verificare che le stazioni radio locali supportino la funzione RDS AF.",
    "[RDS（ラジオデータシステム）AF（代替周波数）]\nRDS AF（ラジオデータシステムの代替周波数）により、メインの周波数の電波が弱くなったときに、ヘッドセットが同じ放送局の代替周波数に切り替わります。お住まいの地域のラジオ局がRDS AF機能に対応しているかご確認ください。",
    "[RDS(라디오 데이터 시스템) AF(대체 주파수)]\nRDS AF(라디오 데이터 시스템 대체 주파수)는 기본 주파수의 신호가 약해지면 헤드셋이 같은 방송국의 대체 주파수로 다시 맞추도록 합니다. 해당 지역의 라디오 방송국이 RDS AF 기능을 지원하는지 확인하십시오.",
    "[RDS (Radio Data System) AF (Frecuencias Alternativas)]\nRDS AF (frecuencias alternativas del Radio Data System) permite que los auriculares se sintonicen en una frecuencia alternativa de la misma emisora cuando la señal de la frecuencia principal se debilita. Compruebe que las emisoras de radio de su zona admiten la función RDS AF.",
    "[RDS (Radio Data System) AF (Alternatieve Frequenties)]\nMet RDS AF (alternatieve frequenties van het Radio Data System) stemt de headset af op een alternatieve frequentie van dezelfde zender wanneer het signaal van de hoofdfrequentie zwakker wordt. Controleer of uw lokale radiozenders de RDS AF-functie ondersteunen.",
    "[RDS (Radio Data System) AF (альтернативные частоты)]\nФункция RDS AF (альтернативные частоты системы радиоданных) позволяет гарнитуре перестроиться на альтернативную частоту той же радиостанции, если сигнал основной частоты ослабевает. Убедитесь, что местные радиостанции поддерживают функцию RDS AF.",
    "[RDS（无线电数据系统）AF（备用频率）]\n当主频率信号减弱时，RDS AF（无线电数据系统备用频率）可让耳机切换到同一电台的备用频率。请确认您当地的电台支持 RDS AF 功能。",
    "[RDS (Radio Data System) AF (vaihtoehtoiset taajuudet)]\nRDS AF (Radio Data Systemin vaihtoehtoiset taajuudet) antaa kuulokkeiden virittyä saman radioaseman vaihtoehtoiselle taajuudelle, kun päätaajuuden signaali heikkenee. Tarkista, tukevatko paikalliset radioasemasi RDS AF -toimintoa.",
    "[RDS (Radio Data System) AF (alternativní frekvence)]\nFunkce RDS AF (alternativní frekvence systému Radio Data System) umožňuje náhlavní soupravě přeladit na alternativní frekvenci stejné stanice, když signál hlavní frekvence zeslábne. Ověřte, zda místní rozhlasové stanice funkci RDS AF podporují.",
    "[RDS (Radio Data System) AF (Alternatywne częstotliwości)]\nFunkcja RDS AF (alternatywne częstotliwości systemu Radio Data System) pozwala zestawowi słuchawkowemu przestroić się na alternatywną częstotliwość tej samej stacji, gdy sygnał częstotliwości głównej słabnie. Sprawdź, czy lokalne stacje radiowe obsługują funkcję RDS AF."}};
inline constexpr Translated kMessageFMRadioPreset{" FM Radio preset should be between %0.1f\n MHz and %0.1f MHz. Enter valid value\n again.", {
    " La station FM doit être comprise entre %0.1f\n MHz et %0.1f MHz. Saisissez une valeur\n valide.",
    " Der UKW-Speicherplatz muss zwischen %0.1f\n MHz und %0.1f MHz liegen. Geben Sie einen gültigen\n Wert ein.",
    " La preselezione FM deve essere compresa tra %0.1f\n MHz e %0.1f MHz. Inserire di nuovo un\n valore valido.",
    " FMラジオのプリセットは%0.1f\n MHzから%0.1f MHzの間で指定してください。有効な値を\n もう一度入力してください。",
    " FM 라디오 프리셋은 %0.1f\n MHz에서 %0.1f MHz 사이여야 합니다. 올바른 값을\n 다시 입력하십시오.",
    " La presintonía de radio FM debe estar entre %0.1f\n MHz y %0.1f MHz. Introduzca de nuevo un\n valor válido.",
    " De FM-radiovoorkeuze moet tussen %0.1f\n MHz en %0.1f MHz liggen. Voer opnieuw een\n geldige waarde in.",
    " Предустановка FM-радио должна быть от %0.1f\n MHz до %0.1f MHz. Введите допустимое\n значение ещё раз.",
    " FM 收音机预设应介于 %0.1f\n MHz 和 %0.1f MHz 之间。请重新输入\n 有效值。",
    " FM-radion esiasetuksen on oltava välillä %0.1f\n MHz – %0.1f MHz. Anna kelvollinen\n arvo uudelleen.",
    " Předvolba rádia FM musí být mezi %0.1f\n MHz a %0.1f MHz. Zadejte znovu platnou\n hodnotu.",
    " Zaprogramowana stacja FM musi mieścić się między %0.1f\n MHz a %0.1f MHz. Wprowadź ponownie\n prawidłową wartość."}};
inline constexpr Translated kPresetRange{"(%0.1f MHz ~ %0.1f MHz)", {"(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)", "(%0.1f MHz ~ %0.1f MHz)"}};
// clang-format on

} // namespace kivo::settings::fm_radio_text_tables
