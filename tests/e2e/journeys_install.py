"""Journey of the installer: a silent install into Program Files, the installed program started
from its Start-menu folder's target on the simulated board, then a silent uninstall that leaves
neither the program's files nor its autostart value behind."""
import glob
import os
import subprocess

from e2e_support import MAIN_SIZE, autorun_value, close_main

INSTALLED = ("Pyrelix.exe", "Uninstall.exe", os.path.join("BIOS", "README.txt"))
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pyrelix"


def installer(j):
    dist_dir = os.path.dirname(os.path.abspath(j.args.dist))
    found = glob.glob(os.path.join(dist_dir, "Pyrelix-*-setup.exe"))
    assert len(found) == 1, f"one installer expected beside {j.args.dist}: {found}"
    return found[0]


def wine_wait(j, args, timeout=120):
    """Runs a Windows program and waits until it and every process it started have ended."""
    subprocess.run(["wine"] + args, env=j.env, check=True, timeout=timeout,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], env=j.env, check=True, timeout=timeout)


def registered(j, key):
    return subprocess.run(["wine", "reg", "query", key], env=j.env, capture_output=True,
                          text=True, errors="replace").returncode == 0


def install_and_uninstall(j):
    j.make_prefix(with_driver=True)
    # Not the copy under C:\Pyrelix that other journeys use: the one the installer puts down.
    drive = os.path.join(j.prefix, "drive_c")
    folder = os.path.join(drive, "Program Files", "Pyrelix")
    menu = os.path.join(drive, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Pyrelix")
    assert not os.path.exists(folder)
    j.start_display()

    setup = installer(j)
    wine_wait(j, [setup, "/S"])
    for name in INSTALLED:
        assert os.path.isfile(os.path.join(folder, name)), f"{name} not installed"
    icons = os.listdir(os.path.join(folder, "Resources"))
    assert len([i for i in icons if i.lower().endswith(".ico")]) >= 10, f"icons: {icons}"
    shipped = open(os.path.join(j.args.dist, "Pyrelix.exe"), "rb").read()
    assert open(os.path.join(folder, "Pyrelix.exe"), "rb").read() == shipped, \
        "the installed program is not the built one"
    assert os.path.isfile(os.path.join(menu, "Pyrelix.lnk")), "no Start-menu shortcut"
    assert os.path.isfile(os.path.join(menu, "Uninstall Pyrelix.lnk")), "no uninstall shortcut"
    shortcut = open(os.path.join(menu, "Pyrelix.lnk"), "rb").read()
    assert "Program Files\\Pyrelix\\Pyrelix.exe".encode("utf-16-le") in shortcut or \
        b"Program Files\\Pyrelix\\Pyrelix.exe" in shortcut, "the shortcut does not name the program"
    assert registered(j, UNINSTALL_KEY), "not in the list of installed programs"

    # The installed program's first start: its window, its file beside it, autostart registered.
    proc = subprocess.Popen(["wine", "C:\\Program Files\\Pyrelix\\Pyrelix.exe"], env=j.env,
                            cwd=j.work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    j.procs.append(proc)
    (main,) = j.wait_for(MAIN_SIZE)
    j.check_shaped(j.screenshot("installed-program"), main, "main window")
    assert "NvAPI_EnumPhysicalGPUs" in j.trace(), "the installed program did not reach the driver"
    assert os.path.isfile(os.path.join(folder, "Pyrelix_DID2684.cfg")), "no configuration file"
    assert autorun_value(j) == "C:\\Program Files\\Pyrelix\\Pyrelix.exe", autorun_value(j)
    close_main(j, proc, main)

    # A flashing tool the user put into BIOS\ is theirs: it stays.
    tool = os.path.join(folder, "BIOS", "nvflash64.exe")
    with open(tool, "wb") as f:
        f.write(b"the user's tool")
    wine_wait(j, ["C:\\Program Files\\Pyrelix\\Uninstall.exe", "/S"])
    assert autorun_value(j) is None, "the autostart value is still registered"
    assert not registered(j, UNINSTALL_KEY), "still in the list of installed programs"
    assert not os.path.exists(menu), "the Start-menu folder is still there"
    left = sorted(os.path.relpath(os.path.join(d, f), folder)
                  for d, _, files in os.walk(folder) for f in files)
    assert left == [os.path.join("BIOS", "nvflash64.exe")], f"left behind: {left}"


JOURNEYS = {"install-and-uninstall": install_and_uninstall}
