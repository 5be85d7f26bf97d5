#!/usr/bin/env bash
# Builds the release package dist/TAVO-<version>-win32.zip from the committed
# sources (HEAD, exported into a new directory, so nothing uncommitted or
# built before goes in): TAVO.exe, tavo-cli.exe, sample TAVO.ini and
# SETTING.ini (the defaults, in code page 932 with CR LF), the user guide in
# Japanese, and SHA256SUMS of those files. The version comes from
# src/res/version.h.
#
# The programs are stripped of their symbols. Reproducible: they carry no time stamp and no path of the build, and
# the archive lists its files in a fixed order with the commit's time, so the
# same commit gives the same zip, byte for byte, wherever it is built with the
# same packages.
#   scripts/package.sh [--no-deps]      (TAVO_DIST_DIR: where the zip goes; default dist/)
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
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-i686.cmake" > "$work/configure.log"
cmake --build "$work/build" --target TAVO tavo-cli > "$work/build.log" || { cat "$work/build.log"; exit 1; }

name=TAVO-$version
stage=$work/stage/$name
mkdir -p "$stage"
cp "$work/build/src/TAVO.exe" "$work/build/src/tavo-cli.exe" "$stage/"
for ini in TAVO.ini SETTING.ini; do
  iconv -f UTF-8 -t CP932 "$work/src/packaging/$ini" | sed 's/$/\r/' > "$stage/$ini"
done
cp "$work/src/docs/guide-ja.html" "$stage/guide-ja.html"
(cd "$stage" && sha256sum guide-ja.html SETTING.ini tavo-cli.exe TAVO.exe TAVO.ini > SHA256SUMS)

mkdir -p "$dist"
zip=$dist/$name-win32.zip
epoch=$(git log -1 --format=%ct HEAD)
python3 - "$work/stage" "$name" "$zip" "$epoch" <<'PY'
import os, sys, time, zipfile
stage, name, out, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch, 315532800))[:6]   # zip times start in 1980
with zipfile.ZipFile(out + '.part', 'w', zipfile.ZIP_DEFLATED) as z:
    for entry in [name + '/'] + [name + '/' + f for f in sorted(os.listdir(os.path.join(stage, name)))]:
        info = zipfile.ZipInfo(entry, stamp)
        info.create_system = 0   # as if made on Windows: no Unix owners or modes
        if entry.endswith('/'):
            info.external_attr = 0x10   # a directory
            z.writestr(info, b'')
        else:
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, entry), 'rb') as f:
                z.writestr(info, f.read(), compresslevel=9)
os.replace(out + '.part', out)
PY
echo "$zip"
(cd "$dist" && sha256sum "$(basename "$zip")")
