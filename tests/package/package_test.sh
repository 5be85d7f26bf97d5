#!/usr/bin/env bash
# The release package, in two steps (two CTest tests: the first builds, the
# second runs under Wine while no other test shows a window).
# build: scripts/package.sh gives the same zip from two independent builds of
# HEAD, each from clean at its own path: one from its own export, the other the
# win32 preset's build of this checkout when that is HEAD and up to date
# (otherwise a second export); the zip holds exactly the expected files, with
# ordinary permissions and the commit's time in Japan, at its top (no folder of
# their own), and their sums match SHA256SUMS; both programs carry the version;
# the guide holds the pictures of the windows; nightly.bat runs no program but
# tavo-cli.exe; the guide and the sample settings file name each setting alike,
# by the window's label (and the message box's word beside it). The zip stays
# unpacked in DIR.
# run: unpacked into C:\TAVO of the Wine prefix, as the guide says, every
# C:\TAVO\ path of the guide is there; TAVO.exe starts and connects to the
# instrument simulator under Wine with the folder's own files, tavo-cli.exe
# identifies the instrument and takes the sample settings file; nightly.bat,
# run as the guide's task runs it (C:\TAVO\nightly.bat from another working
# folder), saves today's records and leaves no error file, and on a failure
# appends the failure to download-errors.txt; the guide's batch file for
# several instruments tells the port that failed, and only that one; and the
# guide has a section for every tavo-cli command.
# Usage: package_test.sh build DIR WIN32_BUILD_DIR
#        package_test.sh run DIR SIMULATOR E2E_DRIVER_EXE RESOURCE_HEADER
set -euo pipefail
step=$1 work=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
fail() { echo "FAIL: $*"; exit 1; }
version=$(sed -n 's/^#define TAVO_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/res/version.h")
name=TAVO-$version
app=$work/unpacked

if [ "$step" = build ]; then
  win32=$(realpath "$3")
  rm -rf "$work"
  mkdir -p "$work"
  # The export compiles everything itself, not from the compiler cache the preset's build
  # filled, at the lowest priority beside the tests that show windows.
  CCACHE_DISABLE=1 TAVO_DIST_DIR="$work/a" nice -n 19 "$root/scripts/package.sh" --no-deps > /dev/null
  # The preset's build serves as the second one when it is of exactly HEAD (nothing
  # changed or added in the checkout) and stripped as the package's; brought up to
  # date first (after the test command's own build, there is nothing to do).
  if [ -z "$(git -C "$root" status --porcelain)" ] &&
     grep -qx 'CMAKE_EXE_LINKER_FLAGS_RELEASE:STRING=-s' "$win32/CMakeCache.txt" &&
     nice -n 19 cmake --build "$win32" --target TAVO tavo-cli > "$work/preset-build.log"; then
    echo "second build: the win32 preset's, in $win32"
    TAVO_PACKAGE_PROGRAMS="$win32/src" TAVO_DIST_DIR="$work/b" "$root/scripts/package.sh" --no-deps > /dev/null
  else
    echo "second build: another export of HEAD (the checkout differs from HEAD, or the win32 preset's build is not stripped)"
    CCACHE_DISABLE=1 TAVO_DIST_DIR="$work/b" nice -n 19 "$root/scripts/package.sh" --no-deps > /dev/null
  fi
  zip_a=$work/a/$name-win32.zip zip_b=$work/b/$name-win32.zip
  [ -f "$zip_a" ] || fail "no $name-win32.zip"
  cmp -s "$zip_a" "$zip_b" || fail "two builds of the same commit differ"

  # Each entry: its name, its Unix mode and its time (to the minute: a zip keeps even seconds), which is
  # the commit's in Japan (UTC+9, no summer time).
  expected=$(TZ=JST-9 date -d @"$(git -C "$root" log -1 --format=%ct HEAD)" '+%Y-%m-%d %H:%M')
  schemas=$(cd "$root/docs" && LC_ALL=C ls json-schema/*.json)
  expected=$(for entry in SETTING.ini SHA256SUMS TAVO.exe TAVO.ini guide-ja.html $schemas nightly.bat settings-sample.txt \
                          tavo-cli.exe; do
    case $entry in *.exe) mode=100755 ;; *) mode=100644 ;; esac
    echo "$entry $mode $expected"
  done)
  listed=$(python3 -c '
import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(i.filename, oct(i.external_attr >> 16)[2:], "%04d-%02d-%02d %02d:%02d" % i.date_time[:5])' "$zip_a")
  [ "$listed" = "$expected" ] || fail "the zip holds:"$'\n'"$listed"$'\n'"expected:"$'\n'"$expected"
  mkdir "$work/unpacked"
  (cd "$work/unpacked" && python3 -m zipfile -e "$zip_a" . && sha256sum --quiet -c SHA256SUMS) ||
    fail "the sums do not match"
  grep -q '^BaudRate=9600'$'\r''$' "$app/TAVO.ini" || fail "TAVO.ini does not hold the default line in CR LF"
  ! grep -qi '^vorinfo\|LogOutSwitch=1' "$app/SETTING.ini" || fail "SETTING.ini switches something on"
  # nightly.bat runs tavo-cli.exe and cmd's own commands, nothing else: each line's
  # command (after an if's condition) one of them, no command piped or chained.
  lines=$(iconv -f CP932 -t UTF-8 "$app/nightly.bat" | tr -d '\r' | grep -viE '^(rem( |$)|$)')
  ! grep -q '[|&()]' <<< "$lines" || fail "nightly.bat pipes or chains commands, or has a block or parentheses"
  others=$(sed -E 's/^if (not )?"[^"]*"=="[^"]*" +//I' <<< "$lines" | awk '{ print tolower($1) }' |
           { grep -vxE '@echo|setlocal|set|cd|echo|exit|goto|type|del|:[a-z]+|tavo-cli\.exe' || true; } | sort -u | xargs)
  [ -z "$others" ] || fail "nightly.bat runs $others"
  # The guide reads offline: it names no picture file, and holds each picture of the
  # windows as committed (docs/NAME.png, which the end-to-end tests keep as the window shows it).
  ! grep -qE 'src="[^d]' "$app/guide-ja.html" || fail "the guide names a file: $(grep -oE 'src="[^d][^"]*"' "$app/guide-ja.html")"
  for picture in main-connected tab-user1 tab-user2 tab-maker1 tab-maker2; do
    grep -qF "src=\"data:image/png;base64,$(git -C "$root" show "HEAD:docs/$picture.png" | base64 -w0)\"" "$app/guide-ja.html" ||
      fail "the guide does not hold the picture $picture.png"
  done
  # Each setting the sample names goes by the names the guide's table of keys gives it:
  # the window's labels, and the message box's word where that differs.
  python3 - "$app/guide-ja.html" "$app/settings-sample.txt" "$root/src/res/TAVO.rc" "$root/src/instrument/catalogue.cpp" <<'PY' ||
import re, sys
guide, sample, rc, catalogue = (open(f, encoding='utf-8-sig').read() for f in sys.argv[1:])
labels = re.findall(r'CONTROL "([^"]+)"', rc)
captions = re.findall(r'"([^"]+異常)"', catalogue)
table = guide[guide.index('id="cli-keys"'):]
table = table[:table.index('</table>')]
names = {}
for row in re.findall(r'<tr><td>(.*?)</tr>', table):
    keys = re.findall(r'<code>([a-z_]+?)(\d*)</code>', row.split('</td>')[0])
    if len(keys) == 2 and keys[0][1] and keys[1][1] and '～' in row.split('</td>')[0]:   # level1～level4
        keys = [(keys[0][0], str(n)) for n in range(int(keys[0][1]), int(keys[1][1]) + 1)]
    for key in keys:
        names[''.join(key)] = set(re.findall('「([^」]+)」', row))
problems, lines = [], sample.splitlines()
for i, line in enumerate(lines):
    m = re.match(r'#? ?([a-z_0-9]+) = ', line)
    if not m or m.group(1) not in names: continue
    told = next((set(re.findall('「([^」]+)」', l)) for l in reversed(lines[:i]) if '「' in l), set())
    if told != names[m.group(1)]:
        problems.append('%s: the sample says %s, the guide %s' % (m.group(1), sorted(told), sorted(names[m.group(1)])))
for name in set().union(*names.values()):
    if name not in labels and not any(name in caption for caption in captions):
        problems.append('「%s」 is neither a label of the window nor a word of a message box' % name)
print('\n'.join(problems))
sys.exit(1 if problems else 0)
PY
    fail "the guide and settings-sample.txt name a setting differently"
  for program in TAVO.exe tavo-cli.exe; do
    shown=$(strings -el "$app/$program" | awk 'last == "ProductVersion" || last == "OriginalFilename" { print } { last = $0 }' | xargs)
    [ "$shown" = "$version $program" ] || fail "the version resource of $program shows $shown"
  done
  echo "the package $name-win32.zip builds the same twice and holds its files"
  exit 0
fi

[ "$step" = run ] || { echo "package_test.sh: no step $step" >&2; exit 2; }
sim=$(realpath -m "$3") driver=$(realpath "$4") ids=$(realpath "$5")
[ -x "$sim" ] || { echo "no native simulator at $sim: build the native preset first" >&2; exit 77; }
[ -d "$app" ] || fail "no unpacked package in $app: release_package_build makes it"
sim_pid=
trap 'kill $sim_pid 2>/dev/null || true; wait 2>/dev/null || true' EXIT
# The unpacked programs under Wine, against the simulator listed as COM7.
E2E_APP_DIR=$app "$root/tests/e2e/run_scenario.sh" "$app/TAVO.exe" "$driver" "$sim" "$here/start_and_connect.txt" "$ids" ||
  fail "TAVO.exe from the unpacked folder did not start and connect"
# The scenario's Wine server ends a few seconds after its last program: a
# program started while it ends can lose its connection, so wait for it. The
# wait itself can lose its connection as the server ends ("recvmsg"), which
# is the end it waits for.
wineserver -w || true
port_link=$WINEPREFIX/tavo-e2e-com7
"$root/cmake/wine-port.sh" COM7 "$port_link"
# setpriv: the simulator ends with this script, also when the script is killed.
setpriv --pdeathsig KILL "$sim" --link "$port_link" --model TAVO-420B --records-out "$work/records" > "$work/device" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.1; done
info=$(cd "$app" && "$root/cmake/wine-run.sh" "$app/tavo-cli.exe" info --port COM7 --json 2>"$work/info.err" | tr -d '\r') ||
  fail "tavo-cli.exe info failed: $(cat "$work/info.err")"
[ "$info" = '{"model":"TAVO-420BN","version":"2.00","iot":true}' ] || fail "tavo-cli.exe info said: $info"
(cd "$app" && "$root/cmake/wine-run.sh" "$app/tavo-cli.exe" apply settings-sample.txt --port COM7 --dry-run > /dev/null) ||
  fail "tavo-cli.exe apply refused settings-sample.txt"
# The folder as the guide has it: the zip extracted into C:\TAVO, every C:\TAVO\ path of
# the guide a file there.
tavo_dir=$WINEPREFIX/drive_c/TAVO
rm -rf "$tavo_dir" && cp -R "$app" "$tavo_dir"
trap 'kill $sim_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$tavo_dir"' EXIT
for path in $(grep -oE 'C:\\TAVO\\[^ <"]+' "$app/guide-ja.html" | sort -u); do
  [ -e "$tavo_dir/${path#C:\\TAVO\\}" ] || fail "the guide names $path, which the folder does not hold"
done
# nightly.bat, its port set to the simulator's, run as the guide's task runs it (the program
# of its schtasks line, from another working folder), saves the records as today's file; the
# records end in CR as the simulator's end in CR LF. A good run leaves no error file.
task=$(sed -n 's/.*schtasks .* \/TR \([^ <]*\).*/\1/p' "$app/guide-ja.html")
[ "$task" = 'C:\TAVO\nightly.bat' ] || fail "the guide's schtasks line runs $task"
nightly() {   # nightly PORT: runs C:\TAVO\nightly.bat with PORT, from C:\windows\system32
  sed -i "s/^set PORT=.*\r\$/set PORT=$1\r/" "$tavo_dir/nightly.bat"
  wineserver -w || true   # as above: cmd must not start while the last server ends
  (cd "$WINEPREFIX/drive_c/windows/system32" && "$root/cmake/wine-run.sh" cmd /c "$task" > /dev/null 2>&1)
}
today=$(date +%F)
nightly COM7 || fail "nightly.bat failed: $(cat "$tavo_dir/download-errors.txt" 2>/dev/null)"
cmp -s <(tr -d '\n' < "$work/records") "$tavo_dir/memory-$today.csv" ||
  fail "nightly.bat did not save the records as memory-$today.csv: $(ls "$tavo_dir")"
left=$(cd "$tavo_dir" && ls download-* 2>/dev/null || true)
[ -z "$left" ] || fail "a good run of nightly.bat left $left"
# On a port that does not exist: tavo-cli.exe's status, the failure and tavo-cli.exe's message in the error file.
status=0
nightly COM99 || status=$?
[ "$status" = 3 ] || fail "nightly.bat on a port that does not exist ended with $status"
errors=$(iconv -f CP932 -t UTF-8 "$tavo_dir/download-errors.txt" | tr -d '\r')
grep -q '一括取得に失敗しました。終了コード 3 *$' <<< "$errors" && grep -q '^tavo-cli: .*COM99' <<< "$errors" ||
  fail "nightly.bat's error file after a failure holds: $errors"
# The guide's batch file for several instruments, saved in ANSI as the guide says, on the
# simulator's port and one that does not exist: it tells the second, and only that one.
python3 - "$app/guide-ja.html" > "$work/apply-all.txt" <<'PY'
import html, re, sys
blocks = [html.unescape(b) for b in re.findall(r'<pre>(.*?)</pre>', open(sys.argv[1], encoding='utf-8').read(), re.S)]
print(next(b for b in blocks if b.startswith('@echo off') and ' apply ' in b))
PY
sed 's/COM5 COM6 COM7/COM7 COM99/; s/$/\r/' "$work/apply-all.txt" | iconv -f UTF-8 -t CP932 > "$tavo_dir/apply-all.bat"
cp "$tavo_dir/settings-sample.txt" "$tavo_dir/site-a.txt"
wineserver -w || true
(cd "$work" && "$root/cmake/wine-run.sh" cmd /c 'C:\TAVO\apply-all.bat' 2> /dev/null) | iconv -f CP932 -t UTF-8 | tr -d '\r' > "$work/apply-all.out"
[ "$(grep ' は' "$work/apply-all.out")" = $'COM99 は書き込めませんでした\nCOM99 は時計を合わせられませんでした' ] ||
  fail "the guide's batch file for several instruments told: $(cat "$work/apply-all.out")"
# The guide's chapter on tavo-cli has a section for each command the program lists.
commands=$(cd "$app" && "$root/cmake/wine-run.sh" "$app/tavo-cli.exe" --help | tr -d '\r' |
           sed -n '/^commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p')
[ -n "$commands" ] || fail "tavo-cli.exe --help lists no commands"
for command in $commands; do
  grep -q "id=\"cli-$command\"" "$app/guide-ja.html" || fail "the guide has no section on tavo-cli $command"
done
echo "the package $name-win32.zip runs unpacked"
