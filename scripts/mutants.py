#!/usr/bin/env python3
"""Line-level mutants of the platform-free sources against the native unit tests.

Each mutant changes one operator or constant on one line (== for !=, < for <=,
&& for ||, true for false, + 1 for + 0, ...), is built and run through
core_tests; the run records which assertions failed. A mutant that core_tests
let pass goes on to the fuzz targets as ctest runs them,
which check some routines against a whole definition; that needs
clang's fuzz preset, and without it the fuzz targets are left out. One that
gets past them too runs quorvex-compare from outside, as ctest does
(tests/cli/quorvex-compare-test.sh). It shows what no test
notices (a gap, or a change that makes no difference) and which tests no
other can stand in for: a test that catches no mutant alone is the first to
look at before deleting one (plant its fault by hand too, as these mutants
know nothing of strings and system calls). The window layer is not mutated:
its tests run under Wine, minutes a mutant.

Usage: scripts/mutants.py [--out FILE] [SOURCE...]   (default: every
platform-free .cpp of src/ but quorvex-compare's main). The working tree is
left alone: the mutants are made in a worktree of HEAD in a temporary folder.
About 5 seconds a mutant that core_tests catch, on 2 CPUs; one that goes on
to the fuzz targets takes about 20 more. All sources made 514 mutants in 71
minutes (2026-12-07, before the quorvex-compare stage was added).
"""
import collections
import json
import os
import re
import subprocess
import sys
import tempfile

OPERATORS = [
    (r'==', '!='), (r'!=', '=='), (r'(?<![<>=!])<=(?!=)', '<'), (r'(?<![<>=!])>=', '>'),
    (r' < ', ' <= '), (r' > ', ' >= '),  # spaced: comparisons, not templates
    (r'&&', '||'), (r'\|\|', '&&'), (r'\btrue\b', 'false'), (r'\bfalse\b', 'true'),
    (r'\+ 1\b', '+ 0'), (r'- 1\b', '- 0'), (r'\+\+', '--'), (r'!(?=[A-Za-z_(])', ''),
]


def run_tests(tree):
    if subprocess.run(['cmake', '--build', 'build/native', '--target', 'core_tests'], cwd=tree,
                      capture_output=True).returncode != 0:
        return None  # does not compile: no mutant
    try:
        done = subprocess.run(['build/native/core_tests'], cwd=tree, capture_output=True, text=True,
                              errors='replace', timeout=60)
    except subprocess.TimeoutExpired:
        return ['(hangs)']
    output = done.stdout + done.stderr
    hits = sorted(set(re.findall(r'(tests/core/\w+\.cpp:\d+): Failure', output)))
    if done.returncode != 0 and not hits:  # a sanitizer or a crash ended the run: the test then running
        running = re.findall(r'\[ RUN      \] (\S+)', output)
        hits = ['(crash in %s)' % (running[-1] if running else 'start-up')]
    return hits


def run_ctest(tree, preset, target, pattern):
    """The named ctest tests of a preset's build, run as ctest runs them; the ones that failed."""
    build = ['cmake', '--build', os.path.join('build', preset)] + (['--target', target] if target else [])
    if subprocess.run(build, cwd=tree, capture_output=True).returncode != 0:
        return []
    done = subprocess.run(['ctest', '--test-dir', os.path.join('build', preset), '-R', pattern, '--timeout', '120'],
                          cwd=tree, capture_output=True, text=True, errors='replace')
    return re.findall(r'^\s*\d+ - (\S+) \(', done.stdout, re.MULTILINE)


def run_fuzzers(tree):
    return run_ctest(tree, 'fuzz', None, '^Fuzz\\.')


def run_cli_test(tree):
    return run_ctest(tree, 'native', 'quorvex-compare', '^QuorvexCompare\\.FromOutside$')


def test_of(hit, tree):
    match = re.match(r'(tests/core/\w+\.cpp):(\d+)$', hit)
    if not match:
        return hit
    name = hit
    with open(os.path.join(tree, match.group(1))) as source:
        for number, line in enumerate(source, 1):
            if number > int(match.group(2)):
                break
            test = re.match(r'TEST(?:_F)?\((\w+), (\w+)\)', line)
            if test:
                name = test.group(1) + '.' + test.group(2)
    return name


def main(arguments):
    out = None
    if arguments[:1] == ['--out']:
        out, arguments = arguments[1], arguments[2:]
    root = subprocess.run(['git', 'rev-parse', '--show-toplevel'], capture_output=True, text=True,
                          check=True).stdout.strip()
    sources = arguments or [f for f in subprocess.run(['git', 'ls-files', 'src/*.cpp'], cwd=root, capture_output=True,
                                                       text=True, check=True).stdout.split()
                            if not re.search(r'/(win32|icu|posix)/|cli/Main\.cpp', f)]
    tree = tempfile.mkdtemp(prefix='quorvex-mutants-')
    subprocess.run(['git', 'worktree', 'add', '--detach', tree, 'HEAD'], cwd=root, check=True, capture_output=True)
    try:
        # File by file: a mutant then recompiles one source, not its unity batch.
        subprocess.run(['cmake', '--preset', 'native', '-DCMAKE_UNITY_BUILD=OFF'], cwd=tree, check=True,
                       capture_output=True)
        fuzz = subprocess.run(['cmake', '--preset', 'fuzz'], cwd=tree, capture_output=True).returncode == 0
        if not fuzz:
            print('no fuzz preset here (clang?): the fuzz targets are left out', flush=True)
        if run_tests(tree) != [] or (fuzz and run_fuzzers(tree) != []) or run_cli_test(tree) != []:
            sys.exit('the tests do not pass as they are')
        mutants = []
        for path in sources:
            full = os.path.join(tree, path)
            original = open(full).read()
            lines = original.split('\n')
            for i, line in enumerate(lines):
                if line.strip().startswith(('//', '#')):
                    continue
                code = line.split('//')[0]
                for pattern, replacement in OPERATORS:
                    for match in re.finditer(pattern, code):
                        changed = code[:match.start()] + replacement + code[match.end():]
                        open(full, 'w').write('\n'.join(lines[:i] + [changed + line[len(code):]] + lines[i + 1:]))
                        hits = run_tests(tree)
                        if hits == [] and fuzz:
                            hits = run_fuzzers(tree)
                        if hits == []:
                            hits = run_cli_test(tree)
                        if hits is not None:
                            mutants.append({'file': path, 'line': i + 1, 'to': changed.strip(), 'hits': hits})
                            print('%s:%d %s' % (path, i + 1, 'caught' if hits else 'NOT CAUGHT'), flush=True)
            open(full, 'w').write(original)
        kills = collections.defaultdict(list)
        for mutant in mutants:
            tests = {test_of(hit, tree) for hit in mutant['hits']}
            for test in tests:
                kills[test].append(len(tests) == 1)
        print('\n%d mutants, %d not caught:' % (len(mutants), sum(not m['hits'] for m in mutants)))
        for mutant in mutants:
            if not mutant['hits']:
                print('  %s:%d  %s' % (mutant['file'], mutant['line'], mutant['to']))
        print('\nmutants each test catches (alone):')
        for test in sorted(kills):
            print('  %-100s %4d (%d)' % (test, len(kills[test]), sum(kills[test])))
        if out:
            with open(out, 'w') as record:
                for mutant in mutants:
                    record.write(json.dumps(mutant) + '\n')
    finally:
        subprocess.run(['git', 'worktree', 'remove', '--force', tree], cwd=root, capture_output=True)


if __name__ == '__main__':
    main(sys.argv[1:])
