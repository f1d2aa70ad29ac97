"""quorvex-compare file to file against LC_ALL=C sort + comm and a Python set
difference, on the same lists in one run: wall time and peak memory.

Usage: compare_cli.py PROGRAM DATA-FOLDER [MILLIONS...]   (run by
scripts/bench-compare.sh). Each side holds MILLIONS million lines of 23 bytes
("item000012345-9e3779b1"), half of them on both sides, each side shuffled.
"""
import os
import random
import statistics
import sys
import time

REPETITIONS = 5

# What a script writer would write: every line only one side holds, marked
# as quorvex-compare marks it, in list order.
PYTHON_SET_DIFFERENCE = r"""
import sys
read = lambda path: open(path, encoding="utf-8", errors="surrogateescape").read().splitlines()
left, right = read(sys.argv[1]), read(sys.argv[2])
inLeft, inRight = set(left), set(right)
out = open(sys.stdout.fileno(), "w", encoding="utf-8", errors="surrogateescape", closefd=False)
out.writelines("< " + item + "\n" for item in left if item not in inRight)
out.writelines("> " + item + "\n" for item in right if item not in inLeft)
out.flush()
"""

SORT_COMM = "LC_ALL=C sort \"$1\" > l.sorted && LC_ALL=C sort \"$2\" > r.sorted && LC_ALL=C comm -3 l.sorted r.sorted"


def make_lists(folder, millions):
    paths = [os.path.join(folder, f"{millions}m-{side}.txt") for side in ("left", "right")]
    if all(os.path.exists(path) for path in paths):
        return paths
    count = millions * 1_000_000
    shared = count // 2
    rng = random.Random(millions)
    item = lambda i: f"item{i:09d}-{(i * 2654435761) & 0xFFFFFFFF:08x}\n"
    for side, path in enumerate(paths):
        own = count * (side + 1)
        ids = list(range(shared)) + list(range(own, own + count - shared))
        rng.shuffle(ids)
        with open(path + ".part", "w") as file:
            file.writelines(map(item, ids))
        os.replace(path + ".part", path)
    return paths


def run(command, output):
    """Seconds and peak resident bytes of one run (its children included)."""
    with open(output, "wb") as out:
        start = time.perf_counter()
        pid = os.posix_spawnp(command[0], command, os.environ,
                              file_actions=[(os.POSIX_SPAWN_DUP2, out.fileno(), 1)])
        _, status, usage = os.wait4(pid, 0)
        seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"{' '.join(command)}: status {os.waitstatus_to_exitcode(status)}")
    return seconds, usage.ru_maxrss * 1024


def measure(command, output):
    runs = [run(command, output) for _ in range(REPETITIONS)]
    times = [seconds for seconds, _ in runs]
    return statistics.median(times), min(times), max(times), max(peak for _, peak in runs)


def main():
    program, folder = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    sizes = [int(size) for size in sys.argv[3:]] or [1, 3, 10]
    os.makedirs(folder, exist_ok=True)
    os.chdir(folder)
    cases = {
        "default": [],
        "--ignore-case": ["--ignore-case"],
        "--sort": ["--sort"],
        "--pair": ["--pair"],
    }
    print(f"{REPETITIONS} runs each; median (min-max) seconds; peak resident memory (all processes of a run)")
    print("| Lines a side | Command | Seconds | Peak MiB | Peak / input |")
    print("|---|---|---|---|---|")
    for millions in sizes:
        left, right = make_lists(folder, millions)
        input_bytes = os.path.getsize(left) + os.path.getsize(right)
        results = {}
        commands = {f"quorvex-compare {name}": [program, *options, left, right] for name, options in cases.items()}
        commands["sort + comm -3"] = ["sh", "-c", SORT_COMM, "sh", left, right]
        commands["Python set difference"] = [sys.executable, "-c", PYTHON_SET_DIFFERENCE, left, right]
        for name, command in commands.items():
            results[name] = measure(command, f"out-{len(results)}.txt")
            median, low, high, peak = results[name]
            print(f"| {millions}M | {name} | {median:.3f} ({low:.3f}-{high:.3f}) | {peak / 2**20:.0f} | "
                  f"{peak / input_bytes:.2f} |", flush=True)
        with open("out-0.txt", "rb") as ours, open(f"out-{len(results) - 1}.txt", "rb") as python:
            if ours.read() != python.read():
                sys.exit("quorvex-compare and Python differ")
        for name in cases:
            quorvex = results[f"quorvex-compare {name}"][0]
            print(f"|   | {name}: sort + comm / quorvex-compare {results['sort + comm -3'][0] / quorvex:.1f}x, "
                  f"Python / quorvex-compare {results['Python set difference'][0] / quorvex:.1f}x | | | |")


if __name__ == "__main__":
    main()
