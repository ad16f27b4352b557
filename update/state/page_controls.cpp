#include "update/state/page_controls.h"

#include "device/products/restore_summary_families.h"
#include "device/products/restore_table_families.h"
#include "device/products/update_next_hidden.h"
#include "device/products/version_forms.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"

namespace kivo {
namespace {

// The spinner's value while it turns.
constexpr double kSpinnerRunningValue = 50;

// The spinner while the page reads or downloads (busy), else the bar once there is a percentage.
ProgressArea progress_area(bool busy, bool processing, int percent)
{
    ProgressArea area;
    area.spinning = busy && processing;
    area.spinnerValue = area.spinning ? kSpinnerRunningValue : 0;
    if (busy || percent < 0)
        return area;
    area.barShown = true;
    area.barValue = percent;
    area.numberShown = true;
    area.number = std::to_string(percent);
    return area;
}

std::string latest_version_line(const UpdatePageState& state, const PageContext& context, bool languages)
{
    const FirmwareQuad& latest = state.latestVersion;
    const std::string label = UpdateTexts::stringLatestVersion(context.language);
    std::string line;
    if (version_has_four_parts(context.deviceTarget)) {
        line = fill_format("%@: v%d.%d.%d.%d",
                           {label, latest.secondaryType, latest.secondary, latest.major, latest.minor});
    } else {
        const std::string suffix = latest.secondary != 0 ? fill_format(".%d", {latest.secondary}) : std::string();
        line = fill_format("%@: v%d.%d%@", {label, latest.major, latest.minor, suffix});
    }
    // With a language to choose, the file is the chosen language's: the line leaves it out.
    return languages ? line : fill_format("%@ (%@)", {line, state.fileNameLatestVersion});
}

} // namespace

int selected_tab(const SettingsTabs& tabs)
{
    const int index = tabs.selected;
    return index >= 0 && index < static_cast<int>(tabs.tabs.size()) ? tabs.tabs[static_cast<size_t>(index)] : 0;
}

UpdatePageControls update_page_controls(const UpdatePageState& state, const PageContext& context)
{
    const bool idle = !context.onProcessing;
    UpdatePageControls c;
    c.firmwareFileLabel = UpdateTexts::stringFirmwareToUpdate(context.language);
    c.browseEnabled = c.downloadEnabled = c.restoreEnabled = c.nextEnabled = c.backEnabled = c.popUpEnabled = idle;
    // The Update button also needs a file to write.
    c.updateEnabled = idle && !state.firmwareFile.empty();
    c.nextShown = !update_next_hidden(context.deviceTarget);

    const bool reading = state.state == kStateReadingIndex || state.state == kStateDownloadingFirmware;
    c.progress = progress_area(reading, context.onProcessing, state.updateProcessed);
    c.instructionsShown = !c.progress.barShown;

    const FirmwareQuad& latest = state.latestVersion;
    const bool none =
        KIVOBluetoothDeviceData::
            compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                latest.major, latest.minor, latest.secondaryType, latest.secondary, 0, 0, 0, 0) == 0;
    if (none) {
        c.downloadEnabled = false;
        // While the index is read nothing is known yet: the line waits for the read's end.
        const bool read_going = state.state == kStateReadingIndex && context.onProcessing;
        c.latestVersionLine =
            read_going ? std::string() : UpdateTexts::tavk_string_cannot_connect_to_the_server_in(context.language);
        c.instructionsShown = false;
        return c;
    }
    const bool languages = state.languageItems >= 2;
    c.latestVersionLine = latest_version_line(state, context, languages);
    c.popUpShown = languages;
    c.downloadBelowPopUp = languages;
    if (languages)
        c.instructions = UpdateTexts::stringVoicePromptInformation(context.language);
    else
        c.instructionsShown = false;
    return c;
}

RestorePageControls restore_page_controls(const UpdatePageState& state, const PageContext& context)
{
    const int language = context.language;
    const bool idle = !context.onProcessing;
    const bool possible = state.restorePossible;
    RestorePageControls c;
    c.header = UpdateTexts::stringBackupFirmwareInformation(language);

    // With a language to choose, the version stands in its label, centred; else beside it.
    const std::string version_word = AppText::tavk_string_version_in(language);
    c.versionLabelCentred = state.languageItems >= 1;
    if (c.versionLabelCentred) {
        const std::string version =
            state.dataToUnarchive ? backup_version_text(context.deviceTarget, *state.dataToUnarchive) : std::string();
        c.versionLabel = fill_format("%@: %@", {version_word, version});
    } else {
        c.versionLabel = fill_format("%@:", {version_word});
    }

    c.restoreEnabled = idle && possible;
    c.updateEnabled = c.nextEnabled = c.backEnabled = c.popUpEnabled = idle;

    const bool languages = state.languageItems >= 2;
    c.versionShown = c.dateShown = possible;
    c.versionValueShown = possible && !languages;
    c.popUpShown = possible && languages;
    c.instructionsShown = possible && languages;
    c.instructions = UpdateTexts::tavk_string_press_restore_button_after_selecting_in(language);
    if (possible && state.dataToUnarchive) {
        const KIVOBluetoothDeviceData& backup = *state.dataToUnarchive;
        const SummaryRowSet kept = restore_summary_rows_shown(context.deviceTarget, selected_tab(state.tabs),
                                                              backup.deviceVersionMajor(), backup.deviceVersionMinor());
        for (int row = 1; row <= 6; ++row)
            c.dataRowsShown[static_cast<size_t>(row - 1)] = summary_row_in(kept, row);
    }
    c.rowOneRightAligned = !possible;
    // The table shows on the settings tab of the families that have it.
    c.tableShown =
        possible && shows_restore_table(context.deviceTarget) && selected_tab(state.tabs) == kTabDeviceSettings;
    c.tableAboveInstructions = languages;

    const bool busy = state.state == kStateReadingRevisions || state.state == kStateDownloadingBackup;
    c.progress = progress_area(busy, context.onProcessing, state.updateProcessed);
    return c;
}

std::string backup_version_text(int product_id, const KIVOBluetoothDeviceData& backup)
{
    if (version_has_four_parts(product_id))
        return fill_format("v%d.%d.%d.%d",
                           {backup.deviceSecondaryVersionType(), backup.deviceSecondaryVersion(),
                            backup.deviceVersionMajor(), backup.deviceVersionMinor()});
    if (version_has_three_parts(product_id))
        return fill_format("v%d.%d.%d",
                           {backup.deviceVersionMajor(), backup.deviceVersionMinor(), backup.deviceSecondaryVersion()});
    return fill_format("v%d.%d", {backup.deviceVersionMajor(), backup.deviceVersionMinor()});
}

} // namespace kivo
