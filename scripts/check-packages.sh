#!/usr/bin/env bash
# Checks that the package list of setup.sh brings everything a configured build uses, so that a fresh Debian 12
# (installing without recommends) builds as this machine does. Run after the configure step:
#   scripts/check-packages.sh BUILD-DIR
# Every CMake package folder the configure found under /usr and every system library on a link line must belong to
# a package in the dependency closure of the list (no recommends; an alternative counts as its first choice only).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build="${1:?usage: $0 BUILD-DIR}"
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "check-packages: no $cache; configure first" >&2; exit 2; }

# The closure, walked here rather than by apt-cache, which would follow every alternative.
closure() {
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
        --no-enhances "$@" 2>/dev/null |
        awk -v roots="$*" '
            function bare(name) { sub(/:.*/, "", name); gsub(/[<>]/, "", name); return name }
            /^[^ ]/ { pkg = bare($1); alt = 0; virt = ""; next }
            /^ [ |](Pre)?Depends:/ {
                target = bare($2)
                if (!alt) { if ($2 ~ /^</) virt = target; else { deps[pkg] = deps[pkg] " " target; virt = "" } }
                else virt = ""
                alt = ($0 ~ /^ \|/)
                next
            }
            /^    / { if (virt != "") { deps[pkg] = deps[pkg] " " bare($1); virt = "" } next }
            END {
                n = split(roots, queue, " ")
                for (i = 1; i <= n; i++) seen[queue[i]] = 1
                for (i = 1; i <= n; i++) {
                    m = split(deps[queue[i]], next_, " ")
                    for (j = 1; j <= m; j++) if (!(next_[j] in seen)) { seen[next_[j]] = 1; queue[++n] = next_[j] }
                }
                for (p in seen) print p
            }'
}

owner() {
    local file="$1" real
    real="$(readlink -f "$file")"
    { dpkg -S "$file" 2>/dev/null || dpkg -S "$real" 2>/dev/null; } | grep -v '^diversion' | head -n 1 |
        cut -d: -f1 | cut -d, -f1
}

# name<TAB>what-needs-it, one line per file the build uses.
used_files() {
    local key dir name file
    grep -E '^[A-Za-z0-9_]+_DIR:PATH=/usr/' "$cache" | while IFS= read -r line; do
        key="${line%%:PATH=*}"
        dir="${line#*:PATH=}"
        name="${key%_DIR}"
        for file in "$dir/${name}Config.cmake" "$dir/${name,,}-config.cmake"; do
            if [ -f "$file" ]; then
                printf '%s\t%s\n' "$file" "CMake package $name"
                break
            fi
        done
    done
    find "$build" -name link.txt -exec cat {} + | tr ' ' '\n' | sort -u | while IFS= read -r token; do
        case "$token" in
        /usr/*.so | /usr/*.so.* | /usr/*.a) printf '%s\t%s\n' "$token" "linked" ;;
        -l*)
            for file in "lib${token#-l}.so" "lib${token#-l}.a"; do
                file="$(${CXX:-c++} -print-file-name="$file")"
                if [ "${file#/}" != "$file" ]; then
                    printf '%s\t%s\n' "$(readlink -f "$file")" "linked as $token"
                    break
                fi
            done
            ;;
        esac
    done
}

declare -A have=()
while IFS= read -r package; do have["$package"]=1; done < <(closure "${TALVO_PACKAGES[@]}")

declare -A missing=()
while IFS=$'\t' read -r file why; do
    package="$(owner "$file")"
    if [ -z "$package" ]; then
        echo "check-packages: no package owns $file ($why)" >&2
        missing["(unowned) $file"]=1
    elif [ -z "${have[$package]:-}" ]; then
        echo "check-packages: $package is not brought by the list: it owns $file ($why)"
        missing["$package"]=1
    fi
done < <(used_files)

if [ ${#missing[@]} -gt 0 ]; then
    echo "check-packages: add to TALVO_PACKAGES in scripts/setup.sh: $(printf '%s\n' "${!missing[@]}" | sort | paste -sd ' ')"
    exit 1
fi
echo "check-packages: every CMake package and linked library of $build comes with the package list"
