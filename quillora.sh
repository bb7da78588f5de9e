#!/usr/bin/env bash
# One script for every set-up step of Quillora on Debian 12.
#   ./quillora.sh run     build if needed and start the desktop program
#   ./quillora.sh test    build and run every test
#   ./quillora.sh build   install what is missing and build
#   ./quillora.sh cli ... build and run quillora-cli with the given arguments
# Environment: BUILD_DIR (default build), SANITIZE=1 for ASan+UBSan.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config git libsqlite3-dev sqlite3 qt6-base-dev
          libgl-dev liberfa-dev libxlsxwriter-dev zlib1g-dev libgtest-dev libbenchmark-dev
          fonts-noto-cjk xvfb xauth unzip)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

BUILD_DIR=${BUILD_DIR:-build}
JOBS=$(nproc 2>/dev/null || echo 2)

build() {
  install_packages
  local extra=()
  [ "${SANITIZE:-0}" = 1 ] && extra+=(-DQUILLORA_SANITIZE=ON)
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ] || [ ${#extra[@]} -gt 0 ]; then
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
  fi
  cmake --build "$BUILD_DIR" -j "$JOBS"
}

case "${1:-run}" in
  build)
    build ;;
  run)
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: the desktop program needs one."
      echo "Use the command-line front end instead, e.g.:"
      echo "  ./quillora.sh cli lunar 2024-02-10"
      echo "or start it in a virtual display: xvfb-run -a $BUILD_DIR/bin/quillora"
      exit 0
    fi
    exec "$BUILD_DIR/bin/quillora" ;;
  test)
    build
    if [ "${SANITIZE:-0}" = 1 ]; then
      # Any report fails its test: UBSan stops at the first finding (the build
      # also compiles it without recovery), ASan and LeakSanitizer end the
      # program with a non-zero status. Programs the tests start inherit this.
      export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1}
      export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
    fi
    cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" ;;
  cli)
    shift
    build >/dev/null
    exec "$BUILD_DIR/bin/quillora-cli" "$@" ;;
  *)
    sed -n '2,8p' "$0"; exit 2 ;;
esac
