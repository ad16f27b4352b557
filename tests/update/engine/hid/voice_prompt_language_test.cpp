// The voice-prompt language told to a headset after its update: the code tables, the
// read-modify-write of its unit-language record, the CRC of the mesh writes, and the step of the
// OEM mesh headsets.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/link/test_opener.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "update/engine/hid/unit_language_step.h"
#include "update/engine/hid/voice_prompt_language.h"
#include "update/engine/mesh/crc16.h"

using kivo::VoicePromptLanguage;

namespace {

// A 67-byte group-4 answer: group in byte 3, word count in byte 4, the code byte at 12.
sim::Bytes group4_reply(uint8_t count, uint8_t code_byte, uint8_t status = 0)
{
    sim::Bytes reply(67, 0);
    reply[0] = 0x01;
    reply[1] = 0x03;
    reply[2] = status;
    reply[3] = 0x04;
    reply[4] = count;
    for (size_t i = 5; i < reply.size(); ++i)
        reply[i] = static_cast<uint8_t>(0x40 + i);
    reply[12] = code_byte;
    return reply;
}

// A device that answers the group-4 read with reply and takes every write.
struct ScriptedHeadset {
    explicit ScriptedHeadset(sim::Bytes reply, uint8_t write_status = 0)
    {
        device = sim::bus().plug_hid(0x3142, [reply, write_status](const sim::Bytes& out) {
            sim::HidReply answer;
            answer.reports.push_back(out[1] == 0x03 ? reply : sim::status_report(out[1], write_status));
            return answer;
        });
        uint32_t product = 0;
        std::array<char, 64> text{};
        EXPECT_EQ(hid_open_device(product, text), 0);
    }
    ~ScriptedHeadset() { hid_close_devices(); }
    std::optional<sim::Bytes> written() const
    {
        for (const sim::Bytes& out : device->hid[0]->outputs())
            if (out[1] == 0x04)
                return out;
        return std::nullopt;
    }
    std::shared_ptr<sim::Device> device;
};

} // namespace

TEST(VoicePromptLanguage, NamesAndTokensToCodes)
{
    struct Name {
        const char* name;
        int code;
        int kelpor;
    };
    for (const Name n :
         {Name{"French", 1, 1},    Name{"Spanish", 2, 2},    Name{"Italian", 3, 3}, Name{"German", 4, 4},
          Name{"Dutch", 5, 5},     Name{"Russian", 6, 6},    Name{"Chinese", 7, 7}, Name{"Korean", 8, 8},
          Name{"Japanese", 9, 9},  Name{"Finnish", 10, 10},  Name{"Czech", 0, 11},  Name{"Danish", 0, 1},
          Name{"Norwegian", 0, 2}, Name{"Swedish", 0, 3},    Name{"Polish", 0, 4},  Name{"Turkish", 0, 5},
          Name{"Hungarian", 0, 6}, Name{"Portuguese", 0, 7}, Name{"Hebrew", 0, 8},  Name{"Greek", 0, 9},
          Name{"french", 0, 0},    Name{"English", 0, 0},    Name{"", 0, 0}}) {
        EXPECT_EQ(VoicePromptLanguage::UnitLanguageCodeFromString(n.name), n.code) << n.name;
        EXPECT_EQ(VoicePromptLanguage::UnitLanguageCodeFromStringForKelpor(n.name), n.kelpor) << n.name;
    }
    struct Token {
        const char* token;
        int index;
        int code;
    };
    for (const Token t : {Token{"fr", 1, 1}, Token{"de", 2, 4}, Token{"it", 3, 3}, Token{"jp", 4, 6}, Token{"kr", 5, 5},
                          Token{"es", 6, 2}, Token{"dc", 7, 7}, Token{"rs", 8, 8}, Token{"cn", 9, 9},
                          Token{"fn", 10, 10}, Token{"FR", 0, 0}, Token{"en", 0, 0}, Token{"", 0, 0}}) {
        EXPECT_EQ(VoicePromptLanguage::GetLanguageCodeFromIMGFileNmae(t.token), t.index) << t.token;
        EXPECT_EQ(VoicePromptLanguage::LanguageCodeFromString(t.index), t.code) << t.token;
    }
    EXPECT_EQ(VoicePromptLanguage::LanguageCodeFromString(11), 0);
    EXPECT_EQ(VoicePromptLanguage::LanguageCodeFromString(-1), 0);
}

TEST(VoicePromptLanguage, TokenOfAFirmwareFileName)
{
    struct Case {
        const char* file;
        const char* token;
    };
    for (const Case c :
         {Case{"/home/u/VARGO_Zeltra-v2.2_fr.img", "fr"}, Case{"zeltra-de.img", "de"}, Case{"fr.img", ""},
          Case{"x.img", ""}, Case{"/fw/zeltra_it", "it"}, Case{"zeltra.img_kr", "kr"}, Case{"zeltra.img_kr.img", ""},
          Case{"zeltra2.img", ""}, Case{"/dir_fr/zeltra.img", ""}, Case{"a_b.img", "b"}, Case{"", ""}})
        EXPECT_EQ(kivo::image_language_token(c.file), c.token) << c.file;
}

TEST(VoicePromptLanguage, UnitLanguageRecordIsReadChangedAndWrittenBack)
{
    struct Case {
        const char* what;
        sim::Bytes reply;
        int code;
        std::optional<uint8_t> count; // the write's word count, none: nothing written
        uint8_t codeByte = 0;
    };
    const Case cases[] = {
        {"two words are widened to four", group4_reply(2, 0xC0), 9, 4, 0xE9},
        {"five words keep their count and the top bits", group4_reply(5, 0xFF), 3, 5, 0xE3},
        {"only the low five bits of a code", group4_reply(4, 0x00), 43, 4, 0x0B},
        {"three words are refused", group4_reply(3, 0x00), 1, std::nullopt},
        {"one word is refused", group4_reply(1, 0x00), 1, std::nullopt},
        {"a failed read", group4_reply(4, 0x00, 2), 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Session session;
        ScriptedHeadset headset(c.reply);
        EXPECT_EQ(VoicePromptLanguage::bt_set_unit_language_with(0, c.code), c.count.has_value());
        const std::optional<sim::Bytes> written = headset.written();
        ASSERT_EQ(written.has_value(), c.count.has_value());
        if (!written)
            continue;
        sim::Bytes expected(1023, 0);
        expected[0] = 0x01;
        expected[1] = 0x04;
        std::copy(c.reply.begin() + 3, c.reply.end(), expected.begin() + 2);
        expected[3] = *c.count;
        expected[11] = c.codeByte;
        EXPECT_EQ(*written, expected);
    }
    sim::Session session;
    ScriptedHeadset refusing(group4_reply(4, 0), 2);
    EXPECT_FALSE(VoicePromptLanguage::bt_set_unit_language_kelpor_with(0, 1)) << "a failed write";
}

TEST(Crc16, XmodemCarriedOverChunks)
{
    const std::string check = "123456789";
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(check.data()), check.size());
    EXPECT_EQ(kivo::crc16_xmodem(bytes), 0x31C3);
    EXPECT_EQ(kivo::crc16_xmodem({}), 0);

    std::vector<uint8_t> image(117);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 37 + 11);
    const std::span<const uint8_t> all(image);
    uint16_t carried = 0;
    for (const auto& [at, length] : {std::pair{0, 58}, std::pair{58, 58}, std::pair{116, 1}})
        carried = kivo::crc16_xmodem(all.subspan(at, length), carried);
    EXPECT_EQ(carried, kivo::crc16_xmodem(all));
}

class UnitLanguageStep : public ::testing::Test {
protected:
    // A mesh headset of product, at major.minor, its group-4 record of five words, open in slot 0.
    sim::PluggedHeadset plug(uint16_t product, uint8_t major, uint8_t minor)
    {
        sim::HeadsetPersona persona;
        persona.product_id = product;
        persona.version = {major, minor, 0, 0};
        persona.records[0x04] = {0x0101, 0x0202, 0x0303, 0x0400, 0x0505};
        persona.commandFaults = faults;
        sim::PluggedHeadset headset = sim::plug_headset(persona);
        uint32_t opened = 0;
        std::array<char, 64> text{};
        EXPECT_EQ(open_product(product)(opened, text, {}), 0);
        return headset;
    }
    std::vector<sim::Bytes> languageCommands(const sim::PluggedHeadset& headset) const
    {
        std::vector<sim::Bytes> out;
        for (const sim::Bytes& report : headset.hid().outputs())
            if (report[1] == 0x59)
                out.push_back(report);
        return out;
    }

    sim::Session session_;
    std::vector<sim::CommandFault> faults;
};

TEST_F(UnitLanguageStep, RawCommandIsSentOnceMoreWithZeroWhenItFails)
{
    sim::PluggedHeadset ok = plug(0x3142, 2, 1);
    kivo::set_unit_language_after_update("/fw/VARGO_Zeltra_de.img", 0x3142, "German");
    hid_close_devices();
    ASSERT_EQ(languageCommands(ok).size(), 1u);
    EXPECT_EQ(languageCommands(ok)[0][2], 4);
    EXPECT_TRUE(sim::settings_writes(ok.hid()).empty()) << "not a product that takes the record";

    session_.bus().reset();
    faults = {{0x59, 1, sim::CommandFault::FinalStatus}};
    sim::PluggedHeadset failing = plug(0x3142, 2, 1);
    kivo::set_unit_language_after_update("/fw/VARGO_Zeltra_de.img", 0x3142, "German");
    hid_close_devices();
    const std::vector<sim::Bytes> sent = languageCommands(failing);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0][2], 4);
    EXPECT_EQ(sent[1][2], 0);
}

TEST_F(UnitLanguageStep, RecordWrittenForItsProductsAndFrom2_1)
{
    struct Case {
        uint16_t product;
        uint8_t major, minor;
        bool written;
    };
    for (const Case c : {Case{0x3110, 2, 0, false}, Case{0x3110, 2, 1, true}, Case{0x3110, 3, 0, true},
                         Case{0x3110, 1, 9, false}, Case{0x3116, 1, 0, true}, Case{0x3540, 2, 5, false}}) {
        SCOPED_TRACE(::testing::Message()
                     << std::hex << c.product << std::dec << " at " << int{c.major} << "." << int{c.minor});
        session_.bus().reset();
        sim::PluggedHeadset headset = plug(c.product, c.major, c.minor);
        kivo::set_unit_language_after_update("/fw/zeltra_fr.img", c.product, "Japanese");
        hid_close_devices();
        EXPECT_EQ(sim::settings_writes(headset.hid()).size(), c.written ? 1u : 0u);
        if (c.written) {
            EXPECT_EQ(headset.record(0x04), (std::vector<uint16_t>{0x0101, 0x0202, 0x0303, 0x0409, 0x0505}));
        }
    }
}
