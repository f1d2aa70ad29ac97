"""quorvex-compare file to file against LC_ALL=C sort + comm and Python, on
the same lists in one run: wall time, peak memory and temporary disk.

Usage: compare_cli.py PROGRAM DATA-FOLDER [memory | beyond | growth]...
(run by scripts/bench-compare.sh; all three when none is named).

  memory  1 million lines a side in memory: the default rules, --left (the
          job of the Python script), --ignore-case, --sort, --pair, against
          sort + comm -3 and a plain Python set difference.
  beyond  10 million lines a side with --memory=128M against
          sort -S 128M -T + comm -3; 100 million with --memory=1G against
          sort -S 1G -T + comm -3, one run each.
  growth  10, 30 and 100 million lines a side with --memory=1G: seconds per
          million lines.

Each side holds N lines of 23 bytes ("item000012345-9e3779b1"), half of them
on both sides, each side shuffled.
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import threading
import time

REPETITIONS = 5

# The script a script writer would write, as it stands: the left lines the
# right lacks, to a file.
PYTHON = ("import sys; L, R, O = sys.argv[1:]; "
          "r=set(open(R).read().split('\\n')); "
          "open(O,'w').write(''.join(x+'\\n' for x in open(L).read().split('\\n') if x and x not in r))")

SORT_COMM = ('LC_ALL=C sort -S "$3" -T "$4" "$1" > "$4/l.sorted" && LC_ALL=C sort -S "$3" -T "$4" "$2" > '
             '"$4/r.sorted" && LC_ALL=C comm -3 "$4/l.sorted" "$4/r.sorted"; rm -f "$4/l.sorted" "$4/r.sorted"')


def make_lists(folder, millions):
    """The two lists, made by a process of their own: a process spawned
    from this one counts this one's peak memory as its own."""
    paths = [os.path.join(folder, f"{millions}m-{side}.txt") for side in ("left", "right")]
    if not all(os.path.exists(path) for path in paths):
        subprocess.run([sys.executable, __file__, "--make", folder, str(millions)], check=True)
    return paths


def write_lists(folder, millions):
    paths = [os.path.join(folder, f"{millions}m-{side}.txt") for side in ("left", "right")]
    count = millions * 1_000_000
    shared = count // 2
    rng = random.Random(millions)
    item = lambda i: f"item{i:09d}-{(i * 2654435761) & 0xFFFFFFFF:08x}\n"
    for side, path in enumerate(paths):
        own = count * (side + 1)
        ids = list(range(shared)) + list(range(own, own + count - shared))
        rng.shuffle(ids)
        with open(path + ".part", "w") as file:
            for start in range(0, count, 1_000_000):
                file.writelines(map(item, ids[start:start + 1_000_000]))
        del ids
        os.replace(path + ".part", path)


class DiskWatch:
    """The most bytes the run's temporary files held at once: the files in
    a folder, and the unnamed files the run's processes hold open."""

    def __init__(self, folder):
        self.folder, self.pids, self.peak, self.done = folder, set(), 0, False
        self.thread = threading.Thread(target=self.watch, daemon=True)
        self.thread.start()

    def held(self):
        total = 0
        for name in os.listdir(self.folder):
            try:
                total += os.stat(os.path.join(self.folder, name)).st_blocks * 512
            except OSError:
                pass
        for pid in list(self.pids):
            try:
                for fd in os.listdir(f"/proc/{pid}/fd"):
                    link = os.readlink(f"/proc/{pid}/fd/{fd}")
                    if link.startswith(self.folder) and link.endswith("(deleted)"):
                        total += os.stat(f"/proc/{pid}/fd/{fd}").st_blocks * 512
            except OSError:
                pass
        return total

    def watch(self):
        while not self.done:
            self.peak = max(self.peak, self.held())
            time.sleep(0.2)

    def stop(self):
        self.done = True
        self.thread.join()
        return self.peak


def run(command, output, scratch, watchDisk):
    """Seconds, peak resident bytes (its children included) and peak
    temporary bytes of one run. The watch of the disk takes a little of the
    processors: runs in memory go without."""
    watch = DiskWatch(scratch) if watchDisk else None
    with open(output, "wb") as out:
        start = time.perf_counter()
        pid = os.posix_spawnp(command[0], command, dict(os.environ, TMPDIR=scratch),
                              file_actions=[(os.POSIX_SPAWN_DUP2, out.fileno(), 1)])
        if watch:
            watch.pids.add(pid)
        _, status, usage = os.wait4(pid, 0)
        seconds = time.perf_counter() - start
    disk = watch.stop() if watch else 0
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"{' '.join(command)}: status {os.waitstatus_to_exitcode(status)}")
    return seconds, usage.ru_maxrss * 1024, disk


def measure(command, output, scratch, repetitions):
    runs = [run(command, output, scratch, repetitions == 1) for _ in range(repetitions)]
    times = [seconds for seconds, _, _ in runs]
    return (statistics.median(times), min(times), max(times), max(peak for _, peak, _ in runs),
            max(disk for _, _, disk in runs))


def table(rows, folder, scratch, repetitions):
    print("| Lines a side | Command | Seconds | Peak MiB | Temporary MiB |" if repetitions == 1 else
          "| Lines a side | Command | Seconds | Peak MiB | |")
    print("|---|---|---|---|---|")
    results = {}
    for label, millions, command, output in rows:
        left, right = make_lists(folder, millions)
        argv = [a.replace("{L}", left).replace("{R}", right).replace("{S}", scratch).replace("{O}", output)
                for a in command]
        median, low, high, peak, disk = measure(argv, output, scratch, repetitions)
        results[label] = (median, output)
        spread = f" ({low:.3f}-{high:.3f})" if repetitions > 1 else ""
        watched = f"{disk / 2**20:.0f}" if repetitions == 1 else ""
        print(f"| {millions}M | {label} | {median:.3f}{spread} | {peak / 2**20:.0f} | {watched} |", flush=True)
    return results


def same_bytes(a, b):
    with open(a, "rb") as first, open(b, "rb") as second:
        while True:
            x, y = first.read(1 << 20), second.read(1 << 20)
            if x != y:
                return False
            if not x:
                return True


def memory(program, folder, scratch):
    q = [program]
    rows = [("quorvex-compare", 1, q + ["{L}", "{R}"], "out-default.txt"),
            ("quorvex-compare --left", 1, q + ["--left", "{L}", "{R}"], "out-left.txt"),
            ("quorvex-compare --ignore-case", 1, q + ["--ignore-case", "{L}", "{R}"], "out-i.txt"),
            ("quorvex-compare --sort", 1, q + ["--sort", "{L}", "{R}"], "out-sort.txt"),
            ("quorvex-compare --pair", 1, q + ["--pair", "{L}", "{R}"], "out-pair.txt"),
            ("sort + comm -3", 1, ["sh", "-c", SORT_COMM, "sh", "{L}", "{R}", "1G", "{S}"], "out-comm.txt"),
            ("Python", 1, [sys.executable, "-c", PYTHON, "{L}", "{R}", "out-python.txt"], "out-python.stdout")]
    results = table(rows, folder, scratch, REPETITIONS)
    if not same_bytes("out-left.txt", "out-python.txt"):
        sys.exit("quorvex-compare --left and Python differ")
    for name in ("quorvex-compare", "quorvex-compare --left"):
        print(f"|   | sort + comm / {name}: {results['sort + comm -3'][0] / results[name][0]:.1f}x, "
              f"Python / {name}: {results['Python'][0] / results[name][0]:.1f}x | | | |")


def beyond(program, folder, scratch):
    for millions, memory in ((10, "128M"), (100, "1G")):
        rows = [(f"quorvex-compare --memory={memory}", millions, [program, f"--memory={memory}", "{L}", "{R}"],
                 "out-beyond.txt"),
                (f"sort -S {memory} + comm -3", millions,
                 ["sh", "-c", SORT_COMM, "sh", "{L}", "{R}", memory, "{S}"], "out-beyond-comm.txt")]
        results = table(rows, folder, scratch, 1)
        print(f"|   | sort + comm / quorvex-compare: {results[rows[1][0]][0] / results[rows[0][0]][0]:.1f}x "
              f"| | | |", flush=True)
        for output in ("out-beyond.txt", "out-beyond-comm.txt"):
            os.remove(output)


def growth(program, folder, scratch):
    rows = [(f"quorvex-compare --memory=1G", millions, [program, "--memory=1G", "{L}", "{R}"], "out-growth.txt")
            for millions in (10, 30, 100)]
    results = []
    for row in rows:
        (median, _), = table([row], folder, scratch, 1).values()
        results.append(median / row[1])
        print(f"|   | {median / row[1]:.3f} s per million lines a side | | | |", flush=True)
    print(f"largest / smallest seconds per million: {max(results) / min(results):.2f}")
    os.remove("out-growth.txt")


def main():
    if sys.argv[1] == "--make":
        return write_lists(sys.argv[2], int(sys.argv[3]))
    program, folder = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    sections = sys.argv[3:] or ["memory", "beyond", "growth"]
    os.makedirs(folder, exist_ok=True)
    os.chdir(folder)
    with tempfile.TemporaryDirectory(dir=folder) as scratch:
        for section in sections:
            print(f"\n{section}: " + ("median (min-max) wall seconds of 5 runs; peak resident memory"
                                      if section == "memory" else
                                      "wall seconds of one run; peak resident memory; peak temporary disk"))
            {"memory": memory, "beyond": beyond, "growth": growth}[section](program, folder, scratch)


if __name__ == "__main__":
    main()
