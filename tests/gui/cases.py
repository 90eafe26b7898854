"""The program driven through its accessibility tree: one function per case, named on the command line.

    cases.py PROGRAM CASE...

Each case gets the running program (desktop.App) and walks it as a user with a screen reader would:
menus, edits by the label beside them, buttons by caption, answers by their text.
"""

import sys

from desktop import Desktop

CASES = {}


def case(fn):
    CASES[fn.__name__] = fn
    return fn


def term_of_progression(app):
    """Termo qualquer de uma PA: a(10) of 2, 5, 8, ... is 29."""
    app.menu("Problemas", "Algebra", "Progressões Aritméticas", "Termo qualquer de uma PA")
    w = app.window("Termo qualquer de uma PA")
    w.type("Termo a ser encontrado:", "10")
    w.type("Primeiro ermo da PA:", "2")
    w.type("Razão da PA:", "3")
    w.press("Calcular")
    w.label("29")
    return w


@case
def progression(app):
    w = term_of_progression(app)
    w.type("Termo a ser encontrado:", "1")  # the answer label keeps up with the next result
    w.press("Calcular")
    w.label("2")


@case
def report(app):
    app.menu("Sistema", "Gerador de relatórios", "Iniciar geração de relatório")
    app.window("Gerador de relatórios").press("Iniciar")
    term_of_progression(app)
    app.menu("Sistema", "Gerador de relatórios", "Visualizar relatório")
    text = app.window("Relatório").find("text", "").text()
    for line in ("Termo qualquer de uma PA", "Termo a ser encontrado = 10", "Primeiro termo da PA = 2",
                 "Razão da PA = 3", "Termo encontrado = 29"):
        assert line in text.splitlines(), f"{line!r} not in the report:\n{text}"


@case
def missing_control(app):
    """A control that is not there by that name fails the case and says which one it looked for."""
    try:
        app.main().find("push button", "Calcular", deadline=0.5)
    except AssertionError as e:
        assert "push button 'Calcular'" in str(e), e
    else:
        raise AssertionError("found a button the main window does not have")


def main(program, names):
    unknown = [n for n in names if n not in CASES]
    if unknown or not names:
        sys.exit(f"usage: cases.py PROGRAM CASE...; cases: {', '.join(CASES)}")
    with Desktop() as desktop:
        for name in names:
            app = desktop.start(program)
            CASES[name](app)
            assert app.quit() == 1, "Fechar ends the program with exit code 1"
            print(f"{name}: passed")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
