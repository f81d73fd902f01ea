"""The Windows backend of the button control's window-message hook on real windows under Wine:
its self-check program (e2e/win_tools/hook_selftest.cpp) runs to its end and every check passes."""
from conftest import require_programs
from harness.selftest import run_selftest


def test_hook_backend(session):
    require_programs(session.build, "hook_selftest.exe")
    run_selftest(session, session.build / "hook_selftest.exe", what="hook")
