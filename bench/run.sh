#!/usr/bin/env bash
# Measures Metria against its performance targets and prints one table: figure, measured value,
# target, PASS or MISS. Usage: bench/run.sh BUILD_DIR (a build configured with -DMETRIA_BENCH=ON).
# Needs Xvfb, xdotool and xprop (make bench installs them); takes about three minutes.
# Raw results stay in BUILD_DIR/bench-results/.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$(cd "$1" && pwd)
PROGRAM=$BUILD/metria
BENCH=$BUILD/bench
SHIM=$BENCH/libmetria_present_shim.so
OUT=$BUILD/bench-results
RUNS=10          # start-ups measured
IDLE_SECONDS=10  # per idle measurement
for f in "$PROGRAM" "$BENCH/metria_bench" "$BENCH/metria_click_points" "$BENCH/timed_exec" "$SHIM"; do
  [ -e "$f" ] || { echo "bench: $f is missing: build $BUILD with -DMETRIA_BENCH=ON" >&2; exit 2; }
done
for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (make e2e-deps installs it)" >&2; exit 2; }
done
rm -rf "$OUT"
mkdir -p "$OUT"
FIGURES=$OUT/figures.txt
say() { echo "bench: $*" >&2; }
figure() { awk -v k="$1" '$1 == k { print $2; found = 1 } END { if (!found) print "nan" }' "$FIGURES"; }
add_figure() { echo "$1 $2" >>"$FIGURES"; }

# Whatever this script started goes with it.
PULSE_PID=""
PROGRAM_PID=""
XVFB_PID=""
cleanup() {
  [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null || true
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

# --- In-process figures: events, redraws, whole games, Play (Google Benchmark) ---------------
say "in-process benchmarks (about a minute)"
METRIA_BENCH_FIGURES=$OUT/in_process.txt SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  "$BENCH/metria_bench" --benchmark_out="$OUT/benchmark.json" --benchmark_out_format=json >"$OUT/benchmark.txt"
cp "$OUT/in_process.txt" "$FIGURES"
"$BENCH/metria_click_points" >"$OUT/points.txt"
point() { awk -v k="$1" '$1 == k { print $2, $3 }' "$OUT/points.txt"; }
point_ms() { awk -v k="$1" '$1 == k { print $2 }' "$OUT/points.txt"; }

# --- A Play after the output was let go, on two more drivers ------------------------------------
# SDL's disk driver writes the mixed output to a file in real time; PulseAudio plays into a null
# sink of a server of our own (its own runtime folder and socket), as on a desktop with a sound
# server. The dummy driver's figure comes from the run above.
after_release() {  # after_release NAME ENV...: the PlayAfterRelease benchmark with these settings
  env "${@:2}" METRIA_BENCH_FIGURES="$OUT/after_release.$1.txt" SDL_VIDEODRIVER=dummy \
    "$BENCH/metria_bench" --benchmark_filter=PlayAfterRelease >"$OUT/after_release.$1.log" 2>&1 &&
    grep '^play\.after_release' "$OUT/after_release.$1.txt" >>"$FIGURES"
}
say "first sample after the output was let go: disk and PulseAudio drivers"
after_release disk SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$OUT/disk_audio.raw" || say "disk driver: no figure"
if command -v pulseaudio >/dev/null; then
  PULSE_DIR=$OUT/pulse
  mkdir -p "$PULSE_DIR"
  HOME=$PULSE_DIR XDG_RUNTIME_DIR=$PULSE_DIR pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
    --load="module-null-sink sink_name=metria_bench_null" \
    --load="module-native-protocol-unix socket=$PULSE_DIR/native auth-anonymous=1" >"$OUT/pulseaudio.log" 2>&1 &
  PULSE_PID=$!
  for _ in $(seq 50); do [ -S "$PULSE_DIR/native" ] && break; sleep 0.1; done
  after_release pulseaudio SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$PULSE_DIR/native" ||
    say "PulseAudio: no figure (see $OUT/pulseaudio.log)"
  kill "$PULSE_PID" 2>/dev/null || true
  wait "$PULSE_PID" 2>/dev/null || true
  PULSE_PID=""
else
  say "pulseaudio is missing (make bench installs it): no PulseAudio figure"
fi

# --- A private X display ------------------------------------------------------------------------
for n in $(seq 90 130); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { DISPLAY_NUMBER=$n; break; }
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null || { say "Xvfb did not start"; exit 1; }
# No sound card here: the dummy driver, as the program falls back to on such machines.
export SDL_AUDIODRIVER=dummy

now_ms() { echo $(($(date +%s%N) / 1000000)); }
stop_program() {
  if [ -n "$PROGRAM_PID" ]; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
  fi
}
# The newest metria window (the one just shown when two exist for a moment).
metria_window() { timeout 10 xdotool search --sync --class metria | tail -1; }
click() {  # click KEY: the centre of that control, in the window now shown
  local wid
  wid=$(metria_window)
  # shellcheck disable=SC2046
  xdotool mousemove --window "$wid" $(point "$1") click 1
  sleep 0.3
}
title() { xprop -id "$(metria_window)" _NET_WM_NAME | sed 's/.*= "\(.*\)"/\1/'; }
sleep_ms() { sleep "$(awk -v ms="$1" 'BEGIN { printf "%.3f", ms / 1000 }')"; }

# --- Start-up and the rhythm of the menu's opening ---------------------------------------------
# Each run: the program under timed_exec (stamps the process start) with the present shim; the
# log gives the first frame and every frame of the opening, which is then compared with the
# moments the menu's own logic changes the window (menu.frames_ms, from the harness).
READY_MS=$(point_ms menu.ready_ms)
read -r -a FRAMES <<<"$(awk '$1 == "menu.frames_ms" { $1 = ""; print }' "$OUT/points.txt")"
say "$RUNS start-ups with the opening (about $((RUNS * (READY_MS + 700) / 1000)) s)"
for run in $(seq "$RUNS"); do
  log=$OUT/frames.$run.log
  METRIA_PRESENT_LOG=$log LD_PRELOAD=$SHIM "$BENCH/timed_exec" "$PROGRAM" >"$OUT/program.$run.log" 2>&1 &
  PROGRAM_PID=$!
  deadline=$(($(now_ms) + READY_MS + 5000))
  until awk -v t="$READY_MS" '$1 == "create" && !c { c = $2 } $1 == "present" && c && $2 - c >= t - 100 { found = 1 }
                               END { exit !found }' "$log" 2>/dev/null; do
    [ "$(now_ms)" -lt "$deadline" ] || break
    sleep 0.1
  done
  stop_program
done
for run in $(seq "$RUNS"); do
  awk '$1 == "present" { print $2; exit }' "$OUT/frames.$run.log"
done | sort -n >"$OUT/startup_ms.txt"
add_figure startup.median "$(awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }' "$OUT/startup_ms.txt")"
add_figure startup.max "$(tail -1 "$OUT/startup_ms.txt")"
for run in $(seq "$RUNS"); do
  awk '$1 == "present" { print $4; exit }' "$OUT/frames.$run.log"
done | sort -n | awk '{ v[NR] = $1 } END { printf "startup.cpu_median %s\n", NR ? v[int((NR + 1) / 2)] : "nan" }' >>"$FIGURES"
# Rhythm: for every nominal frame, the present nearest to it; error = present - (load + nominal).
for run in $(seq "$RUNS"); do
  awk -v frames="${FRAMES[*]}" '
    $1 == "create" && !c { c = $2 }
    $1 == "present" && c { p[++n] = $2 - c }
    END {
      k = split(frames, f, " ")
      for (i = 1; i <= k; ++i) {
        best = 1e9
        for (j = 1; j <= n; ++j) if ((d = p[j] - f[i]) * d < best * best) best = d
        printf "%s%.2f", (i > 1 ? " " : ""), best
      }
      print ""
    }' "$OUT/frames.$run.log"
done >"$OUT/rhythm_errors_ms.txt"
awk '{ for (i = 1; i <= NF; ++i) { a = $i < 0 ? -$i : $i; if (a > worst) worst = a }
       d = $NF - $1; d = d < 0 ? -d : d; if (d > drift) drift = d }
     END { printf "rhythm.worst_error %.2f\nrhythm.worst_drift %.2f\n", worst, drift }' \
  "$OUT/rhythm_errors_ms.txt" >>"$FIGURES"
tr ' ' '\n' <"$OUT/rhythm_errors_ms.txt" | grep . | sort -n |
  awk '{ v[NR] = $1 } END { printf "rhythm.median_error %.2f\n", NR ? v[int((NR + 1) / 2)] : "nan" }' >>"$FIGURES"
awk '$1 == "present" && $3 > worst { worst = $3 } END { printf "present.x11.max_us %.1f\n", worst }' \
  "$OUT"/frames.*.log >>"$FIGURES"

# --- Idle CPU: the menu after its opening, and a quiz waiting for an answer -------------------
# Every thread of the program counts: its ticks (utime + stime, in 1/100 s) from
# /proc/PID/task/*/stat, by name. A thread that ended during the window (the audio thread, once the
# output is let go) is counted in the process's own total, which is the verdict.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
thread_ticks() {  # thread_ticks PID: "TID NAME TICKS NS" per thread (spaces in a name become _)
  local task line name fields ns
  for task in /proc/"$1"/task/*; do
    line=$(cat "$task/stat" 2>/dev/null) && read -r ns _ <"$task/schedstat" 2>/dev/null || continue
    name=${line#*(}; name=${name%)*}
    read -r -a fields <<<"${line##*) }"
    echo "${line%% *} ${name// /_} $((fields[11] + fields[12])) $ns"
  done | sort
}
idle_cpu() {  # idle_cpu KEY: ticks of every thread over IDLE_SECONDS, and the CPU share from schedstat
  local t0 t1 ticks0 ticks1 ns0 ns1
  thread_ticks "$PROGRAM_PID" >"$OUT/$1.threads0.txt"
  t0=$(date +%s%N); ticks0=$(cpu_ticks "$PROGRAM_PID"); ns0=$(cpu_ns "$PROGRAM_PID")
  sleep "$IDLE_SECONDS"
  t1=$(date +%s%N); ticks1=$(cpu_ticks "$PROGRAM_PID"); ns1=$(cpu_ns "$PROGRAM_PID")
  thread_ticks "$PROGRAM_PID" >"$OUT/$1.threads1.txt"
  add_figure "$1.ticks" "$((ticks1 - ticks0))"
  # Per thread: "name ticks/ms" for threads alive at the end (new ones count from 0), "name ended"
  # for the rest. Ticks are whole 1/100 s of each thread's own total, so 2 ms may show as 0 or 1.
  join -a1 -a2 -e - -o 0,1.2,1.3,1.4,2.2,2.3,2.4 "$OUT/$1.threads0.txt" "$OUT/$1.threads1.txt" |
    awk '$6 == "-" { printf "%s%s ended", sep, $2; sep = ", "; next }
         { printf "%s%s %d/%.1fms", sep, $5, $6 - ($3 == "-" ? 0 : $3), ($7 - ($4 == "-" ? 0 : $4)) / 1e6; sep = ", " }
         END { print "" }' >"$OUT/$1.threads.txt"
  add_figure "$1.precise_percent" "$(awk -v a="$ns0" -v b="$ns1" -v t="$((t1 - t0))" \
    'BEGIN { printf "%.4f", (b - a) / t * 100 }')"
}
say "idle CPU: ${IDLE_SECONDS} s on the menu, ${IDLE_SECONDS} s on a waiting quiz"
"$PROGRAM" >"$OUT/program.idle.log" 2>&1 &
PROGRAM_PID=$!
metria_window >/dev/null
sleep_ms "$((READY_MS + 800))"
idle_cpu idle.menu
click menu.entry0
sleep_ms "$(($(point_ms quiz_si.question_ms) + 800))"
idle_cpu idle.quiz
stop_program

# --- Peak memory over a walk through all eight screens ----------------------------------------
say "peak memory: a walk through every screen (about 50 s)"
/usr/bin/time -v -o "$OUT/time_v.txt" "$PROGRAM" >"$OUT/program.walk.log" 2>&1 &
PROGRAM_PID=$!
: >"$OUT/visited.txt"
visit() { title >>"$OUT/visited.txt"; }
menu_ready() { sleep_ms "$((READY_MS + 500))"; visit; }
menu_ready
for quiz in 0:quiz_si 1:quiz_counters 2:quiz_currencies; do
  click "menu.entry${quiz%%:*}"
  sleep_ms "$(($(point_ms "${quiz#*:}.question_ms") + 500))"
  visit
  click "${quiz#*:}.menu_spot"
  menu_ready
done
click menu.entry3
sleep 1; visit
click drill_si.menu_spot
menu_ready
for choice in 0:drill_large 1:drill_small; do
  click menu.entry4
  sleep_ms "$(($(point_ms number_menu.ready_ms) + 500))"; visit
  click "number_menu.choice${choice%%:*}"
  sleep 1; visit
  click "${choice#*:}.menu_spot"
  menu_ready
done
click menu.entry5  # おわり: the program ends and time(1) writes its report
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
stop_program
add_figure memory.peak_mb "$(awk -F: '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$OUT/time_v.txt")"
add_figure memory.screens_visited "$(sort -u "$OUT/visited.txt" | grep -c . || true)"

# --- The table ----------------------------------------------------------------------------------
# row FIGURE MEASURED-TEXT VALUE LIMIT TARGET-TEXT: PASS when VALUE < LIMIT.
row() {
  local verdict
  verdict=$(awk -v v="$3" -v l="$4" 'BEGIN { print (v == v + 0 && v + 0 < l + 0) ? "PASS" : "MISS" }')
  printf "| %-44s | %-34s | %-22s | %-4s |\n" "$1" "$2" "$5" "$verdict"
}
f() { figure "$1"; }
ms() { awk -v v="$(f "$1")" 'BEGIN { printf "%.3f", v / 1000 }'; }
echo
echo "Metria performance ($(date -u +%Y-%m-%d), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
printf "| %-44s | %-34s | %-22s | %-4s |\n" "figure" "measured" "target" ""
printf "|%s|%s|%s|%s|\n" "$(printf -- '-%.0s' {1..46})" "$(printf -- '-%.0s' {1..36})" "$(printf -- '-%.0s' {1..24})" "------"
row "start-up to first presented frame" "median $(f startup.median) ms (cpu $(f startup.cpu_median))" \
  "$(f startup.median)" 100 "< 100 ms median"
for e in quiz_answer:"event: quiz answer (日本, 60 labels)" drill_drop:"event: drill drop ($(f drill.cards | cut -d. -f1) cards)" \
         quiz_form_load:"event: quiz Form_Load (■再挑戦 on 日本)" menu_click:"event: menu entry click + new window" \
         menu_click_first_visit:"event: same, first visit in a run"; do
  key=event.${e%%:*}
  row "${e#*:}" "p99 cpu $(ms "$key.cpu.p99") ms, wall $(ms "$key.p99")" "$(ms "$key.cpu.p99")" 2 "p99 < 2 ms"
done
for s in menu number_menu drill_large drill_si drill_small quiz_si quiz_counters quiz_currencies; do
  row "full redraw: $s" "median cpu $(ms "redraw.$s.cpu.p50") ms, wall $(ms "redraw.$s.p50")" \
    "$(ms "redraw.$s.cpu.p50")" 1 "< 1 ms median"
done
for idle in menu:"idle: menu after the opening" quiz:"idle: quiz waiting for an answer"; do
  row "${idle#*:}, ${IDLE_SECONDS} s" "$(f "idle.${idle%%:*}.ticks") ticks ($(cat "$OUT/idle.${idle%%:*}.threads.txt")); $(f "idle.${idle%%:*}.precise_percent") %" \
    "$(f "idle.${idle%%:*}.ticks")" 1 "0 ticks, every thread"
done
row "timer rhythm: opening, ${#FRAMES[@]} frames x $RUNS runs" "worst $(f rhythm.worst_error) ms, median $(f rhythm.median_error)" \
  "$(f rhythm.worst_error)" 20 "every frame within 20 ms"
row "timer rhythm: drift first to last frame" "worst $(f rhythm.worst_drift) ms" \
  "$(f rhythm.worst_drift)" 20 "no drift (< 20 ms)"
row "Play call returns" "p99 $(f play.call.p99) us (max $(f play.call.max))" "$(f play.call.p99)" 50 "< 50 us"
row "first sample heard after Play" "max $(ms play.first_sample.max) ms (median $(ms play.first_sample.p50))" \
  "$(ms play.first_sample.max)" "$(awk -v b="$(f play.buffer_ms)" 'BEGIN { print (b < 12 ? b : 12) }')" \
  "<= 1 buffer: $(f play.buffer_frames | cut -d. -f1) fr = $(f play.buffer_ms) ms"
for driver in dummy disk pulseaudio; do
  row "first sample after the output was let go: $driver" \
    "max $(ms "play.after_release.$driver.max") ms (median $(ms "play.after_release.$driver.p50"), $(f "play.after_release.$driver.late" | cut -d. -f1) of $(f "play.after_release.$driver.n" | cut -d. -f1) late)" \
    "$(ms "play.after_release.$driver.max")" 50 "< 50 ms"
done
row "peak memory, all $(f memory.screens_visited) screens visited" "$(f memory.peak_mb) MB RSS" \
  "$(f memory.peak_mb)" 50 "< 50 MB RSS"
row "simulated game: quiz, $(f game.quiz.questions | cut -d. -f1) questions" \
  "median $(ms game.quiz.cpu.p50) ms cpu (max $(ms game.quiz.cpu.max))" "$(ms game.quiz.cpu.max)" 5 "< 5 ms"
row "simulated game: drill, $(f game.drill.cards | cut -d. -f1) cards" \
  "median $(ms game.drill.cpu.p50) ms cpu (max $(ms game.drill.cpu.max))" "$(ms game.drill.cpu.max)" 5 "< 5 ms"
