#pragma once
// Texts of the window's menus and the settings pages' save prompt.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr Translated kMenuHelp{"Help", {"Aide", "Hilfe", "Aiuto", "ヘルプ", "도움말", "Ayuda", "Help", "Справка", "帮助", "Ohje", "Nápověda", "Pomoc"}};
// The next three are filled with the application's title.
inline constexpr Translated kMenuAbout{"About %@", {"À propos de %@", "Über %@", "Informazioni su %@", "%@について", "%@ 정보", "Acerca de %@", "Over %@", "О программе %@", "关于%@", "Tietoja: %@", "O aplikaci %@", "%@ – informacje"}};
inline constexpr Translated kMenuHideThis{"Hide %@", {"Masquer %@", "%@ ausblenden", "Nascondi %@", "%@を非表示", "%@ 가리기", "Ocultar %@", "Verberg %@", "Скрыть %@", "隐藏%@", "Piilota %@", "Skrýt %@", "Ukryj %@"}};
inline constexpr Translated kMenuQuit{"Quit %@", {"Quitter %@", "%@ beenden", "Esci da %@", "%@を終了", "%@ 종료", "Salir de %@", "Stop %@", "Завершить %@", "退出%@", "Lopeta %@", "Ukončit %@", "Zakończ %@"}};
inline constexpr Translated kMenuHideOthers{"Hide Others", {"Masquer les autres", "Andere ausblenden", "Nascondi altre", "ほかを非表示", "기타 가리기", "Ocultar otros", "Verberg andere", "Скрыть остальные", "隐藏其他", "Piilota muut", "Skrýt ostatní", "Ukryj pozostałe"}};
inline constexpr Translated kMenuShowAll{"Show All", {"Tout afficher", "Alle einblenden", "Mostra tutte", "すべてを表示", "모두 보기", "Mostrar todo", "Toon alles", "Показать все", "全部显示", "Näytä kaikki", "Zobrazit vše", "Pokaż wszystkie"}};
inline constexpr Translated kMenuOnlineHelp{"Online Help", {"Aide en ligne", "Online-Hilfe", "Guida online", "オンラインヘルプ", "온라인 도움말", "Ayuda en línea", "Online help", "Справка в Интернете", "在线帮助", "Verkko-ohje", "Online nápověda", "Pomoc online"}};
inline constexpr Translated kMenuDiagnosticLog{"Diagnostic Log", {"Journal de diagnostic", "Diagnoseprotokoll", "Registro diagnostico", "診断ログ", "진단 로그", "Registro de diagnóstico", "Diagnostisch logboek", "Журнал диагностики", "诊断日志", "Diagnostiikkaloki", "Diagnostický protokol", "Dziennik diagnostyczny"}};
// "%@ Keyboard Shortcut" filled with the word for Show (labels hidden) or Hide (labels shown).
inline constexpr Translated kMenuKeyboardShortcut{"%@ Keyboard Shortcut", {"%@ les raccourcis clavier", "Tastenkürzel %@", "%@ scorciatoie da tastiera", "キーボードショートカットを%@", "키보드 단축키 %@", "%@ atajos de teclado", "Sneltoetsen %@", "%@ сочетания клавиш", "%@键盘快捷键", "%@ pikanäppäimet", "%@ klávesové zkratky", "%@ skróty klawiaturowe"}};
inline constexpr Translated kMenuShortcutShow{"Show", {"Afficher", "einblenden", "Mostra", "表示", "보기", "Mostrar", "tonen", "Показать", "显示", "Näytä", "Zobrazit", "Pokaż"}};
inline constexpr Translated kMenuShortcutHide{"Hide", {"Masquer", "ausblenden", "Nascondi", "非表示", "가리기", "Ocultar", "verbergen", "Скрыть", "隐藏", "Piilota", "Skrýt", "Ukryj"}};
inline constexpr Translated kMenuShowPrecaution{"Show Precaution", {"Afficher les précautions", "Sicherheitshinweise anzeigen", "Mostra precauzioni", "注意事項を表示", "주의 사항 보기", "Mostrar precauciones", "Voorzorgsmaatregelen tonen", "Показать меры предосторожности", "显示注意事项", "Näytä varotoimet", "Zobrazit upozornění", "Pokaż środki ostrożności"}};
// Filled with the settings page's title.
inline constexpr Translated kPromptSave{"Would you like to save %@ changes?", {"Voulez-vous enregistrer les modifications de %@ ?", "Möchten Sie die Änderungen an %@ speichern?", "Salvare le modifiche a %@?", "%@の変更を保存しますか?", "%@ 변경 내용을 저장하시겠습니까?", "¿Desea guardar los cambios de %@?", "Wilt u de wijzigingen in %@ opslaan?", "Сохранить изменения в разделе %@?", "是否保存%@的更改？", "Tallennetaanko kohteen %@ muutokset?", "Chcete uložit změny v %@?", "Czy zapisać zmiany w %@?"}};

} // namespace kivo::text_tables
