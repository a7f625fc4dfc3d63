#!/usr/bin/env bash
# check_install.sh CMAKE BUILD_DIR APP_ID VERSION RELEASE_DATE
# Installs the build into a fresh prefix (one with a blank in its path) and checks what a desktop
# needs: the programs and the libraries they find, the desktop entry and metainfo as their
# validators see them, the release they name, the icons, the manual pages as groff renders
# them, and that the installed program, once started, offers its file-manager verbs from where
# it is installed.
set -uo pipefail
cmake_command=$1
build=$2
id=$3
version=$4
release_date=$5

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
program_pid=
# cmake --install rewrites the build's install_manifest.txt: the one of the user's own
# installation is put back afterwards.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && cp -p "$manifest" "$work/manifest.kept"
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
  fi
  if [ -e "$work/manifest.kept" ]; then
    cp -p "$work/manifest.kept" "$manifest"
  else
    rm -f "$manifest"
  fi
  rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix with blank"

if ! "$cmake_command" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# Every file is there.
for program in quenbrook quenbrook-album; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed as a program"
done
helper="$prefix/libexec/quenbrook/quenbrook-metafile"
[ -x "$helper" ] || fail "libexec/quenbrook/quenbrook-metafile is not installed as a program"
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icons="$prefix/share/icons/hicolor"
for file in "$entry" "$metainfo" "$icons/scalable/apps/$id.svg" \
  "$prefix/share/man/man1/quenbrook.1" "$prefix/share/man/man1/quenbrook-album.1"; do
  [ -s "$file" ] || fail "${file#"$prefix"/} is missing or empty"
done
cmp -s "$icons/scalable/apps/$id.svg" "$(dirname "$0")/../../src/windows/about/quenbrook.svg" ||
  fail "the scalable icon is not the program's SVG"

# The programs look for libraries only in folders that exist once installed: no RUNPATH into the
# build tree nor to a folder of the prefix that holds nothing.
for program in quenbrook quenbrook-album ../libexec/quenbrook/quenbrook-metafile; do
  binary="$prefix/bin/$program"
  if ! dynamic=$(readelf -d "$binary" 2>&1); then
    fail "readelf -d bin/$program: $dynamic"
    continue
  fi
  grep -qE '\((RUNPATH|RPATH)\)' <<<"$dynamic" || echo "bin/$program: no RUNPATH"
  while read -r line; do
    echo "bin/$program: $line"
    paths=${line##*\[}
    IFS=: read -ra folders <<<"${paths%]}"
    for folder in "${folders[@]}"; do
      real=${folder//\$ORIGIN/$prefix/bin}
      real=${real//\$\{ORIGIN\}/$prefix/bin}
      if [ ! -d "$real" ]; then
        fail "bin/$program looks for libraries in $folder, which does not exist"
      elif [[ "$(realpath "$real")/" == "$(realpath "$build")/"* ]]; then
        fail "bin/$program looks for libraries in the build tree: $folder"
      fi
    done
  done < <(grep -E '\((RUNPATH|RPATH)\)' <<<"$dynamic")
  missing=$(ldd "$binary" 2>&1 | grep -F 'not found')
  [ -z "$missing" ] || fail "bin/$program does not find its libraries:"$'\n'"$missing"
done

# The metainfo's newest release is this version on its release date, the version the program
# itself reports; the manual pages are dated that day.
[[ "$release_date" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] && date -d "$release_date" >/dev/null 2>&1 ||
  fail "the release date $release_date is not a day written YYYY-MM-DD"
reported=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/quenbrook-album" --version 2>&1)
[ "$reported" = "quenbrook-album $version" ] ||
  fail "quenbrook-album --version says \"$reported\", not version $version"
release=$(python3 - "$metainfo" <<'PY'
import sys
import xml.etree.ElementTree as ET
releases = ET.parse(sys.argv[1]).getroot().findall('releases/release')
print('%s %s' % (releases[0].get('version'), releases[0].get('date')) if releases else 'none')
PY
)
[ "$release" = "$version $release_date" ] ||
  fail "the metainfo's newest release is \"$release\", not $version of $release_date"
for page in quenbrook quenbrook-album; do
  title=$(grep -m1 '^\.TH ' "$prefix/share/man/man1/$page.1")
  [[ "$title" == ".TH "*" 1 \"$release_date\" \"Quenbrook $version\" "* ]] ||
    fail "$page.1 is titled $title, not dated $release_date for Quenbrook $version"
done

# The manifest lists exactly the files installed, so it can take them away again.
if ! diff <(sort "$manifest") <(find "$prefix" -type f | sort) >"$work/manifest.diff"; then
  fail "install_manifest.txt and the installed files differ:"$'\n'"$(cat "$work/manifest.diff")"
fi

# The installed programs convert metafiles with the installed helper, found from their own
# folder: a stand-in that notes its start and runs the helper shows it.
mv "$helper" "$helper.real"
printf '#!/bin/sh\ntouch "%s"\nexec "%s" "$@"\n' "$work/helper-started" "$helper.real" >"$helper"
chmod +x "$helper"
mkdir -p "$work/album-home"
if ! out=$(HOME="$work/album-home" XDG_CONFIG_HOME="$work/album-home/.config" \
  QT_QPA_PLATFORM=offscreen "$prefix/bin/quenbrook-album" -o "$work/shapes.pdf" \
  "$(dirname "$0")/../../samples/shapes.wmf" 2>&1); then
  fail "the installed quenbrook-album cannot print a metafile: $out"
fi
[ -e "$work/helper-started" ] || fail "the installed quenbrook-album did not start the installed helper"
mv "$helper.real" "$helper"

# Each PNG is a PNG of its size (the width and height of its IHDR chunk).
for size in 16 24 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/$id.png"
  if [ ! -s "$png" ]; then
    fail "the ${size}x${size} icon is missing"
    continue
  fi
  got=$(python3 - "$png" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read(24)
if data[:8] != b'\x89PNG\r\n\x1a\n' or data[12:16] != b'IHDR':
    print('not a PNG')
else:
    print('%dx%d' % struct.unpack('>II', data[16:24]))
PY
)
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done

# The validators say nothing at all about the desktop entry and the metainfo.
if ! out=$(desktop-file-validate "$entry" 2>&1) || [ -n "$out" ]; then
  fail "desktop-file-validate:"$'\n'"$out"
else
  echo "desktop-file-validate: no complaint"
fi
# --strict fails on anything above a pedantic hint; the hints are shown. The one hint allowed is
# about the capitals of the id, which the desktop entry's name and the icon share.
if ! out=$(appstreamcli validate --no-net --strict --pedantic "$metainfo" 2>&1); then
  fail "appstreamcli validate:"$'\n'"$out"
else
  echo "appstreamcli validate --no-net --strict --pedantic:"$'\n'"$out"
  hints=$(grep -E '^[A-Z]: ' <<<"$out" | grep -v ': cid-contains-uppercase-letter ')
  [ -z "$hints" ] || fail "appstreamcli validate hints:"$'\n'"$hints"
fi

# One value of the entry's [Desktop Entry] group, and the arguments of an Exec value as a
# launcher reads them: string escapes first, then quoting, then %% for %.
value() {
  python3 - "$1" "$2" <<'PY'
import sys
group = None
for line in open(sys.argv[1], encoding='utf-8'):
    line = line.rstrip('\n')
    if line.startswith('['):
        group = line
    elif group == '[Desktop Entry]' and line.split('=', 1)[0] == sys.argv[2]:
        print(line.split('=', 1)[1])
PY
}
exec_arguments() {
  python3 - "$1" <<'PY'
import sys
raw = sys.argv[1]
text, i = '', 0
while i < len(raw):
    if raw[i] == '\\' and i + 1 < len(raw):
        text += {'s': ' ', 'n': '\n', 't': '\t', 'r': '\r', '\\': '\\'}.get(raw[i + 1], raw[i:i + 2])
        i += 2
    else:
        text += raw[i]
        i += 1
arguments, argument, started, quoted, i = [], '', False, False, 0
while i < len(text):
    c = text[i]
    if quoted and c == '\\' and i + 1 < len(text) and text[i + 1] in '"`$\\':
        argument += text[i + 1]
        i += 1
    elif c == '"':
        quoted, started = not quoted, True
    elif c == ' ' and not quoted:
        if started:
            arguments.append(argument)
        argument, started = '', False
    else:
        argument, started = argument + c, True
    i += 1
if quoted:
    sys.exit('unbalanced quotes in ' + raw)
if started:
    arguments.append(argument)
print('\n'.join(a.replace('%%', '%') for a in arguments))
PY
}

installed="$prefix/bin/quenbrook"
script='exec "$0" ${1:+--from-file-manager /ViewImage "$1"}'
expected=$(printf '%s\n%s\n%s\n%s\n%s' sh -c "$script" "$installed" %f)
[ "$(exec_arguments "$(value "$entry" Exec)")" = "$expected" ] ||
  fail "the entry's Exec $(value "$entry" Exec) does not run $installed through its sh line"
# That line, with a program that shows its arguments: a file gives /ViewImage and the file, none
# gives a plain start.
shows="$work/shows-arguments"
printf '#!/bin/sh\nprintf "%%s:" "$#"\nprintf "[%%s]" "$@"\n' >"$shows"
chmod +x "$shows"
[ "$(sh -c "$script" "$shows" "/p/a b.jpg")" = "3:[--from-file-manager][/ViewImage][/p/a b.jpg]" ] ||
  fail "the entry's Exec does not pass a file after /ViewImage"
[ "$(sh -c "$script" "$shows")" = "0:[]" ] || fail "the entry's Exec passes a switch without a file"
[ "$(value "$entry" TryExec)" = "$installed" ] ||
  fail "the entry's TryExec $(value "$entry" TryExec) is not $installed"
[ "$(value "$entry" Icon)" = "$id" ] || fail "the entry's Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
for binary in quenbrook quenbrook-album; do
  grep -q "<binary>$binary</binary>" "$metainfo" || fail "the metainfo does not provide $binary"
done

# The manual pages render without a warning, and say what they must: every option that
# quenbrook-album --help lists, the two switches and the settings file.
for page in quenbrook quenbrook-album; do
  file="$prefix/share/man/man1/$page.1"
  if ! warnings=$(groff -ww -z -man -Tutf8 "$file" 2>&1) || [ -n "$warnings" ]; then
    fail "groff warns about $page.1:"$'\n'"$warnings"
  fi
  groff -man -Tascii -P-cbou -rLL=200n "$file" 2>/dev/null >"$work/$page.txt"
done
options=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/quenbrook-album" --help |
  grep -oE '^ +(-[a-zA-Z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+|^ +-[a-zA-Z]' | tr -d ' ')
[ "$(echo "$options" | grep -c -- '^--')" -ge 20 ] ||
  fail "quenbrook-album --help lists too few options: $options"
for option in $options; do
  grep -qF -- "$option" "$work/quenbrook-album.txt" ||
    fail "quenbrook-album.1 does not describe $option"
done
for text in /AddAlbumPrinterList /ViewImage .config/Quenbrook/Quenbrook.ini XDG_RUNTIME_DIR; do
  grep -qF -- "$text" "$work/quenbrook.txt" || fail "quenbrook.1 does not mention $text"
done
# The menu and the software centre file the program alike.
categories=$(grep -oE '<category>[^<]*</category>' "$metainfo" | sed -E 's/<[^>]*>//g' | tr '\n' ';')
[ -n "$categories" ] && [ "$(value "$entry" Categories)" = "$categories" ] ||
  fail "the entry's categories $(value "$entry" Categories) are not the metainfo's $categories"
# The manual pages name every picture type the program registers (tst_start keeps that list).
for type in $(grep -oE '^\.[a-z]+' "$(dirname "$0")/../golden/startup/class-registry.txt"); do
  grep -qF -- "$type" "$work/quenbrook.txt" || fail "quenbrook.1 does not name $type pictures"
  grep -qF -- "$type" "$work/quenbrook-album.txt" || fail "quenbrook-album.1 does not name $type pictures"
done
for status in 0 1 2 130; do
  grep -qE "^ +$status( |$)" "$work/quenbrook-album.txt" ||
    grep -qF "($status)" "$work/quenbrook-album.txt" ||
    fail "quenbrook-album.1 does not list exit status $status"
done

# The installed program registers the file manager's verbs with its installed path. It runs in
# folders of its own, so it neither finds nor disturbs a Quenbrook the user is running.
home="$work/home"
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
  "$installed" >"$work/program.log" 2>&1 &
program_pid=$!
verb="$home/.local/share/applications/quenbrook-add-to-album-printer.desktop"
settings="$home/.config/Quenbrook/Quenbrook.ini"
for _ in $(seq 1 300); do
  [ -s "$verb" ] && grep -q '^Path=' "$settings" 2>/dev/null && break
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$verb" ]; then
  fail "the installed program wrote no verb entry; its output:"$'\n'"$(cat "$work/program.log")"
else
  real=$(realpath "$installed")
  got=$(exec_arguments "$(value "$verb" Exec)")
  [ "$got" = "$(printf '%s\n%s\n%s\n%s' "$real" --from-file-manager /AddAlbumPrinterList %F)" ] ||
    fail "the verb runs $(value "$verb" Exec), not the installed $real"
  [ "$(value "$verb" TryExec)" = "$real" ] ||
    fail "the verb's TryExec $(value "$verb" TryExec) is not the installed $real"
  # The desktop entry and the metainfo offer exactly the types the program registers, each a
  # type of the MIME database by that very name.
  types=$(value "$verb" MimeType)
  [ "$(value "$entry" MimeType)" = "$types" ] ||
    fail "the entry offers $(value "$entry" MimeType), the program registers $types"
  offered=$(grep -oE '<mediatype>[^<]*</mediatype>' "$metainfo" | sed -E 's/<[^>]*>//g' | tr '\n' ';')
  [ "$offered" = "$types" ] || fail "the metainfo offers $offered, the program registers $types"
  for type in ${types//;/ }; do
    grep -q "type=\"$type\"" /usr/share/mime/packages/freedesktop.org.xml ||
      fail "$type is not a type of the MIME database"
  done
  if ! out=$(desktop-file-validate "$verb" 2>&1) || [ -n "$out" ]; then
    fail "desktop-file-validate on the verb entry:"$'\n'"$out"
  fi
  grep -qxF "Path=$(dirname "$real")" "$settings" ||
    fail "the settings do not record the installed folder: $(grep '^Path=' "$settings")"
fi
kill -0 "$program_pid" 2>/dev/null ||
  fail "the installed program ended by itself; its output:"$'\n'"$(cat "$work/program.log")"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed into $prefix: every check passed"
