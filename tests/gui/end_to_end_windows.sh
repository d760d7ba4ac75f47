#!/usr/bin/env bash
# The Windows zip used as a game master would: unpacked into a bare Wine prefix, dossier-cli.exe
# run, dossier.exe started in a display and worked with the mouse and keyboard (xdotool), the
# files it writes read back on the host. The window's tabs are saved as PNGs in the folder of
# SCREENSHOTS (default: build-windows/screenshots).
#   tests/gui/end_to_end_windows.sh ZIP STAND_IN_VIEWER SCREENSHOT_TOOL
set -Eeuo pipefail  # -E: a command failing inside a function is reported too
[ $# -eq 3 ] || { echo "usage: $0 ZIP STAND_IN_VIEWER SCREENSHOT_TOOL" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
zip=$(realpath "$1") recorder=$(realpath "$2") grab=$(realpath "$3")
shots=$(realpath -m "${SCREENSHOTS:-build-windows/screenshots}")
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
drive=$WINEPREFIX/drive_c
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR

step() { echo "end-to-end: $*"; }
# Without a window manager the keyboard goes to the window under the pointer; xdotool says so.
x() { xdotool "$@" 2>> "$scratch/xdotool.log"; }
# What the window showed and the program said, where it fails, for the log to tell why.
fail() {
    echo "end-to-end: FAILED: $*" >&2
    if [ -n "${window:-}" ]; then
        "$grab" --window "$window" "$shots/windows-failure.png" 2>/dev/null &&
            echo "end-to-end: the window as it was: $shots/windows-failure.png" >&2
    fi
    [ -s "$scratch/program.log" ] && sed 's/^/dossier.exe: /' "$scratch/program.log" >&2
    [ -s "$scratch/xdotool.log" ] && tail -n 5 "$scratch/xdotool.log" | sed 's/^/xdotool: /' >&2
    exit 1
}
# Waits up to half a minute (a loaded machine, Wine's first use of a program) for a file to
# appear, or to be the same as another.
await() { for _ in $(seq 300); do [ -s "$1" ] && return 0; sleep 0.1; done; fail "$2"; }
await_same() { for _ in $(seq 300); do cmp -s "$1" "$2" && return 0; sleep 0.1; done; fail "$3"; }
# Opens a file dialog with keys, types a path into its name box over what it suggests, and
# presses Enter. With no window manager to give the focus, keys go to the window under the
# pointer; keys that opened nothing are pressed again.
answer() {  # the keys, the dialog's title, the path
    local dialog=
    for _ in 1 2 3; do
        x mousemove --window "$window" 470 $((menu + 320)) && sleep 0.5  # on no control
        x key --delay 500 Escape $1
        dialog=$(timeout 15 xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null |
            head -n 1) || true
        [ -n "$dialog" ] && break
    done
    [ -n "$dialog" ] || fail "no $2 dialog"
    x mousemove --window "$dialog" 10 10 && sleep 0.5
    x key End shift+Home && x type --delay 30 "$3" && x key Return && sleep 2
}
# The sheet as a reader sees it: quotes and the field separator gone, blanks squeezed.
readable() { sed 's/","//; s/"//g' "$1" | tr -s ' \r\n\f' ' ' | sed 's/^ //; s/ $//'; }

step "the zip unpacks into a bare prefix"
mkdir -p "$scratch/app" && (cd "$scratch/app" && cmake -E tar xf "$zip")
app=$(echo "$scratch"/app/dossier-*-windows-x64)
[ -f "$app/dossier.exe" ] && [ -f "$app/platforms/qwindows.dll" ] || fail "the zip lacks its programs"
$wine wineboot --init >/dev/null 2>&1 && /usr/lib/wine/wineserver -w

step "dossier-cli.exe writes sheets in code page 1252 with CR LF, and PDFs"
$wine "$app/dossier-cli.exe" --count 2 --seed 1 --hair "Ch$(printf '\xc3\xa2')tain" \
    --race White --mode my-characteristics --output 'c:\npcs\' >/dev/null
sheet=$drive/npcs/char-000002.txt
grep -q $'Hair Color Ch\xe2tain"\r$' "$sheet" || fail "the CLI's sheet is not in code page 1252"
[ "$(grep -c $'\r$' "$sheet")" -eq "$(wc -l < "$sheet")" ] || fail "a line without CR LF"
$wine "$app/dossier-cli.exe" --count 2 --seed 1 --format pdf --output 'c:\sheets.pdf'
[ "$(pdfinfo "$drive/sheets.pdf" | awk '/^Pages:/ { print $2 }')" = 2 ] || fail "not two pages"
[ "$(pdftotext "$drive/sheets.pdf" - | grep -c 'PRIMARY TRAITS')" = 2 ] || fail "a PDF without text"

step "dossier.exe starts and draws"
$wine "$app/dossier.exe" >/dev/null 2>"$scratch/program.log" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Character Generation$' | head -n 1)
[ -n "$window" ] || fail "no window"
sleep 2
x windowactivate --sync "$window" || true
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
menu=$((height - 372))  # the client area is 372 pixels high below the menu bar
# Where a button sits in the window: the tab control's corner, then the button's twips.
click() {  # left top width height, in twips from the tab control's top left
    x mousemove --window "$window" $((24 + ($1 + $3 / 2) / 15)) $((menu + ($2 + $4 / 2) / 15)) click 1
    sleep 1
}
# A tab is chosen by a click on its name, which lies where the window's own font puts it; a
# key sent to a window that does not have the focus yet may be lost.
tab() {  # characteristics, traits or quick-generation
    local at
    case $1 in characteristics) at=80 ;; traits) at=162 ;; quick-generation) at=253 ;; esac
    x mousemove --window "$window" $at $((menu + 9)) click 1
    sleep 1
}
mkdir -p "$shots"
for name in characteristics traits quick-generation; do
    tab $name
    "$grab" --window "$window" "$shots/windows-$name.png" 2>/dev/null
    [ "$(stat -c %s "$shots/windows-$name.png")" -gt 8000 ] || fail "the $name tab drew nothing"
done
cmp -s "$shots/windows-characteristics.png" "$shots/windows-quick-generation.png" &&
    fail "a click on a tab's name does not show it"

step "a click on Completely Random Generation writes c:\\char.txt, as the window shows it"
click 1200 960 1455 735
await "$drive/char.txt" "no sheet was written"
[ "$(grep -c $'\r$' "$drive/char.txt")" -eq "$(wc -l < "$drive/char.txt")" ] || fail "no CR LF"
answer ctrl+s "Save Character" 'c:\npc.json'
await "$drive/npc.json" "Save Character wrote nothing"
$wine "$app/dossier-cli.exe" --load 'c:\npc.json' --output - > "$scratch/again.txt"
cmp -s "$drive/char.txt" "$scratch/again.txt" || fail "the saved character is not the sheet's"

step "Open Character brings the saved character back"
cp "$drive/char.txt" "$scratch/first.txt"
click 1200 960 1455 735
cmp -s "$drive/char.txt" "$scratch/first.txt" && fail "a second generation wrote the same sheet"
answer ctrl+o "Open Character" 'c:\npc.json'
await_same "$drive/char.txt" "$scratch/first.txt" "the opened character's sheet differs"

step "Export Sheet as PDF writes the sheet's text"
answer "alt+f e" "Export Sheet as PDF" 'c:\sheet.pdf'
await "$drive/sheet.pdf" "no PDF was written"
[ "$(pdftotext -layout "$drive/sheet.pdf" - | tr -s ' \n\f' ' ' | sed 's/^ //; s/ $//')" = \
  "$(readable "$drive/char.txt")" ] || fail "the PDF's text is not the sheet's"

step "Fill In Profile ends the next sheet with a profile, shown beside the tabs"
# The menu by its keys; keys sent before the window has the focus are lost, so again until the
# next generation's sheet has its profile.
for _ in 1 2 3; do
    x mousemove --window "$window" 470 $((menu + 320)) && sleep 0.5  # on no control
    x key --delay 500 Escape alt+p f && sleep 1
    click 1200 960 1455 735
    for _ in $(seq 50); do grep -q '^"PROFILE"' "$drive/char.txt" && break; sleep 0.2; done
    grep -q '^"PROFILE"' "$drive/char.txt" && break
done
grep -q $'^"Cover Status              [A-Za-z]*"\r$' "$drive/char.txt" || fail "no profile on the sheet"
"$grab" --window "$window" "$shots/windows-profile.png" 2>/dev/null
[ "$(stat -c %s "$shots/windows-profile.png")" -gt 8000 ] || fail "the profile drew nothing"

step "Open Word Pad starts WordPad by its classic line, or Wine's own"
mkdir -p "$drive/Program Files/Accessories"
cp "$recorder" "$drive/Program Files/Accessories/Wordpad.exe"
click 4080 3600 1455 615
await "$drive/recorded-command-line.txt" "the classic WordPad was not started"
[ "$(iconv -f UTF-16LE -t UTF-8 "$drive/recorded-command-line.txt")" = \
  'C:\Program Files\Accessories\Wordpad.exe c:\char.txt' ] || fail "not the classic command line"
rm "$drive/Program Files/Accessories/Wordpad.exe"
click 4080 3600 1455 615
timeout 30 xdotool search --sync --onlyvisible --name 'WordPad|Wordpad' >/dev/null ||
    fail "Wine's WordPad did not open"

step "Exit ends the program with status 0"
x windowactivate --sync "$window" || true
click 1200 3600 1455 615
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "dossier.exe ended with status $status"
step "passed"
