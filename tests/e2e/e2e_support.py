"""What every end-to-end journey of the shipped program under Wine is built from.

Each journey gets its own Wine prefix (copied from the booted template), its own virtual screen
with a green root window (so see-through parts of a shaped window show green), and the program
copied to C:\\Pyrelix. Windows are found with xdotool by their size, clicked with xdotool, and
checked on screenshots by pixels.
"""
import os
import shutil
import subprocess
import time

from PIL import Image

GREEN = (0, 255, 0)
MAIN_SIZE = (1200, 482)
BOX_SIZE = (351, 127)


def claim_display(n):
    """True when display :n is free, removing what a server that is gone left behind."""
    lock = f"/tmp/.X{n}-lock"
    if os.path.exists(lock):
        try:
            os.kill(int(open(lock).read().strip()), 0)
            return False
        except (OSError, ValueError):
            pass
        for stale in (lock, f"/tmp/.X11-unix/X{n}"):
            try:
                os.remove(stale)
            except OSError:
                pass
    return True


class Journey:
    def __init__(self, args):
        self.args = args
        self.work = os.path.abspath(args.work)
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        self.prefix = os.path.join(self.work, "prefix")
        self.procs = []
        self.xvfb = None
        self.env = dict(os.environ, WINEARCH="win32", WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", WINEPREFIX=self.prefix)
        self.shots = 0

    # --- set-up -----------------------------------------------------------------------------
    def make_prefix(self, with_driver, scenario=None):
        """A fresh prefix with the program in C:\\Pyrelix and, with a driver, the simulated one
        (on the demo board, or on `scenario`, a file name under sim/scenarios)."""
        script = f'root="{self.args.root}"; source "$root/scripts/wine-env"; make_prefix "{self.prefix}"'
        subprocess.run(["bash", "-c", script], check=True, env=self.env)
        dest = os.path.join(self.prefix, "drive_c", "Pyrelix")
        shutil.copytree(self.args.dist, dest)
        system32 = os.path.join(self.prefix, "drive_c", "windows", "system32", "nvapi.dll")
        if with_driver:
            shutil.copy(self.args.sim_dll, system32)
        elif os.path.exists(system32):
            os.remove(system32)
        # A planted library beside the program must never be loaded.
        with open(os.path.join(dest, "nvapi.dll"), "wb") as planted:
            planted.write(b"not a library")
        if scenario:
            path = os.path.join(self.args.root, "sim", "scenarios", scenario)
            self.env["PYRELIX_SIM_SCENARIO"] = "Z:" + path.replace("/", "\\")
        self.env["PYRELIX_SIM_TRACE"] = "Z:" + os.path.join(self.work, "trace.txt").replace("/", "\\")

    def start_display(self):
        for n in range(91, 190):
            if not claim_display(n):
                continue
            self.xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1600x900x24",
                                          "-nolisten", "tcp", "-noreset"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.env["DISPLAY"] = f":{n}"
            for _ in range(100):
                if subprocess.run(["xsetroot", "-solid", "#00ff00"], env=self.env,
                                  stderr=subprocess.DEVNULL).returncode == 0:
                    return
                time.sleep(0.1)
        raise RuntimeError("no virtual display")

    def start_program(self):
        proc = subprocess.Popen(["wine", "C:\\Pyrelix\\Pyrelix.exe"], env=self.env,
                                cwd=self.work, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        return proc

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        for proc in self.procs:
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait()

    # --- looking and clicking ---------------------------------------------------------------
    def windows(self):
        """Visible top-level windows as (id, x, y, width, height)."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ""],
                             env=self.env, capture_output=True, text=True).stdout.split()
        found = []
        for wid in out:
            geo = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], env=self.env,
                                 capture_output=True, text=True).stdout
            values = dict(line.split("=", 1) for line in geo.split() if "=" in line)
            try:
                found.append((wid, int(values["X"]), int(values["Y"]),
                              int(values["WIDTH"]), int(values["HEIGHT"])))
            except KeyError:
                pass
        return found

    def wait_for(self, size, count=1, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline:
            matching = [w for w in self.windows() if (w[3], w[4]) == size]
            if len(matching) >= count:
                time.sleep(0.5)  # let it paint
                return matching
            time.sleep(0.25)
        self.screenshot("timeout")
        raise AssertionError(f"no {count} window(s) of {size} within {timeout}s: {self.windows()}")

    def wait_gone(self, window, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if window[0] not in [w[0] for w in self.windows()]:
                return
            time.sleep(0.2)
        raise AssertionError(f"window {window} still open")

    def click(self, x, y):
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"],
                       env=self.env, check=True)

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.work, f"{self.shots:02d}-{name}.png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)
        return Image.open(path).convert("RGB")

    def trace(self):
        """The simulated driver's trace so far."""
        path = os.path.join(self.work, "trace.txt")
        if not os.path.exists(path):
            return ""
        return open(path, encoding="ascii", errors="replace").read()

    def program_file(self, name):
        """Path of a file in the program's folder C:\\Pyrelix."""
        return os.path.join(self.prefix, "drive_c", "Pyrelix", name)

    # --- checks -----------------------------------------------------------------------------
    def check_shaped(self, shot, window, what):
        _, x, y, w, h = window
        corners = [(x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)]
        for cx, cy in corners:
            assert shot.getpixel((cx, cy)) == GREEN, f"{what}: corner {cx},{cy} not see-through"
        inside = [(x + w // 2, y + 20), (x + 30, y + h // 2), (x + w - 30, y + h // 2)]
        for px, py in inside:
            assert shot.getpixel((px, py)) != GREEN, f"{what}: {px},{py} should be painted"


RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
AUTORUN_VALUE = "OmbrixStartUpAutoRun"
PROFILE_KEYS = ("CoreOffset", "MemOffset", "TempTarget", "DisplayClock", "OverVolt", "Power",
                "FanSpeed", "FanMode", "Frame")


def first_run_file(device_id, auto_run):
    """The default configuration file of a first start, as the profile functions leave it."""
    text = (f"[Pyrelix]\r\nGPUDID={device_id}\r\nInitialized=1\r\nSynchronize=1\r\n"
            "AutoOverClock=0\r\nStartupMinimize=0\r\nTransparence=0\r\nTransPercent=0\r\n"
            f"FanAdvanced=0\r\n[Windows Startup]\r\nAutoRun={auto_run}\r\n")
    for section in ("Default", "Start_OC", "Profile1", "Profile2", "Profile3"):
        text += f"[{section}]\r\n" + "".join(f"{key}=0\r\n" for key in PROFILE_KEYS)
    return text.encode("ascii")


def autorun_value(j):
    """The autostart value's data in the prefix's registry, or None."""
    out = subprocess.run(["wine", "reg", "query", RUN_KEY, "/v", AUTORUN_VALUE], env=j.env,
                         capture_output=True, text=True, errors="replace")
    for line in out.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) == 3 and parts[0] == AUTORUN_VALUE:
            assert parts[1] == "REG_SZ", f"autostart value of type {parts[1]}"
            return parts[2].strip()
    return None


def close_main(j, proc, main):
    _, x, y, _, _ = main
    j.click(x + 1135 + 9, y + 90 + 8)
    assert proc.wait(timeout=30) == 0
