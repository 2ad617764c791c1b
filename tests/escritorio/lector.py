#!/usr/bin/python3
"""The program as a screen reader meets it, on a real accessibility bus.

Lists the main window and the bet editor as the reader sees them, fails on an
interactive object without a name, and marks a bet with the keyboard alone
while it listens to the slip's events. Run inside its own D-Bus session and
X server (escritorio.sh); exit 77 when the accessibility tools are missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("sin pyatspi: prueba omitida")
    sys.exit(77)

BOLVERA, CLI = sys.argv[1], sys.argv[2]

INTERACTIVOS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_LINK, pyatspi.ROLE_CHART, pyatspi.ROLE_IMAGE,
}
fallos = []


def espera(que, segundos=20):
    fin = time.time() + segundos
    while time.time() < fin:
        r = que()
        if r:
            return r
        time.sleep(0.2)
    return None


def busca(raiz, rol, nombre):
    return pyatspi.findDescendant(raiz, lambda o: o.getRole() == rol and o.name == nombre)


def ventana(app, principio):
    for v in app:
        if v is not None and v.name.startswith(principio):
            return v
    return None


def lista(o, hondo=0, filas=0):
    """Prints what the reader meets under `o`: role, name and description,
    the table cells of the first rows only."""
    estado = o.getState()
    if hondo > 0 and not estado.contains(pyatspi.STATE_SHOWING):
        return
    rol = o.getRole()
    if rol == pyatspi.ROLE_TABLE_CELL and filas > 60:
        return
    descripcion = f" ({o.description})" if o.description and o.description != o.name else ""
    marca = " [marcada]" if estado.contains(pyatspi.STATE_CHECKED) else ""
    print(f"{'  ' * hondo}{o.getRoleName()}: {o.name}{marca}{descripcion}")
    if rol in INTERACTIVOS and not o.name.strip():
        fallos.append(f"sin nombre: {o.getRoleName()} bajo {o.parent.name if o.parent else ''}")
    vistas = 0
    for hijo in o:
        if hijo is None:
            continue
        if hijo.getRole() == pyatspi.ROLE_TABLE_CELL:
            vistas += 1
        lista(hijo, hondo + 1, vistas)


def teclas(*nombres):
    subprocess.run(["xdotool", "key", "--delay", "150", *nombres], check=True)


def escucha(acciones, segundos=8):
    """Runs `acciones` while listening to focus and mark changes; returns
    what the reader was told, as "foco Número 2" and "marcada Número 2"."""
    oido = []

    def evento(e):
        if e.source is None or e.source.getRole() != pyatspi.ROLE_CHECK_BOX:
            return
        if e.type == "object:state-changed:focused" and e.detail1:
            oido.append(f"foco {e.source.name}")
        elif e.type == "object:state-changed:checked":
            oido.append(f"{'marcada' if e.detail1 else 'desmarcada'} {e.source.name}")

    def paso():
        acciones()
        GLib.timeout_add(1500, lambda: pyatspi.Registry.stop())
        return False

    pyatspi.Registry.registerEventListener(evento, "object:state-changed:focused", "object:state-changed:checked")
    GLib.timeout_add(500, paso)
    GLib.timeout_add(segundos * 1000, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(evento, "object:state-changed:focused", "object:state-changed:checked")
    return oido


def main():
    datos = tempfile.mkdtemp(prefix="bolvera-lector-")
    cli = [CLI, "--dir", datos]
    subprocess.run(cli + ["--hoy", "2026-12-02", "nueva-pena", "--nombre", "AMIGOS", "3 14 40 41 42 + 2 5"], check=True, capture_output=True)
    subprocess.run(cli + ["anadir-sorteo", "2026-12-04", "3 14 25 36 47 + 2 9"], check=True, capture_output=True)

    escritorio = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program
    entorno = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", BOLVERA_HOY="2026-12-10")
    programa = subprocess.Popen([BOLVERA, "--dir", datos], env=entorno, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    try:
        app = espera(lambda: next((a for a in escritorio if a is not None and a.name == "Bolvera"), None))
        if app is None:
            print("el programa no aparece en el bus de accesibilidad")
            return 1
        entrar = espera(lambda: busca(app, pyatspi.ROLE_PUSH_BUTTON, "Entrar"))
        if entrar is not None:
            entrar.queryAction().doAction(0)
        principal = espera(lambda: ventana(app, "Bolvera - "))
        if principal is None:
            print("no se abre la ventana principal")
            return 1
        time.sleep(1)
        print("== La ventana principal, como la oye un lector de pantalla")
        lista(principal)
        foco = pyatspi.findDescendant(principal, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
        print(f"== Al abrirse, el foco está en: {foco.getRoleName() + ' ' + foco.name if foco else 'nada'}")

        busca(principal, pyatspi.ROLE_PUSH_BUTTON, "Crear peña nueva").queryAction().doAction(0)
        menu = espera(lambda: ventana(app, "Menú creación"))
        busca(menu, pyatspi.ROLE_CHECK_BOX, "Sencilla").queryAction().doAction(0)
        editor = espera(lambda: ventana(app, "Crear peña nueva..."))
        if editor is None:
            print("no se abre el editor")
            return 1
        time.sleep(1)
        print("== El editor de peñas")
        lista(editor)

        boleto = pyatspi.findDescendant(editor, lambda o: o.name == "Boleto")
        subprocess.run(["xdotool", "search", "--name", "Crear peña nueva", "windowactivate", "--sync"],
                       check=False, capture_output=True)
        boleto.queryComponent().grabFocus()
        time.sleep(0.5)
        oido = escucha(lambda: teclas("Down", "space", "Down", "space", "space"))
        print("== Lo que oye al marcar con el teclado")
        print("\n".join(oido))
        esperado = ["foco Número 2", "marcada Número 2", "foco Número 3", "marcada Número 3", "desmarcada Número 3"]
        if [o for o in oido if o in esperado] != esperado:
            fallos.append(f"al marcar se oye {oido}, no {esperado}")
    finally:
        programa.terminate()
        programa.wait(timeout=10)
        shutil.rmtree(datos, ignore_errors=True)

    for f in fallos:
        print("FALLO:", f)
    return 1 if fallos else 0


sys.exit(main())
