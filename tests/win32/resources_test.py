"""Checks the resources of a built veskaro.exe, read back with wrestool:
the version resource, the icon group DEFAULT_ICON and the hand pointer, and
the manifest. Every mismatch is reported; any one fails the test."""

import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

RT_CURSOR, RT_ICON, RT_GROUP_CURSOR, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = (
    1, 3, 12, 14, 16, 24)
ICON_SIZES = [128, 64, 48, 32, 16]
VFT_APP, VOS__WINDOWS32, VS_FFI_SIGNATURE = 0x1, 0x4, 0xFEEF04BD

errors = []


def expect(what, actual, wanted):
    if actual != wanted:
        errors.append(f"{what}: {actual!r}, expected {wanted!r}")


def listing(exe):
    """(type, name, language) of every resource, in the file's order."""
    out = subprocess.run(["wrestool", "-l", exe], check=True, capture_output=True,
                         text=True).stdout
    entries = []
    for line in out.splitlines():
        m = re.match(r"--type=(\d+) --name=(?:'([^']*)'|(\d+)) --language=(\d+)", line)
        if m:
            name = m.group(2) if m.group(2) is not None else int(m.group(3))
            entries.append((int(m.group(1)), name, int(m.group(4))))
    return entries


def raw(exe, rtype, name):
    return subprocess.run(["wrestool", "-x", "-R", f"--type={rtype}", f"--name={name}", exe],
                          check=True, capture_output=True).stdout


def bitmap_header(data):
    """Width, height and depth of an icon or cursor image (BMP or PNG)."""
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
        return width, height, depth * {6: 4, 2: 3, 0: 1, 4: 2, 3: 1}[colour]
    _, width, height, _, bits = struct.unpack("<IiiHH", data[:16])
    return width, height // 2, bits  # the height counts the mask as well


def check_icons(exe, entries):
    groups = [name for rtype, name, _ in entries if rtype == RT_GROUP_ICON]
    expect("icon groups, the first one is the shell's", groups[:1], ["DEFAULT_ICON"])
    directory = raw(exe, RT_GROUP_ICON, "DEFAULT_ICON")
    _, kind, count = struct.unpack("<HHH", directory[:6])
    expect("icon group type", kind, 1)
    found = []
    for i in range(count):
        w, h, _, _, _, bits, _, image = struct.unpack(
            "<BBBBHHIH", directory[6 + 14 * i:20 + 14 * i])
        w, h = w or 256, h or 256
        found.append((w, h, bits))
        expect(f"icon {image} image", bitmap_header(raw(exe, RT_ICON, image)), (w, h, bits))
    expect("icon group images (size, size, bits)", found,
           [(s, s, 32) for s in ICON_SIZES])


def check_cursor(exe, entries):
    groups = [name for rtype, name, _ in entries if rtype == RT_GROUP_CURSOR]
    expect("pointer groups", groups, ["HAND_CURSOR"])
    directory = raw(exe, RT_GROUP_CURSOR, "HAND_CURSOR")
    _, kind, count = struct.unpack("<HHH", directory[:6])
    expect("pointer group type and count", (kind, count), (2, 1))
    w, h2, _, bits, _, image = struct.unpack("<HHHHIH", directory[6:20])
    expect("pointer group entry (width, height, bits)", (w, h2 // 2, bits), (32, 32, 1))
    data = raw(exe, RT_CURSOR, image)
    expect("pointer hot spot", struct.unpack("<HH", data[:4]), (6, 1))
    expect("pointer image (width, height, bits)", bitmap_header(data[4:]), (32, 32, 1))


def version_node(data, at):
    """One node of the version tree: (key, value, children, end)."""
    length, value_length, kind = struct.unpack("<HHH", data[at:at + 6])
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    pos = (key_end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = data[pos:pos + size]
    if kind == 1:
        value = value.decode("utf-16-le").rstrip("\0")
    pos = (pos + size + 3) & ~3
    children = []
    while pos < end:
        child = version_node(data, pos)
        children.append(child)
        pos = (child[3] + 3) & ~3
    return key, value, children, end


def check_version(exe, entries):
    versions = [(name, lang) for rtype, name, lang in entries if rtype == RT_VERSION]
    expect("version resources (name, language)", versions, [(1, 0x0804)])
    key, fixed, children, _ = version_node(raw(exe, RT_VERSION, 1), 0)
    expect("version root", key, "VS_VERSION_INFO")
    (signature, _, file_ms, file_ls, product_ms, product_ls, _, _, os, kind, _, _,
     _) = struct.unpack("<13I", fixed)
    expect("fixed part signature", signature, VS_FFI_SIGNATURE)
    expect("file version", (file_ms, file_ls), (0x00010000, 0))
    expect("product version", (product_ms, product_ls), (0x00010000, 0))
    expect("file type", kind, VFT_APP)
    expect("file OS", os, VOS__WINDOWS32)
    blocks = {name: subtree for name, _, subtree, _ in children}
    expect("version blocks", sorted(blocks), ["StringFileInfo", "VarFileInfo"])
    tables = blocks.get("StringFileInfo", [])
    expect("string tables", [t[0] for t in tables], ["080404B0"])
    strings = {k: v for t in tables for k, v, _, _ in t[2]}
    expect("strings", strings, {"FileVersion": "1.0.0.0", "ProductVersion": "1.0.0.0"})
    var = blocks.get("VarFileInfo", [])
    translations = [(k, struct.unpack(f"<{len(v) // 2}H", v)) for k, v, _, _ in var]
    expect("translations", translations, [("Translation", (0x0804, 1200))])


def check_manifest(exe, entries):
    manifests = [name for rtype, name, _ in entries if rtype == RT_MANIFEST]
    expect("manifests", manifests, [1])
    if manifests != [1]:
        return
    root = ET.fromstring(raw(exe, RT_MANIFEST, 1))
    ids = [e.attrib for e in root.iter("{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")]
    controls = [i for i in ids if i.get("name") == "Microsoft.Windows.Common-Controls"]
    expect("Common Controls version", [c.get("version") for c in controls], ["6.0.0.0"])
    aware = [e.text for e in root.iter() if e.tag.endswith("}dpiAware")]
    expect("declared DPI awareness", aware, ["true"])


def main(exe):
    entries = listing(exe)
    for check in (check_icons, check_cursor, check_version, check_manifest):
        try:
            check(exe, entries)
        except (subprocess.CalledProcessError, struct.error, ET.ParseError) as e:
            errors.append(f"{check.__name__}: {e}")
    for e in errors:
        print(e, file=sys.stderr)
    print(f"{exe}: {len(entries)} resources, {len(errors)} mismatches")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
