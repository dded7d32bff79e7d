"""Journeys of the overclock panel: an offset moved on the slider and applied reaches the card and
the main window's clocks, and a saved profile comes back at the next start."""
import os
import re
import time

from e2e_support import BOX_SIZE, GREEN, MAIN_SIZE, close_main, first_run_file

ADVANCE_SIZE = (659, 600)
# Client points of the main window's "Advance" button and of the panel's controls.
ADVANCE_BUTTON = (158 + 20, 90 + 20)
CORE_SLIDER = (189, 32, 320, 12)
APPLY = (472 + 32, 533 + 11)
CLOSE = (541 + 32, 533 + 11)
SLOT_1 = (288 + 12, 530 + 13)
SAVE = (224 + 31, 530 + 13)
BOX_OK = (100 + 36, 90 + 13)
# The demo board's boost clock, kHz, which the engine clock reaches under load.
DEMO_BOOST_KHZ = 2520000

OFFSET_SENT = re.compile(r"fn=NvAPI_GPU_SetPstates20 .*?domain0=([+-]\d+)")
ENGINE_READ = re.compile(r"^(\d+) call .*fn=NvAPI_GPU_GetAllClockFrequencies .*type=0 -> "
                         r"graphics=(\d+)", re.M)


def click_in(j, window, point):
    _, x, y, _, _ = window
    j.click(x + point[0], y + point[1])


def confirm(j):
    """Answers the skinned question with OK."""
    (box,) = j.wait_for(BOX_SIZE)
    click_in(j, box, BOX_OK)
    j.wait_gone(box)


def save_into_slot_1(j, panel, attempts=4):
    """Chooses save slot 1, presses Save and answers the warning with OK. The slots and Save are
    shown only once the panel's change detector (every 500 ms) has seen the moved slider; a press
    before that lands on a hidden control, so the pair is pressed again until the warning comes.
    Choosing the same slot twice changes nothing."""
    time.sleep(1.5)
    for _ in range(attempts):
        click_in(j, panel, SLOT_1)
        time.sleep(0.5)
        j.screenshot("save-shown")
        click_in(j, panel, SAVE)
        try:
            (box,) = j.wait_for(BOX_SIZE, timeout=10)
        except AssertionError:
            continue
        click_in(j, box, BOX_OK)
        j.wait_gone(box)
        return
    raise AssertionError(f"no save warning after {attempts} presses of slot 1 and Save")


def open_advance(j, main):
    click_in(j, main, ADVANCE_BUTTON)
    (panel,) = j.wait_for(ADVANCE_SIZE)
    return panel


def check_panel_shape(shot, panel):
    """The panel opens over the main window, so only its lower corners lie on the green root."""
    _, x, y, w, h = panel
    for cx, cy in ((x, y + h - 1), (x + w - 1, y + h - 1)):
        assert shot.getpixel((cx, cy)) == GREEN, f"overclock panel: corner {cx},{cy} not cut"
    for px, py in ((x + w // 2, y + h - 80), (x + 30, y + h // 2)):
        assert shot.getpixel((px, py)) != GREEN, f"overclock panel: {px},{py} not painted"


def offsets_sent(j):
    return [int(v) for v in OFFSET_SENT.findall(j.trace())]


def last_sequence(j):
    lines = [line for line in j.trace().splitlines() if line.split(" ", 1)[0].isdigit()]
    return int(lines[-1].split(" ", 1)[0]) if lines else 0


def move_core_slider(j, panel):
    """Clicks three quarters along the core slider: a positive offset on the demo board."""
    x, y, w, h = CORE_SLIDER
    click_in(j, panel, (x + w * 3 // 4, y + h // 2))


def wait_engine_clock(j, after, khz, timeout=90):
    """Waits for the monitor to read `khz` as the engine clock after trace entry `after`."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        readings = [(int(s), int(g)) for s, g in ENGINE_READ.findall(j.trace())]
        if any(s > after and g == khz for s, g in readings):
            return
        time.sleep(1)
    raise AssertionError(f"no engine clock of {khz} kHz after trace entry {after}")


def apply_core_offset(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    panel = open_advance(j, main)
    shot = j.screenshot("advance-panel")
    check_panel_shape(shot, panel)
    assert offsets_sent(j) == [], "the panel wrote clocks before Apply"

    move_core_slider(j, panel)
    time.sleep(0.5)
    click_in(j, panel, APPLY)
    confirm(j)
    time.sleep(1)
    sent = offsets_sent(j)
    assert sent and sent[-1] > 0, f"no positive core offset sent: {sent}"
    j.screenshot("applied")
    applied_at = last_sequence(j)

    click_in(j, panel, CLOSE)
    j.wait_gone(panel)
    # Under load the main window's monitor reads the boost clock plus the new offset.
    wait_engine_clock(j, applied_at, DEMO_BOOST_KHZ + sent[-1])
    j.screenshot("main-after-apply")
    close_main(j, proc, main)


def write_config(j, auto_overclock):
    text = first_run_file("2684", 0).decode("ascii")
    text = text.replace("AutoOverClock=0", f"AutoOverClock={auto_overclock}")
    with open(j.program_file("Pyrelix_DID2684.cfg"), "wb") as f:
        f.write(text.encode("ascii"))


def read_section(j, section):
    values, current = {}, None
    with open(j.program_file("Pyrelix_DID2684.cfg"), encoding="utf-16" if _is_utf16(j) else "ascii",
              errors="replace") as f:
        for line in f.read().splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1]
            elif current == section and "=" in line:
                key, value = line.split("=", 1)
                values[key] = value
    return values


def _is_utf16(j):
    with open(j.program_file("Pyrelix_DID2684.cfg"), "rb") as f:
        return f.read(2) in (b"\xff\xfe", b"\xfe\xff")


def profile_at_restart(j):
    j.make_prefix(with_driver=True)
    write_config(j, auto_overclock=1)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    # Start_OC of a first start holds zeros: the start-up overclock sends offset 0.
    time.sleep(1)
    assert offsets_sent(j) == [0], f"start-up overclock: {offsets_sent(j)}"

    panel = open_advance(j, main)
    move_core_slider(j, panel)
    save_into_slot_1(j, panel)
    saved = read_section(j, "Profile1")
    startup = read_section(j, "Start_OC")
    offset = int(saved.get("CoreOffset", "0"))
    assert offset > 0, f"Profile1 after Save: {saved}"
    assert startup.get("CoreOffset") == saved["CoreOffset"], f"Start_OC after Save: {startup}"
    click_in(j, panel, CLOSE)
    j.wait_gone(panel)
    close_main(j, proc, main)

    # The next start applies the saved profile without showing the panel.
    os.remove(os.path.join(j.work, "trace.txt"))
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    time.sleep(1)
    assert offsets_sent(j) == [offset * 1000], f"start-up overclock: {offsets_sent(j)}"
    assert not [w for w in j.windows() if (w[3], w[4]) == ADVANCE_SIZE], "panel shown at start"
    j.screenshot("restarted")
    close_main(j, proc, main)


JOURNEYS = {
    "overclock-apply": apply_core_offset,
    "overclock-profile-restart": profile_at_restart,
}
