"""Journeys of the main window: start with and without a driver, a second instance, the first
start's configuration file and autostart."""
import os
import subprocess

import time

from e2e_support import (AUTORUN_VALUE, MAIN_SIZE, BOX_SIZE, RUN_KEY, autorun_value, close_main,
                         first_run_file)

# Wine's own notification area when no desktop provides one: a small strip of icons.
TRAY_SIZE = (160, 20)
# Client rectangles (x, y, width, height) of the engine clock's graph, current and minimum labels.
ENGINE_GRAPH = (60, 190, 330, 96)
ENGINE_NOW = (395, 220, 25, 16)
ENGINE_MIN = (360, 168, 25, 16)
# The temperature dial (its needle and number).
DIAL = (436, 145, 331, 305)


def main_window(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    shot = j.screenshot("main-window")
    j.check_shaped(shot, main, "main window")
    # The title strip is dark, the skin carries the accent colour somewhere in the top rows.
    _, x, y, w, h = main
    assert max(shot.getpixel((x + w // 2, y + 40))) < 90, "title strip should be dark"
    trace = open(os.path.join(j.work, "trace.txt"), encoding="ascii", errors="replace").read()
    for fn in ("NvAPI_Initialize", "NvAPI_EnumPhysicalGPUs", "NvAPI_GPU_GetPCIIdentifiers",
               "NvAPI_GPU_GetVbiosVersionString"):
        assert fn in trace, f"{fn} missing from the driver trace"
    # The close button ends the program.
    j.click(x + 1135 + 9, y + 90 + 8)
    assert proc.wait(timeout=30) == 0


def no_driver(j):
    j.make_prefix(with_driver=False)
    j.start_display()
    proc = j.start_program()
    for n in (1, 2):
        (box,) = j.wait_for(BOX_SIZE)
        # The two notices are separate boxes, one after the other.
        shot = j.screenshot(f"notice-{n}")
        j.check_shaped(shot, box, "message box")
        assert not [w for w in j.windows() if (w[3], w[4]) == MAIN_SIZE], "main window too early"
        _, x, y, _, _ = box
        j.click(x + 100 + 36, y + 90 + 13)
        j.wait_gone(box)
    (main,) = j.wait_for(MAIN_SIZE)
    j.check_shaped(j.screenshot("main-window"), main, "main window")
    assert not os.path.exists(os.path.join(j.work, "trace.txt")), "a driver was loaded"
    _, x, y, _, _ = main
    j.click(x + 1135 + 9, y + 90 + 8)
    assert proc.wait(timeout=30) == 0


def second_instance(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    j.start_program()
    j.wait_for(MAIN_SIZE)
    j.start_program()
    (box,) = j.wait_for(BOX_SIZE)
    j.screenshot("question")
    _, x, y, _, _ = box
    j.click(x + 100 + 36, y + 90 + 13)
    j.wait_for(MAIN_SIZE, count=2)
    j.screenshot("two-instances")


def first_start(j):
    j.make_prefix(with_driver=True)
    cfg = os.path.join(j.prefix, "drive_c", "Pyrelix", "Pyrelix_DID2684.cfg")
    assert not os.path.exists(cfg)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    j.screenshot("first-start")
    # The default file beside the program, and autostart registered with the program's path.
    written = open(cfg, "rb").read()
    assert written == first_run_file("2684", 1), f"first-run file differs: {written!r}"
    assert autorun_value(j) == "C:\\Pyrelix\\Pyrelix.exe", autorun_value(j)
    close_main(j, proc, main)

    # The second start reads the initialised file: it writes nothing and registers nothing
    # (the value removed in between stays removed).
    subprocess.run(["wine", "reg", "delete", RUN_KEY, "/v", AUTORUN_VALUE, "/f"], env=j.env,
                   check=True, capture_output=True)
    assert autorun_value(j) is None
    stamp = os.stat(cfg).st_mtime_ns
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    j.screenshot("second-start")
    assert open(cfg, "rb").read() == written, "the second start changed the file"
    assert os.stat(cfg).st_mtime_ns == stamp, "the second start rewrote the file"
    assert autorun_value(j) is None, "the second start registered autostart"
    close_main(j, proc, main)


def bright_pixels(shot, window, area):
    _, x, y, _, _ = window
    ax, ay, w, h = area
    return sum(1 for px in range(x + ax, x + ax + w) for py in range(y + ay, y + ay + h)
               if min(shot.getpixel((px, py))) > 170)


def region(shot, window, area):
    _, x, y, _, _ = window
    ax, ay, w, h = area
    return shot.crop((x + ax, y + ay, x + ax + w, y + ay + h)).tobytes()


def count_calls(trace, function):
    return sum(1 for line in trace.splitlines() if function in line)


def monitor_and_tray(j):
    """The monitor shows live readings every second; the window hides behind the notification
    icon, a double click brings it back and the icon's menu ends the program."""
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    reads = count_calls(j.trace(), "NvAPI_GPU_GetAllClockFrequencies")
    time.sleep(3)
    first = j.screenshot("monitoring")
    time.sleep(3)
    later = j.screenshot("monitoring-later")
    assert count_calls(j.trace(), "NvAPI_GPU_GetAllClockFrequencies") >= reads + 4, \
        "the clocks are not read every second"
    # A four-digit engine clock beside the single "0" of the minimum, and a graph that moves.
    assert bright_pixels(later, main, ENGINE_NOW) > 2 * bright_pixels(later, main, ENGINE_MIN), \
        "the engine clock label shows no reading"
    assert region(first, main, ENGINE_GRAPH) != region(later, main, ENGINE_GRAPH), \
        "the engine graph does not scroll"
    # The demo board warms up under its load pattern: the dial follows.
    assert region(first, main, DIAL) != region(later, main, DIAL), "the dial does not move"

    _, x, y, _, _ = main
    j.click(x + 1110 + 9, y + 90 + 8)  # "-": hide behind the notification icon
    j.wait_gone(main)
    (tray,) = j.wait_for(TRAY_SIZE)
    j.screenshot("in-tray")
    _, tx, ty, _, _ = tray
    subprocess.run(["xdotool", "mousemove", "--sync", str(tx + 10), str(ty + 10),
                    "click", "--repeat", "2", "--delay", "80", "1"], env=j.env, check=True)
    (main,) = j.wait_for(MAIN_SIZE)
    j.screenshot("back-from-tray")

    _, x, y, _, _ = main
    j.click(x + 1110 + 9, y + 90 + 8)
    j.wait_gone(main)
    (tray,) = j.wait_for(TRAY_SIZE)
    _, tx, ty, _, _ = tray
    subprocess.run(["xdotool", "mousemove", "--sync", str(tx + 10), str(ty + 10), "click", "3"],
                   env=j.env, check=True)
    time.sleep(1)
    j.screenshot("tray-menu")
    subprocess.run(["xdotool", "key", "e"], env=j.env, check=True)  # "Exit(&E)"
    assert proc.wait(timeout=30) == 0


def startup_minimised(j):
    """With "StartupMinimize" = 1 the program starts behind its notification icon."""
    j.make_prefix(with_driver=True)
    text = first_run_file("2684", 0).replace(b"StartupMinimize=0", b"StartupMinimize=1")
    with open(j.program_file("Pyrelix_DID2684.cfg"), "wb") as cfg:
        cfg.write(text)
    j.start_display()
    proc = j.start_program()
    (tray,) = j.wait_for(TRAY_SIZE)
    time.sleep(2)
    j.screenshot("started-in-tray")
    assert not [w for w in j.windows() if (w[3], w[4]) == MAIN_SIZE], "the main window shows"
    _, tx, ty, _, _ = tray
    subprocess.run(["xdotool", "mousemove", "--sync", str(tx + 10), str(ty + 10),
                    "click", "--repeat", "2", "--delay", "80", "1"], env=j.env, check=True)
    (main,) = j.wait_for(MAIN_SIZE)
    # Minimising at start happens once: the window stays up now.
    time.sleep(1)
    assert [w for w in j.windows() if (w[3], w[4]) == MAIN_SIZE], "the window hid again"
    close_main(j, proc, main)


JOURNEYS = {"monitor-and-tray": monitor_and_tray, "startup-minimised": startup_minimised,
            "main-window": main_window, "no-driver": no_driver,
            "second-instance": second_instance, "first-start": first_start}
