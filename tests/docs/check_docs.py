"""Checks the README and the documents in docs/ against the tree they describe.

  check_docs.py SOURCE_DIR BUILD_DIR

- Every relative link leads to a file, and its #anchor to a heading there.
- Every path of the source tree named in code (`scripts/soak.sh`) exists, and
  so does every file of the build tree (`build/trevosk-match`).
- Every ```sh and ```python example runs with status 0, in order, in a
  scratch folder per document where build/ is the build tree and the source
  tree's folders are at hand. An example preceded by the line
  <!-- not run: REASON --> is skipped; the reason says why (a display, the
  network, root, minutes) and what covers it instead.
- A block preceded by <!-- session: PROGRAM --> is a protocol session: its
  lines "> COMMAND" are sent to PROGRAM, and its replies must be the other
  lines, exactly.
- The README stays short: at most 300 lines.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile

SOURCE, BUILD = (os.path.abspath(p) for p in sys.argv[1:3])
README_MAX_LINES = 300
EXAMPLE_TIMEOUT = 120

failures = []


def fail(doc, line, message):
    failures.append(f"{os.path.relpath(doc, SOURCE)}:{line}: {message}")


def slug(heading):
    """The anchor a heading gets on the usual Markdown hosts."""
    text = re.sub(r"[`*_]", "", heading.strip().lower())
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def headings(path):
    with open(path, encoding="utf-8") as f:
        return {slug(m.group(1)) for m in re.finditer(r"^#+ (.*)$", strip_fences(f.read()), re.M)}


def strip_fences(text):
    """The text with the inside of fenced blocks blanked (lines kept)."""
    out, inside = [], False
    for line in text.split("\n"):
        if line.startswith("```"):
            inside = not inside
            out.append("")
        else:
            out.append("" if inside else line)
    return "\n".join(out)


def check_links(doc, prose):
    for number, line in enumerate(prose.split("\n"), 1):
        for target in re.findall(r"\]\(([^)\s]+)\)", line):
            if re.match(r"[a-z]+:", target):
                continue
            path, _, anchor = target.partition("#")
            full = os.path.normpath(os.path.join(os.path.dirname(doc), path)) if path else doc
            if not os.path.exists(full):
                fail(doc, number, f"link to a missing file: {target}")
            elif anchor and (not full.endswith(".md") or anchor not in headings(full)):
                fail(doc, number, f"link to a missing heading: {target}")


# Paths named in code spans: the source tree's folders, and build/ for the
# build tree. Words in capitals (TARGET, FOLDER) are placeholders.
PATH_IN_CODE = re.compile(
    r"(?<![\w/.-])((?:build|scripts|tests|dist|docs|src|fuzz|bench|tools|app)/[\w./*-]*)")


def check_paths(doc, prose):
    for number, line in enumerate(prose.split("\n"), 1):
        for span in re.findall(r"`([^`]+)`", line):
            for path in PATH_IN_CODE.findall(span):
                if re.search(r"[A-Z]{3,}", path):
                    continue
                if path.startswith("build/"):
                    if path.endswith("/"):  # a folder a script makes
                        continue
                    full = os.path.join(BUILD, path[len("build/"):])
                else:
                    full = os.path.join(SOURCE, path)
                if not glob.glob(full):
                    fail(doc, number, f"names a missing path: {path}")


def blocks(doc, text):
    """(line, info, marker, body) of every fenced block."""
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        if lines[i].startswith("```"):
            info = lines[i][3:].strip()
            marker = lines[i - 1].strip() if i > 0 else ""
            j = i + 1
            while j < len(lines) and not lines[j].startswith("```"):
                j += 1
            yield i + 1, info, marker, "\n".join(lines[i + 1:j]) + "\n"
            i = j
        i += 1


def scratch_folder():
    folder = tempfile.mkdtemp(prefix="docs-")
    os.symlink(BUILD, os.path.join(folder, "build"))
    for entry in os.listdir(SOURCE):
        if entry not in ("build", ".git") and not entry.startswith("build-"):
            os.symlink(os.path.join(SOURCE, entry), os.path.join(folder, entry))
    return folder


def run(doc, line, command, cwd, stdin=None):
    try:
        done = subprocess.run(command, cwd=cwd, input=stdin if stdin is not None else "",
                              capture_output=True, text=True, timeout=EXAMPLE_TIMEOUT)
    except subprocess.TimeoutExpired:
        fail(doc, line, f"example still running after {EXAMPLE_TIMEOUT} s")
        return None
    if done.returncode != 0:
        fail(doc, line, f"example ended with status {done.returncode}:\n"
             f"{done.stdout[-2000:]}{done.stderr[-2000:]}")
        return None
    return done.stdout


def check_session(doc, line, program, body, cwd):
    commands = [l[2:] for l in body.split("\n") if l.startswith("> ")]
    expected = "".join(l + "\n" for l in body.split("\n")[:-1] if not l.startswith("> "))
    replies = run(doc, line, [os.path.join(cwd, program)], cwd, "\n".join(commands) + "\n")
    # The block leaves out the empty line of the reply to the last command.
    if replies is not None and replies.rstrip("\n") != expected.rstrip("\n"):
        fail(doc, line, f"the session's replies differ:\n{replies}")


def check_examples(doc, text):
    ran = skipped = 0
    cwd = scratch_folder()
    for line, info, marker, body in blocks(doc, text):
        session = re.fullmatch(r"<!-- session: (\S+) -->", marker)
        if session:
            check_session(doc, line, session.group(1), body, cwd)
            ran += 1
            continue
        if info not in ("sh", "python"):
            continue
        if re.fullmatch(r"<!-- not run: .+ -->", marker):
            skipped += 1
            continue
        command = ["bash", "-e", "-o", "pipefail", "-c", body] if info == "sh" else \
            ["/usr/bin/python3", "-c", body]
        run(doc, line, command, cwd)
        ran += 1
    subprocess.run(["rm", "-rf", cwd], check=True)
    return ran, skipped


def main():
    docs = [os.path.join(SOURCE, "README.md")] + sorted(
        os.path.join(SOURCE, "docs", f) for f in os.listdir(os.path.join(SOURCE, "docs"))
        if f.endswith(".md"))
    ran = skipped = 0
    for doc in docs:
        with open(doc, encoding="utf-8") as f:
            text = f.read()
        prose = strip_fences(text)
        check_links(doc, prose)
        check_paths(doc, prose)
        r, s = check_examples(doc, text)
        ran, skipped = ran + r, skipped + s
    readme_lines = open(docs[0], encoding="utf-8").read().count("\n")
    if readme_lines > README_MAX_LINES:
        fail(docs[0], readme_lines, f"{readme_lines} lines, more than {README_MAX_LINES}")
    print(f"{len(docs)} documents, {ran} examples run, {skipped} not run (marked)")
    for f in failures:
        print("FAIL", f)
    return 1 if failures else 0


sys.exit(main())
