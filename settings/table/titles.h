#pragma once
// The setting titles of the settings screens: one text per distinct English title, shared by every
// screen that shows it, so that one setting reads the same in the fixed panel, the all-settings
// table and the restore table. A screen that needs a title takes it from here; a new title joins
// the list at the end of this file.

#include <array>
#include <string_view>

#include "app/text/localized.h"
#include "app/text/tables/setting_keys.h"

namespace kivo::settings::titles {

// clang-format off
inline constexpr Translated kEDR{"EDR (Enhanced Data Rate)", {"EDR (débit de données amélioré)", "EDR (erhöhte Datenrate)", "EDR (velocità dati avanzata)", "EDR（拡張データレート）", "EDR(향상된 데이터 전송률)", "EDR (velocidad de datos mejorada)", "EDR (verbeterde gegevenssnelheid)", "EDR (повышенная скорость передачи данных)", "EDR（增强数据速率）", "EDR (parannettu tiedonsiirtonopeus)", "EDR (rozšířená přenosová rychlost)", "EDR (zwiększona szybkość transmisji danych)"}};
inline constexpr Translated kPLC{"PLC (Packet Loss Concealment)", {"PLC (masquage des pertes de paquets)", "PLC (Paketverlust-Verschleierung)", "PLC (occultamento perdita pacchetti)", "PLC（パケットロス補償）", "PLC(패킷 손실 은닉)", "PLC (ocultación de pérdida de paquetes)", "PLC (maskering van pakketverlies)", "PLC (маскировка потери пакетов)", "PLC（丢包隐藏）", "PLC (pakettihäviöiden peitto)", "PLC (maskování ztráty paketů)", "PLC (maskowanie utraty pakietów)"}};
inline constexpr Translated kHighQualityA2DP{"High Quality A2DP", {"Qualité élevée A2DP", "A2DP – hohe Qualität", "Alta qualità audio (A2DP)", "高品質A2DP", "고품질 A2DP", "A2DP de Alta Calidad", "Hoge kwaliteit A2DP", "Высококачественный Проф...", "高质量 A2DP", "Parannettu A2DP", "Vysoká kvalita A2DP", "High Quality A2DP"}};
inline constexpr Translated kMicrophoneBoosting{"Microphone Boosting", {"Amplification du micro", "Mikrofonverstärkung", "Amplificazione microfono", "マイクブースト", "마이크 증폭", "Amplificación del micrófono", "Microfoonversterking", "Усиление микрофона", "麦克风增强", "Mikrofonin vahvistus", "Zesílení mikrofonu", "Wzmocnienie mikrofonu"}};
inline constexpr Translated kSidetone{"Sidetone", {"Effet local", "Eigenecho", "Sidetone", "側音", "사이드톤", "Efecto local", "Waarneming van eigen stem", "Режим внешнего шума", "侧音", "Oma ääni", "Místní vazba", "Dogłos"}};
inline constexpr Translated kAdvancedNoiseControl{"Advanced Noise Control", {"Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control"}};
inline constexpr Translated kAudioMultitasking{"Audio Multitasking", {"Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking"}};
inline constexpr Translated kAutoGainControl{"Auto Gain Control", {"Contrôle automatique du gain", "Automatische Verstärkungsregelung", "Controllo automatico del guadagno", "自動ゲイン制御", "자동 게인 제어", "Control automático de ganancia", "Automatische versterkingsregeling", "Автоматическая регулировка усиления", "自动增益控制", "Automaattinen vahvistuksen säätö", "Automatické řízení zisku", "Automatyczna regulacja wzmocnienia"}};
inline constexpr Translated kAudioBoost{"Audio Boost", {"Booster audio", "Audio Boost", "Aumento del volume medio", "オーディオブースト", "오디오 부스트", "Potenciador_de_audio", "Volumeversterker", "Усиление громкости", "音频增强", "Äänen tehostus", "Posílení zvuku", "Wzmocnienie dźwięku"}};
inline constexpr Translated kMotionSensorSensitivity{"Motion Sensor Sensitivity", {"Sensibilité du détecteur...", "Empfindlichkeit des ...", "Sensibilità del Sensore...", "モーションセンサーの感度", "모션 센서 감도", "Sensibilidad del Sensor...", "Gevoeligheid van bewegings...", "Чувствительность датчика ...", "运动传感器灵敏度", "Liiketunnistimen herkkyys", "Citlivost snímače pohybu", "Czułość czujnika ruchu"}};
inline constexpr Translated kIntercomAudioOverlaySensitivity{"Intercom-audio Overlay Sensi...", {"Sensibilité de recouvrem...", "Empfindlichkeit der ...", "Sensibilità sovrapposizione...", "インターコム音声のオーバーレイ感度", "인터콤-오디오 오버레이 감도", "Sensibilidad de Super...", "Intercom-audio-overlay-gevoel...", "Чувствительность наложения...", "对讲音频覆盖灵敏度", "Taustaäänen voimakkuussäätö", "Citlivost překrývání zvuku interkomu", "Czułość nakładki audio interkomu"}};
inline constexpr Translated kNavigationAppSupport{"Navigation App Support", {"Assistance Navigation", "Unterstützung für Navi...", "Supporto Applicazione...", "ナビゲーションアプリのオーバーレイ", "내비게이션 앱 지원", "Compatibilidad con la Aplicac...", "Ondersteuning navigatie-apps", "Поддержка навигации", "导航应用支持", "Navigaatiosovelluksen tuki", "Podpora navigační aplikace", "Obsługa aplikacji nawigacji"}};
// clang-format on

// Titles that are also the names of persistent-store keys: one text serves both.
inline constexpr const Translated& kRadioTransmitGain = text_tables::kRadioTransmitGainName;
inline constexpr const Translated& kAudioChannelTimeout = text_tables::kAudioChannelTimeoutName;
inline constexpr const Translated& kVOXIntercom = text_tables::kVoxIntercomName;
inline constexpr const Translated& kVOXPhone = text_tables::kVoxPhoneName;

struct TitleEntry {
    std::string_view name;
    const Translated* text;
};

// Every title of the registry, for the checks that keep it one text per English title.
inline constexpr std::array kAllTitles = {
    TitleEntry{"kEDR", &kEDR},
    TitleEntry{"kPLC", &kPLC},
    TitleEntry{"kHighQualityA2DP", &kHighQualityA2DP},
    TitleEntry{"kMicrophoneBoosting", &kMicrophoneBoosting},
    TitleEntry{"kSidetone", &kSidetone},
    TitleEntry{"kAdvancedNoiseControl", &kAdvancedNoiseControl},
    TitleEntry{"kAudioMultitasking", &kAudioMultitasking},
    TitleEntry{"kAutoGainControl", &kAutoGainControl},
    TitleEntry{"kAudioBoost", &kAudioBoost},
    TitleEntry{"kMotionSensorSensitivity", &kMotionSensorSensitivity},
    TitleEntry{"kIntercomAudioOverlaySensitivity", &kIntercomAudioOverlaySensitivity},
    TitleEntry{"kNavigationAppSupport", &kNavigationAppSupport},
    TitleEntry{"kRadioTransmitGain", &kRadioTransmitGain},
    TitleEntry{"kAudioChannelTimeout", &kAudioChannelTimeout},
    TitleEntry{"kVOXIntercom", &kVOXIntercom},
    TitleEntry{"kVOXPhone", &kVOXPhone},
};

} // namespace kivo::settings::titles
