"""The browser edition in headless Chromium, played with real mouse, touch and key events: the first
start, F1, pitches, a battle, closing the tab, Escape, damaged values, a tab hidden behind another
(the conformance session plays Save & Exit, the start that resumes and Escape's unsaved end)."""
import argparse
import json
import os
import sys
import unittest

from devtools import Browser

ARGS = None
TOP = ('(typeof Module === "undefined" ? "" : Module.page.top() ? String(Module.page.top().id)'
       ' : document.getElementById("closing").hidden ? "" : "closed")')
BOARD = '[...document.querySelectorAll("[data-template=\'102\'] output")].map((o) => o.textContent).join()'
BASES = '[1001, 1002, 1003].map((id) => document.getElementById("c102-" + id).dataset.resource).join()'
STORED = 'localStorage.getItem("Tessivar/Pennantry")'


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.b = Browser(ARGS.chromium)

    @classmethod
    def tearDownClass(cls):
        cls.b.close()

    def load(self, then_ok=False, first='100'):
        self.b.js('window.stale = true')
        self.b.send('Page.navigate', url='file://' + os.path.abspath(ARGS.page))
        self.b.until('!window.stale')
        self.top_is(first)
        if then_ok:
            self.b.key('Enter')

    def top_is(self, *states):
        return self.b.until(f'{json.dumps(states)}.includes({TOP}) && {TOP}')

    def enabled(self, control, dialog=102):
        return self.b.js(f'!document.querySelector("#c{dialog}-{control}").disabled')

    def box(self):
        return self.b.js('document.querySelector(".message:not([inert])").innerText')

    def play_until(self, done, limit=400):
        """Answers whatever the page waits for until done(boxes seen) holds."""
        seen = []
        for _ in range(limit):
            if done(seen):
                return
            top = self.top_is('message', '102', '134', '135')
            if top == 'message':
                seen.append(self.box())
                self.b.key('Enter')
            elif top == '135':
                # Attack!, by touch or by Enter wherever the focus is.
                self.b.tap('#c135-1031') if len(seen) % 2 else self.b.key('Enter')
            elif top == '134':
                self.b.key(' ')  # the first choice, which has the focus
                self.b.key('Enter')
            else:
                self.b.key('Enter')  # the live play button, never Save & Exit
            self.b.until(f'{TOP} !== "{top}" || Module.page.pending || {TOP} === "message"')
        self.fail(f'not reached in {limit} answers; last boxes {seen[-5:]}')

    def shot(self, name):
        os.makedirs(ARGS.screenshots, exist_ok=True)
        self.b.screenshot(os.path.join(ARGS.screenshots, name))

    def test_a_whole_visit(self):
        b = self.b
        self.load()
        b.js('localStorage.clear()')
        self.load()
        b.click('#c100-1035')  # the icon's box, then OK
        self.top_is('message')
        self.assertEqual(self.box().split('\n')[0], 'You have no chance to survive make your time!')
        b.key('Enter')
        self.top_is('100')
        b.key('F1')  # the rules, over whatever is open
        self.top_is('message')
        self.assertRegex(self.box(), r'^How to play\n×\n+Innings\. ')
        b.key('Enter')
        self.top_is('100')
        b.click('#c100-1')
        self.top_is('134')
        self.assertFalse(self.enabled(1, 134))
        b.click('#c134-1027 input')
        self.assertTrue(self.enabled(1, 134))
        self.shot('web-skill-upgrade.png')
        b.key('Enter')
        self.top_is('message')
        self.assertRegex(self.box(), r'^pennantry\n×\n+ANNOUNCER: .*\nPLAY BALL!')
        self.assertFalse(b.js('document.querySelector("[data-template=\'102\']").checkVisibility({visibilityProperty: true})'))
        self.shot('web-message.png')
        b.key('Enter')
        self.top_is('102')
        self.assertTrue(b.js(BOARD).startswith('0,0,1,T,0,0,0,1,2,'), b.js(BOARD))
        self.assertEqual((self.enabled(1016), self.enabled(1014)), (True, False))
        self.shot('web-main-window.png')

        def battled(seen):
            if b.js(TOP) == '135' and b.js('document.querySelector("#c135-1029").textContent !== "50"'):
                self.shot('web-battle.png')
            return any(w in t for t in seen for w in ('wins the base', 'O-U-T')) and b.js(TOP) == '102'
        self.play_until(battled)
        # Enter alone plays through a change of sides, leaving the focus on the live play button. The
        # game follows the real clock, so the limit only ends a hung test.
        self.play_until(lambda seen: any('Up To Bat' in t for t in seen) and b.js(TOP) == '102', limit=5000)
        self.assertEqual(b.js('document.activeElement.id'), 'c102-1016' if self.enabled(1016) else 'c102-1014')
        self.assertIsNone(b.js(STORED))

        # Closing the tab while the main window waits saves; while a box is open it keeps the last save.
        self.play_until(lambda seen: seen and b.js(TOP) == '102')
        after = b.js(BOARD)
        self.load(then_ok=True)
        self.top_is('102')
        self.assertEqual(b.js(BOARD), after)
        saved = b.js(STORED)
        self.play_until(lambda seen: b.js(TOP) != '102')
        self.load(then_ok=True)
        self.assertEqual(b.js(STORED), saved)

        # Escape (which saves nothing, as the conformance session checks) leaves a closing screen that
        # starts again.
        self.top_is('102')
        b.key('Escape')
        self.top_is('closed')
        b.key('Enter')
        self.top_is('100')

    def test_damaged_values_read_as_the_other_stores_read_them(self):
        b = self.b
        self.load()
        # Only a string of at most 99 bytes is a value: not a number, a truth value, nor 6 MB of text.
        b.js('localStorage.setItem("Tessivar/Pennantry", JSON.stringify({B1: "2", B2: 1, B3: "x", IN: 12, IP: "t",'
             ' OU: true, HC: {}, HP: "\u20ac".repeat(2e6), HRS: "' + '9' * 100 + '", MRS: "3", Other: "x"}))')
        self.load(then_ok=True)
        self.top_is('102')
        self.assertEqual(b.js(BOARD), '0,3,1,t,0,0,0,1,1,1,1,1,1,1,1')
        self.assertEqual((b.js(BASES), self.enabled(1014)), ('130,131,131', True))
        # It plays on, and its save keeps the game's eighteen names alone.
        self.play_until(lambda seen: seen and b.js(TOP) == '102')
        b.key('e')
        self.top_is('closed')
        saved = json.loads(b.js(STORED))
        self.assertEqual((len(saved), 'Other' in saved), (18, False))
        b.js('localStorage.setItem("Tessivar/Pennantry", "{not json")')
        self.load(then_ok=True)
        self.top_is('134')
        # Where the browser keeps nothing for the page (its site data blocked), the player is told at once.
        blocked = b.send('Page.addScriptToEvaluateOnNewDocument',
                         source='Storage.prototype.getItem = () => { throw new DOMException("", "SecurityError"); }')
        self.addCleanup(b.send, 'Page.removeScriptToEvaluateOnNewDocument', **blocked)
        self.load(first='message')
        self.assertIn('Sorry - you need administrator privileges to run Pennantry.', self.box())

    def test_fits_a_phone_in_landscape_with_names_for_every_picture_and_score(self):
        b = self.b
        b.send('Emulation.setDeviceMetricsOverride', width=740, height=360, deviceScaleFactor=2, mobile=True)
        self.load(then_ok=True)
        self.play_until(lambda seen: b.js(TOP) == '102', limit=10)
        box = b.js('(({left, top, right, bottom}) => [left, top, right, bottom])'
                   '(document.querySelector("[data-template=\'102\']").getBoundingClientRect())')
        self.assertTrue(box[0] >= 0 and box[1] >= 0 and box[2] <= 740 and box[3] <= 360, box)
        # Every text within its rectangle, and the 2x artwork on a dense screen.
        self.assertEqual(b.js('[...document.querySelectorAll(".control")].filter((n) => n.scrollWidth > n.clientWidth + 1'
                              ' || n.scrollHeight > n.clientHeight + 1).map((n) => n.id)'), [])
        self.assertTrue(b.js('document.querySelector("#c102-1001").src === (ART[131].x2 || ART[131].x1)'))
        self.shot('web-phone.png')
        names = {n.get('name', {}).get('value') for n in b.send('Accessibility.getFullAXTree')['nodes']}
        self.assertIn('First base: empty', names)
        self.assertTrue(any(n and n.startswith('Score: Humans: ') for n in names), names)
        # A save the browser refuses is reported, and the window stays.
        b.js('Storage.prototype.setItem = () => { throw new DOMException("full", "QuotaExceededError"); }')
        b.key('e')
        self.top_is('message')
        self.assertIn("could not be saved.\nThe browser's storage for this page is full.", self.box())
        b.key('Enter')
        self.top_is('102')

    def test_hidden_tab_keeps_its_game_but_never_over_another_tabs_save(self):
        b = self.b
        self.load()
        b.js('localStorage.clear()')
        self.load(then_ok=True)
        self.play_until(lambda seen: b.js(TOP) == '102', limit=10)
        board, first = b.js(BOARD), b.session
        # A tab opened in front hides this one, which keeps its game: the new tab resumes it.
        tab, b.session = b.new_tab()
        self.addCleanup(lambda: (b.send('Target.closeTarget', targetId=tab), setattr(b, 'session', first),
                                 b.send('Target.activateTarget', targetId=b.target)))
        self.load(then_ok=True)
        self.top_is('102')
        self.assertEqual(b.js(BOARD), board)
        self.play_until(lambda seen: seen and b.js(TOP) == '102')
        b.key('e')
        self.top_is('closed')
        newer = b.js(STORED)
        # Hidden again, the first tab leaves the newer save, and says so once back in front.
        b.session = first
        for target, hidden in ((b.target, 'false'), (tab, 'true'), (b.target, 'false')):
            b.send('Target.activateTarget', targetId=target)
            b.until(f'document.hidden === {hidden}')
        self.top_is('message')
        self.assertRegex(self.box(), r'^pennantry\n.*\n+The game was saved in another tab .*not saved over it\..*'
                                     r'Reload the page to play the newer save\.')
        self.assertEqual(b.js(STORED), newer)
        b.key('Enter')
        self.play_until(lambda seen: seen and b.js(TOP) == '102')  # and plays on
        self.load()
        self.assertEqual(b.js(STORED), newer)


if __name__ == '__main__':
    parser = argparse.ArgumentParser()
    parser.add_argument('--chromium', default='/usr/bin/chromium')
    parser.add_argument('--page', required=True)
    parser.add_argument('--screenshots', default='screenshots')
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], '-v', *rest])
