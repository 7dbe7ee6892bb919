#!/usr/bin/env bash
# Writes the seeds of every fuzz target from the generated assets and config.txt, plus small
# hand-made cases of what the readers must survive. OUT_DIR/<target>/ holds the small seeds the
# fuzzers start from; OUT_DIR/large/<target>/ holds whole assets and inputs near the 64 KiB limit
# that are costly to read. Those are only replayed (and timed): as seeds they would make every
# mutation as slow as they are.
# Usage: make-seeds.sh SOURCE_DIR OUT_DIR   (OUT_DIR is made anew)
set -euo pipefail
src=$1
out=$2
rm -rf "$out"
for target in mesh_text config bmp_image recording; do
    mkdir -p "$out/$target" "$out/large/$target"
done

# Repeats $1 (a printf format without conversions) $2 times, in one printf.
repeat() { printf "$1%.0s" $(seq "$2"); }

cd "$out/mesh_text"
for mesh in "$src"/assets/meshes/*.txt; do
    name=$(basename "$mesh" .txt)
    cp "$mesh" "../large/mesh_text/$name.txt"
    # The first lines hold every kind of statement the file has.
    head -n 60 "$mesh" > "$name-head.txt"
done
printf 'v 0 0 0\nv 1 0 0 2\nv 0 1 0 0\nvt 0 1\nvt 1 1 4\nvn 0 0 1\r\nf 1/1/1 2/2/1 3//1\nf 3 2 1 4\n' > polygon.txt
printf 'f 1 2 3\nv 1e40 -1e40 nan\nvt inf -0\nvn x y z\nf -1/0/99999999999 2/-2147483649 1//\n' > references.txt
printf 'v 1 2\n' > short-vertex.txt
printf 'f 1 2\n' > short-face.txt
{ printf 'v 1 1 1\nf'; repeat ' 1/1/1' 10900; printf '\n'; } > ../large/mesh_text/long-face.txt
repeat 'v 1 2 3\n' 8190 > ../large/mesh_text/many-vertices.txt
repeat 'f 1 2 3\n' 8190 > ../large/mesh_text/many-faces.txt

cd "$out/config"
cp "$src/config.txt" shipped.txt
printf 'fullscreen=no\nwidth=640\nheight=480\nrefresh_rate=60\ncursor=yes\n' > e2e.txt
printf 'fullscreen=yes\r\nwidth= +12x\r\nheight=-2147483649\rcursor=no\nwidth=99999999999\n=\nkey\n' > odd.txt
printf 'cursor=yes\0tail\nrefresh_rate=\t-7\n# width=1\nwidth==3' > nul.txt
{ printf 'width='; repeat 9 65500; printf '\n'; } > ../large/config/long-value.txt
repeat 'a=b\n' 16380 > ../large/config/many-lines.txt
repeat 'a\n' 32760 > ../large/config/many-keys.txt

cd "$out/bmp_image"
cp "$src"/assets/textures/*.bmp ../large/bmp_image/
# Small pictures of every depth the reader knows. Two sources are enough: making a palette takes
# ImageMagick about a second.
for name in enemy water_normals; do
    texture=$src/assets/textures/$name.bmp
    convert "$texture" \
        \( +clone -resize 9x5! -monochrome -compress None -write "BMP3:$name-1.bmp" +delete \) \
        \( +clone -resize 7x5! -posterize 2 -type Palette -compress None -write "BMP3:$name-4.bmp" +delete \) \
        \( +clone -resize 6x3! -type Palette -compress None -write "BMP3:$name-8.bmp" +delete \) \
        \( +clone -resize 5x3! -define bmp:subtype=RGB565 -write "BMP:$name-16.bmp" +delete \) \
        \( +clone -resize 5x3! -define bmp:subtype=RGB555 -write "BMP3:$name-16-555.bmp" +delete \) \
        \( +clone -resize 3x2! -alpha set -define bmp3:alpha=true -write "BMP3:$name-32.bmp" +delete \) \
        +define bmp:subtype +define bmp3:alpha -resize 3x3! -compress None "BMP3:$name-24.bmp"
done
le16() { for v; do printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"; done; }
le32() { for v; do le16 $((v & 65535)) $((v >> 16 & 65535)); done; }
# header FILE_SIZE OFFSET HEADER_SIZE WIDTH HEIGHT DEPTH COMPRESSION COLOURS
header() { printf 'BM'; le32 "$1" 0 "$2" "$3" "$4" "$5"; le16 1 "$6"; le32 "$7" 0 2835 2835 "$8" 0; }
header 70 54 40 2 2 24 0 0 > truncated.bmp
{ header 62 58 40 1 1 8 0 300; printf '\1\2\3\0\xff\0\0\0'; } > colours.bmp
{ header 80 54 40 1 -1 32 0 0; le32 -1 -1; } > top-down.bmp
header 54 54 40 32768 2048 32 0 0 > large.bmp
header 54 54 40 8192 8192 1 0 0 > large-1.bmp
header 54 4000000000 40 3 3 24 0 0 > offset.bmp
header 54 54 40 3 3 16 3 0 > masks-missing.bmp
header 54 54 40 3 3 24 1 0 > rle.bmp
{ header 65536 54 40 128 128 24 0 0; repeat '\x10\x80\xf0\x08' 16370; } > ../large/bmp_image/full-64k.bmp
{ header 65536 54 40 1024 511 1 0 0; repeat '\x55' 65482; } > ../large/bmp_image/full-64k-1.bmp

cd "$out/recording"
# header WIDTH HEIGHT ASSETS_LOW: magic, version 1, the size, assets, frame size 82
rec_header() { printf 'KALVREC\n'; le32 1 "$1" "$2" "$3" 0 82; }
# frame KEYS CURSOR_X_HIGH_BYTES: dt 1/64 s, keys, cursor (x from its two high bytes, y 300),
# 800x600, a pad at rest, checksum 0
frame() {
    printf '\0\0\0\0\0\0\x90\x3f'; le16 "$1"; printf '\0\0\0\0\0\0'; le16 "$2"
    printf '\0\0\0\0\0\xc0\x72\x40'; le32 800 600; printf '\1'; repeat '\0' 15
    le32 0 0 0 0; printf '\0\0\x80\xbf\0\0\x80\xbf'; repeat '\0' 8
}
{ rec_header 800 600 7; frame 2 16505; frame 2050 16505; frame 6146 16512; frame 1 16512; } > session.rec
{ rec_header 640 480 7; frame 0 16505; frame 8191 16505; } > whole.part
head -c 150 whole.part > truncated.rec && rm whole.part
rec_header 800 600 7 > header-only.rec
# 512 frames of driving, made by doubling one.
frame 2050 16505 > many.part
for _ in $(seq 9); do cat many.part many.part > double.part && mv double.part many.part; done
{ rec_header 800 600 7; cat many.part; } > ../large/recording/long.rec
rm many.part
