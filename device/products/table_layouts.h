#pragma once
// Which products share the layouts of the all-settings table: one family per group of products that
// take the same layout lines at every firmware and show/hide code. A product is in one family at
// most; a product in none has no table. The lines themselves (the firmware ranges, the codes, the
// rows shown) are settings/table/layout_lines.cpp, which names each family by its first product.

#include <array>

#include "device/products/product_set.h"

namespace kivo::table_layouts {

// clang-format off
inline constexpr std::array kBriskoHub = {0x2030, 0x4310, 0x4330, 0x4510, 0x4530};
inline constexpr std::array kRimble = {0x3030, 0x3040, 0x3060};
inline constexpr std::array kRimbleDuo = {0x3032};
inline constexpr std::array kRimbleLite = {0x3050};
inline constexpr std::array kHalvernFennic = {0x3070};
inline constexpr std::array kHalvernFennicX = {0x3080};
inline constexpr std::array kHalvernFennicXS = {0x3085, 0x6801, 0x6802, 0x6803, 0x6815, 0x6816, 0x6822};
inline constexpr std::array kVantor = {0x3110};
inline constexpr std::array kVantorHD = {0x3112};
inline constexpr std::array kVantorDuo = {0x3114};
inline constexpr std::array kVantorS = {0x3116};
inline constexpr std::array kVantorSDuo = {0x3118};
inline constexpr std::array kVantorRally = {0x3124, 0x3126, 0x3144};
inline constexpr std::array kMossra = {0x3128};
inline constexpr std::array kMerrowEgranoM = {0x3132, 0x3134};
inline constexpr std::array kEgrano = {0x3210, 0x3218, 0x321C};
inline constexpr std::array kEgranoPrime = {0x3900};
inline constexpr std::array kKorvaneTrail = {0x3136};
inline constexpr std::array kKorvaneTrailDuo = {0x3140};
inline constexpr std::array kVARGOZeltra = {0x3142, 0x3143};
inline constexpr std::array kKorvanePeakDuo = {0x3146};
inline constexpr std::array kKorvaneSonic = {0x3148, 0x3154};
inline constexpr std::array kYorbit = {0x3150};
inline constexpr std::array kYorbitDuo = {0x3152};
inline constexpr std::array kKorvaneLite = {0x3156, 0x3213, 0x3240};
inline constexpr std::array kTressel = {0x3161};
inline constexpr std::array kZaffre = {0x3170};
inline constexpr std::array kEgranoDuo = {0x3211};
inline constexpr std::array kEgranoS = {0x3212, 0x3216};
inline constexpr std::array kEgranoVoice = {0x3214};
inline constexpr std::array kEgranoVoiceDuo = {0x3215};
inline constexpr std::array kEgranoTourDuo = {0x3217};
inline constexpr std::array kEgranoRidgeDuo = {0x3219};
inline constexpr std::array kEgranoLite = {0x321A};
inline constexpr std::array kEgranoLite2 = {0x321B};
inline constexpr std::array kHeronyx = {0x321D};
inline constexpr std::array kHeronyxS = {0x3223};
inline constexpr std::array kTARSK = {0x3232, 0x3233, 0x3264};
inline constexpr std::array kHeronyxHD = {0x3260};
inline constexpr std::array kKelpor = {0x3300};
inline constexpr std::array kKelporS = {0x3310, 0x3330};
inline constexpr std::array kKelporHD = {0x3320};
inline constexpr std::array kKelporNova = {0x3340};
inline constexpr std::array kKelporNovaDuo = {0x3341, 0x3342, 0x3343};
inline constexpr std::array kOstlerJunova = {0x3350, 0x3360};
inline constexpr std::array kOstlerJunovaLite = {0x3370};
inline constexpr std::array kOstlerJunovaS = {0x3380};
inline constexpr std::array kOstlerJunovaTrek = {0x3400};
inline constexpr std::array kOstlerJunovaTrekS = {0x3410};
inline constexpr std::array kKelporRoad = {0x3420, 0x3430};
inline constexpr std::array kLinkbay = {0x3500, 0x3540};
inline constexpr std::array kLinkbayHD = {0x3560};
inline constexpr std::array kLinkbayHDDuo = {0x3570};
inline constexpr std::array kOstlerJunovaX = {0x3701};
inline constexpr std::array kLarnex = {0x3800};
inline constexpr std::array kCedrin2 = {0x4023};
inline constexpr std::array kTolvan2 = {0x4050, 0x5564};
inline constexpr std::array kBrisko = {0x4210};
inline constexpr std::array kBriskoStreet = {0x4410, 0x4430};
inline constexpr std::array kBriskoGlow = {0x4610};
inline constexpr std::array kTavelArvo = {0x5410};
inline constexpr std::array kTavelArvoDuo = {0x5412};
inline constexpr std::array kTavelArvoS = {0x5414};
inline constexpr std::array kTavelArvoSDuo = {0x5416};
inline constexpr std::array kTavelCorrin = {0x5418};
inline constexpr std::array kTavelCorrinDuo = {0x5420};
inline constexpr std::array kTavelCorrinS = {0x5424, 0x5428, 0x5430, 0x5432, 0x5434};
inline constexpr std::array kTavelCorrinSDuo = {0x5426};
inline constexpr std::array kOstlerJunovaGo = {0x5440, 0x5443};
inline constexpr std::array kOstlerJunovaGoDuo = {0x5441, 0x5451};
inline constexpr std::array kOstlerJunovaRide = {0x5442, 0x5444, 0x5445, 0x5590, 0x5591, 0x5593, 0x5597, 0x6900, 0x6910};
inline constexpr std::array kYarloWispen = {0x5510};
inline constexpr std::array kBranwickSela = {0x5520};
inline constexpr std::array kBranwickSela2 = {0x5522, 0x5536};
inline constexpr std::array kBranwickSelaS = {0x5524};
inline constexpr std::array kBranwickVallo = {0x5550};
inline constexpr std::array kBranwickSelaS2 = {0x5526};
inline constexpr std::array kBranwickTarro = {0x5530};
inline constexpr std::array kBranwickTarroDuo = {0x5532};
inline constexpr std::array kBranwickTarroX = {0x5534, 0x5538};
inline constexpr std::array kBranwickValloQ = {0x5552, 0x5553};
inline constexpr std::array kQuarrinDune = {0x5560, 0x5562};
inline constexpr std::array kYarloWispenEVO = {0x5570};
inline constexpr std::array kYarloTEMBRA = {0x5576};
inline constexpr std::array kYarloWispenPRO = {0x5580};
inline constexpr std::array kPellonRookS = {0x5592, 0x5594};
inline constexpr std::array kPellonRookHDDuo = {0x5595};
inline constexpr std::array kPellonRookVoice = {0x5596};
inline constexpr std::array kQuarrinSorra = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621};
inline constexpr std::array kPintraVorelS = {0x5622};
inline constexpr std::array kPintraVorelT = {0x5624};
inline constexpr std::array kPintraVorelSDuo = {0x5623};
inline constexpr std::array kQuarrinFenna = {0x5910, 0x5920};
inline constexpr std::array kPintraOssel = {0x5630, 0x5632};
inline constexpr std::array kQuarrinLedo = {0x5710};
inline constexpr std::array kQuarrinLedo2 = {0x5720};
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
inline constexpr std::array kGrennikRisso2 = {0x6461, 0x6481, 0x6491, 0x6620};
inline constexpr std::array kMorvikKesso = {0x6500, 0x6510};
inline constexpr std::array kHalvernSarda = {0x6800, 0x6810};
inline constexpr std::array kHalvernSardaVoice = {0x6804};
inline constexpr std::array kHalvernTolle = {0x6805, 0x6817};
inline constexpr std::array kHalvernTolleDuo = {0x6806};
inline constexpr std::array kHalvernTolleS = {0x6808, 0x6811};
inline constexpr std::array kHalvernVarro = {0x6812};
inline constexpr std::array kHalvernVarroDuo = {0x6814, 0x6831};
inline constexpr std::array kKorvaneYesta = {0x6821, 0x6825};
inline constexpr std::array kKorvaneYestaS = {0x6824};
inline constexpr std::array kKorvaneYestaX = {0x6828, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
inline constexpr std::array kKorvaneZirraS = {0x6838};
inline constexpr std::array kKorvaneZirraSDuo = {0x6839, 0x6840};
inline constexpr std::array kKorvaneZirraX = {0x683A};
// clang-format on

} // namespace kivo::table_layouts
