// Prints the setting catalogue for review:
//   settings_catalogue_dump keys                  one line per row: key, getter, setter, argument,
//                                                 domain, storage sense, footprint (tab separated)
//   settings_catalogue_dump changed PID MAJOR.MINOR
//                                                 the stored values change detection compares for
//                                                 that product at that firmware ("none" for none)
//   settings_catalogue_dump save PID MAJOR.MINOR[.SECONDARY]
//                                                 the settings save of that product at that
//                                                 firmware: its family, the checks before any
//                                                 write, then each report (HID) or key (persistent
//                                                 store) in order
//   settings_catalogue_dump shown                 one line per key the all-settings table reads:
//                                                 the key, then the products it reads it for
//   settings_catalogue_dump handler PID           one line per change handler: the writer that
//                                                 product reaches (key, value rule, coupling), or
//                                                 "nothing stored"
//   settings_catalogue_dump restore PID MAJOR.MINOR|none [fm=N] [lang=L] [values=V[,V...]]
//                                                 the restore table of that product for a backup
//                                                 at that firmware (none: no backup): the row
//                                                 count, then per row its index, kind code, title
//                                                 and value text, a blank row as "-" (tab
//                                                 separated). values= writes V into every row's
//                                                 setting, or the i-th V into row i's, before the
//                                                 rows are read
//   settings_catalogue_dump backup PID MAJOR.MINOR FOLDER [fm=N] [values=V[,V...]] [dials=A,B,C]
//                                 [revisions=DIR]
//                                                 writes that backup (values= as for restore) as
//                                                 the product's backup file into FOLDER, the
//                                                 archive folder of the manager, and prints its path.
//                                                 dials= gives its three speed-dial numbers (as
//                                                 written, an empty one for none); revisions= adds
//                                                 the line "NAME:vMAJOR.MINOR:NAME.img" of its
//                                                 version to DIR/Revisions and DIR/Firmware and
//                                                 writes DIR/NAME.img, so that a firmware server on
//                                                 DIR lists it, the update page reads its index and
//                                                 a restore is possible
// Numbers are decimal or 0x hexadecimal.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/manager_version.h"
#include "device/backup_archive.h"
#include "device/products/settings_save_families.h"
#include "settings/change_detection.h"
#include "settings/save/hid_identity_check.h"
#include "settings/save/hid_save_plan.h"
#include "settings/save/usb_save.h"
#include "settings/table/handlers.h"
#include "settings/table/kinds.h"
#include "settings/table/restore_layouts.h"
#include "settings/table/restore_rows.h"
#include "settings/table/setting_catalogue.h"
#include "tests/app/net/demo_firmware.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "update/engine/backup_file.h"
#include "update/server/firmware_index.h"

using namespace kivo::settings;

namespace {

std::string argument_text(const Setting& row)
{
    switch (row.argument) {
    case ArgumentKind::None: return "none";
    case ArgumentKind::ProductId: return "product id";
    case ArgumentKind::Port: return "port " + std::to_string(row.port);
    case ArgumentKind::PackType: return "pack type";
    }
    return "?";
}

std::string domain_text(const Domain& domain)
{
    const std::string range = std::to_string(domain.lowest) + ".." + std::to_string(domain.highest);
    switch (domain.kind) {
    case DomainKind::OnOff: return "on/off";
    case DomainKind::Code: return "code " + range + (domain.step > 1 ? " step " + std::to_string(domain.step) : "");
    case DomainKind::Gain: return "gain 12,15,17 (reads " + range + ")";
    case DomainKind::Seconds: return "seconds " + range;
    }
    return "?";
}

std::string_view sense_text(StorageSense sense)
{
    switch (sense) {
    case StorageSense::Plain: return "plain";
    case StorageSense::SetterStoresInverse: return "setter stores inverse";
    case StorageSense::GetterReturnsInverse: return "getter returns inverse";
    case StorageSense::SetterAddsEight: return "setter adds 8";
    case StorageSense::GetterReadsReport: return "getter reads report";
    }
    return "?";
}

bool parse_number(std::string_view text, int& out)
{
    const std::string copy(text);
    char* end = nullptr;
    const long value = std::strtol(copy.c_str(), &end, 0);
    if (copy.empty() || *end != '\0')
        return false;
    out = static_cast<int>(value);
    return true;
}

bool parse_version(std::string_view text, int& major, int& minor)
{
    const auto dot = text.find('.');
    return dot != std::string_view::npos && parse_number(text.substr(0, dot), major) &&
        parse_number(text.substr(dot + 1), minor);
}

int keys()
{
    for (const Setting& row : catalogue())
        std::printf("%.*s\t%.*s\t%.*s\t%s\t%s\t%.*s\t%s\n", static_cast<int>(row.name.size()), row.name.data(),
                    static_cast<int>(row.getterName.size()), row.getterName.data(),
                    static_cast<int>(row.setterName.size()), row.setterName.data(), argument_text(row).c_str(),
                    domain_text(row.domain).c_str(), static_cast<int>(sense_text(row.sense).size()),
                    sense_text(row.sense).data(), footprint_text(footprint(row.key, {})).c_str());
    return 0;
}

int changed(std::string_view product_text, std::string_view version_text)
{
    int product = 0, major = 0, minor = 0;
    if (!parse_number(product_text, product) || !parse_version(version_text, major, minor)) {
        std::fprintf(stderr, "changed: expected PID MAJOR.MINOR\n");
        return 2;
    }
    KIVOBluetoothDeviceData device;
    device.setDeviceRecognized(product);
    device.setDeviceVersionMajor_Minor(major, minor);
    std::string line;
    for (StoredValue value : compared_values(product, device))
        line += (line.empty() ? "" : " ") + std::string(stored_value_name(value));
    std::printf("%s\n", line.empty() ? "none" : line.c_str());
    return 0;
}

std::string_view version_name(RecordVersion version)
{
    switch (version) {
    case RecordVersion::Device: return "device";
    case RecordVersion::FirstModule: return "first module";
    case RecordVersion::SecondModule: return "second module";
    }
    return "?";
}

void print_checks(kivo::SettingsSaveFamily family, int product)
{
    const HidIdentityCheck check = hid_identity_check_of(family, product);
    std::string line = check.closesFirst ? "close, open, product id" : "open, product id";
    if (check.asksReadiness)
        line += ", readiness";
    for (const SlotVersionCheck& version : check.versions)
        line += ", version of slot " + std::to_string(version.slot) + " as the " +
            std::string(version_name(version.version));
    std::printf("checks %s\n", line.c_str());
}

void print_step(const SaveStep& step)
{
    const std::string slot = step.slot != 0 ? " on slot " + std::to_string(step.slot) : "";
    switch (step.kind) {
    case SaveStepKind::Write:
        std::printf("write record 0x%02X words %zu%s%s%s\n", step.record, step.counted,
                    step.words.size() > step.counted ? (" carrying " + std::to_string(step.words.size())).c_str() : "",
                    slot.c_str(), step.stopsOnFailure ? ", a refusal ends the save" : "");
        break;
    case SaveStepKind::WriteLeastSignificantFirst:
        std::printf("write record 0x%02X words %zu least significant byte first%s\n", step.record, step.words.size(),
                    slot.c_str());
        break;
    case SaveStepKind::Commit: std::printf("commit record 0x%02X%s\n", step.record, slot.c_str()); break;
    case SaveStepKind::ReadFirst:
        std::printf("read record 0x%02X words %zu, the rest only if it answers\n", step.record, step.counted);
        break;
    case SaveStepKind::ShortWrite: std::printf("write 62-byte settings words %zu\n", step.words.size()); break;
    }
}

int save(std::string_view product_text, std::string_view version_text)
{
    int product = 0, major = 0, minor = 0, secondary = 0;
    const auto second_dot = version_text.find('.', version_text.find('.') + 1);
    const bool parsed = parse_number(product_text, product) &&
        parse_version(version_text.substr(0, second_dot), major, minor) &&
        (second_dot == std::string_view::npos || parse_number(version_text.substr(second_dot + 1), secondary));
    if (!parsed) {
        std::fprintf(stderr, "save: expected PID MAJOR.MINOR[.SECONDARY]\n");
        return 2;
    }
    KIVOBluetoothDeviceData device;
    device.setDeviceRecognized(product);
    device.setDeviceVersion({major, minor, 0, secondary});
    const kivo::SettingsSaveFamily family = kivo::settings_save_family(product);
    std::printf("family F%d\n", static_cast<int>(family));
    if (family == kivo::SettingsSaveFamily::F12) {
        std::string keys;
        for (const PsKeySave& key : ps_keys_to_save(product, device)) {
            keys += ' ';
            keys += std::to_string(key.key);
        }
        std::printf("checks open, management mode, per device: product id, chip, firmware\n");
        std::printf("keys%s (each when it differs)\n", keys.c_str());
        return 0;
    }
    print_checks(family, product);
    for (const SaveStep& step : hid_save_plan(product, device, device))
        print_step(step);
    return 0;
}

int shown()
{
    const std::vector<std::pair<SettingKey, int>> reads = table_reads();
    for (std::size_t i = 0; i < reads.size();) {
        const SettingKey key = reads[i].first;
        std::string products;
        for (; i < reads.size() && reads[i].first == key; ++i) {
            char id[8];
            std::snprintf(id, sizeof id, "0x%04X", reads[i].second);
            if (!products.empty())
                products += ' ';
            products += id;
        }
        const std::string_view name = setting(key).name;
        std::printf("%.*s\t%s\n", static_cast<int>(name.size()), name.data(), products.c_str());
    }
    return 0;
}

int handler_writers(std::string_view product_text)
{
    int product = 0;
    if (!parse_number(product_text, product)) {
        std::fprintf(stderr, "handler: expected PID\n");
        return 2;
    }
    for (const Handler& h : handlers()) {
        const Writer& w = writer_for(h.id, product);
        std::string line(h.name);
        if (w.key) {
            line += '\t';
            line += setting(*w.key).setterName;
            line += '\t';
            line += value_rule_text(w.rule);
        } else
            line += "\tnothing stored";
        if (h.coupling != Coupling::None)
            line += "\tthen " + std::string(coupling_text(h.coupling));
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

// "fm=4", "lang=2", "values=1,0,3": the value after the name, or none when the word is not that option.
std::optional<std::string_view> option(std::string_view word, std::string_view name)
{
    if (word.size() <= name.size() || word.substr(0, name.size()) != name || word[name.size()] != '=')
        return std::nullopt;
    return word.substr(name.size() + 1);
}

bool parse_values(std::string_view text, std::vector<int>& values)
{
    while (true) {
        const auto comma = text.find(',');
        int value = 0;
        if (!parse_number(text.substr(0, comma), value))
            return false;
        values.push_back(value);
        if (comma == std::string_view::npos)
            return true;
        text.remove_prefix(comma + 1);
    }
}

struct RestoreArguments {
    int product = 0;
    std::optional<KIVOBluetoothDeviceData> backup;
    int fm = 0;
    int language = 0;
    // backup only: the speed-dial numbers, and the folder whose revisions list gets the version.
    std::vector<std::string> dials;
    std::string revisions;
};

// "123,+49*30#1,": up to three numbers, each as written; the missing ones empty.
bool parse_dials(std::string_view text, std::vector<std::string>& dials)
{
    dials.clear();
    while (true) {
        const auto comma = text.find(',');
        dials.emplace_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (dials.size() > 3)
        return false;
    dials.resize(3);
    return true;
}

enum class Command { Restore, Backup };

// PID MAJOR.MINOR|none and the options from argv[first]; the backup holds the values written into
// its rows' settings. False for anything it does not take.
bool parse_restore(int argc, char** argv, int first, Command command, RestoreArguments& out)
{
    const bool languages = command == Command::Restore;
    const bool backup_options = command == Command::Backup;
    int major = 0, minor = 0;
    std::vector<int> values;
    const std::string_view version_text = argv[3];
    bool parsed =
        parse_number(argv[2], out.product) && (version_text == "none" || parse_version(version_text, major, minor));
    for (int i = first; parsed && i < argc; ++i) {
        const std::string_view word = argv[i];
        if (const auto fm_text = option(word, "fm"))
            parsed = parse_number(*fm_text, out.fm);
        else if (const auto language_text = languages ? option(word, "lang") : std::nullopt)
            parsed = parse_number(*language_text, out.language);
        else if (const auto values_text = option(word, "values"))
            parsed = parse_values(*values_text, values);
        else if (const auto dials_text = backup_options ? option(word, "dials") : std::nullopt)
            parsed = parse_dials(*dials_text, out.dials);
        else if (const auto folder = backup_options ? option(word, "revisions") : std::nullopt)
            out.revisions = *folder;
        else
            parsed = false;
    }
    if (!parsed || version_text == "none")
        return parsed;
    KIVOBluetoothDeviceData& backup = out.backup.emplace();
    backup.setDeviceRecognized(out.product);
    backup.setDeviceVersionMajor_Minor(major, minor);
    const RestoreLayout* layout = select_restore_layout(out.product, out.backup, out.fm);
    for (int row = 0; layout && !values.empty() && row < layout->cells.count; ++row) {
        const RestoreKindInfo& kind = restore_kind(layout->cells.kinds[static_cast<std::size_t>(row)]);
        const int value = values.size() == 1 ? values[0] : row < static_cast<int>(values.size()) ? values[row] : 0;
        if (kind.key)
            write(*kind.key, backup, value, {out.product, 0});
    }
    for (std::size_t i = 0; i < out.dials.size(); ++i)
        backup.setSpeedDialAt_with(static_cast<int>(i), out.dials[i]);
    return true;
}

// Makes folder the firmware server of the backup's version: the version in its Revisions list and
// in its Firmware index (so that the update page finds the device up to date), and the image the
// restore downloads, a container whose Bluetooth block carries the version the simulated headsets
// report once they run it. False when a file cannot be written.
bool serve_backup_version(const std::filesystem::path& folder, const KIVOBluetoothDeviceData& record, int product)
{
    const std::string name = kivo::ProductNames::tavk_product_name_for_internal(product, true);
    const int major = record.deviceVersionMajor();
    const int minor = record.deviceVersionMinor();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string line = kivo::fill_format("%@:v%d.%d:%@.img\r\n", {name, major, minor, name});
    for (const char* leaf : {kivo::kRevisionsLeaf, kivo::kFirmwareLeaf}) {
        std::ofstream list(folder / leaf, std::ios::binary | std::ios::app);
        list << line;
        if (!list.flush())
            return false;
    }
    constexpr size_t kBlockBytes = 64 * 1024;
    try {
        fwfile::write_file(
            folder / (name + ".img"),
            demo_firmware::multi_image_container(static_cast<uint16_t>(product), major, minor, {0}, kBlockBytes));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

int restore(int argc, char** argv)
{
    RestoreArguments in;
    if (!parse_restore(argc, argv, 4, Command::Restore, in)) {
        std::fprintf(stderr, "restore: expected PID MAJOR.MINOR|none [fm=N] [lang=L] [values=V[,V...]]\n");
        return 2;
    }
    const int count = restore_row_count(in.product, in.backup, in.fm);
    std::printf("%d\n", count);
    for (int row = 0; row < count; ++row) {
        const std::optional<RestoreRow> shown = restore_row(in.product, in.backup, in.fm, row, in.language);
        if (!shown) {
            std::printf("%d\t-\n", row);
            continue;
        }
        const std::string_view code = restore_kind(shown->kind).code;
        std::printf("%d\t%.*s\t%s\t%s\n", row, static_cast<int>(code.size()), code.data(), shown->title.c_str(),
                    shown->value.c_str());
    }
    return 0;
}

int backup(int argc, char** argv)
{
    RestoreArguments in;
    if (argc < 5 || std::string_view(argv[3]) == "none" || !parse_restore(argc, argv, 5, Command::Backup, in) ||
        kivo::backup_archive_file(argv[4], in.product).empty()) {
        std::fprintf(stderr,
                     "backup: expected PID MAJOR.MINOR FOLDER [fm=N] [values=V[,V...]] [dials=A,B,C] "
                     "[revisions=DIR]\n");
        return 2;
    }
    KIVOBluetoothDeviceData& record = *in.backup;
    record.setManagerVersionMajor(kivo::kManagerVersionMajor);
    record.setManagerVersionMinor(kivo::kManagerVersionMinor);
    record.setDateArchived(std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now()));
    const std::filesystem::path path = kivo::backup_archive_file(argv[4], in.product);
    std::error_code ignored;
    std::filesystem::create_directories(argv[4], ignored);
    std::string error;
    if (!kivo::write_backup_archive(record, path, &error)) {
        std::fprintf(stderr, "backup: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", path.c_str());
    if (!in.revisions.empty() && !serve_backup_version(in.revisions, record, in.product)) {
        std::fprintf(stderr, "backup: cannot write into %s\n", in.revisions.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "keys" && argc == 2)
        return keys();
    if (command == "changed" && argc == 4)
        return changed(argv[2], argv[3]);
    if (command == "save" && argc == 4)
        return save(argv[2], argv[3]);
    if (command == "shown" && argc == 2)
        return shown();
    if (command == "handler" && argc == 3)
        return handler_writers(argv[2]);
    if (command == "restore" && argc >= 4)
        return restore(argc, argv);
    if (command == "backup" && argc >= 5)
        return backup(argc, argv);
    std::fprintf(stderr,
                 "usage: settings_catalogue_dump keys | changed PID MAJOR.MINOR | save PID "
                 "MAJOR.MINOR[.SECONDARY] | shown | handler PID | restore PID MAJOR.MINOR|none [fm=N] [lang=L] "
                 "[values=V[,V...]] | backup PID MAJOR.MINOR FOLDER [fm=N] [values=V[,V...]] [dials=A,B,C] "
                 "[revisions=DIR]\n");
    return 2;
}
