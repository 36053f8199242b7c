"""Static checks of the built launcher executables: both Windows builds, including the shipped
32-bit one that cannot run on this machine."""

import pefile
import pytest
from pe_builds import BUILDS


# Windows' own DLLs; nothing from the toolchain (libstdc++, libgcc, winpthread) may be needed.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "shell32.dll", "advapi32.dll",
    "msvcrt.dll", "comctl32.dll", "shlwapi.dll", "oleaut32.dll", "version.dll",
}


def test_is_gui_program_for_its_machine(launcher):
    build, pe = launcher
    assert pe.FILE_HEADER.Machine == BUILDS[build][0]
    assert pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
    is_pe32_plus = pe.OPTIONAL_HEADER.Magic == 0x20B
    assert is_pe32_plus == (build == "win64")


def test_imports_only_system_dlls(launcher):
    _, pe = launcher
    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert imported, "a Windows program imports at least KERNEL32"
    assert imported <= SYSTEM_DLLS, f"non-system imports: {sorted(imported - SYSTEM_DLLS)}"


def test_loads_ole_and_the_shell_only_when_the_page_is_opened(launcher):
    # Imported, they would be loaded at every start, which is most of what start-up cost.
    _, pe = launcher
    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert not imported & {"ole32.dll", "shell32.dll", "comctl32.dll"}
