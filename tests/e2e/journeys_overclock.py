"""Journeys of the overclock panel: an offset moved on the slider and applied reaches the card and
the main window's clocks (on three kinds of board), a saved profile comes back at the next start,
and on a machine with several GPUs the GPU buttons choose the card and All applies to every one."""
import os
import re
import time

from e2e_support import BOX_SIZE, GREEN, MAIN_SIZE, close_main, first_run_file
from journeys_vbios import INFO_BUTTON, INFO_CLOSE, INFO_SIZE

ADVANCE_SIZE = (659, 600)
# Client points of the main window's "Advance" button and of the panel's controls.
ADVANCE_BUTTON = (158 + 20, 90 + 20)
CORE_SLIDER = (189, 32, 320, 12)
APPLY = (472 + 32, 533 + 11)
CLOSE = (541 + 32, 533 + 11)
SLOT_1 = (288 + 12, 530 + 13)
SAVE = (224 + 31, 530 + 13)
PROFILES = (54 + 31, 530 + 13)
PROFILE_2 = (148 + 12, 530 + 13)
BOX_OK = (100 + 36, 90 + 13)
GPU_2 = (120 + 28 + 12, 560 + 13)
ALL_GPUS = (403 + 8, 563 + 8)
# The information panel's name field.
INFO_NAME = (85, 48, 150, 16)
# The demo board's boost clock, kHz, which the engine clock reaches under load.
DEMO_BOOST_KHZ = 2520000

OFFSET_SENT = re.compile(r"fn=NvAPI_GPU_SetPstates20 .*?domain0=([+-]\d+)")
CALL = re.compile(r"^(\d+) call .*? fn=(\S+) gpu=(-?\d+)", re.M)
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


def apply_core_offset(j, scenario=None, boost_khz=DEMO_BOOST_KHZ,
                      offsets_read="NvAPI_GPU_ClockClientClkVfPointsGetControl"):
    j.make_prefix(with_driver=True, scenario=scenario)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    mark = last_sequence(j)
    panel = open_advance(j, main)
    shot = j.screenshot("advance-panel")
    check_panel_shape(shot, panel)
    assert offsets_sent(j) == [], "the panel wrote clocks before Apply"
    # Opening the panel read the card's offsets the way its kind of board keeps them.
    assert gpus_called(j, offsets_read, mark) == {0}, f"the panel did not read {offsets_read}"

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
    wait_engine_clock(j, applied_at, boost_khz + sent[-1])
    j.screenshot("main-after-apply")
    close_main(j, proc, main)


def on_board(scenario, boost_khz, offsets_read):
    """The apply journey on another simulated board, with that board's boost clock and the
    query the panel reads its offsets with."""
    return lambda j: apply_core_offset(j, scenario, boost_khz, offsets_read)


def config_path(j, device):
    return j.program_file(f"Pyrelix_DID{device}.cfg")


def write_config(j, auto_overclock, device="2684", profile2_core=0):
    """A first start's file with the start-up overclock switched on or off and, optionally, a
    core offset (MHz) in profile 2."""
    text = first_run_file(device, 0).decode("ascii")
    text = text.replace("AutoOverClock=0", f"AutoOverClock={auto_overclock}")
    head, profile2 = text.split("[Profile2]", 1)
    profile2 = profile2.replace("CoreOffset=0", f"CoreOffset={profile2_core}", 1)
    with open(config_path(j, device), "wb") as f:
        f.write((head + "[Profile2]" + profile2).encode("ascii"))


def read_section(j, section, device="2684"):
    path = config_path(j, device)
    with open(path, "rb") as f:
        utf16 = f.read(2) in (b"\xff\xfe", b"\xfe\xff")
    values, current = {}, None
    with open(path, encoding="utf-16" if utf16 else "ascii", errors="replace") as f:
        for line in f.read().splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1]
            elif current == section and "=" in line:
                key, value = line.split("=", 1)
                values[key] = value
    return values


def close_all(j, proc, main, panel):
    click_in(j, panel, CLOSE)
    j.wait_gone(panel)
    close_main(j, proc, main)


def restart_applies(j, offset_khz):
    """The next start applies the start-up overclock's core offset without showing the panel."""
    os.remove(os.path.join(j.work, "trace.txt"))
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    time.sleep(1)
    assert offsets_sent(j) == [offset_khz], f"start-up overclock: {offsets_sent(j)}"
    assert not [w for w in j.windows() if (w[3], w[4]) == ADVANCE_SIZE], "panel shown at start"
    j.screenshot("restarted")
    close_main(j, proc, main)


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
    close_all(j, proc, main, panel)
    restart_applies(j, offset * 1000)


def gpus_called(j, function, after):
    """The GPUs (by model index) that `function` was called for after trace entry `after`."""
    return {int(g) for s, fn, g in CALL.findall(j.trace()) if fn == function and int(s) > after}


def apply_confirmed(j, panel):
    """Apply and OK; the GPUs the clock offsets were written to."""
    mark = last_sequence(j)
    click_in(j, panel, APPLY)
    confirm(j)
    time.sleep(1)
    return gpus_called(j, "NvAPI_GPU_SetPstates20", mark)


def info_name_field(j, main):
    """Opens the information panel, crops its name field and closes it again."""
    click_in(j, main, INFO_BUTTON)
    (info,) = j.wait_for(INFO_SIZE)
    shot = j.screenshot("info")
    _, x, y, _, _ = info
    nx, ny, nw, nh = INFO_NAME
    field = shot.crop((x + nx, y + ny, x + nx + nw, y + ny + nh)).tobytes()
    click_in(j, info, INFO_CLOSE)
    j.wait_gone(info)
    return field


def two_gpus(j):
    """Two display GPUs and a compute-only one, all three in the GPU table: GPU 2 reads only its
    card and refills the board facts; Apply writes every card while All is on (the first
    start's setting) and only the chosen card once All is off."""
    j.make_prefix(with_driver=True, scenario="two-gpus.ini")
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    first_name = info_name_field(j, main)

    panel = open_advance(j, main)
    j.screenshot("gpu-buttons")
    mark = last_sequence(j)
    click_in(j, panel, GPU_2)
    time.sleep(1)
    read = gpus_called(j, "NvAPI_GPU_GetPstates20", mark)
    assert len(read) == 1, f"GPU 2 read the card(s) {read}"
    (second,) = read

    move_core_slider(j, panel)
    time.sleep(0.5)
    written = apply_confirmed(j, panel)
    assert written == {0, 1, 2}, f"Apply with All wrote the card(s) {written}"

    click_in(j, panel, ALL_GPUS)
    time.sleep(0.5)
    written = apply_confirmed(j, panel)
    assert written == {second}, f"Apply on GPU 2 alone wrote the card(s) {written}"
    j.screenshot("applied-to-one")
    click_in(j, panel, CLOSE)
    j.wait_gone(panel)

    assert info_name_field(j, main) != first_name, "the board facts did not follow GPU 2"
    close_main(j, proc, main)


def choose_profile(j):
    """On the P-state board: Profile, 2 and OK apply the stored profile at once and make it the
    start-up overclock, which the next start applies."""
    j.make_prefix(with_driver=True, scenario="p-states-17c8.ini")
    write_config(j, auto_overclock=1, device="17C8", profile2_core=150)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    time.sleep(1)
    assert offsets_sent(j) == [0], f"start-up overclock: {offsets_sent(j)}"

    panel = open_advance(j, main)
    click_in(j, panel, PROFILES)
    time.sleep(0.5)
    click_in(j, panel, PROFILE_2)
    confirm(j)
    time.sleep(1)
    assert offsets_sent(j) == [0, 150000], f"profile 2 applied: {offsets_sent(j)}"
    j.screenshot("profile-2-chosen")
    startup = read_section(j, "Start_OC", device="17C8")
    assert startup.get("CoreOffset") == "150", f"Start_OC after choosing profile 2: {startup}"
    close_all(j, proc, main, panel)
    restart_applies(j, 150000)


JOURNEYS = {
    "overclock-choose-profile": choose_profile,
    "overclock-two-gpus": two_gpus,
    "overclock-apply": apply_core_offset,
    # The same journey on a voltage/frequency-curve board whose fans sit on the older cooler
    # interface, and on a board the panel reads through its P-states only.
    "overclock-apply-vf-board": on_board("vf-only-1b80.ini", 1733000,
                                         "NvAPI_GPU_ClockClientClkVfPointsGetControl"),
    "overclock-apply-p-state-board": on_board("p-states-17c8.ini", 1076000,
                                              "NvAPI_GPU_GetPstates20"),
    "overclock-profile-restart": profile_at_restart,
}
