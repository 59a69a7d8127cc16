#!/usr/bin/python3
"""Reads the calculator over AT-SPI as a screen reader does: finds Label24 as
a label by its place on the window, presses 計算する, closes the verdict box,
and reads the new figure; then presses 印刷する from the keyboard with no
printer to be found, closes the box that says so, and finds the focus back on
印刷する. Run under tests/with_atspi.sh.
Usage: screen_reader_test.py <widmark binary>
"""
import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LABEL24_AT = (304, 280)  # its place on the window, from the design (twips / 15)
FIGURE = "0.2524862592"  # the start-up inputs' figure

# What the window reads just before each box (by the box's name): its own
# caption, or, for the minutes and the strengths, its neighbour's unit.
READ_BEFORE = {
    "飲酒日本酒の量（単位はＣＣ）": "飲酒日本酒の量（単位はＣＣ）",
    "日本酒のアルコール濃度（度）": "ＣＣ",
    "飲酒ビールの量（単位はＣＣ）": "飲酒ビールの量（単位はＣＣ）",
    "ビールのアルコール濃度（度）": "ＣＣ",
    "ワインその他のアルコール類": "ワインその他のアルコール類",
    "ワインその他のアルコール濃度（度）": "ＣＣ",
    "あなたの体重は（単位はＫｇ）": "あなたの体重は（単位はＫｇ）",
    "飲酒開始後の経過時間は（時間）": "飲酒開始後の経過時間は",
    "飲酒開始後の経過時間は（分）": "時間",
    "エタノールの比重": "エタノールの比重",
    "アルコール体内分布係数": "アルコール体内分布係数",
    "体内アルコール減少率": "体内アルコール減少率",
    "血中量の呼気量への換算率": "血中量の呼気量への換算率",
}
FIGURE_CAPTION = "呼気１リットルあたりのアルコール保有ミリグラムの数値です。"


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


# Waits end only on a hang: the machine may be busy with a parallel build.
def wait_for(what, find, seconds=300):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear")


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def role(node):
    return node.get_role_name()


def press(node):
    for i in range(node.get_n_actions()):
        if node.get_action_name(i) == "Press":
            node.do_action(i)
            return
    sys.exit(f"FAIL: {node.get_name()} cannot be pressed")


def focused(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def focus(window):
    """The names of what holds the focus in the window, read afresh."""
    return [n.get_name() for n in walk(window) if focused(n)]


def top_button(app, title):
    """The push button of the top-level window titled `title`, or None."""
    for i in range(app.get_child_count()):
        top = app.get_child_at_index(i)
        if top is None or top.get_name() != title:
            continue
        for node in walk(top):
            if role(node) == "push button":
                return node
    return None


def main():
    # A print server of our own that is not there: no printer, whatever the machine has.
    nowhere = tempfile.mkdtemp()
    program = subprocess.Popen([sys.argv[1]],
                               env={**os.environ, "CUPS_SERVER": f"{nowhere}/cups.sock"})
    failures = []
    try:
        app = wait_for("the program", lambda: application(program.pid))
        window = wait_for("the window", lambda: next(
            (w for w in (app.get_child_at_index(i) for i in range(app.get_child_count()))
             if w is not None and w.get_name() == "Widmark法算定計算"), None))

        def label24():
            for node in walk(window):
                if role(node) == "label":
                    box = node.get_extents(Atspi.CoordType.WINDOW)
                    if (box.x, box.y) == LABEL24_AT:
                        return node
            return None

        figure = wait_for("Label24", label24)
        if figure.get_name() != "0":
            failures.append(f"Label24 reads {figure.get_name()!r} at start, not '0'")

        boxes = [n for n in walk(window) if role(n) == "text"]
        names = [n.get_name() for n in boxes]
        print("boxes:", " / ".join(f"{n.get_name()} ({n.get_description()})" for n in boxes))
        if len(boxes) != 13 or len(set(names)) != 13 or "" in names:
            failures.append(f"expected 13 boxes with their own names, got {names}")

        # The window's own children, in the order a screen reader reads them.
        children = [window.get_child_at_index(i) for i in range(window.get_child_count())]
        read = [(role(n), n.get_name()) for n in children if n is not None]
        for at, (kind, name) in enumerate(read):
            if kind == "text" and READ_BEFORE.get(name) != (read[at - 1][1] if at else None):
                failures.append(f"{name} is read after {read[at - 1][1] if at else 'nothing'}")
        if [n for k, n in read if k == "label" and not n.strip()]:
            failures.append("a blank caption is read")
        names = [n for _, n in read]
        if FIGURE_CAPTION not in names or names[names.index(FIGURE_CAPTION) + 1] != "0":
            failures.append("the figure is not read right after its caption")
        print("read in order:", " / ".join(names[:12]), "…")

        calculate = next(n for n in walk(window) if role(n) == "push button"
                         and n.get_name() == "計算する")
        press(calculate)

        press(wait_for("the verdict box", lambda: top_button(app, "有罪です")))
        # Read afresh each time: a name cached before the change would stay stale.
        def new_figure():
            figure.clear_cache()
            return figure if figure.get_name() == FIGURE else None

        wait_for("the new figure", new_figure)
        print(f"Label24 after 計算する: {figure.get_name()}")

        # With no window manager here, xdotool gives the window the keyboard
        # where a window manager would: at the start and after the box.
        wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^Widmark法算定計算$"], capture_output=True, text=True,
                             check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
        printing = next(n for n in walk(window) if role(n) == "push button"
                        and n.get_name() == "印刷する")

        def on_printing():  # asked again until it holds: the first may come too early
            if focus(window) == ["印刷する"]:
                return True
            printing.grab_focus()
            return None

        wait_for("the focus on 印刷する", on_printing)
        subprocess.run(["xdotool", "key", "space"], check=True)
        ok = wait_for("the box that no printer was found", lambda: top_button(app, "印刷できません"))
        wait_for("the focus on its OK", lambda: ok if focused(ok) else None)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        wait_for("the box to close", lambda: None if top_button(app, "印刷できません") else True)
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
        now = wait_for("the window's focus", lambda: focus(window) or None)
        if now != ["印刷する"]:
            failures.append(f"after printing the focus is on {now}, not 印刷する")
        print("focus after printing:", " / ".join(now))
    finally:
        program.terminate()
        program.wait(10)
        os.rmdir(nowhere)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
