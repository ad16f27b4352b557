#include "settings/panel_information.h"

#include "common/page_ids.h"
#include "settings/table/titles.h"
#include "text/text_format.h"

namespace kivo::settings {

InformationBox information_box(ClassicRow row, ManagerLanguage in, std::string_view product_name,
                               std::string_view support_address)
{
    const std::string advanced_noise_control = localized(titles::kAdvancedNoiseControl, in);
    const std::string audio_multitasking = localized(titles::kAudioMultitasking, in);
    const std::string fm_radio = localized(titles::kFMRadio, in);
    const int status = purpose_number(MessageBoxPurpose::Status);
    auto text = [in](InfoText id) { return info_text(id, in); };
    switch (row) {
    case ClassicRow::PLC: return {text(InfoText::PLC), false, 4, status};
    case ClassicRow::BitpoolRate: return {text(InfoText::BitpoolRate), false, 2, status};
    case ClassicRow::MicrophoneBoost:
        // The Japanese text needs the taller box.
        return {text(InfoText::MicrophoneBoost), false, in == kJapanese ? 4 : 3, status};
    case ClassicRow::Sidetone: return {text(InfoText::Sidetone), false, 2, status};
    case ClassicRow::AdvancedNoiseControl:
        return {fill_format(text(InfoText::AdvancedNoiseControl), {advanced_noise_control}), false, 2, status};
    case ClassicRow::AutoGainControl: return {text(InfoText::AutoGainControl), false, 4, status};
    case ClassicRow::AudioBoost: return {text(InfoText::AudioBoost), false, 2, status};
    case ClassicRow::MotionSensorSensitivity: return {text(InfoText::MotionSensorSensitivity), false, 2, status};
    case ClassicRow::AudioMultitasking:
        return {fill_format(text(InfoText::AudioMultitasking), {audio_multitasking, fm_radio}), false, 6, status};
    case ClassicRow::AudioMultitaskingSensitivity:
        return {fill_format(text(InfoText::IntercomAudioOverlaySesitivity), {audio_multitasking}), false, 4, status};
    case ClassicRow::NavigationAppOverlay:
        return {fill_format(text(InfoText::NavigationAppOverlay), {audio_multitasking, audio_multitasking}), false, 2,
                status};
    case ClassicRow::RadioTransmitGain:
        return {fill_format(text(InfoText::RTG), {product_name, product_name}), false, 3, status};
    case ClassicRow::EDR:
        return {fill_format(text(InfoText::EDR43), {support_address}), true, 3,
                purpose_number(MessageBoxPurpose::SupportMail)};
    default: return {fill_format(text(InfoText::ACT), {product_name, product_name}), false, 3, status};
    }
}

} // namespace kivo::settings
