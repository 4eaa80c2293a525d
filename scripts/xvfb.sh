# Sourced by the scripts that run the program in a window without a screen.
# start_xvfb starts a virtual X server on a free display number, exports
# DISPLAY for it (dropping any other video setting) and leaves the server's
# process id in xvfb_pid, for the caller to end.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 640x560x24 -nolisten tcp 3> "$number_file" 2> /dev/null &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -s $number_file ]] && break
    sleep 0.1
  done
  [[ -s $number_file ]] || { rm -f "$number_file"; return 1; }
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
  unset SDL_VIDEODRIVER WAYLAND_DISPLAY
}
