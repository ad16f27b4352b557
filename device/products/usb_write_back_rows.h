#pragma once
// What a restore writes back to an older plain-USB headset after its firmware was updated or
// restored, by device target: the first row that lists the target decides; a target in no row has
// nothing written back.

#include <vector>

namespace kivo::usb_write_back {

enum class Write {
    BasicOrVox, // firmware 4.0 on: the basic settings word; before: the two VOX keys
    BasicWord, // the basic settings word
    FmBlock, // the FM radio block
    RadioGainAndTimeout,
};

struct WriteBackRow {
    std::vector<int> targets;
    std::vector<Write> writes;
};

inline const std::vector<WriteBackRow>& write_back_rows()
{
    static const std::vector<WriteBackRow> rows = {
        {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070, 0x5080},
         {Write::BasicOrVox}},
        {{0x5040, 0x5050}, {Write::BasicOrVox, Write::FmBlock}},
        {{0x4D15, 0x4D45, 0x4D65, 0x4D85}, {Write::BasicWord, Write::FmBlock}},
        {{0x2010, 0x2011, 0x2020, 0x2110, 0x2120, 0x2210, 0x2310, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040,
          0x4110, 0x4111, 0x4112, 0x4113, 0x4120, 0x4D05, 0x4D21, 0x4D35, 0x4D55, 0x4D75, 0x5011, 0x6000,
          0x6110, 0x6111, 0x6120, 0x6121, 0x6420, 0x6430, 0x6440, 0x6450, 0x6460, 0x6470, 0x6480, 0x6490},
         {Write::BasicWord}},
        {{0x5210}, {Write::RadioGainAndTimeout}},
    };
    return rows;
}

} // namespace kivo::usb_write_back
