#!/bin/sh
# The README's commands on a bare Debian 12, where even make may be missing: installs every
# package the build needs (make included), then hands the targets over to make.
#   ./make run     build and open the window
#   ./make test    build and run every test
set -e
cd "$(dirname "$0")"
if ! command -v bash >/dev/null 2>&1; then
    echo "./make: bash is needed to install the build's packages; please install it" >&2
    exit 1
fi
bash tools/bootstrap.sh
exec make "$@"
