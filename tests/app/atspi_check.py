#!/usr/bin/env python3
"""A game through AT-SPI alone, as a screen reader plays it: the program on a
copy of its application folder with Qt's bridge on, its controls found by
role and Czech name and pressed by their default action, the names a jump
changes heard, a question opened and closed without a storm of events. In a
D-Bus session on an X server: atspi_check.py APP_FOLDER"""
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
CHECKED, SELECTED, SHOWING = 4, 23, 25
PATIENCE = 10.0
# A balloon's window shown and hidden, the activations and the focus moves.
BALLOON_EVENTS = 25


def expect(condition, message):
    if not condition:
        sys.exit('atspi_check: ' + message)


def has_state(node, state):
    return bool(int(node.GetState(dbus_interface=ACCESSIBLE)[state // 32]) >> (state % 32) & 1)


def name_of(node, field='Name'):
    return str(node.Get(ACCESSIBLE, field, dbus_interface='org.freedesktop.DBus.Properties'))


def until(done, failure):
    """Lets the bus's signals arrive until `done` holds."""
    deadline = time.monotonic() + PATIENCE
    while not done():
        expect(time.monotonic() < deadline, failure)
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def find_below(bus, node, role, name):
    """The first showing node below `node`, depth first, of the role and name."""
    for reference in node.GetChildren(dbus_interface=ACCESSIBLE):
        child = bus.get_object(*reference)
        if has_state(child, SHOWING):
            if child.GetRoleName(dbus_interface=ACCESSIBLE) == role and name_of(child) == name:
                return child
            found = find_below(bus, child, role, name)
            if found is not None:
                return found
    return None


def settle(told):
    """Lets the bus's signals arrive until none has come for half a second."""
    while True:
        before, pause = len(told), time.monotonic() + 0.5
        until(lambda: time.monotonic() >= pause, 'time stood still')
        if len(told) == before:
            return


def play(bus, application, heard, told):
    def press(name, role='push button'):
        found = [None]

        def look():
            found[0] = find_below(bus, application, role, name)
            return found[0] is not None

        until(look, 'no %s "%s"' % (role, name))
        actions = [str(action[0]) for action in found[0].GetActions(dbus_interface=ACTION)]
        found[0].DoAction(actions.index('Press'), dbus_interface=ACTION)
        return found[0]

    press('Nová hra...')
    press('Standardní hra', 'link')
    mark = press('Kámen, řada 3, sloupec 4')
    expect(has_state(mark, CHECKED) and has_state(mark, SELECTED), 'the mark is not checked')
    press('Ok')
    board = find_below(bus, application, 'panel', 'Hrací pole')
    expect(name_of(board, 'Description') == 'Zbylé kameny: 32', 'the count reads ' + name_of(board, 'Description'))
    expect(has_state(press('Kámen, řada 5, sloupec 4'), SELECTED), 'the selected peg is not selected')
    # What the moves so far announced arrives before the jump is listened for.
    settled = time.monotonic() + 0.2
    until(lambda: time.monotonic() >= settled, 'time stood still')
    heard.clear()
    press('Volný bod, řada 3, sloupec 4')
    changed = {'Volný bod, řada 5, sloupec 4', 'Volný bod, řada 4, sloupec 4', 'Kámen, řada 3, sloupec 4'}
    until(lambda: changed <= {name_of(bus.get_object(application.bus_name, path)) for path in heard},
          'the jump was not heard')

    settle(told)
    told.clear()
    press('Ukončit hru')
    press('Ne')
    until(lambda: ('Focus', application.bus_name) in told, 'the focus never came back')
    settle(told)
    count = sum(sender == application.bus_name for member, sender in told)
    expect(count <= BALLOON_EVENTS, 'a question opened and closed told %d events' % count)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(dbus.SessionBus().get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(
        dbus_interface='org.a11y.Bus'))
    # Everything a screen reader listens to.
    for event in ('object:', 'window:', 'focus:'):
        bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry').RegisterEvent(
            event, dbus.Array([], signature='s'), '', dbus_interface='org.a11y.atspi.Registry')
    # Qt tells of a new name by the object's path; the name is read there.
    heard = []
    bus.add_signal_receiver(lambda kind, *rest, path: heard.append(path) if kind == 'accessible-name' else None,
                            signal_name='PropertyChange', dbus_interface='org.a11y.atspi.Event.Object',
                            path_keyword='path')
    told = []
    bus.add_signal_receiver(lambda *rest, member, sender: told.append((member, sender)),
                            member_keyword='member', sender_keyword='sender')

    with tempfile.TemporaryDirectory() as folder:
        copy = shutil.copytree(sys.argv[1], os.path.join(folder, 'Pelikor2000'))
        with open(os.path.join(copy, 'Kolvex.ini'), 'wb') as settings:
            settings.write(b'[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n')
        program = subprocess.Popen([os.path.join(copy, 'Pelikor2000')],
                                   env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb'))
        try:
            desktop = bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')
            until(lambda: desktop.GetChildren(dbus_interface=ACCESSIBLE), 'the program never came on the bus')
            application = bus.get_object(*desktop.GetChildren(dbus_interface=ACCESSIBLE)[0])
            expect(name_of(application) == 'Pelikor 2000', 'another application: ' + name_of(application))
            play(bus, application, heard, told)
        finally:
            program.terminate()
            program.wait()


if __name__ == '__main__':
    main()
