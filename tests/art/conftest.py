import os
import subprocess

import pytest


def run_artgen(dest):
    exe = os.environ.get("ARTGEN")
    if not exe:
        pytest.fail("set ARTGEN to the artgen executable")
    dist, res = os.path.join(dest, "dist"), os.path.join(dest, "res")
    proc = subprocess.run([exe, dist, res], capture_output=True, text=True, timeout=120)
    assert proc.returncode == 0, "artgen failed: " + proc.stderr
    return dist, res


@pytest.fixture(scope="session")
def art(tmp_path_factory):
    """(dist_dir, res_dir) of one artgen run shared by the measuring tests."""
    return run_artgen(str(tmp_path_factory.mktemp("art")))
