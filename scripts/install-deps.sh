#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, only those missing.
set -euo pipefail

# install-deps.sh [full|demo]: full (the default) is everything the tests,
# benchmarks, the Qt host and CI use; demo only what the libraries and the
# command-line tools need to build and run.
mode=${1:-full}

demo_packages=(
  build-essential cmake ninja-build pkg-config
  nlohmann-json3-dev
  libfreetype-dev libpng-dev fonts-dejavu-core
)
full_packages=(
  "${demo_packages[@]}"
  clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev
  qt6-base-dev qt6-tools-dev libqt6opengl6-dev
  clang libclang-rt-14-dev
)

case $mode in
  full) packages=("${full_packages[@]}") ;;
  demo) packages=("${demo_packages[@]}") ;;
  *) echo "usage: install-deps.sh [full|demo]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run as root (or: sudo apt-get install ${missing[*]})" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
