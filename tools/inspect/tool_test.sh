#!/bin/bash
# kalvanor-inspect on good and broken pictures and meshes, judged by exit status and output.
# Usage: tool_test.sh PATH/TO/kalvanor-inspect
set -u
tool=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0

fail() { echo "FAIL: $*"; failed=1; }

# check STATUS ARGS... <<< OUTPUT: the tool exits STATUS and prints exactly OUTPUT (stdout and
# stderr together); an OUTPUT of * takes anything.
check() {
    local expected=$1 want status
    want=$(cat)
    out=$("$tool" "${@:2}" 2>&1) && status=0 || status=$?
    [ "$status" -eq "$expected" ] && { [ "$want" = '*' ] || [ "$out" = "$want" ]; } ||
        fail "'${*:2}' exited $status, expected $expected: $out"
}

le16() { for v; do printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"; done; }
le32() { for v; do le16 $((v & 65535)) $((v >> 16 & 65535)); done; }

# 2x2, 24-bit, rows bottom first, blue-green-red and 2 bytes of padding each: red, green; blue, white.
{
    printf 'BM'; le32 70 0 54 40 2 2; le16 1 24; le32 0 16 2835 2835 0 0
    printf '\x00\x00\xff\x00\xff\x00\x00\x00\xff\x00\x00\xff\xff\xff\x00\x00'
} > good.bmp
printf 'hello, not a picture\n' > text.bmp
head -c 60 good.bmp > cut.bmp
mkdir folder.bmp
printf 'v 0 0 0\r\nv 1 0 0\r\nv 1 1 0\r\nv 0 1 0\r\n# quad\r\nf 1 2 3 4' > quad.txt
printf 'v 0 0 0\nv 1 0 0\nf 1 2\n' > short_face.txt

check 0 quad.txt <<< 'quad.txt: mesh 2 triangles' # CRLF, a polygon, no last line end

# One bad file spoils the status, but every file is still reported, in order.
check 1 text.bmp missing.bmp short_face.txt missing.txt notes.obj good.bmp quad.txt <<'END'
Bitmap Error: text.bmp is not a Windows BMP file!
text.bmp: bmp 1x1, 24-bit
Bitmap Error: Cannot open file missing.bmp for input.
missing.bmp: bmp 1x1, 1-bit
short_face.txt: Failed parsing face definition.
missing.txt: Stream could not be opened. File name: missing.txt
notes.obj: not an asset the game reads (.bmp or .txt)
good.bmp: bmp 2x2, 24-bit
quad.txt: mesh 2 triangles
END

# Read, yet not cleanly: a file cut short. A folder is no picture.
check 1 cut.bmp <<'END'
Bitmap Error: Could not read proper amount of data.
cut.bmp: bmp 2x2, 24-bit
END
check 1 folder.bmp <<'END'
Bitmap Error: Cannot open file folder.bmp for input.
folder.bmp: bmp 1x1, 1-bit
END

# The PAM holds what the game sees: RGBA, rows top first, alpha 0 from a 24-bit file.
check 0 --pam good.pam good.bmp <<< 'good.bmp: bmp 2x2, 24-bit'
cmp -s good.pam <(printf 'P7\nWIDTH 2\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n%b' \
    '\x00\x00\xff\x00\xff\xff\xff\x00\xff\x00\x00\x00\x00\xff\x00\x00') || fail "good.pam differs"

# Usage errors, and no PAM written for them.
for args in "" "--frobnicate good.bmp" "--pam x.pam quad.txt" "--pam x.pam good.bmp quad.txt"; do
    # shellcheck disable=SC2086 # split into arguments on purpose
    check 2 $args <<< '*'
done
[ ! -e x.pam ] || fail "a PAM was written despite a usage error"
exit $failed
