"""Values, logic bits and times equal what the text export writes, cell for cell."""
import numpy as np
import pytest

import kp
from conftest import FAMILIES, family_id, synth


def expected_columns(rec):
    """(getter, precision) per data column, in the export's column order."""
    columns = []
    for ch in rec.channels:
        halves = (False, True) if ch.pair else (False,)
        if ch.kind == "logic":
            for probe in range(1, len(ch.probes) + 1):
                for half in halves:
                    columns.append((ch.probes[probe - 1], lambda s, c=ch.name, p=probe, h=half: rec.logic(c, p, step=s, secondary=h), None))
        else:
            for half in halves:
                columns.append((ch.name, lambda s, c=ch.name, h=half: rec.values(c, step=s, secondary=h), ch.precision))
    return columns


def read_csv(path):
    lines = [line for line in path.read_text().splitlines() if line]
    head = max(i for i, line in enumerate(lines) if line.startswith('"'))
    return lines[head].split(","), [line.split(",") for line in lines[head + 1:]]


@pytest.mark.parametrize("case", FAMILIES, ids=family_id)
def test_values_logic_and_times_equal_the_csv_cells(case, write_family, tmp_path):
    source = write_family(*case)
    step = 3
    rec = kp.open(source)
    csv = kp.convert(source, tmp_path, format="csv", thinout=step, newline="lf")
    titles, rows = read_csv(tmp_path / csv)
    columns = expected_columns(rec)
    assert len(titles) == len(columns) + 1
    assert len(rows) == len(rec.times(step=step))
    assert [float(r[0]) for r in rows] == pytest.approx(rec.times(step=step), rel=1e-7, abs=1e-10)
    for index, (name, read, precision) in enumerate(columns, start=1):
        assert titles[index].strip('"').startswith(name)
        cells = [r[index] for r in rows]
        got = read(step)
        if precision is None:
            assert cells == ["1" if b else "0" for b in got], name
        else:
            assert [float(c) for c in cells] == [float("%+.*e" % (precision, v)) for v in got], name


@pytest.mark.parametrize("case", FAMILIES, ids=family_id)
def test_values_equal_the_scaling_of_the_codes(case, write_family):
    rec = kp.open(write_family(*case, seed=7))
    for ch in rec.channels:
        if ch.kind == "logic" or not ch.linear:
            continue
        for half in (False, True) if ch.pair else (False,):
            codes = rec.codes(ch.name, secondary=half)
            expected = codes.astype(np.float64) * ch.scale + ch.offset
            np.testing.assert_array_equal(rec.values(ch.name, secondary=half), expected, err_msg=ch.name)


def test_ranges_select_the_same_points_as_slices(write_family):
    rec = kp.open(write_family(6, "MEM", points=500))
    for ch in rec.channels[:1] + [c for c in rec.channels if c.kind == "calc"][:1]:
        whole = rec.values(ch.name)
        for start, stop, step in [(0, None, 1), (7, 400, 9), (499, 500, 1), (250, 250, 1), (0, 500, 1000)]:
            np.testing.assert_array_equal(rec.values(ch.name, start, stop, step), whole[start:stop:step])
        kept = np.zeros(100)
        assert rec.values(ch.name, 100, 200, out=kept) is kept
        np.testing.assert_array_equal(kept, whole[100:200])
    unit = next(c for c in rec.channels if c.kind == "logic")
    np.testing.assert_array_equal(rec.logic(unit.probes[1]), rec.logic(unit.name, 2))


def test_long_reads_written_in_parts_equal_the_scaling_of_the_codes(tmp_path):
    path = tmp_path / "LONG.MEM"
    synth("waves", 1, 5_000_003, path)
    rec = kp.open(path)
    ch = rec.channels[0]
    whole = rec.values(ch.name)
    np.testing.assert_array_equal(whole, rec.codes(ch.name).astype(np.float64) * ch.scale + ch.offset)
    for start, stop, step in [(1, None, 1), (3, 4_999_999, 2), (0, None, 3)]:
        np.testing.assert_array_equal(rec.values(ch.name, start, stop, step), whole[start:stop:step])


def test_codes_are_a_read_only_view_that_keeps_the_recording(write_family):
    rec = kp.open(write_family(1, "MEM"))
    expected = rec.values("CH1")
    codes = rec.codes("CH1")
    assert np.shares_memory(codes, rec.codes(0))
    with pytest.raises(ValueError):
        codes[0] = 1
    scale, offset = rec.channels[0].scale, rec.channels[0].offset
    del rec
    np.testing.assert_array_equal(codes * scale + offset, expected)


def test_events_carry_the_times_the_properties_window_lists(tmp_path):
    from conftest import synth
    synth("demo", tmp_path / "D.MEM")
    rec = kp.open(tmp_path / "D.MEM")
    listed = rec.header["properties"]["Event Mark"]
    assert len(rec.events) == len(listed) > 0
    times = rec.times()
    for event, row in zip(rec.events, listed):
        assert event.time == times[event.point]
        assert event.time == pytest.approx(float(row["Time"].rstrip("s")), abs=5e-7)
