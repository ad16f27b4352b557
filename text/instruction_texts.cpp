#include "text/instruction_texts.h"

#include "common/addresses.h"
#include "common/page_ids.h"

#include <algorithm>
#include <span>

#include "text/app_text.h"
#include "text/product_names.h"
#include "text/tables/instructions_table.h"
#include "text/text_format.h"

namespace kivo {

using namespace text_tables;

namespace {

std::string argument_text(InstructionArg arg, int device_target, ManagerLanguage in)
{
    switch (arg) {
    case InstructionArg::MinusKey: return AppText::tavk_string_minus_button_in(in);
    case InstructionArg::PlusKey: return AppText::tavk_string_plus_button_in(in);
    case InstructionArg::PhoneKey: return AppText::tavk_string_phone_button_in(in);
    case InstructionArg::CenterKey: return AppText::tavk_string_center_button_in(in);
    case InstructionArg::LeftKey: return AppText::tavk_string_left_button_in(in);
    case InstructionArg::RightKey: return AppText::tavk_string_right_button_in(in);
    case InstructionArg::PttKey: return AppText::tavk_string_ptt_button_in(in);
    case InstructionArg::PairingKey: return AppText::tavk_string_pairing_button_in(in);
    case InstructionArg::JogDial: return AppText::tavk_string_jog_dial_in(in);
    case InstructionArg::ProductName: return ProductNames::tavk_product_name(device_target);
    }
    return {};
}

std::string instruction(std::span<const InstructionRow> rows, int device_target, ManagerLanguage in)
{
    for (const InstructionRow& row : rows) {
        if (std::find(row.ids.begin(), row.ids.end(), device_target) == row.ids.end())
            continue;
        std::string first = row.arg_count > 0 ? argument_text(row.args[0], device_target, in) : std::string();
        std::string second = row.arg_count > 1 ? argument_text(row.args[1], device_target, in) : std::string();
        return fill_format(localized(*row.format, in), {first, second});
    }
    return {};
}

} // namespace

std::string InstructionTexts::getMessageBoxFirstButton(int device_target, ManagerLanguage in)
{
    return instruction(kFirstStep, device_target, in);
}

std::string InstructionTexts::getMessageBoxFailureFirstButton(int device_target, ManagerLanguage in)
{
    return instruction(kFirstStepAfterFailure, device_target, in);
}

std::string InstructionTexts::getMessageBoxSecondButton(int device_target, ManagerLanguage in)
{
    return instruction(kSecondStep, device_target, in);
}

std::string InstructionTexts::getMessageBoxFileCreationFailed(ManagerLanguage in)
{
    const std::string restore = AppText::tavk_string_mode_in(kModeRestore, in);
    return fill_format(localized(kBackupFileFailed, in),
                       {restore, restore, AppText::tavk_string_firmware_in(in), addresses::kMakerWebSite,
                        AppText::tavk_string_mode_in(kModeUpdate, in), AppText::tavk_string_ok_in(in)});
}

} // namespace kivo
