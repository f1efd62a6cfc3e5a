#!/usr/bin/env bash
# The installed tree as another project meets it: installs a build into a
# temporary prefix, builds examples/ against it with only find_package(Brennix)
# and once with pkg-config, and runs the programs.
#   scripts/consumer-test.sh [BUILD_DIR]   (default: build)
# Nothing of the source tree or the build is on the examples' include or
# library paths; the installed libraries must not point back into the build.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath "${1:-build}")
work=$(mktemp -d "${TMPDIR:-/tmp}/brennix-consumer.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

say() { echo "consumer-test: $*"; }
fail() { echo "consumer-test: FAILED: $*" >&2; exit 1; }

say "installing $build into $prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log"; fail "cmake --install"; }

# Every installed binary finds its libraries through the prefix only.
while IFS= read -r -d '' file; do
  if readelf -d "$file" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -q -e "$build" -e "$source_dir"; then
    fail "$file has a run path into the build: $(readelf -d "$file" | grep -E 'R(UN)?PATH')"
  fi
done < <(find "$prefix" -type f \( -name '*.so' -o -perm -u+x \) -print0)
if grep -rIl -e "$source_dir" "$prefix/include" "$prefix/lib/cmake" "$prefix/lib/pkgconfig" >/dev/null; then
  fail "the installed headers or package files name the source tree"
fi

# Versioned sonames with the unversioned link beside them; the board drivers
# keep their plain names.
soname() { readelf -d "$1" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p'; }
for lib in libtrendwick libbrennix_com; do
  [[ -L $prefix/lib/$lib.so ]] || fail "$lib.so is not installed as a link"
  [[ $(soname "$prefix/lib/$lib.so") =~ ^$lib\.so\.[0-9]+\.[0-9]+$ ]] ||
    fail "$lib.so has the soname '$(soname "$prefix/lib/$lib.so")'"
  [[ -e $prefix/lib/$(soname "$prefix/lib/$lib.so") ]] || fail "no file for the soname of $lib.so"
done
[[ $(soname "$prefix/lib/libolmi.so") == libolmi.so ]] || fail "libolmi.so was renamed"

# A registered library is recorded by its unversioned link, which an upgrade
# keeps valid, whichever of its names was given.
if [[ -x $prefix/bin/brennix-register ]]; then
  real=$(readlink -f "$prefix/lib/libtrendwick.so")
  BRENNIX_REGISTRY=$work/register.reg "$prefix/bin/brennix-register" -s "$real" ||
    fail "brennix-register $real"
  grep -q "@=\"$prefix/lib/libtrendwick.so\"" "$work/register.reg" ||
    fail "the class keys do not name $prefix/lib/libtrendwick.so: $(grep -m1 '@="/' "$work/register.reg")"
fi

# On a multiarch system the libraries lie in lib/<triplet>: brennix-acquire,
# which loads its working library itself, must find it there too.
triplet=$(sed -n 's/^set(CMAKE_CXX_LIBRARY_ARCHITECTURE "\(.*\)")$/\1/p' \
  "$build"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -1)
if [[ -n $triplet && -x $prefix/bin/brennix-acquire ]]; then
  multi=$work/multiarch
  mkdir -p "$multi/lib/$triplet"
  cp -a "$prefix/bin" "$multi/"
  cp -a "$prefix"/lib/*.so* "$multi/lib/$triplet/"
  say "running brennix-acquire --version with the libraries in lib/$triplet"
  "$multi/bin/brennix-acquire" --version >"$work/out.txt" 2>&1 || {
    cat "$work/out.txt"; fail "brennix-acquire does not find lib/$triplet"; }
  grep -q '^brennix-acquire [0-9]' "$work/out.txt" || fail "brennix-acquire --version: $(cat "$work/out.txt")"
fi

say "building examples/ with find_package(Brennix)"
cmake -S examples -B "$work/examples" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" || { cat "$work/configure.log"; fail "configure"; }
cmake --build "$work/examples" || fail "build"

export BRENNIX_REGISTRY=$work/registry.reg
run() {
  say "running $*"
  "$@" >"$work/out.txt" || { cat "$work/out.txt"; fail "$1"; }
  cat "$work/out.txt" | head -5
}
is_png() { [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$1 is no PNG"; }

run "$work/examples/chart_to_png" "$work/chart.png"
is_png "$work/chart.png"
run "$work/examples/analog_input_block" 25
[[ $(wc -l <"$work/out.txt") -eq 25 ]] || fail "analog_input_block printed $(wc -l <"$work/out.txt") samples, not 25"
if [[ -x $work/examples/qt_panel ]]; then
  QT_QPA_PLATFORM=offscreen run "$work/examples/qt_panel" "$work/panel.png"
  is_png "$work/panel.png"
  # The classes compiled forms name, installed beside the host's headers.
  [[ -f $prefix/include/brennix/qt/form_classes.h ]] || fail "qt/form_classes.h is not installed"
  # shellcheck disable=SC2046
  echo '#include "qt/form_classes.h"' | PKG_CONFIG_PATH=$prefix/lib/pkgconfig \
    ${CXX:-c++} -std=c++20 -fPIC -fsyntax-only -x c++ - $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig \
    pkg-config --cflags brennix-qt) || fail "the installed qt/form_classes.h does not compile"
else
  say "no Qt host installed: qt_panel not built"
fi

say "building chart_to_png with pkg-config"
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046
${CXX:-c++} -O1 -o "$work/chart_to_png_pc" examples/chart_to_png.cpp \
  $(pkg-config --cflags --libs brennix-trendwick) \
  -Wl,-rpath,"$(pkg-config --variable=libdir brennix-trendwick)" || fail "pkg-config build"
run "$work/chart_to_png_pc" "$work/chart_pc.png"
is_png "$work/chart_pc.png"
cmp -s "$work/chart.png" "$work/chart_pc.png" || fail "the two builds drew different charts"

if [[ -n ${CONSUMER_KEEP:-} ]]; then
  mkdir -p "$CONSUMER_KEEP" && cp "$work"/*.png "$CONSUMER_KEEP"/
fi
say "passed"
