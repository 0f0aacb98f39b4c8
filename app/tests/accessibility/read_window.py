#!/usr/bin/env python3
"""Reads Lirvane's window through AT-SPI, as a screen reader would, and
checks what it finds: every control's role and name, the song list's cells
and the status line. Exits non-zero on the first thing missing.
    read_window.py APPLICATION_NAME"""
import sys
import time

import pyatspi


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no accessible application named {name}")


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def main():
    app = find_application(sys.argv[1])
    seen = [(n.getRoleName(), n.name) for n, _ in walk(app)]
    for role, name in seen:
        print(f"{role}: {name}")
    wanted = [
        ("push button", "获取"),
        ("text", "QQ号码"),
        ("label", "QQ:"),
        ("table", "歌曲列表"),
        ("table cell", "红豆-王菲"),
        ("table cell", "http://music.example.com/hongdou.mp3"),
        ("table column header", "歌曲名/歌手"),
        ("label", "QQ:10001 获取完成,空间音乐总数:5首"),
        ("label", ">> 如有疑问,点此反馈 <<"),
    ]
    missing = [w for w in wanted if w not in seen]
    if missing:
        sys.exit(f"not found through AT-SPI: {missing}")
    print("every control, the cells and the status line are readable")


if __name__ == "__main__":
    main()
