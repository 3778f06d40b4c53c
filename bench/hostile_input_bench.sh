#!/bin/sh
# Peak resident memory of tamro-scan on inputs made to hurt: three million GLOBAL names on
# one line, one 10 MB "PROC a: q q q ..." line, and a million ordinary lines from
# tamro-opl-gen, in each output mode. Prints each run's peak against the file's size, and
# the same less the peak of a two-line file (what the program holds before any source).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scan="$here/../bin/tamro-scan"
gen="$here/tools/tamro-opl-gen"
command -v /usr/bin/time >/dev/null 2>&1 || { echo "hostile_input_bench: /usr/bin/time missing"; exit 0; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

awk 'BEGIN { printf "GLOBAL g0"; for (i = 1; i < 3000000; i++) printf ",g%d", i;
             printf "\nPROC main:\nENDP\n" }' > "$dir/globals.opl"
awk 'BEGIN { printf "PROC a:"; for (i = 0; i < 5000000; i++) printf " q"; printf "\nENDP\n" }' \
  > "$dir/parameters.opl"
"$gen" "$dir/million.opl" 1000000
printf 'PROC main:\nENDP\n' > "$dir/tiny.opl"

peak() { # $1: mode or "", $2: file; prints the peak resident set in KB
  /usr/bin/time -f %M "$scan" $1 "$2" 2>&1 >/dev/null | tail -1
}
base=$(peak "" "$dir/tiny.opl")
echo "baseline (two-line file): $((base / 1024)) MB"
echo "file,mode,size_mb,peak_mb,peak/size,(peak-baseline)/size"
for f in globals parameters million; do
  size=$(stat -c %s "$dir/$f.opl")
  for mode in plain --undefined --json; do
    m=$mode; [ "$m" = plain ] && m=""
    kb=$(peak "$m" "$dir/$f.opl")
    awk -v f="$f" -v m="$mode" -v s="$size" -v k="$kb" -v b="$base" 'BEGIN {
      printf "%s,%s,%.1f,%.1f,%.2fx,%.2fx\n", f, m, s / 1048576, k / 1024,
             k * 1024 / s, (k - b) * 1024 / s }'
  done
done
