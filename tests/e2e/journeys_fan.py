"""Journeys of the fan curve: the overclock panel's Adv button opens the fan curve dialog, a
curve is drawn by clicks and applied, and the simulated fans follow the simulated temperature."""
import re
import time

from e2e_support import MAIN_SIZE, close_main

ADVANCE_SIZE = (659, 600)
FAN_SIZE = (660, 599)
# Where the main window's Advance button and the overclock panel's Adv button sit.
ADVANCE_BUTTON = (158 + 20, 90 + 20)
ADV_BUTTON = (430 + 28, 430 + 11)
# The editor's place in the fan dialog, its cell size, and the Apply button's centre.
EDITOR = (120, 84)
CELL = 43
APPLY_BUTTON = (437 + 32, 555 + 11)
WHITE = (255, 255, 255)

# The curve the journey draws: column (10 °C each) -> grid row (0 = 100 %, 9 = 10 %). Columns
# left out keep the default diagonal.
DRAWN_ROWS = {0: 8, 1: 8, 2: 8, 3: 7, 4: 5, 5: 3, 6: 1, 7: 0, 8: 0}

THERMAL = re.compile(r"fn=NvAPI_GPU_GetThermalSettings .*status=0 .*-> temperature=(-?\d+)")
FAN_SET = re.compile(r"fn=NvAPI_GPU_ClientFanCoolersSetControl .*count=1 id=(\d) level=(\d+) "
                     r"mode=(\d)")


def curve_level(celsius):
    """The level the drawn curve gives a temperature, or None where no row matches."""
    if celsius <= 0 or celsius > 100:
        return None
    column = (celsius - 1) // 10
    row = DRAWN_ROWS.get(column, 9 - column)
    return 100 - 10 * row


# The older cooler interface: one level for the board's cooler, with its policy (1 = manual).
COOLER_SET = re.compile(r"fn=NvAPI_GPU_SetCoolerLevels .*level=(\d+) policy=(\d+)")


def sends_after_readings(trace, send):
    """(temperature read last before the send, the send pattern's values...) for every send."""
    sends, last = [], None
    for line in trace.splitlines():
        m = THERMAL.search(line)
        if m:
            last = int(m.group(1))
            continue
        m = send.search(line)
        if m:
            sends.append((last, *(int(v) for v in m.groups())))
    return sends


def fan_sends(trace):
    """(temperature, fan id, level, mode) for every per-fan send."""
    return sends_after_readings(trace, FAN_SET)


def cooler_sends(trace):
    """(temperature, level, policy) for every send to the cooler."""
    return sends_after_readings(trace, COOLER_SET)


def check_fan_pairs(sends):
    """Per-fan sends: fans 1 and 2 in turn, each pair at the drawn curve's level, manual mode."""
    assert sends, "Apply did not set the fans"
    for index in range(0, len(sends), 2):
        pair = sends[index:index + 2]
        assert [s[1] for s in pair] == [1, 2], f"fans 1 and 2 not set in turn: {pair}"
        celsius, _, level, mode = pair[0]
        assert pair[1][2] == level, f"the two fans got different levels: {pair}"
        assert mode == 1, f"a curve level went out in automatic mode: {pair}"
        assert level == curve_level(celsius), \
            f"{celsius} °C gave {level} %, the drawn curve says {curve_level(celsius)} %"
    return {s[2] for s in sends}


def check_cooler_sends(sends):
    """Older-interface sends: one manual level per crossing, at the drawn curve's level."""
    assert sends, "Apply did not set the cooler"
    for celsius, level, policy in sends:
        assert policy == 1, f"a curve level went out with policy {policy}"
        assert level == curve_level(celsius), \
            f"{celsius} °C gave {level} %, the drawn curve says {curve_level(celsius)} %"
    return {s[1] for s in sends}


def fan_curve(j, scenario=None, older_coolers=False):
    """Advance, Adv, draw a curve by clicks, Apply: the fans follow the temperature row by row,
    through the per-fan interface or, on a board without it, the older cooler interface."""
    sent = cooler_sends if older_coolers else fan_sends
    j.make_prefix(with_driver=True, scenario=scenario)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    _, mx, my, _, _ = main
    j.click(mx + ADVANCE_BUTTON[0], my + ADVANCE_BUTTON[1])
    (panel,) = j.wait_for(ADVANCE_SIZE)
    _, px, py, _, _ = panel
    j.click(px + ADV_BUTTON[0], py + ADV_BUTTON[1])
    (dialog,) = j.wait_for(FAN_SIZE)
    _, fx, fy, _, _ = dialog
    shot = j.screenshot("fan-dialog")
    ex, ey = fx + EDITOR[0], fy + EDITOR[1]
    # The editor opens on the diagonal: 10 % across the first column.
    assert shot.getpixel((ex + 20, ey + 9 * CELL)) == WHITE, "the default curve is not drawn"

    for column, row in DRAWN_ROWS.items():
        j.click(ex + column * CELL + CELL // 2, ey + row * CELL + CELL // 2)
    time.sleep(1)
    shot = j.screenshot("curve-drawn")
    for column, row in DRAWN_ROWS.items():
        x, y = ex + column * CELL + CELL // 2, ey + row * CELL
        assert shot.getpixel((x, y)) == WHITE, f"column {column} not drawn at row {row}"

    # Adv before any Apply leaves the fans alone.
    time.sleep(2)
    assert not sent(j.trace()), "the fans were set before Apply"
    j.click(fx + APPLY_BUTTON[0], fy + APPLY_BUTTON[1])
    time.sleep(15)
    j.screenshot("fans-following")

    check = check_cooler_sends if older_coolers else check_fan_pairs
    levels = check(sent(j.trace()))
    assert len(levels) >= 2, f"the fans did not follow the temperature: only {levels}"
    close_main(j, proc, main)


JOURNEYS = {"fan-curve": fan_curve,
            "fan-curve-older-coolers": lambda j: fan_curve(j, "p-states-17c8.ini", True)}
