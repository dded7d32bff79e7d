"""Journeys of the VBIOS and information panels: each opens from its main-window button; the
VBIOS save and flash run the simulated flashing tool from the program's BIOS folder on the file
chosen in the system's file dialog."""
import os
import shutil
import subprocess
import time

from e2e_support import BOX_SIZE, MAIN_SIZE, close_main

INFO_SIZE = (324, 325)
BIOS_SIZE = (386, 281)
# Client points of the main window's buttons and of the panels' controls.
INFO_BUTTON = (102 + 20, 90 + 20)
BIOS_BUTTON = (216 + 20, 90 + 20)
INFO_CLOSE = (225 + 32, 295 + 11)
BIOS_SAVE = (80 + 39, 60 + 13)
BIOS_LOAD = (80 + 39, 100 + 13)
BOX_OK = (100 + 36, 90 + 13)
BIOS_CLOSE = (280 + 32, 240 + 11)
# What the simulated tool saves from a card without a ROM file of its own: 64 KiB, 55 AA first.
BUILT_IN_IMAGE_SIZE = 64 * 1024


def click_in(j, window, point):
    _, x, y, _, _ = window
    j.click(x + point[0], y + point[1])


def painted_share(shot, window):
    """Share of the window's pixels that are not the green root (what its shape left)."""
    _, x, y, w, h = window
    crop = shot.crop((x, y, x + w, y + h))
    green = sum(1 for p in crop.getdata() if p == (0, 255, 0))
    return 1 - green / (w * h)


def info_panel(j):
    j.make_prefix(with_driver=True)
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    before = j.trace().count("NvAPI_GPU_GetFullName")
    click_in(j, main, INFO_BUTTON)
    (panel,) = j.wait_for(INFO_SIZE)
    shot = j.screenshot("info-panel")
    assert painted_share(shot, panel) > 0.5, "information panel not painted"
    # Opening the panel read the board's facts once, each through its own query.
    trace = j.trace()
    assert trace.count("NvAPI_GPU_GetFullName") == before + 1, "board name not read once"
    for fn in ("NvAPI_GetDisplayDriverVersion", "NvAPI_GPU_GetGpuCoreCount",
               "NvAPI_GPU_GetPhysicalFrameBufferSize", "NvAPI_GPU_GetAllClockFrequencies"):
        assert fn in trace, f"{fn} missing from the driver trace"
    # White value text lies in the name field.
    _, x, y, _, _ = panel
    name_field = shot.crop((x + 85, y + 48, x + 235, y + 64))
    assert max(min(p) for p in name_field.getdata()) > 200, "no value text in the name field"
    # Its Close button hides it; no timer reads the board again meanwhile.
    time.sleep(2)
    assert j.trace().count("NvAPI_GPU_GetFullName") == before + 1, "fields read on a timer"
    click_in(j, panel, INFO_CLOSE)
    j.wait_gone(panel)
    close_main(j, proc, main)


def wait_for_named(j, name, timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=j.env,
                             capture_output=True, text=True).stdout.split()
        if out:
            time.sleep(0.5)
            return out[0]
        time.sleep(0.25)
    j.screenshot("timeout")
    raise AssertionError(f"no window named {name!r} within {timeout}s")


def with_simulated_tool(j):
    """A prefix with the simulated flashing tool in C:\\Pyrelix\\BIOS, logging its runs, and a
    folder "C:\\roms 100%" for the chosen files."""
    j.make_prefix(with_driver=True)
    bios = j.program_file("BIOS")
    sim_dir = os.path.dirname(os.path.abspath(j.args.sim_dll))
    for tool in ("nvflash32.exe", "nvflash64.exe"):
        shutil.copy(os.path.join(sim_dir, tool), bios)
    j.env["PYRELIX_NVFLASH_LOG"] = windows_path(os.path.join(j.work, "tool.log"))
    folder = os.path.join(j.prefix, "drive_c", "roms 100%")
    os.makedirs(folder)
    return folder


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def open_bios_panel(j):
    j.start_display()
    proc = j.start_program()
    (main,) = j.wait_for(MAIN_SIZE)
    click_in(j, main, BIOS_BUTTON)
    (panel,) = j.wait_for(BIOS_SIZE)
    return proc, main, panel


def type_file_name(j, title, windows_name):
    dialog = wait_for_named(j, title)
    j.screenshot(title.lower() + "-dialog")
    subprocess.run(["xdotool", "windowactivate", "--sync", dialog], env=j.env)
    subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+a"], env=j.env, check=True)
    subprocess.run(["xdotool", "type", "--delay", "30", windows_name], env=j.env, check=True)
    subprocess.run(["xdotool", "key", "Return"], env=j.env, check=True)


def tool_log(j):
    path = os.path.join(j.work, "tool.log")
    return open(path).read() if os.path.exists(path) else ""


def vbios_save(j):
    folder = with_simulated_tool(j)
    target = os.path.join(folder, "my bios.rom")
    proc, main, panel = open_bios_panel(j)
    shot = j.screenshot("bios-panel")
    assert painted_share(shot, panel) > 0.5, "VBIOS panel not painted"

    click_in(j, panel, BIOS_SAVE)
    type_file_name(j, "Save", r"C:\roms 100%\my bios.rom")
    deadline = time.time() + 30
    while time.time() < deadline and not os.path.exists(target):
        time.sleep(0.25)
    j.screenshot("after-save")
    assert os.path.exists(target), f"the save wrote nothing: {os.listdir(folder)}"
    time.sleep(0.5)
    image = open(target, "rb").read()
    assert len(image) == BUILT_IN_IMAGE_SIZE and image[:2] == b"\x55\xaa", "not the card's image"
    assert tool_log(j) == "nvflash.exe --save backup.rom\n", tool_log(j)
    assert not os.path.exists(os.path.join(j.work, "backup.rom")), "work file left behind"

    click_in(j, panel, BIOS_CLOSE)
    j.wait_gone(panel)
    close_main(j, proc, main)


def vbios_flash(j):
    folder = with_simulated_tool(j)
    card = os.path.join(j.work, "card.rom")
    open(card, "wb").write(b"old image")
    j.env["PYRELIX_NVFLASH_CARD"] = windows_path(card)
    open(os.path.join(folder, "new ^bios.rom"), "wb").write(b"\x55\xaanew image")
    proc, main, panel = open_bios_panel(j)

    click_in(j, panel, BIOS_LOAD)
    (box,) = j.wait_for(BOX_SIZE)
    j.screenshot("warning")
    click_in(j, box, BOX_OK)
    j.wait_gone(box)
    type_file_name(j, "Open", r"C:\roms 100%\new ^bios.rom")
    deadline = time.time() + 30
    while time.time() < deadline and not tool_log(j):
        time.sleep(0.25)
    time.sleep(1)
    j.screenshot("after-flash")
    assert tool_log(j) == "nvflash.exe backup.rom -A -6\n", tool_log(j)
    assert open(card, "rb").read() == b"\x55\xaanew image", "the card did not get the chosen file"
    assert not os.path.exists(os.path.join(j.work, "backup.rom")), "work file left behind"
    assert not [w for w in j.windows() if (w[3], w[4]) == BOX_SIZE], "a failure was shown"

    click_in(j, panel, BIOS_CLOSE)
    j.wait_gone(panel)
    close_main(j, proc, main)


JOURNEYS = {"info-panel": info_panel, "vbios-save": vbios_save, "vbios-flash": vbios_flash}
