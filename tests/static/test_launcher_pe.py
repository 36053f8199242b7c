"""Static checks of the built launcher executables: both Windows builds, including the shipped
32-bit one that cannot run on this machine."""

import pathlib

import pefile
import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]

BUILDS = {
    "win32": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
    "win64": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"],
}

# Windows' own DLLs; nothing from the toolchain (libstdc++, libgcc, winpthread) may be needed.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "shell32.dll", "advapi32.dll",
    "msvcrt.dll", "comctl32.dll", "shlwapi.dll", "oleaut32.dll", "version.dll",
}


@pytest.fixture(params=sorted(BUILDS), scope="module")
def launcher(request):
    path = ROOT / "build" / request.param / "Launcher.exe"
    if not path.exists():
        pytest.skip(f"{path} is not built")
    pe = pefile.PE(str(path))
    yield request.param, pe
    pe.close()


def test_is_gui_program_for_its_machine(launcher):
    build, pe = launcher
    assert pe.FILE_HEADER.Machine == BUILDS[build]
    assert pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
    is_pe32_plus = pe.OPTIONAL_HEADER.Magic == 0x20B
    assert is_pe32_plus == (build == "win64")


def test_imports_only_system_dlls(launcher):
    _, pe = launcher
    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert imported, "a Windows program imports at least KERNEL32"
    assert imported <= SYSTEM_DLLS, f"non-system imports: {sorted(imported - SYSTEM_DLLS)}"
