#!/usr/bin/env bash
# Builds the release package dist/TAVO-<version>-win32.zip from the committed
# sources (HEAD, exported into a new directory, so nothing uncommitted or
# built before goes in): TAVO.exe, tavo-cli.exe, the samples of packaging/
# (TAVO.ini and SETTING.ini at the defaults and nightly.bat in code page 932,
# settings-sample.txt for tavo-cli apply in UTF-8, all with CR LF), the user
# guide in Japanese with its pictures inside, the JSON Schemas of tavo-cli's --json output
# (docs/json-schema, in the folder json-schema) and SHA256SUMS of those files. The version comes
# from src/res/version.h. The files lie at the top of the zip, in no folder of their own, so
# that Explorer's "Extract All" into C:\TAVO gives C:\TAVO\TAVO.exe, C:\TAVO\nightly.bat and so
# on, as the guide's paths say.
#
# The programs are stripped of their symbols. Reproducible: they carry no time
# stamp and no path of the build, and the archive lists its files in a fixed
# order with the commit's time, so the same commit gives the same zip, byte for
# byte, wherever it is built with the same packages. The entries unpack as
# 0644 (0755 for the programs) and carry the commit's time as
# Japan's clock shows it (Explorer shows the zip's times as local time) and,
# for unzip on Linux, as UTC in an extended time field.
#   scripts/package.sh [--no-deps]      (TAVO_DIST_DIR: where the zip goes; default dist/)
# TAVO_PACKAGE_PROGRAMS=DIR takes TAVO.exe and tavo-cli.exe from DIR instead of
# building them: the release package test gives it the win32 preset's build
# (the same Release build, stripped, of the same commit) as its second build.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
[ "${1:-}" = --no-deps ] || scripts/install-deps.sh
dist=${TAVO_DIST_DIR:-$root/dist}
version=$(sed -n 's/^#define TAVO_VERSION_TEXT "\(.*\)"$/\1/p' src/res/version.h)
[ -n "$version" ] || { echo "package.sh: no version in src/res/version.h" >&2; exit 1; }
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "package.sh: uncommitted changes are not packaged (the package is built from HEAD)" >&2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
git archive --format=tar HEAD | tar -x -C "$work/src"
programs=${TAVO_PACKAGE_PROGRAMS:-$work/build/src}
if [ -z "${TAVO_PACKAGE_PROGRAMS:-}" ]; then
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-i686.cmake" > "$work/configure.log"
  cmake --build "$work/build" --target TAVO tavo-cli > "$work/build.log" || { cat "$work/build.log"; exit 1; }
fi

name=TAVO-$version
stage=$work/stage/$name
mkdir -p "$stage"
cp "$programs/TAVO.exe" "$programs/tavo-cli.exe" "$stage/"
# What Windows reads in its own code page is converted to it; the settings
# file for apply is UTF-8, with the byte order mark that tells Notepad so.
for sample in TAVO.ini SETTING.ini nightly.bat; do
  iconv -f UTF-8 -t CP932 "$work/src/packaging/$sample" | sed 's/$/\r/' > "$stage/$sample"
done
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$work/src/packaging/settings-sample.txt"; } > "$stage/settings-sample.txt"
# The guide's pictures (docs/*.png, the windows as the end-to-end tests show them) go inside it.
python3 "$work/src/tools/guide_pictures.py" "$work/src/docs/guide-ja.html" "$stage/guide-ja.html"
# The JSON Schemas of tavo-cli's --json output, for scripts that check it.
cp -r "$work/src/docs/json-schema" "$stage/json-schema"
(cd "$stage" && sha256sum $(LC_ALL=C find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort) > SHA256SUMS)

mkdir -p "$dist"
zip=$dist/$name-win32.zip
epoch=$(git log -1 --format=%ct HEAD)
python3 - "$work/stage" "$name" "$zip" "$epoch" <<'PY'
import os, struct, sys, time, zipfile
stage, name, out, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch + 9 * 3600, 315532800))[:6]   # Japan's time; zip times start in 1980
with zipfile.ZipFile(out + '.part', 'w', zipfile.ZIP_DEFLATED) as z:
    top = os.path.join(stage, name)
    entries = [os.path.relpath(os.path.join(folder, f), top) for folder, _, files in os.walk(top) for f in files]
    for entry in sorted(entries):
        info = zipfile.ZipInfo(entry, stamp)
        info.create_system = 3   # Unix modes, so unzip gives ordinary permissions
        info.extra = struct.pack('<HHBl', 0x5455, 5, 1, epoch)   # the time in UTC, for unzip
        info.external_attr = (0o100755 if entry.endswith('.exe') else 0o100644) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(stage, name, entry), 'rb') as f:
            z.writestr(info, f.read(), compresslevel=9)
os.replace(out + '.part', out)
PY
echo "$zip"
(cd "$dist" && sha256sum "$(basename "$zip")")
