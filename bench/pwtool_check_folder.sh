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

# The two commands take turns, five runs each, and the least time of each
# counts: the machine's other load then falls on both alike.
milliseconds_of() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

grep_ms=
check_ms=
for _ in 1 2 3 4 5; do
  # Both get every file on one command line, as "site/*.html" would give them.
  ms=$(milliseconds_of grep -c '<' "${files[@]}")
  if [[ -z $grep_ms || $ms -lt $grep_ms ]]; then grep_ms=$ms; fi
  ms=$(milliseconds_of "$build_dir/bin/pwtool" check --settings "$settings" "${files[@]}")
  if [[ -z $check_ms || $ms -lt $check_ms ]]; then check_ms=$ms; fi
done
echo "grep -c '<': ${grep_ms} ms (least of five)"
echo "pwtool check: ${check_ms} ms (least of five)"
echo "ratio: $(awk -v a="$check_ms" -v b="$grep_ms" 'BEGIN { printf "%.2f", a / b }')"
