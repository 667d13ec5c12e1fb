#!/usr/bin/env python3
"""The playground as a parent sees it, measured from outside the process.

Starts the built executable (and, beside it, a bare Qt Quick window of the same size
with a Chinese text, an emoji, an icon and a once-a-second chip) on a private Xvfb
screen of 1366x1024, with a fresh home for every start, in the OpenGL renderer (Mesa's
llvmpipe) and in Qt Quick's software renderer, and clicks its way through the
playground with xdotool as a child would. It measures:

  first     launch to the first frame on the screen, playground and bare window in turn,
            and the interface thread's processor time by then;
  screens   resident memory, idle CPU (share of one core) and frames a second on each
            waiting screen: cover, time-limit setup, playground, the setup opened from
            the time chip, every shelf, a finished character match, a game of every
            family waiting for an answer;
  games     each of the 14 language and mathematics games (every game but the video room
            for --games all) played by taps for a while, on their own controls where
            the answer area does not play them
            (software renderer unless --renderers says otherwise): frame-time
            percentiles, the frames over 8 ms and the longest busy stretch of the interface
            thread (--over MS lists each frame over MS ms and when the longest stretch
            ended, each after its last tap); --random-taps SECONDS taps random points
            over each game's whole area instead, as a child does (--seed N), and
            --games may name the video room (space-trip);
  plays     resident memory after every play of N (the 14 games in turn, or those of
            --games, every game but the video room for --games all; every other play
            finished by answering, the others left by the back button), and its growth a
            play from play 15 on (a least-squares line through the readings).
  video     the video room opened twice: resident memory of the program and its web
            engine helpers on the playground, on the shelf before the card's tap, in the
            room, back on the shelf after leaving it and back on the playground, the
            helpers left, and the time from the card's tap until the window is still and
            the longest busy stretch of the interface thread by then.

Frame times come from Qt's own render-loop log (qt.scenegraph.time.renderloop), CPU
and memory from /proc, stalls from the interface thread's scheduler run time sampled
every 2 ms. Needs Xvfb and xdotool (Debian: xvfb, xdotool).

  tools/bench/playground_bench.py [--build build] [--runs 5] [--only first,screens,games,plays]
                                  [--renderers gl,software] [--plays 50] [--games id,id]
                                  [--only games --random-taps 8 --seed 1 --over 8]
                                  [--only video] [--only prompts --prompt-games id,id]
"""

import argparse
import os
import random
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

SCREEN = (1366, 1024)
EXECUTABLE = None
RUNNING = []  # every program started and not yet closed
FRAME = re.compile(r"rendered (?:with '\w+' renderloop )?in (\d+)ms")

# Where things are in the 1180x820 window (points from its top-left corner), as the
# screens are drawn at that size.
OPEN_BOOK = (590, 640)
SETUP_MINUTES = (666, 231)  # 60 minutes: the chip counts down every second
SETUP_PIN = (590, 414)
SETUP_CONFIRM = (590, 486)
TIME_CHIP = (1105, 78)
SETUP_CLOSE = (868, 157)
GAME_BACK = (95, 40)
SHELF_BACK = (85, 88)
NEXT_LEVEL = (590, 540)
DRAG_LOSS = 53       # a drag moves a rail this much less than the pointer
RAIL_Y = 450          # the middle of the portal and card rails
PORTAL_PITCH = 290    # from one portal to the next
CARD_PITCH = 297      # from one shelf card to the next
SHELVES = ["英文", "中文", "数学", "装扮", "逻辑", "协调", "科学"]  # in the playground's order
# The 14 language and mathematics games: (identifier, shelf index, card index).
GAMES = [("english-listen", 0, 0), ("word-shooter", 0, 1), ("phonics-train", 0, 2),
         ("chinese-match", 1, 0), ("idiom-pictures", 1, 1), ("radical-builder", 1, 3),
         ("sentence-maker", 1, 4), ("math-battle", 2, 0), ("make-ten", 2, 1),
         ("supermarket", 2, 2), ("clock-master", 2, 3), ("little-lab", 2, 4),
         ("number-slider", 2, 5), ("pattern", 4, 2)]
# Where a child taps while playing: the answer area of the games, taken in turn.
PLAY_TAPS = [(x, y) for y in (440, 570, 380, 500, 640) for x in (325, 855, 590, 200, 980)]
CHARACTER_TILES = [(325, 440), (855, 440), (325, 570), (855, 570)]
# The game's area below the top bar (left, top, right, bottom), where --random-taps lands:
# the back button and the time chip stand in the bar, above it.
GAME_AREA = (42, 80, 1138, 796)
# A child's pace between random taps, in seconds (from one tap's release to the next tap).
RANDOM_PAUSE = (0.15, 0.5)
# The games that the answer area does not play, tapped on their own controls in turn (where
# bench_play finds them by name): a book's page buttons, the fruit catcher's start and
# lanes, the shop's flavours and toppings, the word builder's tiles, the pet's four task
# cards and its finish.
CONTROL_TAPS = {"picture-book": [(901, 755), (901, 755), (280, 755)],
                "story-chain": [(901, 755), (901, 755), (280, 755)],
                "fruit-catcher": [(590, 535), (518, 545), (662, 545), (662, 545), (518, 545)],
                "magic-bakery": [(961, 233), (887, 424), (961, 282), (1035, 490), (961, 331), (1035, 424)],
                "word-builder": [(342, 464), (404, 464), (466, 464), (452, 530)],
                "pet-care": [(636, 258), (863, 258), (636, 383), (863, 383), (591, 526)]}
# A game of every family waiting for its first answer: (identifier, shelf index, card index).
WAITING_GAMES = [("math-battle", 2, 0), ("chinese-match", 1, 0), ("story-chain", 1, 2), ("tangram", 4, 7),
                 ("memory-match", 5, 6), ("magic-closet", 3, 0)]
# Memory is read this long after a screen has gone, as it stands once what the screen
# held has been let go (the program does that a moment after).
SETTLE = 2.0


def slope(xs, ys):
    """The slope of the least-squares line through the points (0 for fewer than two)."""
    if len(xs) < 2:
        return 0.0
    mx, my = statistics.fmean(xs), statistics.fmean(ys)
    return sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sum((x - mx) ** 2 for x in xs)


def median_range(values, fmt="{:.2f}"):
    if not values:
        return "n/a"
    return (fmt + " (" + fmt + " to " + fmt + ", {} runs)").format(
        statistics.median(values), min(values), max(values), len(values))


def percentile(values, p):
    if not values:
        return 0.0
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * p))]


class Xvfb:
    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp",
             "+extension", "GLX"], pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            self.display = ":" + f.readline().strip()

    def close(self):
        self.process.terminate()
        self.process.wait()


class App:
    """One run of a program on the screen, with a fresh home."""

    def __init__(self, command, display, software, skipped_frames=False, extra_env=None):
        self.home = tempfile.mkdtemp(prefix="pw-bench-home-")
        env = dict(os.environ)
        for key in ("QT_QPA_PLATFORM", "QT_QUICK_BACKEND", "QSG_RHI_BACKEND"):
            env.pop(key, None)
        env.update({
            "DISPLAY": display, "HOME": self.home, "XDG_CONFIG_HOME": self.home + "/config",
            "XDG_DATA_HOME": self.home + "/data", "XDG_CACHE_HOME": self.home + "/cache",
            "XDG_RUNTIME_DIR": self.home, "PULSE_SERVER": "unix:/nonexistent",
            "QT_QPA_PLATFORM": "xcb", "LIBGL_ALWAYS_SOFTWARE": "1",
            "QT_LOGGING_RULES": "qt.scenegraph.time.renderloop.debug=true",
            "QT_MESSAGE_PATTERN": "%{message}",
        })
        if software:
            env["QT_QUICK_BACKEND"] = "software"
        env.update(extra_env or {})
        if skipped_frames:
            # The threaded loop's first pass often finds the window not ready and draws
            # nothing, yet reports a frame; under load it takes a few milliseconds.
            env["QT_LOGGING_RULES"] += ";qt.scenegraph.renderloop.debug=true"
        self.frames = []  # (seconds since process start, frame ms, something was drawn)
        # Processor time (ms) of the interface thread and of the whole process when the
        # first frame with content was reported: less swayed by a busy machine than the
        # wall clock.
        self.first_cpu = None
        self.lock = threading.Lock()
        self.started = time.monotonic()
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        text=True, errors="replace")
        RUNNING.append(self)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        self._display = display
        self.origin = (0, 0)
        self.pointer = None  # where the pointer was last moved to, on the screen

    def _read(self):
        skipped = False
        for line in self.process.stderr:
            if "skipping render" in line:
                skipped = True
            match = FRAME.search(line)
            if match:
                # When the frame's line came, from launch: Qt's own time stamps count
                # from its first message, not from the start of the process.
                stamp = time.monotonic() - self.started
                # The software loop reports only frames it drew, however quick; the
                # threaded loop's first frame is empty (0 ms, or said to be skipped).
                drawn = "'software' renderloop" in line or (int(match.group(1)) >= 1 and not skipped)
                skipped = False
                if drawn and self.first_cpu is None:
                    try:
                        self.first_cpu = (self.main_thread_ns() / 1e6, self.cpu_seconds() * 1000)
                    except OSError:
                        pass
                with self.lock:
                    self.frames.append((stamp, int(match.group(1)), drawn))

    def first_frame_ms(self, timeout=20):
        """When the first frame with content was on the screen (ms since launch): start
        the program with skipped_frames, so that the threaded render loop's first
        frame, which draws nothing, is not taken for it."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with self.lock:
                drawn = [stamp for stamp, _, content in self.frames if content]
                if drawn:
                    return drawn[0] * 1000
            time.sleep(0.005)
        return None

    def frame_count(self):
        with self.lock:
            return len(self.frames)

    def frames_since(self, index):
        return [ms for _, ms in self.stamped_frames_since(index)]

    def stamped_frames_since(self, index):
        """(seconds since launch when the frame was reported, frame ms) from frame `index` on."""
        with self.lock:
            return [(stamp, ms) for stamp, ms, _ in self.frames[index:]]

    def now(self):
        """Seconds since launch, as the frames are stamped."""
        return time.monotonic() - self.started

    def cpu_seconds(self):
        """Processor time of the process's threads so far, from their run times in
        nanoseconds (the process's tick count moves in hundredths of a second, too
        coarse for an idle window). Threads that have ended are left out: compare two
        readings over a stretch in which no thread ends, as an idle screen is."""
        running = 0
        for task in os.listdir("/proc/%d/task" % self.process.pid):
            try:
                with open("/proc/%d/task/%s/schedstat" % (self.process.pid, task)) as f:
                    running += int(f.read().split()[0])
            except OSError:
                pass  # the thread ended meanwhile
        return running / 1e9

    def rss_mib(self):
        for line in open("/proc/%d/status" % self.process.pid):
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
        return 0.0

    def rss_parts(self):
        """Resident MiB by kind: the allocator's heap and anonymous maps (decoded pictures,
        textures of the software OpenGL driver, glyph caches, objects), the OpenGL
        driver's libraries, other libraries, fonts, and everything else."""
        parts, kind = dict.fromkeys(("heap", "gl libs", "libs", "fonts", "other"), 0.0), "other"
        for line in open("/proc/%d/smaps" % self.process.pid):
            fields = line.split()
            if re.match(r"[0-9a-f]+-[0-9a-f]+$", fields[0]):
                name = " ".join(fields[5:])
                kind = ("heap" if name in ("", "[heap]") else
                        "gl libs" if re.search(r"dri|gallium|LLVM|libGL|libEGL|libglapi", name) else
                        "fonts" if re.search(r"\.(ttf|otf|ttc)$", name) else
                        "libs" if ".so" in name else "other")
            elif fields[0] == "Rss:":
                parts[kind] += int(fields[1]) / 1024
        return parts

    def helpers(self):
        """The web engine's helper processes below the program: (count, resident MiB)."""
        parents, rss, commands = {}, {}, {}
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/stat" % entry) as f:
                    fields = f.read().rsplit(")", 1)[1].split()
                parents[int(entry)] = int(fields[1])
                rss[int(entry)] = int(fields[21]) * os.sysconf("SC_PAGE_SIZE") / 2 ** 20
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    commands[int(entry)] = f.read()
            except (OSError, IndexError):
                pass
        found = []
        for pid, parent in parents.items():
            while parent > 1 and parent != self.process.pid:
                parent = parents.get(parent, 0)
            if parent == self.process.pid and b"QtWebEngineProcess" in commands.get(pid, b""):
                found.append(pid)
        return len(found), sum(rss[pid] for pid in found)

    def still_after(self, since, quiet=0.6, timeout=30):
        """Seconds from `since` (monotonic) to the last frame before `quiet` seconds
        without one (the time chip draws once a second)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with self.lock:
                last = self.frames[-1][0] + self.started if self.frames else since
            if time.monotonic() - max(last, since) >= quiet:
                return max(last, since) - since
            time.sleep(0.05)
        return None

    def main_thread_ns(self):
        return int(open("/proc/%d/task/%d/schedstat" % (self.process.pid, self.process.pid)).read().split()[0])

    def find_window(self, timeout=30):
        """Waits for the window and takes where it lies on the screen."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                                   env={**os.environ, "DISPLAY": self._display}, capture_output=True,
                                   text=True).stdout.split()
            if found:
                geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[-1]],
                                          env={**os.environ, "DISPLAY": self._display}, capture_output=True,
                                          text=True).stdout
                values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
                self.origin = (int(values["X"]), int(values["Y"]))
                return
            if self.process.poll() is not None:
                raise RuntimeError("%s ended with %s" % (self.process.args[0], self.process.returncode))
            time.sleep(0.05)
        raise RuntimeError("no window of " + self.process.args[0])

    def xdo(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env={**os.environ, "DISPLAY": self._display},
                       check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def move(self, x, y, *then):
        """Moves the pointer to (x, y) on the screen and waits until it is there, then runs
        the xdotool commands `then`. xdotool's --sync waits for the pointer to move, and a
        drag that started where the last one ended waited minutes for it: a move to the
        spot the pointer already stands on leaves it out."""
        sync = ["--sync"] if self.pointer != (x, y) else []
        self.pointer = (x, y)
        self.xdo("mousemove", *sync, x, y, *then)

    def click(self, point, settle=0.25):
        """Taps `point` in the window; returns when the tap went out (seconds since launch:
        once xdotool is done, the press and release are with the X server)."""
        self.move(self.origin[0] + point[0], self.origin[1] + point[1], "click", 1)
        tapped = self.now()
        time.sleep(settle)
        return tapped

    def drag(self, start, dx, settle=0.5):
        """A slow drag (no flick): the rail moves by about dx."""
        x, y = self.origin[0] + start[0], self.origin[1] + start[1]
        self.move(x, y, "mousedown", 1)
        steps = max(4, abs(dx) // 25)
        for i in range(1, steps + 1):
            self.move(int(x + dx * i / steps), y)
            time.sleep(0.01)
        time.sleep(0.15)  # standing still: the release starts no flick
        self.xdo("mouseup", 1)
        time.sleep(settle)

    def rail_to(self, index, pitch):
        """Brings the rail's card `index` to the middle of the window: back to the start,
        then left two cards at a time (the pointer stays inside the window; a drag
        moves the rail by about DRAG_LOSS points less than the pointer)."""
        for _ in range(2):
            self.drag((150, RAIL_Y), 900, settle=0.2)
        while index > 0:
            step = min(2, index)
            self.drag((1050, RAIL_Y), -(pitch * step + DRAG_LOSS), settle=0.3)
            index -= step
        time.sleep(0.4)

    def type(self, text):
        self.xdo("type", "--delay", 60, text)

    def idle(self, seconds=5.0, settle=2.0):
        """CPU share of one core and frames a second while nothing is touched."""
        time.sleep(settle)
        frames = self.frame_count()
        cpu, wall = self.cpu_seconds(), time.monotonic()
        time.sleep(seconds)
        cpu, wall = self.cpu_seconds() - cpu, time.monotonic() - wall
        return 100 * cpu / wall, (self.frame_count() - frames) / wall, self.rss_mib()

    def close(self):
        if self in RUNNING:
            RUNNING.remove(self)
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


class StallWatch:
    """The longest stretch in which the interface thread never waited for an event (ms):
    its scheduler state, sampled every millisecond, stayed running or ready to run. On a
    busy machine that includes waiting for a processor, as the child's finger does."""

    def __init__(self, app):
        self.app, self.longest, self.running = app, 0.0, True
        self.longest_end = None  # when the longest stretch ended, in seconds since launch
        self.path = "/proc/%d/task/%d/stat" % (app.process.pid, app.process.pid)
        self.thread = threading.Thread(target=self._watch, daemon=True)
        self.thread.start()

    def _state(self):
        with open(self.path) as f:
            return f.read().rsplit(")", 1)[1].split()[0]

    def _watch(self):
        busy_since = None
        while self.running:
            try:
                state = self._state()
            except OSError:
                return
            now = time.monotonic()
            if state == "R":
                if busy_since is None:
                    busy_since = now
            elif busy_since is not None:
                if (now - busy_since) * 1000 > self.longest:
                    self.longest = (now - busy_since) * 1000
                    self.longest_end = now - self.app.started
                busy_since = None
            time.sleep(0.001)

    def stop(self):
        self.running = False
        self.thread.join()
        return self.longest


# The walks through the playground.

def open_playground(app):
    time.sleep(1.0)
    app.click(OPEN_BOOK, 1.0)
    app.click(SETUP_MINUTES)
    app.click(SETUP_PIN)
    app.type("1234")
    time.sleep(0.3)
    app.click(SETUP_CONFIRM, 1.2)


def open_shelf(app, shelf):
    app.rail_to(shelf, PORTAL_PITCH)
    app.click((590, RAIL_Y), 1.2)


def open_game(app, shelf, card):
    open_shelf(app, shelf)
    app.rail_to(card, CARD_PITCH)
    app.click((590, RAIL_Y + 50), 1.5)


def leave_game(app):
    app.click(GAME_BACK, 0.8)
    app.click(SHELF_BACK, 0.8)


def play(app, taps, points, pause=0.3):
    """Taps the points in turn; returns each tap's (seconds since launch, point)."""
    tapped = []
    for i in range(taps):
        point = points[i % len(points)]
        tapped.append((app.click(point, pause), point))
    return tapped


def play_randomly(app, seconds, rng):
    """Taps points drawn uniformly over the game's area, at a child's pace, for `seconds`;
    returns each tap's (seconds since launch, point)."""
    tapped, end = [], time.monotonic() + seconds
    while time.monotonic() < end:
        point = (rng.randint(GAME_AREA[0], GAME_AREA[2]), rng.randint(GAME_AREA[1], GAME_AREA[3]))
        tapped.append((app.click(point, rng.uniform(*RANDOM_PAUSE)), point))
    return tapped


def after_tap(stamp, tapped):
    """'N ms after tap i (x, y)': the last tap before `stamp` (seconds since launch)."""
    before = [(i, at, point) for i, (at, point) in enumerate(tapped) if at <= stamp]
    if not before:
        return "before the first tap"
    i, at, point = before[-1]
    return "%.0f ms after tap %d %s" % ((stamp - at) * 1000, i, point)


def start(kind, build, display, software, tries=3):
    """Starts the playground or the bare window; a start that dies before its window
    shows (a busy machine's X connection, say) is tried again."""
    command = [EXECUTABLE or os.path.join(build, "src/app/pipwhistle")] if kind == "playground" else \
        [os.path.join(build, "tools/bench/bench_bare_window")]
    for attempt in range(tries):
        app = App(command, display, software)
        try:
            app.find_window()
            return app
        except RuntimeError as error:
            app.close()
            if attempt == tries - 1:
                raise
            print("note: %s; started again" % error, file=sys.stderr)


def renderer_name(software):
    return "software" if software else "gl"


# The phases.

def phase_first(args, display, software):
    figures = {"playground": [], "bare": [], "ratio": []}
    cpu = {"playground": [], "bare": [], "ratio": []}
    for _ in range(args.runs):
        pair, cpu_pair = {}, {}
        for kind in ("playground", "bare"):
            app = App([EXECUTABLE or os.path.join(args.build, "src/app/pipwhistle")] if kind == "playground"
                      else [os.path.join(args.build, "tools/bench/bench_bare_window")], display, software,
                      skipped_frames=True)
            pair[kind] = app.first_frame_ms()
            cpu_pair[kind] = app.first_cpu
            time.sleep(0.5)
            app.close()
        if pair["playground"] and pair["bare"]:
            figures["playground"].append(pair["playground"])
            figures["bare"].append(pair["bare"])
            figures["ratio"].append(pair["playground"] / pair["bare"])
        if cpu_pair["playground"] and cpu_pair["bare"]:
            cpu["playground"].append(cpu_pair["playground"][0])
            cpu["bare"].append(cpu_pair["bare"][0])
            cpu["ratio"].append(cpu_pair["playground"][0] / cpu_pair["bare"][0])
    r = renderer_name(software)
    print("first frame %-8s playground ms  %s" % (r, median_range(figures["playground"], "{:.0f}")))
    print("first frame %-8s bare window ms %s" % (r, median_range(figures["bare"], "{:.0f}")))
    print("first frame %-8s ratio          %s" % (r, median_range(figures["ratio"])))
    print("first frame %-8s interface thread processor ms: playground %s  bare window %s  ratio %s" % (
        r, median_range(cpu["playground"], "{:.0f}"), median_range(cpu["bare"], "{:.0f}"), median_range(cpu["ratio"])))


def phase_screens(args, display, software):
    rows = {}

    def note(name, figures):
        rows.setdefault(name, []).append(figures)

    for _ in range(args.runs):
        if os.path.exists(os.path.join(args.build, "tools/bench/bench_bare_window")):
            bare = start("bare", args.build, display, software)
            note("bare window", bare.idle())
            bare.close()

        app = start("playground", args.build, display, software)
        note("cover", app.idle())
        app.click(OPEN_BOOK, 1.0)
        app.click(SETUP_PIN)  # the field has the focus: its cursor is showing
        note("time-limit setup", app.idle())
        app.click(SETUP_MINUTES)
        app.type("1234")
        app.click(SETUP_CONFIRM, 1.2)
        note("playground", app.idle())
        app.click(TIME_CHIP, 0.8)  # the setup over the playground, the chip ticking beneath
        note("setup from the chip", app.idle())
        app.click(SETUP_CLOSE, 0.8)
        for index, shelf in enumerate(SHELVES):
            open_shelf(app, index)
            note("shelf " + shelf, app.idle(seconds=3))
            app.click(SHELF_BACK, 0.8)
        open_game(app, 1, 0)
        note("character match playing", app.idle(seconds=3))
        play(app, 48, CHARACTER_TILES)
        note("character match finished", app.idle())
        app.click(NEXT_LEVEL, 0.5)
        leave_game(app)
        for game, shelf, card in WAITING_GAMES:
            open_game(app, shelf, card)
            note(game + " waiting", app.idle(seconds=3))
            leave_game(app)
        app.close()
    r = renderer_name(software)
    for name, values in rows.items():
        print("idle %-8s %-26s cpu %%  %s   fps %s   rss MiB %s" % (
            r, name, median_range([v[0] for v in values]), median_range([v[1] for v in values], "{:.1f}"),
            median_range([v[2] for v in values], "{:.0f}")))


def phase_games(args, display, software):
    rows = {}
    for run in range(args.runs):
        app = start("playground", args.build, display, software)
        open_playground(app)
        for game, shelf, card in played_games(args):
            open_game(app, shelf, card)
            first = app.frame_count()
            load = os.getloadavg()[0]
            watch = StallWatch(app)
            if args.random_taps:
                # The same points for a game in every run of one seed, whatever the list.
                rng = random.Random("%d %s %d" % (args.seed, game, run))
                tapped = play_randomly(app, args.random_taps, rng)
            else:
                tapped = play(app, args.taps, CONTROL_TAPS.get(game, PLAY_TAPS))
            stall = watch.stop()
            frames = app.frames_since(first)
            if args.over is not None:
                print("play %s: longest stall %.0f ms, %s; %d taps, load %.1f" % (
                    game, stall, "%s (ended at %.3f s on the monotonic clock)" % (
                        after_tap(watch.longest_end, tapped), app.started + watch.longest_end)
                    if watch.longest_end else "none", len(tapped), load))
                for stamp, ms in app.stamped_frames_since(first):
                    if ms > args.over:
                        print("    frame %3d ms, %s (reported at %.3f s on the monotonic clock)" % (
                            ms, after_tap(stamp, tapped), app.started + stamp))
            rows.setdefault(game, []).append((percentile(frames, 0.5), percentile(frames, 0.95),
                                              percentile(frames, 0.99), max(frames or [0]), stall, len(frames),
                                              sum(1 for ms in frames if ms > 8)))
            app.click(NEXT_LEVEL, 0.5)
            leave_game(app)
        app.close()
    r = renderer_name(software)
    for game, values in rows.items():
        print("play %-8s %-16s frame ms p50 %s  p95 %s  p99 %s  max %s  longest stall ms %s  frames %s  over 8 ms %s" % (
            r, game, *(median_range([v[i] for v in values], "{:.0f}") for i in range(7))))
    print("play %-8s load average %.1f" % (r, os.getloadavg()[0]))


# Every game but the video room, in the shelves' order: (identifier, shelf index, card index).
ALL_GAMES = [(game, shelf, card) for shelf, games in enumerate((
    ("english-listen", "word-shooter", "phonics-train", "simon-directions", "picture-book", "word-builder"),
    ("chinese-match", "idiom-pictures", "story-chain", "radical-builder", "sentence-maker"),
    ("math-battle", "make-ten", "supermarket", "clock-master", "little-lab", "number-slider"),
    ("magic-closet", "pet-care", "magic-builder", "magic-bakery"),
    ("silly-scene", "hidden-objects", "pattern", "spot-difference", "jigsaw", "little-detective", "color-trap",
     "tangram", "kid-sudoku", "rotating-blocks", "one-line", "maze"),
    ("draw-guess", "free-canvas", "reaction", "fruit-catcher", "red-light", "rhythm-tap", "memory-match",
     "whats-missing", "tracking-balls", "sequence-memory", "route-memory", "schulte-grid"))) for card, game in enumerate(games)]
ALL_GAMES += [("animal-sounds", 6, 1), ("instrument-ears", 6, 2)]
# The video room, played only when named (its web view shows its offline frame here).
VIDEO_ROOM = ("space-trip", 6, 0)


def played_games(args):
    """The games the plays and the games phase go through in turn: the 14 by default, every
    game but the video room for --games all, or those named."""
    if not args.games:
        return GAMES
    if args.games == "all":
        return ALL_GAMES
    named = args.games.split(",")
    known = ALL_GAMES + [VIDEO_ROOM]
    unknown = set(named) - {game for game, _, _ in known}
    if unknown:
        sys.exit("no such game: " + ", ".join(sorted(unknown)))
    return [next(g for g in known if g[0] == game) for game in named]


def phase_plays(args, display, software):
    series, parts = [], []
    games = played_games(args)
    load = [os.getloadavg()[0]]
    for _ in range(args.runs):
        app = start("playground", args.build, display, software)
        open_playground(app)
        time.sleep(SETTLE)
        rss = [app.rss_mib()]
        parts.append(app.rss_parts())
        for n in range(args.plays):
            game, shelf, card = games[n % len(games)]
            open_game(app, shelf, card)
            if n % 2 == 0 and game == "chinese-match":
                play(app, 48, CHARACTER_TILES)
            else:
                play(app, args.taps if n % 2 == 0 else 4, PLAY_TAPS)
            app.click(NEXT_LEVEL, 0.5)
            leave_game(app)
            time.sleep(SETTLE)
            rss.append(app.rss_mib())
            if n + 1 == args.plays:
                parts.append(app.rss_parts())
        app.close()
        series.append(rss)
        load.append(os.getloadavg()[0])
    r = renderer_name(software)
    base = [s[0] for s in series]
    print("plays %-8s rss MiB on the playground     %s" % (r, median_range(base, "{:.0f}")))
    print("plays %-8s games played in turn          %d" % (r, len(games)))
    for n in sorted({1, len(games), 2 * len(games), args.plays} & set(range(1, args.plays + 1))):
        print("plays %-8s rss MiB after %3d plays       %s" % (r, n, median_range([s[n] for s in series], "{:.0f}")))
    peaks = [max(s) for s in series]
    print("plays %-8s rss MiB peak                  %s" % (r, median_range(peaks, "{:.0f}")))
    # The trend through every reading from play 15 on (a least-squares line), not the
    # difference of two readings, each of which moves by a few MiB with the allocator.
    start_at = min(15, args.plays)
    growth = [slope(list(range(start_at, args.plays + 1)), s[start_at:]) for s in series]
    print("plays %-8s rss MiB a play after play %d  %s" % (r, start_at, median_range(growth)))
    print("plays %-8s last / playground             %s" % (r, median_range([s[-1] / s[0] for s in series])))
    for when, rows in (("on the playground", parts[0::2]), ("after the last play", parts[1::2])):
        print("plays %-8s rss MiB %-20s %s" % (r, when, "  ".join(
            "%s %s" % (kind, median_range([row[kind] for row in rows], "{:.0f}").split(" (")[0]) for kind in rows[0])))
    print("plays %-8s rss MiB after every play      %s" % (r, " ".join("%.0f" % v for v in series[0])))
    print("plays %-8s load average                  %s" % (r, " ".join("%.1f" % v for v in load)))


def phase_video(args, display, software):
    """The video room (last shelf, first card) opened and left twice."""
    rows = {}

    def note(name, value):
        rows.setdefault(name, []).append(value)

    for _ in range(args.runs):
        app = start("playground", args.build, display, software)
        open_playground(app)
        time.sleep(SETTLE)
        count, helpers = app.helpers()
        note("rss MiB on the playground (main + helpers)", app.rss_mib() + helpers)
        for visit in ("first", "second"):
            open_shelf(app, 6)
            app.rail_to(0, CARD_PITCH)
            time.sleep(SETTLE)
            count, helpers = app.helpers()
            note("rss MiB on the shelf, before the tap, %s visit" % visit, app.rss_mib() + helpers)
            watch = StallWatch(app)
            tapped = time.monotonic()
            app.click((590, RAIL_Y + 50), 0)
            note("s from the tap to a still room, %s visit" % visit, app.still_after(tapped))
            note("longest stall ms until then, %s visit" % visit, watch.stop())
            time.sleep(4)
            count, helpers = app.helpers()
            note("rss MiB in the room, %s visit" % visit, app.rss_mib() + helpers)
            note("helpers in the room, %s visit" % visit, count)
            note("helper rss MiB in the room, %s visit" % visit, helpers)
            left = time.monotonic()
            app.click(GAME_BACK, 0)
            while app.helpers()[0] and time.monotonic() - left < 10:
                time.sleep(0.1)
            note("s from leaving until no helper is left, %s visit" % visit, time.monotonic() - left)
            time.sleep(max(0.0, left + 4.0 - time.monotonic()))
            count, helpers = app.helpers()
            note("rss MiB on the shelf 4 s after leaving, %s visit" % visit, app.rss_mib() + helpers)
            app.click(SHELF_BACK, 0.8)
            time.sleep(SETTLE)
            count, helpers = app.helpers()
            note("rss MiB after leaving, %s visit (main + helpers)" % visit, app.rss_mib() + helpers)
            note("helpers after leaving, %s visit" % visit, count)
        app.close()
    r = renderer_name(software)
    for name, values in rows.items():
        print("video %-8s %-52s %s" % (r, name, median_range([v for v in values if v is not None])))
    print("video %-8s load average                                          %.1f" % (r, os.getloadavg()[0]))

class SoundServer:
    """A PulseAudio server of the benchmark's own, with one null sink, on a private runtime
    folder (as the sound tests start theirs), and its monitor recorded with parec.

    The recording is read as it comes, in small pieces (parec asked for 10 ms of latency),
    and every read is stamped with the monotonic clock. A read at time t that brings the
    recording to n samples says that sample n was played at t - n / rate at the latest; the
    earliest such origin over all reads is the closest to the truth (a read that waited for
    the processor only gives a later one), so a sample's time on the monotonic clock is
    origin + index / rate, and what parec holds back in its buffers does not make a sample
    look later than it was played. The null sink keeps the system's clock, so the two
    clocks do not drift apart over a run. A null sink's monitor sees a sample as the sink
    mixes it: a sound card would add its own latency on top."""

    RATE = 16000
    SINK = "pw_bench_sink"

    def __init__(self, lifetime=3600):
        self.dir = tempfile.mkdtemp(prefix="pw-bench-pulse-")
        self.socket = os.path.join(self.dir, "pulse", "native")
        env = {**os.environ, "XDG_RUNTIME_DIR": self.dir, "HOME": self.dir, "PULSE_CLIENTCONFIG": "/dev/null"}
        # Under timeout: nothing outlives a benchmark that was killed.
        self.server = subprocess.Popen(
            ["timeout", "-s", "KILL", str(lifetime), "pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no",
             "--exit-idle-time=-1", "--disable-shm=yes", "--log-target=stderr",
             "--load=module-native-protocol-unix auth-anonymous=1",
             "--load=module-null-sink sink_name=%s rate=44100 channels=2" % self.SINK,
             "--load=module-always-sink"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while not os.path.exists(self.socket):
            if time.monotonic() > deadline or self.server.poll() is not None:
                self.close()
                raise RuntimeError("pulseaudio did not come up")
            time.sleep(0.02)
        self.recorder = subprocess.Popen(
            ["timeout", "-s", "KILL", str(lifetime), "parec", "--server=unix:" + self.socket,
             "--device=%s.monitor" % self.SINK, "--raw", "--format=s16le", "--channels=1",
             "--rate=%d" % self.RATE, "--latency-msec=10"], env=env, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, bufsize=0)
        self.samples = bytearray()
        self.origin = float("inf")
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        deadline = time.monotonic() + 10
        while self.origin == float("inf"):
            if time.monotonic() > deadline:
                self.close()
                raise RuntimeError("the monitor is not recorded")
            time.sleep(0.02)

    def env(self):
        """What points a program's sound at the server."""
        return {"PULSE_SERVER": "unix:" + self.socket, "PULSE_CLIENTCONFIG": "/dev/null"}

    def _read(self):
        fd = self.recorder.stdout.fileno()
        while True:
            try:
                piece = os.read(fd, 4096)
            except OSError:
                return
            stamp = time.monotonic()
            if not piece:
                return
            with self.lock:
                self.samples += piece
                self.origin = min(self.origin, stamp - (len(self.samples) // 2) / self.RATE)

    def index_at(self, stamp):
        """The sample played at `stamp` (monotonic seconds)."""
        with self.lock:
            return max(0, int((stamp - self.origin) * self.RATE))

    def time_of(self, index):
        with self.lock:
            return self.origin + index / self.RATE

    def onset(self, start):
        """The first audible sample from `start` on (above -46 dBFS; a null sink's silence
        is exact zeros), or None."""
        with self.lock:  # a copy: the reader grows the recording meanwhile
            data = memoryview(bytes(self.samples[2 * start:len(self.samples) // 2 * 2])).cast("h")
        for i, value in enumerate(data):
            if value > 160 or value < -160:
                return start + i
        return None

    def quiet_for(self, seconds):
        with self.lock:
            count = len(self.samples) // 2
        start = count - int(seconds * self.RATE)
        return start >= 0 and self.onset(start) is None

    def wait_quiet(self, seconds=0.8, timeout=20):
        deadline = time.monotonic() + timeout
        while not self.quiet_for(seconds) and time.monotonic() < deadline:
            time.sleep(0.05)

    def close(self):
        for process in (getattr(self, "recorder", None), self.server):
            if process and process.poll() is None:
                process.terminate()  # timeout passes it on to the program it runs
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


# The games whose first prompt is timed, by identifier (their shelves and cards are in GAMES).
PROMPT_GAMES = ["chinese-match", "radical-builder", "math-battle", "english-listen", "phonics-train"]


def tap_card(app):
    """A child's tap on the card in the middle of the shelf: pressed, held 80 ms, released.
    Returns the monotonic time at which the release's xdotool call returned (the event
    is then with the X server)."""
    x, y = app.origin[0] + 590, app.origin[1] + RAIL_Y + 50
    app.move(x, y)
    time.sleep(0.3)
    app.xdo("mousedown", 1)
    time.sleep(0.08)
    app.xdo("mouseup", 1)
    return time.monotonic()


def phase_prompts(args, display, software):
    """Each game started afresh: the playground, the game's shelf, its card to the middle,
    then the card tapped (the first opening of the run) and, after going back to the
    shelf, tapped again --prompt-openings times (later openings). Each time, from the
    tap's release to the first audible sample after it."""
    games = args.prompt_games.split(",")
    heard = {}  # (game, "first" or "later") -> seconds
    missed = {}
    loads = [os.getloadavg()[0]]
    sound = SoundServer()
    try:
        for _ in range(args.runs):
            for game in games:
                where = [(shelf, card) for name, shelf, card in GAMES if name == game]
                if not where:
                    sys.exit("no game %s among the 14 (GAMES)" % game)
                shelf, card = where[0]
                command = [EXECUTABLE or os.path.join(args.build, "src/app/pipwhistle")]
                for attempt in range(3):  # as start() does: a start that dies is tried again
                    app = App(command, display, software, extra_env=sound.env())
                    try:
                        app.find_window()
                        break
                    except RuntimeError as error:
                        app.close()
                        if attempt == 2:
                            raise
                        print("note: %s; started again" % error, file=sys.stderr)
                try:
                    open_playground(app)
                    open_shelf(app, shelf)
                    app.rail_to(card, CARD_PITCH)
                    for opening in range(1 + args.prompt_openings):
                        time.sleep(1.0)  # the shelf at rest
                        sound.wait_quiet()  # the last prompt is over
                        released = tap_card(app)
                        start_index = sound.index_at(released)
                        deadline = released + 6
                        onset = None
                        while onset is None and time.monotonic() < deadline:
                            time.sleep(0.05)
                            onset = sound.onset(start_index)
                        kind = "first" if opening == 0 else "later"
                        # A prompt begins with 60 ms of silence: a sound sooner than that is
                        # something else (under load, a tap that found the game still open).
                        if onset is None or sound.time_of(onset) - released < 0.05:
                            missed[(game, kind)] = missed.get((game, kind), 0) + 1
                        else:
                            heard.setdefault((game, kind), []).append(sound.time_of(onset) - released)
                        time.sleep(1.0)
                        app.click(GAME_BACK, 0.8)
                finally:
                    app.close()
                loads.append(os.getloadavg()[0])
    finally:
        sound.close()
    r = renderer_name(software)
    for game in games:
        for kind in ("first", "later"):
            values = heard.get((game, kind), [])
            print("prompt %-8s %-16s %-5s opening: s from the tap's release to the first audible sample %s%s" % (
                r, game, kind, median_range(values), "  (%d not heard, or too soon)" % missed[(game, kind)]
                if (game, kind) in missed else ""))
    print("prompt %-8s load average %.1f to %.1f" % (r, min(loads), max(loads)))


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # the screen and programs are closed
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--executable", help="the playground to measure (default: the one in --build)")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--only", default="first,screens,games,plays")
    parser.add_argument("--renderers", default="gl,software")
    parser.add_argument("--game-renderers", default="software")
    parser.add_argument("--plays", type=int, default=50)
    parser.add_argument("--taps", type=int, default=40)
    parser.add_argument("--over", type=float, help="list each played game's frames over this many ms "
                        "(--only games), with the last tap before each, and when its longest stall ended")
    parser.add_argument("--games", help="the games to play, by identifier, comma-separated (default: the 14; "
                                        "'all' is every game but the video room, space-trip)")
    parser.add_argument("--random-taps", type=float, metavar="SECONDS",
                        help="play each game (--only games) by taps at random points over its whole area "
                             "for this long, at a child's pace, instead of --taps on its controls")
    parser.add_argument("--seed", type=int, default=1, help="the seed of --random-taps' points and pauses")
    parser.add_argument("--prompt-games", default=",".join(PROMPT_GAMES),
                        help="the games whose first prompt is timed (--only prompts), among the 14")
    parser.add_argument("--prompt-openings", type=int, default=3,
                        help="later openings of each game after its first (--only prompts)")
    args = parser.parse_args()
    global EXECUTABLE
    EXECUTABLE = args.executable
    for tool in ("Xvfb", "xdotool") + (("pulseaudio", "parec") if "prompts" in args.only.split(",") else ()):
        if not shutil.which(tool):
            sys.exit("needs %s (Debian: xvfb, xdotool, pulseaudio, pulseaudio-utils)" % tool)
    phases = args.only.split(",")
    display = Xvfb()
    try:
        for renderer in args.renderers.split(","):
            software = renderer == "software"
            if "first" in phases:
                phase_first(args, display.display, software)
            if "screens" in phases:
                phase_screens(args, display.display, software)
            if "plays" in phases:
                phase_plays(args, display.display, software)
            if "video" in phases:
                phase_video(args, display.display, software)
            if "prompts" in phases:
                phase_prompts(args, display.display, software)
        if "games" in phases:
            for renderer in args.game_renderers.split(","):
                phase_games(args, display.display, renderer == "software")
    finally:
        for app in list(RUNNING):
            app.close()
        display.close()


if __name__ == "__main__":
    main()
