# Plays the session in session.txt through one edition's own input path and prints what it
# recorded: each start's transcript of window operations, then the eighteen saved values. The
# output is compared byte for byte with expected.txt, the same for every edition:
#     conformance.py EDITION PROGRAM [--expected FILE]
# EDITION is json (the machine face's words), human (keys on a pseudo-terminal) or qt (the window
# offscreen, by clicks and keys) or sim (the core alone, the commands in place of the simulator's
# policy); for qt and sim PROGRAM is the tests' player, which takes the commands by name.
import argparse
import os
import pty
import select
import subprocess
import sys
import tempfile

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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('edition', choices=['json', 'human', 'qt', 'sim'])
    parser.add_argument('program')
    parser.add_argument('--expected', default=os.path.join(HERE, 'expected.txt'))
    args = parser.parse_args()
    seed, saved, starts = session()
    with tempfile.TemporaryDirectory() as config:
        os.makedirs(os.path.join(config, 'Tessivar'))
        store = os.path.join(config, 'Tessivar', 'Pennantry.conf')
        with open(store, 'w') as f:
            f.write('[General]\n' + ''.join(f'{k}={v}\n' for k, v in sorted(saved.items())))
        out = []
        for commands in starts:
            record = os.path.join(config, 'transcript')
            run_terminal(args.edition, args.program, seed, commands, config, record)
            out += ['start'] + open(record).read().splitlines()
        out += ['saved ' + line for line in sorted(open(store).read().splitlines()) if '=' in line]
    got = '\n'.join(out) + '\n'
    if not os.path.exists(args.expected):
        sys.exit(got)
    expected = open(args.expected).read()
    if got != expected:
        sys.exit('the transcript differs from expected.txt:\n' + got)
    print('the session played as expected: %d lines' % len(out))


if __name__ == '__main__':
    main()
