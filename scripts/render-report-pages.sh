#!/usr/bin/env bash
# Renders the two printed pages (cover and body) of the sample database's
# first report to PNG for the README: hadtool pdf prints them as the program
# does, pdftoppm turns the PDF into pictures.
#   scripts/render-report-pages.sh            (build folder build/run)
#   BUILD_DIR=build/dev scripts/render-report-pages.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${BUILD_DIR:-$root/build/run}"
case "$dir" in /*) ;; *) dir="$root/$dir" ;; esac

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target hadtool sample_data

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$dir/bin/hadtool" pdf "$dir/bin/Data/2004年房屋安全鉴定报告.had" --index 0 -o "$work/report.pdf"
pdftoppm -r 100 -png "$work/report.pdf" "$work/page"

mkdir -p "$root/docs/images"
cp "$work/page-1.png" "$root/docs/images/report-cover.png"
cp "$work/page-2.png" "$root/docs/images/report-body.png"
echo "docs/images/report-cover.png, docs/images/report-body.png"
