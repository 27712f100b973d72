"""The Windows program's printed year against the Linux one. Wine here has no printer to
print to (no CUPS), so the Win32 page is drawn by the same code into an A4 bitmap at
288 dpi and into an enhanced metafile; the Linux page is its --print-pdf rendered by pdftoppm
at the same size. The twelve grids must lie at the same places within two points, and
the metafile's text records must hold the same texts as the PDF."""

import struct
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))

from harness import Image, check, run_test  # noqa: E402
from test_print import MONTHS, grid_boxes  # noqa: E402

HERE = Path(__file__).resolve().parent
EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW = 83, 84
YEAR = 2027
DPI = 288


def metafile_texts(blob):
    """The strings of the metafile's text records."""
    texts, at = [], 0
    while at + 8 <= len(blob):
        kind, size = struct.unpack_from("<II", blob, at)
        if kind in (EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW):
            count, offset = struct.unpack_from("<II", blob, at + 44)
            raw = blob[at + offset:at + offset + count * (2 if kind == EMR_EXTTEXTOUTW else 1)]
            texts.append(raw.decode("utf-16-le" if kind == EMR_EXTTEXTOUTW else "latin-1"))
        at += max(size, 8)
    return texts


def main():
    probe, linux = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="orrindale-print-") as folder:
        folder = Path(folder)
        subprocess.run([HERE / "run_month_grid_test.sh", probe, str(YEAR), "Z:" + str(folder / "win.ppm"),
                        "Z:" + str(folder / "win.emf")], check=True, timeout=200)
        subprocess.run([linux, "--print-pdf", folder / "linux.pdf", "--year", str(YEAR)], check=True,
                       env={"PATH": "/usr/bin:/bin", "XDG_RUNTIME_DIR": str(folder)}, timeout=30)
        subprocess.run(["pdftoppm", "-r", str(DPI), "-singlefile", folder / "linux.pdf", folder / "linux"],
                       check=True)
        pages = [Image.from_ppm((folder / name).read_bytes()) for name in ("win.ppm", "linux.ppm")]
        check(len({(p.width, p.height) for p in pages}) == 1, "the pages differ in size")
        windows, linux_boxes = (grid_boxes(p, DPI) for p in pages)
        for month, (w, l) in enumerate(zip(windows, linux_boxes)):
            check(all(abs(a - b) <= 2 * DPI // 72 for a, b in zip(w, l)), f"{MONTHS[month]}: Windows {w}, Linux {l}")
        texts = metafile_texts((folder / "win.emf").read_bytes())
        pdf_text = subprocess.run(["pdftotext", folder / "linux.pdf", "-"], capture_output=True, text=True,
                                  check=True).stdout.split()
        for word in [str(YEAR), "31", *MONTHS]:
            check(word in texts and word in pdf_text, f"{word!r}: in the metafile {word in texts}, "
                                                      f"in the PDF {word in pdf_text}")
    return 0


if __name__ == "__main__":
    sys.exit(run_test(main))
