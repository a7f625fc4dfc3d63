#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# check_install.sh CMAKE BUILD_DIR APP_ID VERSION RELEASE_DATE SOURCE_DIR HARDENED INSTALL_DATA
#   BUILT_PROGRAM
# Installs the build into a fresh prefix (one with a blank in its path) and checks what a desktop
# needs: the programs and the libraries they find, how they are hardened, the desktop entries and
# metainfo as their validators see them, the release they name, the icons, the manual pages as
# groff renders them, the shell completion, the picture types and options in all of them against
# the code (a planted new type too), the help of the window program, that the installed program
# writes nothing into a new user's folders while a build's program writes no default, and the
# Debian package.
set -uo pipefail
cmake_command=$1
build=$2
id=$3
version=$4
release_date=$5
source=$6
hardened=$7
install_data=$8
built_program=$9

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
helper="$prefix/libexec/quenbrook/quenbrook-decode"
[ -x "$helper" ] || fail "libexec/quenbrook/quenbrook-decode is not installed as a program"
entry="$prefix/share/applications/$id.desktop"
add_entry="$prefix/share/applications/$id.AddToAlbumPrinter.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icons="$prefix/share/icons/hicolor"
completion="$prefix/share/bash-completion/completions/quenbrook-album"
for file in "$entry" "$add_entry" "$metainfo" "$icons/scalable/apps/$id.svg" \
  "$prefix/share/man/man1/quenbrook.1" "$prefix/share/man/man1/quenbrook-album.1" \
  "$completion" "$prefix/share/doc/quenbrook/copyright" "$prefix/share/doc/quenbrook/changelog.gz"; do
  [ -s "$file" ] || fail "${file#"$prefix"/} is missing or empty"
done
cmp -s "$icons/scalable/apps/$id.svg" "$(dirname "$0")/../../src/windows/about/quenbrook.svg" ||
  fail "the scalable icon is not the program's SVG"

# The programs look for libraries only in folders that exist once installed: no RUNPATH into the
# build tree nor to a folder of the prefix that holds nothing.
for program in quenbrook quenbrook-album ../libexec/quenbrook/quenbrook-decode; do
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

# Hardened: position-independent, relocations read-only and bound at start, the stack protected
# and the fortified functions called (their symbols stay in a stripped program's dynamic table).
if [ "$hardened" = hardened ]; then
  for program in quenbrook quenbrook-album; do
    binary="$prefix/bin/$program"
    readelf -h "$binary" | grep -qE 'Type: +DYN' || fail "bin/$program is not position-independent"
    readelf -lW "$binary" | grep -q 'GNU_RELRO' || fail "bin/$program has no read-only relocations"
    readelf -d "$binary" | grep -qE '\(BIND_NOW\)|\(FLAGS_1\).*\bNOW\b' ||
      fail "bin/$program does not bind its symbols at start"
    symbols=$(readelf --dyn-syms -W "$binary")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "bin/$program has no stack protection"
    fortified=$(grep -oE '__[a-z0-9_]+_chk' <<<"$symbols" | grep -v __stack_chk | sort -u | tr '\n' ' ')
    echo "bin/$program calls fortified: ${fortified:-none}"
    all_fortified+=$fortified
  done
  # The fortified functions need the optimiser: a build of no type has none.
  build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
  case $build_type in Release | RelWithDebInfo | MinSizeRel) fortify=-D_FORTIFY_SOURCE=2 ;; *) fortify= ;; esac
  # Where the compiler knows no buffer's size it calls the plain function, so one program may
  # call none; both together call some, and every file was compiled for them.
  [ -z "$fortify" ] || [ -n "${all_fortified:-}" ] || fail "the programs call no fortified function"
  unhardened=$(python3 - "$build/compile_commands.json" "$fortify" <<'PY'
import json, sys
for unit in json.load(open(sys.argv[1])):
    command = unit.get('command', ' '.join(unit.get('arguments', [])))
    if '-fstack-protector-strong' not in command or sys.argv[2] not in command:
        print(unit['file'])
PY
)
  [ -z "$unhardened" ] || fail "compiled without stack protection or fortified functions:"$'\n'"$unhardened"
else
  echo "not hardened (the builder's own flags or QUENBROOK_HARDENING=OFF): hardening not checked"
fi

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
sizes=(16 24 32 48 64 128 256)
got=$(python3 - "$icons" "$id" "${sizes[@]}" <<'PY'
import os, struct, sys
for size in sys.argv[3:]:
    png = os.path.join(sys.argv[1], '%sx%s' % (size, size), 'apps', sys.argv[2] + '.png')
    try:
        data = open(png, 'rb').read(24)
    except OSError:
        print('missing')
        continue
    if data[:8] != b'\x89PNG\r\n\x1a\n' or data[12:16] != b'IHDR':
        print('not a PNG')
    else:
        print('%dx%d' % struct.unpack('>II', data[16:24]))
PY
)
mapfile -t got <<<"$got"
for i in "${!sizes[@]}"; do
  size=${sizes[$i]}
  [ "${got[$i]:-}" = "${size}x${size}" ] || fail "the ${size}x${size} icon is ${got[$i]:-missing}"
done

# The validators say nothing at all about the desktop entry and the metainfo.
for file in "$entry" "$add_entry"; do
  if ! out=$(desktop-file-validate "$file" 2>&1) || [ -n "$out" ]; then
    fail "desktop-file-validate ${file##*/}:"$'\n'"$out"
  else
    echo "desktop-file-validate ${file##*/}: no complaint"
  fi
done
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
  awk -v key="$2" '/^\[/ { group = $0; next }
    group == "[Desktop Entry]" && index($0, "=") && substr($0, 1, index($0, "=") - 1) == key {
      print substr($0, index($0, "=") + 1) }' "$1"
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
# Every picture type of the table reaches every file made from it: its extension the manual pages,
# the metainfo's description and the completion, its MIME type both entries and the metainfo, in
# the table's order, each once.
# The windows read the rows that end in "false"; quenbrook-album reads them all.
table="$source/src/core/program/PictureFileTypes.cpp"
all_extensions=$(sed -nE 's/^ *\{"([a-z0-9]+)", *QT_TRANSLATE_NOOP.*/\1/p' "$table")
extensions=$(sed -nE 's/^ *\{"([a-z0-9]+)", *QT_TRANSLATE_NOOP.*, *false\},$/\1/p' "$table")
mime_types=$(sed -nE 's/^ *\{"[a-z0-9]+", *QT_TRANSLATE_NOOP.*"([a-z]+\/[^"]+)".*, *false\},$/\1/p' \
  "$table" | awk '!seen[$0]++' | tr '\n' ';')
[ "$(wc -w <<<"$extensions")" -eq 11 ] && [ "$(wc -w <<<"$all_extensions")" -gt 11 ] &&
  [ -n "$mime_types" ] ||
  fail "the picture-type table in $table was not read: $extensions / $mime_types"
description=$(python3 - "$metainfo" <<'PY'
import sys
import xml.etree.ElementTree as ET
print(' '.join(ET.parse(sys.argv[1]).getroot().find('description').itertext()))
PY
)
completed=$(grep -oE 'types=" [^"]* "' "$completion")
for extension in $extensions; do
  grep -qE -- "\.$extension\b" "$work/quenbrook.txt" || fail "quenbrook.1 does not name .$extension pictures"
  grep -qE -- "\.$extension\b" <<<"$description" || fail "the metainfo does not name .$extension"
done
for extension in $all_extensions; do
  grep -qE -- "\.$extension\b" "$work/quenbrook-album.txt" ||
    fail "quenbrook-album.1 does not name .$extension pictures"
  [[ "$completed" == *" $extension "* ]] || fail "the completion does not offer .$extension files"
done
for file in "$entry" "$add_entry"; do
  [ "$(value "$file" MimeType)" = "$mime_types" ] ||
    fail "${file##*/} offers $(value "$file" MimeType), the table $mime_types"
done
offered=$(grep -oE '<mediatype>[^<]*</mediatype>' "$metainfo" | sed -E 's/<[^>]*>//g' | tr '\n' ';')
[ "$offered" = "$mime_types" ] || fail "the metainfo offers $offered, the table $mime_types"
for type in ${mime_types//;/ }; do
  grep -q "type=\"$type\"" /usr/share/mime/packages/freedesktop.org.xml ||
    fail "$type is not a type of the MIME database"
done

# A type added to the table reaches every file made from it: the generator with a planted row.
planted_type=image/x-quenbrook-planted
while IFS=$'\t' read -r template made; do
  out="$work/planted-${made##*/}"
  if ! "$install_data" --extra-type "qbx:$planted_type:planted picture" "$template" "$out"; then
    fail "install_data with a planted type failed on $template"
    continue
  fi
  case "$made" in
    *.desktop.in) grep -qE "^MimeType=.*;$planted_type;\$" "$out" ;;
    *.xml) grep -qF "<mediatype>$planted_type</mediatype>" "$out" &&
      grep -qF 'planted picture (.qbx)' "$out" ;;
    *.1) groff -man -Tascii -P-cbou -rLL=500n "$out" 2>/dev/null | grep -qF 'planted picture (.qbx)' ;;
    *.bash) grep -qE 'types=" [^"]* qbx "' "$out" ;;
    *) false ;;
  esac || fail "the planted type does not reach ${made##*/}"
  cmp -s "$made" "$out" && fail "${made##*/} is the same with the planted type"
done <"$build/data/install-data.txt"
[ "$(wc -l <"$build/data/install-data.txt")" -ge 6 ] ||
  fail "install-data.txt names too few generated files"
# The folder listing of quenbrook-album.1 names the planted type too, after the others.
groff -man -Tascii -P-cbou -rLL=500n "$work/planted-quenbrook-album.1" 2>/dev/null |
  grep -qE 'files ending in .*\.avif or \.qbx' ||
  fail "quenbrook-album.1's folder listing does not name the planted type"
for status in 0 1 2 130; do
  grep -qE "^ +$status( |$)" "$work/quenbrook-album.txt" ||
    grep -qF "($status)" "$work/quenbrook-album.txt" ||
    fail "quenbrook-album.1 does not list exit status $status"
done

# The completion, as bash loads it: options, their words, a length's units, and files of the
# picture types (any letter case) and folders.
mkdir -p "$work/pictures/sub"
touch "$work/pictures/a.JPG" "$work/pictures/b.txt" "$work/pictures/c.rle" "$work/pictures/jpg"
complete_line() {
  (cd "$work" && bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _quenbrook_album; for word in "${COMPREPLY[@]}"; do echo "$word"; done | LC_ALL=C sort |
    tr "\n" " "' _ "$completion" "$@")
}
[[ " $(complete_line quenbrook-album --pa)" == *" --paper "* ]] || fail "--pa does not complete to --paper"
[ -z "$(complete_line quenbrook-album --pa | tr ' ' '\n' | grep -v '^--pa')" ] ||
  fail "--pa completes to $(complete_line quenbrook-album --pa)"
[ "$(complete_line quenbrook-album --paper A4)" = "A4 A4Extra A4Plus A4Small " ] ||
  fail "--paper A4 completes to $(complete_line quenbrook-album --paper A4)"
[ "$(complete_line quenbrook-album --paper = Lett)" = "Letter LetterExtra LetterPlus LetterSmall " ] ||
  fail "--paper=Lett completes to $(complete_line quenbrook-album --paper = Lett)"
[ "$(complete_line quenbrook-album --paper 4)" = "4x6 " ] ||
  fail "--paper 4 completes to $(complete_line quenbrook-album --paper 4)"
[[ " $(complete_line quenbrook-album --paper 1)" == *" 10x14 10x15 "*" 13x18 "* ]] ||
  fail "--paper 1 completes to $(complete_line quenbrook-album --paper 1)"
[ "$(complete_line quenbrook-album --unit '')" = "cm inch " ] ||
  fail "--unit completes to $(complete_line quenbrook-album --unit '')"
[ "$(complete_line quenbrook-album --gap-x 2.5)" = "2.5cm 2.5in 2.5mm " ] ||
  fail "--gap-x 2.5 completes to $(complete_line quenbrook-album --gap-x 2.5)"
[ "$(complete_line quenbrook-album -o holiday.pdf pictures/)" = "pictures/a.JPG pictures/c.rle pictures/sub " ] ||
  fail "pictures/ completes to $(complete_line quenbrook-album -o holiday.pdf pictures/)"
[ -z "$(complete_line quenbrook-album --title '')" ] || fail "--title completes to a word"

# The menu entry's names in every language the program is translated into that translates them.
translations=$(python3 - "$source/translations" <<'PY'
import glob, os, sys
import xml.etree.ElementTree as ET
for ts in sorted(glob.glob(os.path.join(sys.argv[1], 'quenbrook_*.ts'))):
    language = os.path.basename(ts)[len('quenbrook_'):-len('.ts')]
    for context in ET.parse(ts).getroot().iter('context'):
        if context.findtext('name') != 'MenuEntry':
            continue
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
                continue
            if translation.text and translation.text != message.findtext('source'):
                print('%s\t%s\t%s' % (language, message.findtext('source'), translation.text))
PY
)
for key in Name GenericName Comment; do
  english=$(value "$entry" "$key")
  [ -n "$english" ] || fail "the entry has no $key"
  expected=$(awk -F'\t' -v text="$english" -v key="$key" '$2 == text { print key "[" $1 "]=" $3 }' \
    <<<"$translations" | sort)
  got=$(grep -E "^$key\[" "$entry" | sort)
  [ "$got" = "$expected" ] || fail "the entry's translated $key is \"$got\", not \"$expected\""
  [ -n "$got" ] && echo "$got"
done

# The window program answers --help and --version on the terminal with no display at all.
for option in --help --version; do
  if ! said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/none" \
    "$prefix/bin/quenbrook" "$option" 2>"$work/option.err"); then
    fail "quenbrook $option failed: $(cat "$work/option.err")"
  fi
  case $option in
    --help) [[ "$said" == *"/AddAlbumPrinterList"*"/ViewImage"* ]] ||
      fail "quenbrook --help does not list the switches: $said" ;;
    --version) [ "$said" = "quenbrook $version" ] || fail "quenbrook --version says $said" ;;
  esac
done
[ ! -e "$work/none" ] || fail "quenbrook --help made a folder for the hand-off"

# A first start of a program in a new home, each in folders of its own so it neither finds nor
# disturbs a Quenbrook the user is running. It ends once its settings record where it runs.
first_start() {
  local home="$work/$1" program=$2
  mkdir -p "$home/runtime"
  chmod 700 "$home/runtime"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
    "$program" >"$home.log" 2>&1 &
  program_pid=$!
  for _ in $(seq 1 300); do
    grep -q '^Path=' "$home/.config/Quenbrook/Quenbrook.ini" 2>/dev/null && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5 # anything written after the settings
  kill -0 "$program_pid" 2>/dev/null || fail "$program ended by itself: $(cat "$home.log")"
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
  grep -qxF "Path=$(dirname "$(realpath "$program")")" "$home/.config/Quenbrook/Quenbrook.ini" ||
    fail "$program did not record where it runs: $(cat "$home.log")"
}

# The installed program's own entries offer both verbs: it writes no entry and no default.
first_start installed-home "$installed"
written=$(cd "$work/installed-home" && find . -type f ! -path './runtime/*' ! -path './.cache/*' |
  grep -vxF './.config/Quenbrook/Quenbrook.ini')
[ -z "$written" ] || fail "the installed program wrote for the user:"$'\n'"$written"

# A build's program offers the verbs through entries of the user's own that it names in TryExec,
# and chooses no default.
first_start built-home "$built_program"
real=$(realpath "$built_program")
applications="$work/built-home/.local/share/applications"
for verb in quenbrook-add-to-album-printer quenbrook-album-image-viewer; do
  file="$applications/$verb.desktop"
  if [ ! -s "$file" ]; then
    fail "the build's program wrote no $verb.desktop: $(cat "$work/built-home.log")"
    continue
  fi
  [ "$(value "$file" TryExec)" = "$real" ] || fail "$verb's TryExec $(value "$file" TryExec) is not $real"
  # In the order the types were registered on, which depends on the user's defaults.
  [ "$(value "$file" MimeType | tr ';' '\n' | sort)" = "$(tr ';' '\n' <<<"$mime_types" | sort)" ] ||
    fail "$verb offers $(value "$file" MimeType), not $mime_types"
  if ! out=$(desktop-file-validate "$file" 2>&1) || [ -n "$out" ]; then
    fail "desktop-file-validate on $verb.desktop:"$'\n'"$out"
  fi
done
got=$(exec_arguments "$(value "$applications/quenbrook-add-to-album-printer.desktop" Exec)")
[ "$got" = "$(printf '%s\n%s\n%s\n%s' "$real" --from-file-manager /AddAlbumPrinterList %F)" ] ||
  fail "the verb runs $got, not the build's $real"
defaults=$(cat "$work/built-home/.config/"*mimeapps.list 2>/dev/null | grep -A1000 -F '[Default Applications]')
[ -z "$defaults" ] || fail "the build's program chose defaults:"$'\n'"$defaults"

# The Debian package: made by cpack, listing the installed files, its dependencies found, and no
# error from lintian.
if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1); then
  fail "cpack -G DEB:"$'\n'"$(tail -20 "$work/cpack.log")"
else
  deb=$(ls "$work"/deb/quenbrook_"$version"_*.deb 2>/dev/null | head -1)
  if [ -z "$deb" ]; then
    fail "cpack made no quenbrook_${version}_*.deb: $(ls "$work/deb")"
  else
    listed=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
    for file in ./usr/bin/quenbrook ./usr/bin/quenbrook-album "./usr/share/applications/$id.desktop" \
      "./usr/share/applications/$id.AddToAlbumPrinter.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
      "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
      ./usr/share/man/man1/quenbrook.1.gz ./usr/share/man/man1/quenbrook-album.1.gz \
      ./usr/share/bash-completion/completions/quenbrook-album ./usr/share/doc/quenbrook/copyright; do
      grep -qxF -- "$file" <<<"$listed" || fail "the package does not hold $file"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "the package's section is not graphics"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* && "$depends" == *libheif1* ]] ||
      fail "the package's dependencies were not found: $depends"
    mkdir "$work/unpacked"
    dpkg-deb -x "$deb" "$work/unpacked"
    [ "$(value "$work/unpacked/usr/share/applications/$id.desktop" TryExec)" = /usr/bin/quenbrook ] ||
      fail "the package's entry runs $(value "$work/unpacked/usr/share/applications/$id.desktop" TryExec)"
    echo "$(basename "$deb"): Depends: $depends"
    if command -v lintian >/dev/null; then
      lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1
      cat "$work/lintian.log"
      ! grep -qE '^E: ' "$work/lintian.log" || fail "lintian finds errors in the package"
    else
      echo "lintian is not installed: the package is not checked with it"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed into $prefix: every check passed"
