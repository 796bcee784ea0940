# Sourced by the scripts that run the program on a virtual X display.
# start_xvfb FOLDER: Xvfb on a display of its choice (log in FOLDER), sets xvfb_pid and DISPLAY,
# returns once Xvfb has written the display's number, that is once it takes clients. -noreset:
# else it resets when its last client leaves and turns away one that connects meanwhile.
start_xvfb() {
  : >"$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$1/display" \
    >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break || sleep 0.1; done
  [ -s "$1/display" ] || { echo "Xvfb did not start"; cat "$1/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$1/display")"
}

# start_xvfb_in_temp: the same in a temporary folder of its own, also the runtime folder, both
# removed at exit with the display.
start_xvfb_in_temp() {
  xvfb_work=$(mktemp -d)
  trap 'kill $xvfb_pid 2>/dev/null && wait $xvfb_pid || true; rm -rf "$xvfb_work"' EXIT
  start_xvfb "$xvfb_work"
  export XDG_RUNTIME_DIR="$xvfb_work"
}
