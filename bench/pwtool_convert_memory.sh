#!/usr/bin/env bash
# The peak memory of "pwtool convert" on one large page: a generated page of
# 200 MB (UTF-8, Danish letters, references, attributes and comments in every
# line) is converted by each conversion, to standard output and in place, and
# the maximum resident set size that /usr/bin/time reports is printed beside
# the page's size.
#
#   bench/pwtool_convert_memory.sh [BUILD_DIR] [MEGABYTES]
set -euo pipefail

build_dir=${1:-build}
megabytes=${2:-200}
pwtool="$build_dir/bin/pwtool"
export PAGEWICK_PROGRAM_DIR="$PWD/$build_dir/share/pagewick"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page="$work/page.html"
line='<P ALIGN=center CLASS=tekst>Bl&aring;b&aelig;rgr&oslash;d og bl'$'\xc3\xa5''b'$'\xc3\xa6''r &copy; <A HREF="side.html" TITLE="En &quot;side&quot;">videre</A><!-- note --><BR><IMG SRC=billede.png ALT=""></P>'
{
  printf '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\n<HTML><HEAD><TITLE>Stor side</TITLE></HEAD>\n<BODY BGCOLOR=white>\n'
  # yes ends by a broken pipe once head has what it wants.
  { yes "$line" || true; } | head -c $((megabytes * 1024 * 1024))
  printf '\n</BODY>\n</HTML>\n'
} > "$page"
size_kb=$(($(stat -c %s "$page") / 1024))
settings="$work/settings.ini"
: > "$settings"
echo "page: $((size_kb / 1024)) MB"

# The maximum resident set size of a command, in MB.
peak_mb() {
  /usr/bin/time -v "$@" 2> "$work/time.txt" > /dev/null || { cat "$work/time.txt" >&2; return 1; }
  awk -F: '/Maximum resident set size/ { printf "%d", $2 / 1024 }' "$work/time.txt"
}

printf '%-16s %10s %10s %8s\n' conversion 'stdout MB' 'in place' 'ratio'
for mode in danish-to-refs refs-to-danish special-to-refs refs-to-special tags-upper tags-lower xhtml strip; do
  to_stdout=$(peak_mb "$pwtool" convert "$mode" --stdout --settings "$settings" "$page")
  cp "$page" "$work/copy.html"
  in_place=$(peak_mb "$pwtool" convert "$mode" --settings "$settings" "$work/copy.html")
  worst=$((to_stdout > in_place ? to_stdout : in_place))
  printf '%-16s %10d %10d %8s\n' "$mode" "$to_stdout" "$in_place" \
    "$(awk -v a="$worst" -v b="$size_kb" 'BEGIN { printf "%.2f", a * 1024 / b }')"
done
