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
  display=""
  for n in $(seq 91 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=:$n; break; fi
  done
  [[ -n $display ]] || { echo "$name: no free display" >&2; exit 1; }
  work=$(mktemp -d)
  app=$work/app
  mkdir -p "$app"
  cp "$build/app/quelta" "$app/"
  for kind in General Meteo Pattern Strategy Crop Schedule Soil; do
    if [[ -d $build/app/$kind ]]; then cp -r "$build/app/$kind" "$app/"; fi
  done
  export HOME=$work/home TMPDIR=$work/tmp
  mkdir -p "$HOME" "$TMPDIR"

  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  pid=""
  trap own_display_cleanup EXIT
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

own_display_cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
