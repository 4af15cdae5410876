// The browser edition's page: builds the windows from the dialog templates the program hands over,
// shows what the program sets, and answers each of its waits with the player's press.
'use strict';

const CANCEL = 2;   // Escape, as the program reads it
const CLOSE = -2;   // a window's close box
const ENTER = -3;   // Enter in one of the program's windows: the program says what it presses
const OK = 1, YES = 6, NO = 7;
// The program file's name, which every box without a caption of its own bears.
const APP_NAME = 'pennantry';
// Template pixels per dialog unit: the base units (6 x 13) the templates and artwork were made for.
const UNIT_X = 6 / 4, UNIT_Y = 13 / 8;
const MAIN = 102;
const STORE_KEY = 'Tessivar/Pennantry';

// What the pictures show, for those who cannot see them.
const PICTURE_NAMES = {
  '': 'The field', BatterPicture: 'The batter at home plate', BallPicture: 'The ball',
  FirstBasePicture: 'First base', SecondBasePicture: 'Second base', ThirdBasePicture: 'Third base',
};

// The saved game's eighteen names; a save writes these alone, so no other name lives on in the item.
const SAVED_NAMES = ['B1', 'B2', 'B3', 'BA', 'HC', 'HP', 'HR', 'HH', 'MC', 'MP', 'MR', 'MH', 'MRS', 'HRS', 'IN', 'IP', 'OU', 'ST'];
// A value longer than this many bytes of UTF-8 cannot be read, in every edition.
const VALUE_LIMIT = 99;

// The saved game: one local-storage item holding the values by name, replaced in one write.
class SavedGame {
  constructor() {
    this.seen = undefined;    // the item's text as this tab last read or wrote it
    this.leaving = false;     // set while the page saves on its own, as the tab hides or goes
    this.overtaken = false;   // such a save found the item changed since, and left it as it was
  }
  open() {
    try { localStorage.getItem(STORE_KEY); return true; } catch (e) { return false; }
  }
  item() {
    try { return localStorage.getItem(STORE_KEY); } catch (e) { return null; }
  }
  parse(text) {
    try {
      const parsed = JSON.parse(text);
      return parsed && typeof parsed === 'object' && !Array.isArray(parsed) ? parsed : {};
    } catch (e) { return {}; }
  }
  // The values the game loads, parsed once for each text of the item, which this tab has then seen.
  all() {
    const text = this.item();
    if (!this.cache || this.cache.text !== text) this.cache = { text, values: this.parse(text) };
    this.seen = text;
    return this.cache.values;
  }
  // A value as text; anything but a string of at most VALUE_LIMIT bytes reads as missing, so that
  // a huge value never reaches the program.
  read(name, values = this.all()) {
    if (!Object.prototype.hasOwnProperty.call(values, name)) return null;
    const value = values[name];
    // Every UTF-16 unit takes at least one byte: a long string is refused before it is encoded.
    if (typeof value !== 'string' || value.length > VALUE_LIMIT) return null;
    return new TextEncoder().encode(value).length > VALUE_LIMIT ? null : value;
  }
  stage() {
    const values = this.parse(this.item());
    this.staged = {};
    for (const name of SAVED_NAMES) {
      const text = this.read(name, values);
      if (text !== null) this.staged[name] = text;
    }
  }
  put(name, text) { this.staged[name] = text; }
  drop(name) { delete this.staged[name]; }
  // Null when written; else why not, in words the player can act on.
  commit() {
    try {
      // On its own the page never writes over an item another tab changed since this one read or wrote it.
      if (this.leaving && localStorage.getItem(STORE_KEY) !== this.seen) {
        this.overtaken = true;
        return 'Another tab changed the saved game since this one last loaded or saved it.';
      }
      const text = Object.keys(this.staged).length ? JSON.stringify(this.staged) : null;
      if (text === null) localStorage.removeItem(STORE_KEY);
      else localStorage.setItem(STORE_KEY, text);
      this.seen = text;
      return null;
    } catch (e) {
      if (e.name === 'QuotaExceededError') return "The browser's storage for this page is full.";
      return `The browser would not let the page keep it (${e.name}).`;
    }
  }
}

function element(tag, className, parent) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (parent) parent.appendChild(made);
  return made;
}

// Writes a text with its access key ("&Pitch": P underlined, "&&" one ampersand) into an element;
// returns the key in lower case, or ''.
function writeMnemonic(target, text) {
  let key = '';
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&' && !key) {
        key = text[i].toLowerCase();
        element('u', '', target).textContent = text[i];
        continue;
      }
    }
    target.appendChild(document.createTextNode(text[i]));
  }
  return key;
}

function place(node, c) {
  Object.assign(node.style, {
    left: `${c.x * UNIT_X}px`, top: `${c.y * UNIT_Y}px`, width: `${c.width * UNIT_X}px`, height: `${c.height * UNIT_Y}px`,
  });
}

class Page {
  constructor(stage, art) {
    this.stage = stage;
    this.art = art;
    this.store = new SavedGame();
    this.windows = [];        // open windows, the top one last
    this.main = null;
    this.pending = null;      // the program's wait for a press: {dialog, resolve}
    this.scale = 1;
    this.serial = 0;          // numbers the windows' titles, which name them
    document.addEventListener('keydown', (e) => this.onKey(e));
    // The viewport settles (and turns) after the first layout: fit the window to it whenever it does.
    new ResizeObserver(() => this.tpl && this.fit()).observe(document.documentElement);
    addEventListener('resize', () => this.tpl && this.fit());
    // Leaving the page is the main window's close box, which saves only while no box is open.
    addEventListener('pagehide', () => this.keep('_WebPageHide'));
    // A hidden tab may be discarded without a pagehide: its game is kept then too, and plays on.
    document.addEventListener('visibilitychange', () => {
      if (document.hidden) this.keep('_WebPageHidden');
      else this.tellOvertaken();
    });
    addEventListener('pageshow', (e) => { if (e.persisted) location.reload(); });
  }

  // The program's save as the tab hides or goes, which the game makes only while no box or dialog is
  // open over the main window. Such a save leaves an item another tab changed since as it is, and the player learns so once
  // the page is seen.
  keep(call) {
    if (!Module[call]) return;
    this.store.leaving = true;
    try { Module[call](); } finally { this.store.leaving = false; }
    if (!document.hidden) this.tellOvertaken();
  }

  tellOvertaken() {
    if (!this.store.overtaken) return;
    this.store.overtaken = false;
    const store = this.store, newer = store.read('B1', store.parse(store.item())) !== null;
    this.message(newer
      ? 'The game was saved in another tab since this tab last loaded or saved it, so the play here was not saved over it.'
        + ' Reload the page to play the newer save.'
      : 'The saved game was changed elsewhere since this tab last loaded or saved it, so the play here was not saved.'
        + ' Reloading the page starts a new game.', APP_NAME, false);
  }

  templates(all) {
    this.tpl = all;
    this.main = this.build(MAIN);
    // Laid out but not seen until the program opens it, so that its size sets the scale.
    this.main.node.style.visibility = 'hidden';
    this.fit();
  }

  // One window from its template: a frame with a title bar, and the controls placed in dialog units.
  build(id) {
    const t = this.tpl[id];
    const win = { id, node: element('section', 'window'), controls: new Map(), keys: new Map(), cancel: CANCEL };
    win.node.dataset.template = id;
    win.node.setAttribute('role', 'dialog');
    const client = this.frame(win, t.caption, t.systemMenu ? CLOSE : null);
    Object.assign(client.style, { width: `${t.width * UNIT_X}px`, height: `${t.height * UNIT_Y}px` });
    for (const c of t.controls) {
      const node = this.control(win, c);
      place(node, c);
      // A picture takes the size of its bitmap.
      if (c.kind === 'picture') node.style.width = node.style.height = '';
      node.id = c.id < 0 ? `c${id}-n${t.controls.indexOf(c)}` : `c${id}-${c.id}`;
      client.appendChild(node);
      if (c.id >= 0) win.controls.set(c.id, node);
      c.node = node;
    }
    // A field's label is named by its group and caption, which the program sends from the scoreboard's table.
    for (const c of t.controls.filter((d) => d.name)) {
      const name = element('span', null, client);
      name.id = `${c.node.id}-name`;
      name.hidden = true;
      name.textContent = c.name;
      c.node.setAttribute('aria-labelledby', `${name.id} ${c.node.id}`);
    }
    this.stage.appendChild(win.node);
    return win;
  }

  frame(win, caption, closeCode) {
    const bar = element('header', 'title', win.node);
    const title = element('span', '', bar);
    title.textContent = caption;
    title.id = `title${++this.serial}`;
    win.node.setAttribute('aria-labelledby', title.id);
    if (closeCode !== null) {
      const close = element('button', 'close', bar);
      close.type = 'button';
      close.setAttribute('aria-label', 'Close');
      close.textContent = '\u00d7';
      close.tabIndex = -1;
      close.addEventListener('click', () => win.press(closeCode));
    }
    win.press = (code) => this.answer(win.id, code);
    return element('div', 'client', win.node);
  }

  control(win, c) {
    const press = () => win.press(c.id);
    let node;
    switch (c.kind) {
    case 'button': {
      node = element('button', c.multiLine ? 'multi' : '');
      node.type = 'button';
      const key = writeMnemonic(node, c.text);
      if (key) win.keys.set(key, node);
      if (c.default) { node.classList.add('default'); win.defaultButton = node; }
      node.addEventListener('click', press);
      break;
    }
    case 'radio': {
      node = element('label', 'radio');
      const input = element('input', '', node);
      input.type = 'radio';
      input.name = `g${win.id}`;
      input.addEventListener('change', press);
      writeMnemonic(element('span', '', node), c.text);
      break;
    }
    case 'group':
      node = element('div', 'group');
      node.setAttribute('role', 'group');
      writeMnemonic(element('span', 'legend', node), c.text);
      break;
    case 'picture':
    case 'icon': {
      const img = element('img', 'art');
      img.alt = c.kind === 'icon' ? 'Pennantry' : PICTURE_NAMES[c.member] || '';
      img.draggable = false;
      this.setArt(img, c.resource, c.member);
      if (c.notify) {
        node = element('button', 'picture');
        node.type = 'button';
        node.setAttribute('aria-label', img.alt);
        node.appendChild(img);
        node.addEventListener('click', press);
      } else {
        node = img;
      }
      break;
    }
    default:
      // A label bound to a field shows nothing until the program sets it.
      node = element(c.member ? 'output' : 'span', 'label');
      if (!c.member) node.textContent = c.text;
    }
    node.classList.add('control');
    if (c.sunken) node.classList.add('sunken');
    if (c.disabled) this.setEnabled(node, false);
    if (c.hidden) node.hidden = true;
    return node;
  }

  setArt(img, resource, member) {
    const art = this.art[resource];
    img.dataset.resource = resource;
    img.dataset.member = member || '';
    img.src = this.dense && art.x2 ? art.x2 : art.x1;
    img.width = art.width;
    img.height = art.height;
    if (/Base/.test(member)) img.alt = `${PICTURE_NAMES[member]}: ${resource === 130 ? 'a runner' : 'empty'}`;
  }

  setEnabled(node, on) {
    const target = node.querySelector('input') || node;
    target.disabled = !on;
  }

  // The scale that fits the main window's size to the viewport; 2x artwork wherever it is drawn larger.
  fit() {
    const width = this.main.node.offsetWidth, height = this.main.node.offsetHeight;
    this.scale = Math.min(innerWidth / (width + 8), innerHeight / (height + 8));
    this.stage.style.transform = `translate(-50%, -50%) scale(${this.scale})`;
    Object.assign(this.stage.style, { width: `${width}px`, height: `${height}px` });
    const dense = devicePixelRatio * this.scale > 1;
    if (dense !== this.dense) {
      this.dense = dense;
      for (const img of this.stage.querySelectorAll('img.art')) img.src = this.art[img.dataset.resource][dense ? 'x2' : 'x1'] || this.art[img.dataset.resource].x1;
    }
  }

  top() { return this.windows[this.windows.length - 1]; }

  push(win) {
    this.fit();
    for (const other of this.windows) other.node.inert = true;
    win.returnFocus = document.activeElement;
    win.node.style.visibility = '';
    win.node.inert = false;
    this.windows.push(win);
    this.focusFirst(win);
  }

  pop(win) {
    this.windows.splice(this.windows.indexOf(win), 1);
    if (win !== this.main) win.node.remove();
    const below = this.top();
    if (below) {
      below.node.inert = false;
      if (win.returnFocus && below.node.contains(win.returnFocus) && !win.returnFocus.disabled) win.returnFocus.focus();
      else this.focusFirst(below);
    }
  }

  focusFirst(win) {
    // As the platform does: the first control of the tab order that can take the focus.
    const first = [...win.node.querySelectorAll('.client button:not(.picture), .client input')].find((n) => !n.disabled);
    if (first) first.focus();
  }

  open(id) { this.push(id === MAIN ? this.main : this.build(id)); }

  close(id) {
    const win = this.windows.find((w) => w.id === id);
    if (win) this.pop(win);
  }

  find(dialog, control) {
    const win = dialog === MAIN ? this.main : this.windows.find((w) => w.id === dialog);
    return win && win.controls.get(control);
  }

  setText(dialog, control, text) { this.find(dialog, control).textContent = text; }

  enable(dialog, control, on) {
    const node = this.find(dialog, control);
    const hadFocus = node === document.activeElement;
    this.setEnabled(node, on);
    if (hadFocus && !on) this.focusFirst(dialog === MAIN ? this.main : this.top());
  }

  show(dialog, control, shown) { this.find(dialog, control).hidden = !shown; }

  // The program's choice of focus: the control Enter gives, so that the player sees it.
  focus(dialog, control) {
    const node = this.find(dialog, control);
    if (node && !node.disabled) (node.querySelector('input') || node).focus();
  }

  picture(dialog, control, bitmap) {
    const img = this.find(dialog, control);
    this.setArt(img, bitmap, img.dataset.member);
  }

  // The program waits here for the next press in one of its windows.
  wait(dialog) {
    if (!performance.getEntriesByName('pennantry-ready').length) performance.mark('pennantry-ready');
    return new Promise((resolve) => { this.pending = { dialog, resolve }; });
  }

  answer(dialog, code) {
    if (!this.pending || this.pending.dialog !== dialog) return;
    const { resolve } = this.pending;
    this.pending = null;
    resolve(code);
  }

  // A modal box over the window that shows it: OK, or the Yes/No question, which only Yes or No can end.
  message(text, caption, question) {
    return new Promise((resolve) => {
      const win = { id: 'message', node: element('section', 'window message'), controls: new Map(), keys: new Map() };
      win.node.setAttribute('role', 'alertdialog');
      const client = this.frame(win, caption || APP_NAME, question ? null : OK);
      win.press = (code) => { this.pop(win); resolve(code); };
      win.cancel = question ? null : OK;
      const body = element('p', 'text', client);
      body.textContent = text;
      body.id = `${win.node.querySelector('span').id}-text`;
      win.node.setAttribute('aria-describedby', body.id);
      const row = element('div', 'buttons', client);
      for (const [label, code] of question ? [['&Yes', YES], ['&No', NO]] : [['OK', OK]]) {
        const button = element('button', '', row);
        button.type = 'button';
        win.keys.set(writeMnemonic(button, label), button);
        button.addEventListener('click', () => win.press(code));
        if (!win.defaultButton) { win.defaultButton = button; button.classList.add('default'); }
      }
      this.stage.appendChild(win.node);
      this.push(win);
    });
  }

  onKey(e) {
    const win = this.top();
    if (!win || e.ctrlKey || e.metaKey) return;
    if (e.key === 'F1') {
      // The rules in brief, in a box of their own over whatever is open; the game waits beneath.
      e.preventDefault();
      if (!this.helping && this.helpText) {
        this.helping = true;
        this.message(this.helpText[1], this.helpText[0], false).then(() => { this.helping = false; });
      }
      return;
    }
    if (e.key === 'Escape') {
      e.preventDefault();
      if (win.cancel !== null) win.press(win.cancel);
    } else if (e.key === 'Enter' && win.id !== 'message') {
      // Never the focused button: the program names what Enter gives (never Save & Exit).
      e.preventDefault();
      win.press(ENTER);
    } else if (e.key === 'Enter' && !(document.activeElement instanceof HTMLButtonElement)) {
      e.preventDefault();
      if (win.defaultButton && !win.defaultButton.disabled) win.defaultButton.click();
    } else if ((e.key.length === 1 || e.altKey) && !e.repeat) {
      // With Alt, some layouts turn the letter into another character: take the key itself.
      const letter = e.altKey ? e.code.replace(/^(Key|Digit)/, '') : e.key;
      const button = win.keys.get(letter.toLowerCase());
      if (button && !button.disabled) {
        e.preventDefault();
        button.focus();
        button.click();
      }
    }
  }

  // The program has ended: a short closing screen with a way to start again.
  end() {
    for (const win of [...this.windows]) this.pop(win);
    this.stage.hidden = true;
    document.getElementById('closing').hidden = false;
    document.querySelector('#closing button').focus();
  }
}

var Module = {
  page: new Page(document.getElementById('stage'), ART),
  printErr: (text) => console.warn(text),
};
document.querySelector('#closing button').addEventListener('click', () => location.reload());
