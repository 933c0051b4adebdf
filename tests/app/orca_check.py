#!/usr/bin/env python3
"""A standard game played by the keys under Orca, the screen reader, with
what Orca speaks written to a file: the selection, a jump with the pegs left
and a refused jump must be spoken in Czech, and the board spoken again when
a question closes. In a D-Bus session on an X server: orca_check.py APP_FOLDER"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

PATIENCE = 60.0


def run_orca(prefs, speech_log):
    """Orca as /usr/bin/orca starts it, but beside any other Orca of this user
    (Orca refuses to start beside one of another session) and with its speech
    logged to a file, as it is logged whether a synthesizer speaks it or not."""
    import importlib.machinery
    import importlib.util
    import logging
    sys.argv = ['orca', '--user-prefs', prefs]
    loader = importlib.machinery.SourceFileLoader('orca_command', '/usr/bin/orca')
    command = importlib.util.module_from_spec(importlib.util.spec_from_loader('orca_command', loader))
    loader.exec_module(command)
    command.otherOrcas = lambda: []
    command.setProcessName = lambda name: True
    from orca import speech  # noqa: F401 (makes the speech log)
    handler = logging.FileHandler(speech_log, encoding='utf-8')
    handler.setFormatter(logging.Formatter('%(message)s'))
    logging.getLogger('speech').addHandler(handler)
    sys.exit(command.main())


def spoken(speech_log):
    try:
        with open(speech_log, encoding='utf-8') as log:
            return [line.strip() for line in log if line.startswith('SPEECH OUTPUT')]
    except FileNotFoundError:
        return []


def hear(speech_log, said, keys, expected):
    """Presses `keys` and waits until Orca says each of `expected` after them."""
    subprocess.run(['xdotool', 'key', '--delay', '150'] + keys, check=True)
    deadline = time.monotonic() + PATIENCE
    while True:
        now = spoken(speech_log)[said:]
        if all(any(text in line for line in now) for text in expected):
            return said + len(now)
        if time.monotonic() > deadline:
            sys.exit('orca_check: after %s Orca said %s, not %s' % (keys, now, expected))
        time.sleep(0.1)


def play(speech_log):
    said = len(spoken(speech_log))
    said = hear(speech_log, said, ['F2'], ['Standardní hra'])
    said = hear(speech_log, said, ['space'], ['Kámen, řada 4, sloupec 4'])
    said = hear(speech_log, said, ['Up', 'space', 'Return'], ['Hrací pole'])
    said = hear(speech_log, said, ['Down', 'space'], ['Vybrán kámen, řada 5, sloupec 4'])
    said = hear(speech_log, said, ['Up', 'Up', 'space'],
                ['Skok z řady 5, sloupce 4 přes řadu 4, sloupec 4 na řadu 3, sloupec 4. Zbylé kameny: 31'])
    said = hear(speech_log, said, ['Down', 'space'], ['Skok na řadu 4, sloupec 4 není možný'])
    # The question and back: the board's cursor has the keys again.
    said = hear(speech_log, said, ['F3'], ['Opravdu chcete ukončit tuto hru ?'])
    hear(speech_log, said, ['Escape'], ['Volný bod, řada 4, sloupec 4'])


def main():
    if sys.argv[1] == '--orca':
        run_orca(sys.argv[2], sys.argv[3])
    with tempfile.TemporaryDirectory() as folder:
        speech_log = os.path.join(folder, 'speech.log')
        # The speech server is never started: Orca logs what it would say.
        environment = dict(os.environ, XDG_RUNTIME_DIR=folder, SPEECHD_CMD=os.path.join(folder, 'none'),
                           LANG='C.UTF-8', LANGUAGE='')
        orca = subprocess.Popen([sys.executable, __file__, '--orca', os.path.join(folder, 'prefs'), speech_log],
                                env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        copy = shutil.copytree(sys.argv[1], os.path.join(folder, 'Pelikor2000'))
        with open(os.path.join(copy, 'Kolvex.ini'), 'wb') as settings:
            settings.write(b'[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n')
        program = None
        try:
            deadline = time.monotonic() + PATIENCE
            while not spoken(speech_log):
                if time.monotonic() > deadline or orca.poll() is not None:
                    sys.exit('orca_check: Orca did not start')
                time.sleep(0.1)
            program = subprocess.Popen([os.path.join(copy, 'Pelikor2000')],
                                       env=dict(environment, QT_QPA_PLATFORM='xcb'))
            subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^Pelikor 2000$',
                            'windowfocus', '--sync'], check=True, timeout=PATIENCE)
            play(speech_log)
        finally:
            for process in (program, orca):
                if process:
                    process.terminate()
                    try:
                        process.wait(10)
                    except subprocess.TimeoutExpired:
                        process.kill()
                        process.wait()


if __name__ == '__main__':
    main()
