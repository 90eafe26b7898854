"""The program driven through its accessibility tree: one function per case, named on the command line.

    cases.py PROGRAM CASE...
    cases.py --list

Each case gets the running program (desktop.App) and walks it as a user with a screen reader would:
app.menu(...) and app.window(title), then in the window fill(label, text), click(caption),
choose(radio caption), toggle(check box caption), select(combo label, text) and label(answer text).
A new case is a function marked @case: CMakeLists.txt beside this file makes one test of each,
from the names `cases.py --list` prints. A case runs once with the start-up script "nosplash", or once
for each of the scripts SCRIPTS gives it.
"""

import sys

from desktop import CONTROL, SHIFT, Desktop, wait_for

CASES = {}
SCRIPTS = {}


def case(fn):
    CASES[fn.__name__] = fn
    return fn


def term_of_progression(app):
    """Termo qualquer de uma PA: a(10) of 2, 5, 8, ... is 29."""
    app.menu("Problemas", "Algebra", "Progressões Aritméticas", "Termo qualquer de uma PA")
    w = app.window("Termo qualquer de uma PA")
    w.fill("Termo a ser encontrado:", "10")
    w.fill("Primeiro ermo da PA:", "2")
    w.fill("Razão da PA:", "3")
    w.click("Calcular")
    w.label("29")
    return w


@case
def progression(app):
    w = term_of_progression(app)
    w.fill("Termo a ser encontrado:", "1")  # the answer label keeps up with the next result
    w.click("Calcular")
    w.label("2")


def record_progression(app):
    """Starts the report, works the progression and opens the report's window: its text area."""
    app.menu("Sistema", "Gerador de relatórios", "Iniciar geração de relatório")
    app.window("Gerador de relatórios").click("Iniciar")
    app.gone("Gerador de relatórios")  # recording from here on
    term_of_progression(app)
    app.menu("Sistema", "Gerador de relatórios", "Visualizar relatório")
    return app.window("Relatório").find("text", "")


def wait_for_lines(what, area, lines):
    wait_for(f"{what} to hold {lines}", lambda: all(line in area.text().splitlines() for line in lines))


@case
def report(app):
    wait_for_lines("the report", record_progression(app),
                   ["Termo qualquer de uma PA", "Termo a ser encontrado = 10", "Primeiro termo da PA = 2",
                    "Razão da PA = 3", "Termo encontrado = 29"])


def paste_nothing_into(app, area, *other_pastes):
    """The middle button, Ctrl+V, Shift+Insert and the window's own pastes, with nothing copied."""
    before = area.text()
    for paste in other_pastes:
        paste()
    area.click_with("b2").key(0x76, CONTROL).key(0xFF63, SHIFT)
    area.key(0x78)  # an x typed last: once it shows, the pastes before it are over
    after = wait_for("the typed x", lambda: app.running() and "x" in area.text() and area.text())
    assert after.replace("x", "", 1) == before, f"{before!r} became {after!r}"


@case
def paste_nothing(app):
    """Nothing was ever copied on this X server: pasting into the report or the script pastes
    nothing, and the program and its report go on."""
    paste_nothing_into(app, record_progression(app))
    app.menu("Sistema", "Inicialização do programa", "Editar script de inicialização")
    editor = app.window("Script de inicialização")
    paste_nothing_into(app, editor.find("text", ""), lambda: editor.find("menu item", "Colar").press())


def twelve_plus_three(app):
    """The calculator's keys as a screen reader presses them; the display is its one edit without a label."""
    app.menu("Problemas", "Ferramentas", "Calculadora")
    w = app.window("Calculadora")
    display = w.find("text", "")
    for key in ("1", "2", "+", "3", "="):
        w.click(key)
    wait_for("the display to show 15", lambda: display.text() == "15")
    return w


@case
def calculator(app):
    twelve_plus_three(app)


@case
def trigonometry(app):
    """A combo box and radio buttons; the program runs in the C locale, so the point separates decimals."""
    app.menu("Problemas", "Geometria", "Funções Trigonométricas")
    w = app.window("Funções Trigonométricas")
    w.select("Função:", "Seno")
    w.fill("Valor do angulo:", "30")
    w.choose("Radianos")
    w.choose("Graus")
    w.click("Calcular")
    w.label("0.5")


# The quadratic and its worked solution are also what scripts/screenshots.py pictures.
def x_squared_minus_four(app):
    """x² - 4 = 0 in the second-degree equations: the roots 2 and -2."""
    app.menu("Problemas", "Algebra", "Equações de segundo grau")
    w = app.window("Equações de 2° Grau")
    w.fill("X²", "1")
    w.fill("= 0", "-4")
    w.click("Calcular")
    w.label("-2")
    return w


def steps_of_x_squared_minus_four(app):
    """Then F2 on that window: the worked solution."""
    w = x_squared_minus_four(app)
    w.label("-2").click_with("b1")  # the pointer over the window, where the keys go
    w.key(0xFFBF)  # F2
    return app.window("Resolução passo a passo")


@case
def steps(app):
    """The worked solution shows Δ, √Δ, both roots and the vertex."""
    wait_for_lines("the steps", steps_of_x_squared_minus_four(app).find("text", "Passos"),
                   ["Δ = 0 + 16 = 16", "√Δ = 4", "Resposta 1: 2", "Resposta 2: -2",
                    "Coordenadas do vértice: X = 0; Y = -4"])


# Scripts whose fim only looks like one: a line feed without a carriage return joins it to the line
# before, Ctrl+Z ends the script before it, a capital letter or a blank makes it another word.
SCRIPTS["script_keeps_running"] = ["nosplash\nfim", "calc\r\n\x1afim\r\n", "Fim\r\n", "fim \r\n"]


@case
def script_keeps_running(app):
    """The credits window follows the whole script (none of these has a "nosplash" line that runs):
    once it shows, a line that ended the program would already have done so."""
    app.window("Créditos")
    app.running()


def main(program, names):
    if program == "--list":
        print(";".join(CASES))
        return
    unknown = [n for n in names if n not in CASES]
    if unknown or not names:
        sys.exit(f"usage: cases.py PROGRAM CASE...; cases: {', '.join(CASES)}")
    with Desktop() as desktop:
        for name in names:
            for script in SCRIPTS.get(name, ["nosplash\r\n"]):
                app = desktop.start(program, script)
                CASES[name](app)
                assert app.quit() == 1, "Fechar ends the program with exit code 1"
            print(f"{name}: passed")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "", sys.argv[2:])
