#pragma once
// The tables behind save_texts.h. Translation order: French, German, Italian, Japanese, Korean,
// Spanish, Dutch, Russian, Chinese, Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::settings::save_text_tables {

// clang-format off
inline constexpr Translated kSave{"SAVE", {"ENREGISTRER", "SPEICHERN", "SALVA", "保存", "저장", "GUARDAR", "OPSLAAN", "СОХРАНИТЬ", "保存", "TALLENNA", "ULOŽIT", "ZAPISZ"}};
inline constexpr Translated kDefault{"DEFAULT", {"PAR DÉFAUT", "STANDARD", "PREDEFINITO", "初期設定", "기본값", "PREDETERMINADO", "STANDAARD", "ПО УМОЛЧАНИЮ", "默认", "OLETUS", "VÝCHOZÍ", "DOMYŚLNE"}};
inline constexpr Translated kCannotSave{"Cannot save %@", {"Impossible d'enregistrer %@", "%@ kann nicht gespeichert werden", "Impossibile salvare %@", "%@を保存できません", "%@을(를) 저장할 수 없습니다", "No se puede guardar %@", "Kan %@ niet opslaan", "Не удалось сохранить %@", "无法保存%@", "Kohdetta %@ ei voi tallentaa", "Nelze uložit %@", "Nie można zapisać %@"}};
// clang-format on

} // namespace kivo::settings::save_text_tables
