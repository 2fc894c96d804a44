#!/usr/bin/env bash
# Checks that every dependency between folders points down: a source file may include files of
# its own folder and of folders on a lower level of the table below, never one on its own level
# or above. Reads the '#include "..."' lines of the tracked C++ sources; exits non-zero and
# names each file, line and include that breaks the order.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# Folder (or single file) and its level; the longest matching entry names a file's place.
# Folders on the same level are independent of each other.
order='
model         0
formats       1
eval          1
endgame       1
search        2
headless      3
analysis      4
app           5
gui_base      6
match         6
cli           7
dialogs       7
ui            8
app/main.cpp  9
bench         10
fuzz          10
tests         10
'

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    sources="$(git ls-files -- '*.cpp' '*.h')"
else
    sources="$(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
        sed 's|^\./||')"
fi

# shellcheck disable=SC2086
grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $sources |
    awk -v order="$order" -v sources="$sources" '
    function place(path,    best, prefix) {
        best = ""
        for (prefix in level) {
            if ((path == prefix || index(path, prefix "/") == 1) && length(prefix) > length(best)) {
                best = prefix
            }
        }
        return best
    }
    # The include as the compiler finds it: beside the including file first, then from the root.
    # A bare name that is not tracked is generated beside its file (a .moc).
    function resolve(file, included,    dir, parts, n, i, out, m, joined) {
        dir = file
        sub(/[^\/]*$/, "", dir)
        n = split(dir included, parts, "/")
        m = 0
        for (i = 1; i <= n; i++) {
            if (parts[i] == "" || parts[i] == ".") continue
            if (parts[i] == "..") { if (m > 0) m--; continue }
            out[++m] = parts[i]
        }
        joined = ""
        for (i = 1; i <= m; i++) joined = joined (i > 1 ? "/" : "") out[i]
        if (joined in tracked) return joined
        return (included ~ /\//) ? included : dir included
    }
    BEGIN {
        n = split(order, rows, "\n")
        for (i = 1; i <= n; i++) {
            if (split(rows[i], fields, " ") == 2) level[fields[1]] = fields[2] + 0
        }
        n = split(sources, files, "\n")
        for (i = 1; i <= n; i++) tracked[files[i]] = 1
        failures = 0
    }
    {
        file = $0; sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        line = rest; sub(/:.*/, "", line)
        included = rest; sub(/^[^"]*"/, "", included); sub(/".*$/, "", included)
        from = place(file)
        target = resolve(file, included)
        to = place(target)
        if (from == "") {
            printf "%s: its folder is not in the order of scripts/check_includes.sh\n", file
            failures++
        } else if (to == "") {
            printf "%s:%s: includes \"%s\", whose folder is not in the order\n", file, line, included
            failures++
        } else if (to != from && level[to] >= level[from]) {
            printf "%s:%s: includes \"%s\": %s (level %d) may not include %s (level %d)\n",
                file, line, included, from, level[from], to, level[to]
            failures++
        }
    }
    END {
        if (failures > 0) {
            printf "%d include(s) break the order; a folder includes only folders of a lower level:%s",
                failures, order
            exit 1
        }
    }'
echo "includes: every folder dependency points down"
