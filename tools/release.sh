#!/usr/bin/env bash
# Builds the Release Tavoro.exe in its own build folder and packs what users
# download: build-release/Tavoro-VERSION-win64.zip (Tavoro.exe, README.txt, a
# read-me in Japanese, and guide-ja.html, the user guide that F1 opens, one page
# with its pictures inside) and its SHA-256 beside it (.zip.sha256, as sha256sum
# writes it). The same source gives the same bytes: the exe holds no time stamp
# or build path, pandoc writes the guide from the sources alone, and the zip's
# entries have fixed times, order and attributes.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-deps.sh
build=build-release
cmake -S . -B "$build" --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target Tavoro guide >/dev/null
exe="$build/bin/Tavoro.exe"

# What users get runs on a bare Windows and stays lean.
cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM="$exe" -P tests/check_imports.cmake >/dev/null
size=$(stat -c %s "$exe")
if [ "$size" -gt 1500000 ]; then
  echo "$exe is $size bytes, more than 1.5 MB" >&2
  exit 1
fi

# The version is the project's, as CMake wrote it for the version resource.
version=$(sed -n 's/^#define TAVORO_VERSION_TEXT "\(.*\)"$/\1/p' "$build/res/version.h")
[ -n "$version" ] || { echo "no version in $build/res/version.h" >&2; exit 1; }
name="Tavoro-$version-win64"

package="$build/package"
rm -rf "$package" "$build/$name.zip" "$build/$name.zip.sha256"
mkdir -p "$package"
cp "$exe" "$package/Tavoro.exe"
cp "$build/bin/guide-ja.html" "$package/guide-ja.html"
# Shift-JIS with CR LF line ends: Notepad shows it right on every Japanese
# Windows, old or new, as it does the program's own reports.
sed "s/@VERSION@/$version/" tools/release-readme.ja.txt | iconv -f UTF-8 -t CP932 |
  sed 's/$/\r/' >"$package/README.txt"

# Every entry gets the time of the last commit (or SOURCE_DATE_EPOCH), the same
# mode and no extra fields (-X), in a fixed order with no folder entries (-D).
# Zip stores local times, so the time zone is fixed too.
export TZ=UTC
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
chmod 0644 "$package"/*
touch -d "@$stamp" "$package"/*
(cd "$package" && zip -q -X -D -9 "../$name.zip" Tavoro.exe README.txt guide-ja.html)
(cd "$build" && sha256sum "$name.zip" >"$name.zip.sha256" && cat "$name.zip.sha256")
