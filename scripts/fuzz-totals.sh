#!/bin/sh
# Adds up what scripts/fuzz.sh recorded per target: runs, executions, CPU time.
cd "$(dirname "$0")/../build-fuzz" || exit 1
for log in fuzz-*.log; do
    case $log in *.run.log) continue ;; esac
    t=${log#fuzz-}; t=${t%.log}
    awk -v t="$t" '
        /^== run/ { runs++ }
        /^stat::number_of_executed_units:/ { execs += $2 }
        /^stat::peak_rss_mb:/ { if ($2 > rss) rss = $2 }
        /^cpu_seconds:/ { cpu += $2 + $4 }
        /ERROR|SUMMARY/ { faults++ }
        END { printf "%-14s runs %3d  execs %12d  cpu %7.0f s (%5.1f min)  peak rss %5d MB  faults %d\n", t, runs, execs, cpu, cpu / 60, rss, faults }
    ' "$log"
done
