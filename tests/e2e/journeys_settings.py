"""Journeys of the settings and help panels: each opens from its main-window button; the
settings panel's Apply writes the options and makes every window translucent; the help page
shows its text and a link that lights up under the pointer."""
import subprocess
import time

from e2e_support import MAIN_SIZE, autorun_value, close_main

SETTING_SIZE = (385, 263)
HELP_SIZE = (627, 461)
# Centres of the main window's Setting and Help buttons (40 x 40 at (48, 90) and (270, 90)).
SETTING_BUTTON = (68, 110)
HELP_BUTTON = (290, 110)
# The settings panel: the Tra check button, the opacity list and Apply.
TRA_CHECK = (15 + 8, 122 + 8)
OPACITY_FIELD = (260 + 40, 122 + 10)
APPLY = (200 + 32, 220 + 11)
# The help panel: the text area, the link and Close.
HELP_TEXT = (20, 45, 600, 350)
HELP_LINK = (25, 415, 200, 20)
HELP_CLOSE = (520 + 32, 415 + 11)


def open_panel(j, main, button, size):
    """Presses a main-window button; the panel it shows and the screen just before."""
    _, x, y, _, _ = main
    before = j.screenshot("before-panel")
    j.click(x + button[0], y + button[1])
    (panel,) = j.wait_for(size)
    return panel, before


def check_shaped_over(shot, before, window, what):
    """The panel's cut corners show what lay under them (the main window or the green root);
    its middle is painted."""
    _, x, y, w, h = window
    for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
        assert shot.getpixel((cx, cy)) == before.getpixel((cx, cy)), \
            f"{what}: corner {cx},{cy} not see-through"
    assert shot.getpixel((x + w // 2, y + h // 2)) != before.getpixel((x + w // 2, y + h // 2)) \
        or shot.getpixel((x + w // 2, y + 20)) != before.getpixel((x + w // 2, y + 20)), \
        f"{what}: not painted"


def count(shot, window, area, test):
    _, wx, wy, _, _ = window
    ax, ay, aw, ah = area
    return sum(1 for px in range(wx + ax, wx + ax + aw) for py in range(wy + ay, wy + ay + ah)
               if test(shot.getpixel((px, py))))


def is_orange(p):
    return p[0] > 200 and 120 < p[1] < 210 and p[2] < 80


def is_white(p):
    return min(p) > 220


def window_opacity(j, window):
    """The opacity the window manager was given for an X window, or None."""
    out = subprocess.run(["xprop", "-id", window[0], "_NET_WM_WINDOW_OPACITY"], env=j.env,
                         capture_output=True, text=True).stdout
    if "=" not in out:
        return None
    return int(out.split("=")[1].split(",")[0].strip()) / 0xFFFFFFFF


def settings_apply(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    before = j.screenshot("main-opaque")
    panel, under = open_panel(j, main, SETTING_BUTTON, SETTING_SIZE)
    shot = j.screenshot("settings-panel")
    check_shaped_over(shot, under, panel, "settings panel")
    _, px, py, _, _ = panel

    # Tra on shows the list. It is opened and closed, "50%" is picked by typing its first
    # character, and Apply is pressed: the list leaving its selection hands the level over.
    j.click(px + TRA_CHECK[0], py + TRA_CHECK[1])
    j.click(px + OPACITY_FIELD[0], py + OPACITY_FIELD[1])
    time.sleep(0.5)
    j.screenshot("opacity-list-open")
    j.click(px + OPACITY_FIELD[0], py + OPACITY_FIELD[1])
    time.sleep(0.3)
    subprocess.run(["xdotool", "key", "5"], env=j.env, check=True)
    time.sleep(0.3)
    j.screenshot("opacity-chosen")
    j.click(px + APPLY[0], py + APPLY[1])
    time.sleep(1.0)
    after = j.screenshot("after-apply")

    cfg = open(j.program_file("Pyrelix_DID2684.cfg"), encoding="ascii").read()
    assert "Transparence=1" in cfg and "TransPercent=4" in cfg, cfg
    assert "AutoRun=1" in cfg, "the launch option (registered at the first start) stays on"
    assert autorun_value(j) is not None, "the autostart value should still be there"

    # The main window is translucent at 50 %: either composited against the green root or, on
    # a screen without a compositor, handed to the window manager as its opacity.
    _, mx, my, mw, mh = main
    spot = (mx + mw // 2, my + 300)
    opacity = window_opacity(j, main)
    blended = after.getpixel(spot) != before.getpixel(spot) and after.getpixel(spot)[1] > \
        before.getpixel(spot)[1]
    assert blended or (opacity is not None and abs(opacity - 0.5) < 0.01), \
        f"main window not translucent: pixel {before.getpixel(spot)} -> {after.getpixel(spot)}, " \
        f"opacity {opacity}"
    print("main window translucency:", "blended on screen" if blended else
          f"window-manager opacity {opacity:.3f} (no compositor on this screen)")
    close_main(j, proc, main)


def help_page(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    panel, under = open_panel(j, main, HELP_BUTTON, HELP_SIZE)
    shot = j.screenshot("help-page")
    check_shaped_over(shot, under, panel, "help panel")
    assert count(shot, panel, HELP_TEXT, is_white) > 2000, "the help text should be drawn white"
    assert count(shot, panel, HELP_LINK, is_white) > 40, "the link should be drawn white"
    assert count(shot, panel, HELP_LINK, is_orange) == 0

    # Under the pointer the link turns orange; off it, white again.
    _, px, py, _, _ = panel
    subprocess.run(["xdotool", "mousemove", "--sync", str(px + HELP_LINK[0] + 20),
                    str(py + HELP_LINK[1] + 10)], env=j.env, check=True)
    time.sleep(0.5)
    hover = j.screenshot("help-link-hover")
    assert count(hover, panel, HELP_LINK, is_orange) > 40, "the link should turn orange"
    subprocess.run(["xdotool", "mousemove", "--sync", str(px + 300), str(py + 200)], env=j.env,
                   check=True)
    time.sleep(0.5)
    left = j.screenshot("help-link-left")
    assert count(left, panel, HELP_LINK, is_orange) == 0, "the link should be white again"

    j.click(px + HELP_CLOSE[0], py + HELP_CLOSE[1])
    j.wait_gone(panel)
    close_main(j, proc, main)


JOURNEYS = {"settings-apply": settings_apply, "help-page": help_page}
