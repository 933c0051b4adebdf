#!/usr/bin/env python3
"""A game played through AT-SPI alone, as a screen reader plays it.

Starts the program on a copy of its application folder with Qt's AT-SPI
bridge switched on, finds the controls on the accessibility bus by their
roles and Czech names, presses them by their default action, reads the
marks of the positions and hears the names a jump changes. Runs inside a
D-Bus session on an X server:

    dbus-run-session -- xvfb-run -a atspi_check.py APPLICATION_FOLDER
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

ACCESSIBLE = 'org.a11y.atspi.Accessible'
ACTION = 'org.a11y.atspi.Action'
PROPERTIES = 'org.freedesktop.DBus.Properties'
CHECKED, SELECTED, SHOWING = 4, 23, 25
PATIENCE = 10.0


def fail(message):
    sys.exit('atspi_check: ' + message)


def has_state(node, state):
    bits = node.GetState(dbus_interface=ACCESSIBLE)
    return bool(int(bits[state // 32]) >> (state % 32) & 1)


def name_of(node, field='Name'):
    return str(node.Get(ACCESSIBLE, field, dbus_interface=PROPERTIES))


def find_below(bus, node, role, name):
    """The first showing node below `node`, depth first, of the role and name."""
    for bus_name, path in node.GetChildren(dbus_interface=ACCESSIBLE):
        child = bus.get_object(bus_name, path)
        if not has_state(child, SHOWING):
            continue
        if child.GetRoleName(dbus_interface=ACCESSIBLE) == role and name_of(child) == name:
            return child
        found = find_below(bus, child, role, name)
        if found is not None:
            return found
    return None


def wait_for(bus, application, role, name):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        found = find_below(bus, application, role, name)
        if found is not None:
            return found
        pump(0.05)
    fail('no showing %s "%s"' % (role, name))


def press(node):
    actions = [str(action[0]) for action in node.GetActions(dbus_interface=ACTION)]
    if 'Press' not in actions:
        fail('%s cannot be pressed: %s' % (name_of(node), actions))
    node.DoAction(actions.index('Press'), dbus_interface=ACTION)


def pump(seconds):
    """Lets the signals of the bus arrive for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def expect(condition, message):
    if not condition:
        fail(message)


def play(bus, application, heard):
    def control(role, name):
        return wait_for(bus, application, role, name)

    press(control('push button', 'Zobrazí dialog pro výběr nové hry'))
    press(control('link', 'Standardní hra'))
    mark = control('push button', 'Kámen, řada 3, sloupec 4')
    press(mark)
    expect(has_state(mark, CHECKED) and has_state(mark, SELECTED), 'the marked peg is not checked')
    press(control('push button', 'Ok'))

    board = control('panel', 'Hrací pole')
    expect(name_of(board, 'Description') == 'Zbylé kameny: 32', 'no count: ' + name_of(board, 'Description'))
    source = control('push button', 'Kámen, řada 5, sloupec 4')
    press(source)
    expect(has_state(source, SELECTED), 'the selected peg is not selected')
    pump(0.2)
    heard.clear()
    press(control('push button', 'Volný bod, řada 3, sloupec 4'))
    changed = {'Volný bod, řada 5, sloupec 4', 'Volný bod, řada 4, sloupec 4', 'Kámen, řada 3, sloupec 4'}

    def names_heard():
        return {name_of(bus.get_object(application.bus_name, path)) for path in heard}

    deadline = time.monotonic() + PATIENCE
    while not changed <= names_heard() and time.monotonic() < deadline:
        pump(0.05)
    expect(changed <= names_heard(), 'the jump was heard as %s' % names_heard())
    expect(name_of(source) == 'Volný bod, řada 5, sloupec 4', 'the jumped-from position reads ' + name_of(source))

    press(control('push button', 'Ukončí aktuální hru'))
    press(control('push button', 'Ano'))
    control('push button', 'Zobrazí dialog pro výběr nové hry')


def main():
    DBusGMainLoop(set_as_default=True)
    address = dbus.SessionBus().get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(dbus_interface='org.a11y.Bus')
    bus = dbus.bus.BusConnection(address)
    registry = bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry')
    registry.RegisterEvent('object:property-change:accessible-name', dbus.Array([], signature='s'), '',
                           dbus_interface='org.a11y.atspi.Registry')
    heard = []
    # Qt tells a new name by the object's path; its name is read from it.
    bus.add_signal_receiver(lambda kind, *rest, path: heard.append(path) if kind == 'accessible-name' else None,
                            signal_name='PropertyChange', dbus_interface='org.a11y.atspi.Event.Object',
                            path_keyword='path')

    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, 'Pelikor2000')
        shutil.copytree(sys.argv[1], copy)
        with open(os.path.join(copy, 'Kolvex.ini'), 'wb') as settings:
            settings.write(b'[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n')
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
        program = subprocess.Popen([os.path.join(copy, 'Pelikor2000')], env=environment)
        try:
            desktop = bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')
            deadline = time.monotonic() + PATIENCE
            while not desktop.GetChildren(dbus_interface=ACCESSIBLE):
                expect(time.monotonic() < deadline and program.poll() is None, 'the program never came on the bus')
                pump(0.05)
            application = bus.get_object(*desktop.GetChildren(dbus_interface=ACCESSIBLE)[0])
            expect(name_of(application) == 'Pelikor 2000', 'another application: ' + name_of(application))
            play(bus, application, heard)
        finally:
            program.terminate()
            program.wait()


if __name__ == '__main__':
    main()
