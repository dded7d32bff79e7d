"""Journeys of the lighting panel: on each simulated lighting path the panel opens from the main
window's Led button, a colour picked on its wheel goes to the board with Ok, and a board whose
VBIOS asks for it gets its status report once a second; a board with no lighting path sends
nothing."""
import time

import subprocess

from e2e_support import BOX_SIZE, MAIN_SIZE, close_main

LED_SIZE = (627, 461)
LED_BUTTON = (890, 90, 40, 40)
OK_BUTTON = (180, 410, 64, 22)
CLOSE_BUTTON = (595, 15, 18, 16)
# The wheel's centre in the panel, by picture: the boards' controllers and the driver's zones.
BOARD_WHEEL = (425, 207)
ILLUM_WHEEL = (285, 203)
READOUT_Y = (165, 195, 225)
RED_ENTRY = (315, 348, 42, 25)


def centre(area):
    x, y, w, h = area
    return x + w // 2, y + h // 2


def open_led(j, main):
    _, x, y, _, _ = main
    bx, by = centre(LED_BUTTON)
    j.click(x + bx, y + by)
    (panel,) = j.wait_for(LED_SIZE)
    return panel


def readouts(shot, panel, readout_x):
    """The three readouts' pixels, and how many of them are white text."""
    _, x, y, _, _ = panel
    area = shot.crop((x + readout_x, y + READOUT_Y[0], x + readout_x + 64, y + READOUT_Y[2] + 22))
    return area.tobytes(), sum(1 for p in area.getdata() if min(p) > 200)


def check_cut_out(behind, shot, panel):
    """The panel opens over the main window: its cut-away corners show what was there before,
    its body does not."""
    _, x, y, w, h = panel
    for cx, cy in [(x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)]:
        assert shot.getpixel((cx, cy)) == behind.getpixel((cx, cy)), f"corner {cx},{cy} painted"
    for px, py in [(x + w // 2, y + 20), (x + 30, y + h // 2), (x + w - 30, y + h // 2)]:
        assert shot.getpixel((px, py)) != behind.getpixel((px, py)), f"{px},{py} not painted"


def calls(trace, function):
    return [line for line in trace.splitlines() if " call " in line and f"fn={function} " in line]


def pick_and_send(j, scenario, wheel, readout_x, shot_name, holds):
    j.make_prefix(with_driver=True, scenario=scenario)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    behind = j.screenshot(shot_name + "-behind")
    panel = open_led(j, main)
    before = j.screenshot(shot_name)
    check_cut_out(behind, before, panel)
    _, x, y, _, _ = panel
    # A colour 30 left of and 20 below the wheel's centre, as the panel shows it.
    px, py = x + wheel[0] - 30, y + wheel[1] + 20
    colour = before.getpixel((px, py))
    assert max(colour) > 60, f"no colour under the wheel point: {colour}"
    shown_before, _ = readouts(before, panel, readout_x)
    j.click(px, py)
    time.sleep(0.5)
    # The panel may have moved with the press; find it again.
    (panel,) = j.wait_for(LED_SIZE)
    picked = j.screenshot(shot_name + "-picked")
    shown, text = readouts(picked, panel, readout_x)
    assert shown != shown_before and text > 30, "the readouts do not show the picked colour"
    _, x, y, _, _ = panel
    ox, oy = centre(OK_BUTTON)
    j.click(x + ox, y + oy)
    time.sleep(1)
    holds(j.trace(), colour)
    cx, cy = centre(CLOSE_BUTTON)
    j.click(x + cx, y + cy)
    j.wait_gone(panel)
    close_main(j, proc, main)


def controller_holds(trace, colour):
    # The last write (Ok's, or a status report after it) answers what the controller holds.
    writes = calls(trace, "NvAPI_I2CWrite")
    assert writes, "Ok sent nothing"
    held = "rgb=%d,%d,%d" % colour
    assert held in writes[-1], f"the controller does not hold {held}: {writes[-1]}"


def zone_holds(trace, colour):
    sets = calls(trace, "NvAPI_GPU_ClientIllumZonesSetControl")
    assert sets, "Ok sent nothing"
    zone = "3/0:%d,%d,%d,255,100" % colour
    assert zone in sets[-1], f"zone 0 is not {zone}: {sets[-1]}"
    assert "status=0" in sets[-1], sets[-1]


def led_frames(j):
    pick_and_send(j, "led-frames.ini", BOARD_WHEEL, 550, "led-frames", controller_holds)


def led_blocks(j):
    pick_and_send(j, "led-blocks.ini", BOARD_WHEEL, 550, "led-blocks", controller_holds)


def led_illum(j):
    pick_and_send(j, "led-illum.ini", ILLUM_WHEEL, 420, "led-illum", zone_holds)


def keys(j, *names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], env=j.env, check=True)


def typed_entry(j):
    """A value typed into the red field and committed with Enter: out of range it brings the
    range prompt and changes nothing; in range it becomes the red readout and Ok sends it."""
    j.make_prefix(with_driver=True, scenario="led-frames.ini")
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    panel = open_led(j, main)
    _, x, y, _, _ = panel
    ex, ey = centre(RED_ENTRY)
    j.click(x + ex, y + ey)
    keys(j, "End", "BackSpace", "BackSpace", "BackSpace", "3", "0", "0", "Return")
    (box,) = j.wait_for(BOX_SIZE)
    j.screenshot("range-prompt")
    _, bx, by, _, _ = box
    j.click(bx + 100 + 36, by + 90 + 13)
    j.wait_gone(box)
    assert [w for w in j.windows() if (w[3], w[4]) == LED_SIZE], "the prompt closed the panel"
    j.click(x + ex, y + ey)
    keys(j, "End", "BackSpace", "BackSpace", "BackSpace", "6", "4", "Return")
    time.sleep(0.5)
    assert not [w for w in j.windows() if (w[3], w[4]) == BOX_SIZE], "64 was refused"
    j.screenshot("typed-64")
    ox, oy = centre(OK_BUTTON)
    j.click(x + ox, y + oy)
    time.sleep(1)
    # Breath in red 64; the controller's answer shows what it now holds.
    frames = [w for w in calls(j.trace(), "NvAPI_I2CWrite") if "data=A0 00 " in w]
    assert frames and "data=A0 00 03 40 00 00 00 04" in frames[-1], frames
    assert "rgb=64,0,0" in frames[-1], frames[-1]
    close_main(j, proc, main)


def status_report(j):
    """VBIOS 94.02.26.48.d6 asks for the temperature and power report every second."""
    j.make_prefix(with_driver=True, scenario="report-vbios.ini")
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    time.sleep(1)

    def reports():
        return [line for line in calls(j.trace(), "NvAPI_I2CWrite") if "data=A1 " in line]

    first = len(reports())
    started = time.time()
    time.sleep(6)
    sent = len(reports()) - first
    elapsed = time.time() - started
    assert abs(sent - elapsed) <= 1.5, f"{sent} reports in {elapsed:.1f} s"
    assert "regsize=0 size=10" in reports()[-1], reports()[-1]
    close_main(j, proc, main)


def status_report_packet(j):
    """A 320 W board at 65 °C drawing half its rating: the packet of the report."""
    j.make_prefix(with_driver=True, scenario="led-frames.ini")
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    time.sleep(2.5)
    packets = [line for line in calls(j.trace(), "NvAPI_I2CWrite") if "data=A1 " in line]
    assert packets, "no status report"
    assert "data=A1 41 00 A0 64 64 00 00 02 4A" in packets[-1], packets[-1]
    close_main(j, proc, main)


def no_lighting(j):
    """A board with no lighting path: the panel still opens, but a press where the wheel and Ok
    sit on the other paths sends nothing to the board."""
    j.make_prefix(with_driver=True, scenario="led-none.ini")
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    panel = open_led(j, main)
    j.screenshot("led-none")
    # Opening the panel probed for a controller; from here on nothing goes to the board.
    sends = ("NvAPI_I2CWrite", "NvAPI_GPU_ClientIllumZonesSetControl")
    before = {function: len(calls(j.trace(), function)) for function in sends}
    _, x, y, _, _ = panel
    for point in ((BOARD_WHEEL[0] - 30, BOARD_WHEEL[1] + 20), centre(OK_BUTTON)):
        j.click(x + point[0], y + point[1])
        time.sleep(0.5)
    j.screenshot("led-none-pressed")
    for function in sends:
        assert len(calls(j.trace(), function)) == before[function], \
            f"{function} called on a board without lighting"
    close_main(j, proc, main)


JOURNEYS = {"led-frames": led_frames, "led-typed-entry": typed_entry, "led-blocks": led_blocks,
            "led-illum": led_illum, "led-none": no_lighting, "led-status-report": status_report,
            "led-report-packet": status_report_packet}
