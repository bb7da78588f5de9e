#!/usr/bin/env bash
# One script for every set-up step of Quillora on Debian 12.
#   ./quillora.sh run     build the program if needed and start it
#   ./quillora.sh test    build the program and the tests, run every test
#   ./quillora.sh build   install what is missing, build the program and the tests
#   ./quillora.sh cli ... build quillora-cli if needed and run it with the given arguments
# Environment: BUILD_DIR (default build), SANITIZE=1 for ASan+UBSan.
# run and cli install and build only what the program needs, so a second
# start does not wait for the tests; the benchmarks are built by
# bench/run-benchmarks.sh alone.
set -euo pipefail
cd "$(dirname "$0")"

# What the program needs to build and run.
PROGRAM_PACKAGES=(build-essential cmake ninja-build ccache pkg-config libsqlite3-dev
                  qt6-base-dev libgl-dev liberfa-dev libxlsxwriter-dev zlib1g-dev
                  fonts-noto-cjk qt6-translations-l10n)
# What the tests and the benchmarks need besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev unzip git sqlite3 xvfb xauth
               poppler-utils)

install_packages() {
  local missing
  # One query for all of them: a package dpkg does not know counts as missing.
  missing=$({ dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true; } |
              awk '$NF == "installed" { print $1 }' |
              sort | comm -13 - <(printf '%s\n' "$@" | sort) | tr '\n' ' ')
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
}

BUILD_DIR=${BUILD_DIR:-build}
JOBS=$(nproc 2>/dev/null || echo 2)

# Compiler output is kept by ccache when it is installed, keyed on paths
# relative to this folder, so a rebuild or a second clone of the project
# compiles only what changed.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

# configure [always]: writes the build folder when it has none (or when asked
# to, so that packages installed since are found), with the sanitizers when
# SANITIZE=1. A new folder is written for Ninja, which finds that nothing
# needs building in a fraction of a second; a folder made earlier keeps its
# generator. Debug information is line tables only (-g1): enough for a stack
# trace with file and line, and a quarter less compile time than -g.
configure() {
  local extra=()
  [ "${SANITIZE:-0}" = 1 ] && extra+=(-DQUILLORA_SANITIZE=ON)
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    extra+=(-G Ninja)
  elif [ ${#extra[@]} -eq 0 ] && [ "${1:-}" != always ]; then
    return 0
  fi
  if command -v ccache >/dev/null; then
    extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" "${extra[@]}"
}

# The program alone: the desktop program, the command line and the databases.
build_program() {
  install_packages "${PROGRAM_PACKAGES[@]}"
  configure
  cmake --build "$BUILD_DIR" -j "$JOBS" --target "$@" quillora_databases
}

# Everything but the benchmarks: the program and the tests.
build_all() {
  install_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
  configure always
  cmake --build "$BUILD_DIR" -j "$JOBS"
}

case "${1:-run}" in
  build)
    build_all ;;
  run)
    build_program quillora quillora-cli
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: the desktop program needs one."
      echo "Use the command-line front end instead, e.g.:"
      echo "  ./quillora.sh cli lunar 2024-02-10"
      echo "or start it in a virtual display: xvfb-run -a $BUILD_DIR/bin/quillora"
      exit 0
    fi
    exec "$BUILD_DIR/bin/quillora" ;;
  test)
    build_all
    if [ "${SANITIZE:-0}" = 1 ]; then
      # Any report fails its test: UBSan stops at the first finding (the build
      # also compiles it without recovery), ASan and LeakSanitizer end the
      # program with a non-zero status. Programs the tests start inherit this.
      export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1}
      export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
    fi
    cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j "$JOBS" ;;
  cli)
    shift
    build_program quillora-cli >/dev/null
    exec "$BUILD_DIR/bin/quillora-cli" "$@" ;;
  *)
    sed -n '2,7p' "$0"; exit 2 ;;
esac
