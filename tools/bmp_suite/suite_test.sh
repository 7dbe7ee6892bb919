#!/bin/bash
# The game's BMP reader against ImageMagick: every variant that make_suite.sh writes either decodes
# to ImageMagick's own pixels (exactly, or within the game's 16-bit rule) or is refused with its
# message and exit status 1. Prints one line per variant.
# Usage: suite_test.sh PATH/TO/kalvanor-inspect OUT-FOLDER [CONVERT]
set -u
tool=$(realpath "$1")
out=$2
export CONVERT=${3:-convert}
bash "$(dirname "$0")/make_suite.sh" "$out" || { echo "FAIL: the variants could not be written"; exit 1; }
cd "$out" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The red, green and blue bytes of an RGBA stream, one per line.
rgb() { od -An -v -tu1 | tr -s ' ' '\n' | grep -v '^$' | awk 'NR % 4 != 0'; }

while read -r file how message; do
    name=${file%.bmp}
    output=$("$tool" --pam "$name.pam" "$file" 2>&1) && status=0 || status=$?
    if [ "$how" = refused ]; then
        [ "$status" -eq 1 ] && [ "$(head -n 1 <<< "$output")" = "${message//@/$file}" ] &&
            [ "$(tail -n 1 <<< "$output")" = "$file: bmp 1x1, 1-bit" ] &&
            echo "$file: refused: $message" || fail "$file exited $status: $output"
        continue
    fi
    # Nothing but the summary line: no warning, no error.
    [ "$status" -eq 0 ] && [[ "$output" == "$file: bmp 13x7, "*-bit ]] || fail "$file exited $status: $output"
    "$CONVERT" "$file" -depth 8 "rgba:$name.rgba" || { fail "ImageMagick cannot read $file"; continue; }
    # Column 1 the game's value, column 2 ImageMagick's; prints how many values there are and
    # how many differ.
    read -r count differences < <(paste <(tail -c $((13 * 7 * 4)) "$name.pam" | rgb) <(rgb < "$name.rgba") |
        awk -v how="$how" '{ want = how == "rounded" ? $2 - $2 % 8 : $2 }
            how == "widened" && $1 == $2 + int($2 / 16) { want = $1 } # or exact, should it scale one day
            $1 != want { n++ } END { print NR, n + 0 }')
    [ "$count" -eq $((13 * 7 * 3)) ] && [ "$differences" -eq 0 ] && echo "$file: decodes $how" ||
        fail "$file: $differences of $count values differ from ImageMagick's ($how)"
done < expected.txt
exit $failed
