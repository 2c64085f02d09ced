#!/usr/bin/env bash
# "pwtool search" and "pwtool replace" over 5,000 generated pages (about
# 120 MB) in a temporary folder, timed beside grep -rnF (and grep -rniF) and
# perl -pi on the same files; ripgrep too when it is installed.
#
#   bench/search_across_files.sh [BUILD_DIR]
set -euo pipefail

build_dir=${1:-build}
pwtool="$PWD/$build_dir/bin/pwtool"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PAGEWICK_PROGRAM_DIR="$PWD/$build_dir/share/pagewick"
export XDG_CONFIG_HOME="$work/config"
export LC_ALL=C.UTF-8

# Pages of about 24 KB in 50 folders: Danish text in UTF-8, every third page
# with CR LF line breaks, the searched word on a few lines of some pages.
mkdir "$work/pages"
perl -e '
  my ($root) = @ARGV;
  my @words = qw(og i at det er en til på som de med han af for ikke der var mig sig men et har om vi
                 blåbær grød æble søen kødet høst <p> </p> <a href="side.htm"> </a> <b>);
  srand(42);
  for my $n (1 .. 5000) {
    my $folder = sprintf("%s/pages/d%02d", $root, $n % 50);
    mkdir $folder;
    my $break = $n % 3 == 0 ? "\r\n" : "\n";
    my $text = "<html>$break<head><title>Side $n</title></head>$break<body>$break";
    while (length($text) < 24000) {
      my $line = join(" ", map { $words[int(rand(@words))] } 1 .. 12);
      $line .= " Kattegat" if rand() < 0.002;
      $text .= $line . $break;
    }
    $text .= "</body>$break</html>$break";
    open(my $out, ">:raw", sprintf("%s/side%04d.htm", $folder, $n)) or die;
    print $out $text;
    close $out;
  }' "$work"

mapfile -t files < <(find "$work/pages" -type f | sort)
echo "${#files[@]} pages, $(du -sm "$work/pages" | cut -f1) MB"

# The commands take turns, five runs each, and the least time of each counts:
# the machine's other load then falls on all alike. A command run with
# "fresh" first gets a new copy of the pages, not timed.
milliseconds_of() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

declare -A least
timed() {
  local name=$1 ms
  shift
  ms=$(milliseconds_of "$@")
  if [[ -z ${least[$name]:-} || $ms -lt ${least[$name]} ]]; then least[$name]=$ms; fi
}

fresh_copy() {
  rm -rf "$work/copy"
  cp -r "$work/pages" "$work/copy"
  mapfile -t copies < <(find "$work/copy" -type f | sort)
}

have_rg=false
if command -v rg > /dev/null; then have_rg=true; fi
for _ in 1 2 3 4 5; do
  timed "grep -rnF" grep -rnF Kattegat "$work/pages"
  timed "pwtool search" "$pwtool" search Kattegat "${files[@]}"
  timed "grep -rniF" grep -rniF kattegat "$work/pages"
  timed "pwtool search -i" "$pwtool" search -i kattegat "${files[@]}"
  if $have_rg; then timed "rg -F" rg -nF Kattegat "$work/pages"; fi
  fresh_copy
  timed "perl -pi" perl -pi -e 's/\QKattegat\E/Skagerrak/g' "${copies[@]}"
  fresh_copy
  timed "pwtool replace" "$pwtool" replace Kattegat Skagerrak "${copies[@]}"
done

ratio() { awk -v a="${least[$1]}" -v b="${least[$2]}" 'BEGIN { printf "%.2f", a / b }'; }
for name in "grep -rnF" "pwtool search" "grep -rniF" "pwtool search -i" "perl -pi" "pwtool replace"; do
  echo "$name: ${least[$name]} ms (least of five)"
done
if $have_rg; then echo "rg -F: ${least[rg -F]} ms (least of five)"; else echo "rg -F: not installed"; fi
echo "search / grep -rnF: $(ratio "pwtool search" "grep -rnF")"
echo "search -i / grep -rniF: $(ratio "pwtool search -i" "grep -rniF")"
echo "replace / perl -pi: $(ratio "pwtool replace" "perl -pi")"
