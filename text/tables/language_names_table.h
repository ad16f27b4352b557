#pragma once
// Language names, by LanguageNameIndex, each written in every interface language.
// Entry 0 is each language's word for English, shown for any index outside 1 to 20.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr std::array<Translated, kLanguageNameCount> kLanguageNames = {{
    {"English", {"Anglais", "Englisch", "Inglese", "英語", "영어", "Inglés", "Engels", "Английский", "英语", "Englanti", "Angličtina", "Angielski"}},
    {"French", {"Français", "Französisch", "Francese", "フランス語", "프랑스어", "Francés", "Frans", "Французский", "法语", "Ranska", "Francouzština", "Francuski"}},
    {"German", {"Allemand", "Deutsch", "Tedesco", "ドイツ語", "독일어", "Alemán", "Duits", "Немецкий", "德语", "Saksa", "Němčina", "Niemiecki"}},
    {"Italian", {"Italien", "Italienisch", "Italiano", "イタリア語", "이탈리아어", "Italiano", "Italiaans", "Итальянский", "意大利语", "Italia", "Italština", "Włoski"}},
    {"Japanese", {"Japonais", "Japanisch", "Giapponese", "日本語", "일본어", "Japonés", "Japans", "Японский", "日语", "Japani", "Japonština", "Japoński"}},
    {"Korean", {"Coréen", "Koreanisch", "Coreano", "韓国語", "한국어", "Coreano", "Koreaans", "Корейский", "韩语", "Korea", "Korejština", "Koreański"}},
    {"Spanish", {"Espagnol", "Spanisch", "Spagnolo", "スペイン語", "스페인어", "Español", "Spaans", "Испанский", "西班牙语", "Espanja", "Španělština", "Hiszpański"}},
    {"Dutch", {"Néerlandais", "Niederländisch", "Olandese", "オランダ語", "네덜란드어", "Neerlandés", "Nederlands", "Нидерландский", "荷兰语", "Hollanti", "Nizozemština", "Niderlandzki"}},
    {"Russian", {"Russe", "Russisch", "Russo", "ロシア語", "러시아어", "Ruso", "Russisch", "Русский", "俄语", "Venäjä", "Ruština", "Rosyjski"}},
    {"Chinese", {"Chinois", "Chinesisch", "Cinese", "中国語", "중국어", "Chino", "Chinees", "Китайский", "中文", "Kiina", "Čínština", "Chiński"}},
    {"Finnish", {"Finnois", "Finnisch", "Finlandese", "フィンランド語", "핀란드어", "Finés", "Fins", "Финский", "芬兰语", "Suomi", "Finština", "Fiński"}},
    {"Czech", {"Tchèque", "Tschechisch", "Ceco", "チェコ語", "체코어", "Checo", "Tsjechisch", "Чешский", "捷克语", "Tšekki", "Čeština", "Czeski"}},
    {"Polish", {"Polonais", "Polnisch", "Polacco", "ポーランド語", "폴란드어", "Polaco", "Pools", "Польский", "波兰语", "Puola", "Polština", "Polski"}},
    {"Danish", {"Danois", "Dänisch", "Danese", "デンマーク語", "덴마크어", "Danés", "Deens", "Датский", "丹麦语", "Tanska", "Dánština", "Duński"}},
    {"Norwegian", {"Norvégien", "Norwegisch", "Norvegese", "ノルウェー語", "노르웨이어", "Noruego", "Noors", "Норвежский", "挪威语", "Norja", "Norština", "Norweski"}},
    {"Swedish", {"Suédois", "Schwedisch", "Svedese", "スウェーデン語", "스웨덴어", "Sueco", "Zweeds", "Шведский", "瑞典语", "Ruotsi", "Švédština", "Szwedzki"}},
    {"Turkish", {"Turc", "Türkisch", "Turco", "トルコ語", "터키어", "Turco", "Turks", "Турецкий", "土耳其语", "Turkki", "Turečtina", "Turecki"}},
    {"Hungarian", {"Hongrois", "Ungarisch", "Ungherese", "ハンガリー語", "헝가리어", "Húngaro", "Hongaars", "Венгерский", "匈牙利语", "Unkari", "Maďarština", "Węgierski"}},
    {"Portuguese", {"Portugais", "Portugiesisch", "Portoghese", "ポルトガル語", "포르투갈어", "Portugués", "Portugees", "Португальский", "葡萄牙语", "Portugali", "Portugalština", "Portugalski"}},
    {"Hebrew", {"Hébreu", "Hebräisch", "Ebraico", "ヘブライ語", "히브리어", "Hebreo", "Hebreeuws", "Иврит", "希伯来语", "Heprea", "Hebrejština", "Hebrajski"}},
    {"Greek", {"Grec", "Griechisch", "Greco", "ギリシャ語", "그리스어", "Griego", "Grieks", "Греческий", "希腊语", "Kreikka", "Řečtina", "Grecki"}},
}};

inline constexpr Translated kManagerSoftwareLanguage{"Manager Software Language", {"Langue du logiciel", "Sprache der Software", "Lingua del software", "ソフトウェアの言語", "소프트웨어 언어", "Idioma del software", "Taal van de software", "Язык программы", "软件语言", "Ohjelmiston kieli", "Jazyk programu", "Język programu"}};

// The language sheet's check box: the device's voice-prompt language follows the interface's.
inline constexpr Translated kApplyToFirmwareLanguage{"Apply To Firmware Language", {"Appliquer à la langue du micrologiciel", "Auf die Firmware-Sprache anwenden", "Applica alla lingua del firmware", "ファームウェアの言語にも適用", "펌웨어 언어에 적용", "Aplicar al idioma del firmware", "Toepassen op de firmwaretaal", "Применить к языку прошивки", "应用于固件语言", "Käytä myös laiteohjelmiston kielenä", "Použít i pro jazyk firmwaru", "Zastosuj do języka oprogramowania układowego"}};

} // namespace kivo::text_tables
