"""A small driver for headless Chromium over the DevTools protocol on a pipe (no sockets, no
packages): it loads a page, evaluates script, and sends real mouse, touch and key events."""
import base64
import fcntl
import json
import os
import subprocess
import tempfile
import time

FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--remote-debugging-pipe']
KEYS = {'Enter': 13, 'Escape': 27, 'F1': 112}


class Browser:
    def __init__(self, chromium, width=1024, height=640):
        self.profile = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        to_chrome, self._out = os.pipe()
        self._in, from_chrome = os.pipe()

        def pipes():  # Chromium reads commands on fd 3 and answers on fd 4.
            low = [fcntl.fcntl(fd, fcntl.F_DUPFD, 10) for fd in (to_chrome, from_chrome)]
            os.dup2(low[0], 3)
            os.dup2(low[1], 4)

        self.proc = subprocess.Popen([chromium, *FLAGS, f'--user-data-dir={self.profile.name}', 'about:blank'],
                                     preexec_fn=pipes, close_fds=False,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_chrome)
        os.close(from_chrome)
        self._buffer, self._next, self.session = b'', 0, None
        self.target, self.session = self.new_tab()
        self.send('Page.enable')
        self.send('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=1, mobile=False)
        self.send('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=1)

    def new_tab(self):
        """Opens a tab in front, which hides the others (visibilitychange); returns target, session."""
        target = self.send('Target.createTarget', url='about:blank')['targetId']
        return target, self.send('Target.attachToTarget', targetId=target, flatten=True)['sessionId']

    def close(self):
        self.proc.kill()
        self.proc.wait()
        os.close(self._out)
        os.close(self._in)
        self.profile.cleanup()

    def send(self, method, **params):
        self._next += 1
        message = {'id': self._next, 'method': method, 'params': params}
        if self.session and not method.startswith('Target.'):
            message['sessionId'] = self.session
        os.write(self._out, json.dumps(message).encode() + b'\0')
        while True:
            while b'\0' not in self._buffer:
                chunk = os.read(self._in, 1 << 16)
                if not chunk:
                    raise RuntimeError('Chromium went away')
                self._buffer += chunk
            line, self._buffer = self._buffer.split(b'\0', 1)
            reply = json.loads(line)
            if reply.get('id') == self._next:
                if 'error' in reply:
                    raise RuntimeError(f'{method}: {reply["error"]}')
                return reply['result']

    def js(self, expression):
        result = self.send('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def until(self, expression, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.js(expression)
            if value:
                return value
            time.sleep(0.02)
        raise AssertionError(f'still false after {seconds} s: {expression}')

    def center(self, selector):
        return self.js(f'(() => {{ const r = document.querySelector({json.dumps(selector)}).getBoundingClientRect();'
                       ' return [r.x + r.width / 2, r.y + r.height / 2]; })()')

    def click(self, selector):
        x, y = self.center(selector)
        for kind in ('mousePressed', 'mouseReleased'):
            self.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', clickCount=1)

    def tap(self, selector):
        x, y = self.center(selector)
        self.send('Input.dispatchTouchEvent', type='touchStart', touchPoints=[{'x': x, 'y': y}])
        self.send('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])

    def key(self, key):
        code = KEYS.get(key, ord(key.upper()) if len(key) == 1 else 0)
        text = {'Enter': '\r'}.get(key, key if len(key) == 1 else '')
        self.send('Input.dispatchKeyEvent', type='keyDown', key=key, text=text, windowsVirtualKeyCode=code)
        self.send('Input.dispatchKeyEvent', type='keyUp', key=key, windowsVirtualKeyCode=code)

    def screenshot(self, path):
        with open(path, 'wb') as file:
            file.write(base64.b64decode(self.send('Page.captureScreenshot', format='png')['data']))
