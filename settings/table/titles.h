#pragma once
// The setting titles of the settings screens: one text per distinct English title, shared by every
// screen that shows it, so that one setting reads the same in the fixed panel, the all-settings
// table and the restore table. A screen that needs a title takes it from here; a new title joins
// the list at the end of this file.

#include <array>
#include <string_view>

#include "settings/texts/fm_radio_text_tables.h"
#include "text/localized.h"
#include "text/tables/setting_keys_table.h"
#include "text/tables/update_table.h"

namespace kivo::settings::titles {

// A text shown as it stands in every language: a name, a number, a fixed term.
constexpr Translated same_in_every_language(const char* text)
{
    Translated same{text, {}};
    for (const char*& translation : same.translations)
        translation = text;
    return same;
}

// A label table (English first) as a translated text.
constexpr Translated from_label_table(const LabelTable& table)
{
    Translated text{table[kEnglish], {}};
    for (std::size_t i = 0; i < text.translations.size(); ++i)
        text.translations[i] = table[i + 1];
    return text;
}

// clang-format off
inline constexpr Translated kEDR{"EDR (Enhanced Data Rate)", {"EDR (Débit de données amél...)", "EDR (Erhöhte Datenrate)", "EDR (Trasm. dati veloce)", "EDR (強化データ転送速度)", "EDR (향상된 데이터 속도)", "EDR (Tasa Datos Mejorada)", "EDR (verhoogde gegevenssne...", "ПСПД (Повышенная Скорость...", "EDR（增强数据速率）", "EDR (korkea siirtonopeus)", "EDR (Vylepšená rychlost přenosu dat)", "EDR (zwiększona szybkość danych)"}};
inline constexpr Translated kPLC{"PLC (Packet Loss Concealment)", {"PLC (Dissimulation de perte ...)", "PLC (Packet Loss Concealment)", "PLC (Packet Loss Concealment)", "PLC (パケットロス補間処理)", "PLC (패킷 손실 숨기기)", "PLC (ocult. pérdida paquetes)", "PLC (pakketverlies verbergen)", "СПП (Скрытие потери пакетов)", "PLC（数据包丢失隐藏）", "PLC (Packet Loss Concealment)", "PLC (Skrývání ztrát paketů)", "PLC (Packet Loss Concealment – ukrywanie utraty pakietów)"}};
inline constexpr Translated kHighQualityA2DP{"High Quality A2DP", {"Qualité élevée A2DP", "A2DP – hohe Qualität", "Alta qualità audio (A2DP)", "高品質A2DP", "고품질 A2DP", "A2DP de Alta Calidad", "Hoge kwaliteit A2DP", "Высококачественный Проф...", "高质量 A2DP", "Parannettu A2DP", "Vysoká kvalita A2DP", "High Quality A2DP"}};
inline constexpr Translated kMicrophoneBoosting{"Microphone Boosting", {"Booster du Microphone", "Mikrofon-Boost", "Sovralim. Microfono", "マイクブースト", "마이크 부스팅", "Mejora Micrófono", "Microfoonversterker", "Усиление Микрофона", "麦克风增强", "Mikrofonin tehostus", "Zesílení mikrofonu", "Wzmocnienie mikrofonu"}};
inline constexpr Translated kSidetone{"Sidetone", {"Effet local", "Eigenecho", "Sidetone", "側音", "사이드톤", "Efecto local", "Waarneming van eigen stem", "Режим внешнего шума", "侧音", "Oma ääni", "Místní vazba", "Dogłos"}};
inline constexpr Translated kAdvancedNoiseControl{"Advanced Noise Control", {"Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control", "Advanced Noise Control"}};
inline constexpr Translated kAudioMultitasking{"Audio Multitasking", {"Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking", "Audio Multitasking"}};
inline constexpr Translated kAutoGainControl{"Auto Gain Control", {"Contrôle Automatique du Gain", "Automatische Verstärkungsre...", "Controllo Automatico del Gua...", "自動ゲイン制御", "자동 음성 입력 제어", "Control Automático de Ganancia", "Automatische Volumeregeling", "Автоматическое Регулиров...", "自动增益控制", "Automaattinen herkkyyssäätö", "Automatické ovládání zesílení", "Automatyczna regulacja wzmocnienia"}};
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
// The FM radio page's RDS switch reads the same.
inline constexpr const Translated& kRDSAF = fm_radio_text_tables::kRDSAF;

// Titles of the all-settings table.
// clang-format off
inline constexpr Translated kAudioOverlay{"Audio Overlay", {"Recouvrement audio", "Audio-Overlay", "Sovrapposizione audio", "オーディオオーバーレイ", "오디오 오버레이", "Superposición de audio", "Audio-overlay", "Наложение звука", "音频覆盖", "Äänen päällekkäisyys", "Překrývání zvuku", "Nakładka audio"}};
inline constexpr Translated kBluetoothIntercomAudioMultitasking{"Bluetooth Intercom Audio Multitasking", {"Audio Multitasking de l'intercom Bluetooth", "Audio Multitasking der Bluetooth-Sprechanlage", "Audio Multitasking dell'interfono Bluetooth", "Bluetoothインターコム Audio Multitasking", "블루투스 인터콤 Audio Multitasking", "Audio Multitasking del intercomunicador Bluetooth", "Audio Multitasking voor Bluetooth-intercom", "Audio Multitasking для Bluetooth-связи", "蓝牙对讲 Audio Multitasking", "Bluetooth-laiteyhteyden Audio Multitasking", "Audio Multitasking Bluetooth interkomu", "Audio Multitasking interkomu Bluetooth"}};
inline constexpr Translated kAudioOverlayVolumeManagement{"Audio Overlay Volume Management", {"Gestion du volume du recouvrement audio", "Lautstärkeregelung für Audio-Overlay", "Gestione volume sovrapposizione audio", "オーディオオーバーレイの音量管理", "오디오 오버레이 볼륨 관리", "Gestión del volumen de superposición de audio", "Volumebeheer audio-overlay", "Управление громкостью наложения звука", "音频覆盖音量管理", "Äänen päällekkäisyyden äänenvoimakkuus", "Správa hlasitosti překrývání zvuku", "Zarządzanie głośnością nakładki audio"}};
inline constexpr Translated kAudioMultitaskingVolumeManagement{"Audio Multitasking Volume Management", {"Gestion du volume de l'Audio Multitasking", "Lautstärkeregelung für Audio Multitasking", "Gestione volume Audio Multitasking", "Audio Multitaskingの音量管理", "Audio Multitasking 볼륨 관리", "Gestión del volumen de Audio Multitasking", "Volumebeheer Audio Multitasking", "Управление громкостью Audio Multitasking", "Audio Multitasking 音量管理", "Audio Multitaskingin äänenvoimakkuus", "Správa hlasitosti Audio Multitasking", "Zarządzanie głośnością Audio Multitasking"}};
inline constexpr Translated kHDIntercom{"HD Intercom", {"Intercom HD", "HD-Sprechanlage", "Interfono HD", "HDインターコム", "HD 인터콤", "Intercomunicador HD", "HD-intercom", "HD-связь", "高清对讲", "HD-laiteyhteys", "HD interkom", "Interkom HD"}};
inline constexpr Translated kEightWayIntercom{"Eight-way Intercom", {"Intercom à huit", "Acht-Wege-Sprechanlage", "Interfono a otto vie", "8ウェイインターコム", "8인 인터콤", "Intercomunicador de ocho vías", "Achtweg-intercom", "Связь на восемь абонентов", "八方对讲", "Kahdeksan laitteen laiteyhteys", "Osmicestný interkom", "Interkom ośmiokierunkowy"}};
inline constexpr Translated kHDVoice{"HD Voice", {"Voix HD", "HD-Stimme", "Voce HD", "HDボイス", "HD 음성", "Voz HD", "HD-spraak", "HD-голос", "高清语音", "HD-puhe", "HD hlas", "Głos HD"}};
inline constexpr Translated kGuestMode{"Guest Mode", {"Mode invité", "Gastmodus", "Modalità ospite", "ゲストモード", "게스트 모드", "Modo invitado", "Gastmodus", "Гостевой режим", "访客模式", "Vierastila", "Režim hosta", "Tryb gościa"}};
inline constexpr Translated kMeshReachOut{"Mesh Reach-Out", {"Appel sortant Mesh", "Mesh-Kontaktaufnahme", "Chiamata Mesh", "メッシュリーチアウト", "메시 리치아웃", "Llamada Mesh", "Mesh-oproep", "Вызов Mesh", "Mesh 主动呼叫", "Mesh-yhteydenotto", "Oslovení Mesh", "Wywołanie Mesh"}};
// The voice-prompt language pop-up of the update page shows the same words.
inline constexpr Translated kVoicePrompt = from_label_table(text_tables::kVoicePromptLabel);
inline constexpr Translated kVoiceCommand{"Voice Command", {"Commande vocale", "Sprachbefehl", "Comando vocale", "音声コマンド", "음성 명령", "Comando de voz", "Spraakbediening", "Голосовые команды", "语音命令", "Puheohjaus", "Hlasový příkaz", "Polecenie głosowe"}};
inline constexpr Translated kVoiceAssistant{"Voice Assistant", {"Assistant vocal", "Sprachassistent", "Assistente vocale", "音声アシスタント", "음성 비서", "Asistente de voz", "Spraakassistent", "Голосовой помощник", "语音助手", "Puheavustaja", "Hlasový asistent", "Asystent głosowy"}};
inline constexpr Translated kFMStationGuide{"FM Station Guide", {"Guide des stations FM", "UKW-Senderansage", "Guida stazioni FM", "FM局ガイド", "FM 방송국 안내", "Guía de emisoras FM", "FM-zendergids", "Гид по FM-станциям", "FM 电台指南", "FM-asemaopas", "Průvodce stanicemi FM", "Przewodnik stacji FM"}};
inline constexpr Translated kHDSpeakerAccessory{"HD Speaker Accessory", {"Accessoire haut-parleurs HD", "HD-Lautsprecherzubehör", "Accessorio altoparlanti HD", "HDスピーカーアクセサリー", "HD 스피커 액세서리", "Accesorio de altavoces HD", "HD-luidsprekeraccessoire", "Аксессуар HD-динамиков", "高清扬声器配件", "HD-kaiutinlisävaruste", "Příslušenství HD reproduktorů", "Akcesorium głośników HD"}};
inline constexpr Translated kMerrowMic{"Merrow Mic", {"Micro Merrow", "Merrow-Mikrofon", "Microfono Merrow", "Merrowマイク", "Merrow 마이크", "Micrófono Merrow", "Merrow-microfoon", "Микрофон Merrow", "Merrow 麦克风", "Merrow-mikrofoni", "Mikrofon Merrow", "Mikrofon Merrow"}};
inline constexpr Translated kWhiteLEDAlwaysOn{"White LED Always On", {"LED blanche toujours allumée", "Weiße LED immer an", "LED bianco sempre acceso", "白色LED常時点灯", "흰색 LED 항상 켜짐", "LED blanco siempre encendido", "Witte led altijd aan", "Белый светодиод всегда вкл.", "白色 LED 常亮", "Valkoinen LED aina päällä", "Bílá LED stále svítí", "Biała dioda LED zawsze włączona"}};
inline constexpr Translated kAutoOnOff{"Auto On-Off", {"Marche/arrêt automatique", "Automatisch ein/aus", "Accensione/spegnimento automatico", "自動オン/オフ", "자동 켜기/끄기", "Encendido/apagado automático", "Automatisch aan/uit", "Автовкл./выкл.", "自动开关机", "Automaattinen päälle/pois", "Automatické zapnutí/vypnutí", "Automatyczne wł./wył."}};
inline constexpr Translated kAutoOff{"AUTO OFF", {"ARRÊT AUTO", "AUTO-AUS", "SPEGNIMENTO AUTO", "オートオフ", "자동 꺼짐", "APAGADO AUTO", "AUTO UIT", "АВТООТКЛЮЧЕНИЕ", "自动关机", "AUTOM. SAMMUTUS", "AUTOM. VYPNUTÍ", "AUTO WYŁ."}};
inline constexpr Translated kAutomaticPowerOff{"Automatic Power Off", {"Arrêt automatique", "Automatische Abschaltung", "Spegnimento automatico", "自動電源オフ", "자동 전원 끄기", "Apagado automático", "Automatisch uitschakelen", "Автоматическое выключение", "自动关闭电源", "Automaattinen virrankatkaisu", "Automatické vypnutí", "Automatyczne wyłączanie"}};
inline constexpr Translated kSimpleMode{"Simple Mode", {"Mode simple", "Einfacher Modus", "Modalità semplice", "シンプルモード", "간편 모드", "Modo sencillo", "Eenvoudige modus", "Простой режим", "简易模式", "Yksinkertainen tila", "Jednoduchý režim", "Tryb prosty"}};
inline constexpr Translated kAdvancedFeatures{"Advanced features", {"Fonctions avancées", "Erweiterte Funktionen", "Funzioni avanzate", "詳細機能", "고급 기능", "Funciones avanzadas", "Geavanceerde functies", "Расширенные функции", "高级功能", "Lisätoiminnot", "Pokročilé funkce", "Funkcje zaawansowane"}};
inline constexpr Translated kSmartNaviSystem{"Smart Navi System", {"Système de navigation intelligent", "Intelligentes Navigationssystem", "Sistema di navigazione intelligente", "スマートナビシステム", "스마트 내비 시스템", "Sistema de navegación inteligente", "Slim navigatiesysteem", "Умная навигация", "智能导航系统", "Älykäs navigointijärjestelmä", "Chytrý navigační systém", "Inteligentny system nawigacji"}};
inline constexpr Translated kAutoStartRecording{"Auto Start Recording", {"Démarrage auto de l'enregistrement", "Aufnahme automatisch starten", "Avvio automatico registrazione", "録画の自動開始", "자동 녹화 시작", "Inicio automático de grabación", "Opname automatisch starten", "Автозапуск записи", "自动开始录制", "Tallennuksen automaattinen aloitus", "Automatické spuštění záznamu", "Automatyczne rozpoczęcie nagrywania"}};
inline constexpr Translated kDateCaption{"Date Caption", {"Incrustation de la date", "Datumseinblendung", "Didascalia data", "日付表示", "날짜 표시", "Marca de fecha", "Datumweergave", "Отметка даты", "日期标注", "Päivämäärämerkintä", "Popisek data", "Znacznik daty"}};
inline constexpr Translated kSpeakerSoundRecording{"Speaker Sound Recording", {"Enregistrement sonore haut-parleurs", "Lautsprecherton-Aufnahme", "Registrazione audio altoparlanti", "スピーカー音の録音", "스피커 사운드 녹음", "Grabación del sonido de los altavoces", "Luidsprekergeluid opnemen", "Запись звука динамиков", "扬声器声音录制", "Kaiutinäänen tallennus", "Záznam zvuku reproduktorů", "Nagrywanie dźwięku z głośników"}};
// The sources of the speaker sound recording: the words of the music, FM radio, intercom and phone
// items and titles.
inline constexpr Translated kSpeakerSoundRecordingMusic{"▶ Music", {"▶ Musique", "▶ Musik", "▶ Musica", "▶ 音楽", "▶ 음악", "▶ Música", "▶ Muziek", "▶ Музыка", "▶ 音乐", "▶ Musiikki", "▶ Hudba", "▶ Muzyka"}};
inline constexpr Translated kSpeakerSoundRecordingFMRadio{"▶ FM Radio", {"▶ Radio FM", "▶ UKW-Radio", "▶ Radio FM", "▶ FMラジオ", "▶ FM 라디오", "▶ Radio FM", "▶ FM-radio", "▶ FM-радио", "▶ FM 广播", "▶ Radio", "▶ FM rádio", "▶ Radio FM"}};
inline constexpr Translated kSpeakerSoundRecordingIntercom{"▶ Intercom", {"▶ Intercom", "▶ Sprechanlage", "▶ Interfono", "▶ インターコム", "▶ 인터콤", "▶ Intercomunicador", "▶ Intercom", "▶ Связь", "▶ 对讲", "▶ Laiteyhteys", "▶ Interkom", "▶ Interkom"}};
inline constexpr Translated kSpeakerSoundRecordingPhone{"▶ Phone", {"▶ Téléphone", "▶ Telefon", "▶ Telefono", "▶ 電話", "▶ 전화", "▶ Teléfono", "▶ Telefoon", "▶ Телефон", "▶ 手机", "▶ Matkapuhelin", "▶ Telefon", "▶ Telefon"}};
inline constexpr Translated kAutoCameraSleep{"Auto Camera Sleep", {"Veille automatique de la caméra", "Automatischer Kamera-Ruhemodus", "Sospensione automatica videocamera", "カメラの自動スリープ", "카메라 자동 절전", "Suspensión automática de la cámara", "Automatische slaapstand camera", "Автоматический спящий режим камеры", "相机自动休眠", "Kameran automaattinen lepotila", "Automatický režim spánku kamery", "Automatyczne uśpienie kamery"}};
// The FM radio tab reads the same.
inline constexpr Translated kFMRadio{"FM Radio", {"Radio FM", "UKW-Radio", "Radio FM", "FMラジオ", "FM 라디오", "Radio FM", "FM-radio", "FM-радио", "FM 广播", "Radio", "FM rádio", "Radio FM"}};
inline constexpr Translated kSmartphoneConnection{"Smartphone Connection", {"Connexion smartphone", "Smartphone-Verbindung", "Connessione smartphone", "スマートフォン接続", "스마트폰 연결", "Conexión del smartphone", "Smartphoneverbinding", "Подключение смартфона", "智能手机连接", "Älypuhelinyhteys", "Připojení chytrého telefonu", "Połączenie ze smartfonem"}};
// One text in every language.
inline constexpr Translated kRemoteUIRTT = same_in_every_language("Remote UI RTT");
inline constexpr Translated kMeshIntercomVoxSensitivity{"Mesh Intercom Vox Sensitivity", {"Sensibilité VOX de l'intercom Mesh", "VOX-Empfindlichkeit der Mesh-Sprechanlage", "Sensibilità VOX interfono Mesh", "メッシュインターコムのVOX感度", "메시 인터콤 음성 감지 감도", "Sensibilidad VOX del intercomunicador Mesh", "VOX-gevoeligheid Mesh-intercom", "Чувствительность голосовой активации Mesh-связи", "Mesh 对讲声控灵敏度", "Mesh-laiteyhteyden ääniohjauksen herkkyys", "Citlivost hlasové aktivace interkomu Mesh", "Czułość VOX interkomu Mesh"}};
inline constexpr Translated kMicrophoneSensitivity{"Microphone sensitivity", {"Sensibilité du micro", "Mikrofonempfindlichkeit", "Sensibilità microfono", "マイク感度", "마이크 감도", "Sensibilidad del micrófono", "Microfoongevoeligheid", "Чувствительность микрофона", "麦克风灵敏度", "Mikrofonin herkkyys", "Citlivost mikrofonu", "Czułość mikrofonu"}};
inline constexpr Translated kVOXSensitivity{"VOX Sensitivity", {"Sensibilité VOX", "VOX-Empfindlichkeit", "Sensibilità VOX", "VOX感度", "음성 감지 감도", "Sensibilidad VOX", "VOX-gevoeligheid", "Чувствительность голосовой активации", "声控灵敏度", "Ääniohjauksen herkkyys", "Citlivost hlasové aktivace", "Czułość VOX"}};
inline constexpr Translated kSmartVolumeControl{"Smart Volume Control", {"Contrôle intelligent du volume", "Intelligente Lautstärkeregelung", "Controllo intelligente del volume", "スマートボリュームコントロール", "스마트 볼륨 조절", "Control de volumen inteligente", "Slimme volumeregeling", "Умная регулировка громкости", "智能音量控制", "Älykäs äänenvoimakkuuden säätö", "Chytré ovládání hlasitosti", "Inteligentna regulacja głośności"}};
inline constexpr Translated kAudioSourcePriority{"Audio Source Priority", {"Priorité des sources audio", "Priorität der Audioquellen", "Priorità sorgente audio", "オーディオソースの優先順位", "오디오 소스 우선순위", "Prioridad de fuente de audio", "Prioriteit audiobron", "Приоритет источника звука", "音频源优先级", "Äänilähteen etusija", "Priorita zdroje zvuku", "Priorytet źródła dźwięku"}};
inline constexpr Translated kBackgroundVolume{"Background Volume", {"Volume d'arrière-plan", "Hintergrundlautstärke", "Volume di sottofondo", "バックグラウンド音量", "배경 볼륨", "Volumen de fondo", "Achtergrondvolume", "Фоновая громкость", "背景音量", "Taustan äänenvoimakkuus", "Hlasitost pozadí", "Głośność tła"}};
inline constexpr Translated kESSConfiguration{"ESS Configuration", {"Configuration ESS", "ESS-Konfiguration", "Configurazione ESS", "ESS設定", "ESS 구성", "Configuración de ESS", "ESS-configuratie", "Настройка ESS", "ESS 配置", "ESS-määritys", "Konfigurace ESS", "Konfiguracja ESS"}};
inline constexpr Translated kESSSensitivity{"ESS Sensitivity", {"Sensibilité ESS", "ESS-Empfindlichkeit", "Sensibilità ESS", "ESS感度", "ESS 감도", "Sensibilidad ESS", "ESS-gevoeligheid", "Чувствительность ESS", "ESS 灵敏度", "ESS-herkkyys", "Citlivost ESS", "Czułość ESS"}};
inline constexpr Translated kChannelSelect{"Channel Select", {"Sélection du canal", "Kanalwahl", "Selezione canale", "チャネル選択", "채널 선택", "Selección de canal", "Kanaalkeuze", "Выбор канала", "频道选择", "Kanavan valinta", "Výběr kanálu", "Wybór kanału"}};
inline constexpr Translated kChannelSetting{"Channel Setting", {"Réglage du canal", "Kanaleinstellung", "Impostazione canale", "チャネル設定", "채널 설정", "Ajuste de canal", "Kanaalinstelling", "Настройка канала", "频道设置", "Kanava-asetus", "Nastavení kanálu", "Ustawienie kanału"}};
inline constexpr Translated kChannel{"Channel", {"Canal", "Kanal", "Canale", "チャネル", "채널", "Canal", "Kanaal", "Канал", "频道", "Kanava", "Kanál", "Kanał"}};
inline constexpr Translated kVolume{"Volume", {"Volume", "Lautstärke", "Volume", "音量", "볼륨", "Volumen", "Volume", "Громкость", "音量", "Äänenvoimakkuus", "Hlasitost", "Głośność"}};
inline constexpr Translated kPhotoMode{"Photo Mode", {"Mode photo", "Fotomodus", "Modalità foto", "写真モード", "사진 모드", "Modo foto", "Fotomodus", "Режим фото", "拍照模式", "Valokuvatila", "Režim fotografie", "Tryb zdjęć"}};
inline constexpr Translated kVideoMode{"Video Mode", {"Mode vidéo", "Videomodus", "Modalità video", "ビデオモード", "비디오 모드", "Modo vídeo", "Videomodus", "Режим видео", "视频模式", "Videotila", "Režim videa", "Tryb wideo"}};
inline constexpr Translated kVideoResolution{"Video Resolution", {"Résolution vidéo", "Videoauflösung", "Risoluzione video", "ビデオ解像度", "비디오 해상도", "Resolución de vídeo", "Videoresolutie", "Разрешение видео", "视频分辨率", "Videon tarkkuus", "Rozlišení videa", "Rozdzielczość wideo"}};
inline constexpr Translated kTimelapseInterval{"Timelapse Interval", {"Intervalle du timelapse", "Zeitraffer-Intervall", "Intervallo timelapse", "タイムラプス間隔", "타임랩스 간격", "Intervalo de timelapse", "Timelapse-interval", "Интервал таймлапса", "延时摄影间隔", "Aikavälikuvauksen väli", "Interval časosběru", "Interwał timelapse"}};
inline constexpr Translated kVideoTaggingInterval{"Video Tagging Interval", {"Intervalle de marquage vidéo", "Video-Markierungsintervall", "Intervallo di marcatura video", "ビデオタグ付け間隔", "비디오 태그 간격", "Intervalo de marcado de vídeo", "Interval videomarkering", "Интервал меток видео", "视频标记间隔", "Videon merkintäväli", "Interval značkování videa", "Interwał znaczników wideo"}};
inline constexpr Translated kLoopRecordingInterval{"Loop Recording Interval", {"Intervalle d'enregistrement en boucle", "Intervall der Loop-Aufnahme", "Intervallo registrazione in loop", "ループ録画間隔", "루프 녹화 간격", "Intervalo de grabación en bucle", "Interval lusopname", "Интервал циклической записи", "循环录制间隔", "Silmukkatallennuksen väli", "Interval smyčkového záznamu", "Interwał nagrywania w pętli"}};
inline constexpr Translated kVideoMicrophoneGain{"Video Microphone Gain", {"Gain du micro vidéo", "Mikrofonpegel für Video", "Guadagno microfono video", "ビデオのマイクゲイン", "비디오 마이크 게인", "Ganancia del micrófono de vídeo", "Microfoonniveau video", "Усиление микрофона для видео", "视频麦克风增益", "Videon mikrofonitaso", "Zisk mikrofonu pro video", "Poziom mikrofonu wideo"}};
inline constexpr Translated kSpeakers{"Speakers", {"Haut-parleurs", "Lautsprecher", "Altoparlanti", "スピーカー", "스피커", "Altavoces", "Luidsprekers", "Динамики", "扬声器", "Kaiuttimet", "Reproduktory", "Głośniki"}};
inline constexpr Translated kHelmet{"Helmet", {"Casque", "Helm", "Casco", "ヘルメット", "헬멧", "Casco", "Helm", "Шлем", "头盔", "Kypärä", "Přilba", "Kask"}};
inline constexpr Translated kAudioEqualizer{"Audio Equalizer", {"Égaliseur audio", "Audio-Equalizer", "Equalizzatore audio", "オーディオイコライザー", "오디오 이퀄라이저", "Ecualizador de audio", "Audio-equalizer", "Эквалайзер", "音频均衡器", "Taajuuskorjain", "Ekvalizér zvuku", "Korektor dźwięku"}};
inline constexpr Translated kUnitLanguage{"Unit Language", {"Langue de l'appareil", "Gerätesprache", "Lingua del dispositivo", "本体の言語", "기기 언어", "Idioma del dispositivo", "Taal van het apparaat", "Язык устройства", "设备语言", "Laitteen kieli", "Jazyk zařízení", "Język urządzenia"}};
inline constexpr Translated kHeadsetLanguage{"Headset Language", {"Langue de l'oreillette", "Headset-Sprache", "Lingua dell'auricolare", "ヘッドセットの言語", "헤드셋 언어", "Idioma del auricular", "Taal van de headset", "Язык гарнитуры", "耳机语言", "Kuulokkeen kieli", "Jazyk náhlavní soupravy", "Język zestawu słuchawkowego"}};
inline constexpr Translated kLanguage{"Language", {"Langue", "Sprache", "Lingua", "言語", "언어", "Idioma", "Taal", "Язык", "语言", "Kieli", "Jazyk", "Język"}};
// The FM region in the restore page's summary of a backup.
inline constexpr Translated kRadioRegion{"Radio Region", {"Région Radio", "Radioregion", "Regione Radio", "ラジオ地域", "라디오 지역", "Zona Radio", "Radioregio", "Радиодиапазон", "无线电区域", "Radion kuuluvuusalue", "Rádiová oblast", "Region radia"}};
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
    TitleEntry{"kRDSAF", &kRDSAF},
    TitleEntry{"kRadioRegion", &kRadioRegion},
};

} // namespace kivo::settings::titles
