"""The Windows builds whose executables the static checks read."""

import pefile

# Build folder -> the machine its PE header names and the processor its manifest names.
BUILDS = {
    "win32": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"], "x86"),
    "win64": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "amd64"),
}
