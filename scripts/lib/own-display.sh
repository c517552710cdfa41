# shellcheck shell=bash
# Sourced by the scripts that drive the desktop program on a real X display: a display of their
# own (Xvfb), a program folder of their own with a copy of the example files (so nothing in the
# build changes), and the clean-up when the script ends.
#   own_display NAME BUILD OUT      sets display, work, app, xvfb; exports DISPLAY, HOME, TMPDIR
#   pid                             the program's process, killed at the end when set

own_display() {
  local name=$1 build=$2 out=$3
  for tool in Xvfb xdotool xclip import; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is missing (scripts/install-deps)" >&2; exit 1; }
  done
  work=$(mktemp -d)
  app=$work/app
  mkdir -p "$app"
  cp "$build/app/quelta" "$app/"
  for kind in General Meteo Pattern Strategy Crop Schedule Soil; do
    if [[ -d $build/app/$kind ]]; then cp -r "$build/app/$kind" "$app/"; fi
  done
  export HOME=$work/home TMPDIR=$work/tmp
  mkdir -p "$HOME" "$TMPDIR"

  # Two scripts started together may pick the same free display: the one whose server does not
  # come up tries the next.
  display="" xvfb=""
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
      kill -0 "$xvfb" 2>/dev/null || break
      DISPLAY=:$n xdotool getdisplaygeometry >/dev/null 2>&1 && { display=:$n; break; }
      sleep 0.1
    done
    # The server that answered must be ours: a loser of the race exits on the other's lock.
    if [[ -n $display ]]; then
      sleep 0.3
      kill -0 "$xvfb" 2>/dev/null && break
      display=""
    fi
    kill "$xvfb" 2>/dev/null || true
  done
  [[ -n $display ]] || { echo "$name: no free display" >&2; rm -rf "$work"; exit 1; }
  export DISPLAY=$display
  pid=""
  trap own_display_cleanup EXIT
}

own_display_cleanup() {
  if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
