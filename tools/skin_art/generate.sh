#!/usr/bin/env bash
# Generates the launcher's skin pictures with ImageMagick: the built-in design pictures
# (assets/design/) and the sample program folder's skin and config.ini (sample/).
# Usage: tools/skin_art/generate.sh [REPO_ROOT]   (default: the repository holding this script)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "${1:-$here/../..}" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

source "$here/lib.sh"
source "$here/glyphs.sh"
source "$here/tiles.sh"
source "$here/design.sh"
source "$here/backgrounds.sh"
source "$here/sample.sh"
source "$here/config_ini.sh"

make_design "$root/assets/design"
make_sample "$root/sample"
echo "skin_art: wrote $root/assets/design and $root/sample"
