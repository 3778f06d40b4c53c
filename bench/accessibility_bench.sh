#!/bin/sh
# Opening and refreshing a 100,000-line source in a shown document window with an
# accessibility client listening, as a screen reader user has it, against the same without:
# the document window benchmark on an X server of its own (xvfb-run), once on a private
# session bus whose accessibility bus the window talks to (at-spi2-core, dbus) and once
# without. Prints both runs and the ratio of their wall times: with a client listening, much
# of the cost lies in the accessibility bus and its daemons, outside this process's CPU time.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bench="$here/bench_document_window"
benchmarks='BM_OpenFileAndScan BM_RESCAN'
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || { echo "accessibility_bench: $tool missing (scripts/install-deps)"; exit 0; }
done

one() { # $1: "on" or "off", $2: the benchmark (one per run: their counters differ)
  if [ "$1" = on ]; then
    env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
      dbus-run-session -- xvfb-run -a -s "-screen 0 1600x1000x24" \
      "$bench" --benchmark_filter="^$2\$" --benchmark_format=csv 2>/dev/null
  else
    env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 \
      xvfb-run -a -s "-screen 0 1600x1000x24" \
      "$bench" --benchmark_filter="^$2\$" --benchmark_format=csv 2>/dev/null
  fi | grep '^"BM_' | cut -d, -f1,3,4 | tr -d '"'
}
run() {
  for b in $benchmarks; do one "$1" "$b"; done
}

off=$(run off)
on=$(run on)
echo "accessibility off (name,wall_ms,cpu_ms):"; echo "$off"
echo "accessibility on (name,wall_ms,cpu_ms):"; echo "$on"
echo "$off" | while IFS=, read -r name wall cpu; do
  other=$(echo "$on" | grep "^$name," | cut -d, -f2)
  [ -n "$other" ] && awk -v n="$name" -v a="$wall" -v b="$other" \
    'BEGIN { printf "%s: wall on/off = %.2fx\n", n, (a > 0 ? b / a : 0) }'
done
