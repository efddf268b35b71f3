#!/usr/bin/env python3
"""A learner's real mouse and key events on keb.exe under Wine, read back off the screen.

Selects a state and a capital, enters the pair ("Избрах") and reads the counter, withdraws it
("Върни"), enters a right and a wrong pair, grades ("Оцени") and reads the score and each
answer's mark, asks for an explanation ("Обясни"), then opens the colour window, moves a slider
and stores the colours ("Запис"). Texts are read by OCR (tesseract, Bulgarian), marks and colours
by their pixels. Screenshots go to SCREENSHOTS.

    learner_on_wine.py WINE_SH PREFIX KEB_EXE SCREENSHOTS
"""
import os
import re
import subprocess
import sys
import time

wine_sh, prefix, keb_exe, shots = sys.argv[1:5]
os.makedirs(shots, exist_ok=True)
PATIENCE = 60  # seconds a step may take on a busy machine
failures = []


def check(what, ok, seen=""):
    print(("ok: " if ok else "FAILED: ") + what + (f" (seen: {seen!r})" if seen != "" else ""),
          flush=True)
    if not ok:
        failures.append(what)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout


class Screen:
    """The whole X screen as RGB pixels."""

    def __init__(self, name=None):
        png = os.path.join(shots, (name or "last") + ".png")
        subprocess.run(["import", "-window", "root", png], check=True)
        data = subprocess.run(["convert", png, "-depth", "8", "ppm:-"], capture_output=True,
                              check=True).stdout
        head = data.split(b"\n", 3)
        self.width, self.height = map(int, head[1].split())
        self.pixels = head[3]
        self.png = png

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def box(self, colour):
        """The smallest rectangle holding every pixel of the colour, or None."""
        xs, ys = [], []
        for y in range(0, self.height, 2):
            row = self.pixels[3 * y * self.width:3 * (y + 1) * self.width]
            start = 0
            target = bytes(colour)
            while True:
                i = row.find(target, start)
                if i < 0:
                    break
                if i % 3 == 0:
                    xs.append(i // 3)
                    ys.append(y)
                start = i + 1
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def read(screen, x, y, w, h, layout="7"):
    """The text in a rectangle of the screen, by OCR: one line (layout 7) or a block (6)."""
    crop = screen.png + ".crop.png"
    subprocess.run(["convert", screen.png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace",
                    "Gray", "-resize", "400%", crop], check=True)
    text = run("tesseract", crop, "-", "-l", "bul", "--psm", layout)
    return " ".join(text.split())


def expected_score():
    """The score of the pairs this learner enters: the content's own pairs, as the lists sort
    them (by their Windows-1251 bytes), taken as the learner takes them."""
    source = os.path.join(os.path.dirname(__file__), "..", "..", "content", "builtin_content.cpp")
    pairs = re.findall(r'\{"([^"]*)", "([^"]*)"\}', open(source, encoding="utf-8").read())
    capital_of = dict(pairs)
    states = sorted(capital_of, key=lambda t: t.encode("cp1251"))
    capitals = sorted(capital_of.values(), key=lambda t: t.encode("cp1251"))
    right = 0
    for k in range(39):
        state, capital = states.pop(0), capitals.pop(4 if k == 0 else 0)
        right += capital_of[state] == capital
    return round(100 * right / len(pairs))


def wait_for(what, probe):
    deadline = time.monotonic() + PATIENCE
    while True:
        got = probe()
        if got or time.monotonic() > deadline:
            return got
        time.sleep(0.2)


def window(pattern):
    return wait_for(pattern, lambda: run("xdotool", "search", "--name", pattern).split())


def click(x, y):
    run("xdotool", "mousemove", str(x), str(y), "click", "1")
    time.sleep(0.3)


def key(*names):
    for name in names:
        run("xdotool", "key", name)
        time.sleep(0.15)


ORANGE = (255, 128, 0)          # "Избрах"
LIGHT_ORANGE = (255, 192, 128)  # the counter's label
GREEN_MARK = (0, 255, 0)
RED_MARK = (255, 0, 0)

quiz = subprocess.Popen(["bash", wine_sh, prefix, keb_exe], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
try:
    check("keb.exe shows its window", bool(window(r"^www\.keb\.example KEB")))
    screen = wait_for("the window drawn", lambda: (lambda s: s if s.box(ORANGE) else None)(Screen()))
    if not screen:
        check("the quiz window is drawn", False)
        sys.exit(1)
    button = screen.box(ORANGE)
    # The client area's corner, from "Избрах" at 1200, 4200 twips (15 twips a pixel).
    ox, oy = button[0] - 1200 // 15, button[1] - 4200 // 15

    def at(left, top):
        return ox + left // 15, oy + top // 15

    def text_of(left, top, width, height, screen):
        x, y = at(left, top)
        return read(screen, x, y, width // 15, height // 15)

    def counter():
        return text_of(4440, 0, 1455, 375, Screen("counter"))

    check("the counter at start", "Оставащи" in counter(), counter())

    # Each list's first row, some 10 pixels under its top; the lists stand side by side.
    first_row_y = oy + 480 // 15 + 10
    left_list_x = ox + 240 // 15 + 60
    right_list_x = ox + 6360 // 15 + 40
    click(left_list_x, first_row_y)           # Айдахо
    click(right_list_x, first_row_y)          # Анаполис
    click(*[c + 5 for c in at(1200, 4200)])   # Избрах
    seen = wait_for("49", lambda: (lambda t: t if "49" in t else None)(counter())) or counter()
    check("a pair entered by mouse: the counter reads Остават: 49", "Остават" in seen and "49" in seen, seen)
    Screen("entered-one")

    answers_row_y = oy + 2640 // 15 + 10
    click(ox + 840 // 15 + 60, answers_row_y)
    click(*[c + 5 for c in at(4680, 4200)])   # Върни
    seen = wait_for("50", lambda: (lambda t: t if "50" in t else None)(counter())) or counter()
    check("the answer withdrawn with Върни: Остават: 50", "50" in seen, seen)

    # A right pair: Айдахо and Бойзи, the fifth capital, reached by keys from the first.
    click(left_list_x, first_row_y)
    click(right_list_x, first_row_y)
    key("Down", "Down", "Down", "Down")
    click(*[c + 5 for c in at(1200, 4200)])
    # Then the first phrase of each list, 38 times, the first time a wrong pair (Айова and
    # Анаполис). Each press of a button first enables "Оцени" or not by the answers before it:
    # from 38 answers on, against 12 capitals left, so at the 39th "Избрах".
    for _ in range(38):
        click(left_list_x, first_row_y)
        click(right_list_x, first_row_y)
        click(*[c + 5 for c in at(1200, 4200)])
    seen = wait_for("11", lambda: (lambda t: t if "11" in t else None)(counter())) or counter()
    check("39 pairs entered: Остават: 11", "11" in seen, seen)

    click(*[c + 5 for c in at(8400, 4200)])   # Оцени
    score = expected_score()
    seen = wait_for("Верни", lambda: (lambda t: t if "Верни" in t else None)(counter())) or counter()
    check(f"Оцени: the score reads Верни: {score}%", "Верни" in seen and str(score) in seen, seen)

    def mark(row):
        click(ox + 840 // 15 + 60, answers_row_y + 19 * row)
        shot = Screen(f"mark-{row}")
        x, y = at(10440, 3120)
        return shot.at(x + 16, y + 2), text_of(10440, 3120, 495, 495, shot)

    colour, text = mark(0)
    check("the right answer is marked ДА on green", colour == GREEN_MARK and "ДА" in text,
          f"{colour} {text}")
    colour, text = mark(1)
    check("the wrong answer is marked НЕ on red", colour == RED_MARK and "НЕ" in text,
          f"{colour} {text}")

    click(ox + 840 // 15 + 60, answers_row_y)
    click(*[c + 5 for c in at(9720, 50)])     # Обясни
    shot = Screen("explained")
    x, y = at(1800, 4680)
    said = read(shot, x, y, 9135 // 15, 60, "6")
    check("Обясни names the state's capital", "Бойзи" in said or "Айдахо" in said, said)

    # The colour window from the menu's "Color", right of "Exit", above the client area.
    click(ox + 65, oy - 10)
    settings = window("^Формиране на цвят")
    check("the menu's Color opens the colour window", bool(settings))
    geometry = run("xdotool", "getwindowgeometry", "--shell", settings[0])
    sx = int(re.search(r"X=(-?\d+)", geometry).group(1))
    sy = int(re.search(r"Y=(-?\d+)", geometry).group(1))
    shot = Screen("colour-window")
    # Its client area starts under its menu bar, where its grey begins.
    cy = next(y for y in range(sy, sy + 60) if shot.at(sx + 2, y) == (128, 128, 128))

    def readout(shot):
        return read(shot, sx + 795 // 15, cy + 1150 // 15, 4020 // 15, 255 // 15)

    # The red slider, at 128 as the window opened, taken by its knob in the middle and moved by
    # ten steps of the arrow key.
    click(sx + (440 + 1500) // 15, cy + (1560 + 150) // 15)
    key(*["Right"] * 10)
    after = wait_for("the read-out", lambda: (lambda t: t if "138" in t else None)(
        readout(Screen("slider-moved")))) or readout(Screen("slider-moved"))
    preview = Screen("slider-moved").at(sx + 1000 // 15, cy + 500 // 15)
    check("the red slider moved by ten: the read-out says 138, the preview shows it",
          "138" in after and preview == (138, 0, 0), f"{after} {preview}")
    click(sx + 20, cy - 10)                    # Запис
    gone = wait_for("closed", lambda: not run("xdotool", "search", "--name", "^Формиране на цвят"))
    check("Запис closes the colour window", gone)
    shot = Screen("stored")
    check("Запис gives the quiz window the colour formed", shot.at(ox + 5, oy + 100) == (138, 0, 0),
          shot.at(ox + 5, oy + 100))
finally:
    quiz.terminate()
    subprocess.run(["bash", "-c", f"WINEPREFIX='{prefix}' wineserver -k"], capture_output=True)

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
