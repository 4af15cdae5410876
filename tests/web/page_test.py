"""The browser edition in headless Chromium, played with real mouse, touch and key events: the first
start, pitches, a battle, Save & Exit, a reload that resumes, closing the tab, Escape, damaged values."""
import argparse
import json
import os
import sys
import unittest

from devtools import Browser

ARGS = None
TOP = ('(() => { if (typeof Module === "undefined") return ""; const w = Module.page.top(); if (w) return String(w.id);'
       ' return document.getElementById("closing").hidden ? "" : "closed"; })()')
BOARD = ('Object.fromEntries([...document.querySelectorAll("[data-template=\'102\'] output")]'
         '.map((o) => [o.id, o.textContent]))')
STORED = 'localStorage.getItem("Tessivar/Pennantry")'
BASES = '[1001, 1002, 1003].map((id) => document.getElementById("c102-" + id).dataset.resource)'


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.b = Browser(ARGS.chromium)
        cls.url = 'file://' + os.path.abspath(ARGS.page)

    @classmethod
    def tearDownClass(cls):
        cls.b.close()

    def load(self):
        self.b.js('window.stale = true')
        self.b.send('Page.navigate', url=self.url)
        self.b.until('!window.stale')
        return self.top_is('100')

    def top_is(self, *states, seconds=10):
        return self.b.until(f'[{",".join(json.dumps(s) for s in states)}].includes({TOP}) && {TOP}', seconds)

    def enabled(self, dialog, control):
        return self.b.js(f'!document.querySelector("#c{dialog}-{control}").disabled')

    def box_text(self):
        return self.b.js('document.querySelector(".message:not([inert]) .text").textContent')

    def step(self, seen):
        """One answer to whatever the page waits for; returns what that was."""
        top = self.top_is('message', '100', '102', '134', '135', 'closed')
        if top == 'message':
            seen.append(self.box_text())
            self.b.key('Enter')
        elif top == '135':
            self.b.tap('#c135-1031')  # Attack!, by touch
        elif top == '134':
            self.b.click('#c134-1024 input')
            self.b.click('#c134-1')
        elif top == '102':
            self.b.key('p' if self.enabled(102, 1016) else 'r')
        elif top == '100':
            self.b.key('Escape')
        self.b.until(f'{TOP} !== "{top}" || Module.page.pending || {TOP} === "message"')
        return top

    def play_until(self, done, limit=400):
        seen = []
        for _ in range(limit):
            if done(seen):
                return seen
            self.step(seen)
        self.fail(f'not reached in {limit} answers; last boxes {seen[-5:]}')

    def shot(self, name):
        if ARGS.screenshots:
            os.makedirs(ARGS.screenshots, exist_ok=True)
            self.b.screenshot(os.path.join(ARGS.screenshots, name))

    def test_a_whole_visit(self):
        b = self.b
        self.load()
        b.js('localStorage.clear()')
        self.load()
        b.until('performance.getEntriesByName("first-paint").length')
        ready = b.js('performance.getEntriesByName("pennantry-ready")[0].startTime'
                     ' - performance.getEntriesByName("first-paint")[0].startTime')
        print(f'first paint to the About box taking input: {ready:.0f} ms')
        self.shot('web-about.png')
        # The icon's box, then OK: the Skill Upgrade dialog, before any main window.
        b.click('#c100-1035')
        self.top_is('message')
        self.assertEqual(b.js('document.querySelector(".message .title span").textContent'),
                         'You have no chance to survive make your time!')
        b.key('Enter')
        self.top_is('100')
        b.click('#c100-1')
        self.top_is('134')
        self.assertFalse(self.enabled(134, 1))
        self.assertFalse(b.js('document.querySelector("[data-template=\'102\']").checkVisibility({visibilityProperty: true})'))
        b.key('Tab')
        b.click('#c134-1027 input')
        self.assertTrue(self.enabled(134, 1))
        self.shot('web-skill-upgrade.png')
        b.key('Enter')
        self.top_is('message')
        self.assertTrue(self.box_text().endswith('\nPLAY BALL!'))
        self.assertEqual(b.js('document.querySelector(".message .title span").textContent'), 'pennantry')
        b.key('Enter')
        self.top_is('102')
        board = b.js(BOARD)
        self.assertEqual((board['c102-1009'], board['c102-1019'], board['c102-1004']), ('2', 'T', '0'))
        self.assertTrue(self.enabled(102, 1016))
        self.assertFalse(self.enabled(102, 1014))
        self.shot('web-main-window.png')

        # Pitches until a battle has been fought to its end.
        def battled(seen):
            if b.js(TOP) == '135' and b.js('document.querySelector("#c135-1029").textContent !== "50"'):
                self.shot('web-battle.png')
            return any('wins the base' in t or 'O-U-T' in t or 'surrenders' in t for t in seen) and b.js(TOP) == '102'
        self.play_until(battled)

        # Save & Exit by its access key; the next visit resumes the same game.
        before = b.js(BOARD), b.js(BASES)
        b.key('e')
        self.top_is('closed')
        stored = json.loads(b.js(STORED))
        self.assertEqual(len(stored), 18)
        self.load()
        b.key('Enter')
        self.top_is('102')
        self.assertEqual((b.js(BOARD), b.js(BASES)), before)
        self.assertFalse(b.js('document.querySelector("#c102-1023").checkVisibility()'))

        # Closing the tab while the main window waits saves; while a box is open it keeps the last save.
        self.play_until(lambda seen: seen and b.js(TOP) == '102', limit=50)
        after = b.js(BOARD)
        self.load()
        b.key('Enter')
        self.top_is('102')
        self.assertEqual(b.js(BOARD), after)
        saved = b.js(STORED)
        self.play_until(lambda seen: b.js(TOP) in ('message', '135', '134'), limit=50)
        self.load()
        self.assertEqual(b.js(STORED), saved)

        # Escape quits without saving, to a closing screen that starts again.
        b.key('Enter')
        self.top_is('102')
        self.play_until(lambda seen: seen and b.js(TOP) == '102', limit=50)
        b.key('Escape')
        self.top_is('closed')
        self.assertEqual(b.js(STORED), saved)
        b.key('Enter')
        self.top_is('100')

    def test_damaged_values_read_as_the_other_stores_read_them(self):
        b = self.b
        self.load()
        b.js('localStorage.setItem("Tessivar/Pennantry", JSON.stringify({B1: "2", B3: "x", IN: 12, IP: "t",'
             ' HC: {}, HRS: "' + '9' * 100 + '", MRS: "3"}))')
        self.load()
        b.key('Enter')
        self.top_is('102')
        board = b.js(BOARD)
        self.assertEqual([board[f'c102-{n}'] for n in (1018, 1019, 1009, 1004, 1005, 1021)], ['12', 't', '1', '0', '3', '0'])
        self.assertEqual(b.js(BASES), ['130', '131', '131'])
        self.assertTrue(self.enabled(102, 1014))
        # Set while no save can follow: Escape leaves without one.
        b.key('Escape')
        self.top_is('closed')
        b.js('localStorage.setItem("Tessivar/Pennantry", "{not json")')
        self.load()
        b.key('Enter')
        self.top_is('134')

    def test_fits_a_phone_in_landscape_with_names_for_every_picture_and_score(self):
        b = self.b
        b.send('Emulation.setDeviceMetricsOverride', width=740, height=360, deviceScaleFactor=2, mobile=True)
        try:
            self.load()
            b.key('Enter')
            self.play_until(lambda seen: b.js(TOP) == '102', limit=10)
            box = b.js('(() => { const r = document.querySelector("[data-template=\'102\']").getBoundingClientRect();'
                       ' return [r.left, r.top, r.right, r.bottom]; })()')
            self.assertTrue(box[0] >= 0 and box[1] >= 0 and box[2] <= 740 and box[3] <= 360, box)
            # Every text within its rectangle, and the 2x artwork on a dense screen.
            self.assertEqual(b.js('[...document.querySelectorAll(".control")].filter((n) =>'
                                  ' n.scrollWidth > n.clientWidth + 1 || n.scrollHeight > n.clientHeight + 1).map((n) => n.id)'), [])
            self.assertTrue(b.js('document.querySelector("#c102-1001").src === ART[131].x2 || ART[131].x2 === null'))
            self.shot('web-phone.png')
            tree = b.send('Accessibility.getFullAXTree')['nodes']
            names = {n.get('name', {}).get('value') for n in tree}
            self.assertIn('First base: empty', names)
            self.assertTrue(any(n and n.startswith('Score: Humans: ') for n in names), names)
        finally:
            b.send('Emulation.setDeviceMetricsOverride', width=1024, height=640, deviceScaleFactor=1, mobile=False)


if __name__ == '__main__':
    parser = argparse.ArgumentParser()
    parser.add_argument('--chromium', default='/usr/bin/chromium')
    parser.add_argument('--page', required=True)
    parser.add_argument('--screenshots')
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], '-v', *rest])
