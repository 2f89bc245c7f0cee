#!/usr/bin/python3
"""The installed Windows program under Wine on an X display without a window manager.

    gui_smoke.py PROGRAM.exe SAMPLE OUT_DIR

PROGRAM.exe and SAMPLE are Windows paths (SAMPLE in a folder named with umlauts). WINEPREFIX
and DISPLAY come from the environment. The program starts with SAMPLE on its command line, its
main window and the floor names dialog appear, a chart button opens the chart window
(OUT_DIR/windows-wine.png is taken then), closing the main window as a close box does writes
the last folder to %APPDATA%\\Gruppenstatistik\\default.sta, and the next start's open dialog
stands in that folder: the file's bare name typed there opens it. Last, "Öffnen mit" as
Explorer does it: the file opened through the program's registered file type. Wine's X windows
are the Windows windows' client areas, so a click at a control's place in its window hits it.
"""
import glob
import os
import subprocess
import sys
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

MAIN = "QVL Gruppenstatistik"
PROGID = "Gruppenstatistik.csv"  # registered by the setup program
FLOORS = "Etagenbezeichnungen"
# Places in the main window's client area (the layout is fixed).
OPEN_BUTTON = (56 + 12, 24 + 12)
ALL_CALLS_BUTTON = (24 + 72, 72 + 24 * 3 + 12)  # "Alle Außenrufe über Etage"


class Screen:
    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root

    def windows(self):
        """Mapped top-level windows with a title: {title: window}."""
        found = {}
        for w in self.root.query_tree().children:
            try:
                if w.get_attributes().map_state != X.IsViewable:
                    continue
                name = w.get_full_property(self.d.intern_atom("_NET_WM_NAME"),
                                           self.d.intern_atom("UTF8_STRING"))
                title = name.value.decode() if name else w.get_wm_name()
            except Exception:  # a window that went away meanwhile
                continue
            if title and title != "Default IME":
                found[title] = w
        return found

    def mapped(self):
        """How many top-level windows are on the screen, popups without a title among them."""
        count = 0
        for w in self.root.query_tree().children:
            try:
                count += w.get_attributes().map_state == X.IsViewable
            except Exception:  # gone meanwhile
                pass
        return count

    def wait(self, test, what, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            result = test(self.windows())
            if result:
                return result
            time.sleep(0.3)
        raise SystemExit(f"gui_smoke: {what} did not appear; windows: {list(self.windows())}")

    def wait_title(self, title, timeout=60):
        return self.wait(lambda ws: ws.get(title), f'window "{title}"', timeout)

    def origin(self, window):
        pos = window.translate_coords(self.root, 0, 0)
        return -pos.x, -pos.y

    def click(self, window, x, y):
        ox, oy = self.origin(window)
        xtest.fake_input(self.d, X.MotionNotify, x=ox + x, y=oy + y)
        self.d.sync()
        time.sleep(0.2)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.sync()

    def point_at(self, window):
        ox, oy = self.origin(window)
        geometry = window.get_geometry()
        xtest.fake_input(self.d, X.MotionNotify, x=ox + geometry.width // 2,
                         y=oy + geometry.height // 2)
        self.d.sync()

    def type(self, *keys):
        """Types characters and named keys ("Down") with the focus under the pointer."""
        for key in keys:
            keysym = XK.string_to_keysym(key if len(key) > 1 else
                                         {" ": "space", ".": "period"}.get(key, key))
            keycode = self.d.keysym_to_keycode(keysym)
            shift = self.d.keycode_to_keysym(keycode, 0) != keysym
            if shift:
                xtest.fake_input(self.d, X.KeyPress, self.d.keysym_to_keycode(XK.XK_Shift_L))
            xtest.fake_input(self.d, X.KeyPress, keycode)
            xtest.fake_input(self.d, X.KeyRelease, keycode)
            if shift:
                xtest.fake_input(self.d, X.KeyRelease, self.d.keysym_to_keycode(XK.XK_Shift_L))
            self.d.sync()
            time.sleep(0.05)

    def move(self, window, x, y):
        window.configure(x=x, y=y)
        self.d.sync()

    def close(self, window):
        """What a window manager's close box sends: WM_DELETE_WINDOW."""
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.d.sync()


def screenshot(path, screen=None, windows=()):
    """The whole screen, or the part the windows cover with a margin."""
    crop = []
    if windows:
        boxes = [(*screen.origin(w), w.get_geometry()) for w in windows]
        left = max(0, min(x for x, _, _ in boxes) - 8)
        top = max(0, min(y for _, y, _ in boxes) - 8)
        right = max(x + g.width for x, _, g in boxes) + 8
        bottom = max(y + g.height for _, y, g in boxes) + 8
        crop = ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage"]
    subprocess.run(["import", "-window", "root", *crop, path], check=True)


def wait_exit(process, what, timeout=60):
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        raise SystemExit(f"gui_smoke: the program did not end after {what}")


def last_dir_file():
    found = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", "*",
                                   "AppData", "Roaming", "Gruppenstatistik", "default.sta"))
    return found[0] if found else None


def main():
    program, sample, out = sys.argv[1:4]
    # A Wine session of this display, its services detached from our output.
    subprocess.run([os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine-run.sh"),
                    "--keep"], check=True)
    try:
        smoke(program, sample, out)
    finally:
        subprocess.run(["wineserver", "-k"])


def smoke(program, sample, out):
    folder = sample.rsplit("\\", 1)[0]
    name = sample.rsplit("\\", 1)[1]
    screen = Screen()
    if last_dir_file():
        os.remove(last_dir_file())

    # First start, with the file on the command line.
    started = time.time()
    run = subprocess.Popen(["wine", program, sample])
    main_window = screen.wait_title(MAIN)
    screen.wait_title(FLOORS)
    print(f"gui_smoke: main window and floor names after {time.time() - started:.1f} s")
    screen.move(main_window, 16, 16)  # the chart window opens centred: side by side for the picture
    screen.close(screen.wait_title(FLOORS))
    screen.wait(lambda ws: FLOORS not in ws, "the floor names dialog closing")

    before = set(screen.windows())
    screen.click(main_window, *ALL_CALLS_BUTTON)
    chart = screen.wait(lambda ws: [t for t in ws if t not in before], "the chart window")[0]
    print(f"gui_smoke: chart window {chart!r}")
    chart_window = screen.windows()[chart]
    screen.move(chart_window, 16 + main_window.get_geometry().width + 16, 16)
    time.sleep(2)  # drawn
    screenshot(os.path.join(out, "windows-wine.png"), screen, [main_window, chart_window])

    screen.close(main_window)
    wait_exit(run, "closing its main window")
    sta = last_dir_file()
    if not sta:
        raise SystemExit("gui_smoke: no default.sta under AppData\\Roaming\\Gruppenstatistik")
    saved = open(sta, "rb").read().decode("utf-8")
    if saved != folder:
        raise SystemExit(f"gui_smoke: default.sta holds {saved!r}, not {folder!r}")
    print(f"gui_smoke: {sta} holds {saved}")

    # Second start, without a file: the open dialog stands in the folder from default.sta.
    run = subprocess.Popen(["wine", program])
    main_window = screen.wait_title(MAIN)
    before = set(screen.windows())
    screen.click(main_window, *OPEN_BUTTON)
    dialog_title = screen.wait(lambda ws: [t for t in ws if t not in before],
                               "the open dialog")[0]
    time.sleep(1)
    screenshot(os.path.join(out, "windows-wine-open.png"))
    # Its first letter, then the name the dialog completes from its folder: only a dialog in
    # that folder offers it. (Typed whole, the umlauts would need a keyboard map Wine reads.)
    screen.point_at(screen.windows()[dialog_title])
    shown = screen.mapped()
    screen.type(name[0])
    end = time.time() + 15
    while screen.mapped() <= shown and time.time() < end:  # the completion's popup
        time.sleep(0.2)
    screen.type("Down", "Return")
    time.sleep(0.5)
    screen.type("Return")
    screen.wait_title(FLOORS, timeout=30)
    print(f"gui_smoke: {name!r} chosen in the open dialog ({dialog_title!r}) opened")
    screen.close(screen.wait_title(FLOORS))
    screen.close(screen.wait_title(MAIN))
    wait_exit(run, "closing its main window the second time")

    # "Öffnen mit": the command the setup program registered for .csv files.
    run = subprocess.Popen(["wine", "start", "/wait", "/ProgIDOpen", PROGID, sample])
    screen.wait_title(MAIN)
    screen.wait_title(FLOORS)
    print(f"gui_smoke: {sample!r} opened through {PROGID}, as \"Öffnen mit\" does")
    screen.close(screen.wait_title(FLOORS))
    screen.close(screen.wait_title(MAIN))
    wait_exit(run, "closing its main window the third time")
    print("gui_smoke: passed")


if __name__ == "__main__":
    main()
