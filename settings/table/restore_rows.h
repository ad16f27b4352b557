#pragma once
// The restore page's table of backed-up settings: one row per setting the backup holds, its title
// and its backed-up value as text in the interface language. Nothing in it is edited. The rows a
// product shows come from its line of layouts (restore_layouts.h), chosen by the backup's firmware
// and the FM code; what a row shows is its kind: a title of the shared registry, the catalogue key
// the value is read with, and the rule that turns the value into text. Every call works afresh from
// its arguments and keeps nothing.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/device_data.h"
#include "settings/table/setting_catalogue.h"
#include "text/localized.h"

namespace kivo::settings {

// How a stored value v reads. "Other" values include the negative ones. The words come in the
// interface language: the on/off words "Enabled", "Disabled" and "Disable", the level words of the
// gain codes 12, 15 and 17 ("Low", "Medium", "High"), the voice-prompt language names by their
// code, the channel names and the item texts the all-settings table shows.
enum class RestoreRule : std::uint8_t {
    O, // 0: Disabled; other: Enabled
    I, // 1: Disabled; other: Enabled
    Z, // 0: Enabled; other: Disabled
    N, // v in decimal
    NPlus1, // v + 1
    NMinus1, // v - 1
    NMinus7, // v - 7
    ElevenMinusN, // 11 - v
    L3, // 0: Disable; 1: Low; 2: Medium; other: High
    LM, // 1: Disable; 2: Low; other: High
    LG, // 0: Low; 1: Medium; other: High
    ES, // 1 to 3: Low, Medium, High; other: Medium
    P, // 1: Music; other: Intercom
    E1, // 1 to 4: Balance, Bass Boost, Mid Boost, Treble Boost; other: Off
    E2, // 1 to 4: Music Enhanced, Voice, Bass Boost, Treble Boost; other: Music Balance
    EC, // 1 to 3: Headlight + ESS, Flashing light + ESS, Disabled function; other: ESS LIGHT
    CH, // 1 to 9: the channel names CH 1 (Common) to CH 9, as stored; other: v in decimal
    PH, // 0: Single Shot; other: Burst Shot
    VM, // 0: Video Mode; 2: Loop Recording Mode; other: Timelapse Mode
    VR, // 0: 1080p/30fps; 1: 720p/60fps; other: 720p/30fps
    TL, // 0: 1 sec; other: 10 secs
    LR, // 0: 1 min; 1: 3 mins; other: 5 mins
    U1, // language code 0 to 10; other: English
    U2, // 0 to 10; 11 Norwegian; 12 Swedish; 13 Brazilian Portuguese; other: English
    U3, // the languages of the backup's language pack, by their place in it (pack 0: 0 to 5 as the
        // code, 6 to 10 as the code + 1, without Russian); other: English
    U4, // 0 to 8; 9 and 11 Czech; 10 and 12 Brazilian Portuguese; other: English
    UQ, // 1: Chinese; other: English
    UD, // 0 to 6: the seven Chinese dialects; other: the first
    Blank, // no value: the setting is not in the backup
};

// The value's text; a language outside 0 to 12 reads English. The pack type is the backup's
// language pack (U3 only).
std::string restore_value_text(RestoreRule rule, int value, ManagerLanguage language, int packType = 0);
// "O", "N+1", "11-N", ..., "-" for Blank: for dumps and messages.
std::string_view restore_rule_name(RestoreRule rule);

// One kind per distinct row content, named by its code (ANC_b is "ANC-b").
// clang-format off
enum class RestoreKind : std::uint8_t {
    ANC, ANC_b, ANC_v, AF_u, AB, AB_b, AB_v,
    EQ_a, EQ_e, EQ_e2, EQ_n, EQ_q, EQ_y, EQ_y2,
    AMP, AM, AM_b, OVM_a, OVM_b, OVM_q, OVM_v, OVM_vi, AO, ASP, ACS_w, AOF, ASR, BAM_v,
    CH_l, CHS_m, DCP_w, ESC_s, ESN_s, EWI_b, FMR_c, SRF_w, FSG, FSG_a, FSG_b, FSG_v, GM_v,
    HDI, HDI_b, HDI_v, HSA_k, HSA_o, HSA_v, HDV, HDV_h,
    HL_a, HL_v, HL_x, HL_y, HL_y2, HQA, HQA_v, SRI_w, IOS_a, IOS_b, IOS_v, LRM_w, MSS_b, SRM_w, NAS_b, SRP_w,
    PHM_w, ST, ST_b, ST_v, SNS, SVC_b, SVC_t, SVC_v, SPC_c, SSR_w, TLI_w,
    UL_k, UL_r, UL_v, UL_y, UL_y2, UL_z, VXI, VXI_v, VXP, VXP_a, VXP_b, VXP_v,
    VXS_a, VXS_p, VXS_p2, VXS_q, VXS_v, VMG_w, VDM_w, VRS_w, VTI_w, VA_v, VC_b, VC_v,
    VP, VP_a, VP_b, VP_v, VOL_l, LED_b,
    // The rows of the mesh headset 0x3161 and of the 0x6038 pair the layouts had left open.
    CS_t, RUI_t, SNS_2, AOFF, SM,
    // Rows that read where their products' handlers store the setting.
    AM_v, HDV_q, HL_vo, HL_k8, HL_d,
};
// clang-format on

struct RestoreKindInfo {
    RestoreKind kind;
    std::string_view code;
    const Translated* title;
    std::optional<SettingKey> key; // none for a Blank row
    RestoreRule rule;
};

// Every kind, in RestoreKind order.
std::span<const RestoreKindInfo> restore_kinds();
const RestoreKindInfo& restore_kind(RestoreKind kind);

// The rows the table of the selected product shows for the backup (none: no backup loaded) and
// the FM code (fmRadioShowAndHide); 0 for a product in no line.
int restore_row_count(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm);

struct RestoreRow {
    RestoreKind kind;
    std::string title;
    std::string value;
};

// Row `row` of that table in the language; none for a product in no line, a row outside the count,
// and the blank rows after the cells. Without a backup the values read from an all-zero record.
std::optional<RestoreRow> restore_row(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm,
                                      int row, ManagerLanguage language);

} // namespace kivo::settings
