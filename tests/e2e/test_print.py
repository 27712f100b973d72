"""The printed year on Linux: File > Print Year... through Qt's print dialog to its
"Print to File (PDF)", and the command line's --print-pdf without any display. Each
PDF holds one page whose text is searchable and whose twelve grids lie where the
page layout puts them; bad command lines say why on one line and leave no file."""

import calendar
import datetime
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, Image, check, wait_until  # noqa: E402
from linuxsession import LinuxSession  # noqa: E402
from scenarios import run  # noqa: E402

MONTHS = [calendar.month_name[m] for m in range(1, 13)]


def grids_at(area):
    """The twelve grids as the page layout places them in a printable area: the
    window's months (three columns from x 5, rows of 130 from y 20, grids of
    210 x 110) under a heading of 48, scaled as one and centred."""
    left, top, right, bottom = area
    scale = min((right - left) / 641, (bottom - top) / 565)
    ox = left + int(((right - left) - 641 * scale) / 2)
    oy = top + int(((bottom - top) - 565 * scale) / 2)
    for month in range(12):
        x, y = (5, 220, 436)[month % 3] - 5, 20 + month // 3 * 130 + 45
        yield (ox + round(x * scale), oy + round(y * scale),
               ox + round((x + 210) * scale), oy + round((y + 110) * scale))


def check_pdf(pdf, year, page_points, folder):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    check(re.search(r"^Pages:\s+1$", info, re.M), f"not one page:\n{info}")
    check(f"{page_points[0]} x {page_points[1]} pts" in info, f"page size not {page_points}:\n{info}")
    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True, check=True).stdout
    for word in [str(year), "31", "Sun", *MONTHS]:
        check(word in text.split(), f"{word!r} is not in the PDF's text")
    # At 72 dpi a point is a pixel.
    subprocess.run(["pdftoppm", "-r", "72", "-singlefile", pdf, str(folder / "page")], check=True)
    page = Image.from_ppm((folder / "page.ppm").read_bytes())
    check((page.width, page.height) == page_points, f"rendered {page.width} x {page.height}")
    grid_boxes(page)


def grid_boxes(page, dpi=72):
    """Where each grid's ink lies on a page rendered at dpi, checked against the
    layout within two points: the line under its heading runs from its left edge,
    the lines after its last column and row close it at the right and bottom."""
    boxes, near, margin = [], 2 * dpi // 72, dpi // 2
    for month, (left, top, right, bottom) in enumerate(
            grids_at((margin, margin, page.width - margin, page.height - margin))):
        ink = [(x, y) for x in range(left - near, right + near) for y in range(top - near, bottom + near)
               if min(page.pixel(x, y)) < 200]
        xs, ys = [x for x, _ in ink], [y for _, y in ink]
        check(ink and abs(min(xs) - left) <= near and abs(max(xs) + 1 - right) <= near
              and abs(max(ys) + 1 - bottom) <= near,
              f"{MONTHS[month]}'s grid is not at {(left, top, right, bottom)}")
        boxes.append((min(xs), min(ys), max(xs) + 1, max(ys) + 1))
    return boxes


def command_line(x, exe):
    """No display at all: A4 portrait by default, Letter landscape asked for; bad
    input answers on one line with status 2 and leaves no file."""
    env = {k: v for k, v in x.env({"XDG_RUNTIME_DIR": str(x.dir)}).items() if k != "DISPLAY"}

    def print_pdf(*args):
        return subprocess.run([exe, "--print-pdf", *args], env=env, capture_output=True, text=True, timeout=30)
    for args, points in (([], (595, 842)), (["--page-size", "Letter", "--landscape"], (792, 612))):
        done = print_pdf(x.dir / "year.pdf", "--year", "2027", *args)
        check(done.returncode == 0 and not done.stderr, f"{args}: {done}")
        check_pdf(x.dir / "year.pdf", 2027, points, x.dir)
    folder = Path(tempfile.mkdtemp(dir=x.dir))
    (folder / "taken.pdf").mkdir()  # a folder in the file's place
    taken, nowhere, bad = folder / "taken.pdf", folder / "no" / "year.pdf", folder / "bad.pdf"
    for target, args, message in ((bad, ["--year", "0"], "--year takes a year from 1 to 9999, not '0'"),
                                  (bad, ["--year", "10000"], "--year takes a year from 1 to 9999, not '10000'"),
                                  (bad, ["--colour"], "unknown option '--colour'"),
                                  (taken, [], f"cannot write {taken}"), (nowhere, [], f"cannot write {nowhere}")):
        done = print_pdf(target, *args)
        check((done.returncode, done.stderr) == (2, f"orrindale: {message}\n"), f"{args}: {done}")
    check(os.listdir(folder) == ["taken.pdf"], f"files left: {os.listdir(folder)}")


def from_the_menu(x, exe):
    """Ctrl+P opens the print dialog; without a printer it prints to a file, which
    Qt offers in the home folder as print.pdf; Enter prints."""
    prog = x.start_program(exe)
    win = prog.wait_window(TITLE)
    win.activate()
    x.key("ctrl+p")
    dialog = x.wait_new_window("Print", known=(win,))
    dialog.activate()
    x.key("Return")
    pdf = x.dir / "home" / "print.pdf"
    wait_until(lambda: pdf.exists() and pdf.stat().st_size > 0, what="the printed PDF")
    x.wait_no_window("Print", pid=prog.pid)
    check_pdf(pdf, datetime.date.today().year, (595, 842), x.dir)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end")


if __name__ == "__main__":
    run(LinuxSession, (command_line, from_the_menu))
