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
    {0x2030, nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {0x3030, nullptr, kAnyFirmware, cells(VP, FSG, ANC)},
    {0x3032, &kFm4, below(1, 4), cells(VP, ANC)},
    {0x3032, &kFm4, from(1, 4), cells(VP), 1},
    {0x3032, &kFmNot4, below(1, 4), cells(VP, FSG, ANC)},
    {0x3032, &kFmNot4, from(1, 4), cells(VP, FSG), 1},
    {0x3050, &kFm4, below(1, 4), cells(VP, ANC)},
    {0x3050, &kFm4, from(1, 4), cells(VP)},
    {0x3050, &kFmNot4, below(1, 4), cells(VP, FSG, ANC)},
    {0x3050, &kFmNot4, from(1, 4), cells(VP, FSG)},
    {0x3070, &kFm4, kAnyFirmware, cells(UL_y2, VP, ST)},
    {0x3070, &kFmNot4, kAnyFirmware, cells(UL_y2, VP, FSG, ST)},
    {0x3080, nullptr, kAnyFirmware, cells(UL_y2, VP, ST)},
    {0x3085, nullptr, kAnyFirmware, cells(HL_y, VP)},
    {0x3110, nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3110, nullptr, between(1, 1, 2, 1), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3110, nullptr, between(2, 1, 3, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3110, nullptr, between(3, 0, 3, 1), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3110, nullptr, from(3, 1), cells(UL_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {0x3112, nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3112, nullptr, between(1, 1, 3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3112, nullptr, between(3, 0, 3, 1), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3112, nullptr, from(3, 1), cells(VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {0x3114, nullptr, below(1, 1), cells(AB_v, VXP_v, VXI_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3114, nullptr, between(1, 1, 3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3114, nullptr, from(3, 0), cells(AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3116, nullptr, below(2, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, GM_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3116, nullptr, from(2, 0), cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3118, nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, HDI_v, VP_v, ANC_v, FSG_v, VXS_v, OVM_v, IOS_v)},
    {0x3124, &kFm4, kAnyFirmware, cells(UL_v, VP_v, ST_v, VC_v)},
    {0x3124, &kFmNot4, kAnyFirmware, cells(UL_v, VP_v, ST_v, FSG_v, VC_v)},
    {0x3128, &kFm4, kAnyFirmware, cells(CHS_m, VP_v, ST_v, ANC_v)},
    {0x3128, &kFmNot4, kAnyFirmware, cells(CHS_m, VP_v, ST_v, ANC_v, FSG_v)},
    {0x3132, nullptr, kAnyFirmware, cells(HL_v, EQ_e, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VA_v, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 1},
    {0x3136, nullptr, below(1, 2), cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v)},
    {0x3136, nullptr, from(1, 2), cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v), 2},
    {0x3140, nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v)},
    {0x3142, nullptr, kAnyFirmware, cells(UL_v, ST_v, FSG_v, OVM_vi, IOS_v, FMR_c, SPC_c)},
    {0x3146, nullptr, kAnyFirmware, cells(UL_v, VXP_v, VXI_v, BAM_v, HDI_v, VP_v, HQA_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, VC_v, AB_v, HSA_v, EQ_n)},
    {0x3150, nullptr, kAnyFirmware, cells(UL_r, VP_v, FSG_v)},
    {0x3152, nullptr, kAnyFirmware, cells(UL_v, VP_v, ST_v, VC_v)},
    {0x3156, nullptr, kAnyFirmware, cells(UL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v)},
    // The channel select and the remote UI of the mesh headset, either side of its unit language.
    {0x3161, nullptr, kAnyFirmware, cells(CS_t, UL_r, RUI_t)},
    {0x3170, nullptr, kAnyFirmware, cells(UL_z, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 3},
    {0x3211, nullptr, kAnyFirmware, cells(HL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, VXS_v, SVC_v, OVM_v, IOS_v)},
    {0x3213, nullptr, kAnyFirmware, cells(HL_v, EQ_e, AB_v, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VA_v, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v)},
    {0x3215, nullptr, kAnyFirmware, cells(HL_v, EQ_e, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, VXS_v, SVC_v, OVM_v, IOS_v), 2},
    {0x321B, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP), 2},
    // The rows of the line it shared, read where this headset's handlers store them.
    {0x321D, nullptr, kAnyFirmware, cells(UL_v, AB_v, VXP_v, VXI_v, AM_v, ASP, HDV_h, HDI_v, VXS_v, SVC_b, VP_v, FSG_v, ST_v, ANC_v)},
    {0x5424, nullptr, kAnyFirmware, cells(UL_y2, AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, SVC_t, VP, FSG, ST, ANC)},
    {0x3260, nullptr, kAnyFirmware, cells(HL_v, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v), 3},
    {0x3300, nullptr, kAnyFirmware, cells(UL_y2, EQ_y, VXP, VXI, AM, ASP, HDV, HDI, VP, ST, ANC)},
    {0x3310, nullptr, kAnyFirmware, cells(UL_k, HSA_k, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, AF_u)},
    {0x3320, nullptr, kAnyFirmware, cells(UL_k, EQ_e2, VXP_v, VXI_v, BAM_v, HDI_v, HDV_h, VP_v, ST_v, ANC_v, FSG_v, VXS_v, SVC_v, OVM_v, IOS_v, AF_u)},
    {0x3340, nullptr, kAnyFirmware, cells(HSA_k, EQ_y, VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {0x3341, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {0x3350, nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y)},
    {0x3360, nullptr, kAnyFirmware, cells()},
    {0x3370, nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP, FSG)},
    {0x3380, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP)},
    {0x3400, nullptr, kAnyFirmware, cells(EQ_y, VXP, HDV, HDI, HL_y, VP)},
    {0x3420, nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, UL_y, VP, AF_u)},
    {0x3500, nullptr, below(2, 2), cells()},
    {0x3500, nullptr, from(2, 2), cells(CH_l)},
    {0x3540, nullptr, kAnyFirmware, cells(CH_l)},
    {0x3560, nullptr, below(1, 1), cells()},
    {0x3560, nullptr, from(1, 1), cells(CH_l, VOL_l)},
    {0x3570, nullptr, below(1, 1), cells()},
    {0x3570, nullptr, from(1, 1), cells(CH_l)},
    {0x3701, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HL_y, VP)},
    {0x3800, nullptr, kAnyFirmware, cells(UL_v, VP_v, ST_v, FSG_v, OVM_v, IOS_v)},
    {0x4050, nullptr, kAnyFirmware, cells(UL_y2)},
    {0x4210, nullptr, below(1, 1), cells(VXP_b, ST_b, AM_b, IOS_b)},
    {0x4210, nullptr, between(1, 1, 1, 2), cells(VXP_b, ST_b, MSS_b, AM_b, IOS_b, NAS_b)},
    {0x4210, nullptr, between(1, 2, 1, 5), cells(AM_b, IOS_b, NAS_b, AB_b, MSS_b, VXP_b, HDI_b, EWI_b, VP_b, ST_b, ANC_b)},
    {0x4210, nullptr, from(1, 5), cells(AM_b, IOS_b, NAS_b, AB_b, SVC_b, MSS_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b)},
    {0x4310, nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {0x4410, nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b)},
    {0x4610, nullptr, kAnyFirmware, cells(AM_b, IOS_b, OVM_b, AB_b, SVC_b, VXP_b, HDI_b, EWI_b, VP_b, FSG_b, ST_b, ANC_b, VC_b, LED_b)},
    {0x4D06, nullptr, kAnyFirmware, cells(), 4},
    {0x5410, nullptr, below(1, 1), cells(AB, SVC_t, VXP, AO, VXS_p2, VP, ST)},
    {0x5410, nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, AO, HDV, VXS_p2, VP, ST)},
    {0x5410, nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, ST, ANC)},
    {0x5412, nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5412, nullptr, from(1, 1), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5416, nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5416, nullptr, between(1, 1, 1, 2), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5416, nullptr, from(1, 2), cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5418, nullptr, kAnyFirmware, cells(AB, SVC_t, VXP, VXI, AO, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5426, nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, SVC_t, VP, FSG, ST, ANC)},
    {0x5510, nullptr, below(1, 1), cells(AB, VXP, VXI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {0x5510, nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w)},
    {0x5510, nullptr, between(2, 0, 2, 2), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {0x5510, nullptr, between(2, 2, 3, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {0x5510, nullptr, from(3, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, PHM_w, VDM_w, VRS_w, TLI_w, VTI_w, LRM_w, VMG_w, DCP_w, SSR_w, SRM_w, SRF_w, SRI_w, SRP_w, ACS_w)},
    {0x5520, nullptr, below(1, 1), cells(AB, VXP, VXI, VXS_p2, VP, HQA, ST, ANC)},
    {0x5520, nullptr, between(1, 1, 1, 3), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x5520, nullptr, between(1, 3, 2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {0x5520, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5522, nullptr, kAnyFirmware, cells(AB, VP, FSG, HQA, ANC)},
    {0x5524, nullptr, below(1, 1), cells(AB, VP, HQA, ANC)},
    {0x5524, nullptr, between(1, 1, 2, 0), cells(AB, VP, FSG, HQA, ANC)},
    {0x5524, nullptr, from(2, 0), cells(AB, AM, ASP, HDV, VP, FSG, ANC)},
    {0x5526, nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {0x5526, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x5530, nullptr, below(1, 4), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {0x5530, nullptr, between(1, 4, 2, 0), cells(AB, VXP, VXI, HDV, HDI, VP, FSG, HQA, ST, ANC)},
    {0x5530, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {0x5532, nullptr, kAnyFirmware, cells(AB, VXP, VXI, HDV, HDI, VP, FSG, HQA, ST, ANC)},
    {0x5534, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP, FSG, ST, ANC)},
    {0x5550, nullptr, below(1, 2), cells(AB, HDI, VP, FSG, HQA, ANC)},
    {0x5550, nullptr, between(1, 2, 2, 0), cells(AB, VP, FSG, HQA, ANC)},
    {0x5550, nullptr, from(2, 0), cells(AB, AM, ASP, HDV, VP, FSG, ANC)},
    {0x5552, nullptr, kAnyFirmware, cells(EQ_y, HDV, VP, FSG, HL_vo)},
    {0x5560, nullptr, kAnyFirmware, cells(FSG)},
    {0x5570, nullptr, below(1, 4), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {0x5570, nullptr, from(1, 4), cells(VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, AB, HSA_o, EQ_y)},
    {0x5576, nullptr, kAnyFirmware, cells(ASR, AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {0x5580, nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {0x5580, nullptr, between(2, 0, 2, 6), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {0x5580, nullptr, from(2, 6), cells(VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC, AB, HSA_o, EQ_y)},
    {0x5592, nullptr, kAnyFirmware, cells(VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP)},
    {0x5595, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, VP)},
    {0x5610, nullptr, below(1, 1), cells(AB, VXP, VXI, VP, HQA, ST, ANC)},
    {0x5610, nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {0x5610, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ST, ANC)},
    {0x5622, nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, HDI, VP, HQA, ANC)},
    {0x5622, nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, VXI, HDI, VXS_p2, VP, HQA, ANC)},
    {0x5622, nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ANC)},
    {0x5623, nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {0x5623, nullptr, between(1, 1, 2, 0), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x5623, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, ST, ANC)},
    {0x5624, nullptr, below(1, 1), cells(AB, SVC_t, VXP, VXI, HDI, VP, HQA, ANC)},
    {0x5624, nullptr, between(1, 1, 2, 0), cells(AB, SVC_t, VXP, VXI, HDI, VXS_p2, VP, HQA, ANC)},
    {0x5624, nullptr, from(2, 0), cells(AB, SVC_t, VXP, VXI, ASP, HDV, HDI, VXS_p2, VP, ANC)},
    {0x5630, nullptr, kAnyFirmware, cells(EQ_y2, HDV, VP, HL_y2)},
    {0x5710, nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {0x5710, nullptr, from(1, 2), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {0x5720, nullptr, kAnyFirmware, cells(AB, VXP, VXI, HDI, VXS_p2, VP, FSG, HQA, ST, ANC)},
    {0x5910, nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VP, HQA, ST, ANC)},
    {0x5910, nullptr, from(1, 1), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ST, ANC)},
    {0x6010, nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC, ESC_s, ESN_s)},
    {0x6010, nullptr, from(1, 2), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC, ESC_s, ESN_s)},
    {0x6014, nullptr, below(1, 2), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x6014, nullptr, from(1, 2), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x6018, nullptr, below(1, 1), cells(AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x6018, nullptr, from(1, 1), cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x6020, nullptr, kAnyFirmware, cells(SNS, VXP, VXS_p2, VP, ST, ANC)},
    {0x6026, nullptr, kAnyFirmware, cells(SNS, AB, VXP, VXI, HDI, VXS_p2, VP, HQA, ST, ANC)},
    {0x6028, nullptr, kAnyFirmware, cells(AMP, SNS, AOF, AB, VXP, VXI, HDI, VXS_p2, VP, ST, ANC)},
    {0x6034, nullptr, kAnyFirmware, cells(AMP, SNS, AOF, AB, VXP, VXI, HDI, VXS_p2, VP, ST, ANC, ESC_s, ESN_s)},
    // The navigation, auto-off and simple-mode switches these headsets keep in their second word.
    {0x6038, nullptr, kAnyFirmware, cells(AB, HDI, ST, ANC, SNS_2, AOFF, SM, VXP, VXS_p, VP, HL_y)},
    {0x6042, nullptr, kAnyFirmware, cells(EQ_y, VXP, VXI, AM, ASP, HDV, HDI, HL_y, VP), 1},
    {0x6112, nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ST, ANC)},
    {0x6114, nullptr, kAnyFirmware, cells(), 8},
    {0x6210, nullptr, below(2, 0), cells(AB, VXP, VXI, HDI, VP, FSG, HQA, ANC)},
    {0x6210, nullptr, from(2, 0), cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VP, FSG, ANC)},
    {0x6310, nullptr, kAnyFirmware, cells(UL_y2, VP)},
    {0x6320, nullptr, kAnyFirmware, cells(UL_y2, VXP, HDV, HDI, VP, ANC)},
    {0x6400, nullptr, kAnyFirmware, cells(AB, VXP, VXI, AM, ASP, HDV, HDI, VXS_p2, VP, FSG, ANC)},
    {0x6500, nullptr, kAnyFirmware, cells(EQ_q, VXP_v, HDV_q, VP_v, FSG_v, VXS_q, OVM_q)},
    {0x6800, nullptr, kAnyFirmware, cells(HL_a, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    // The headset language of its language pack, and the one of Chinese dialects.
    {0x6811, nullptr, kAnyFirmware, cells(HL_k8, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {0x683A, nullptr, kAnyFirmware, cells(HL_d, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {0x6801, nullptr, kAnyFirmware, cells(HL_a, VP_a)},
    {0x6804, nullptr, kAnyFirmware, cells(HL_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
    {0x6806, nullptr, kAnyFirmware, cells(HL_a, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a, FSG_a)},
    {0x6808, nullptr, kAnyFirmware, cells(HL_x, EQ_a, VXP_a, VP_a, VXS_a, OVM_a, IOS_a)},
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
