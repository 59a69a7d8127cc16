"""Faults nobody chose: every fault one operator of a fixed set can make in a
line of the product changed since a revision (C++, the page's script, style
and markup; never tests, data or docs), each with the suite its folder's
tests live in. tests/mutants.py --random draws from them."""
import re
import subprocess
from dataclasses import dataclass

PRODUCT = ("toolkit/", "calc/", "analysis/", "info/", "form/", "report/", "app/", "web/",
           "tools/")
KINDS = (".cpp", ".h", ".js", ".css", ".html", ".in")
BROWSER = ("browser", "calculator.test.mjs,phone.test.mjs,reach.test.mjs,morning.test.mjs")


def suite_of(path):
    if path.startswith("web/"):
        return BROWSER
    if path.startswith("app/"):
        return ("gui",)
    return ("native",)


@dataclass
class Fault:
    file: str
    line: int
    operator: str
    old: str
    new: str
    suite: tuple

    def key(self):
        new = self.new.strip() if self.operator != "remove" else "(removed)"
        return f"{self.file} {self.operator}: {self.old.strip()} => {new}"

    def __str__(self):
        shown = self.new.strip() if self.operator != "remove" else f"(removed) {self.old.strip()}"
        return f"{self.file}:{self.line} {self.operator}: {shown[:90]}"


COMPARISON = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
              "===": "!==", "!==": "==="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*"}
RETURNS = {"true": "false", "false": "true", "0": "1", "1": "0"}


def first(pattern, line):
    return re.search(pattern, line)


def replaced(line, match, text, group=0):
    return line[:match.start(group)] + text + line[match.end(group):]


def negated(line):
    at = line.find("if (")
    if at < 0:
        return None
    depth, start = 0, at + 3
    for i in range(start, len(line)):
        depth += {"(": 1, ")": -1}.get(line[i], 0)
        if depth == 0:
            return line[:start + 1] + "!(" + line[start + 1:i] + ")" + line[i:]
    return None


def mutations(path, line):
    """(operator, new line) for each operator that applies to the line."""
    out = []
    m = first(r"(?<=\s)(===|!==|==|!=|<=|>=|<|>)(?=\s)", line)
    if m:
        out.append(("comparison", replaced(line, m, COMPARISON[m.group(1)], 1)))
    m = first(r"(?<=\s)([-+*/])(?=\s)", line)
    if m:
        out.append(("arithmetic", replaced(line, m, ARITHMETIC[m.group(1)], 1)))
    m = first(r"(?<![\w.#%-])(\d+(?:\.\d+)?)(?![\w.%])", line)
    if m:
        number = m.group(1)
        changed = str(int(number) + 1) if "." not in number else f"{float(number) * 10:g}"
        out.append(("literal", replaced(line, m, changed, 1)))
    if (n := negated(line)) is not None:
        out.append(("negate", n))
    if line.rstrip().endswith(";") and not path.endswith(".css"):
        out.append(("remove", ""))
    m = first(r'"((?:[^"\\]|\\.)+)"', line)
    if m and not path.endswith((".css", ".html")):
        text = m.group(1)
        changed = ("X" if text[0] != "X" else "Y") + text[1:]
        out.append(("string", replaced(line, m, changed, 1)))
    if path.endswith((".html", ".js", ".css")):
        m = first(r'(?:\bid="|getElementById\("|#)([A-Za-z][\w-]*)', line)
        if m:
            out.append(("id", replaced(line, m, m.group(1) + "x", 1)))
        m = first(r"\s(aria-[a-z]+|for|role|hidden|data-[a-z-]+)=", line)
        if m:
            out.append(("attribute", replaced(line, m, m.group(1) + "x", 1)))
    m = first(r"\breturn (true|false|0|1);", line)
    if m:
        out.append(("return", replaced(line, m, RETURNS[m.group(1)], 1)))
    return out


def changed_lines(root, since):
    """(file, line number, text) for each line added or changed since `since`."""
    diff = subprocess.run(["git", "diff", "-U0", "--no-color", since, "--", *PRODUCT],
                          cwd=root, capture_output=True, text=True, check=True).stdout
    path, number = None, 0
    for text in diff.splitlines():
        if text.startswith("+++ "):
            path = text[6:] if text.startswith("+++ b/") else None
            if path and (path.startswith("web/test/") or not path.endswith(KINDS)):
                path = None
        elif text.startswith("@@"):
            number = int(re.search(r"\+(\d+)", text).group(1))
        elif text.startswith("+") and path:
            yield path, number, text[1:]
            number += 1


def candidates(root, since):
    faults = []
    for path, number, text in changed_lines(root, since):
        stripped = text.strip()
        if not stripped or stripped.startswith(("//", "/*", "*", "#include", "<!--")):
            continue
        for operator, new in mutations(path, text):
            faults.append(Fault(path, number, operator, text, new, suite_of(path)))
    return faults


def equivalent(path):
    """The keys of faults judged equivalent: `key  # reason` a line."""
    keys = set()
    if path.exists():
        for line in path.read_text().splitlines():
            if line.strip() and not line.startswith("#"):
                keys.add(line.split("  # ", 1)[0].strip())
    return keys


def drawn(faults, rng):
    """The faults in the order they are drawn: a changed line at random, then
    one of the operators that apply to it at random."""
    lines = {}
    for fault in faults:
        lines.setdefault((fault.file, fault.line), []).append(fault)
    order = list(lines.values())
    rng.shuffle(order)
    return [rng.choice(group) for group in order]
