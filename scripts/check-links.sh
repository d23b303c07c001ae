#!/usr/bin/env bash
# Checks the library layout: each library under src/ (and the program, src/main.cpp) links exactly
# the libraries whose headers it includes, and what its headers include it links PUBLIC, as named
# in its CMakeLists.txt; and Qt Widgets appears only in the window library, main.cpp and the tests
# and benchmarks that drive the window. Exits non-zero naming each mismatch.
set -euo pipefail
cd "$(dirname "$0")/.."

libraries=$(for dir in src/*/; do [[ -f $dir/CMakeLists.txt ]] && basename "$dir"; done | sort)
failed=0
fail() {
    echo "check-links: $*" >&2
    failed=1
}

# The folders named by '#include "<folder>/..."' in the files given.
included() {
    { grep -ohE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$@" || true; } |
        sed -E 's/.*"([^"/]+)\//\1/' | sort -u
}

# Reports the folders of $2 that are no library; $1 says whose includes they are.
known() {
    local unknown
    unknown=$(comm -23 <(echo "$2") <(echo "$libraries") | grep . | tr '\n' ' ' || true)
    [[ -z $unknown ]] || fail "$1 includes from folders that are no library under src/: $unknown"
}

# The zelvik_* libraries in a CMake call's text, without the "zelvik_" prefix.
named() {
    { grep -oE '\bzelvik_[a-z]+\b' <<<"$1" || true; } | sed 's/^zelvik_//' | sort -u
}

# Reports where the two sorted lists differ: $1 what, $2 included, $3 linked.
compare() {
    local extra missing
    missing=$(comm -23 <(echo "$2") <(echo "$3") | tr '\n' ' ')
    extra=$(comm -13 <(echo "$2") <(echo "$3") | tr '\n' ' ')
    [[ -z ${missing// /} ]] || fail "$1 includes headers of, but does not link: $missing"
    [[ -z ${extra// /} ]] || fail "$1 links, but includes no header of: $extra"
}

for library in $libraries; do
    folder=src/$library
    call=$(tr '\n' ' ' <"$folder/CMakeLists.txt" | grep -oE 'zelvik_library\([^)]*\)' || true)
    if [[ -z $call ]]; then
        fail "$folder/CMakeLists.txt has no zelvik_library(...) call"
        continue
    fi
    call=${call#zelvik_library(}
    links=$(named "$call" | grep -vx "$library" || true)
    public=$(named "$(sed -E 's/.*\bPUBLIC\b//; s/\bPRIVATE\b.*//' <<<"$call")" | grep -vx "$library" || true)
    mapfile -t sources < <(find "$folder" -maxdepth 1 -name '*.cpp' -o -maxdepth 1 -name '*.h')
    mapfile -t headers < <(find "$folder" -maxdepth 1 -name '*.h')
    uses=$(included "${sources[@]}" | grep -vx "$library" || true)
    known "src/$library" "$uses"
    compare "src/$library" "$uses" "$links"
    if ((${#headers[@]})); then
        fromHeaders=$(included "${headers[@]}" | grep -vx "$library" || true)
        missing=$(comm -23 <(echo "$fromHeaders") <(echo "$public") | tr '\n' ' ')
        [[ -z ${missing// /} ]] ||
            fail "src/$library's headers include headers of, but it links only PRIVATE: $missing"
    fi
done

# The program: main.cpp and the links of the zelvik executable.
call=$(tr '\n' ' ' <CMakeLists.txt | grep -oE 'target_link_libraries\(zelvik [^)]*\)' || true)
known src/main.cpp "$(included src/main.cpp)"
compare "src/main.cpp" "$(included src/main.cpp)" "$(named "${call#target_link_libraries(zelvik }")"

# Qt Widgets: only the window library, main.cpp, and tests and benchmarks that drive the window.
while IFS= read -r file; do
    case $file in
    src/window/* | src/main.cpp | tests/window/* | tests/support/windowsupport.* | bench/*) continue ;;
    tests/*.cpp) grep -q '#include "windowsupport.h"' "$file" && continue ;;
    esac
    if grep -HnE 'QWidget|QMessageBox|Qt6::Widgets' "$file" >&2; then
        fail "$file uses Qt Widgets outside the window library"
    fi
done < <(git ls-files --cached --others --exclude-standard -- src tests bench cmake CMakeLists.txt |
    grep -E '\.(cpp|h|ui|cmake)$|CMakeLists\.txt$' | while read -r f; do [[ -f $f ]] && echo "$f"; done)

if ((failed)); then
    echo "check-links: the libraries' links and includes do not match (see above)." >&2
    exit 1
fi
echo "Links match includes; Qt Widgets stays in the window."
