#!/usr/bin/env bash
# Draws the sample exhibition's pictures with ImageMagick: per item a wide JPEG thumbnail
# (320 x 180) and a tall PNG description image (360 x 640). The committed files were made
# with it; run it again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans
bold=DejaVu-Sans-Bold

# thumbnail NAME TITLE BACKGROUND SHAPE...
thumbnail() {
    local name=$1 title=$2 background=$3
    shift 3
    convert -size 320x180 "xc:$background" "$@" \
        -font "$bold" -pointsize 28 -fill white -gravity south -annotate +0+14 "$title" \
        -strip -quality 85 "${name}_thumb.jpg"
}

# description NAME TITLE BACKGROUND TEXT SHAPE...
description() {
    local name=$1 title=$2 background=$3 text=$4
    shift 4
    convert -size 360x640 "xc:$background" "$@" \
        -font "$bold" -pointsize 34 -fill white -gravity north -annotate +0+40 "$title" \
        -font "$font" -pointsize 18 -fill '#dddddd' -gravity north -annotate +0+380 "$text" \
        -depth 8 -strip -define png:exclude-chunks=date,time "${name}_desc.png"
}

thumbnail lighthouse "Lighthouse" '#12304f' \
    -fill '#f2f2f2' -draw 'polygon 150,120 170,120 165,40 155,40' \
    -fill '#ffd84a' -draw 'polygon 160,45 300,20 300,70'
description lighthouse "Lighthouse" '#12304f' $'A tower and its beam,\nmodelled from a survey.' \
    -fill '#f2f2f2' -draw 'polygon 160,330 200,330 192,150 168,150' \
    -fill '#ffd84a' -draw 'circle 180,160 180,148'

thumbnail ammonite "Ammonite" '#3b2a1e' \
    -fill none -stroke '#e0c08a' -strokewidth 6 \
    -draw 'circle 160,80 160,30' -draw 'circle 160,80 160,50' -draw 'circle 160,80 160,68'
description ammonite "Ammonite" '#3b2a1e' $'A fossil shell seen\nthrough 3 CT slices.' \
    -fill none -stroke '#e0c08a' -strokewidth 8 \
    -draw 'circle 180,240 180,150' -draw 'circle 180,240 180,190' -draw 'circle 180,240 180,220'

thumbnail comet "Comet" '#05050f' \
    -fill '#9fd3ff' -draw 'polygon 60,150 200,70 215,95' \
    -fill white -draw 'circle 210,80 210,66'
description comet "Comet" '#05050f' $'A nucleus, its coma\nand a dust tail.' \
    -fill '#9fd3ff' -draw 'polygon 60,340 240,170 260,200' \
    -fill white -draw 'circle 250,180 250,160'
