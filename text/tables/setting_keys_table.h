#pragma once
// The names of the settings that live under a persistent-store key of the oldest chips, named
// when writing that key fails. Four of them are also setting titles of the settings screens, which
// show these same texts.

#include <array>

#include "text/localized.h"

namespace kivo::text_tables {

// clang-format off
inline constexpr Translated kEdrKeyName{"EDR", {"EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR"}};
inline constexpr Translated kDeviceSettingKeyName{"Device Setting", {"Réglages de l'appareil", "Geräteeinstellung", "Impostazioni dispositivo", "デバイス設定", "장치 설정", "Ajustes del dispositivo", "Apparaatinstellingen", "Настройки устройства", "设备设置", "Laitteen asetukset", "Nastavení zařízení", "Ustawienia urządzenia"}};
inline constexpr Translated kVoxIntercomName{"VOX Intercom", {"VOX intercom", "VOX-Sprechanlage", "VOX interfono", "VOXインターコム", "음성으로 인터콤 연결", "Intercomunicador VOX", "VOX-intercom", "Голосовая активация связи", "声控对讲", "Laiteyhteyden ääniohjaus", "HLASOVÝ interkom", "Interkom VOX"}};
inline constexpr Translated kVoxPhoneName{"VOX Phone", {"VOX téléphone", "VOX-Telefon", "VOX telefono", "VOX電話", "음성으로 전화받기", "Teléfono VOX", "VOX-telefoon", "Голосовая активация телефона", "声控手机", "Matkapuhelimen ääniohjaus", "HLASOVÝ telefon", "Telefon VOX"}};
inline constexpr Translated kFmRadioSettingKeyName{"FM Radio Setting", {"Réglages de la radio FM", "UKW-Radio-Einstellung", "Impostazioni radio FM", "FMラジオ設定", "FM 라디오 설정", "Ajustes de radio FM", "FM-radio-instellingen", "Настройки FM-радио", "FM收音机设置", "FM-radion asetukset", "Nastavení rádia FM", "Ustawienia radia FM"}};
inline constexpr Translated kAudioChannelTimeoutName{"Audio Channel Timeout", {"Expiration du Canal Audio", "Audiokanal Time-out", "Timeout Canale Audio", "オーディオチャネルタイムアウト", "오디오 채널 시간초과", "Caduc. canal de audio", "Audiokanaal-time-out", "Задержка Звукового Канала", "音频通道超时", "Äänikanavan aikakatkaisu", "Prodleva zvukového kanálu", "Limit czasu kanału audio"}};
inline constexpr Translated kRadioTransmitGainName{"Radio Transmit Gain", {"Gain de Transmission Radio", "Radio-Übertragungsr.", "Guad. Trasm. Radio", "無線送信ゲイン", "라디오 전송 게인", "Gan. transm. radio", "Radiosignaalversterking", "Уровень Радиопередачи", "无线电传输增益", "Radioyhteyden herkkyyssäätö", "Zesílení rádiového vysílání", "Wzmocnienie sygnału radiowego"}};
inline constexpr Translated kSpeedDialSettingKeyName{"Speed Dial Setting", {"Réglages de la numérotation rapide", "Kurzwahl-Einstellung", "Impostazioni chiamata rapida", "スピードダイヤル設定", "스피드 다이얼 설정", "Ajustes de marcación rápida", "Snelkeuze-instellingen", "Настройки быстрого набора", "快速拨号设置", "Pikavalinnan asetukset", "Nastavení rychlého vytáčení", "Ustawienia szybkiego wybierania"}};
// clang-format on

struct SettingKeyName {
    int key;
    const Translated* name;
};

inline constexpr std::array<SettingKeyName, 10> kSettingKeyNames{{
    {239, &kEdrKeyName},
    {654, &kDeviceSettingKeyName},
    {664, &kVoxIntercomName},
    {665, &kVoxPhoneName},
    {671, &kFmRadioSettingKeyName},
    {682, &kAudioChannelTimeoutName},
    {684, &kRadioTransmitGainName},
    // The three speed-dial numbers, one key each.
    {0x2280, &kSpeedDialSettingKeyName},
    {0x2281, &kSpeedDialSettingKeyName},
    {0x2282, &kSpeedDialSettingKeyName},
}};

} // namespace kivo::text_tables
