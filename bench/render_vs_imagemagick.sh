#!/usr/bin/env bash
# Compares whole processes side by side in one hyperfine run:
#  1. one `Velloro --render` of the default title to PNG against one
#     ImageMagick command that bevels the same title's mask with a distance
#     transform and -shade (goal: Velloro at least 2x faster);
#  2. a batch of 100 titles in one Velloro process against 100 such
#     ImageMagick runs (goal: at least 15x faster).
# Usage: bash bench/render_vs_imagemagick.sh [build folder]   (default: build)
# Needs hyperfine and ImageMagick 6 (Debian packages hyperfine, imagemagick).
set -euo pipefail

build=${1:-build}
velloro=$(realpath "$build/bin/Velloro")
# Debian's own ImageMagick binary, called directly so that no wrapper on the
# path takes part in the timing.
magick=$(command -v convert-im6.q16 || command -v magick || command -v convert)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same title as Velloro's default: bold sans text, 631 x 331 white canvas,
# bevelled in the default blue. The mask is kept (mpr:mask) so that only the
# title is shaded; the distance transform gives the bevel's slope and -shade
# lights it. TEXT and OUT are filled in per run.
imagemagick="'$magick' -size 631x331 xc:black -font DejaVu-Sans-Bold -pointsize 100 -fill white \
  -annotate +20+100 \"TEXT\" -write mpr:mask \
  -morphology Distance 'Euclidean:4,12!' -shade 135x35 -auto-level \
  -fill '#0000c8' -tint 100 \
  \\( -size 631x331 xc:white \\) +swap mpr:mask -composite \"OUT\""
one_title=${imagemagick//TEXT/Velloro}
one_title=${one_title//OUT/$work/imagemagick/one.png}
batch_title=${imagemagick//TEXT/Title \$i}
batch_title=${batch_title//OUT/$work/imagemagick/title\$i.png}

list="$work/titles.txt"
for i in $(seq 1 100); do printf 'Title %d\ttitle%d.png\n' "$i" "$i"; done >"$list"
mkdir -p "$work/velloro" "$work/imagemagick"

hyperfine --shell bash --warmup 2 --runs 15 --export-markdown "$work/one.md" \
  -n "Velloro --render (one title)" "'$velloro' --render --text Velloro -o '$work/velloro/one.png'" \
  -n "ImageMagick (one title)" "$one_title"

hyperfine --shell bash --warmup 1 --runs 5 --export-markdown "$work/batch.md" \
  -n "Velloro --render --batch (100 titles)" \
  "'$velloro' --render --batch '$list' --out-dir '$work/velloro'" \
  -n "ImageMagick (100 runs)" \
  "for i in \$(seq 1 100); do $batch_title; done"

cat "$work/one.md" "$work/batch.md"
