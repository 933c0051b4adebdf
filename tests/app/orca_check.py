#!/usr/bin/env python3
"""A standard game by the keys under Orca, its speech logged: the moves and the
board after a question are spoken. In a D-Bus session: orca_check.py APP_FOLDER"""
import importlib.machinery
import importlib.util
import logging
import os
import shutil
import subprocess
import sys
import tempfile
import time

PATIENCE = 60.0
PLAY = [(['F2'], 'Standardní hra'), (['space'], 'Kámen, řada 4, sloupec 4'), (['Up', 'space', 'Return'], 'Hrací pole'),
        (['Down', 'space'], 'Vybrán kámen, řada 5, sloupec 4'),
        (['Up', 'Up', 'space'], 'Skok z řady 5, sloupce 4 přes řadu 4, sloupec 4 na řadu 3, sloupec 4. Zbylé kameny: 31'),
        (['Down', 'space'], 'Skok na řadu 4, sloupec 4 není možný'),
        (['F3'], 'Opravdu chcete ukončit tuto hru ?'), (['Escape'], 'Volný bod, řada 4, sloupec 4')]


def run_orca(prefs, speech_log):
    """Orca as its command starts it, beside any other session's Orca, its speech logged."""
    sys.argv = ['orca', '--user-prefs', prefs]
    loader = importlib.machinery.SourceFileLoader('orca_command', '/usr/bin/orca')
    command = importlib.util.module_from_spec(importlib.util.spec_from_loader('orca_command', loader))
    loader.exec_module(command)
    command.otherOrcas = lambda: []
    command.setProcessName = lambda name: True
    from orca import speech  # noqa: F401 (makes the speech log)
    logging.getLogger('speech').addHandler(logging.FileHandler(speech_log, encoding='utf-8'))
    sys.exit(command.main())


def spoken(speech_log):
    if not os.path.exists(speech_log):
        return []
    with open(speech_log, encoding='utf-8') as log:
        return [line for line in log if line.startswith('SPEECH OUTPUT')]


def until(done, failure):
    deadline = time.monotonic() + PATIENCE
    while not done():
        if time.monotonic() > deadline:
            sys.exit('orca_check: ' + failure())
        time.sleep(0.1)


def main():
    if sys.argv[1] == '--orca':
        run_orca(sys.argv[2], sys.argv[3])
    with tempfile.TemporaryDirectory() as folder:
        speech_log = os.path.join(folder, 'speech.log')
        # No speech server is started: Orca logs what it would have said.
        environment = dict(os.environ, XDG_RUNTIME_DIR=folder, SPEECHD_CMD=os.path.join(folder, 'none'),
                           QT_QPA_PLATFORM='xcb')
        copy = shutil.copytree(sys.argv[1], os.path.join(folder, 'Pelikor2000'))
        with open(os.path.join(copy, 'Kolvex.ini'), 'wb') as settings:
            settings.write(b'[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n')
        processes = [subprocess.Popen([sys.executable, os.path.abspath(__file__), '--orca',
                                       os.path.join(folder, 'prefs'), speech_log], env=environment,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        try:
            until(lambda: spoken(speech_log), lambda: 'Orca did not start')
            processes.append(subprocess.Popen([os.path.join(copy, 'Pelikor2000')], env=environment))
            subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Pelikor 2000$',
                            'windowfocus', '--sync'], check=True, timeout=PATIENCE)
            for keys, expected in PLAY:
                said = len(spoken(speech_log))
                subprocess.run(['xdotool', 'key', '--delay', '150'] + keys, check=True)
                until(lambda: any(expected in line for line in spoken(speech_log)[said:]),
                      lambda: 'after %s Orca said %s, not "%s"' % (keys, spoken(speech_log)[said:], expected))
        finally:
            for process in reversed(processes):
                process.kill()
                process.wait()


if __name__ == '__main__':
    main()
