#!/usr/bin/env bash
# Brings the translations (translations/zelvik_<code>.ts) up to date with the program's texts:
# Qt's lupdate reads every tr(), QCoreApplication::translate() and .ui text under src/, adds the
# new ones unfinished, keeps the finished translations of texts that stay, and drops those of
# texts that are gone. zelvik_en.ts holds only the texts with plurals (%n), which English needs
# too. Translate the unfinished texts with Qt Linguist (linguist translations/zelvik_de.ts) or in
# any editor, then build: CMake compiles them into the program.
#
#   scripts/update-translations.sh            update every .ts file
#   scripts/update-translations.sh de pt_BR   update these, or start them when they are new
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh build >&2
lupdate="$(qtpaths6 --query QT_HOST_BINS)/lupdate"

if [ $# -gt 0 ]; then
    codes=("$@")
else
    mapfile -t codes < <(find translations -name 'zelvik_*.ts' | sed 's/.*zelvik_\(.*\)\.ts$/\1/' |
        sort)
fi
# No line numbers in the files: they would change with every edit of a source file.
options=(-no-obsolete -locations none -extensions cpp,h,ui)
for code in "${codes[@]}"; do
    ts=translations/zelvik_$code.ts
    if [ "$code" = en ]; then
        "$lupdate" "${options[@]}" -pluralonly -source-language en -target-language en src -ts "$ts"
    else
        "$lupdate" "${options[@]}" -source-language en -target-language "$code" src -ts "$ts"
    fi
done
