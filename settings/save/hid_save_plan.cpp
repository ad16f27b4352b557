#include "settings/save/hid_save_plan.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "common/system_log.h"
#include "device/products/background_volume.h"
#include "device/products/oem_headsets.h"
#include "device/products/settings_save_families.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_settings_records.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;
using Words = std::vector<uint16_t>;
using enum SettingsSaveFamily;

// Records of the save besides those recognition reads too.
constexpr uint8_t kRecordFirstWord = 0x20; // F2: one word each
constexpr uint8_t kRecordSecondWord = 0x1F;
constexpr uint8_t kRecordThirdWord = 0x1E;
constexpr uint8_t kRecordVox = 0x14; // the VOX sensitivity word
constexpr uint8_t kRecordVoxSecond = 0x12;
constexpr uint8_t kRecordSmartVolume = 0x03;
constexpr uint8_t kRecordCameraFirst = 0x07; // camera words 0 and 1
constexpr uint8_t kRecordCameraSecond = 0x1C; // camera words 2 and 3
constexpr int kF1Slot = 1;
constexpr size_t kBackgroundVolumeWord = 7;

constexpr bool kStops = true;

uint16_t word(int value) { return static_cast<uint16_t>(value); }

Words settings_words(const Record& r, int first, int count)
{
    Words words;
    for (int i = first; i < first + count; ++i)
        words.push_back(word(r.basicSettingBrisko(i)));
    return words;
}

uint16_t vox_word(const Record& r) { return word(r.basicSettingPintraVOXSensitivityAt(0)); }
uint16_t smart_volume_word(const Record& r) { return word(r.basicSettingTavelSmartVolumeControlAt(0)); }
uint16_t camera_word(const Record& r, int index) { return word(r.basicSettingWispenCameraAt(index)); }

bool from(const Record& data, int major, int minor)
{
    return data.compareVersionUpToMinorWithMajor_Minor(major, minor) >= 0;
}

// "HEAD W0 W1 ..." with the first `count` words in hexadecimal.
std::string hex_line(std::string_view head, const Words& words, size_t count)
{
    std::string line(head);
    for (size_t i = 0; i < count && i < words.size(); ++i) {
        std::array<char, 8> hex{};
        std::snprintf(hex.data(), hex.size(), " %X", static_cast<unsigned>(words[i]));
        line += hex.data();
    }
    return line;
}

std::string airoha_line(const Words& w)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "Setting set HEX airoha [%04X], 1=[%04X], 2=[%04X]",
                  static_cast<unsigned>(w[0]), static_cast<unsigned>(w[1]), static_cast<unsigned>(w[2]));
    return text.data();
}

SaveStep step(SaveStepKind kind, uint8_t record, Words words = {}, size_t counted = 0)
{
    SaveStep made;
    made.kind = kind;
    made.record = record;
    made.words = std::move(words);
    made.counted = counted;
    return made;
}

class PlanBuilder {
public:
    std::vector<SaveStep> steps;

    void write(uint8_t record, Words words, bool stops = false, std::string trace = {})
    {
        const size_t counted = words.size();
        SaveStep& made = steps.emplace_back(step(SaveStepKind::Write, record, std::move(words), counted));
        made.stopsOnFailure = stops;
        made.trace = std::move(trace);
    }
    void commit(uint8_t record) { steps.push_back(step(SaveStepKind::Commit, record)); }
};

// Record 4's word count by product and firmware.
int record_four_words(int product_id, const Record& data)
{
    const SaveWordCountRow* row = save_word_count_row(product_id);
    if (row == nullptr)
        return kSaveF1Words;
    for (const SaveWordsBelow& below : row->below)
        if (below.words != 0 && !from(data, below.major, below.minor))
            return below.words;
    return row->words;
}

void plan_f1(PlanBuilder& plan, int product_id, const Record& data, const Record& current)
{
    // The report carries all ten words; only the first ones count.
    SaveStep& write = plan.steps.emplace_back(step(SaveStepKind::Write, kRecordBasicSettings,
                                                   settings_words(current, 0, kSaveF1Words),
                                                   static_cast<size_t>(record_four_words(product_id, data))));
    write.slot = kF1Slot;
}

void plan_f2(PlanBuilder& plan, int product_id, const Record& data, const Record& current)
{
    const bool late = data.compareVersionUpToMinor2ndWithMajor2nd_Minor_Minor2nd(1, 4, 3) >= 0;
    const SaveSubPath path = save_sub_path(product_id);
    plan.write(kRecordFirstWord, settings_words(current, 0, 1));
    if (path == SaveSubPath::ThreeOneWordRecords || (path == SaveSubPath::LateSecondRecords && late))
        plan.write(kRecordSecondWord, settings_words(current, 1, 1));
    if ((path == SaveSubPath::ThreeOneWordRecords || path == SaveSubPath::LateSecondRecords) && late)
        plan.write(kRecordThirdWord, settings_words(current, 2, 1), kStops);
}

void plan_f3(PlanBuilder& plan, const Record& current)
{
    const Words words = settings_words(current, 0, 3);
    plan.steps.push_back(step(SaveStepKind::ShortWrite, kShortRecordSettings, words, words.size()));
    plan.steps.back().trace = airoha_line(words);
}

void plan_f8(PlanBuilder& plan, int product_id, const Record& current)
{
    plan.write(kRecordSettings, {current.getSettings40(), word(current.basicSettingBrisko(1))});
    if (!has_background_volume(product_id))
        return;
    plan.steps.push_back(step(SaveStepKind::ReadFirst, kRecordExtendedSettings, {}, kExtendedSettingsWords));
    // Words 0 to 6 go as 0: the device's other words of this record are not the page's.
    Words extended(kExtendedSettingsWords, 0);
    extended[kBackgroundVolumeWord] = word(current.backgroundVolume());
    std::string trace = hex_line("ARABIC R", extended, 6);
    plan.write(kRecordExtendedSettings, std::move(extended), false, std::move(trace));
}

void plan_f10(PlanBuilder& plan, int product_id, const Record& data, const Record& current)
{
    if (is_oem_headset(product_id))
        plan.steps.push_back(
            step(SaveStepKind::WriteLeastSignificantFirst, kRecordOemFlags, {current.getSettingsVARGO()}, 1));
    plan.write(kRecordBasicSettings, settings_words(current, 0, record_four_words(product_id, data)));
}

void plan_f11(PlanBuilder& plan, int product_id, const Record& data, const Record& current)
{
    const uint16_t basic = current.getSettings40();
    const uint16_t second = current.getSettings40Second();
    const uint16_t word1 = word(current.basicSettingBrisko(1));
    const Words vox = {vox_word(current)};
    const Words smart = {smart_volume_word(current)};
    const std::string smart_trace = "Set Setting smart[0] = " + std::to_string(smart_volume_word(current));
    switch (save_sub_path(product_id)) {
    case SaveSubPath::BasicWords: plan.write(kRecordBasicSettings, {basic, second}); break;
    case SaveSubPath::BasicWordAndWord1: plan.write(kRecordBasicSettings, {basic, word1}); break;
    case SaveSubPath::VoxAndSmartVolume:
        plan.write(kRecordBasicSettings, {basic, word1}, kStops);
        plan.write(kRecordVox, vox, kStops);
        plan.write(kRecordSmartVolume, smart, false, smart_trace);
        break;
    case SaveSubPath::CommittedVoxAndSmartVolume:
        plan.write(kRecordBasicSettings, {basic, 0}, kStops);
        plan.commit(kRecordBasicSettings);
        plan.write(kRecordVox, vox, kStops);
        plan.commit(kRecordVox);
        plan.write(kRecordSmartVolume, smart, kStops);
        plan.commit(kRecordSmartVolume);
        break;
    case SaveSubPath::CameraWords:
        plan.write(kRecordBasicSettings, {basic, second}, kStops);
        plan.write(kRecordCameraFirst, {camera_word(current, 0), camera_word(current, 1)});
        if (from(data, 2, 0))
            plan.write(kRecordCameraSecond, {camera_word(current, 2), camera_word(current, 3)});
        break;
    case SaveSubPath::BasicWordsAndVox:
        plan.write(kRecordBasicSettings, {basic, second}, kStops);
        plan.write(kRecordVox, vox);
        break;
    case SaveSubPath::SmartVolumeThenVox:
        plan.write(kRecordBasicSettings, {basic, second}, kStops);
        plan.write(kRecordSmartVolume, smart, kStops);
        if (from(data, 1, 1))
            plan.write(kRecordVox, vox);
        break;
    case SaveSubPath::VoxFrom1_1:
        plan.write(kRecordBasicSettings, {basic, second}, kStops);
        if (from(data, 1, 1))
            plan.write(kRecordVox, vox);
        break;
    case SaveSubPath::CommittedVox:
        plan.write(kRecordBasicSettings, {basic, 0, word(current.basicSettingBrisko(2)), 0}, kStops);
        plan.commit(kRecordBasicSettings);
        plan.write(kRecordVox, vox, kStops);
        plan.commit(kRecordVox);
        break;
    case SaveSubPath::CommittedVoxInRecord12:
        plan.write(kRecordBasicSettings, {basic, 0, 0, 0}, kStops);
        plan.commit(kRecordBasicSettings);
        plan.write(kRecordVoxSecond, vox, kStops);
        plan.commit(kRecordVoxSecond);
        break;
    default: break;
    }
}

bool run_step(const SaveStep& step, HidCommandReport& last_write)
{
    switch (step.kind) {
    case SaveStepKind::Write:
        last_write = record_write_report(step.record, step.words, step.counted);
        return send_record_report(last_write, step.slot);
    case SaveStepKind::WriteLeastSignificantFirst:
        return send_record_report(record_write_report_unswapped(step.record, step.words), step.slot);
    case SaveStepKind::Commit: return send_record_report(record_commit_report(last_write, step.record), step.slot);
    case SaveStepKind::ReadFirst: return read_record(step.record, static_cast<uint8_t>(step.counted)).has_value();
    case SaveStepKind::ShortWrite:
        // The settings sub-record, 3, is also the count of the three words.
        return write_short_record(step.record, step.words);
    }
    return false;
}

} // namespace

std::vector<SaveStep> hid_save_plan(int product_id, const Record& data, const Record& current)
{
    PlanBuilder plan;
    const uint16_t basic = current.getSettings40();
    switch (settings_save_family(product_id)) {
    case F1: plan_f1(plan, product_id, data, current); break;
    case F2: plan_f2(plan, product_id, data, current); break;
    case F3: plan_f3(plan, current); break;
    case F4: plan.write(kRecordSettings, settings_words(current, 0, 2)); break;
    case F5: {
        Words words = {basic};
        for (uint16_t w : settings_words(current, 1, 4))
            words.push_back(w);
        std::string trace = hex_line("SAVEF", words, 4);
        plan.write(kRecordSettings, std::move(words), false, std::move(trace));
        break;
    }
    case F6: {
        Words words = {basic, word(current.basicSettingBrisko(1)), word(current.basicSettingBrisko(2))};
        std::string trace = hex_line("SAVEF", words, 3);
        plan.write(kRecordSettings, std::move(words), false, std::move(trace));
        break;
    }
    case F7:
        plan.write(kRecordSettings, {basic, current.getSettings40Second()});
        plan.write(kRecordVoxSensitivity, {vox_word(current)}, kStops);
        // The VOX word is written to 0x17 and committed as 0x14.
        plan.commit(kRecordVox);
        break;
    case F8: plan_f8(plan, product_id, current); break;
    case F9: plan.write(kRecordBasicSettings, settings_words(current, 0, 4)); break;
    case F10: plan_f10(plan, product_id, data, current); break;
    case F11: plan_f11(plan, product_id, data, current); break;
    case F12: break;
    }
    return plan.steps;
}

bool run_hid_save_plan(const std::vector<SaveStep>& plan)
{
    bool all_through = true;
    HidCommandReport last_write{};
    for (const SaveStep& step : plan) {
        if (!step.trace.empty())
            system_log(step.trace);
        if (run_step(step, last_write))
            continue;
        if (step.kind == SaveStepKind::ReadFirst)
            break;
        system_logf("save: record 0x%02X not %s", step.record,
                    step.kind == SaveStepKind::Commit ? "committed" : "written");
        all_through = false;
        if (step.stopsOnFailure)
            break;
    }
    return all_through;
}

} // namespace kivo::settings
