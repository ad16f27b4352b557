// Constant tables the record answers from: radio transmit gain labels, FM bands and grids per
// region, and the settings-tab names.

#include <array>
#include <string_view>

#include "device/device_data.h"

namespace {

constexpr int kLanguageCount = 13; // ManagerLanguage 0 English to 12 Polish

// Interface languages outside the table read as English, as every localized text does.
int table_language(int language) { return language >= 0 && language < kLanguageCount ? language : 0; }

// Low, Medium, High per interface language.
constexpr std::array<std::array<std::string_view, 3>, kLanguageCount> kRtgLabels = {{
    {"Low", "Medium", "High"},
    {"Faible", "Moyen", "Élevé"},
    {"Niedrig", "Mittel", "Hoch"},
    {"Basso", "Medio", "Alto"},
    {"低", "中", "高"},
    {"낮음", "보통", "높음"},
    {"Baja", "Media", "Alta"},
    {"Laag", "Gemiddeld", "Hoog"},
    {"Низкий", "Средний", "высокий"},
    {"低", "中", "高"},
    {"Matala", "Keskisuuri", "Korkea"},
    {"Nízká", "Střední", "Vysoká"},
    {"Niskie", "Średnie", "Wysokie"},
}};

// FM band per region 0 to 5 (Worldwide, Americas, Asia, Australia, Europe, Japan), 10 kHz units.
constexpr std::array<FmPresetBand, 6> kFmRegions = {{
    {8750, 10800, 10},
    {8750, 10790, 20},
    {8750, 10800, 10},
    {8750, 10790, 20},
    {8750, 10800, 10},
    {8750, 9500, 10},
}};

// Tab names per interface language: settings, speed dial, FM radio.
constexpr std::array<std::array<std::string_view, 3>, kLanguageCount> kTabNames = {{
    {"Basic", "Speed Dial", "FM Radio"},
    {"Basique", "Appel Rapide", "Radio FM"},
    {"Basic", "Kurzwahl", "UKW-Radio"},
    {"Base", "Chiamata Rapida", "Radio FM"},
    {"基本", "Speedダイヤル", "FMラジオ"},
    {"기본", "스피드 다이얼", "FM 라디오"},
    {"Básico", "Marcación Rápida", "Radio FM"},
    {"Basis", "Snelkeuze", "FM-radio"},
    {"Основной", "Быстрый Набор", "FM-радио"},
    {"基本", "快速拨号", "FM 广播"},
    {"Perus", "Pikavalinta", "Radio"},
    {"Základní", "Rychlé vytáčení", "FM rádio"},
    {"Podstawowe", "Szybkie wybieranie", "Radio FM"},
}};
constexpr std::array<char, 3> kTabShortcutLetters = {'B', 'S', 'F'};
constexpr std::array<std::string_view, 3> kTabShortcutLabels = {"[S][C]-B", "[S][C]-S", "[S][C]-F"};

} // namespace

int KIVOBluetoothDeviceData::getIndexFromRTG(int code)
{
    if (code == 12)
        return 0;
    if (code == 17)
        return 2;
    return 1; // 13 to 16, and any unknown code
}

std::string KIVOBluetoothDeviceData::getRTGStringFromRTG_In(int code, int language)
{
    const auto& labels = kRtgLabels[static_cast<size_t>(table_language(language))];
    return std::string(labels[static_cast<size_t>(getIndexFromRTG(code))]);
}

FmPresetBand KIVOBluetoothDeviceData::fmPresetBandOfRegion(int region)
{
    const bool known = region >= 0 && static_cast<size_t>(region) < kFmRegions.size();
    return kFmRegions[known ? static_cast<size_t>(region) : 0];
}

int KIVOBluetoothDeviceData::checkFMPresetValidWithRegion_FMRadioPreset(int region, int frequency)
{
    const FmPresetBand band = fmPresetBandOfRegion(region);
    if (frequency < band.minimum || frequency > band.maximum)
        return 1;
    if (frequency % band.step != band.minimum % band.step)
        return 2;
    return 0;
}

std::optional<SettingsTabText> KIVOBluetoothDeviceData::getTabText_With_In(int tab, bool label, int language)
{
    if (language < 0 || language >= kLanguageCount || tab < 1 || tab > 3)
        return std::nullopt;
    const auto column = static_cast<size_t>(tab - 1);
    const std::string_view text = label ? kTabShortcutLabels[column] : kTabNames[static_cast<size_t>(language)][column];
    return SettingsTabText{std::string(text), kTabShortcutLetters[column]};
}
