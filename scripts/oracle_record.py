#!/usr/bin/env python3
"""Records the reference GDI's pixels for a fixed set of drawing cases as test data.

usage: scripts/oracle_record.py [--oracle DIR] [--seed N] [--out FILE]

DIR is the reference tool (default $GDI_ORACLE or ../shared/gdi-oracle); it needs Wine and
MinGW (its install.sh). The cases are its random set for one seed, its systematic sweeps and
a few systematic wide-pen cases of this script's own.
Every case is drawn twice by the reference; cases it draws differently each time, and ellipse
cases where it paints outside the box and the pen's reach (stray spans of tall thin ellipses), are left out.
Each kept case is written with a 64-bit FNV-1a hash of its W*H pixels (uint32 0x00RRGGBB,
little-endian, rows top to bottom), which tests/platform/gfx/reference_test.cpp compares with.
"""
import argparse
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def fnv64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return h


def read_cases(path):
    cases = []
    for line in open(path):
        line = line.rstrip('\n')
        if not line or line.startswith('#') or ':' not in line:
            continue
        head, ops = line.split(':', 1)
        cid, cls, w, h = head.split()
        cases.append((cid, cls, int(w), int(h), ops.strip()))
    return cases


def split_pixels(path, cases):
    data = open(path, 'rb').read()
    out, off = [], 0
    for _, _, w, h, _ in cases:
        out.append(data[off:off + 4 * w * h])
        off += 4 * w * h
    if off != len(data):
        sys.exit('%s: %d bytes, expected %d' % (path, len(data), off))
    return out


def paints_outside_box(ops, w, h, pixels):
    m = re.search(r'ellipse (-?\d+) (-?\d+) (-?\d+) (-?\d+)', ops)
    if not m:
        return False
    l, t, r, b = map(int, m.groups())
    pen = re.search(r'pen \w+ (\d+)', ops)
    reach = max(1, int(pen.group(1))) if pen else 1  # a wide pen's band may leave the box
    l, r = min(l, r) - reach, max(l, r) + reach
    t, b = min(t, b) - reach, max(t, b) + reach
    px = struct.unpack('<%dI' % (w * h), pixels)
    return any(px[y * w + x] != 0xFFFFFF for y in range(h) for x in range(w)
               if not (l <= x < r and t <= y < b))


def extra_cases():
    """Systematic wide-pen cases the random set rarely reaches: directions whose band offsets
    are whole or half pixels exactly, every octant, segments and figures of no size."""
    out = []

    def emit(cls, ops, w=48, h=48):
        out.append('xw%05d %s %d %d : %s' % (len(out) + 1, cls, w, h, ' ; '.join(ops)))
    for pw in (2, 3, 4, 5, 6, 9, 10, 16):
        for dx, dy in ((3, 4), (4, 3), (6, 8), (8, 6), (5, 12), (12, 5), (1, 1), (2, 1), (1, 2),
                       (7, 24), (9, 12)):
            for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
                emit('xw_band_ties', ['pen solid %d 000000' % pw, 'move 24 24',
                                      'line %d %d' % (24 + sx * dx, 24 + sy * dy)])
        emit('xw_no_size', ['pen solid %d 000000' % pw, 'move 20 20', 'line 20 20'])
        emit('xw_no_size', ['pen solid %d 0000C0' % pw, 'brush solid 00C000', 'rect 20 20 21 21'])
        emit('xw_no_size', ['pen solid %d 0000C0' % pw, 'polygon 3 20 20 20 20 20 20'])
        emit('xw_no_size', ['pen solid %d 800080' % pw, 'arc 10 10 30 31 40 10 41 10'])
    # Arcs and pies on boxes two pixels thin or less, where the outline folds back on itself:
    # rays anywhere, exactly along the axes and on the centre, thin, wide and null pens.
    rnd = random.Random(14)
    boxes = sorted({(t, o) for t in (1, 2) for o in range(1, 10)} |
                   {(o, t) for t in (1, 2) for o in range(1, 10)})
    pens = ('pen solid 1 000000', 'pen solid 2 0000C0', 'pen solid 3 800080',
            'pen solid 10 FF0000', 'pen null 1 000000')
    for bw, bh in boxes * 2:
        for pen in pens:
            for op in ('arc', 'pie'):
                if op == 'arc' and 'null' in pen:
                    continue
                l, t = rnd.randint(14, 17), rnd.randint(14, 17)
                cx, cy = l + bw // 2, t + bh // 2
                reach = rnd.choice((2, 6, 40))
                rays = [(cx + rnd.randint(-reach, reach), cy + rnd.randint(-reach, reach))
                        for _ in range(2)]
                axis = rnd.choice(((1, 0), (0, -1), (-1, 0), (0, 1), (0, 0)))
                rays[rnd.randint(0, 1)] = (cx + reach * axis[0], cy + reach * axis[1])
                box = (l, t, l + bw, t + bh) if rnd.random() < 0.8 else (l + bw, t + bh, l, t)
                emit('xt_arcpie', [pen, 'brush solid 00C000',
                                   '%s %d %d %d %d %d %d %d %d' % ((op,) + box + rays[0] + rays[1])],
                     40, 40)
    # Dashed and dotted pies: the pattern runs on from the arc into the radials.
    for i in range(80):
        style = ('dash', 'dot')[i % 2]
        l, t = rnd.randint(2, 10), rnd.randint(2, 10)
        bw, bh = ((rnd.randint(3, 30), rnd.randint(3, 30)) if i < 30 else
                  (rnd.randint(1, 11), rnd.choice((1, 1, 2))))
        cx, cy = l + bw // 2, t + bh // 2
        rays = [(cx + rnd.randint(-40, 40), cy + rnd.randint(-40, 40)) for _ in range(2)]
        emit('xp_pie', ['pen %s 1 000000' % style, 'brush solid C0C0C0',
                        'pie %d %d %d %d %d %d %d %d' % ((l, t, l + bw, t + bh) + rays[0] + rays[1])])
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--oracle', default=os.environ.get(
        'GDI_ORACLE', os.path.join(ROOT, '..', 'shared', 'gdi-oracle')))
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--out', default=os.path.join(ROOT, 'tests', 'platform', 'gfx', 'reference',
                                                  'cases.txt'))
    args = ap.parse_args()
    src = os.path.join(os.path.abspath(args.oracle), 'src')
    work = tempfile.mkdtemp(prefix='oracle-record-')
    env = dict(os.environ, WINEPREFIX=os.path.join(work, 'prefix'), WINEDEBUG='-all',
               WINEDLLOVERRIDES='mscoree,mshtml=')
    env.pop('DISPLAY', None)

    def run(cmd, **kw):
        subprocess.run(cmd, cwd=work, env=env, check=True, **kw)

    run(['x86_64-w64-mingw32-g++', '-O2', '-std=c++17', '-static',
         os.path.join(src, 'oracle.cpp'), '-o', 'oracle.exe', '-lgdi32', '-luser32'])
    with open(os.path.join(work, 'cases.txt'), 'w') as f:
        run([sys.executable, os.path.join(src, 'gen.py'), str(args.seed)], stdout=f)
    run([sys.executable, os.path.join(src, 'gen_sweep.py')], stdout=subprocess.DEVNULL)
    with open(os.path.join(work, 'extra.txt'), 'w') as f:
        f.write('\n'.join(extra_cases()) + '\n')
    rows, dropped = [], 0
    for name in ('cases', 'sweep', 'extra'):
        for run_no in (1, 2):
            run(['wine', 'oracle.exe', name + '.txt', '%s%d.bin' % (name, run_no)],
                stderr=subprocess.DEVNULL)
        cases = read_cases(os.path.join(work, name + '.txt'))
        first = split_pixels(os.path.join(work, name + '1.bin'), cases)
        second = split_pixels(os.path.join(work, name + '2.bin'), cases)
        for (cid, cls, w, h, ops), a, b in zip(cases, first, second):
            if a != b or paints_outside_box(ops, w, h, a):
                dropped += 1
                continue
            rows.append('%s %s %d %d %016x : %s' % (cid, cls, w, h, fnv64(a), ops))
    os.makedirs(os.path.dirname(args.out), exist_ok=True)
    with open(args.out, 'w') as f:
        f.write('# The reference GDI\'s pixels per case, written by scripts/oracle_record.py '
                '(seed %d); do not edit.\n' % args.seed)
        f.write('# <id> <class> <W> <H> <FNV-1a 64 of the pixels> : <ops>\n')
        f.write('\n'.join(rows) + '\n')
    print('%d cases recorded, %d left out (unstable or painting outside the box) -> %s' %
          (len(rows), dropped, args.out))


main()
