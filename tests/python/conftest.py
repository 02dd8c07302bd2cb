"""Recordings for the kp module's tests, all written by kp-synth."""
import os
import subprocess

import pytest

SYNTH = os.environ.get("KP_SYNTH", "kp-synth")
SOURCE_DIR = os.environ.get("KP_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))

# Every header family and function the writer keeps, as the viewer opens them.
FAMILIES = [
    (1, "MEM"), (1, "REC"), (1, "RMS"),
    (2, "MEM"), (2, "REC"), (2, "RMS"),
    (3, "MEM"),
    (4, "MEM"), (4, "REC"), (4, "RMS"),
    (5, "MEM"), (5, "REC"), (5, "RMS"),
    (6, "MEM"), (6, "REC"), (6, "RMS"),
    (7, "MEM"), (7, "REC"),
    (8, "MEM"),
    (9, "MEM"), (9, "REC"),
]


def synth(*args):
    subprocess.run([SYNTH, *map(str, args)], check=True, stdout=subprocess.DEVNULL)


@pytest.fixture
def write_family(tmp_path):
    def write(family, function, points=300, seed=1, name=None):
        path = tmp_path / (name or f"F{family}{function}.MEM")
        synth("family", family, path, function, points, seed)
        return path
    return write


def family_id(case):
    return f"family{case[0]}-{case[1]}"
