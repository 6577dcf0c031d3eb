#!/usr/bin/env python3
"""Times a whole installation of a product of about 4 MB under Wine, beside `mkdist unpack` of
the same distribution and a plain copy of its volumes, in one run. Prints the figures.

    /usr/bin/python3 bench/install/install_bench.py [--runs N]

Uses the Windows build in GLYPHWORK_WIN_BUILD (default build/win64) and mkdist from the native
build (GLYPHWORK_MKDIST to choose another). Not part of the tests: it asserts nothing."""
import argparse
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

from harness import WineEnv, WinePrefix  # noqa: E402
from harness.xdisplay import XvfbDisplay  # noqa: E402
from stages_support import (STAGE_CAPTION, finish_after_stages, mkdist, pack,  # noqa: E402
                            start_to_stages)

# About 4 MB decoded, a little under 2 MB packed: two volumes of a 1.44 MB disk.
PRODUCT = {"GLYPHWRK.EXE": 1000000, "UnInstal.Exe": 30000, "GLYPHWRK.HLP": 400000, "FONTS.LIB": 1300000,
           "SAMPLES.DAT": 1400000}


def seconds(fn):
    started = time.perf_counter()
    fn()
    return time.perf_counter() - started


def install_once(env, driver, dist, dest):
    """Returns (stages, whole): from the first stage dialog to the next page, and from the
    program's start to its exit with the dialogs answered by the driver."""
    started = time.perf_counter()
    proc = start_to_stages(env, driver, dist, dest)
    driver.wait_window(caption=STAGE_CAPTION, timeout=60, settle=0)
    stage_start = time.perf_counter()
    driver.wait_window(caption="Program Group", timeout=600, settle=0)
    stages = time.perf_counter() - stage_start
    finish_after_stages(driver)
    assert driver.wait_exit(proc) == 0
    return stages, time.perf_counter() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="install-bench-") as tmp:
        tmp = Path(tmp)
        template = WinePrefix(tmp / "template")
        display = XvfbDisplay(800, 600, log_path=tmp / "xvfb.log").start()
        try:
            template.create(display.name)
        finally:
            template.kill_server(display.name)
            display.stop()

        with WineEnv(tmp / "env", 800, 600, template=template) as env:
            driver = env.driver()
            dist = pack(env, "C:\\bench\\dist", sizes=PRODUCT, disk_size=1457664)
            decoded = sum(len(d) for d in dist.files.values())
            packed = sum(dist.volume(n).stat().st_size for n in range(1, len(dist.volumes) + 1))

            stage_times, whole_times, unpack_times, copy_times = [], [], [], []
            for run in range(args.runs):
                dest = f"C:\\BENCH\\RUN{run}"
                stages, whole = install_once(env, driver, dist, dest)
                stage_times.append(stages)
                whole_times.append(whole)

                out = tmp / f"unpack{run}"
                unpack_times.append(seconds(lambda: subprocess.run(
                    [str(mkdist()), "unpack", str(dist.unix), str(out)], check=True, capture_output=True)))

                copy_to = tmp / f"copy{run}"
                copy_to.mkdir()

                def copy_volumes():
                    for name in dist.volumes:
                        shutil.copyfile(dist.unix / name, copy_to / name)
                copy_times.append(seconds(copy_volumes))
                shutil.rmtree(out)
                shutil.rmtree(copy_to)
            driver.close(quiet=True)

    def line(label, values):
        print(f"  {label:<44} median {statistics.median(values) * 1000:8.1f} ms   "
              f"(runs: {', '.join(f'{v * 1000:.1f}' for v in values)})")

    print(f"product: {decoded} bytes decoded, {packed} bytes in {len(dist.volumes)} volumes; {args.runs} runs")
    line("setup under Wine, both stages", stage_times)
    line("setup under Wine, start to exit (driven)", whole_times)
    line("mkdist unpack (native)", unpack_times)
    line("plain copy of the volumes (native)", copy_times)
    print(f"  stages throughput: {decoded / statistics.median(stage_times) / 1e6:.1f} MB/s decoded")


if __name__ == "__main__":
    main()
