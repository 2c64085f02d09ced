#!/usr/bin/env bash
# "pwtool check" over a folder of 5,000 real pages, timed beside
# "grep -c '<'" over the same files. The pages are HTML documentation that
# Debian ships (Boost, the C++ library, the Python manual), copied into a cache
# folder once.
#
#   bench/pwtool_check_folder.sh [BUILD_DIR] [PAGES_DIR]
set -euo pipefail
source "$(dirname "$0")/debian_packages.sh"

build_dir=${1:-build}
pages_dir=${2:-${XDG_CACHE_HOME:-$HOME/.cache}/pagewick-pages}
packages=(libboost1.74-doc libstdc++-12-doc python3.11-doc)
wanted=5000

install_missing_packages "${packages[@]}"

if [[ $(find "$pages_dir" -name '*.html' 2>/dev/null | wc -l) -lt $wanted ]]; then
  rm -rf "$pages_dir"
  mkdir -p "$pages_dir"
  n=0
  for package in "${packages[@]}"; do
    dpkg -L "$package" | grep -E '\.html?$' | sort
  done | while read -r page; do
    [[ -f $page ]] || continue
    n=$((n + 1))
    if ((n <= wanted)); then cp "$page" "$pages_dir/$(printf '%05d' "$n").html"; fi
  done
fi

mapfile -t files < <(find "$pages_dir" -name '*.html' | sort)
bytes=$(cat "${files[@]}" | wc -c)
echo "${#files[@]} pages, $((bytes / 1024 / 1024)) MB"

settings=$(mktemp)
trap 'rm -f "$settings"' EXIT
export PAGEWICK_PROGRAM_DIR="$PWD/$build_dir/share/pagewick"

time_of() {
  local best=
  for _ in 1 2 3; do
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null || true
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000000))
    if [[ -z $best || $ms -lt $best ]]; then best=$ms; fi
  done
  echo "$best"
}

# Both get every file on one command line, as "site/*.html" would give them.
grep_ms=$(time_of grep -c '<' "${files[@]}")
check_ms=$(time_of "$build_dir/bin/pwtool" check --settings "$settings" "${files[@]}")
echo "grep -c '<': ${grep_ms} ms (least of three)"
echo "pwtool check: ${check_ms} ms (least of three)"
echo "ratio: $(awk -v a="$check_ms" -v b="$grep_ms" 'BEGIN { printf "%.2f", a / b }')"
