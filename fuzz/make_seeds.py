#!/usr/bin/env python3
"""Writes the starting corpus of every fuzz target: the inputs the tests use, in each target's input
form (the comment at the top of each fuzz/*_fuzz.cpp says what that form is).

usage: make_seeds.py OUTPUT_FOLDER     (one sub-folder per target, replaced on every run)
"""

import hashlib
import json
import shutil
import struct
import sys
import zlib
from pathlib import Path


def le16(value):
    return struct.pack("<H", value & 0xFFFF)


def le32(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def pattern(size, seed):
    """The filler of tests/link/firmware_file_builder.cpp."""
    out = bytearray(size)
    state = (seed * 2654435761 + 1) & 0xFFFFFFFF
    for i in range(size):
        state = (state * 1664525 + 1013904223) & 0xFFFFFFFF
        out[i] = state >> 24
    return bytes(out)


# ---- Firmware files (tests/link/firmware_file_builder.cpp) --------------------------------------

TABLE_OFFSET, ENTRY, EXTENDED_ENTRY = 36, 32, 312


def container(header, product, extended, sections):
    count = len(sections)
    table_end = TABLE_OFFSET + ENTRY * count + (EXTENDED_ENTRY * count if extended else 0)
    file = bytearray(table_end)
    file[0:min(24, len(header))] = header[:24]
    file[28:32] = le32(product)
    file[32:36] = le32(count)
    offset = table_end
    for i, section in enumerate(sections):
        digest = hashlib.md5(section).digest()
        entries = [(TABLE_OFFSET + ENTRY * i, 16)]
        if extended:
            entries.append((TABLE_OFFSET + ENTRY * count + EXTENDED_ENTRY * i, 296))
        for at, digest_at in entries:
            file[at + 8:at + 12] = le32(offset)
            file[at + 12:at + 16] = le32(len(section))
            file[at + digest_at:at + digest_at + 16] = digest
        file += section
        offset += len(section)
    return bytes(file)


def dfu_suffix_crc(data):
    return ~zlib.crc32(data) & 0xFFFFFFFF


def dfu_image(name, payload, product):
    image = bytearray(pattern(16 + len(name) + payload, 0xD0))
    image[16:16 + len(name)] = name
    image += bytes([0xFF, 0xFF, product & 0xFF, product >> 8, 0x2B, 0x09, 0x00, 0x01]) + b"UFD" + bytes([16])
    return bytes(image) + le32(dfu_suffix_crc(bytes(image)))


def firmware_container_seeds():
    two = [pattern(300, 1), pattern(77, 2)]
    # The first byte picks the product rule: 0x6806, 0x6800, 0x4210, 0x4220, 0x3233, 0x3143, 0x5451.
    return {
        "standard": b"\x00" + container(b"FW-IMAGE", 0x6806, False, two),
        "extended": b"\x01" + container(b"FW-IMAGE", 0x6800, True, two),
        "held-header": b"\x02" + container(b"FW-IMAGE", 0x4220, False, two),
        "version-floor": b"\x04" + container(b"Ro v1.2.3.1", 0x3232, True, two),
        "sister": b"\x05" + container(b"FW-IMAGE", 0x3142, True, two),
        "any-container": b"\x06" + container(b"FW-IMAGE", 0x9999, True, two),
        "count-0": b"\x00" + container(b"FW-IMAGE", 0x6806, False, [])[:36],
    }


def dfu_image_seeds():
    handmade = (b"KV-IMAGE-HEADER\x00" + b"Nimbra X#0A21" + b"\x00firmware" +
                bytes([0xFF, 0xFF, 0x21, 0x0A, 0x2B, 0x09, 0x00, 0x01, 0x55, 0x46, 0x44, 0x10,
                       0x08, 0xFD, 0xF0, 0x67]))
    blank = bytearray(dfu_image(b"Aldero S#4D10", 64, 0x4D10))
    blank[16] = ord(" ")
    # The first byte: name 0 "Nimbra X#0A21" or 1 "Aldero S#4D10"; bit 7 renews the CRC.
    return {
        "image": b"\x00" + dfu_image(b"Nimbra X#0A21", 200, 0x0A21),
        "handmade": b"\x00" + handmade,
        "blank-name": b"\x81" + bytes(blank),
        "other-product": b"\x01" + dfu_image(b"Nimbra X#0A21", 20, 0x0A21),
    }


def hiddfu_download_seeds():
    image = dfu_image(b"Nimbra X#0A21", 300, 0x0A21)
    answer = bytes([0, 0, 0, 0, 2])  # status OK, no poll time-out, state dfuIDLE
    return {
        "download": bytes([0x01, 0, 0, 0]) + image,
        "scripted-answers": bytes([0x01 | 2 << 1, 1, 0, 0]) + answer * 2 + image,
        "short-reports": bytes([0x41, 0, 9, 0]) + image,
    }


# ---- Archives and texts --------------------------------------------------------------------------

NAMED_SETTINGS = ["keyIntercomVOX", "keyHandsfreeVOX", "keyEDR", "keyVoicePrompt", "keyPLC", "keyBitpoolRate",
                  "keyMicrophoneBoost", "keySidetone", "keyAdvancedNoiseControl", "keyAutoGainControl",
                  "keyAudioBoost", "keyHDIntercom", "keyFMStationGuide", "keyHDVoice", "keyAudioSourcePriority",
                  "keyAudioOverlay", "keyAutoOnOff", "keyAutoStartRecording", "keySmartNaviSystem",
                  "keySmartNaviSystem2", "keyAutoOff", "keySimpleUI", "keyRadioTransmitGain",
                  "keyAudioChannelTimeout"]
SETTINGS_WORDS = [("keyBasicSettingBrisko", 10), ("keyBasicSettingPintraVOXSensitivity", 2),
                  ("keyBasicSettingTavelSmartVolumeControl", 2), ("keyBasicSettingWispenCamera", 4)]


def backup_archive(name, date):
    archive = {"$class": "KIVOBluetoothDeviceData", "keyManagerVersionMajor": 1, "keyManagerVersionMinor": 2,
               "keyDeviceRecognized": 0x6461, "keyDeviceName": name, "keyDeviceVersionMajor": 3,
               "keyDeviceVersionMinor": 2, "keyDeviceSecondaryVersionType": 1, "keyDeviceSecondaryVersion": 4,
               "keyDateArchived": date}
    for i, key in enumerate(NAMED_SETTINGS):
        archive[key] = i % 3
    for base, count in SETTINGS_WORDS:
        for i in range(count):
            archive[f"{base}{i + 1:02d}"] = 0x0119 + i
    archive.update({"keyFMRadioRegion": 1, "keyFMRadioMagicCode": 0x66E9, "keyFMRadioCurrentFrequency": 9510,
                    "keyFMRadioCurrentPreset": 1})
    for i in range(10):
        archive[f"keyFMRadioPreset{i + 1:02d}"] = [8750, 9510, 10170][i] if i < 3 else 0
    archive["keyFMRadioRDS"] = 1
    for i, number in enumerate(["0123456789", "+4930123456", ""]):
        archive[f"keySpeedDial{i + 1:02d}"] = number
    return json.dumps(archive, indent=2).encode()


def backup_archive_seeds():
    older = {"$class": "KIVOBluetoothDeviceData", "keyManagerVersion": 1.1, "keyDeviceRecognized": 0x4D10,
             "keyDeviceName": "Aldero", "keyDeviceVersion": 5.1, "keyDateArchived": None, "keyEDR": True}
    return {
        "archive": backup_archive("Trail Rider", "2023-07-14T15:11:05+05:30"),
        "archive-utc": backup_archive("\u00c5ngstr\u00f6m", "2024-05-01T12:03:09.750Z"),
        "older-archive": json.dumps(older).encode(),
    }


def archive_date_seeds():
    # The first byte picks the zone: UTC, +14, -12, +5:30, -3:17:30.
    texts = ["2024-05-01T12:03:09Z", "2024-05-01T14:03:09+02:00", "2024-05-01T14:03:09+0200",
             "2024-05-01T07:03:09-05", "2024-05-01T12:03:09.750Z", "0000-01-01T00:00:00Z",
             "9999-12-31T23:59:59Z", "2023-02-30T10:00:00Z"]
    return {f"date-{i}": bytes([i % 5]) + text.encode() for i, text in enumerate(texts)}


def configuration_seeds():
    always = {"$class": "KIVOBluetoothManagerAppController", "keyEncrypted": True, "keyStrManagerVersion": "v1.0",
              "keyStrLanguageManager": "German", "keyApplyToLanguageFirmware": False, "keyDeviceTarget": 0x5010,
              "keyRestartToRecover": False, "keyModeRestartToRecover": 0, "keyStrLanguageFirmware": "French"}
    pending = dict(always, keyRestartToRecover=True, keyModeRestartToRecover=5,
                   keyStrRestartDFUFirmwareFile="/tmp/firmware.dfu", keyIndexRestartDFUFirmwareLanguage=2,
                   keyDeviceVersionMajorRestartDFU=2, keyDeviceVersionMinorRestartDFU=1,
                   keyDeviceSecondaryVersionTypeRestartDFU=1, keyDeviceSecondaryVersionRestartDFU=3)
    return {"configuration": json.dumps(always).encode(), "pending-restart": json.dumps(pending).encode()}


def manager_version_list_seeds():
    k = "VARGOZeltraDeviceManagerForMAC"
    bodies = [f"Other:v9.9:x\r\n{k}:v1.3:dl/M-1.3.zip\r\n{k}:1\r\n", f"Other:v9.9:x\n{k}:v1.3:dl/M-1.3.zip\n{k}:1\n",
              f"{k}:4\n{k}:v1.2:a\n", f"{k}:v1.3:a\n{k}:v9.0:b\n{k}:5\n", f"{k}:v2.0:a\nOther:1\n{k}:5\n",
              f"{k}:v1.3.1:a\n", f"{k}:v9.0:../../other/x\n", f"{k}:v9.0:%2e%2e/x\n"]
    return {f"list-{i}": body.encode() for i, body in enumerate(bodies)}


def password_text_seeds():
    texts = ["Zm9vYmFy", "Zm9v\r\nYmFy\n", "Zm 9v*Y=g=", "sJHcAbZcToU=", "QCKa/fI4qVY=\n!!AAA",
             "Igx+LxAxhWPenEcZi5KzyNKp0arJIKoP", "lheLR/RXI+bSTs7f2eo/Mg==", "hunter2", "a b&c=d/\u00e9"]
    return {f"text-{i}": text.encode() for i, text in enumerate(texts)}


def camera_version_seeds():
    texts = [b"2.3", b"2.3.17\n", b"4", b"", b" 2. 3", b"v2.3", b"-1.+5", b"99999999999999999999.1", b"2\xff.3"]
    return {f"text-{i}": text for i, text in enumerate(texts)}


def mount_table_seeds():
    card = "/tmp/kivo-mount-fuzz/media/card"
    return {
        "card": f"/dev/sdb {card} vfat rw,nosuid 0 0\n".encode(),
        "system": b"sysfs /sys sysfs rw,nosuid 0 0\n/dev/sda1 / ext4 rw,relatime 0 0\n"
                  b"/dev/sdb1 /media/user/MY\\040CARD vfat rw 0 0\n",
        "escaped": b"/dev/sdb /tmp/kivo-mount-fuzz/media/car\\144 vfat ro 0 0\n",
    }


# ---- Device answers ------------------------------------------------------------------------------

def download_record_seeds():
    user = "/tmp/kivo-record-fuzz/user"
    temporary = ".fw.img.download-999999999-0"
    return {
        "recorded": f"{user}/{temporary}\n".encode(),
        "without-newline": f"{user}/{temporary}".encode(),
        "relative": f"user/{temporary}\n".encode(),
        "another-name": f"{user}/.other.img.download-999999999-0\n".encode(),
        "a-link": f"{user}/.link.img.download-999999999-0\n".encode(),
        "elsewhere": f"/tmp/kivo-record-fuzz/{temporary}\n".encode(),
        "two-lines": f"{user}/{temporary}\n{user}/fw.img\n".encode(),
        "empty": b"",
    }


def hid_script(product, replies, faults=0):
    """Product, fault byte and replies (control, data) in fuzz/scripted_hid.h's form."""
    out = bytearray(le16(product)) + bytes([faults])
    for control, data in replies:
        out += bytes([control, len(data)]) + data
    return bytes(out)


def name_words(text):
    """A name record's data: word count, then big-endian words whose low bytes hold the name."""
    words = [0] + [c for c in text.encode()]
    return bytes([0, len(words)]) + b"".join(struct.pack(">H", w) for w in words)


def hid_answers_seeds():
    return {
        "oem-headset": hid_script(0x3142, []),
        "name-record": hid_script(0x5520, [(0, b"\x03\x02\x01\x04"), (0, name_words("Trail Rider"))]),
        "short-reports": hid_script(0x6800, [], faults=0x04) + bytes([30]),
        "busy": hid_script(0x3142, [(0x04, b""), (0x0C, b""), (1, b"\x02")]),
    }


def recognition_hid_seeds():
    seeds = {}
    for product in (0x3142, 0x5520, 0x3340, 0x6800, 0x6806, 0x5552):
        script = hid_script(product, [])
        seeds[f"product-{product:04x}"] = script[:2] + b"\x00" + script[2:]
    seeds["asked-by-update"] = le16(0x3142) + b"\x01\x00"
    return seeds


def recognition_usb_seeds():
    def words(values):
        return bytes([len(values)]) + b"".join(le16(v) for v in values)

    def text_words(text):
        raw = text.encode() + (b"\x00" if len(text) % 2 else b"")
        return [raw[i] | raw[i + 1] << 8 for i in range(0, len(raw), 2)]

    def headset(chip, name, tenths, fm=None, dials=("0123456789", "+4930123456", "")):
        keys = [words([chip]), words([tenths, 0]), words(text_words(name)), words([0x3A, 0x1B2C, 0x5A, 0x0019]),
                b"\xff", words([0x0119, 0]), b"\xff", b"\xff", words(fm) if fm else b"\xff", b"\xff", b"\xff"]
        for dial in dials:
            keys.append(words([ord(c) for c in dial] + [0] * (20 - len(dial))))
        return b"".join(keys) + b"\xff"

    fm_block = [0x56E9, 9510, 1, 8750, 9510, 10170, 0, 0, 0, 0, 0, 0, 0, 1, 0]
    return {
        "oldest-family": le16(0x4D10) + b"\x00\x00" + headset(0x4D10, "Aldero", 51),
        "fm-radio": le16(0x5040) + b"\x00\x00" + headset(0x5040, "Elmora HFM", 51, fm_block),
        "pair": le16(0x5310) + b"\x02\x00" + headset(0x5310, "Pair", 11),
        "management-mode": le16(0x4D10) + b"\x01\x00",
        "write-back": le16(0x4D10) + b"\x04\x00" + headset(0x4D10, "Aldero", 51),
        "store-faults": le16(0x4D10) + b"\x00\x05" + headset(0x4D10, "Aldero", 51),
    }


# ---- The flasher ---------------------------------------------------------------------------------

def ihex_seeds():
    return {
        "four-bytes": b":0400000001020304F2\n:00000001FF\n",
        "extended-address": b":020000040801F1\n:0400000001020304F2\n:0400000500000000F7\n:00000001FF\n",
        "segment": b":020000021000EC\n:0100000055AA\n:00000001FF\n",
    }


def boot_reply_seeds():
    ack = 0x79
    commands = [0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44, 0x63, 0x73, 0x82, 0x92]
    reply = bytes([ack, 0x31, ack])                                    # GVR
    reply += bytes([ack, len(commands), 0x31] + commands + [ack])      # GET
    reply += bytes([ack, 0x01, 0x04, 0x10, ack])                       # GID: 0x410
    return {"connect": b"\x00" + reply, "connect-with-init": b"\x03" + bytes([ack]) + reply}


# ---- Update engine and settings screens -----------------------------------------------------------

def firmware_index_seeds():
    languages = b"Zel:v2.1:English:en.img\r\nZel:v2.1:french:fr.img\r\nZel:v2.1:German:de.img\r\n"
    return {"update-one": bytes([0]) + b"Other:v9.9:o.img\nZel:v2.1:z.img\n",
            "update-languages": bytes([4]) + languages,
            "restore-languages": bytes([1]) + languages,
            "camera": bytes([2]) + b"Zel:v2.0.2.3:z.img\n"}


def update_container_view_seeds():
    plain = container(b"2.2.0.0", 0x5590, False, [pattern(700, 1), pattern(300, 2)])
    extended = container(b"2.2.0.0", 0x3142, True, [pattern(500, 3)])
    return {"sections": bytes([0x03]) + plain, "every-block": bytes([0x1F]) + extended}


def update_unit_language_seeds():
    def answer(count, tail):
        reply = bytearray(67)
        reply[0], reply[1], reply[2], reply[3], reply[4] = 1, 0x4F, 0, 4, count
        reply[5:5 + len(tail)] = tail
        return bytes(reply)
    return {"count-2": bytes([9, 0]) + answer(2, bytes([0, 0x21, 0, 0, 0, 0, 0, 0xC0])),
            "count-5": bytes([3, 0]) + answer(5, bytes(range(10)))}


def update_mesh_stage_seeds():
    # Version answer (major, minor, type, number, build), image length, then (command, occurrence).
    return {"checked": bytes([1, 0, 2, 1, 7, 120]), "plain": bytes([1, 0, 2, 0, 3, 59]),
            "refused-chunk-crc": bytes([1, 0, 2, 1, 7, 120, 0x5A, 1])}


def update_run_seeds():
    """Product (little-endian), what is made right before the run (none: the files are whole; bit 6
    the other headset there from the start, bit 7 on the USB DFU paths in its loader), file."""
    def run(product, file, fixes=0):
        return le16(product) + bytes([fixes]) + file

    def with_intermediate(product, body, file, fixes=0):
        return le16(product) + bytes([fixes | 0x08]) + le16(len(body)) + body + file

    def with_block(file, count, index, number, block_type, versions=()):
        """The block number, type and version numbers of an extended entry (outside every digest)."""
        at = TABLE_OFFSET + ENTRY * count + EXTENDED_ENTRY * index
        file = bytearray(file)
        file[at:at + 8] = le32(number) + le32(block_type)
        for i, version in enumerate(versions):
            file[at + 16 + 4 * i:at + 20 + 4 * i] = le32(version)
        return bytes(file)

    airoha68 = container(b"v1.0", 0x6800, True, [pattern(300, 21), pattern(130, 22), pattern(59, 23)])
    airoha68 = with_block(airoha68, 3, 0, 0, 1, (1, 0, 0, 0, 0))
    airoha68 = with_block(airoha68, 3, 1, 1, 1, (1, 0, 0, 0, 1))
    airoha68 = with_block(airoha68, 3, 2, 2, 2)
    airoha6a = with_block(container(b"v1.0", 0x6A01, True, [pattern(200, 24), pattern(70, 25)]), 2, 1, 3, 1)
    past_end = bytearray(container(b"v1.0", 0x6806, True, [pattern(90, 26)]))
    past_end[TABLE_OFFSET + ENTRY + 12:TABLE_OFFSET + ENTRY + 16] = le32(1 << 30)

    # The Airoha mesh module's block is of type 1 (its version is read) in both.
    mesh_airoha_vp = with_block(container(b"v1.0", 0x5630, True, [pattern(1500, 27), pattern(600, 28),
                                                                    pattern(130, 29)]), 3, 2, 2, 1)
    mesh_airoha = with_block(container(b"v1.0", 0x5552, True, [pattern(1200, 30), pattern(130, 31)]), 2, 1, 1, 1)
    # Section entry 0, the Bluetooth image of 0x5552, aimed past the end: the loader checks the
    # other table.
    mesh_airoha_past_end = bytearray(mesh_airoha)
    mesh_airoha_past_end[TABLE_OFFSET + 12:TABLE_OFFSET + 16] = le32(1 << 30)

    # The QCC module headsets: the Bluetooth image and the module in section entries 0 and 1 (the
    # loader checks the other table); the Airoha module's block of type 1 after two Bluetooth blocks.
    mesh_qcc65 = container(b"v1.0", 0x6510, True, [pattern(1100, 32), pattern(130, 33)])
    mesh_qcc65_past_end = bytearray(mesh_qcc65)
    mesh_qcc65_past_end[TABLE_OFFSET + ENTRY + 12:TABLE_OFFSET + ENTRY + 16] = le32(1 << 30)
    mesh_then_bt32 = with_block(container(b"v1.0", 0x3210, True, [pattern(1100, 34), pattern(500, 35),
                                                                  pattern(130, 36)]), 3, 2, 2, 1)

    camera_mesh = container(b"v1.0", 0x3132, True, [pattern(1100, 37), pattern(500, 38), pattern(300, 39),
                                                    pattern(130, 40)])
    camera_mesh_past_end = bytearray(camera_mesh)
    camera_mesh_past_end[TABLE_OFFSET + ENTRY * 4 + EXTENDED_ENTRY * 3 + 12:
                         TABLE_OFFSET + ENTRY * 4 + EXTENDED_ENTRY * 3 + 16] = le32(1 << 30)

    single = container(b"v2.2", 0x5590, True, [pattern(2500, 9)])
    kelpor = with_block(container(b"v1.4", 0x3340, True, [pattern(1500, 6), pattern(900, 7)]), 2, 0, 0, 0, (1, 4))
    intermediate = container(b"v1.3", 0x3340, True, [pattern(1200, 8)])
    # The extended table intact, the standard entry the single-image path reads aimed at the header.
    aimed = bytearray(single)
    aimed[TABLE_OFFSET + 8:TABLE_OFFSET + 16] = le32(0) + le32(TABLE_OFFSET)
    aldero = dfu_image(b"Aldero#4D10", 3000, 0x4D10)
    lumora = container(b"v1.0", 0x3020, False, [dfu_image(b"LUMORA#3020", 2000, 0x3020), pattern(3000, 30)])
    # Two modules: section types 0 to 3 (type at entry offset 0, image id at 4), on both slots.
    two_modules = bytearray(container(b"v1.0", 0x4210, False, [pattern(1500, 6), pattern(700, 7), pattern(300, 8),
                                                                pattern(1100, 9)]))
    for i in range(4):
        at = TABLE_OFFSET + ENTRY * i
        two_modules[at:at + 8] = le32(i) + le32(i + 1)
    # Block numbers 3, 0, 2 and 1 of a dual-version headset: each on the slot its number names. Its
    # loader checks the standard table: a block aimed past the end is the view's to refuse.
    dual = container(b"v1.0", 0x4310, True, [pattern(1500, 10), pattern(700, 11), pattern(300, 12),
                                              pattern(1100, 13)])
    for i, number in enumerate((3, 0, 2, 1)):
        dual = with_block(dual, 4, i, number, i + 5)
    dual_past_end = bytearray(dual)
    dual_past_end[TABLE_OFFSET + ENTRY * 4 + 12:TABLE_OFFSET + ENTRY * 4 + 16] = le32(1 << 30)
    # The loader's block 0 and one more, of a download-mode headset and of HID camera headsets.
    def loader_and_one(product):
        blocks = container(b"v1.0", product, True, [pattern(1500, 14), pattern(300, 15)])
        return with_block(with_block(blocks, 2, 0, 0, 1), 2, 1, 2, 4)
    # The camera headsets: the headset's blocks 0 and 1, then the camera image (2.3, with the version
    # marker the simulated camera takes on) in entry 2.
    def with_camera(product):
        camera = b"SIMVERSION=2.3.0.0" + pattern(2500, 16)
        blocks = container(b"v1.0", product, True, [pattern(1500, 14), pattern(300, 15), camera])
        return with_block(with_block(with_block(blocks, 3, 0, 0, 1), 3, 1, 2, 4), 3, 2, 3, 9, (2, 3))
    camera_past_end = bytearray(with_camera(0x5570))
    camera_past_end[TABLE_OFFSET + ENTRY * 3 + EXTENDED_ENTRY * 2 + 12:
                    TABLE_OFFSET + ENTRY * 3 + EXTENDED_ENTRY * 2 + 16] = le32(1 << 30)
    return {
        "hid-camera-stage": run(0x5570, with_camera(0x5570)),
        "hid-camera-stage-self-off": run(0x5580, with_camera(0x5580)),
        "hid-camera-stage-image-past-end": run(0x5570, bytes(camera_past_end)),
        "dual-version-blocks": run(0x4310, dual),
        "dual-version-block-past-end": run(0x4310, bytes(dual_past_end)),
        "download-mode-blocks": run(0x6010, loader_and_one(0x6010)),
        "hid-camera-replug-box": run(0x5610, loader_and_one(0x5610)),
        "hid-camera-loader-at-once": run(0x3050, loader_and_one(0x3050)),
        "hid-camera-readiness-no-box": run(0x5320, loader_and_one(0x5320)),
        "dfu-headset": run(0x4D10, aldero),
        "dfu-loader": run(0x4D10, aldero, 0x20),
        "dfu-loader-lenient": run(0x4D10 | 0x8000, aldero, 0x20),
        "dfu-pair": run(0x5310, dfu_image(b"Xandel#5310", 3000, 0x5310)),
        "dfu-camera": run(0x3020, lumora),
        "dfu-camera-loader": run(0x3020, lumora, 0x20),
        "dfu-loader-beside-a-loader": run(0x4D10, aldero, 0xA0),
        "dfu-headset-beside-a-loader-from-the-start": run(0x4D10, aldero, 0xC0),
        "dfu-download-mode": run(0x6020, dfu_image(b"Pintra_BelvoDuo#6020", 3000, 0x6020)),
        "dfu-download-mode-loader": run(0x6022, dfu_image(b"Pintra_BelvoS#6022", 3000, 0x6022), 0x20),
        "single-image": run(0x5590, single),
        "single-image-other-from-the-start": run(0x5590, single, 0x40),
        "single-image-with-instructions": run(0x4D16, container(b"v2.2", 0x4D16, True, [pattern(2500, 9)])),
        "two-modules": run(0x4210, bytes(two_modules)),
        "single-image-header": run(0x5590, bytes(aimed)),
        "single-image-header-renewed": run(0x5590, bytes(aimed), 0x07),
        "mesh-blocks": run(0x3142, container(b"v2.2", 0x3142, True, [pattern(1500, 1), pattern(700, 2),
                                                                     pattern(900, 3)])),
        "mesh-module-in-block-one": run(0x3540, container(b"v2.2", 0x3540, True, [pattern(1200, 4),
                                                                                  pattern(600, 5)])),
        "voice-prompt-images": run(0x3342, container(b"v1.1", 0x3342, True, [pattern(1500, 6), pattern(900, 7)])),
        "intermediate-image": run(0x3340, kelpor),
        "intermediate-image-served": with_intermediate(0x3340, intermediate, kelpor),
        "airoha-68-blocks": run(0x6800, airoha68),
        "airoha-6a-blocks": run(0x6A01, airoha6a),
        # The loader checks the standard table of this product: a block aimed past the end is the
        # view's to refuse.
        "airoha-6806-block-past-end": run(0x6806, past_end),
        "mesh-airoha-qcc-vp": run(0x5630, mesh_airoha_vp),
        "mesh-airoha-qcc": run(0x5552, mesh_airoha),
        "mesh-airoha-qcc-section-past-end": run(0x5552, bytes(mesh_airoha_past_end)),
        "mesh-qcc65": run(0x6510, mesh_qcc65),
        "mesh-qcc65-module-past-end": run(0x6510, bytes(mesh_qcc65_past_end)),
        "mesh-then-bt32": run(0x3210, mesh_then_bt32),
        # Two Bluetooth blocks, the mesh module, the iM501; 0x3148 writes every entry as a
        # Bluetooth block, the iM501 past the end of the other.
        "camera-mesh": run(0x3132, camera_mesh),
        "camera-mesh-every-entry": run(0x3148, container(b"v1.0", 0x3148, True, [pattern(1100, 37), pattern(500, 38),
                                                                                 pattern(300, 39), pattern(130, 40),
                                                                                 pattern(90, 41)])),
        "camera-mesh-im501-past-end": run(0x3132, bytes(camera_mesh_past_end)),
        # The camera image (2.3, with its marker) in entry 2, before the module and the iM501.
        "camera-mesh-camera": run(0x3232, with_block(
            container(b"v1.0", 0x3232, True, [pattern(1100, 42), pattern(500, 43),
                                               b"SIMVERSION=2.3.0.0" + pattern(700, 44), pattern(300, 45),
                                               pattern(130, 46)]), 5, 2, 2, 8, (2, 3))),
    }


def update_dfu_status_seeds():
    """The devices (bit 6: the lenient loaders), then GETSTATUS answers: a size byte (7: whole; bit 7: the
    second device) and 6 bytes."""
    def answer(state, size=7, status=0, second=False, poll=0):
        return bytes([size | (0x80 if second else 0), status, poll & 0xFF, (poll >> 8) & 0xFF, poll >> 16, state, 0])
    app_idle, app_detach, dfu_idle, dn_busy, dnload_idle, dfu_error = 0, 1, 2, 4, 5, 10
    return {
        "detach": bytes([0]) + answer(app_idle) + answer(app_detach) + answer(dfu_idle),
        "loader-idle": bytes([1]) + answer(dfu_idle),
        "loader-error": bytes([1]) + answer(dfu_error, status=10) + answer(dfu_idle),
        "loader-error-lenient": bytes([0x41]) + answer(dfu_error, status=10) + answer(dfu_idle),
        "pair": bytes([2]) + answer(app_idle) + answer(app_idle, second=True) + answer(app_detach)
        + answer(app_detach, second=True),
        "short": bytes([0]) + answer(app_idle, size=3),
        "never-back": bytes([0x04]),
        "back-normal": bytes([0x08]),
        "claim-fails": bytes([0x13]),
        # Stage A's answer, then the download's: a busy device, a lost block, a poll of hours.
        "download-busy": bytes([1]) + answer(dfu_idle) * 2 + answer(dn_busy, poll=2000) + answer(dnload_idle),
        "download-error": bytes([1]) + answer(dfu_idle) * 2 + answer(dfu_error, status=3) + answer(dfu_idle),
        "download-hours": bytes([1]) + answer(dfu_idle) * 2 + answer(dn_busy, poll=0xFFFFFF) * 3,
        "pair-download": bytes([0x22]) + answer(dfu_idle) + answer(dfu_idle, second=True),
    }


def fm_preset_entry_seeds():
    texts = ["87.54", "87,55", " 88.0 ", "108", "108.1", "87.549", "87.", "abc", "87.5.1", "1e3", "99999999999",
             "-87.5", "+87.5", ".", "87 .5", "95.0"]
    return {f"text-{i}": text.encode() for i, text in enumerate(texts)}


def speed_dial_entry_seeds():
    texts = ["+4930123#*", "", "0123456789+*#", "12345678901234567890" + "12345", "12a", "12 3",
             "1234567890123456789\u00e999", "\u00e9", "\uff11"]
    return {f"text-{i}": text.encode() for i, text in enumerate(texts)}


def timeout_field_seeds():
    return {name: text for name, text in
            [("plain", b"10"), ("upper", b"60"), ("past", b"61"), ("word", b"abc"), ("blank", b" 12x"),
             ("huge", b"99999999999")]}


def settings_save_seeds():
    ok = bytes([3, 1, 0, 0])  # a short status answer: success
    return {f"path-{p}": bytes([p, 0x21]) + ok * 12 for p in range(4)}


SEEDS = {
    "firmware_index_fuzz": firmware_index_seeds,
    "update_container_view_fuzz": update_container_view_seeds,
    "camera_version_fuzz": camera_version_seeds,
    "download_record_fuzz": download_record_seeds,
    "update_unit_language_fuzz": update_unit_language_seeds,
    "update_mesh_stage_fuzz": update_mesh_stage_seeds,
    "update_run_fuzz": update_run_seeds,
    "update_dfu_status_fuzz": update_dfu_status_seeds,
    "timeout_field_fuzz": timeout_field_seeds,
    "settings_save_fuzz": settings_save_seeds,
    "fm_preset_entry_fuzz": fm_preset_entry_seeds,
    "speed_dial_entry_fuzz": speed_dial_entry_seeds,
    "firmware_container_fuzz": firmware_container_seeds,
    "dfu_image_fuzz": dfu_image_seeds,
    "backup_archive_fuzz": backup_archive_seeds,
    "archive_date_fuzz": archive_date_seeds,
    "configuration_fuzz": configuration_seeds,
    "manager_version_list_fuzz": manager_version_list_seeds,
    "password_text_fuzz": password_text_seeds,
    "mount_table_fuzz": mount_table_seeds,
    "hid_answers_fuzz": hid_answers_seeds,
    "recognition_hid_fuzz": recognition_hid_seeds,
    "recognition_usb_fuzz": recognition_usb_seeds,
    "flasher_ihex_fuzz": ihex_seeds,
    "flasher_boot_reply_fuzz": boot_reply_seeds,
    "hiddfu_download_fuzz": hiddfu_download_seeds,
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    out = Path(sys.argv[1])
    for target, make in SEEDS.items():
        folder = out / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in make().items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
