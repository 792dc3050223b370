# Sourced by the start checks: passes when the program of process PID is still up SECONDS
# later, and then stops it.
#
#   stays_up PID SECONDS WHO   (WHO names the check in its messages)
stays_up() {
  local pid=$1 seconds=$2 who=$3 status
  sleep "$seconds"
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    echo "$who: the program ended (status $status) within $seconds seconds of starting" >&2
    return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$who: the program started and stayed up for $seconds seconds"
}
