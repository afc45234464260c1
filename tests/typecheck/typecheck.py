#!/usr/bin/env python3
"""Type-checks the generated Java or Kotlin texts where a user pastes them.

Each text (a hand-written expected file that the whole-text tests prove equal to the program's
output) is wrapped the way a user would paste it into an Android project: statements into onCreate
of an Activity subclass, class members into the class body, a whole source file as it is, a Tab
Host project with the R class that aapt makes from its resources. Every wrapped text of one
language is compiled in one compiler run against the Android API stub, and each compiler error is
traced back to the text and line it came from. The placement table (placement.txt) says where the
parts of a text go; expected_failures.txt names the texts that fail on purpose, with the reason.

Exit status: 0 when every text compiles except those expected to fail (and those fail for exactly
the reasons given), 1 otherwise, 77 when a tool the check needs is missing.
"""

from __future__ import annotations

import argparse
import fnmatch
import os
import re
import shutil
import struct
import subprocess
import sys
import zlib
from dataclasses import dataclass, field
from pathlib import Path

SKIP = 77
MARKER = "// onCreate içinde:"
DESTINATIONS = ("members", "oncreate", "method", "imports", "skip")
TEXT_SUFFIXES = (".kt", ".java", ".txt", ".bytes")


class TableError(Exception):
    pass


class TextFailure(Exception):
    """A text that cannot even be handed to the compiler, with the reason."""


# ---------------------------------------------------------------------------------------------
# The placement table


@dataclass
class Segment:
    destination: str
    start: str | None  # None: from the first line; "@N": from line N; else a line's beginning
    optional: bool = False


@dataclass
class Block:
    patterns: list
    line: int
    segments: list = field(default_factory=list)
    activity: str = "MainActivity"
    members: list = field(default_factory=list)
    tops: list = field(default_factory=list)
    uses: list = field(default_factory=list)


@dataclass
class Table:
    imports: list = field(default_factory=list)
    blocks: list = field(default_factory=list)

    def block_for(self, name):
        for block in self.blocks:
            if any(fnmatch.fnmatchcase(name, p) for p in block.patterns):
                return block
        return None


def read_table(path):
    table = Table()
    block = None
    for number, raw in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        where = f"{path.name}:{number}"
        if line.startswith("["):
            if not line.endswith("]") or not line[1:-1].split():
                raise TableError(f"{where}: a block starts with [pattern ...]")
            block = Block(line[1:-1].split(), number)
            table.blocks.append(block)
            continue
        word, _, rest = line.partition(" ")
        rest = rest.strip()
        if word == "import" and block is None:
            table.imports.append(rest)
        elif block is None:
            raise TableError(f"{where}: '{word}' outside a block")
        elif word in DESTINATIONS or word.rstrip("?") in DESTINATIONS:
            optional = word.endswith("?")
            start = rest or None
            if start is None and block.segments:
                raise TableError(f"{where}: only the first part may start at the first line")
            block.segments.append(Segment(word.rstrip("?"), start, optional))
        elif word == "class":
            block.activity = rest
        elif word == "member":
            block.members.append(rest)
        elif word == "top":
            block.tops.append(rest)
        elif word == "uses":
            block.uses.append(rest)
        else:
            raise TableError(f"{where}: unknown word '{word}'")
    return table


def read_expected_failures(path):
    """Text name -> list of reasons (pieces of the compiler's messages)."""
    expected = {}
    for number, raw in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        name, _, reason = line.partition(" ")
        if not reason.strip():
            raise TableError(f"{path.name}:{number}: a text name, then the reason")
        expected.setdefault(name, []).append(" ".join(reason.split()))
    return expected


# ---------------------------------------------------------------------------------------------
# The texts


@dataclass
class Text:
    name: str  # path under tests/data or tests/typecheck, the name every message uses
    path: Path
    language: str
    tree: Path | None = None  # the folder of a project tree
    package: str = ""


def read_lines(path):
    data = path.read_bytes().decode("utf-8", errors="replace")
    return data.replace("\r\n", "\n").split("\n")


def package_for(name):
    return "tc." + re.sub(r"\W", "_", name)


def is_tree(folder):
    return (folder / "AndroidManifest.xml").is_file() or (folder / "src").is_dir()


def collect(data_dir, samples_dir, table):
    """Every text of both languages: the Java texts the table names, every Kotlin text under
    tests/data/kotlin, and the samples."""
    texts = []

    def walk(root, prefix, language_of):
        if not root.is_dir():
            return
        for folder, dirs, files in os.walk(root):
            folder = Path(folder)
            dirs.sort()
            if folder != root and is_tree(folder):
                dirs.clear()
                name = prefix + folder.relative_to(root).as_posix()
                sources = sorted(folder.glob("src/**/*.*"))
                language = "kotlin" if any(s.suffix == ".kt" for s in sources) else "java"
                if language_of(name, ".kt" if language == "kotlin" else ".java") is not None:
                    texts.append(Text(name, folder, language, tree=folder))
                continue
            for f in sorted(files):
                path = folder / f
                name = prefix + path.relative_to(root).as_posix()
                language = language_of(name, path.suffix)
                if language is not None and path.suffix in TEXT_SUFFIXES:
                    texts.append(Text(name, path, language))

    def data_language(name, suffix):
        if name.startswith("kotlin/"):
            return "kotlin"
        return "java" if table.block_for(name) is not None else None

    walk(data_dir, "", data_language)
    walk(samples_dir, "samples/",
         lambda name, suffix: "java" if suffix == ".java" else "kotlin")
    for t in texts:
        t.package = package_for(t.name)
    return texts


# ---------------------------------------------------------------------------------------------
# Wrapping


@dataclass
class Source:
    path: Path
    lines: list = field(default_factory=list)
    origins: list = field(default_factory=list)  # (text name, "file:line" or None) per line

    def add(self, line, text=None, where=None):
        self.lines.append(line)
        self.origins.append((text, where))

    def write(self):
        self.path.parent.mkdir(parents=True, exist_ok=True)
        self.path.write_text("\n".join(self.lines) + "\n", encoding="utf-8")


def is_source_file(lines):
    # A Kotlin file in the default package starts with its imports.
    first = next((l.strip() for l in lines if l.strip() and not l.strip().startswith("//")), "")
    return re.match(r"(package|import)\b", first) is not None


def split_segments(text, lines, block):
    """(destination, first line index, end index) for each part of the text."""
    if block is None or not block.segments:
        if MARKER in (line.strip() for line in lines):
            at = [line.strip() for line in lines].index(MARKER)
            return [("members", 0, at), ("oncreate", at + 1, len(lines))]
        return [("oncreate", 0, len(lines))]
    starts = []
    position = 0
    for segment in block.segments:
        if segment.start is None:
            at = 0
        elif segment.start.startswith("@") and segment.start[1:].isdigit():
            at = int(segment.start[1:]) - 1
        else:
            at = next((i for i in range(position, len(lines))
                       if lines[i].lstrip().startswith(segment.start)), None)
        if at is None:
            if segment.optional:
                continue
            raise TableError(f"{text.name}: no line starts with '{segment.start}' "
                             f"(placement.txt block at line {block.line})")
        starts.append((segment.destination, at))
        position = at + 1
    if not starts or starts[0][1] != 0:
        starts.insert(0, ("oncreate", 0))
    return [(d, at, starts[i + 1][1] if i + 1 < len(starts) else len(lines))
            for i, (d, at) in enumerate(starts)]


def r_class(package, names, path):
    """The R class a project would have for the resource names a text uses."""
    src = Source(path)
    src.add(f"package {package};")
    src.add("")
    src.add("public final class R {")
    for kind in sorted(names):
        src.add(f"    public static final class {kind} {{")
        for i, name in enumerate(sorted(names[kind]), 1):
            src.add(f"        public static final int {name} = 0x7f{len(kind):02x}{i:04x};")
        src.add("    }")
    src.add("}")
    return src


RESOURCE_REFERENCE = re.compile(r"(?<![\w.])R\.(\w+)\.(\w+)")


def resource_names(lines, names):
    for line in lines:
        for kind, name in RESOURCE_REFERENCE.findall(line):
            names.setdefault(kind, set()).add(name)


def wrap_text(text, table, packages, by_name, work):
    """The sources that hold one panel text or one whole file."""
    lines = read_lines(text.path)
    java = text.language == "java"
    end = ";" if java else ""
    folder = work / text.language / text.package
    if is_source_file(lines):
        # A source file of its own: only its package moves, so that several can be compiled at
        # once; every line keeps its number.
        name = re.search(r"\b(?:class|object)\s+(\w+)", "\n".join(lines))
        src = Source(folder / ((name.group(1) if name else "Text") + (".java" if java else ".kt")))
        moved = not any(re.match(r"\s*package\b", line) for line in lines)
        if moved:  # the default package: it gets one of its own, like every other text
            src.add(f"package {text.package}{';' if java else ''}", text.name, None)
        for i, line in enumerate(lines):
            if not moved and re.match(r"\s*package\b", line):
                line = re.sub(r"package\s*[\w.]*", f"package {text.package}", line, count=1)
                moved = True
            src.add(line, text.name, f"{text.name}:{i + 1}")
        names = {}
        resource_names(lines, names)
        return [src] + ([r_class(text.package, names, folder / "R.java")] if names else [])

    block = table.block_for(text.name)
    parts = split_segments(text, lines, block)
    activity = block.activity if block else "MainActivity"
    src = Source(folder / (activity + (".java" if java else ".kt")))

    def add_part(destination):
        for d, first, last in parts:
            if d == destination:
                for i in range(first, last):
                    src.add(lines[i], text.name, f"{text.name}:{i + 1}")

    def wrapper(line):
        src.add(line, text.name, None)

    wrapper(f"package {text.package}{end}")
    wrapper("")
    for p in packages:
        wrapper(f"import {p}.*{end}")
    for qualified in table.imports:
        wrapper(f"import {qualified}{end}")
    for used in block.uses if block else []:
        other = next((t for t in by_name.values() if t.tree is None and t.language == text.language
                      and fnmatch.fnmatchcase(t.name, used) and is_source_file(read_lines(t.path))),
                     None)
        if other is None:
            raise TableError(f"{text.name}: 'uses {used}' names no source file in its language")
        wrapper(f"import {other.package}.*{end}")
    add_part("imports")
    wrapper("")
    if java:
        wrapper(f"public class {activity} extends Activity {{")
    else:
        wrapper(f"class {activity} : Activity() {{")
    for member in block.members if block else []:
        wrapper(member)
    add_part("members")
    if java:
        wrapper("@Override")
        wrapper("protected void onCreate(Bundle savedInstanceState) {")
        wrapper("super.onCreate(savedInstanceState);")
        wrapper("setContentView(R.layout.activity_main);")
    else:
        wrapper("override fun onCreate(savedInstanceState: Bundle?) {")
        wrapper("super.onCreate(savedInstanceState)")
        wrapper("setContentView(R.layout.activity_main)")
    add_part("oncreate")
    wrapper("}")
    # Each "method" part is what a user pastes into one button's handler, with its own scope.
    for n, (d, first, last) in enumerate(p for p in parts if p[0] == "method"):
        wrapper(f"public void dugme{n + 1}(View V) {{" if java else f"fun dugme{n + 1}(V: View) {{")
        for i in range(first, last):
            src.add(lines[i], text.name, f"{text.name}:{i + 1}")
        wrapper("}")
    wrapper("}")
    for top in block.tops if block else []:
        wrapper(top)

    names = {"layout": {"activity_main"}}
    resource_names([l for d, a, b in parts if d != "skip" for l in lines[a:b]], names)
    resource_names((block.members + block.tops) if block else [], names)
    return [src, r_class(text.package, names, folder / "R.java")]


# A valid one-pixel PNG: the test trees hold stand-in bytes where the user's icons would be.
def tiny_png():
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    header = struct.pack(">IIBBBBB", 1, 1, 8, 6, 0, 0, 0)
    pixels = zlib.compress(b"\x00\x00\x00\x00\x00")
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels)
            + chunk(b"IEND", b""))


def wrap_tree(text, data_dir, tools, work):
    """A Tab Host project: its sources with the R class aapt generates from its resources."""
    resources = text.tree
    if not (resources / "AndroidManifest.xml").is_file():
        # A Kotlin tree may hold only its sources: the resources are those of the Java tree of
        # the same name (kotlin/tabhost/x or samples/tabhost/x takes tabhost/x).
        resources = data_dir / text.name.split("/", 1)[1]
    if not (resources / "AndroidManifest.xml").is_file():
        raise TableError(f"{text.name}: no AndroidManifest.xml for this project tree")
    project = work / "trees" / text.package
    shutil.rmtree(project, ignore_errors=True)
    shutil.copytree(resources, project, ignore=shutil.ignore_patterns("src"))
    res = project / "res"
    for png in res.rglob("*.png"):
        png.write_bytes(tiny_png())
    # What the user's project already has and the written tree relies on: the launcher icon of
    # every new project, and the icons the user names but copies in later.
    drawables = set()
    for xml in [project / "AndroidManifest.xml"] + sorted(res.rglob("*.xml")):
        drawables |= set(re.findall(r"@drawable/(\w+)", xml.read_text(encoding="utf-8")))
    for name in sorted(drawables):
        if not any(res.glob(f"drawable*/{name}.*")):
            (res / "drawable-hdpi").mkdir(parents=True, exist_ok=True)
            (res / "drawable-hdpi" / f"{name}.png").write_bytes(tiny_png())
    if not (res / "values").exists():
        (res / "values").mkdir()
        (res / "values" / "styles.xml").write_text(
            '<resources>\n<style name="AppTheme" parent="android:Theme.Light" />\n</resources>\n',
            encoding="utf-8")
    gen = project / "gen"
    gen.mkdir()
    run = subprocess.run(
        [tools["aapt"], "package", "-f", "-m", "-J", str(gen), "-M",
         str(project / "AndroidManifest.xml"), "-S", str(res), "-I", tools["framework"],
         "--custom-package", text.package],
        capture_output=True, text=True)
    if run.returncode != 0:
        raise TextFailure("aapt: " + " ".join((run.stdout + run.stderr).split()))
    sources = []
    for r in gen.rglob("R.java"):
        src = Source(work / text.language / text.package / "R.java")
        for i, line in enumerate(read_lines(r)):
            src.add(line, text.name, None)
        sources.append(src)
    suffix = ".kt" if text.language == "kotlin" else ".java"
    for path in sorted(text.tree.glob("src/**/*" + suffix)):
        relative = path.relative_to(text.tree).as_posix()
        src = Source(work / text.language / text.package / path.name)
        moved = False
        for i, line in enumerate(read_lines(path)):
            if not moved and re.match(r"\s*package\b", line):
                line = re.sub(r"package\s+[\w.]+", f"package {text.package}", line, count=1)
                moved = True
            src.add(line, text.name, f"{text.name}/{relative}:{i + 1}")
        sources.append(src)
    return sources


# ---------------------------------------------------------------------------------------------
# Compiling and reading the compiler's messages


@dataclass
class Diagnostic:
    path: str
    line: int
    summary: str
    detail: list


JAVAC_LINE = re.compile(r"^(.+\.java):(\d+): (error|warning): (.*)$")
KOTLINC_LINE = re.compile(r"^(.+\.(?:kt|java)):(\d+):(\d+): (error|warning): (.*)$")


def parse_diagnostics(output, pattern, message_group):
    found, loose, current = [], [], None
    for line in output.split("\n"):
        m = pattern.match(line)
        if m:
            current = None
            if m.group(message_group - 1) == "error":
                current = Diagnostic(m.group(1), int(m.group(2)), m.group(message_group), [])
                found.append(current)
            continue
        if line.startswith("error:") or line.startswith("exception:"):
            loose.append(line)  # the compiler's own trouble, on no text
            current = None
        elif current is not None:
            current.detail.append(line)
            symbol = line.strip()
            if symbol.startswith("symbol:"):
                current.summary += ": " + " ".join(symbol[len("symbol:"):].split())
    return found, loose


def compile_all(language, sources, tools, work):
    out = work / "out"
    shutil.rmtree(out, ignore_errors=True)
    files = [str(s.path) for s in sources]
    if language == "java":
        command = [tools["compiler"], "-encoding", "UTF-8", "-nowarn", "-Xmaxerrs", "100000",
                   "--should-stop=ifError=FLOW", "--should-stop=ifNoError=FLOW",
                   "-cp", tools["stub"], "-d", str(out)] + files
        pattern, group = JAVAC_LINE, 4
    else:
        command = [tools["compiler"], "-nowarn", "-cp", tools["stub"], "-d", str(out)] + files
        pattern, group = KOTLINC_LINE, 5
    run = subprocess.run(command, capture_output=True, text=True)
    output = run.stdout + run.stderr
    diagnostics, loose = parse_diagnostics(output, pattern, group)
    if run.returncode != 0 and not diagnostics:
        loose.append(f"{Path(command[0]).name} failed ({run.returncode}) with no error "
                     f"on a text:\n{output}")
    return diagnostics, loose


# ---------------------------------------------------------------------------------------------


def find_tools(args):
    """The tools of this language's check, and what is missing of them."""
    tools = {"stub": args.stub_jar, "aapt": args.aapt, "framework": args.framework_res,
             "compiler": args.javac if args.lang == "java" else args.kotlinc}
    needs = {"compiler": ("javac", "default-jdk-headless") if args.lang == "java"
                         else ("kotlinc", "kotlin"),
             "aapt": ("aapt", "aapt"), "framework": ("framework-res.apk", "android-framework-res")}
    missing = [f"{name} (Debian package {package})" for key, (name, package) in needs.items()
               if not (tools[key] and Path(tools[key]).exists())]
    if not (tools["stub"] and Path(tools["stub"]).is_file()):
        missing.append("the Android API stub jar (the build makes it when it finds the JDK)")
    return tools, missing


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--lang", choices=("java", "kotlin"), required=True)
    here = Path(__file__).resolve().parent
    parser.add_argument("--data", type=Path, default=here.parent / "data")
    parser.add_argument("--samples", type=Path, default=here / "samples")
    parser.add_argument("--table", type=Path, default=here / "placement.txt")
    parser.add_argument("--expected", type=Path, default=here / "expected_failures.txt")
    parser.add_argument("--stub-src", type=Path, default=here.parent / "android_stub")
    parser.add_argument("--stub-jar", default="")
    parser.add_argument("--javac", default=shutil.which("javac") or "")
    parser.add_argument("--kotlinc", default=shutil.which("kotlinc") or "")
    parser.add_argument("--aapt", default=shutil.which("aapt") or "")
    parser.add_argument("--framework-res",
                        default="/usr/share/android-framework-res/framework-res.apk")
    parser.add_argument("--work", type=Path, required=True)
    args = parser.parse_args()

    tools, missing = find_tools(args)
    if missing:
        print(f"SKIPPED: the {args.lang} type check needs " + ", ".join(missing)
              + "; scripts/deps.sh installs them.")
        return SKIP

    try:
        table = read_table(args.table)
        expected = read_expected_failures(args.expected)
        texts = collect(args.data, args.samples, table)
    except TableError as e:
        print(f"FAILED: {e}")
        return 1
    by_name = {t.name: t for t in texts}
    packages = sorted({p.parent.relative_to(args.stub_src).as_posix().replace("/", ".")
                       for p in args.stub_src.rglob("*.java")} - {"android"})

    problems = []
    for block in table.blocks:
        matched = any(fnmatch.fnmatchcase(t.name, p) for t in texts for p in block.patterns)
        if not matched and not all(p.startswith("kotlin/") for p in block.patterns):
            problems.append(f"placement.txt:{block.line}: [{' '.join(block.patterns)}] "
                            "names no text")
    for name in expected:
        if name not in by_name:
            problems.append(f"expected_failures.txt names '{name}', which is no text")

    mine = [t for t in texts if t.language == args.lang]
    work = args.work.resolve()
    shutil.rmtree(work, ignore_errors=True)
    sources, errors = [], {}
    try:
        for t in mine:
            try:
                if t.tree is not None:
                    sources += wrap_tree(t, args.data, tools, work)
                else:
                    sources += wrap_text(t, table, packages, by_name, work)
            except TextFailure as e:
                errors[t.name] = [(t.name, Diagnostic(t.name, 0, str(e), []))]
    except TableError as e:
        print(f"FAILED: {e}")
        return 1
    for s in sources:
        s.write()

    diagnostics, loose = compile_all(args.lang, sources, tools, work)
    origin = {str(s.path): s for s in sources}
    for d in diagnostics:
        src = origin.get(str(Path(d.path).resolve())) or origin.get(d.path)
        if src is None or not 0 < d.line <= len(src.origins):
            loose.append(f"{d.path}:{d.line}: {d.summary}")
            continue
        name, where = src.origins[d.line - 1]
        where = where or f"{name} (in the wrapper, line {d.line} of {src.path.name})"
        errors.setdefault(name, []).append((where, d))

    failed = []
    for t in mine:
        mistakes = errors.get(t.name, [])
        reasons = expected.get(t.name, [])
        unexplained = [(w, d) for w, d in mistakes
                       if not any(r in " ".join(d.summary.split()) for r in reasons)]
        unseen = [r for r in reasons
                  if not any(r in " ".join(d.summary.split()) for w, d in mistakes)]
        if unexplained or unseen:
            failed.append(t.name)
            for where, d in unexplained:
                print(f"{where}: error: {d.summary}")
                for line in d.detail[:2]:
                    print(f"    {line}")
            for r in unseen:
                print(f"{t.name}: expected to fail with '{r}', but it did not")
    for line in loose:
        problems.append(f"compiler: {line}")
    for p in problems:
        print(p)

    expected_here = sum(1 for t in mine if t.name in expected)
    print(f"{args.lang}: {len(mine)} texts, {len(mine) - expected_here} must compile, "
          f"{expected_here} fail as expected by name and reason")
    if failed or problems:
        if failed:
            print("FAILED texts: " + ", ".join(failed))
        return 1
    print(f"{args.lang}: every text type-checks as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
