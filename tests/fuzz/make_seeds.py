#!/usr/bin/env python3
"""Writes the seed corpora: real shapes of each input the fuzz targets read.

Most targets read their input through libFuzzer's FuzzedDataProvider, which
takes numbers and choices from the end of the data and byte strings from the
front; Seed lays a seed out that way. Run it after changing a target's reading
order; the files it writes are committed."""
import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"
TYPES = [1, 2, 3, 4, 7, 0, 11]  # the value types FuzzedValue picks from, in its order
SZ, EXPAND_SZ, BINARY, DWORD, MULTI_SZ = 1, 2, 3, 4, 7
DEVICE_KEY = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0"


class Seed:
    def __init__(self):
        self.front, self.back = bytearray(), []

    def number(self, value, low, high):
        span, raw, width = high - low, value - low, 0
        while width < 8 and span >> (8 * width):
            width += 1
        self.back += [(raw >> (8 * i)) & 0xFF for i in reversed(range(width))]
        return self

    def flag(self, on):
        return self.number(1 if on else 0, 0, 255)

    def int32(self, value):
        return self.number(value, -2**31, 2**31 - 1)

    def uint32(self, value):
        return self.number(value, 0, 2**32 - 1)

    def text(self, data):
        self.front += data
        return self

    def value(self, type_, data):
        """A registry value as PutFuzzedValues reads it; None leaves it out."""
        if data is None:
            return self.flag(False)
        return self.flag(True).number(TYPES.index(type_), 0, len(TYPES) - 1).number(len(data), 0, 600).text(data)

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))


def utf16(text, nul=True):
    return (text + ("\0" if nul else "")).encode("utf-16-le")


def dword(value):
    return struct.pack("<I", value)


def reply(vendor=0x3D3D, model=1, lb_size=0x800000, lb_width=32):
    data = bytearray(280)
    for offset, field in ((8, vendor), (20, model), (28, lb_size), (32, lb_width)):
        data[offset:offset + 4] = dword(field)
    return bytes(data)


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data if isinstance(data, bytes) else data.bytes())


write("command_line", {
    "quiet_export": b'"C:\\Program Files\\Vexelworks\\VEXELPANEL.EXE" -q -f c:\\temp\\vexel.bat',
    "card_and_path": b"vexelpanel.exe /S VexelHawk -P System\\CurrentControlSet\\Services\\Vexel3D\\Device0",
    "quoted_unclosed": b'vexelpanel -n -s "VexelKite 4MB -f',
    "switch_at_end": b"vexelpanel.exe -p",
})
write("simulation", {
    "default": b"1",
    "kite_4mb_lb24": b"kite,4mb,lb24",
    "root_noanswer": b"Hawk, NoAnswer, root=Software\\Vexelworks\\Test Board",
    "limits": b"no2050,nopublish,4095MB,LB32,0mb,lb33",
})
write("driver_text", {
    "adapter": Seed().flag(False).text(utf16("Vexelworks VexelHawk")),
    "odd_no_nul": Seed().flag(False).text(utf16("3Dlabs GLINT 300SX", nul=False) + b"R"),
    "bounded": Seed().flag(True).number(50, 0, 300).text(utf16("x" * 60, nul=False)),
})
write("driver_info_reply", {
    "hawk_8mb": Seed().value(DWORD, dword(0x800000)).flag(True).flag(True).int32(1).text(reply()),
    "kite_4mb_lb24": Seed().value(DWORD, dword(0x400000)).flag(True).flag(True).int32(1)
                     .text(reply(model=0, lb_size=0x400000, lb_width=24)),
    "no_version_escape": Seed().value(None, None).flag(False).flag(True).int32(1).text(reply()),
    "failed_short": Seed().value(BINARY, b"\x00\x00\x80").flag(True).flag(True).int32(-1).text(reply()[:40]),
})
write("version_reply", {
    "version": Seed().int32(1).text(utf16("2.3")),
    "full_no_nul": Seed().int32(1).text(utf16("9" * 50, nul=False)),
    "odd_failed": Seed().int32(-1).text(utf16("1.0", nul=False) + b"\x31"),
})

DEVICE_VALUES = [  # in the order of registry_values.cpp's kDeviceNames
    (BINARY, utf16("Vexelworks VexelHawk")), (BINARY, utf16("3Dlabs GLINT 300SX")), (BINARY, utf16("TI TVP3026")),
    (BINARY, utf16("1.1")), (DWORD, dword(0x800000)), (DWORD, dword(0x800000)), (MULTI_SZ, b"vexel3d\0\0"),
    (DWORD, dword(1280)), (DWORD, dword(1024)), (DWORD, dword(16)), (DWORD, dword(75)), (SZ, b"SolidWorks"),
    (DWORD, dword(0xEC)), (DWORD, dword(0x2B)), (DWORD, dword(0xB1)),
]


def registry_seed(device_map, device_values, profile_values):
    seed = Seed().value(SZ, device_map).value(EXPAND_SZ, b"System32\\DRIVERS\\vexel3d.sys\0")
    for type_, data in device_values + profile_values:
        seed.value(type_, data)
    return seed.value(SZ, b"VEXELHAWK\0").value(SZ, DEVICE_KEY.encode() + b"\0")


write("registry_values", {
    "published": registry_seed(b"\\REGISTRY\\Machine\\" + DEVICE_KEY.encode() + b"\0", DEVICE_VALUES,
                               [(None, None)] * len(DEVICE_VALUES)),
    "wine_casing_profile_mode": registry_seed(
        b"\\Registry\\Machine\\" + DEVICE_KEY.encode(), DEVICE_VALUES[:7] + [(None, None)] * 8,
        [(None, None)] * 7 + DEVICE_VALUES[7:11] + [(None, None)] * 4),
    "odd_sizes": registry_seed(b"\\REGISTRY\\MACHINE\\", [(BINARY, b"V\0e\0x"), (SZ, b""), (DWORD, b"\x01\x02"),
                                                          (BINARY, b"\xff" * 9)] + [(SZ, b"12345678")] * 11,
                               [(None, None)] * len(DEVICE_VALUES)),
})
write("hex_number", {
    "typed_digit": Seed().number(3, 0, 40).number(4, 3, 40).uint32(0x1F0).text(b"0x1F0A"),
    "upper_x": Seed().number(2, 0, 40).number(2, 2, 40).uint32(0).text(b"0X12"),
    "signed_blanks": Seed().number(0, 0, 40).number(0, 0, 40).uint32(7).text(b"  -0x1fffffffff"),
    "emptied": Seed().number(0, 0, 40).number(0, 0, 40).uint32(0xFFFFFFFF).text(b""),
})
write("memory_clock", {
    "sixty_mhz": Seed().value(DWORD, dword(0xEC)).value(DWORD, dword(0x2B)).value(DWORD, dword(0xB1)),
    "high_bits": Seed().value(DWORD, dword(0xFFFFFFFF)).value(BINARY, b"\xff").value(SZ, b"3"),
    "missing_m": Seed().value(DWORD, dword(0xFA)).value(None, None).value(DWORD, dword(0xB2)),
})
write("application_presets", {
    "solidworks_32bit": Seed().value(SZ, b"solidworks").value(DWORD, dword(5)).value(DWORD, dword(1))
                        .value(DWORD, dword(0)).value(DWORD, dword(0)).value(DWORD, dword(0)),
    "softimage_with_nul": Seed().value(SZ, b"Microsoft Softimage 3D\0").value(DWORD, dword(5))
                          .value(DWORD, dword(0)).value(DWORD, dword(1)).value(DWORD, dword(1)).value(DWORD, dword(1)),
    "short_options": Seed().value(BINARY, b"AVS").value(DWORD, b"\x05").value(SZ, b"1")
                     .value(None, None).value(DWORD, dword(0)).value(DWORD, dword(0)),
})