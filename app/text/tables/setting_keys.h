#pragma once
// The names of the settings that live under a persistent-store key of the oldest chips, named
// when writing that key fails. One label per interface language, English first.

#include <array>

#include "app/text/localized.h"

namespace kivo::text_tables {

struct SettingKeyName {
    int key;
    LabelTable name;
};

inline constexpr std::array<SettingKeyName, 7> kSettingKeyNames{{
    {239, {"EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR", "EDR"}},
    {654, {"Device Setting", "Réglages de l'appareil", "Geräteeinstellung", "Impostazioni dispositivo", "デバイス設定",
           "장치 설정", "Ajustes del dispositivo", "Apparaatinstellingen", "Настройки устройства", "设备设置",
           "Laitteen asetukset", "Nastavení zařízení", "Ustawienia urządzenia"}},
    {664, {"VOX Intercom", "VOX intercom", "VOX-Sprechanlage", "VOX interfono", "VOXインターコム", "음성으로 인터콤 연결",
           "Intercomunicador VOX", "VOX-intercom", "Голосовая активация связи", "声控对讲", "Laiteyhteyden ääniohjaus",
           "HLASOVÝ interkom", "Interkom VOX"}},
    {665, {"VOX Phone", "VOX téléphone", "VOX-Telefon", "VOX telefono", "VOX電話", "음성으로 전화받기", "Teléfono VOX",
           "VOX-telefoon", "Голосовая активация телефона", "声控手机", "Matkapuhelimen ääniohjaus", "HLASOVÝ telefon",
           "Telefon VOX"}},
    {671, {"FM Radio Setting", "Réglages de la radio FM", "UKW-Radio-Einstellung", "Impostazioni radio FM", "FMラジオ設定",
           "FM 라디오 설정", "Ajustes de radio FM", "FM-radio-instellingen", "Настройки FM-радио", "FM收音机设置",
           "FM-radion asetukset", "Nastavení rádia FM", "Ustawienia radia FM"}},
    {682, {"Audio Channel Timeout", "Délai d'expiration du canal audio", "Zeitlimit des Audiokanals",
           "Timeout canale audio", "オーディオチャンネルのタイムアウト", "오디오 채널 시간 제한",
           "Tiempo de espera del canal de audio", "Time-out audiokanaal", "Тайм-аут аудиоканала", "音频通道超时",
           "Äänikanavan aikakatkaisu", "Časový limit zvukového kanálu", "Limit czasu kanału audio"}},
    {684, {"Radio Transmit Gain", "Gain d'émission radio", "Funk-Sendeverstärkung", "Guadagno di trasmissione radio",
           "無線送信ゲイン", "무선 송신 이득", "Ganancia de transmisión de radio", "Zendversterking radio",
           "Усиление радиопередачи", "无线电发射增益", "Radiolähetyksen vahvistus", "Zesílení rádiového vysílání",
           "Wzmocnienie nadawania radiowego"}},
}};

} // namespace kivo::text_tables
