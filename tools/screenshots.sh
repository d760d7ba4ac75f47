#!/usr/bin/env bash
# Renders each tab of the window and the about box to docs/screenshots/*.png under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
make build >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" build/tools/dossier_screenshots docs/screenshots
ls docs/screenshots
