#!/usr/bin/env bash
# Fails when a folder of src/ includes from a folder above it, when the Qt-free folders
# include any Qt header, or when printing/ or cli/ include one of Qt Widgets.
set -uo pipefail
cd "$(dirname "$0")/.."

# Each folder and those it may use, bottom up.
declare -A uses=(
    [platform]="platform"
    [core]="core platform"
    [naming]="naming core platform"
    [profile]="profile naming core platform"
    [frontend]="frontend core platform"
    [reroll]="reroll frontend profile naming core platform"
    [network]="network core platform"
    [export]="export network core platform"
    [printing]="printing network core platform"
    [cli]="cli reroll frontend export network profile naming printing core platform"
    [gui]="gui reroll frontend export network profile naming printing core platform"
)
qt_free="platform core naming profile network export frontend reroll"
widgets_free="printing cli"
widgets_headers=$(find /usr/include -maxdepth 3 -type d -path '*qt6/QtWidgets' 2>/dev/null | head -n 1)

status=0
fail() { echo "check-layers: $*" >&2; status=1; }
for folder in "${!uses[@]}"; do
    while IFS=: read -r file line include; do
        target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<< "$include")
        [ -d "src/$target" ] || continue  # not one of ours, such as the icon in resources/
        [[ " ${uses[$folder]} " == *" $target "* ]] || fail "$file:$line: $folder/ may not use $target/: $include"
    done < <(grep -rnE '^#include "' "src/$folder" --include='*.h' --include='*.cpp')
    while IFS=: read -r file line include; do
        name=$(sed -E 's/^#include <([^>]+)>.*/\1/' <<< "$include")
        if [[ " $qt_free " == *" $folder "* ]]; then
            fail "$file:$line: $folder/ is free of Qt: $include"
        elif [[ " $widgets_free " == *" $folder "* ]] &&
             { [[ $name == QtWidgets/* ]] || { [ -n "$widgets_headers" ] && [ -e "$widgets_headers/$name" ]; }; }; then
            fail "$file:$line: $folder/ may use Qt GUI but not Qt Widgets: $include"
        fi
    done < <(grep -rnE '^#include <Q' "src/$folder" --include='*.h' --include='*.cpp')
done
[ $status -eq 0 ] && echo "check-layers: every folder uses only those below it; Qt stays where it may"
exit $status
