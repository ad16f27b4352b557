#pragma once
// Button words and device-button names.
// Translation order: French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese,
// Finnish, Czech, Polish.

#include "text/localized.h"

namespace kivo::text_tables {

inline constexpr Translated kOk = korean_only("OK", "확인");
inline constexpr Translated kSendEmail{"SEND Email", {"ENVOYER un e-mail", "E-Mail SENDEN", "INVIA e-mail", "メール送信", "이메일 보내기", "ENVIAR correo", "E-mail VERZENDEN", "ОТПРАВИТЬ письмо", "发送电子邮件", "LÄHETÄ sähköposti", "ODESLAT e-mail", "WYŚLIJ e-mail"}};
inline constexpr Translated kCancel{"CANCEL", {"ANNULER", "ABBRECHEN", "ANNULLA", "キャンセル", "취소", "CANCELAR", "ANNULEREN", "ОТМЕНА", "取消", "PERUUTA", "ZRUŠIT", "ANULUJ"}};
inline constexpr Translated kYes{"YES", {"OUI", "JA", "SÌ", "はい", "예", "SÍ", "JA", "ДА", "是", "KYLLÄ", "ANO", "TAK"}};
inline constexpr Translated kNo{"NO", {"NON", "NEIN", "NO", "いいえ", "아니요", "NO", "NEE", "НЕТ", "否", "EI", "NE", "NIE"}};
inline constexpr Translated kUpdate{"UPDATE", {"METTRE À JOUR", "AKTUALISIEREN", "AGGIORNA", "アップデート", "업데이트", "ACTUALIZAR", "BIJWERKEN", "ОБНОВИТЬ", "更新", "PÄIVITÄ", "AKTUALIZOVAT", "AKTUALIZUJ"}};
inline constexpr Translated kBack{"BACK", {"RETOUR", "ZURÜCK", "INDIETRO", "戻る", "뒤로", "ATRÁS", "TERUG", "НАЗАД", "返回", "TAKAISIN", "ZPĚT", "WSTECZ"}};
inline constexpr Translated kNext{"NEXT", {"SUIVANT", "WEITER", "AVANTI", "次へ", "다음", "SIGUIENTE", "VOLGENDE", "ДАЛЕЕ", "下一步", "SEURAAVA", "DALŠÍ", "DALEJ"}};
// The page-title tab that opens the list of further settings tabs.
inline constexpr Translated kMore{"More...", {"Plus...", "Mehr...", "Altro...", "その他...", "더 보기...", "Más...", "Meer...", "Ещё...", "更多...", "Lisää...", "Další...", "Więcej..."}};
inline constexpr Translated kNewDevice{"NEW DEVICE", {"NOUVEL APPAREIL", "NEUES GERÄT", "NUOVO DISPOSITIVO", "新しいデバイス", "새 장치", "NUEVO DISPOSITIVO", "NIEUW APPARAAT", "НОВОЕ УСТРОЙСТВО", "新设备", "UUSI LAITE", "NOVÉ ZAŘÍZENÍ", "NOWE URZĄDZENIE"}};

// The shell's own texts: the stand-in of a page still to come, and the About sheet's notice.
inline constexpr Translated kPageNotAvailable{"This page is not yet available.", {"Cette page n'est pas encore disponible.", "Diese Seite ist noch nicht verfügbar.", "Questa pagina non è ancora disponibile.", "このページはまだ利用できません。", "이 페이지는 아직 사용할 수 없습니다.", "Esta página aún no está disponible.", "Deze pagina is nog niet beschikbaar.", "Эта страница пока недоступна.", "此页面暂不可用。", "Tämä sivu ei ole vielä käytettävissä.", "Tato stránka zatím není k dispozici.", "Ta strona nie jest jeszcze dostępna."}};
inline constexpr Translated kAboutNotice{"Updates the firmware and settings of your headsets.", {"Met à jour le firmware et les réglages de vos casques.", "Aktualisiert die Firmware und die Einstellungen Ihrer Headsets.", "Aggiorna il firmware e le impostazioni delle tue cuffie.", "ヘッドセットのファームウェアと設定を更新します。", "헤드셋의 펌웨어와 설정을 업데이트합니다.", "Actualiza el firmware y los ajustes de sus auriculares.", "Werkt de firmware en de instellingen van uw headsets bij.", "Обновляет прошивку и настройки ваших гарнитур.", "更新耳机的固件和设置。", "Päivittää kuulokkeidesi laiteohjelmiston ja asetukset.", "Aktualizuje firmware a nastavení vašich náhlavních souprav.", "Aktualizuje oprogramowanie i ustawienia Twoich słuchawek."}};

inline constexpr Translated kJogDial{"Jog Dial", {"Molette", "Drehrad", "Rotella", "ジョグダイヤル", "조그 다이얼", "Rueda", "Draaiknop", "Поворотный регулятор", "旋钮", "Säätörulla", "Otočný ovladač", "Pokrętło"}};
inline constexpr Translated kPhoneButton{"Phone Button", {"Bouton Téléphone", "Telefontaste", "Tasto Telefono", "電話ボタン", "전화 버튼", "Botón de teléfono", "Telefoonknop", "Кнопка телефона", "电话按钮", "Puhelinpainike", "Tlačítko telefonu", "Przycisk telefonu"}};
inline constexpr Translated kCenterButton{"Center Button", {"Bouton central", "Mitteltaste", "Tasto centrale", "センターボタン", "중앙 버튼", "Botón central", "Middelste knop", "Центральная кнопка", "中央按钮", "Keskipainike", "Prostřední tlačítko", "Przycisk środkowy"}};
inline constexpr Translated kPlusButton{"[+] Button", {"Bouton [+]", "[+]-Taste", "Tasto [+]", "[+]ボタン", "[+] 버튼", "Botón [+]", "[+]-knop", "Кнопка [+]", "[+]按钮", "[+]-painike", "Tlačítko [+]", "Przycisk [+]"}};
inline constexpr Translated kMinusButton{"[-] Button", {"Bouton [-]", "[-]-Taste", "Tasto [-]", "[-]ボタン", "[-] 버튼", "Botón [-]", "[-]-knop", "Кнопка [-]", "[-]按钮", "[-]-painike", "Tlačítko [-]", "Przycisk [-]"}};
inline constexpr Translated kLeftButton{"[L] Button", {"Bouton [L]", "[L]-Taste", "Tasto [L]", "[L]ボタン", "[L] 버튼", "Botón [L]", "[L]-knop", "Кнопка [L]", "[L]按钮", "[L]-painike", "Tlačítko [L]", "Przycisk [L]"}};
inline constexpr Translated kRightButton{"[R] Button", {"Bouton [R]", "[R]-Taste", "Tasto [R]", "[R]ボタン", "[R] 버튼", "Botón [R]", "[R]-knop", "Кнопка [R]", "[R]按钮", "[R]-painike", "Tlačítko [R]", "Przycisk [R]"}};
inline constexpr Translated kPttButton{"PTT Button", {"Bouton PTT", "PTT-Taste", "Tasto PTT", "PTTボタン", "PTT 버튼", "Botón PTT", "PTT-knop", "Кнопка PTT", "PTT按钮", "PTT-painike", "Tlačítko PTT", "Przycisk PTT"}};
inline constexpr Translated kPairingButton{"Pairing Button", {"Bouton d'appairage", "Kopplungstaste", "Tasto di associazione", "ペアリングボタン", "페어링 버튼", "Botón de emparejamiento", "Koppelknop", "Кнопка сопряжения", "配对按钮", "Pariliitospainike", "Tlačítko párování", "Przycisk parowania"}};

inline constexpr Translated kKivoProduct = french_to_finnish("Kivo Standard Products", {"Produits standard Kivo", "Kivo-Standardprodukte", "Prodotti standard Kivo", "Kivo標準製品", "Kivo 표준 제품", "Productos estándar de Kivo", "Kivo-standaardproducten", "Стандартные продукты Kivo", "Kivo标准产品", "Kivon vakiotuotteet"});
inline constexpr Translated kOemProduct = french_to_finnish("Kivo OEM Products", {"Produits OEM Kivo", "Kivo-OEM-Produkte", "Prodotti OEM Kivo", "Kivo OEM製品", "Kivo OEM 제품", "Productos OEM de Kivo", "Kivo-OEM-producten", "OEM-продукты Kivo", "Kivo OEM产品", "Kivon OEM-tuotteet"});

} // namespace kivo::text_tables
