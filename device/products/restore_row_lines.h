#pragma once
// Which products share the rows of the restore page's table of backed-up settings: one line per
// group of products that always show the same rows. What a line shows, by the backup's firmware
// and the FM code, is settings/table/restore_layouts.cpp, which names each line by its first
// product's name here and tells it by that product. A product in no line shows no row. 0x321D, 0x6811 and 0x683A keep
// their settings apart from the products they used to share a line with, so each has a line of its own.

#include <array>
#include <optional>
#include <span>

#include "device/products/product_set.h"

namespace kivo {

using RestoreRowLine = std::span<const int>;

// clang-format off
namespace restore_lines {
inline constexpr std::array kBriskoHub = {0x2030, 0x4510, 0x4530};
inline constexpr std::array kRimble = {0x3030, 0x3040, 0x3060};
inline constexpr std::array kRimbleDuo = {0x3032};
inline constexpr std::array kRimbleLite = {0x3050};
inline constexpr std::array kHalvernFennic = {0x3070};
inline constexpr std::array kHalvernFennicX = {0x3080};
inline constexpr std::array kHalvernFennicXS = {0x3085};
inline constexpr std::array kVantor = {0x3110};
inline constexpr std::array kVantorHD = {0x3112};
inline constexpr std::array kVantorDuo = {0x3114};
inline constexpr std::array kVantorS = {0x3116};
inline constexpr std::array kVantorSDuo = {0x3118};
inline constexpr std::array kVantorRally = {0x3124, 0x3126, 0x3144};
inline constexpr std::array kMossra = {0x3128};
inline constexpr std::array kMerrowEgranoM = {0x3132, 0x3134, 0x3148, 0x3154, 0x3210, 0x3212, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3232, 0x3233, 0x3264, 0x3900};
inline constexpr std::array kKorvaneTrail = {0x3136};
inline constexpr std::array kKorvaneTrailDuo = {0x3140};
inline constexpr std::array kVARGOZeltra = {0x3142, 0x3143};
inline constexpr std::array kKorvanePeakDuo = {0x3146};
inline constexpr std::array kYorbit = {0x3150};
inline constexpr std::array kYorbitDuo = {0x3152};
inline constexpr std::array kKorvaneLite = {0x3156, 0x3240};
inline constexpr std::array kTressel = {0x3161};
inline constexpr std::array kZaffre = {0x3170};
inline constexpr std::array kEgranoDuo = {0x3211};
inline constexpr std::array kEgranoSDuo = {0x3213};
inline constexpr std::array kEgranoVoiceDuo = {0x3215};
inline constexpr std::array kEgranoLite2 = {0x321B};
inline constexpr std::array kHeronyx = {0x321D};
inline constexpr std::array kTavelCorrinS = {0x5424, 0x5428, 0x5430, 0x5432, 0x5434};
inline constexpr std::array kHeronyxHD = {0x3260};
inline constexpr std::array kKelpor = {0x3300};
inline constexpr std::array kKelporS = {0x3310, 0x3330};
inline constexpr std::array kKelporHD = {0x3320};
inline constexpr std::array kKelporNova = {0x3340};
inline constexpr std::array kKelporNovaDuo = {0x3341};
inline constexpr std::array kOstlerJunova = {0x3350};
inline constexpr std::array kOstlerJunovaDuo = {0x3360, 0x5345};
inline constexpr std::array kOstlerJunovaLite = {0x3370, 0x3410};
inline constexpr std::array kOstlerJunovaS = {0x3380, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5590, 0x5591, 0x5593, 0x5597, 0x6900, 0x6910};
inline constexpr std::array kOstlerJunovaTrek = {0x3400};
inline constexpr std::array kKelporRoad = {0x3420, 0x3430};
inline constexpr std::array kLinkbay = {0x3500};
inline constexpr std::array kLinkbayS = {0x3540};
inline constexpr std::array kLinkbayHD = {0x3560};
inline constexpr std::array kLinkbayHDDuo = {0x3570};
inline constexpr std::array kOstlerJunovaX = {0x3701};
inline constexpr std::array kLarnex = {0x3800};
inline constexpr std::array kTolvan2 = {0x4050, 0x5564};
inline constexpr std::array kBrisko = {0x4210};
inline constexpr std::array kBriskoTour = {0x4310, 0x4330};
inline constexpr std::array kBriskoStreet = {0x4410, 0x4430};
inline constexpr std::array kBriskoGlow = {0x4610};
inline constexpr std::array kBirchelNova = {0x4D06, 0x4D16, 0x4D76, 0x4D86, 0x6461, 0x6481, 0x6491, 0x6600, 0x6610, 0x6620, 0x6700};
inline constexpr std::array kTavelArvo = {0x5410};
inline constexpr std::array kTavelArvoDuo = {0x5412, 0x5414};
inline constexpr std::array kTavelArvoSDuo = {0x5416};
inline constexpr std::array kTavelCorrin = {0x5418, 0x5420};
inline constexpr std::array kTavelCorrinSDuo = {0x5426};
inline constexpr std::array kYarloWispen = {0x5510};
inline constexpr std::array kBranwickSela = {0x5520};
inline constexpr std::array kBranwickSela2 = {0x5522, 0x5536};
inline constexpr std::array kBranwickSelaS = {0x5524};
inline constexpr std::array kBranwickSelaS2 = {0x5526};
inline constexpr std::array kBranwickTarro = {0x5530};
inline constexpr std::array kBranwickTarroDuo = {0x5532};
inline constexpr std::array kBranwickTarroX = {0x5534, 0x5538};
inline constexpr std::array kBranwickVallo = {0x5550};
inline constexpr std::array kBranwickValloQ = {0x5552, 0x5553};
inline constexpr std::array kQuarrinDune = {0x5560, 0x5562};
inline constexpr std::array kYarloWispenEVO = {0x5570};
inline constexpr std::array kYarloTEMBRA = {0x5576};
inline constexpr std::array kYarloWispenPRO = {0x5580};
inline constexpr std::array kPellonRookS = {0x5592, 0x5594};
inline constexpr std::array kPellonRookHDDuo = {0x5595, 0x5596};
inline constexpr std::array kQuarrinSorra = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621};
inline constexpr std::array kPintraVorelS = {0x5622};
inline constexpr std::array kPintraVorelSDuo = {0x5623};
inline constexpr std::array kPintraVorelT = {0x5624};
inline constexpr std::array kPintraOssel = {0x5630, 0x5632};
inline constexpr std::array kQuarrinLedo = {0x5710};
inline constexpr std::array kQuarrinLedo2 = {0x5720};
inline constexpr std::array kQuarrinFenna = {0x5910, 0x5920};
inline constexpr std::array kPintraArdo = {0x6010, 0x6012};
inline constexpr std::array kPintraArdoS = {0x6014, 0x6016};
inline constexpr std::array kPintraBelvo = {0x6018};
inline constexpr std::array kPintraBelvoDuo = {0x6020, 0x6022, 0x6024};
inline constexpr std::array kPintraCindra = {0x6026};
inline constexpr std::array kPintraCindraDuo = {0x6028, 0x6030, 0x6032, 0x6036};
inline constexpr std::array kPintraDovelDuo = {0x6034};
inline constexpr std::array kUlmeckZento = {0x6038, 0x6039};
inline constexpr std::array kOstlerJunovaQ = {0x6042};
inline constexpr std::array kGrennikUvra = {0x6112};
inline constexpr std::array kGrennikUvraDuo = {0x6114};
inline constexpr std::array kGrennikVesso = {0x6210};
inline constexpr std::array kMorvikWendo = {0x6310};
inline constexpr std::array kMorvikWendoDuo = {0x6320, 0x6330, 0x6335};
inline constexpr std::array kMorvikLumo = {0x6400};
inline constexpr std::array kMorvikKesso = {0x6500, 0x6510};
inline constexpr std::array kHalvernSarda = {0x6800, 0x6805, 0x6810, 0x6815, 0x6817, 0x6821, 0x6822, 0x6825};
inline constexpr std::array kHalvernTolleX = {0x6811};
inline constexpr std::array kKorvaneZirraX = {0x683A};
inline constexpr std::array kHalvernSardaDuo = {0x6801, 0x6802, 0x6803, 0x6814, 0x6816, 0x6824, 0x6828, 0x6831, 0x6838, 0x6839, 0x6840, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
inline constexpr std::array kHalvernSardaVoice = {0x6804, 0x6812};
inline constexpr std::array kHalvernTolleDuo = {0x6806};
inline constexpr std::array kHalvernTolleS = {0x6808};
} // namespace restore_lines
// clang-format on

inline constexpr std::array<RestoreRowLine, 106> kRestoreRowLines = {
    restore_lines::kBriskoHub,        restore_lines::kRimble,
    restore_lines::kRimbleDuo,        restore_lines::kRimbleLite,
    restore_lines::kHalvernFennic,    restore_lines::kHalvernFennicX,
    restore_lines::kHalvernFennicXS,  restore_lines::kVantor,
    restore_lines::kVantorHD,         restore_lines::kVantorDuo,
    restore_lines::kVantorS,          restore_lines::kVantorSDuo,
    restore_lines::kVantorRally,      restore_lines::kMossra,
    restore_lines::kMerrowEgranoM,    restore_lines::kKorvaneTrail,
    restore_lines::kKorvaneTrailDuo,  restore_lines::kVARGOZeltra,
    restore_lines::kKorvanePeakDuo,   restore_lines::kYorbit,
    restore_lines::kYorbitDuo,        restore_lines::kKorvaneLite,
    restore_lines::kTressel,          restore_lines::kZaffre,
    restore_lines::kEgranoDuo,        restore_lines::kEgranoSDuo,
    restore_lines::kEgranoVoiceDuo,   restore_lines::kEgranoLite2,
    restore_lines::kHeronyx,          restore_lines::kTavelCorrinS,
    restore_lines::kHeronyxHD,        restore_lines::kKelpor,
    restore_lines::kKelporS,          restore_lines::kKelporHD,
    restore_lines::kKelporNova,       restore_lines::kKelporNovaDuo,
    restore_lines::kOstlerJunova,     restore_lines::kOstlerJunovaDuo,
    restore_lines::kOstlerJunovaLite, restore_lines::kOstlerJunovaS,
    restore_lines::kOstlerJunovaTrek, restore_lines::kKelporRoad,
    restore_lines::kLinkbay,          restore_lines::kLinkbayS,
    restore_lines::kLinkbayHD,        restore_lines::kLinkbayHDDuo,
    restore_lines::kOstlerJunovaX,    restore_lines::kLarnex,
    restore_lines::kTolvan2,          restore_lines::kBrisko,
    restore_lines::kBriskoTour,       restore_lines::kBriskoStreet,
    restore_lines::kBriskoGlow,       restore_lines::kBirchelNova,
    restore_lines::kTavelArvo,        restore_lines::kTavelArvoDuo,
    restore_lines::kTavelArvoSDuo,    restore_lines::kTavelCorrin,
    restore_lines::kTavelCorrinSDuo,  restore_lines::kYarloWispen,
    restore_lines::kBranwickSela,     restore_lines::kBranwickSela2,
    restore_lines::kBranwickSelaS,    restore_lines::kBranwickSelaS2,
    restore_lines::kBranwickTarro,    restore_lines::kBranwickTarroDuo,
    restore_lines::kBranwickTarroX,   restore_lines::kBranwickVallo,
    restore_lines::kBranwickValloQ,   restore_lines::kQuarrinDune,
    restore_lines::kYarloWispenEVO,   restore_lines::kYarloTEMBRA,
    restore_lines::kYarloWispenPRO,   restore_lines::kPellonRookS,
    restore_lines::kPellonRookHDDuo,  restore_lines::kQuarrinSorra,
    restore_lines::kPintraVorelS,     restore_lines::kPintraVorelSDuo,
    restore_lines::kPintraVorelT,     restore_lines::kPintraOssel,
    restore_lines::kQuarrinLedo,      restore_lines::kQuarrinLedo2,
    restore_lines::kQuarrinFenna,     restore_lines::kPintraArdo,
    restore_lines::kPintraArdoS,      restore_lines::kPintraBelvo,
    restore_lines::kPintraBelvoDuo,   restore_lines::kPintraCindra,
    restore_lines::kPintraCindraDuo,  restore_lines::kPintraDovelDuo,
    restore_lines::kUlmeckZento,      restore_lines::kOstlerJunovaQ,
    restore_lines::kGrennikUvra,      restore_lines::kGrennikUvraDuo,
    restore_lines::kGrennikVesso,     restore_lines::kMorvikWendo,
    restore_lines::kMorvikWendoDuo,   restore_lines::kMorvikLumo,
    restore_lines::kMorvikKesso,      restore_lines::kHalvernSarda,
    restore_lines::kHalvernTolleX,    restore_lines::kKorvaneZirraX,
    restore_lines::kHalvernSardaDuo,  restore_lines::kHalvernSardaVoice,
    restore_lines::kHalvernTolleDuo,  restore_lines::kHalvernTolleS,
};
// clang-format on

// The first product of the line that holds the product; none for a product in no line.
constexpr std::optional<int> restore_row_line(int product_id)
{
    if (product_id == 0)
        return std::nullopt;
    for (const RestoreRowLine& line : kRestoreRowLines)
        if (product_in(line, product_id))
            return line.front();
    return std::nullopt;
}

} // namespace kivo
