#!/usr/bin/env bash
# Prints one sha256 for each of a set of seeded dossier-cli runs: its standard output, its
# standard error, its exit status and any file it wrote. Run it before and after a change that
# must not change behaviour, and compare the two lists:
#   tools/seeded_outputs.sh [path/to/dossier-cli] > before.txt
set -uo pipefail
cli=$(realpath "${1:-build/bin/dossier-cli}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

run() {
    local name=$1; shift
    rm -rf out && mkdir out
    "$cli" "$@" > stdout 2> stderr
    local status=$?
    {
        echo "exit $status"
        cat stdout stderr
        # PDFs carry their creation time; their text is what must stay.
        find out -type f | sort | while read -r file; do
            echo "== $file"
            case "$file" in *.pdf) pdftotext -layout "$file" - ;; *) cat "$file" ;; esac
        done
    } | sha256sum | sed "s/ .*/  $name/"
}

"$cli" --format json --count 50 --seed 1 --output party.jsonl
run quick-50            --count 50 --seed 1 --output -
run level               --mode level --level 12 --count 20 --seed 2 --output -
run sex                 --mode sex --sex f --count 20 --seed 3 --output -
run sex-level           --mode sex-level --sex m --level 17 --count 20 --seed 4 --output -
run my-characteristics  --mode my-characteristics --sex f --race Asian --age 57 --height "5'10\"" \
                        --military Seaman --branch Navy --level 12 --count 20 --seed 5 --output -
run my-traits           --mode my-traits --ps 40 --ch 95 --k 12.5 --count 20 --seed 6 --output -
run traits-knowledge    --mode traits --k 500 --level 20 --count 5 --seed 7 --output -
run broken-preset       --mode my-traits --ch abc --seed 8 --output -
run hostile-texts       --mode my-characteristics --race $'A\tB' --hair "Ch$(printf '\xc3\xa2')tain" \
                        --weight "$(printf '\xff')" --count 3 --seed 9 --format json
run json-100            --format json --count 100 --seed 10
run preset-report       --sex f --race Black --age 60 --count 3 --seed 11 --output -
run load-sheets         --load party.jsonl --output -
run load-json           --load party.jsonl --format json
run load-roster         --load party.jsonl --format roster --output out/roster.md
run load-mode           --load party.jsonl --mode my-characteristics --ps 99 --seed 12 --output -
run folder              --count 12 --seed 13 --output out/
run pdfs                --load party.jsonl --format pdf --output out/sheets.pdf
run roster-pdf          --load party.jsonl --format roster-pdf --output out/roster.pdf
run usage-count         --count 0 --output -
run usage-level         --mode level --level 05
run help                --help
