#!/usr/bin/env bash
# The conversions and the HTML check on real pages: HTML manuals that Debian
# ships are joined into a 50 MB file, and that file is repeated ten times into
# a 500 MB one; the html_conversions benchmark then runs once on each.
#
#   bench/conversion_corpus.sh [BUILD_DIR] [CORPUS_DIR]
#
# BUILD_DIR defaults to build, CORPUS_DIR to ${XDG_CACHE_HOME:-~/.cache}/pagewick-corpus;
# the corpus is kept there and built again only when missing. Installing the
# manuals needs root (apt-get). Extra arguments for the benchmark go in
# BENCH_ARGS, e.g. BENCH_ARGS=--benchmark_filter=Check.
set -euo pipefail
source "$(dirname "$0")/debian_packages.sh"

build_dir=${1:-build}
corpus_dir=${2:-${XDG_CACHE_HOME:-$HOME/.cache}/pagewick-corpus}
# The Debian Reference in four languages (accented and Japanese text), then the Python manual.
packages=(debian-reference-en debian-reference-de debian-reference-fr debian-reference-ja python3.11-doc)
small="$corpus_dir/pages-50mb.html"
large="$corpus_dir/pages-500mb.html"
megabyte=$((1024 * 1024))

install_missing_packages "${packages[@]}"

mkdir -p "$corpus_dir"
if [[ ! -s $small ]]; then
  # Every HTML file of the packages, package by package in the order above,
  # joined until 50 MB.
  for package in "${packages[@]}"; do
    dpkg -L "$package" | grep -E '\.html?$' | sort
  done | while read -r page; do
    if [[ -f $page ]]; then cat "$page"; fi
  done | head -c $((50 * megabyte)) > "$small.part" || true
  if (( $(stat -c %s "$small.part") < 50 * megabyte )); then
    echo "the manuals hold less than 50 MB of HTML" >&2
    exit 1
  fi
  mv "$small.part" "$small"
fi
if [[ ! -s $large ]]; then
  for _ in $(seq 10); do cat "$small"; done > "$large.part"
  mv "$large.part" "$large"
fi

for corpus in "$small" "$large"; do
  echo "== $(basename "$corpus") ($(($(stat -c %s "$corpus") / megabyte)) MB)"
  PAGEWICK_CORPUS="$corpus" "$build_dir/bin/html_conversions" \
    --benchmark_filter='^Corpus' ${BENCH_ARGS:-}
done
