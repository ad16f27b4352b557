// The layouts of the restore table: for each line of products, by FM code and the backup's
// firmware, the kinds of its rows and the blank rows after them. A line without an FM split or a
// firmware range holds for every code and version.

#include "settings/table/restore_layouts.h"

#include "device/products/restore_row_lines.h"

namespace kivo::settings {
namespace {

using enum RestoreKind;

template <typename... Kinds> constexpr RestoreCells cells(Kinds... kinds)
{
    static_assert(sizeof...(Kinds) <= kMaxRestoreCells);
    return {{kinds...}, static_cast<int>(sizeof...(Kinds))};
}

constexpr VersionBound version(int major, int minor) { return {BoundKind::MajorMinor, major, minor}; }
constexpr FirmwareRange below(int major, int minor) { return {{}, version(major, minor)}; }
constexpr FirmwareRange from(int major, int minor) { return {version(major, minor), {}}; }
constexpr FirmwareRange between(int major, int minor, int belowMajor, int belowMinor)
{
    return {version(major, minor), version(belowMajor, belowMinor)};
}
constexpr FirmwareRange kAnyFirmware{};

// The FM split: a layout for FM code 4, one for any other code.
constexpr FlagAtom kFm4Atoms[] = {{FlagCode::Fm, 4, 4, false}};
constexpr FlagAtom kFmNot4Atoms[] = {{FlagCode::Fm, 4, 4, true}};
constexpr FlagTerm kFm4Terms[] = {{kFm4Atoms}};
constexpr FlagTerm kFmNot4Terms[] = {{kFmNot4Atoms}};
constexpr FlagCondition kFm4{"FM 4", kFm4Terms};
constexpr FlagCondition kFmNot4{"FM not 4", kFmNot4Terms};

// clang-format off
constexpr RestoreLayout kLayouts[] = {
    {restore_lines::kBriskoHub.front(), nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {restore_lines::kRimble.front(), nullptr, kAnyFirmware, cells(VP, FSG, ANC)},
    {restore_lines::kRimbleDuo.front(), &kFm4, below(1, 4), cells(VP, ANC)},
    {restore_lines::kRimbleDuo.front(), &kFm4, from(1, 4), cells(VP), 1},
    {restore_lines::kRimbleDuo.front(), &kFmNot4, below(1, 4), cells(VP, FSG, ANC)},
    {restore_lines::kRimbleDuo.front(), &kFmNot4, from(1, 4), cells(VP, FSG), 1},
    {restore_lines::kRimbleLite.front(), &kFm4, below(1, 4), cells(VP, ANC)},
    {restore_lines::kRimbleLite.front(), &kFm4, from(1, 4), cells(VP)},
    {restore_lines::kRimbleLite.front(), &kFmNot4, below(1, 4), cells(VP, FSG, ANC)},
    {restore_lines::kRimbleLite.front(), &kFmNot4, from(1, 4), cells(VP, FSG)},
    {restore_lines::kHalvernFennic.front(), &kFm4, kAnyFirmware, cells(UL_y2, VP, ST)},
    {restore_lines::kHalvernFennic.front(), &kFmNot4, kAnyFirmware, cells(UL_y2, VP, FSG, ST)},
    {restore_lines::kHalvernFennicX.front(), nullptr, kAnyFirmware, cells(UL_y2, VP, ST)},
    {restore_lines::kHalvernFennicXS.front(), nullptr, kAnyFirmware, cells(HL_y, VP)},
    {restore_lines::kVantor.front(), nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantor.front(), nullptr, between(1, 1, 2, 1), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantor.front(), nullptr, between(2, 1, 3, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantor.front(), nullptr, between(3, 0, 3, 1), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantor.front(), nullptr, from(3, 1), cells(UL_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {restore_lines::kVantorHD.front(), nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorHD.front(), nullptr, between(1, 1, 3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorHD.front(), nullptr, between(3, 0, 3, 1), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorHD.front(), nullptr, from(3, 1), cells(VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {restore_lines::kVantorDuo.front(), nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorDuo.front(), nullptr, between(1, 1, 3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorDuo.front(), nullptr, from(3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorS.front(), nullptr, below(2, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorS.front(), nullptr, from(2, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVantorSDuo.front(), nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, HDI_v, VP_v, ANC_v, FSG_v, VXS_v, OVM_v, IOS_v)},
    {restore_lines::kVantorRally.front(), &kFm4, kAnyFirmware, cells(UL_v, VP_v, ST_v, VC_v)},
    {restore_lines::kVantorRally.front(), &kFmNot4, kAnyFirmware, cells(UL_v, VP_v, ST_v, FSG_v, VC_v)},
    {restore_lines::kMossra.front(), &kFm4, kAnyFirmware, cells(CHS_m, VP_v, ST_v, ANC_v)},
    {restore_lines::kMossra.front(), &kFmNot4, kAnyFirmware, cells(CHS_m, VP_v, ST_v, ANC_v, FSG_v)},
    {restore_lines::kMerrowEgranoM.front(), nullptr, kAnyFirmware, cells(HL_v, EQ_e, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VA_v, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 1},
    {restore_lines::kKorvaneTrail.front(), nullptr, below(1, 2), cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v)},
    {restore_lines::kKorvaneTrail.front(), nullptr, from(1, 2), cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v), 2},
    {restore_lines::kKorvaneTrailDuo.front(), nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {restore_lines::kVARGOZeltra.front(), nullptr, kAnyFirmware, cells(UL_v, ST_v, FSG_v, OVM_vi, IOS_v, FMR_c, SPC_c)},
    {restore_lines::kKorvanePeakDuo.front(), nullptr, kAnyFirmware, cells(UL_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {restore_lines::kYorbit.front(), nullptr, kAnyFirmware, cells(UL_r, VP_v, FSG_v)},
    {restore_lines::kYorbitDuo.front(), nullptr, kAnyFirmware, cells(UL_v, VP_v, ST_v, VC_v)},
    {restore_lines::kKorvaneLite.front(), nullptr, kAnyFirmware, cells(UL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v)},
    // The channel select and the remote UI of the mesh headset, either side of its unit language.
    {restore_lines::kTressel.front(), nullptr, kAnyFirmware, cells(CS_t, UL_r, RUI_t)},
    {restore_lines::kZaffre.front(), nullptr, kAnyFirmware, cells(UL_z, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 3},
    {restore_lines::kEgranoDuo.front(), nullptr, kAnyFirmware, cells(HL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, VXS_v, SVC_v, OVM_v, IOS_v)},
    {restore_lines::kEgranoSDuo.front(), nullptr, kAnyFirmware, cells(HL_v, EQ_e, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VA_v, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v)},
    {restore_lines::kEgranoVoiceDuo.front(), nullptr, kAnyFirmware, cells(HL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, VXS_v, SVC_v, OVM_v, IOS_v), 2},
    {restore_lines::kEgranoLite2.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP), 2},
    // The rows of the line it shared, read where this headset's handlers store them.
    {restore_lines::kHeronyx.front(), nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, VXI_v, AM_v, ASP, HDV_h, HDI_v, VXS_v, SVC_b, VP_v, FSG_v, ST_v, ANC_v)},
    {restore_lines::kTavelCorrinS.front(), nullptr, kAnyFirmware, cells(UL_y2, AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, SVC_t, VP, FSG, ST, ANC)},
    {restore_lines::kHeronyxHD.front(), nullptr, kAnyFirmware, cells(HL_v, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 3},
    {restore_lines::kKelpor.front(), nullptr, kAnyFirmware, cells(UL_y2, EQ_y, VXP, VXI, AM, ASP, HDV, HDI, VP, ST, ANC)},
    {restore_lines::kKelporS.front(), nullptr, kAnyFirmware, cells(UL_k, HSA_k, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, AF_u)},
    {restore_lines::kKelporHD.front(), nullptr, kAnyFirmware, cells(UL_k, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, AF_u)},
    {restore_lines::kKelporNova.front(), nullptr, kAnyFirmware, cells(HSA_k, EQ_y, VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {restore_lines::kKelporNovaDuo.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {restore_lines::kOstlerJunova.front(), nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y)},
    {restore_lines::kOstlerJunovaDuo.front(), nullptr, kAnyFirmware, cells()},
    {restore_lines::kOstlerJunovaLite.front(), nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP, FSG)},
    {restore_lines::kOstlerJunovaS.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP)},
    {restore_lines::kOstlerJunovaTrek.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, HDV, HDI, HL_y, VP)},
    {restore_lines::kKelporRoad.front(), nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {restore_lines::kLinkbay.front(), nullptr, below(2, 2), cells()},
    {restore_lines::kLinkbay.front(), nullptr, from(2, 2), cells(CH_l)},
    {restore_lines::kLinkbayS.front(), nullptr, kAnyFirmware, cells(CH_l)},
    {restore_lines::kLinkbayHD.front(), nullptr, below(1, 1), cells()},
    {restore_lines::kLinkbayHD.front(), nullptr, from(1, 1), cells(CH_l, VOL_l)},
    {restore_lines::kLinkbayHDDuo.front(), nullptr, below(1, 1), cells()},
    {restore_lines::kLinkbayHDDuo.front(), nullptr, from(1, 1), cells(CH_l)},
    {restore_lines::kOstlerJunovaX.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HL_y, VP)},
    {restore_lines::kLarnex.front(), nullptr, kAnyFirmware, cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v)},
    {restore_lines::kTolvan2.front(), nullptr, kAnyFirmware, cells(UL_y2)},
    {restore_lines::kBrisko.front(), nullptr, below(1, 1), cells(VXP_b, ST_b, AM_b, IOS_b)},
    {restore_lines::kBrisko.front(), nullptr, between(1, 1, 1, 2), cells(VXP_b, ST_b, MSS_b, AM_b, IOS_b, NAS_b)},
    {restore_lines::kBrisko.front(), nullptr, between(1, 2, 1, 5), cells(AM_b, IOS_b, NAS_b, AB_b, MSS_b, VXP_b, HDI_b, EWI_b, VP_b, ST_b, ANC_b)},
    {restore_lines::kBrisko.front(), nullptr, from(1, 5), cells(AM_b, IOS_b, NAS_b, AB_b, SVC_b, MSS_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b)},
    {restore_lines::kBriskoTour.front(), nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {restore_lines::kBriskoStreet.front(), nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {restore_lines::kBriskoGlow.front(), nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b, LED_b)},
    {restore_lines::kBirchelNova.front(), nullptr, kAnyFirmware, cells(), 4},
    {restore_lines::kTavelArvo.front(), nullptr, below(1, 1), cells(AB, SVC_t, VXP, AO, VXS_p2, VP, ST)},
    {restore_lines::kTavelArvo.front(), nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, AO, HDV, VXS_p2, VP, ST)},
    {restore_lines::kTavelArvo.front(), nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, ST, ANC)},
    {restore_lines::kTavelArvoDuo.front(), nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelArvoDuo.front(), nullptr, from(1, 1), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelArvoSDuo.front(), nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelArvoSDuo.front(), nullptr, between(1, 1, 1, 2), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelArvoSDuo.front(), nullptr, from(1, 2), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelCorrin.front(), nullptr, kAnyFirmware, cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kTavelCorrinSDuo.front(), nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, SVC_t, VP, FSG, ST, ANC)},
    {restore_lines::kYarloWispen.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {restore_lines::kYarloWispen.front(), nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w)},
    {restore_lines::kYarloWispen.front(), nullptr, between(2, 0, 2, 2), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {restore_lines::kYarloWispen.front(), nullptr, between(2, 2, 3, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {restore_lines::kYarloWispen.front(), nullptr, from(3, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {restore_lines::kBranwickSela.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kBranwickSela.front(), nullptr, between(1, 1, 1, 3), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kBranwickSela.front(), nullptr, between(1, 3, 2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kBranwickSela.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kBranwickSela2.front(), nullptr, kAnyFirmware, cells(AB, VP, FSG, HQA, ANC)},
    {restore_lines::kBranwickSelaS.front(), nullptr, below(1, 1), cells(AB, VP, HQA, ANC)},
    {restore_lines::kBranwickSelaS.front(), nullptr, between(1, 1, 2, 0), cells(AB, VP, FSG, HQA, ANC)},
    {restore_lines::kBranwickSelaS.front(), nullptr, from(2, 0), cells(AB, AM, ASP, HDV, VP, FSG, ANC)},
    {restore_lines::kBranwickSelaS2.front(), nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kBranwickSelaS2.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kBranwickTarro.front(), nullptr, below(1, 4), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {restore_lines::kBranwickTarro.front(), nullptr, between(1, 4, 2, 0), cells(AB, VXP, VXI, HDV, HDI, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kBranwickTarro.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {restore_lines::kBranwickTarroDuo.front(), nullptr, kAnyFirmware, cells(AB, VXP, VXI, HDV, HDI, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kBranwickTarroX.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP, FSG, ST, ANC)},
    {restore_lines::kBranwickVallo.front(), nullptr, below(1, 2), cells(AB, HDI, VP, FSG, HQA, ANC)},
    {restore_lines::kBranwickVallo.front(), nullptr, between(1, 2, 2, 0), cells(AB, VP, FSG, HQA, ANC)},
    {restore_lines::kBranwickVallo.front(), nullptr, from(2, 0), cells(AB, AM, ASP, HDV, VP, FSG, ANC)},
    {restore_lines::kBranwickValloQ.front(), nullptr, kAnyFirmware, cells(EQ_y, HDV, VP, FSG, HL_vo)},
    {restore_lines::kQuarrinDune.front(), nullptr, kAnyFirmware, cells(FSG)},
    {restore_lines::kYarloWispenEVO.front(), nullptr, below(1, 4), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {restore_lines::kYarloWispenEVO.front(), nullptr, from(1, 4), cells(VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, AB, HSA_o, EQ_y)},
    {restore_lines::kYarloTEMBRA.front(), nullptr, kAnyFirmware, cells(ASR, AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {restore_lines::kYarloWispenPRO.front(), nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kYarloWispenPRO.front(), nullptr, between(2, 0, 2, 6), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {restore_lines::kYarloWispenPRO.front(), nullptr, from(2, 6), cells(VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, AB, HSA_o, EQ_y)},
    {restore_lines::kPellonRookS.front(), nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP)},
    {restore_lines::kPellonRookHDDuo.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, VP)},
    {restore_lines::kQuarrinSorra.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, VP, HQA, ST, ANC)},
    {restore_lines::kQuarrinSorra.front(), nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {restore_lines::kQuarrinSorra.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {restore_lines::kPintraVorelS.front(), nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, HDI, VP, HQA, ANC)},
    {restore_lines::kPintraVorelS.front(), nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, VXI, HDI, VXS_p2, VP, HQA, ANC)},
    {restore_lines::kPintraVorelS.front(), nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ANC)},
    {restore_lines::kPintraVorelSDuo.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {restore_lines::kPintraVorelSDuo.front(), nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraVorelSDuo.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, ST, ANC)},
    {restore_lines::kPintraVorelT.front(), nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, HDI, VP, HQA, ANC)},
    {restore_lines::kPintraVorelT.front(), nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, VXI, HDI, VXS_p2, VP, HQA, ANC)},
    {restore_lines::kPintraVorelT.front(), nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, ASP, HDV, HDI, VXS_p2, VP, ANC)},
    {restore_lines::kPintraOssel.front(), nullptr, kAnyFirmware, cells(EQ_y2, HDV, VP, HL_y2)},
    {restore_lines::kQuarrinLedo.front(), nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {restore_lines::kQuarrinLedo.front(), nullptr, from(1, 2), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kQuarrinLedo2.front(), nullptr, kAnyFirmware, cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kQuarrinFenna.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {restore_lines::kQuarrinFenna.front(), nullptr, from(1, 1), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {restore_lines::kPintraArdo.front(), nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC, ESC_s, ESN_s)},
    {restore_lines::kPintraArdo.front(), nullptr, from(1, 2), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC, ESC_s, ESN_s)},
    {restore_lines::kPintraArdoS.front(), nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraArdoS.front(), nullptr, from(1, 2), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraBelvo.front(), nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraBelvo.front(), nullptr, from(1, 1), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraBelvoDuo.front(), nullptr, kAnyFirmware, cells(SNS, VXP, VXS_p2, VP, ST, ANC)},
    {restore_lines::kPintraCindra.front(), nullptr, kAnyFirmware, cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {restore_lines::kPintraCindraDuo.front(), nullptr, kAnyFirmware, cells(AMP, SNS, AOF, AB, VXP, VXI, HDI, VXS_p2, VP, ST, ANC)},
    {restore_lines::kPintraDovelDuo.front(), nullptr, kAnyFirmware, cells(AMP, SNS, AOF, AB, VXP, VXI, HDI, VXS_p2, VP, ST, ANC, ESC_s, ESN_s)},
    // The navigation, auto-off and simple-mode switches these headsets keep in their second word.
    {restore_lines::kUlmeckZento.front(), nullptr, kAnyFirmware, cells(AB, HDI, ST, ANC, SNS_2, AOFF, SM, VXP, VXS_p, VP, HL_y)},
    {restore_lines::kOstlerJunovaQ.front(), nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP), 1},
    {restore_lines::kGrennikUvra.front(), nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {restore_lines::kGrennikUvraDuo.front(), nullptr, kAnyFirmware, cells(), 8},
    {restore_lines::kGrennikVesso.front(), nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ANC)},
    {restore_lines::kGrennikVesso.front(), nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ANC)},
    {restore_lines::kMorvikWendo.front(), nullptr, kAnyFirmware, cells(UL_y2, VP)},
    {restore_lines::kMorvikWendoDuo.front(), nullptr, kAnyFirmware, cells(UL_y2, VXP, HDV, HDI, VP, ANC)},
    {restore_lines::kMorvikLumo.front(), nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ANC)},
    {restore_lines::kMorvikKesso.front(), nullptr, kAnyFirmware, cells(EQ_q, VXP_v, HDV_q, VP_v, FSG_v, VXS_q, OVM_q)},
    {restore_lines::kHalvernSarda.front(), nullptr, kAnyFirmware, cells(HL_a, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    // The headset language of its language pack, and the one of Chinese dialects.
    {restore_lines::kHalvernTolleX.front(), nullptr, kAnyFirmware, cells(HL_k8, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {restore_lines::kKorvaneZirraX.front(), nullptr, kAnyFirmware, cells(HL_d, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {restore_lines::kHalvernSardaDuo.front(), nullptr, kAnyFirmware, cells(HL_a, VP_a)},
    {restore_lines::kHalvernSardaVoice.front(), nullptr, kAnyFirmware, cells(HL_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {restore_lines::kHalvernTolleDuo.front(), nullptr, kAnyFirmware, cells(HL_a, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a, FSG_a)},
    {restore_lines::kHalvernTolleS.front(), nullptr, kAnyFirmware, cells(HL_x, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
};
// clang-format on

} // namespace

std::span<const RestoreLayout> restore_layouts() { return kLayouts; }

const RestoreLayout* select_restore_layout(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm)
{
    const std::optional<int> line = restore_row_line(product);
    if (!line)
        return nullptr;
    const FlagCodes codes{.fm = fm};
    for (const RestoreLayout& layout : kLayouts) {
        if (layout.line != *line || (layout.fm && !holds(*layout.fm, codes)))
            continue;
        // Without a backup no bound is below the version: only the newest range holds.
        const bool holds_version =
            backup ? in_range(backup->deviceVersion(), layout.firmware) : layout.firmware.below.kind == BoundKind::None;
        if (holds_version)
            return &layout;
    }
    return nullptr;
}

} // namespace kivo::settings
