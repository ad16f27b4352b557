#pragma once
// Words the FM radio and speed-dial pages share with the restore page's backup summary: the FM
// region names, the word for an empty preset or number, the speed-dial label. Tables of 13
// entries, indexed directly by the interface language.

#include <array>

#include "text/localized.h"

namespace kivo::text_tables {

// clang-format off
inline constexpr LabelTable kEmptyEntry{"Empty", "Vide", "Leer", "Vuoto", "未入力", "미설정", "Vacío", "Leeg", "Пусто", "空", "Tyhjä", "Prázdné", "Opróżnij"};
inline constexpr LabelTable kSpeedDialLabel{"Speed Dial", "Appel Rapide", "Kurzwahl", "Chiamata Rapida", "Speedダイヤル", "스피드 다이얼", "Marcación Rápida", "Snelkeuze", "Быстрый Набор", "快速拨号", "Pikavalinta", "Rychlé vytáčení", "Szybkie wybieranie"};

// Regions 0 to 5 per interface language: Worldwide, Americas, Asia, Australia, Europe, Japan.
inline constexpr std::array<std::array<const char*, 6>, kInterfaceLanguageCount> kFmRegionNames{{
    {"Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan"},
    {"Monde", "Amériques", "Asie", "Australie", "Europe", "Japon"},
    {"Weltweit", "Amerika", "Asien", "Australien", "Europa", "Japan"},
    {"Tutto il mondo", "America", "Asia", "Australia", "Europa", "Giappone"},
    {"全世界", "アメリカ大陸", "アジア", "オーストラリア", "ヨーロッパ", "日本"},
    {"전 세계", "아메리카", "아시아", "오스트레일리아", "유럽", "일본"},
    {"Todo el mundo", "América", "Asia", "Australia", "Europa", "Japón"},
    {"Wereldwijd", "N-/Z-Amerika", "Azië", "Australië", "Europa", "Japan"},
    {"Весь мир", "Сев. и Юж. Америка", "Азия", "Австралия", "Европа", "Япония"},
    {"全球", "美洲", "亚洲", "澳大利亚", "欧洲", "日本"},
    {"Maailmanlaajuinen", "Amerikka", "Aasia", "Australia", "Eurooppa", "Japani"},
    {"Celý svět", "Amerika", "Asie", "Austrálie", "Evropa", "Japonsko"},
    {"Cały świat", "Ameryki", "Azja", "Australia", "Europa", "Japonia"},
}};
// clang-format on

} // namespace kivo::text_tables
