#!/usr/bin/env python3
"""The kp module on the 16 x 10,000,000-point recording (320 MB of samples).

  open     kp.open against the viewer's load (load_bench's BM_Load), target
           within 1.2x;
  values   rec.values() of one channel against the same scaling done in numpy
           from rec.codes(), target at least 2x faster.

  PYTHONPATH=build/src/python python3 bench/python_bench.py \\
      --synth build/tools/synth/kp-synth --load-bench build/bench/load_bench
"""
import argparse
import re
import pathlib
import subprocess
import tempfile
import time

import numpy as np

import kp

CHANNELS, POINTS = 16, 10_000_000


def best(run, repeats):
    """Least wall and least CPU seconds of one run."""
    wall, cpu = [], []
    for _ in range(repeats):
        w, c = time.perf_counter(), time.process_time()
        result = run()
        wall.append(time.perf_counter() - w)
        cpu.append(time.process_time() - c)
        del result
    return min(wall), min(cpu)


def viewer_load_seconds(load_bench):
    """Wall and CPU seconds of one load, from load_bench's summary lines."""
    out = subprocess.run([load_bench, "--benchmark_filter=^BM_Load/"], check=True, capture_output=True,
                         text=True).stdout
    speeds = dict(re.findall(r"^(real|CPU) time, .*?: load (\d+) MB/s", out, re.MULTILINE))
    samples = CHANNELS * POINTS * 2 / 1e6
    return samples / float(speeds["real"]), samples / float(speeds["CPU"])


def ratio_line(name, mine, theirs, target):
    return (f"{name}: {mine[0] * 1e3:.1f} ms against {theirs[0] * 1e3:.1f} ms wall ({mine[0] / theirs[0]:.2f}x), "
            f"{mine[1] * 1e3:.1f} ms against {theirs[1] * 1e3:.1f} ms CPU ({mine[1] / theirs[1]:.2f}x); {target}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--synth", required=True)
    parser.add_argument("--load-bench", required=True)
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="kp-python-bench-") as folder:
        path = pathlib.Path(folder) / "BENCH.MEM"
        subprocess.run([args.synth, "waves", str(CHANNELS), str(POINTS), str(path)], check=True)
        kp.open(path)  # the file into the page cache, as the viewer's runs have it
        module_open = best(lambda: kp.open(path), args.repeats)
        viewer_open = viewer_load_seconds(args.load_bench)

        rec = kp.open(path)
        ch = rec.channels[0]
        codes = rec.codes(ch.name)
        values = best(lambda: rec.values(ch.name), args.repeats * 2)
        numpy = best(lambda: codes.astype(np.float64) * ch.scale + ch.offset, args.repeats * 2)
        assert np.array_equal(rec.values(ch.name), codes.astype(np.float64) * ch.scale + ch.offset)
        # Both again into one array kept from call to call.
        kept = np.empty(len(codes))

        def numpy_into():
            np.multiply(codes, ch.scale, out=kept)
            np.add(kept, ch.offset, out=kept)

        values_into = best(lambda: rec.values(ch.name, out=kept), args.repeats * 2)
        numpy_kept = best(numpy_into, args.repeats * 2)
        # What writing a fresh float64 array of that length costs at all.
        fresh = best(lambda: np.empty(len(codes)).fill(0.0), args.repeats * 2)

    print(ratio_line("kp.open against the viewer's load", module_open, viewer_open, "target at most 1.2x"))
    print(ratio_line("numpy scaling of codes() against values()", numpy, values, "target at least 2x"))
    print(ratio_line("the same into a kept array (out=)", numpy_kept, values_into, "target at least 2x"))
    print(f"filling a fresh float64 array of the channel's length: {fresh[0] * 1e3:.1f} ms wall")


if __name__ == "__main__":
    main()
