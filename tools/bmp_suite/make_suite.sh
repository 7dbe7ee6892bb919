#!/bin/bash
# Writes one small picture as the BMP variants that painting programs and converters produce,
# with ImageMagick's convert, into folder OUT; and OUT/expected.txt, one line per variant:
#   NAME.bmp exact       the game's red, green and blue equal ImageMagick's own decode of the file
#   NAME.bmp rounded     the same after the game's rule for 5-5-5 and 5-6-5 pixels (a 5-bit value
#                        times 8, so at most 248): ImageMagick's value with its low 3 bits cleared
#   NAME.bmp widened     4-bit values: ImageMagick shifts them up (15 gives 240) where the game
#                        scales them to the full range (15 gives 255), v * 16 against v * 17
#   NAME.bmp refused MSG the reader refuses the file, MSG being its first line ("@" for the path)
# Alpha is not compared: the game reads it from 32-bit files only.
# Usage: make_suite.sh OUT   (the environment's CONVERT names the program; default: convert)
set -eu
out=$1
convert=${CONVERT:-convert}
mkdir -p "$out"
cd "$out"
rm -f ./*.bmp expected.txt

# 13 x 7: an odd width pads the rows at every depth. A red-to-blue gradient times a yellow-to-black
# one across it gives some 40 colours; the second picture adds an alpha gradient.
"$convert" -size 13x7 gradient:red-blue \( -size 7x13 gradient:yellow-black -rotate 90 \) \
    -compose multiply -composite -alpha off opaque.miff
"$convert" opaque.miff \( -size 13x7 gradient:white-gray20 \) -compose copyopacity -composite alpha.miff

# variant NAME HOW SOURCE OPTIONS... FORMAT: writes NAME.bmp from SOURCE.miff.
variant() {
    local name=$1 how=$2 source=$3
    shift 3
    "$convert" "$source.miff" "${@:1:$#-1}" "${*: -1}:$name.bmp"
    echo "$name.bmp $how" >> expected.txt
}

# ImageMagick picks the palette depth from the colour count, and compresses 8-bit palettes with
# RLE unless told not to. The rendering intent picks the header: none gives 108 bytes, one 124.
variant bmp3-1bit exact opaque -colors 2 -compress none BMP3
variant bmp3-4bit exact opaque -colors 16 -compress none BMP3
variant bmp3-8bit exact opaque -colors 256 -compress none BMP3
variant bmp3-24bit exact opaque BMP3
variant bmp3-32bit exact alpha -define bmp3:alpha=true BMP3
variant bmp4-8bit exact opaque -intent Undefined -colors 256 -compress none BMP
variant bmp4-24bit exact opaque -intent Undefined BMP
variant bmp4-rgb565 rounded opaque -intent Undefined -define bmp:subtype=RGB565 BMP
variant bmp5-4bit exact opaque -intent Perceptual -colors 16 -compress none BMP
variant bmp5-24bit exact opaque -intent Perceptual BMP
variant bmp5-rgb565 rounded opaque -intent Perceptual -define bmp:subtype=RGB565 BMP
variant bmp5-rgb555 rounded opaque -intent Perceptual -define bmp:subtype=RGB555 BMP
variant bmp5-argb1555 rounded alpha -intent Perceptual -define bmp:subtype=ARGB1555 BMP
variant bmp5-argb4444 widened alpha -intent Perceptual -define bmp:subtype=ARGB4444 BMP
variant bmp5-32bit "refused Bitmap Error: @ uses bit fields and is not a" alpha -intent Perceptual BMP
variant bmp3-8bit-rle "refused Bitmap Error: @ is (RLE) compressed." opaque -colors 256 BMP3
variant bmp2-24bit "refused Bitmap Error: @ is an OS/2 bitmap." opaque BMP2
