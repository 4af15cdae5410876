# Plays the session in session.txt through one edition's own input path and prints what it
# recorded: each start's transcript of window operations, then the eighteen saved values. The
# output is compared byte for byte with expected.txt, the same for every edition:
#     conformance.py EDITION PROGRAM
# EDITION is json (the machine face's words), human (keys on a pseudo-terminal), window (the window
# program on a display with a window manager, by key presses and a click), sim (the core alone, the
# commands in place of the simulator's policy; PROGRAM is the tests' player, which takes the
# commands by name) or web
# (the page in headless Chromium, by clicks and keys, seeded through its address: PROGRAM is the page)
# or windows (the program under Wine, by key presses and a click on a display of its own; PROGRAM is
# the program, followed by the command that runs a program under Wine).
import json
import os
import pty
import select
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# The terminal's keys (the end of input, Ctrl-D, is the close box) and the machine face's words.
KEYS = {'ok': '\r', 'close': '\x04', 'yes': 'y', 'no': 'n', 'escape': '\x1b', 'pitch': 'p', 'swing': 'r',
        'save': 'e', 'help': 'h', 'icon': 'i', 'attack': 'a', 'surrender': 's', 'return': 'r',
        'run-level': '1', 'hit-level': '2', 'pitch-level': '3', 'catch-level': '4'}
WORDS = {'help': 'about', 'run-level': 'run', 'hit-level': 'hit', 'pitch-level': 'pitch', 'catch-level': 'catch'}


def session():
    seed, saved, starts = None, {}, []
    for line in open(os.path.join(HERE, 'session.txt')):
        words = line.split()
        if not words or words[0].startswith('#'):
            continue
        if words[0] == 'seed':
            seed = words[1]
        elif words[0] == 'saved':
            saved = dict(word.split('=', 1) for word in words[1:])
        else:
            commands = []
            for word in words[1:]:
                name, _, count = word.partition('*')
                commands += [name] * int(count or 1)
            starts.append(commands)
    return seed, saved, starts


def run_terminal(edition, program, seed, commands, config, record):
    env = dict(os.environ, XDG_CONFIG_HOME=config, NO_COLOR='1', TERM='xterm')
    args = [program, '--seed', seed, '--transcript', record]
    if edition != 'human':
        words = [WORDS.get(c, c) for c in commands] if edition == 'json' else commands
        subprocess.run(args + (['--json'] if edition == 'json' else []), input=''.join(w + '\n' for w in words).encode(),
                       env=env, stdout=subprocess.DEVNULL, check=True, timeout=120)
        return
    pid, fd = pty.fork()
    if pid == 0:
        os.execve(program, args, env)
    # Keys go once the terminal is the program's (taking it over drops what was typed before); the
    # screen is read to its end, so that the program never waits on a full terminal.
    screen, keys = bytes(), ''.join(KEYS[c] for c in commands).encode()
    while select.select([fd], [], [], 120)[0]:
        try:
            chunk = os.read(fd, 65536)
        except OSError:
            break
        if not chunk:
            break
        screen += chunk
        if keys and b'Pennantry Version' in screen:
            os.write(fd, keys)
            keys = bytes()
    _, status = os.waitpid(pid, 0)
    if status != 0:
        sys.exit(f'the program ended with status {status}')


# The page's controls for the commands a click gives; the rest are keys, and "close" its close box.
CONTROLS = {'pitch': 'c102-1016', 'swing': 'c102-1014', 'save': 'c102-1015', 'help': 'c102-1017',
            'attack': 'c135-1031', 'surrender': 'c135-1034', 'return': 'c135-1032', 'icon': 'c100-1035',
            'run-level': 'c134-1024 input', 'hit-level': 'c134-1025 input', 'pitch-level': 'c134-1026 input',
            'catch-level': 'c134-1027 input'}
WAITING = ('(() => { const p = Module.page, top = p.top(); return !document.getElementById("closing").hidden'
           ' || (top && (top.id === "message" || (p.pending && p.pending.dialog === top.id))); })()')


def play_web(page, seed, saved, starts):
    sys.path.insert(0, os.path.join(HERE, '..', 'web'))
    from devtools import Browser
    browser, out = Browser(os.environ.get('CHROMIUM', '/usr/bin/chromium')), []
    try:
        for n, commands in enumerate(starts):
            browser.send('Page.navigate', url=f'file://{os.path.abspath(page)}?seed={seed}&transcript')
            browser.until('typeof Module !== "undefined" && Module.page.top()')
            if n == 0:
                values = json.dumps(saved)
                browser.js(f'localStorage.setItem("Tessivar/Pennantry", {json.dumps(values)})')
                browser.send('Page.reload')
                browser.until('typeof Module !== "undefined" && Module.page.top()')
            for command in commands:
                browser.until(WAITING)
                if command in CONTROLS:
                    browser.click('#' + CONTROLS[command])
                elif command == 'close':
                    browser.click('[data-template="102"] button.close')
                else:
                    browser.key({'escape': 'Escape'}.get(command, 'Enter'))
            browser.until('!document.getElementById("closing").hidden')
            out += ['start'] + browser.js('Module.page.transcript || []')
        stored = json.loads(browser.js('localStorage.getItem("Tessivar/Pennantry")'))
        return out + ['saved ' + line for line in sorted(f'{k}={v}' for k, v in stored.items())]
    finally:
        browser.close()


# The Windows program's windows by their titles, the keys each command presses there, and, for
# "icon", the middle of the About box's icon (below its frame's title bar, at the dialog font's units).
MAIN, ABOUT, SKILL, BATTLE = 'Pennantry version 1.0', 'About Pennantry', 'Skill Upgrade', 'Pennantry: Battle'
WIN_KEYS = {'pitch': (MAIN, 'p'), 'swing': (MAIN, 'r'), 'save': (MAIN, 'e'), 'help': (MAIN, 'h'),
            'escape': (MAIN, 'Escape'), 'close': (MAIN, 'alt+F4'), 'attack': (BATTLE, 'a'),
            'surrender': (BATTLE, 's'), 'return': (BATTLE, 'r'), 'icon': (ABOUT, None),
            'ok': (None, 'Return'), 'yes': (None, 'y'), 'no': (None, 'n')}
LEVELS = ['run-level', 'hit-level', 'pitch-level', 'catch-level']
REGISTRY = r'HKLM\Software\Tessivar\Pennantry'


def xdotool(*args):
    return subprocess.run(['xdotool', *args], capture_output=True, text=True).stdout.strip()


def play_by_keys(start, seed, starts):
    """Plays each start of the program start(args) gives by key presses and a click on its display,
    pressing each key once the window it is for is the newest on screen. A key is lost if its
    window goes before it arrives, so a command that closes its window (a box's answer, the About
    box's OK, a Skill Upgrade's OK after a pick) is followed only once another window has it; a
    window manager that leaves no window of the program's active loses every key after it."""
    def newest(allowed, gone):
        for _ in range(600):  # half a minute and more: it only ends a hung test
            shown = [int(w) for w in xdotool('search', '--onlyvisible', '--name', '.').split()]
            window = str(max(shown)) if shown else ''
            name = xdotool('getwindowname', window) if window else ''
            if name and window != gone and (name in allowed if allowed else name not in (MAIN, BATTLE)):
                return window
            time.sleep(0.03)
        sys.exit(f'no window for the next command: the newest is "{name}"; the transcript ends\n'
                 + ''.join(open(record).readlines()[-12:]))

    with tempfile.TemporaryDirectory() as folder:
        out, record = [], os.path.join(folder, 'transcript')
        for commands in starts:
            game = start(['--seed', seed, '--transcript', record])
            gone, radio = None, {}
            for command in commands:
                target, key = (SKILL, None) if command in LEVELS else WIN_KEYS[command]
                window = newest([target] if target else [], gone)
                gone = None
                if command in LEVELS:
                    # The radio buttons pick as the arrows move; the first has the keyboard, unpicked.
                    to = LEVELS.index(command)
                    steps = to - radio.get(window, (0, False))[0]
                    key = 'space' if steps == 0 else ' '.join(['Down' if steps > 0 else 'Up'] * abs(steps))
                    radio[window] = (to, True)
                if command == 'icon':
                    xdotool('mousemove', '--window', window, '26', '48', 'click', '1')
                else:
                    xdotool('key', *key.split())
                if command in ('ok', 'yes', 'no') and (xdotool('getwindowname', window) != SKILL or radio.get(window, (0, False))[1]):
                    gone = window
            if game.wait(timeout=120) != 0:
                sys.exit(f'the program ended with status {game.returncode}')
            out += ['start'] + open(record, newline='').read().splitlines()
        return out


def play_windows(program, wine, seed, saved, starts):
    """The Windows program under Wine, its saved game in the registry."""
    # Into a file, never a pipe: the Wine services a first program starts keep its output open.
    def run(*args):
        with tempfile.TemporaryFile('w+') as out:
            subprocess.run(wine + list(args), stdout=out, stderr=subprocess.DEVNULL, timeout=120)
            out.seek(0)
            return out.read()

    with tempfile.NamedTemporaryFile('w', suffix='.reg') as f:
        f.write('REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tessivar\\Pennantry]\n'
                + ''.join(f'"{name}"="{value}"\n' for name, value in saved.items()))
        f.flush()
        run('reg', 'delete', REGISTRY, '/f')
        run('reg', 'import', 'Z:' + f.name)
    out = play_by_keys(lambda args: subprocess.Popen(wine + [program] + [('Z:' + a if a.startswith('/') else a) for a in args],
                                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL), seed, starts)
    values = run('reg', 'query', REGISTRY).splitlines()
    found = sorted(f'{w[0]}={w[2] if len(w) > 2 else ""}' for w in map(str.split, values) if len(w) > 1 and w[1] == 'REG_SZ')
    return out + ['saved ' + line for line in found]


def play_terminal(edition, program, seed, saved, starts):
    with tempfile.TemporaryDirectory() as config:
        os.makedirs(os.path.join(config, 'Tessivar'))
        store = os.path.join(config, 'Tessivar', 'Pennantry.conf')
        with open(store, 'w') as f:
            f.write('[General]\n' + ''.join(f'{k}={v}\n' for k, v in sorted(saved.items())))
        out = []
        if edition == 'window':
            env = dict(os.environ, XDG_CONFIG_HOME=config)
            out = play_by_keys(lambda args: subprocess.Popen([program] + args, env=env), seed, starts)
        for commands in starts if edition != 'window' else []:
            record = os.path.join(config, 'transcript')
            run_terminal(edition, program, seed, commands, config, record)
            out += ['start'] + open(record).read().splitlines()
        return out + ['saved ' + line for line in sorted(open(store).read().splitlines()) if '=' in line]


def main():
    seed, saved, starts = session()
    edition, program = sys.argv[1:3]
    if edition == 'web':
        out = play_web(program, seed, saved, starts)
    elif edition == 'windows':
        out = play_windows(program, sys.argv[3:], seed, saved, starts)
    else:
        out = play_terminal(edition, program, seed, saved, starts)
    got = '\n'.join(out) + '\n'
    expected = os.path.join(HERE, 'expected.txt')
    if not os.path.exists(expected) or got != open(expected).read():
        sys.exit('the transcript differs from expected.txt:\n' + got)
    print('the session played as expected: %d lines' % len(out))


if __name__ == '__main__':
    main()
