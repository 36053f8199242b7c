"""Static checks of the resources both Windows builds carry: the program icon (group DEFAULT_ICON
and its images), the version block and the manifest, read from the built files with pefile."""

import pathlib
import struct

import pefile
import pytest
from pe_builds import BUILDS

ROOT = pathlib.Path(__file__).resolve().parents[2]
PROGRAM_ICON = ROOT / "src" / "resources" / "artwork" / "launcher.ico"

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
NEUTRAL, CHINESE_PRC = 0, 0x0804


# (type, name or id) -> languages: everything the executable carries, and nothing else.
EXPECTED_RESOURCES = {
    **{(RT_ICON, image_id): [NEUTRAL] for image_id in range(3, 8)},
    (RT_GROUP_ICON, "DEFAULT_ICON"): [NEUTRAL],
    (RT_VERSION, 1): [CHINESE_PRC],
    (RT_MANIFEST, 1): [NEUTRAL],
}

# width, height, colour count, reserved, planes, bit count, bytes, id: largest first, and the
# 128-pixel entry stores 128 (only 256 is stored as 0).
EXPECTED_GROUP = [
    (128, 128, 0, 0, 1, 32, 67624, 3),
    (64, 64, 0, 0, 1, 32, 16936, 4),
    (48, 48, 0, 0, 1, 32, 9640, 5),
    (32, 32, 0, 0, 1, 32, 4264, 6),
    (16, 16, 0, 0, 1, 32, 1128, 7),
]

EXPECTED_STRINGS = [
    ("FileVersion", "2.0.0.0"),
    ("FileDescription", "Vaskoran2.0"),
    ("ProductName", "Vaskoran"),
    ("ProductVersion", "2.0.0.0"),
    ("CompanyName", "Verizurid"),
    ("LegalCopyright", "《Vaskoran》由 Tollmere 工作室独立开发。"),
    ("Comments", "Vaskoran 游戏启动器"),
]


def expected_manifest(architecture: str) -> bytes:
    return (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
        '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">'
        f'<assemblyIdentity name="Tollmere.Vaskoran.Launcher" processorArchitecture="{architecture}" '
        'version="5.2.0.0" type="win32"/>'
        "<dependency><dependentAssembly>"
        '<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" '
        f'processorArchitecture="{architecture}" publicKeyToken="6595b64144ccf1df" language="*"/>'
        "</dependentAssembly></dependency>"
        "</assembly>"
    ).encode("utf-8")


def resource_directory(pe) -> dict:
    """(type, name or id) -> [(language, bytes)], every level in the order the file stores it."""
    found = {}
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name_entry in type_entry.directory.entries:
            key = (type_entry.id, str(name_entry.name) if name_entry.name is not None else name_entry.id)
            found[key] = [
                (language.id, pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size))
                for language in name_entry.directory.entries
            ]
    return found


def resource(pe, kind, name) -> bytes:
    (language_and_data,) = resource_directory(pe)[(kind, name)]
    return language_and_data[1]


def program_icon_images() -> list[bytes]:
    data = PROGRAM_ICON.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1)
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        images.append(data[offset:offset + size])
    return images


def test_carries_the_icon_version_and_manifest_and_nothing_else(launcher):
    build, pe = launcher
    assert pe.FILE_HEADER.Machine == BUILDS[build][0]
    languages = {key: [language for language, _ in entries] for key, entries in resource_directory(pe).items()}
    assert languages == EXPECTED_RESOURCES


def test_default_icon_group_lists_the_program_icon_images(launcher):
    _, pe = launcher
    # The shell and LoadImage's fallback take the first icon group: named ones sort before ids.
    groups = [key for key in resource_directory(pe) if key[0] == RT_GROUP_ICON]
    assert groups[0] == (RT_GROUP_ICON, "DEFAULT_ICON")

    group = resource(pe, RT_GROUP_ICON, "DEFAULT_ICON")
    assert struct.unpack_from("<HHH", group, 0) == (0, 1, len(EXPECTED_GROUP))
    assert len(group) == 6 + 14 * len(EXPECTED_GROUP)
    entries = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(len(EXPECTED_GROUP))]
    assert entries == EXPECTED_GROUP

    images = program_icon_images()
    assert len(images) == len(EXPECTED_GROUP)
    for (*_, size, image_id), expected in zip(EXPECTED_GROUP, images):
        carried = resource(pe, RT_ICON, image_id)
        assert len(carried) == size
        assert carried == expected, f"icon image {image_id} differs from launcher.ico's"


def test_version_block(launcher):
    _, pe = launcher
    (fixed,) = pe.VS_FIXEDFILEINFO
    assert (fixed.Signature, fixed.StrucVersion) == (0xFEEF04BD, 0)
    assert (fixed.FileVersionMS, fixed.FileVersionLS) == (0x00020000, 0)
    assert (fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x00020000, 0)
    assert (fixed.FileFlagsMask, fixed.FileFlags) == (0, 0)
    assert (fixed.FileOS, fixed.FileType, fixed.FileSubtype) == (4, 1, 0)  # VOS__WINDOWS32, VFT_APP
    assert (fixed.FileDateMS, fixed.FileDateLS) == (0, 0)

    # From the bytes themselves as well: these two are where a resource compiler's own block differs.
    block = resource(pe, RT_VERSION, 1)
    length, value_length, kind = struct.unpack_from("<HHH", block, 0)
    assert (length, value_length, kind) == (len(block), 52, 0)
    assert block[6:38].decode("utf-16-le") == "VS_VERSION_INFO\0"
    signature, struc_version = struct.unpack_from("<II", block, 40)
    (flags_mask,) = struct.unpack_from("<I", block, 40 + 24)
    assert (signature, struc_version, flags_mask) == (0xFEEF04BD, 0, 0)

    (file_info,) = pe.FileInfo
    assert [info.Key for info in file_info] == [b"StringFileInfo", b"VarFileInfo"]
    (table,) = file_info[0].StringTable
    assert table.LangID == b"080404B0"
    strings = [(key.decode(), value.decode()) for key, value in table.entries.items()]
    assert strings == EXPECTED_STRINGS
    (translation,) = file_info[1].Var
    assert translation.entry == {b"Translation": "0x0804 0x04b0"}


def test_manifest_names_the_build_processor_on_one_line(launcher):
    build, pe = launcher
    manifest = resource(pe, RT_MANIFEST, 1)
    assert not manifest.startswith(b"\xef\xbb\xbf"), "no byte order mark"
    assert b"\n" not in manifest and b"\r" not in manifest
    assert manifest == expected_manifest(BUILDS[build][1])
