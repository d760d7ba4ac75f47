#!/usr/bin/env bash
# Renders each tab of the window and the about box to docs/screenshots/*.png under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
make build >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" build/tools/dossier_screenshots docs/screenshots
# The first page of a roster of twelve NPCs, as a PDF reader shows it.
scratch=$(mktemp -d)
build/bin/dossier-cli --count 12 --seed 3 --format roster-pdf --output "$scratch/roster.pdf"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$scratch/roster.pdf" docs/screenshots/roster-page
# The same with names and codenames filled in.
build/bin/dossier-cli --count 12 --seed 3 --names --format roster-pdf --output "$scratch/named.pdf"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$scratch/named.pdf" docs/screenshots/roster-page-names
# The same with profiles: each NPC headed by its name, its profile first.
build/bin/dossier-cli --count 12 --seed 3 --profile --format roster-pdf --output "$scratch/profiled.pdf"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$scratch/profiled.pdf" docs/screenshots/roster-page-profiles
# A network of eight, a recruitment and a twist among its ties: the first page of its PDF.
build/bin/dossier-cli --network 8 --seed 10 --format network-pdf --output "$scratch/network.pdf"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$scratch/network.pdf" docs/screenshots/network-8
rm -rf "$scratch"
ls docs/screenshots
