"""Makes the shared Wine prefix for checks run from bash (e2e/lib.sh, e2e/setup_prefix.sh):
    python3 e2e/harness/prepare_prefix.py [--fresh]
with DISPLAY, WINEPREFIX and Wine's settings taken from the environment."""
import os
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))

from harness.wine import prepare_prefix  # noqa: E402

try:
    prepare_prefix(dict(os.environ), fresh="--fresh" in sys.argv[1:])
except RuntimeError as problem:
    sys.exit(str(problem))
