#!/usr/bin/env bash
# Installation as a user or a package does it, from a built tree and without building:
# `cmake --install` into a temporary DESTDIR gives the programs, the book, the links on the PATH,
# the menu entries, the icons and the file type; the entries pass desktop-file-validate; the
# installed programs, started through bin/ from a folder without file/, find Morvik and the book;
# the file type is "Tavrelファイル" for *.tvl; and `cpack -G DEB` builds a package holding it all.
# Usage: test_install.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
passed=0
failed=0

check() {  # check NAME COMMAND...: one named check
  local name=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
    sed 's/^/    /' "$work/out" | head -20
  fi
}
contains() { grep -qF -- "$2" "$1"; }

expected_files=(
  usr/lib/tavrel/tavrel
  usr/lib/tavrel/file/morvik
  usr/lib/tavrel/file/Tavrel.pdf
  usr/bin/tavrel
  usr/bin/morvik
  usr/share/applications/tavrel.desktop
  usr/share/applications/morvik.desktop
  usr/share/mime/packages/tavrel.xml
  usr/share/icons/hicolor/scalable/apps/tavrel.svg
  usr/share/icons/hicolor/scalable/apps/morvik.svg
  usr/share/icons/hicolor/16x16/apps/tavrel.png
  usr/share/icons/hicolor/48x48/apps/tavrel.png
  usr/share/icons/hicolor/256x256/apps/morvik.png
  usr/share/man/man1/tavrel.1.gz
  usr/share/man/man1/morvik.1.gz
  usr/share/man/ja/man1/tavrel.1.gz
  usr/share/man/ja/man1/morvik.1.gz
  usr/share/metainfo/invalid.tavrel.tavrel.metainfo.xml
  usr/share/metainfo/invalid.tavrel.morvik.metainfo.xml
  usr/share/doc/tavrel/copyright
  usr/share/doc/tavrel/changelog.gz
  usr/share/doc/tavrel/Tavrel.pdf
  usr/share/lintian/overrides/tavrel
  usr/lib/tavrel/modules/tavrel-pdf-finishing.so
)

check "cmake --install into DESTDIR" env DESTDIR="$root" cmake --install "$build" --prefix /usr
for file in "${expected_files[@]}"; do
  check "installed: $file" test -e "$root/$file"
done
check "bin/tavrel is a link into lib/tavrel" test "$(readlink "$root/usr/bin/tavrel")" = ../lib/tavrel/tavrel
# A PNG's width and height stand in bytes 16 to 23 of its header.
check "48 px icon is 48 px" test "$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/48x48/apps/tavrel.png" | tr -s ' ')" = " 0 0 0 48 0 0 0 48"
for entry in tavrel morvik; do
  check "desktop-file-validate $entry.desktop" desktop-file-validate "$root/usr/share/applications/$entry.desktop"
done
for program in tavrel morvik; do
  check "$program.1 shows its --help" bash -c "zcat '$root/usr/share/man/man1/$program.1.gz' | grep -q '^Usage: $program'"
  check "AppStream metainfo of $program is valid" appstreamcli validate --no-net \
    "$root/usr/share/metainfo/invalid.tavrel.$program.metainfo.xml"
  check "AppStream license of $program is the copyright file's" bash -c \
    "grep -q \"<project_license>LicenseRef-\$(sed -n 's/^License: //p' '$root/usr/share/doc/tavrel/copyright' | head -1)<\" \
     '$root/usr/share/metainfo/invalid.tavrel.$program.metainfo.xml'"
done
# Both manual pages of each program render, dated, within a terminal's 80 columns; Tavrel's have
# a section for every command, --document among them.
for page in man1/tavrel man1/morvik ja/man1/tavrel ja/man1/morvik; do
  file=$root/usr/share/man/$page.1.gz
  check "$page.1 is dated" bash -c "zcat '$file' | grep -Eq '^\.TH [A-Z]+ 1 \"[0-9]{4}-[0-9]{2}-[0-9]{2}\"'"
  check "$page.1 within 80 columns" \
    bash -c "MANWIDTH=80 LC_ALL=C.UTF-8 man -l '$file' >'$work/page' && [ \$(wc -L <'$work/page') -le 80 ]"
done
for page in man1/tavrel ja/man1/tavrel; do
  check "man -l $page.1 has a --document section" \
    bash -c "MANWIDTH=80 LC_ALL=C.UTF-8 man -l '$root/usr/share/man/$page.1.gz' | grep -q '^--document'"
done
check "the Japanese page is Japanese" bash -c "zcat '$root/usr/share/man/ja/man1/tavrel.1.gz' | grep -q '^使い方: tavrel'"
check "the book in /usr/share/doc/tavrel is the installed one" \
  test "$(readlink -f "$root/usr/share/doc/tavrel/Tavrel.pdf")" = "$(readlink -f "$root/usr/lib/tavrel/file/Tavrel.pdf")"
check "Tavrel opens .tvl files" contains "$root/usr/share/applications/tavrel.desktop" "MimeType=application/x-tavrel;"

# Started through the link from a folder without file/, Tavrel finds its companions beside itself;
# the installation comes before file/ below "curdir", and a stray file/ in the current folder is
# never used.
mkdir -p "$work/elsewhere/file" "$work/curdir/file"
touch "$work/curdir/file/Tavrel.pdf" "$work/elsewhere/file/Tavrel.pdf"
(cd "$work/elsewhere" && env -u curdir "$root/usr/bin/tavrel" --version) >"$work/version" 2>&1
check "installed tavrel finds the book" contains "$work/version" "参考図書 / reference book: $root/usr/lib/tavrel/file/Tavrel.pdf"
check "installed tavrel finds Morvik" contains "$work/version" "Morvik: $root/usr/lib/tavrel/file/morvik"
(cd "$work/elsewhere" && curdir="$work/curdir" "$root/usr/bin/tavrel" --version) >"$work/version" 2>&1
check "the installation comes before curdir" contains "$work/version" "参考図書 / reference book: $root/usr/lib/tavrel/file/Tavrel.pdf"
check "installed morvik runs through its link" \
  bash -c "cd '$work/elsewhere' && '$root/usr/bin/morvik' --check 10 100 20 1000000 20000 30 | grep -q '37.29'"
check "installed morvik finishes its PDF with the installed module" \
  bash -c "cd '$work/elsewhere' && QT_QPA_PLATFORM=offscreen '$root/usr/bin/morvik' --pdf '$work/morvik.pdf' 10 100 20 1000000 20000 30 \
           && grep -aq /ObjStm '$work/morvik.pdf'"  # qpdf writes object streams

# The file type as the desktop's MIME database sees it.
check "update-mime-database" update-mime-database "$root/usr/share/mime"
check "*.tvl is application/x-tavrel" contains "$root/usr/share/mime/globs2" "application/x-tavrel:*.tvl"
check "its Japanese name is Tavrelファイル" \
  contains "$root/usr/share/mime/application/x-tavrel.xml" '<comment xml:lang="ja">Tavrelファイル</comment>'

# The Debian package.
check "cpack -G DEB" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package"
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -1)
dpkg-deb -c "$deb" >"$work/contents" 2>&1
for file in "${expected_files[@]}"; do
  check "in the package: $file" grep -q " ./$file\( ->\|$\)" "$work/contents"
done
check "package version 3.01" test "$(dpkg-deb -f "$deb" Version)" = 3.01
dpkg-deb -f "$deb" Depends >"$work/depends" 2>&1
for dependency in fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n xdg-utils libqt6widgets6 libqpdf29 libxlsxwriter4; do
  check "package depends on $dependency" contains "$work/depends" "$dependency"
done

check "package recommends a viewer that shows pages" test "$(dpkg-deb -f "$deb" Recommends)" = "evince | okular | pdf-viewer"
# Lintian finds no error and no warning; the package's intended layout is overridden with its reasons.
lintian -E --pedantic --no-tag-display-limit "$deb" >"$work/lintian" 2>&1
check "lintian: no error or warning" bash -c "! grep -E '^[EW]: ' '$work/lintian'"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
