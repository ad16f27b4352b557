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
inline constexpr Translated kEDR{"EDR (Enhanced Data Rate)", {"EDR (débit de données amélioré)", "EDR (erhöhte Datenrate)", "EDR (velocità dati avanzata)", "EDR（拡張データレート）", "EDR(향상된 데이터 전송률)", "EDR (velocidad de datos mejorada)", "EDR (verbeterde gegevenssnelheid)", "EDR (ускоренная передача данных)", "EDR（增强数据速率）", "EDR (parannettu tiedonsiirtonopeus)", "EDR (rozšířená přenosová rychlost)", "EDR (zwiększona szybkość transmisji danych)"}};
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

// Titles of the all-settings table; their translations are still to come (they read English).
// clang-format off
inline constexpr Translated kAudioOverlay{"Audio Overlay", {}};
inline constexpr Translated kBluetoothIntercomAudioMultitasking{"Bluetooth Intercom Audio Multitasking", {}};
inline constexpr Translated kAudioOverlayVolumeManagement{"Audio Overlay Volume Management", {}};
inline constexpr Translated kAudioMultitaskingVolumeManagement{"Audio Multitasking Volume Management", {}};
inline constexpr Translated kHDIntercom{"HD Intercom", {}};
inline constexpr Translated kEightWayIntercom{"Eight-way Intercom", {}};
inline constexpr Translated kHDVoice{"HD Voice", {}};
inline constexpr Translated kGuestMode{"Guest Mode", {}};
inline constexpr Translated kMeshReachOut{"Mesh Reach-Out", {}};
inline constexpr Translated kVoicePrompt{"Voice Prompt", {}};
inline constexpr Translated kVoiceCommand{"Voice Command", {}};
inline constexpr Translated kVoiceAssistant{"Voice Assistant", {}};
inline constexpr Translated kFMStationGuide{"FM Station Guide", {}};
inline constexpr Translated kHDSpeakerAccessory{"HD Speaker Accessory", {}};
inline constexpr Translated kMerrowMic{"Merrow Mic", {}};
inline constexpr Translated kWhiteLEDAlwaysOn{"White LED Always On", {}};
inline constexpr Translated kAutoOnOff{"Auto On-Off", {}};
inline constexpr Translated kAutoOff{"AUTO OFF", {}};
inline constexpr Translated kAutomaticPowerOff{"Automatic Power Off", {}};
inline constexpr Translated kSimpleMode{"Simple Mode", {}};
inline constexpr Translated kAdvancedFeatures{"Advanced features", {}};
inline constexpr Translated kSmartNaviSystem{"Smart Navi System", {}};
inline constexpr Translated kAutoStartRecording{"Auto Start Recording", {}};
inline constexpr Translated kDateCaption{"Date Caption", {}};
inline constexpr Translated kSpeakerSoundRecording{"Speaker Sound Recording", {}};
inline constexpr Translated kSpeakerSoundRecordingMusic{"▶ Music", {}};
inline constexpr Translated kSpeakerSoundRecordingFMRadio{"▶ FM Radio", {}};
inline constexpr Translated kSpeakerSoundRecordingIntercom{"▶ Intercom", {}};
inline constexpr Translated kSpeakerSoundRecordingPhone{"▶ Phone", {}};
inline constexpr Translated kAutoCameraSleep{"Auto Camera Sleep", {}};
inline constexpr Translated kFMRadio{"FM Radio", {}};
inline constexpr Translated kSmartphoneConnection{"Smartphone Connection", {}};
// One text in every language.
inline constexpr Translated kRemoteUIRTT{"Remote UI RTT", {}};
inline constexpr Translated kMeshIntercomVoxSensitivity{"Mesh Intercom Vox Sensitivity", {}};
inline constexpr Translated kMicrophoneSensitivity{"Microphone sensitivity", {}};
inline constexpr Translated kVOXSensitivity{"VOX Sensitivity", {}};
inline constexpr Translated kSmartVolumeControl{"Smart Volume Control", {}};
inline constexpr Translated kAudioSourcePriority{"Audio Source Priority", {}};
inline constexpr Translated kBackgroundVolume{"Background Volume", {}};
inline constexpr Translated kESSConfiguration{"ESS Configuration", {}};
inline constexpr Translated kESSSensitivity{"ESS Sensitivity", {}};
inline constexpr Translated kChannelSelect{"Channel Select", {}};
inline constexpr Translated kChannelSetting{"Channel Setting", {}};
inline constexpr Translated kChannel{"Channel", {}};
inline constexpr Translated kVolume{"Volume", {}};
inline constexpr Translated kPhotoMode{"Photo Mode", {}};
inline constexpr Translated kVideoMode{"Video Mode", {}};
inline constexpr Translated kVideoResolution{"Video Resolution", {}};
inline constexpr Translated kTimelapseInterval{"Timelapse Interval", {}};
inline constexpr Translated kVideoTaggingInterval{"Video Tagging Interval", {}};
inline constexpr Translated kLoopRecordingInterval{"Loop Recording Interval", {}};
inline constexpr Translated kVideoMicrophoneGain{"Video Microphone Gain", {}};
inline constexpr Translated kSpeakers{"Speakers", {}};
inline constexpr Translated kHelmet{"Helmet", {}};
inline constexpr Translated kAudioEqualizer{"Audio Equalizer", {}};
inline constexpr Translated kUnitLanguage{"Unit Language", {}};
inline constexpr Translated kHeadsetLanguage{"Headset Language", {}};
inline constexpr Translated kLanguage{"Language", {}};
// clang-format on

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
    TitleEntry{"kAudioOverlay", &kAudioOverlay},
    TitleEntry{"kBluetoothIntercomAudioMultitasking", &kBluetoothIntercomAudioMultitasking},
    TitleEntry{"kAudioOverlayVolumeManagement", &kAudioOverlayVolumeManagement},
    TitleEntry{"kAudioMultitaskingVolumeManagement", &kAudioMultitaskingVolumeManagement},
    TitleEntry{"kHDIntercom", &kHDIntercom},
    TitleEntry{"kEightWayIntercom", &kEightWayIntercom},
    TitleEntry{"kHDVoice", &kHDVoice},
    TitleEntry{"kGuestMode", &kGuestMode},
    TitleEntry{"kMeshReachOut", &kMeshReachOut},
    TitleEntry{"kVoicePrompt", &kVoicePrompt},
    TitleEntry{"kVoiceCommand", &kVoiceCommand},
    TitleEntry{"kVoiceAssistant", &kVoiceAssistant},
    TitleEntry{"kFMStationGuide", &kFMStationGuide},
    TitleEntry{"kHDSpeakerAccessory", &kHDSpeakerAccessory},
    TitleEntry{"kMerrowMic", &kMerrowMic},
    TitleEntry{"kWhiteLEDAlwaysOn", &kWhiteLEDAlwaysOn},
    TitleEntry{"kAutoOnOff", &kAutoOnOff},
    TitleEntry{"kAutoOff", &kAutoOff},
    TitleEntry{"kAutomaticPowerOff", &kAutomaticPowerOff},
    TitleEntry{"kSimpleMode", &kSimpleMode},
    TitleEntry{"kAdvancedFeatures", &kAdvancedFeatures},
    TitleEntry{"kSmartNaviSystem", &kSmartNaviSystem},
    TitleEntry{"kAutoStartRecording", &kAutoStartRecording},
    TitleEntry{"kDateCaption", &kDateCaption},
    TitleEntry{"kSpeakerSoundRecording", &kSpeakerSoundRecording},
    TitleEntry{"kSpeakerSoundRecordingMusic", &kSpeakerSoundRecordingMusic},
    TitleEntry{"kSpeakerSoundRecordingFMRadio", &kSpeakerSoundRecordingFMRadio},
    TitleEntry{"kSpeakerSoundRecordingIntercom", &kSpeakerSoundRecordingIntercom},
    TitleEntry{"kSpeakerSoundRecordingPhone", &kSpeakerSoundRecordingPhone},
    TitleEntry{"kAutoCameraSleep", &kAutoCameraSleep},
    TitleEntry{"kFMRadio", &kFMRadio},
    TitleEntry{"kSmartphoneConnection", &kSmartphoneConnection},
    TitleEntry{"kRemoteUIRTT", &kRemoteUIRTT},
    TitleEntry{"kMeshIntercomVoxSensitivity", &kMeshIntercomVoxSensitivity},
    TitleEntry{"kMicrophoneSensitivity", &kMicrophoneSensitivity},
    TitleEntry{"kVOXSensitivity", &kVOXSensitivity},
    TitleEntry{"kSmartVolumeControl", &kSmartVolumeControl},
    TitleEntry{"kAudioSourcePriority", &kAudioSourcePriority},
    TitleEntry{"kBackgroundVolume", &kBackgroundVolume},
    TitleEntry{"kESSConfiguration", &kESSConfiguration},
    TitleEntry{"kESSSensitivity", &kESSSensitivity},
    TitleEntry{"kChannelSelect", &kChannelSelect},
    TitleEntry{"kChannelSetting", &kChannelSetting},
    TitleEntry{"kChannel", &kChannel},
    TitleEntry{"kVolume", &kVolume},
    TitleEntry{"kPhotoMode", &kPhotoMode},
    TitleEntry{"kVideoMode", &kVideoMode},
    TitleEntry{"kVideoResolution", &kVideoResolution},
    TitleEntry{"kTimelapseInterval", &kTimelapseInterval},
    TitleEntry{"kVideoTaggingInterval", &kVideoTaggingInterval},
    TitleEntry{"kLoopRecordingInterval", &kLoopRecordingInterval},
    TitleEntry{"kVideoMicrophoneGain", &kVideoMicrophoneGain},
    TitleEntry{"kSpeakers", &kSpeakers},
    TitleEntry{"kHelmet", &kHelmet},
    TitleEntry{"kAudioEqualizer", &kAudioEqualizer},
    TitleEntry{"kUnitLanguage", &kUnitLanguage},
    TitleEntry{"kHeadsetLanguage", &kHeadsetLanguage},
    TitleEntry{"kLanguage", &kLanguage},
};

} // namespace kivo::settings::titles
