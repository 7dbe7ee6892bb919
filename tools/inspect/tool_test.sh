#!/bin/bash
# kalvanor-inspect on good and broken pictures and meshes, judged by exit status and output.
# Usage: inspect_test.sh PATH/TO/kalvanor-inspect
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }

# 2x2, 24-bit, rows bottom first, each 6 bytes of pixels and 2 of padding.
# Top row: blue, white; bottom row: red, green.
{
    printf 'BM'; le32 70; le16 0; le16 0; le32 54
    le32 40; le32 2; le32 2; le16 1; le16 24; le32 0; le32 16; le32 2835; le32 2835; le32 0; le32 0
    printf '\x00\x00\xff\x00\xff\x00\x00\x00' # bottom: red, green (blue green red order)
    printf '\xff\x00\x00\xff\xff\xff\x00\x00' # top: blue, white
} > good.bmp
printf 'hello, not a picture\n' > text.bmp
printf 'v 0 0 0\r\nv 1 0 0\r\nv 1 1 0\r\nv 0 1 0\r\n# quad\r\nf 1 2 3 4' > quad.txt
printf 'v 0 0 0\nv 1 0 0\nf 1 2\n' > short_face.txt
printf 'v 1 2 3\n' > points.txt

# run EXPECTED_STATUS ARGS...: runs the tool, keeps its output in $out.
run() {
    local expected=$1
    shift
    out=$("$tool" "$@" 2>&1)
    local status=$?
    [ "$status" -eq "$expected" ] || fail "$* exited $status, expected $expected; output: $out"
}

# expect_line TEXT: the last run printed this exact line.
expect_line() {
    grep -qxF -- "$1" <<< "$out" || fail "expected line '$1' in: $out"
}

run 0 good.bmp quad.txt points.txt
expect_line "good.bmp: bmp 2x2, 24-bit"
expect_line "quad.txt: mesh 2 triangles"
expect_line "points.txt: mesh 0 triangles"

# One bad file spoils the status, but every file is still reported.
run 1 text.bmp good.bmp
expect_line "good.bmp: bmp 2x2, 24-bit"
grep -q "^Bitmap Error: text.bmp" <<< "$out" || fail "no reader diagnostic for text.bmp: $out"
[ "$(tail -n 1 <<< "$out")" = "good.bmp: bmp 2x2, 24-bit" ] || fail "good.bmp not reported last: $out"

run 1 missing.bmp
grep -q "^Bitmap Error: Cannot open file missing.bmp for input.$" <<< "$out" || fail "no open error: $out"
expect_line "missing.bmp: bmp 1x1, 1-bit"

run 1 short_face.txt quad.txt
expect_line "short_face.txt: Failed parsing face definition."
expect_line "quad.txt: mesh 2 triangles"

run 1 missing.txt
expect_line "missing.txt: Stream could not be opened. File name: missing.txt"

run 1 notes.obj
expect_line "notes.obj: not an asset the game reads (.bmp or .txt)"

# The PAM holds what the game sees: RGBA, rows top first, alpha 0 from a 24-bit file.
run 0 --pam good.pam good.bmp
{
    printf 'P7\nWIDTH 2\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n'
    printf '\x00\x00\xff\x00\xff\xff\xff\x00' # blue, white
    printf '\xff\x00\x00\x00\x00\xff\x00\x00' # red, green
} > expected.pam
cmp -s good.pam expected.pam || fail "good.pam differs: $(od -An -tx1 good.pam | tr -s ' \n' ' ')"

run 1 --pam unwritable/dir/out.pam good.bmp
grep -q "cannot write unwritable/dir/out.pam" <<< "$out" || fail "no write error: $out"

# Usage errors.
run 2
run 2 --pam x.pam good.bmp quad.txt
run 2 --pam x.pam quad.txt
run 2 --pam
run 2 --frobnicate good.bmp
[ ! -e x.pam ] || fail "a PAM was written despite a usage error"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
