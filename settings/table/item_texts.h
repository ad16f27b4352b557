#pragma once
// The words the settings screens show as a setting's value: the items of the all-settings table's
// choices and the values of the restore table. One text per English text, shared by every screen
// that shows it; a title that is also an item ("Video Mode") stays in the title registry. The level
// words ("Low", "Medium", "High") are the record's gain labels, kept once with the record.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include <array>
#include <span>
#include <string_view>

#include "settings/table/titles.h"
#include "text/localized.h"
#include "text/tables/language_names_table.h"

namespace kivo::settings::item_texts {

using titles::same_in_every_language;

// clang-format off
// Number items, not translated.
inline constexpr Translated kOne = same_in_every_language("1");
inline constexpr Translated kTwo = same_in_every_language("2");
inline constexpr Translated kThree = same_in_every_language("3");
inline constexpr Translated kFour = same_in_every_language("4");
inline constexpr Translated kFive = same_in_every_language("5");
inline constexpr Translated kSix = same_in_every_language("6");
inline constexpr Translated kSeven = same_in_every_language("7");
inline constexpr Translated kEight = same_in_every_language("8");
inline constexpr Translated kNine = same_in_every_language("9");
inline constexpr Translated kTen = same_in_every_language("10");

// Audio sources.
inline constexpr Translated kIntercom{"Intercom", {"Intercom", "Sprechanlage", "Interfono", "インターコム", "인터콤", "Intercomunicador", "Intercom", "Связь", "对讲", "Laiteyhteys", "Interkom", "Interkom"}};
inline constexpr Translated kMusic{"Music", {"Musique", "Musik", "Musica", "音楽", "음악", "Música", "Muziek", "Музыка", "音乐", "Musiikki", "Hudba", "Muzyka"}};

// The ESS light.
inline constexpr Translated kEssLight{"ESS LIGHT", {"LUMIÈRE ESS", "ESS-LICHT", "LUCE ESS", "ESSライト", "ESS 라이트", "LUZ ESS", "ESS-LICHT", "СВЕТ ESS", "ESS 灯", "ESS-VALO", "SVĚTLO ESS", "ŚWIATŁO ESS"}};
inline constexpr Translated kHeadlightAndEss{"Headlight + ESS", {"Phare + ESS", "Scheinwerfer + ESS", "Faro + ESS", "ヘッドライト + ESS", "헤드라이트 + ESS", "Faro + ESS", "Koplamp + ESS", "Фара + ESS", "前灯 + ESS", "Ajovalo + ESS", "Světlomet + ESS", "Reflektor + ESS"}};
inline constexpr Translated kFlashingLightAndEss{"Flashing light + ESS", {"Feu clignotant + ESS", "Blinklicht + ESS", "Luce lampeggiante + ESS", "点滅ライト + ESS", "깜박임 라이트 + ESS", "Luz intermitente + ESS", "Knipperlicht + ESS", "Мигающий свет + ESS", "闪烁灯 + ESS", "Vilkkuva valo + ESS", "Blikající světlo + ESS", "Światło migające + ESS"}};
inline constexpr Translated kDisabledFunction{"Disabled function", {"Fonction désactivée", "Funktion deaktiviert", "Funzione disattivata", "機能無効", "기능 사용 안 함", "Función desactivada", "Functie uitgeschakeld", "Функция отключена", "功能已禁用", "Toiminto pois käytöstä", "Funkce vypnuta", "Funkcja wyłączona"}};

// Mesh channels: the common channel and eight more.
inline constexpr Translated kChannelOne{"CH 1 (Common)", {"CH 1 (Commun)", "CH 1 (Gemeinsam)", "CH 1 (Comune)", "CH 1 (共通)", "CH 1 (공통)", "CH 1 (Común)", "CH 1 (Gemeenschappelijk)", "CH 1 (Общий)", "CH 1 (公共)", "CH 1 (Yhteinen)", "CH 1 (Společný)", "CH 1 (Wspólny)"}};
inline constexpr Translated kChannelTwo = same_in_every_language("CH 2");
inline constexpr Translated kChannelThree = same_in_every_language("CH 3");
inline constexpr Translated kChannelFour = same_in_every_language("CH 4");
inline constexpr Translated kChannelFive = same_in_every_language("CH 5");
inline constexpr Translated kChannelSix = same_in_every_language("CH 6");
inline constexpr Translated kChannelSeven = same_in_every_language("CH 7");
inline constexpr Translated kChannelEight = same_in_every_language("CH 8");
inline constexpr Translated kChannelNine = same_in_every_language("CH 9");

// Camera.
inline constexpr Translated kSingleShot{"Single Shot", {"Photo unique", "Einzelaufnahme", "Scatto singolo", "シングルショット", "단일 촬영", "Disparo único", "Enkele opname", "Одиночный снимок", "单张拍摄", "Yksittäiskuva", "Jeden snímek", "Pojedyncze zdjęcie"}};
inline constexpr Translated kBurstShot{"Burst Shot", {"Rafale", "Serienaufnahme", "Scatto a raffica", "連写", "연속 촬영", "Ráfaga", "Burstopname", "Серийная съёмка", "连拍", "Sarjakuvaus", "Sériové snímání", "Zdjęcia seryjne"}};
inline constexpr Translated kTimelapseMode{"Timelapse Mode", {"Mode timelapse", "Zeitraffermodus", "Modalità timelapse", "タイムラプスモード", "타임랩스 모드", "Modo timelapse", "Timelapsemodus", "Режим таймлапса", "延时摄影模式", "Aikavälikuvaustila", "Režim časosběru", "Tryb timelapse"}};
inline constexpr Translated kLoopRecordingMode{"Loop Recording Mode", {"Mode enregistrement en boucle", "Loop-Aufnahmemodus", "Modalità registrazione in loop", "ループ録画モード", "루프 녹화 모드", "Modo de grabación en bucle", "Lusopnamemodus", "Режим циклической записи", "循环录制模式", "Silmukkatallennustila", "Režim smyčkového záznamu", "Tryb nagrywania w pętli"}};
inline constexpr Translated k1080p30 = same_in_every_language("1080p/30fps");
inline constexpr Translated k720p60 = same_in_every_language("720p/60fps");
inline constexpr Translated k720p30 = same_in_every_language("720p/30fps");
inline constexpr Translated kOneSecond{"1 sec", {"1 s", "1 Sek.", "1 s", "1秒", "1초", "1 s", "1 sec", "1 с", "1 秒", "1 s", "1 s", "1 s"}};
inline constexpr Translated kTenSeconds{"10 secs", {"10 s", "10 Sek.", "10 s", "10秒", "10초", "10 s", "10 sec", "10 с", "10 秒", "10 s", "10 s", "10 s"}};
inline constexpr Translated kOneMinute{"1 min", {"1 min", "1 Min.", "1 min", "1分", "1분", "1 min", "1 min", "1 мин", "1 分钟", "1 min", "1 min", "1 min"}};
inline constexpr Translated kThreeMinutes{"3 mins", {"3 min", "3 Min.", "3 min", "3分", "3분", "3 min", "3 min", "3 мин", "3 分钟", "3 min", "3 min", "3 min"}};
inline constexpr Translated kFiveMinutes{"5 mins", {"5 min", "5 Min.", "5 min", "5分", "5분", "5 min", "5 min", "5 мин", "5 分钟", "5 min", "5 min", "5 min"}};

// Speaker accessories and helmets: names, kept in every language but the plain speakers.
inline constexpr Translated kBasicSpeakers{"Basic Speakers", {"Haut-parleurs de base", "Standardlautsprecher", "Altoparlanti di base", "ベーシックスピーカー", "기본 스피커", "Altavoces básicos", "Standaardluidsprekers", "Базовые динамики", "基础扬声器", "Peruskaiuttimet", "Základní reproduktory", "Głośniki podstawowe"}};
inline constexpr Translated kDuvaneSpeakers = same_in_every_language("Duvane Audio Verro Spkrs");
inline constexpr Translated kKivoHDSpeakers = same_in_every_language("Kivo HD Speakers");
inline constexpr Translated kMerrowSpeakers = same_in_every_language("Merrow Speakers");
inline constexpr Translated kHelmetGalden = same_in_every_language("P.Galden3 / P.Rostel3");
inline constexpr Translated kHelmetQuell = same_in_every_language("T.Quell / T.QuellR");
inline constexpr Translated kHelmetMarvine = same_in_every_language("P.Marvine / P.Tolvenest");

// Equalizer presets. The second set shares its last two words with the first.
inline constexpr Translated kEqualizerOff{"Off", {"Désactivé", "Aus", "Disattivato", "オフ", "끄기", "Desactivado", "Uit", "Выкл.", "关闭", "Pois", "Vypnuto", "Wył."}};
inline constexpr Translated kEqualizerBalance{"Balance", {"Balance", "Ausgewogen", "Bilanciato", "バランス", "밸런스", "Equilibrado", "Gebalanceerd", "Баланс", "平衡", "Tasapaino", "Vyvážený", "Zrównoważony"}};
inline constexpr Translated kBassBoost{"Bass Boost", {"Amplification des basses", "Bassverstärkung", "Potenziamento bassi", "低音ブースト", "저음 강화", "Refuerzo de graves", "Basversterking", "Усиление басов", "低音增强", "Bassokorostus", "Zesílení basů", "Wzmocnienie basów"}};
inline constexpr Translated kMidBoost{"Mid Boost", {"Amplification des médiums", "Mittenverstärkung", "Potenziamento medi", "中音ブースト", "중음 강화", "Refuerzo de medios", "Middentonenversterking", "Усиление средних частот", "中音增强", "Keskiäänikorostus", "Zesílení středů", "Wzmocnienie średnich tonów"}};
inline constexpr Translated kTrebleBoost{"Treble Boost", {"Amplification des aigus", "Höhenverstärkung", "Potenziamento alti", "高音ブースト", "고음 강화", "Refuerzo de agudos", "Hogetonenversterking", "Усиление высоких частот", "高音增强", "Diskanttikorostus", "Zesílení výšek", "Wzmocnienie wysokich tonów"}};
inline constexpr Translated kMusicBalance{"Music Balance", {"Balance musique", "Musik ausgewogen", "Musica bilanciata", "ミュージックバランス", "음악 밸런스", "Música equilibrada", "Muziek gebalanceerd", "Баланс музыки", "音乐平衡", "Musiikin tasapaino", "Vyvážená hudba", "Muzyka zrównoważona"}};
inline constexpr Translated kMusicEnhanced{"Music Enhanced", {"Musique améliorée", "Musik verbessert", "Musica potenziata", "ミュージック強化", "음악 향상", "Música mejorada", "Muziek verbeterd", "Улучшенная музыка", "音乐增强", "Tehostettu musiikki", "Vylepšená hudba", "Muzyka wzmocniona"}};
inline constexpr Translated kVoice{"Voice", {"Voix", "Stimme", "Voce", "ボイス", "음성", "Voz", "Spraak", "Голос", "语音", "Puhe", "Hlas", "Głos"}};

// Voice-prompt languages the interface has no name of.
inline constexpr Translated kBrazilianPortuguese{"Brazilian Portuguese", {"Portugais brésilien", "Brasilianisches Portugiesisch", "Portoghese brasiliano", "ブラジルポルトガル語", "브라질 포르투갈어", "Portugués de Brasil", "Braziliaans Portugees", "Бразильский португальский", "巴西葡萄牙语", "Brasilianportugali", "Brazilská portugalština", "Portugalski brazylijski"}};
inline constexpr Translated kEuropeanPortuguese{"European Portuguese", {"Portugais européen", "Europäisches Portugiesisch", "Portoghese europeo", "ヨーロッパポルトガル語", "유럽 포르투갈어", "Portugués europeo", "Europees Portugees", "Европейский португальский", "欧洲葡萄牙语", "Euroopan portugali", "Evropská portugalština", "Portugalski europejski"}};
inline constexpr Translated kSlovene = same_in_every_language("Slovene");
inline constexpr Translated kHindi{"Hindi", {"Hindi", "Hindi", "Hindi", "ヒンディー語", "힌디어", "Hindi", "Hindi", "Хинди", "印地语", "Hindi", "Hindština", "Hindi"}};

// Chinese dialects, shown as they stand in every language.
inline constexpr Translated kMandarin = same_in_every_language("普通话");
inline constexpr Translated kNortheastern = same_in_every_language("东北话");
inline constexpr Translated kCantonese = same_in_every_language("广东话");
inline constexpr Translated kJiangZheHu = same_in_every_language("江浙沪");
inline constexpr Translated kSichuanese = same_in_every_language("四川话");
inline constexpr Translated kShaanxi = same_in_every_language("陕西话");
inline constexpr Translated kTaiwanese = same_in_every_language("台湾话");
// clang-format on

using ItemList = std::span<const Translated* const>;

inline constexpr std::array<const Translated*, 10> kNumbers = {&kOne, &kTwo,   &kThree, &kFour, &kFive,
                                                               &kSix, &kSeven, &kEight, &kNine, &kTen};
inline constexpr std::array<const Translated*, 2> kAudioSources = {&kIntercom, &kMusic};
inline constexpr std::array<const Translated*, 4> kEssLightSet = {&kEssLight, &kHeadlightAndEss, &kFlashingLightAndEss,
                                                                  &kDisabledFunction};
inline constexpr std::array<const Translated*, 9> kChannelNames = {&kChannelOne,   &kChannelTwo,   &kChannelThree,
                                                                   &kChannelFour,  &kChannelFive,  &kChannelSix,
                                                                   &kChannelSeven, &kChannelEight, &kChannelNine};
inline constexpr std::array<const Translated*, 2> kPhotoModes = {&kSingleShot, &kBurstShot};
// The last mode comes with firmware 1.1.
inline constexpr std::array<const Translated*, 3> kVideoModes = {&titles::kVideoMode, &kTimelapseMode,
                                                                 &kLoopRecordingMode};
inline constexpr std::array<const Translated*, 3> kVideoResolutions = {&k1080p30, &k720p60, &k720p30};
inline constexpr std::array<const Translated*, 2> kTimelapseIntervals = {&kOneSecond, &kTenSeconds};
inline constexpr std::array<const Translated*, 3> kMinuteIntervals = {&kOneMinute, &kThreeMinutes, &kFiveMinutes};
inline constexpr std::array<const Translated*, 2> kBriskoSpeakers = {&kBasicSpeakers, &kDuvaneSpeakers};
inline constexpr std::array<const Translated*, 3> kDuvaneSpeakerChoices = {&kBasicSpeakers, &kDuvaneSpeakers,
                                                                           &kKivoHDSpeakers};
inline constexpr std::array<const Translated*, 2> kEgranoSpeakers = {&kKivoHDSpeakers, &kMerrowSpeakers};
// The last helmet comes with firmware 1.2.
inline constexpr std::array<const Translated*, 3> kHelmets = {&kHelmetGalden, &kHelmetQuell, &kHelmetMarvine};
inline constexpr std::array<const Translated*, 5> kEqualizerSetA = {&kEqualizerOff, &kEqualizerBalance, &kBassBoost,
                                                                    &kMidBoost, &kTrebleBoost};
inline constexpr std::array<const Translated*, 5> kEqualizerSetB = {&kMusicBalance, &kMusicEnhanced, &kVoice,
                                                                    &kBassBoost, &kTrebleBoost};
inline constexpr std::array<const Translated*, 7> kDialects = {&kMandarin,   &kNortheastern, &kCantonese, &kJiangZheHu,
                                                               &kSichuanese, &kShaanxi,      &kTaiwanese};

// The voice-prompt languages of the devices, by the code a device stores. A language the
// interface also names keeps that name, so a language reads the same everywhere.
inline constexpr int kUnitLanguageCount = 24;
inline constexpr std::array<const Translated*, kUnitLanguageCount> kUnitLanguageNames = {
    &text_tables::kLanguageNames[kEnglish],
    &text_tables::kLanguageNames[kFrench],
    &text_tables::kLanguageNames[kSpanish],
    &text_tables::kLanguageNames[kItalian],
    &text_tables::kLanguageNames[kGerman],
    &text_tables::kLanguageNames[kDutch],
    &text_tables::kLanguageNames[kRussian],
    &text_tables::kLanguageNames[kChinese],
    &text_tables::kLanguageNames[kKorean],
    &text_tables::kLanguageNames[kJapanese],
    &text_tables::kLanguageNames[kFinnish],
    &text_tables::kLanguageNames[kCzech],
    &kBrazilianPortuguese,
    &text_tables::kLanguageNames[kDanish],
    &text_tables::kLanguageNames[kNorwegian],
    &text_tables::kLanguageNames[kSwedish],
    &text_tables::kLanguageNames[kPolish],
    &text_tables::kLanguageNames[kTurkish],
    &text_tables::kLanguageNames[kHungarian],
    &kEuropeanPortuguese,
    &text_tables::kLanguageNames[kHebrew],
    &text_tables::kLanguageNames[kGreek],
    &kSlovene,
    &kHindi,
};

struct ItemText {
    std::string_view name;
    const Translated* text;
};

// Every text above, for the checks that keep them one text per English text and whole.
inline constexpr std::array kAllItemTexts = {
    ItemText{"kOne", &kOne},
    ItemText{"kTwo", &kTwo},
    ItemText{"kThree", &kThree},
    ItemText{"kFour", &kFour},
    ItemText{"kFive", &kFive},
    ItemText{"kSix", &kSix},
    ItemText{"kSeven", &kSeven},
    ItemText{"kEight", &kEight},
    ItemText{"kNine", &kNine},
    ItemText{"kTen", &kTen},
    ItemText{"kIntercom", &kIntercom},
    ItemText{"kMusic", &kMusic},
    ItemText{"kEssLight", &kEssLight},
    ItemText{"kHeadlightAndEss", &kHeadlightAndEss},
    ItemText{"kFlashingLightAndEss", &kFlashingLightAndEss},
    ItemText{"kDisabledFunction", &kDisabledFunction},
    ItemText{"kChannelOne", &kChannelOne},
    ItemText{"kChannelTwo", &kChannelTwo},
    ItemText{"kChannelThree", &kChannelThree},
    ItemText{"kChannelFour", &kChannelFour},
    ItemText{"kChannelFive", &kChannelFive},
    ItemText{"kChannelSix", &kChannelSix},
    ItemText{"kChannelSeven", &kChannelSeven},
    ItemText{"kChannelEight", &kChannelEight},
    ItemText{"kChannelNine", &kChannelNine},
    ItemText{"kSingleShot", &kSingleShot},
    ItemText{"kBurstShot", &kBurstShot},
    ItemText{"kTimelapseMode", &kTimelapseMode},
    ItemText{"kLoopRecordingMode", &kLoopRecordingMode},
    ItemText{"k1080p30", &k1080p30},
    ItemText{"k720p60", &k720p60},
    ItemText{"k720p30", &k720p30},
    ItemText{"kOneSecond", &kOneSecond},
    ItemText{"kTenSeconds", &kTenSeconds},
    ItemText{"kOneMinute", &kOneMinute},
    ItemText{"kThreeMinutes", &kThreeMinutes},
    ItemText{"kFiveMinutes", &kFiveMinutes},
    ItemText{"kBasicSpeakers", &kBasicSpeakers},
    ItemText{"kDuvaneSpeakers", &kDuvaneSpeakers},
    ItemText{"kKivoHDSpeakers", &kKivoHDSpeakers},
    ItemText{"kMerrowSpeakers", &kMerrowSpeakers},
    ItemText{"kHelmetGalden", &kHelmetGalden},
    ItemText{"kHelmetQuell", &kHelmetQuell},
    ItemText{"kHelmetMarvine", &kHelmetMarvine},
    ItemText{"kEqualizerOff", &kEqualizerOff},
    ItemText{"kEqualizerBalance", &kEqualizerBalance},
    ItemText{"kBassBoost", &kBassBoost},
    ItemText{"kMidBoost", &kMidBoost},
    ItemText{"kTrebleBoost", &kTrebleBoost},
    ItemText{"kMusicBalance", &kMusicBalance},
    ItemText{"kMusicEnhanced", &kMusicEnhanced},
    ItemText{"kVoice", &kVoice},
    ItemText{"kBrazilianPortuguese", &kBrazilianPortuguese},
    ItemText{"kEuropeanPortuguese", &kEuropeanPortuguese},
    ItemText{"kSlovene", &kSlovene},
    ItemText{"kHindi", &kHindi},
    ItemText{"kMandarin", &kMandarin},
    ItemText{"kNortheastern", &kNortheastern},
    ItemText{"kCantonese", &kCantonese},
    ItemText{"kJiangZheHu", &kJiangZheHu},
    ItemText{"kSichuanese", &kSichuanese},
    ItemText{"kShaanxi", &kShaanxi},
    ItemText{"kTaiwanese", &kTaiwanese},
};

} // namespace kivo::settings::item_texts
