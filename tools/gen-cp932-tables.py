#!/usr/bin/env python3
"""Generates, from the C library's iconv "CP932", the tables that the text
converters and their tests use:

  tests/fixtures/cp932-roundtrip.txt   every two-byte code of code page 932,
                                       its UTF-16 unit and the code that
                                       unit converts back to
  common/text/IbmExtensionTable.h      the IBM extension codes (0xFA40 to
                                       0xFC4B) mapped to the NEC-selected or
                                       JIS X 0208 code of the same character

Run from the top of the tree: tools/gen-cp932-tables.py
The output is deterministic for a given iconv.
"""
import ctypes
import ctypes.util
import os
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                       ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]
libc.iconv_close.argtypes = [ctypes.c_void_p]


class Iconv:
    def __init__(self, to, frm):
        self.cd = libc.iconv_open(to.encode(), frm.encode())
        if self.cd in (None, ctypes.c_void_p(-1).value, 2**64 - 1):
            sys.exit("iconv cannot convert %s to %s" % (frm, to))

    def convert(self, data):
        """The whole of data converted, or None when iconv refuses any of it."""
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(64)
        pin = ctypes.c_char_p(ctypes.addressof(inbuf))
        nin = ctypes.c_size_t(len(data))
        pout = ctypes.c_char_p(ctypes.addressof(outbuf))
        nout = ctypes.c_size_t(64)
        libc.iconv(self.cd, None, None, None, None)
        r = libc.iconv(self.cd, ctypes.byref(pin), ctypes.byref(nin), ctypes.byref(pout), ctypes.byref(nout))
        if r == ctypes.c_size_t(-1).value or nin.value != 0:
            return None
        return outbuf.raw[:64 - nout.value]


LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = [t for t in range(0x40, 0xFD) if t != 0x7F]


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    to_wide = Iconv("UTF-16LE", "CP932")
    from_wide = Iconv("CP932", "UTF-16LE")

    decoded = {}
    rows = []
    for lead in LEADS:
        for trail in TRAILS:
            code = (lead << 8) | trail
            w = to_wide.convert(bytes([lead, trail]))
            if w is None or len(w) != 2:
                rows.append("%04X - -" % code)
                continue
            unit = w[0] | (w[1] << 8)
            decoded[code] = unit
            back = from_wide.convert(w)
            back_code = int.from_bytes(back, "big") if back else 0
            rows.append("%04X %04X %04X" % (code, unit, back_code) if back else "%04X %04X -" % (code, unit))

    fixture = os.path.join(top, "tests", "fixtures", "cp932-roundtrip.txt")
    with open(fixture, "w", newline="\n") as f:
        f.write("# Every two-byte code of code page 932 (leads 81-9F, E0-FC; trails 40-7E, 80-FC):\n")
        f.write("# code, its UTF-16 unit and the code that unit converts back to, in hexadecimal;\n")
        f.write("# '-' where there is none. Made by tools/gen-cp932-tables.py from iconv \"CP932\".\n")
        for r in rows:
            f.write(r + "\n")

    # Preferred homes of an IBM extension character: JIS X 0208 first, then
    # the NEC special characters (row 13), then the NEC-selected IBM
    # extension; all of them have JIS codes that EUC-JP and ISO-2022-JP carry.
    def rank(code):
        lead = code >> 8
        if lead == 0x87:
            return 1
        if lead in (0xED, 0xEE):
            return 2
        if 0x81 <= lead <= 0x84 or 0x88 <= lead <= 0x9F or 0xE0 <= lead <= 0xEA:
            return 0
        return None

    homes = {}
    for code, unit in sorted(decoded.items()):
        r = rank(code)
        if r is None:
            continue
        if unit not in homes or r < homes[unit][0]:
            homes[unit] = (r, code)

    table = []
    missing = []
    for lead in (0xFA, 0xFB, 0xFC):
        row = []
        for trail in range(0x40, 0xFD):
            code = (lead << 8) | trail
            unit = decoded.get(code)
            target = homes[unit][1] if unit is not None and unit in homes else 0
            if unit is not None and target == 0:
                missing.append(code)
            row.append(target)
        table.append(row)
    if missing:
        sys.exit("no NEC or JIS home for " + " ".join("%04X" % c for c in missing))

    header = os.path.join(top, "common", "text", "IbmExtensionTable.h")
    with open(header, "w", newline="\n") as f:
        f.write("#ifndef TANZO_TEXT_IBMEXTENSIONTABLE_H\n#define TANZO_TEXT_IBMEXTENSIONTABLE_H\n\n")
        f.write('#include "afx/wintypes.h"\n\n')
        f.write("// Made by tools/gen-cp932-tables.py from iconv \"CP932\"; do not edit.\n")
        f.write("// The IBM extension codes of code page 932 (leads FA, FB, FC; index\n")
        f.write("// trail - 0x40) mapped to the JIS X 0208, NEC special or NEC-selected\n")
        f.write("// code of the same character; 0 where the code is unassigned.\n")
        f.write("static const WORD kIbmExtensionToNec[3][0xFD - 0x40] = {\n")
        for row in table:
            f.write("    {\n")
            for i in range(0, len(row), 10):
                f.write("        " + ", ".join("0x%04X" % v for v in row[i:i + 10]) + ",\n")
            f.write("    },\n")
        f.write("};\n\n#endif // TANZO_TEXT_IBMEXTENSIONTABLE_H\n")
    print("wrote %s (%d codes) and %s" % (fixture, len(rows), header))


if __name__ == "__main__":
    main()
