# Sourced by the scripts that run the program on a virtual X display.
# start_xvfb FOLDER: starts Xvfb on a display it picks itself, its log in FOLDER/xvfb.log, sets
# xvfb_pid (for the caller's cleanup) and DISPLAY, and returns once the display answers.
start_xvfb() {
  local folder=$1
  # Emptied first: a number left by an earlier run must not be taken for the new display's.
  : >"$folder/display"
  # -noreset: by default the server resets when its last client leaves (here the check below),
  # and a client that connects during the reset is turned away.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$folder/display" \
    >"$folder/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$folder/display" ] && break
    sleep 0.1
  done
  [ -s "$folder/display" ] || { echo "Xvfb did not start"; cat "$folder/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$folder/display")"
  if command -v xdotool >/dev/null; then
    for _ in $(seq 50); do
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    echo "the display $DISPLAY does not answer"
    exit 1
  fi
}

# start_xvfb_in_temp: the same in a temporary folder of its own, also the runtime folder, both
# removed at exit with the display.
start_xvfb_in_temp() {
  xvfb_work=$(mktemp -d)
  xvfb_pid=""
  trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; rm -rf "$xvfb_work"' EXIT
  start_xvfb "$xvfb_work"
  chmod 700 "$xvfb_work"
  export XDG_RUNTIME_DIR="$xvfb_work"
}
