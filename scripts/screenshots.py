"""Pictures of the program for the README: each shot starts the program on a private X server, drives
it through its accessibility tree to a window and saves that window as docs/<name>.png.

    screenshots.py PROGRAM DOCS [NAME...]

A shot is a function marked @shot that takes the running program (tests/gui/desktop.App) and gives
back the title of the window to picture; @at_scale(f) under it starts the program at that scale.
"""

import math
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gui"))
from cases import steps_of_x_squared_minus_four, twelve_plus_three, x_squared_minus_four  # noqa: E402
from desktop import Desktop, wait_for  # noqa: E402

SHOTS = {}


def shot(fn):
    SHOTS[fn.__name__.replace("_", "-")] = fn
    return fn


def at_scale(factor):
    def scaled(fn):
        fn.scale = factor
        return fn
    return scaled


@shot
def main_window(app):
    """With the Algebra panel open, so the picture shows what the program offers."""
    w = app.main()
    w.find("link", "Algebra").press()
    panel = w.find("link", "Análise combinatória")
    wait_for("the Algebra panel", panel.showing)
    return w.name


@shot
def calculator(app):
    return twelve_plus_three(app).name


@shot
def graph(app):
    """The sine plotted."""
    app.menu("Problemas", "Ferramentas", "Gerador de gráficos")
    w = app.window("Gerador de gráficos")
    w.fill("f(x) =", "SEN(x)")
    w.click("Traçar gráfico")
    return w.name


@shot
def quadratic(app):
    """x² - 4 = 0: the roots 2 and -2, the vertex and the parabola."""
    return x_squared_minus_four(app).name


@shot
def steps(app):
    """The worked solution of x² - 4 = 0, opened with F2."""
    w = steps_of_x_squared_minus_four(app)
    wait_for("the steps", lambda: "√Δ = 4" in w.find("text", "Passos").text())
    return w.name


@shot
@at_scale(1.5)
def main_window_150(app):
    """The main window at 1.5 times, as on a 4K laptop."""
    return main_window(app)


@shot
@at_scale(1.5)
def quadratic_150(app):
    """x² - 4 = 0 at 1.5 times: borders whole and the parabola drawn with the screen's pixels."""
    return quadratic(app)


def grab(display, window, scale=1):
    """The window's picture as PNG bytes, once two grabs in a row agree (it has finished painting)."""
    # The accessibility tree gives places in the program's own pixels, the screen has device pixels;
    # the program rounds halves up.
    x, y, width, height = (math.floor(v * scale + 0.5) for v in window.extents())
    last = [None]

    def settled():
        png = subprocess.run(["import", "-display", display, "-window", "root", "-crop",
                              f"{width}x{height}+{x}+{y}", "+repage", "png:-"],
                             check=True, stdout=subprocess.PIPE).stdout
        same = png == last[0]
        last[0] = png
        return png if same else None

    return wait_for(f"{window!r} to settle", settled)


def main(program, docs, names):
    names = names or list(SHOTS)
    unknown = [n for n in names if n not in SHOTS]
    if unknown:
        sys.exit(f"unknown shots {unknown}; shots: {', '.join(SHOTS)}")
    os.makedirs(docs, exist_ok=True)
    with Desktop() as desktop:
        for name in names:
            scale = getattr(SHOTS[name], "scale", 1)
            app = desktop.start(program, scale=scale)
            png = grab(desktop.env["DISPLAY"], app.window(SHOTS[name](app)), scale)
            path = os.path.join(docs, name + ".png")
            with open(path, "wb") as f:
                f.write(png)
            print(path)
            app.quit()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
