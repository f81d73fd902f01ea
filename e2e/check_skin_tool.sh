#!/usr/bin/env bash
# tarnwick-skin.exe, the Windows console build of the skin tools, under Wine:
#  - check of the sample folder: exit 0, the summary line, the panel's section found (its name
#    holds "™", so this also proves the code page 949 conversion of the Windows build);
#  - check of a broken copy: exit 1 and the fault named; a folder without config.ini: exit 2;
#  - preview of the sample with the panel: a PNG equal, pixel for pixel, to the native tool's.
# Usage: check_skin_tool.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

TOOL="$E2E_BUILD/tarnwick-skin.exe"
NATIVE="$E2E_REPO/build/native/tarnwick-skin"
[ -f "$TOOL" ] || e2e_skip "$TOOL is missing (build the $E2E_ARCH preset first)"

# run_tool <output file> <arguments...>: runs the Windows tool, prints its exit code.
run_tool() {
  local out=$1; shift
  local code=0
  wine "$TOOL" "$@" >"$out" 2>"$out.err" || code=$?
  echo "$code"
}
windows_path() { winepath -w "$1" 2>/dev/null; }

SAMPLE=$(windows_path "$E2E_REPO/sample")
code=$(run_tool "$E2E_ARTIFACTS/skin_check_sample.txt" check "$SAMPLE")
e2e_check "check of the sample exits 0 (got $code)" test "$code" -eq 0
e2e_check "the summary says nothing would fail" \
  grep -q '^71 lookups: 0 errors, 0 warnings, [0-9]* notes\. Nothing would fail\.' "$E2E_ARTIFACTS/skin_check_sample.txt"
e2e_check "the panel's section is found through code page 949" \
  grep -qF '[Tarnwick™] PUrl1 = "docs": shows the folder docs\.' "$E2E_ARTIFACTS/skin_check_sample.txt"

BROKEN="$E2E_WORK/broken"
cp -r "$E2E_REPO/sample" "$BROKEN"
sed -i 's/^image=btn03.jpg/image=missing.jpg/' "$BROKEN/config.ini"
code=$(run_tool "$E2E_ARTIFACTS/skin_check_broken.txt" check "$(windows_path "$BROKEN")" --json)
e2e_check "check of a broken folder exits 1 (got $code)" test "$code" -eq 1
e2e_check "the missing picture is named" grep -qF 'image\\missing.jpg does not exist' "$E2E_ARTIFACTS/skin_check_broken.txt"

mkdir -p "$E2E_WORK/empty"
code=$(run_tool "$E2E_WORK/empty.txt" check "$(windows_path "$E2E_WORK/empty")")
e2e_check "a folder without config.ini exits 2 (got $code)" test "$code" -eq 2
e2e_check "and says why" grep -q 'config.ini is missing' "$E2E_WORK/empty.txt"

code=$(run_tool "$E2E_WORK/preview.txt" preview "$SAMPLE" --panel -o "$(windows_path "$E2E_ARTIFACTS")\\skin_preview.png")
e2e_check "preview exits 0 (got $code)" test "$code" -eq 0
if [ -x "$NATIVE" ]; then
  "$NATIVE" preview "$E2E_REPO/sample" --panel -o "$E2E_WORK/native.png" >/dev/null
  differing=$(compare -metric AE "$E2E_ARTIFACTS/skin_preview.png" "$E2E_WORK/native.png" null: 2>&1 || true)
  e2e_check "the Windows preview equals the native one (pixels differing: $differing)" test "$differing" = 0
else
  e2e_fail "the native tool $NATIVE is missing (build the native preset)"
fi
e2e_finish
