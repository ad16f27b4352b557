#include "settings/texts/page_texts.h"

#include "text/app_text.h"
#include "text/text_format.h"

namespace kivo {

namespace text_tables {
// clang-format off
const Translated kSettingsMoreSettings = french_to_finnish("MORE SETTINGS", {"PLUS DE RÉGLAGES", "WEITERE EINSTELLUNGEN", "ALTRE IMPOSTAZIONI", "その他の設定", "추가 설정", "MÁS AJUSTES", "MEER INSTELLINGEN", "ДРУГИЕ НАСТРОЙКИ", "更多设置", "LISÄÄ ASETUKSIA"});
// The maker and the model are inventions of our own.
const Translated kNoteEDR{"If you are using the built-in Bluetooth audio system of a Dravekko motorcycle (e.g. Dravekko Korvana 1400), please disable this option.", {
    "Avec le système audio Bluetooth intégré d'une moto Dravekko (p. ex. Dravekko Korvana 1400), désactivez cette option.",
    "Mit dem Bluetooth-Audiosystem eines Dravekko-Motorrads (z. B. Dravekko Korvana 1400) bitte diese Option deaktivieren.",
    "Con il sistema audio Bluetooth integrato di una moto Dravekko (ad es. Dravekko Korvana 1400), disattivate questa opzione.",
    "Dravekkoオートバイの内蔵Bluetoothオーディオシステム（例：Dravekko Korvana 1400）をお使いの場合は、このオプションを無効にしてください。",
    "Dravekko 오토바이의 내장 블루투스 오디오 시스템(예: Dravekko Korvana 1400)을 사용하는 경우 이 옵션을 비활성화하십시오.",
    "Si utiliza el sistema de audio Bluetooth integrado de una motocicleta Dravekko (p. ej., Dravekko Korvana 1400), desactive esta opción.",
    "Met het Bluetooth-audiosysteem van een Dravekko-motorfiets (bijv. Dravekko Korvana 1400): schakel deze optie uit.",
    "С аудиосистемой Bluetooth мотоцикла Dravekko (например, Dravekko Korvana 1400) отключите этот параметр.",
    "如果您使用 Dravekko 摩托车的内置蓝牙音频系统（例如 Dravekko Korvana 1400），请禁用此选项。",
    "Dravekko-moottoripyörän Bluetooth-äänijärjestelmän (esim. Dravekko Korvana 1400) kanssa poista tämä asetus käytöstä.",
    "Pokud používáte vestavěný zvukový systém Bluetooth motocyklu Dravekko (např. Dravekko Korvana 1400), tuto možnost vypněte.",
    "Jeśli korzystasz z wbudowanego systemu audio Bluetooth motocykla Dravekko (np. Dravekko Korvana 1400), wyłącz tę opcję."}};
const Translated kNoteApply{"NOTE: Changes will be applied after device restarts.", {
    "REMARQUE : les modifications seront appliquées après le redémarrage de l'appareil.",
    "HINWEIS: Änderungen gelten nach dem Neustart des Geräts.",
    "NOTA: le modifiche valgono dopo il riavvio del dispositivo.",
    "注意：変更はデバイスの再起動後に適用されます。",
    "참고: 변경 사항은 장치를 다시 시작한 후 적용됩니다.",
    "NOTA: los cambios se aplican al reiniciar el dispositivo.",
    "OPMERKING: de wijzigingen worden toegepast nadat het apparaat opnieuw is opgestart.",
    "ПРИМЕЧАНИЕ. Изменения вступят в силу после перезапуска устройства.",
    "注意：更改将在设备重新启动后生效。",
    "HUOM: Muutokset tulevat voimaan, kun laite käynnistyy.",
    "POZNÁMKA: Změny se projeví po restartu zařízení.",
    "UWAGA: zmiany zadziałają po ponownym uruchomieniu urządzenia."}};
const Translated kGainLow{"Low", {"Faible", "Niedrig", "Basso", "低", "낮음", "Bajo", "Laag", "Низкий", "低", "Matala", "Nízký", "Niski"}};
const Translated kGainMedium{"Medium", {"Moyen", "Mittel", "Medio", "中", "중간", "Medio", "Gemiddeld", "Средний", "中", "Keskitaso", "Střední", "Średni"}};
const Translated kGainHigh{"High", {"Élevé", "Hoch", "Alto", "高", "높음", "Alto", "Hoog", "Высокий", "高", "Korkea", "Vysoký", "Wysoki"}};
// clang-format on
} // namespace text_tables

using namespace text_tables;

std::string SettingsPageTexts::tavk_string_more_settings_in(ManagerLanguage in)
{
    return localized(kSettingsMoreSettings, in);
}

std::string SettingsPageTexts::gain_title_in(int cell, ManagerLanguage in)
{
    switch (cell) {
    case 0: return localized(kGainLow, in);
    case 2: return localized(kGainHigh, in);
    default: return localized(kGainMedium, in);
    }
}

std::string SettingsPageTexts::stringNoteEDR(ManagerLanguage in) { return localized(kNoteEDR, in); }

std::string SettingsPageTexts::stringNoteApply(ManagerLanguage in) { return localized(kNoteApply, in); }

std::string SettingsPageTexts::stringACTUnit(ManagerLanguage in)
{
    return fill_format("%@ (3 ~ 60)", {AppText::tavk_string_seconds_in(in)});
}

} // namespace kivo
