#!/usr/bin/env python3
"""Turns the dialog templates of a resource script into the C++ table that the
headless dialogs are built from, so both back ends build their dialogs from
the same script.

Usage: rc2table.py SCRIPT.rc resource.h output.cpp [lookup-function-name]

Takes DIALOG / DIALOGEX blocks with STYLE, CAPTION and FONT lines and
generic CONTROL statements; CONTROL adds WS_CHILD | WS_VISIBLE as the
resource compiler does, and NOT removes bits.
"""
import os
import re
import sys

STYLES = {
    'WS_OVERLAPPED': 0, 'WS_POPUP': 0x80000000, 'WS_CHILD': 0x40000000, 'WS_MINIMIZE': 0x20000000,
    'WS_VISIBLE': 0x10000000, 'WS_DISABLED': 0x08000000, 'WS_CLIPSIBLINGS': 0x04000000,
    'WS_CLIPCHILDREN': 0x02000000, 'WS_CAPTION': 0x00C00000, 'WS_BORDER': 0x00800000,
    'WS_DLGFRAME': 0x00400000, 'WS_VSCROLL': 0x00200000, 'WS_HSCROLL': 0x00100000,
    'WS_SYSMENU': 0x00080000, 'WS_THICKFRAME': 0x00040000, 'WS_GROUP': 0x00020000,
    'WS_TABSTOP': 0x00010000, 'WS_MINIMIZEBOX': 0x00020000, 'WS_MAXIMIZEBOX': 0x00010000,
    'DS_3DLOOK': 0x4, 'DS_FIXEDSYS': 0x8, 'DS_SETFONT': 0x40, 'DS_MODALFRAME': 0x80,
    'DS_CONTROL': 0x400, 'DS_CENTER': 0x800, 'DS_SHELLFONT': 0x48,
    'BS_PUSHBUTTON': 0, 'BS_DEFPUSHBUTTON': 1, 'BS_AUTOCHECKBOX': 3, 'BS_GROUPBOX': 7,
    'ES_LEFT': 0, 'ES_CENTER': 1, 'ES_RIGHT': 2, 'ES_AUTOHSCROLL': 0x80, 'ES_READONLY': 0x800,
    'ES_NUMBER': 0x2000,
    'SS_LEFT': 0, 'SS_CENTER': 1, 'SS_RIGHT': 2, 'SS_NOTIFY': 0x100, 'SS_CENTERIMAGE': 0x200,
    'SS_SUNKEN': 0x1000,
    'CBS_DROPDOWN': 2, 'CBS_DROPDOWNLIST': 3, 'CBS_SORT': 0x100, 'CBS_HASSTRINGS': 0x200,
    'DTS_SHORTDATEFORMAT': 0, 'DTS_UPDOWN': 1, 'DTS_SHOWNONE': 2, 'DTS_LONGDATEFORMAT': 4,
    'DTS_TIMEFORMAT': 9, 'DTS_RIGHTALIGN': 0x20,
    'TCS_TABS': 0,
}

TOKEN = re.compile(r'\s*(?:("(?:[^"]|"")*")|([A-Za-z_][A-Za-z0-9_]*)|(0[xX][0-9A-Fa-f]+|-?\d+)|(.))')


def tokens(text):
    text = re.sub(r'//[^\n]*', '', text)
    out = []
    for m in TOKEN.finditer(text):
        s, name, num, punct = m.groups()
        if s is not None:
            out.append(('str', s[1:-1].replace('""', '"')))
        elif name is not None:
            out.append(('name', name))
        elif num is not None:
            out.append(('num', int(num, 0)))
        elif punct is not None and not punct.isspace():
            out.append(('punct', punct))
    return out


def read_defines(path):
    """The number and string macros of a header and of the headers it includes."""
    defines = {}
    for line in open(path, encoding='utf-8'):
        inc = re.match(r'\s*#include\s+"([^"]+)"', line)
        if inc:
            defines.update(read_defines(os.path.join(os.path.dirname(path), inc.group(1))))
            continue
        text = re.match(r'\s*#define\s+(\w+)\s+"((?:[^"]|"")*)"\s*$', line)
        if text:
            defines[text.group(1)] = text.group(2)
            continue
        m = re.match(r'\s*#define\s+(\w+)\s+\(?(-?\w+)\)?', line)
        if m:
            try:
                defines[m.group(1)] = int(m.group(2), 0)
            except ValueError:
                pass
    return defines


class Parser:
    def __init__(self, toks, defines):
        self.toks, self.i, self.defines = toks, 0, defines

    def peek(self, k=0):
        return self.toks[self.i + k] if self.i + k < len(self.toks) else ('eof', None)

    def next(self):
        tok = self.peek()
        self.i += 1
        return tok

    def comma(self):
        if self.peek() == ('punct', ','):
            self.i += 1

    def value(self, tok):
        kind, v = tok
        if kind == 'num':
            return v
        if kind == 'name':
            if v in self.defines:
                return self.defines[v]
            if v in STYLES:
                return STYLES[v]
        raise SystemExit('rc2table: unknown value %r' % (v,))

    def number(self):
        self.comma()
        return self.value(self.next())

    def text(self):
        """Adjacent strings and string macros, joined as the resource compiler joins them."""
        parts = []
        while self.peek()[0] == 'str' or (self.peek()[0] == 'name' and isinstance(self.defines.get(self.peek()[1]), str)):
            kind, v = self.next()
            parts.append(v if kind == 'str' else self.defines[v])
        return ''.join(parts)

    def style(self, base=0):
        """An expression of values joined by '|', where NOT removes bits."""
        self.comma()
        value = base
        while True:
            negate = self.peek() == ('name', 'NOT')
            if negate:
                self.i += 1
            bits = self.value(self.next())
            value = (value & ~bits) if negate else (value | bits)
            if self.peek() != ('punct', '|'):
                return value & 0xFFFFFFFF
            self.i += 1


def parse(rc_text, defines):
    p = Parser(tokens(rc_text), defines)
    dialogs = []
    while p.peek()[0] != 'eof':
        if p.peek(1) in (('name', 'DIALOGEX'), ('name', 'DIALOG')) and p.peek()[0] in ('name', 'num'):
            dialogs.append(parse_dialog(p))
        else:
            p.next()
    return dialogs


def parse_dialog(p):
    dialog = {'id': p.value(p.next()), 'caption': '', 'style': 0, 'font': ('', 0), 'controls': []}
    p.next()
    _x, _y, dialog['width'], dialog['height'] = (p.number() for _ in range(4))
    while p.peek() != ('name', 'BEGIN'):
        kind, word = p.next()
        if word == 'STYLE':
            dialog['style'] = p.style()
        elif word == 'CAPTION':
            dialog['caption'] = p.text()
        elif word == 'FONT':
            size = p.number()
            p.comma()
            dialog['font'] = (p.next()[1], size)
    p.next()
    while p.peek() != ('name', 'END'):
        if p.next() != ('name', 'CONTROL'):
            raise SystemExit('rc2table: only CONTROL statements are supported in dialog %d' % dialog['id'])
        text = p.next()[1]
        control_id = p.number()
        p.comma()
        cls = p.next()[1]
        style = p.style(STYLES['WS_CHILD'] | STYLES['WS_VISIBLE'])
        x, y, w, h = (p.number() for _ in range(4))
        if p.peek() == ('punct', ','):
            p.style()  # extended style: not used by the headless dialogs
        dialog['controls'].append((cls, text, control_id, style, x, y, w, h))
    p.next()
    return dialog


def c_string(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def emit(dialogs, out, function):
    lines = ['// Generated by tools/rc2table.py from the resource script. Do not edit.',
             '#include "res/templates.h"', '',
             'const fw::DialogTemplate* %s(int id);' % function, '', 'namespace {', '',
             'const fw::DialogTemplate kTemplates[] = {']
    for d in dialogs:
        lines.append('    {%d, %s, 0x%08Xu, %d, %d, %s, %d, {' % (
            d['id'], c_string(d['caption']), d['style'], d['width'], d['height'],
            c_string(d['font'][0]), d['font'][1]))
        for cls, text, cid, style, x, y, w, h in d['controls']:
            lines.append('        {%s, %s, %d, 0x%08Xu, %d, %d, %d, %d},' % (
                c_string(cls), c_string(text), cid, style, x, y, w, h))
        lines.append('    }},')
    lines += ['};', '', '}  // namespace', '',
              'const fw::DialogTemplate* %s(int id) {' % function,
              '  for (const fw::DialogTemplate& t : kTemplates) {',
              '    if (t.id == id) return &t;',
              '  }',
              '  return nullptr;',
              '}', '']
    with open(out, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines))


def main():
    rc, header, out = sys.argv[1:4]
    function = sys.argv[4] if len(sys.argv) > 4 else 'fw::FindDialogTemplate'
    rc_text = open(rc, encoding='utf-8').read()
    defines = read_defines(header)
    for inc in re.findall(r'^\s*#include\s+"([^"]+)"', rc_text, re.M):   # the script's own headers
        defines.update(read_defines(os.path.join(os.path.dirname(rc), inc)))
    emit(parse(rc_text, defines), out, function)


if __name__ == '__main__':
    main()
