#!/bin/sh
# A stand-in for the OPL translator, run by opltran.bat in the tests with the command line
# the editor writes:
#   translation:  fake_opltran.sh SOURCE [-iINCLUDE] [-oOUTPUT]
#   conversion:   fake_opltran.sh FILE [-oFOLDER] -conv
# It prints every argument it received (ARG=...) so tests can see how the shell split the
# line, then a log like the real translator's, with CR LF line ends:
#   - a source holding BAD: "Error LOC::" + SOURCE + first line with BAD + ":Syntax error:"
#   - otherwise: a success log ending in "[OutputPath=" + output path without extension,
#     and it writes that path + ".opo" (a conversion writes FOLDER/name.txt instead).
# Markers in the source steer it: a line "DELAY n" sleeps n seconds before the log; a line
# HANG writes the process id to SOURCE.pid and never ends (the test stops it by that id).
# When it has finished it creates "opltran.finished" in the working folder.

src=$1
shift
inc=
out=
conv=
for arg in "$@"; do
  case $arg in
    -conv) conv=1 ;;
    -i*) inc=${arg#-i} ;;
    -o*) out=${arg#-o} ;;
  esac
done

printf 'OPL translator stand-in\r\n'
printf 'ARG=%s\r\n' "$src" "$@"

if [ ! -f "$src" ]; then
  printf 'Cannot open %s\r\n' "$src"
  exit 1
fi

delay=$(sed -n 's/^DELAY \([0-9][0-9]*\).*/\1/p' "$src" | head -n 1)
[ -n "$delay" ] && sleep "$delay"

if grep -q '^HANG' "$src"; then
  echo $$ > "$src.pid"
  exec sleep 600
fi

name=$(basename "$src")
base=${name%.*}
if [ -z "$out" ]; then
  out=$(dirname "$src")
fi
out=${out%/}

if [ -n "$conv" ]; then
  cp "$src" "$out/$base.txt" && printf 'Converted to %s\r\n' "$out/$base.txt"
elif bad=$(grep -n 'BAD' "$src" | head -n 1 | cut -d: -f1) && [ -n "$bad" ]; then
  printf 'Error LOC::%s%s:Syntax error:\r\n' "$src" "$bad"
else
  [ -n "$inc" ] && printf 'Include folder %s\r\n' "$inc"
  : > "$out/$base.opo"
  printf 'Translating %s\r\n[OutputPath=%s\r\n' "$src" "$out/$base"
fi
: > opltran.finished
