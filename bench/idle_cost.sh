# Sourced by the idle benchmarks, with their arguments [SECONDS] [BUILD_DIR]:
# what a waiting process costs, its start-up left out.
#   idle_cost PID WARMUP SECONDS LABEL
# lets the process settle for WARMUP seconds, then measures SECONDS more and
# prints one line: its resident memory and the CPU time of all its threads in
# that span, also scaled to an hour.
seconds="${1:-60}"
build="${2:-$(dirname "${BASH_SOURCE[0]}")/../build}"
# A fresh program folder; the benchmark removes it.
folder="$(mktemp -d)"

cpu_ns() {
  local pid="$1" total=0 task
  # Time on the CPU in nanoseconds: the first field of schedstat (finer than
  # the clock ticks of /proc/PID/stat, which an idle process stays under).
  for task in /proc/"$pid"/task/*; do
    total=$((total + $(awk '{ print $1 }' "$task/schedstat" 2>/dev/null || echo 0)))
  done
  echo "$total"
}

idle_cost() {
  local pid="$1" warmup="$2" seconds="$3" label="$4" start rss_kb used
  sleep "$warmup"
  start=$(cpu_ns "$pid")
  sleep "$seconds"
  used=$(($(cpu_ns "$pid") - start))
  rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  awk -v label="$label" -v rss="$rss_kb" -v ns="$used" -v s="$seconds" 'BEGIN {
      printf "%s idle for %d s: RSS %.1f MB, CPU %.4f s, %.3f s per hour\n", label, s, rss / 1024, ns / 1e9, ns / 1e9 * 3600 / s
  }'
}
