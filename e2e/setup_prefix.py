"""Makes a fresh Wine prefix for this test run (ctest runs this before the end-to-end checks,
which then share the prefix). Exits 77 (skipped) where Wine or Xvfb is missing, unless the
test command, which installs everything, runs it (TARNWICK_REQUIRE_ALL=1)."""
import os
import shutil
import sys

from harness.display import VirtualDisplay
from harness.log import log
from harness.wine import prepare_prefix, wine_env

SKIPPED = 77

missing = [tool for tool in ("wine", "wineserver", "wineboot", "Xvfb") if shutil.which(tool) is None]
if missing:
    print(f"{'FAILED' if os.environ.get('TARNWICK_REQUIRE_ALL') == '1' else 'SKIPPED'}: "
          f"{', '.join(missing)} not installed (run scripts/install-deps.sh tests)")
    sys.exit(1 if os.environ.get("TARNWICK_REQUIRE_ALL") == "1" else SKIPPED)
display = VirtualDisplay()
try:
    env = wine_env(display)
    prepare_prefix(env, fresh=True)
    log(f"Wine prefix ready: {env['WINEPREFIX']}")
except RuntimeError as problem:
    sys.exit(str(problem))
finally:
    display.close()
