#!/usr/bin/env python3
"""Seed corpora for the fuzz targets: the shipped tables and problem files as a build
makes them, and hand-made learner records of every format version (whole, cut short,
and with a damaged string length), settings files and settings writes.

usage: make_seeds.py OUT_DIR RESOURCE_DIR
"""
import os
import shutil
import struct
import sys

out, resource = sys.argv[1], sys.argv[2]
here = os.path.dirname(os.path.abspath(__file__))
tables = os.path.join(here, '..', 'data', 'tables')


def folder(name):
    path = os.path.join(out, name)
    os.makedirs(path, exist_ok=True)
    return path


def put(target, name, data):
    with open(os.path.join(folder(target), name), 'wb') as f:
        f.write(data)


def shipped(target, suffixes):
    for name in sorted(os.listdir(resource)):
        if name.endswith(suffixes):
            shutil.copy(os.path.join(resource, name), folder(target))


def string(text):
    data = text.encode('cp932')
    return struct.pack('<H', len(data)) + data


def score(n):
    # Total time, count, then 15 days each of characters, keys, misses, time, date.
    days = [[1000.0 + n if d == 0 else 0.0 for d in range(15)] for _ in range(5)]
    days[4][0] = 46000.0 + n
    return struct.pack('<2d', n / 86400.0, float(n)) + b''.join(struct.pack('<15d', *d) for d in days)


def table_rows(name):
    rows = []
    with open(os.path.join(tables, name), encoding='utf-8') as f:
        for line in f:
            kana, _, keys = line.rstrip('\r\n').partition(',')
            rows.append((kana, keys))
    rows = rows[:301] + [('', '')] * (301 - len(rows))
    return b''.join(string(k) + string(v) for k, v in rows)


def record(version, course=0):
    header = struct.pack('<h', version) + string('山田太郎') + struct.pack('<hhd', course, 12, 0.5)
    blocks = {3: (0, 20), 4: (35, 10), 5: (50, 10), 6: (70, 10)}[version]
    body = b'\0' * (101 * 56) if version == 3 else b''
    body += b''.join(score(n) for n in range(1, blocks[0] + 1))
    for b in range(1, 4):
        body += b''.join(score(100 * b + n) for n in range(1, blocks[1] + 1))
    return header + body + table_rows('DefKana.tbl.txt' if course else 'DefRmj.tbl.txt')


shipped('RomajiTableFuzz', ('.tbl',))
for name in list(os.listdir(folder('RomajiTableFuzz'))):
    if name.startswith('lesson'):
        os.remove(os.path.join(folder('RomajiTableFuzz'), name))
shipped('LessonTableFuzz', ('lessonRmj.tbl', 'lessonKana.tbl'))
shipped('WordDictionaryFuzz', ('.zrd',))
shipped('SentenceSetFuzz', ('.zrw',))

for version in (3, 4, 5, 6):
    whole = record(version)
    put('UserRecordFuzz', 'v%d.dat' % version, whole)
    put('UserRecordFuzz', 'v%d-cut.dat' % version, whole[:len(whole) * 2 // 3])
put('UserRecordFuzz', 'v6-kana.dat', record(6, 1))
damaged = bytearray(record(6))
at = damaged.rfind(string('si'))
damaged[at:at + 2] = b'\xff\xff'
put('UserRecordFuzz', 'v6-damaged-length.dat', bytes(damaged))

ini = ('[General]\r\nMoveMouse=1\r\nErrorSound=1\r\n\r\n[Training]\r\nLessonTime=2\r\n'
       'TargetTime=40\r\n[WordLsn]\r\nL1=resource\\zr.zrd\r\nLT1=基本単語\r\n').encode('cp932')
put('SettingsReadFuzz', 'user.ini', ini)
put('SettingsReadFuzz', 'quoted.ini', b'[general]\nfont = "MS Gothic" \n[General]\nFont=other\n')
put('SettingsRoundTripFuzz', 'replace', ini + b'\0' + b'\x00\x01\x02' * 3)
put('SettingsRoundTripFuzz', 'new-section', b'[A]\r\nk=v\r\n\0' + bytes(range(40, 70)))
