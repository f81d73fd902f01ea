#!/usr/bin/env bash
# Runs the Windows backend's self-check (e2e/win_tools/backend_selftest.cpp) under Wine with a
# folder of test pictures: good JPEG, PNG and BMP files, and truncated, empty, non-picture and
# oversized ones.
# Usage: check_backend.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/backend_selftest.exe" ] || e2e_skip "$E2E_BUILD/backend_selftest.exe is missing"

pictures="$E2E_WORK/pictures"
mkdir -p "$pictures"
cp "$E2E_REPO/assets/splash_logo.jpg" "$pictures/"
head -c "$(($(stat -c %s "$pictures/splash_logo.jpg") / 2))" "$pictures/splash_logo.jpg" >"$pictures/truncated.jpg"
: >"$pictures/empty.ini"
echo "not a picture" >"$pictures/not_a_picture.jpg"
convert -size 3x2 xc:'#336699' "$pictures/three_by_two.png"
convert -size 3x2 xc:'#336699' "BMP3:$pictures/three_by_two.bmp"
# A bitmap whose header claims 20 000 x 20 000 pixels, with only a few bytes of pixels after it.
perl -e 'print pack("A2 V v v V", "BM", 54 + 1200, 0, 0, 54),
  pack("V l l v v V V l l V V", 40, 20000, 20000, 1, 24, 0, 0, 2835, 2835, 0, 0), "\0" x 1200' >"$pictures/huge.bmp"

cp "$E2E_BUILD/backend_selftest.exe" "$E2E_WORK/"
output=$(cd "$E2E_WORK" && wine backend_selftest.exe "$(winepath -w "$pictures")" 2>/dev/null | tr -d '\r')
echo "$output"
e2e_check "the backend self-check ran to its end" grep -q "check(s) failed" <<<"$output"
e2e_check "every backend check passed" grep -q "^0 check(s) failed" <<<"$output"
e2e_finish
