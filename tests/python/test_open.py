"""Opening recordings and index files, and every way a call is refused."""
import json
import os
import pathlib
import subprocess
import threading
import time

import numpy as np
import pytest

import kp
from conftest import FAMILIES, SOURCE_DIR, family_id, synth

MARK = b"#KP-NEXT-FILE#"


def test_header_states_the_facts_of_the_export_header(write_family):
    rec = kp.open(write_family(5, "REC", points=200))
    h = rec.header
    assert (h["family"], h["function"], h["points"], h["recorded_points"], h["cut_short"]) == (5, "REC", 200, 200, False)
    assert h["interval"] == pytest.approx(1e-6)
    assert h["shot"] == "200"
    general = {row["Item"]: row["Value"] for row in h["properties"]["General"]}
    assert general["Function"] == h["function"] and general["Shot"] == h["shot"]
    assert {c.name for c in rec.channels} >= {"CH1-1", "LA"}


@pytest.mark.parametrize("case", FAMILIES, ids=family_id)
def test_properties_are_the_lists_kp_info_prints(case, write_family):
    path = write_family(*case)
    info = json.loads(subprocess.run([os.environ["KP_EXECUTABLE"], "--info", str(path), "--json", "--notation", "sec"],
                                     check=True, capture_output=True, text=True).stdout)
    properties = kp.open(path).header["properties"]
    assert list(properties) == [lst["title"] for lst in info["lists"]]
    for lst in info["lists"]:
        assert [[row[c] for c in lst["columns"]] for row in properties[lst["title"]]] == lst["rows"], lst["title"]


def test_index_lists_its_blocks_and_opens_the_first(write_family, tmp_path):
    first = write_family(2, "MEM", seed=3, name="WAVE0001.MEM")
    write_family(2, "MEM", seed=4, name="WAVE0002.MEM")
    synth("index", tmp_path / "A.IDX", "WAVE0001.MEM", "WAVE0002.MEM", "GONE0003.MEM")
    index = kp.open_index(tmp_path / "A.IDX")
    assert [(b.number, b.name, b.exists) for b in index.blocks] == [
        (1, "WAVE0001.MEM", True), (2, "WAVE0002.MEM", True), (3, "GONE0003.MEM", False)]
    np.testing.assert_array_equal(index.values("CH1"), kp.open(first).values("CH1"))
    second = kp.open(index.blocks[1].path)
    assert not np.array_equal(second.values("CH1"), index.values("CH1"))
    with pytest.raises(ValueError, match="not an index file"):
        kp.open_index(first)


@pytest.mark.parametrize("make, error, text", [
    (lambda d: d / "absent.MEM", FileNotFoundError, ""),
    (lambda d: (d / "notes.MEM").write_text("just some text\n" * 100) and d / "notes.MEM", kp.Error, "waveform"),
    (lambda d: (d / "empty.MEM").write_bytes(b"") or d / "empty.MEM", kp.Error, ""),
    (lambda d: synth("family", 0, d / "F0.MEM") or d / "F0.MEM", kp.Error, "Unsupported model"),
], ids=["missing", "text-file", "empty", "unsupported-model"])
def test_refused_files_raise_with_the_program_message(make, error, text, tmp_path):
    with pytest.raises(error, match=text) as raised:
        kp.open(make(tmp_path))
    assert str(raised.value)


def test_fuzz_regressions_raise_and_do_not_crash(tmp_path):
    found = sorted(pathlib.Path(SOURCE_DIR, "tests", "fuzz_regressions").glob("*/*"))
    assert found
    for n, kept in enumerate(found):
        folder = tmp_path / str(n)
        folder.mkdir()
        opened, *companions = kept.read_bytes().split(MARK)
        for part in companions:
            name, _, data = part.partition(b"\n")
            (folder / name.decode()).write_bytes(data)
        (folder / "OPENED.DAT").write_bytes(opened)
        with pytest.raises(kp.Error):
            kp.open(folder / "OPENED.DAT")


@pytest.mark.parametrize("family", [1, 5, 8])
def test_a_cut_short_file_opens_what_was_read_or_raises(family, write_family):
    path = write_family(family, "MEM", points=400)
    data = path.read_bytes()
    for size in (16, 512, len(data) // 2, len(data) - 3):
        path.write_bytes(data[:size])
        try:
            rec = kp.open(path)
        except kp.Error as e:
            assert str(e)
            continue
        assert rec.header["cut_short"] == (rec.points < 400)
        for ch in rec.channels:
            if ch.kind != "logic":
                assert len(rec.values(ch.name)) == len(rec.codes(ch.name)) <= rec.points


@pytest.mark.parametrize("call, error, text", [
    (lambda r: r.values("CH9"), ValueError, "no channel named"),
    (lambda r: r.values(99), IndexError, "channel index"),
    (lambda r: r.values("CH1", step=0), ValueError, "step"),
    (lambda r: r.values("CH1", start=301), IndexError, "start"),
    (lambda r: r.values("CH1", 10, 400), IndexError, "stop"),
    (lambda r: r.values("CH1", 10, 5), IndexError, "stop"),
    (lambda r: r.values("CH1", secondary=True), ValueError, "secondary"),
    (lambda r: r.values("LA"), ValueError, "logic unit"),
    (lambda r: r.logic("LA", 5), IndexError, "probe"),
    (lambda r: r.logic("LA"), ValueError, "name the probe"),
    (lambda r: r.logic("CH1", 1), ValueError, "not a logic unit"),
    (lambda r: r.times(step=-1), ValueError, "step"),
    (lambda r: r.codes(1.5), TypeError, "name or its index"),
    (lambda r: r.values("CH1", out=np.zeros(300, dtype=np.float32)), TypeError, "float64"),
    (lambda r: r.values("CH1", out=np.zeros(299)), ValueError, "300 values"),
])
def test_bad_arguments_are_refused_clearly(call, error, text, write_family):
    rec = kp.open(write_family(1, "MEM"))
    with pytest.raises(error, match=text):
        call(rec)


@pytest.mark.parametrize("options, error, text", [
    ({"format": "xls"}, ValueError, "format must be one of"),
    ({"time": "hours"}, ValueError, "time must be one of"),
    ({"thinout": 0}, ValueError, "thinout"),
    ({"source": "absent.MEM"}, kp.Error, "."),
])
def test_convert_refuses_bad_options_and_sources(options, error, text, write_family, tmp_path):
    source = tmp_path / options.pop("source", write_family(1, "MEM").name)
    with pytest.raises(error, match=text):
        kp.convert(source, tmp_path, **options)


def test_other_threads_run_while_a_large_recording_loads(tmp_path):
    path = tmp_path / "BIG.MEM"
    synth("waves", 16, 2_000_000, path)
    ticks, done = [], threading.Event()

    def tick():
        while not done.is_set():
            ticks.append(time.perf_counter())

    ticker = threading.Thread(target=tick)
    ticker.start()
    start = time.perf_counter()
    rec = kp.open(path)
    end = time.perf_counter()
    done.set()
    ticker.join()
    # Margins wider than the interpreter's switch interval: the ticker may
    # run that long at either end of the call even while the load holds the
    # interpreter.
    inside = [t for t in ticks if start + 0.01 < t < end - 0.01]
    assert end - start > 0.03 and rec.points == 2_000_000
    assert len(inside) > 100
