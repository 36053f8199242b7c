"""The built launcher executables of both Windows builds, opened for static checks."""

import pathlib

import pefile
import pytest
from pe_builds import BUILDS

ROOT = pathlib.Path(__file__).resolve().parents[2]


@pytest.fixture(params=sorted(BUILDS), scope="module")
def launcher(request):
    """(build name, the parsed Launcher.exe of that build)."""
    path = ROOT / "build" / request.param / "Launcher.exe"
    if not path.exists():
        pytest.skip(f"{path} is not built")
    pe = pefile.PE(str(path))
    yield request.param, pe
    pe.close()
