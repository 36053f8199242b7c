"""Fixtures for the end-to-end tests: one Wine session per pytest run, shared by the tests.

The tests need the Windows build (probe.exe and the programs under test, in build/win64 unless
E2E_PROGRAMS names another folder) and wine64. Without them they skip with the reason, except
under CI, where the test command builds first and a missing piece is a fault.
"""

from __future__ import annotations

import os
from pathlib import Path

import pytest

from winesession import WINE64, Paths, WineSession

REPO = Path(__file__).resolve().parents[2]


def _paths() -> Paths:
    programs = Path(os.environ.get("E2E_PROGRAMS", REPO / "build" / "win64"))
    # E2E_WORK lets two runs side by side keep their own Xvfb, prefix and artifacts.
    return Paths(programs=programs, work=Path(os.environ.get("E2E_WORK", REPO / "build" / "e2e")))


def _missing(paths: Paths) -> str | None:
    if not WINE64.exists():
        return f"{WINE64} is missing (run tools/bootstrap)"
    if not paths.probe.exists():
        return f"{paths.probe} is missing (cmake --preset win64 && cmake --build --preset win64)"
    return None


@pytest.fixture(scope="session")
def wine_session():
    paths = _paths()
    reason = _missing(paths)
    if reason:
        if os.environ.get("CI"):
            pytest.fail(f"end-to-end tests cannot run: {reason}")
        pytest.skip(reason)
    with WineSession.start(paths) as session:
        print(f"\nWine session on display {session.display}; prefix created in "
              f"{session.timings['prefix_creation_s']:.1f} s")
        yield session


@pytest.hookimpl(tryfirst=True, hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    setattr(item, f"report_{report.when}", report)


@pytest.fixture
def session(wine_session, request):
    """The shared session for one test. After a failed test a screenshot is saved; programs the
    test left running are ended, so the next test starts from an empty desktop."""
    yield wine_session
    failed = getattr(request.node, "report_call", None)
    if failed is not None and failed.failed:
        try:
            wine_session.screenshot(request.node.name)
        except Exception as error:  # the desktop may be gone already
            print(f"no screenshot: {error}")
    if wine_session.running_programs:
        wine_session.restart()


@pytest.fixture
def programs() -> Path:
    """The Windows build folder."""
    return _paths().programs
