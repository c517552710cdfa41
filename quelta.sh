#!/usr/bin/env bash
# Quelta in two commands:
#   ./quelta.sh        install what is missing, build, and start the program
#   ./quelta.sh test   install what is missing, build, and run every test
set -euo pipefail
cd "$(dirname "$0")"

build_dir=build
jobs=$(nproc 2>/dev/null || echo 2)
[[ $jobs -gt 2 ]] && jobs=2

scripts/install-deps

cmake_args=(-S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release)
if [[ -n "${CI:-}" || -n "${QUELTA_WERROR:-}" ]]; then
  cmake_args+=(-DQUELTA_WERROR=ON)
fi
cmake "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -j "$jobs"

case "${1:-}" in
  test)
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    ;;
  "")
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
      echo "No display found: the water requirements report of the example project instead."
      echo
      app="$build_dir/app"
      exec "$build_dir/cli/quelta-cli" report "$app/General/Seville.gen" \
        "$app/Meteo/Seville.mtf" "$app/Pattern/Seville.pat" --text-report
    fi
    exec "$build_dir/app/quelta"
    ;;
  *)
    echo "usage: ./quelta.sh [test]" >&2
    exit 2
    ;;
esac
