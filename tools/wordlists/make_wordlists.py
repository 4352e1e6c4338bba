#!/usr/bin/python3
"""Generate Tavolk's built-in word lists from SCOWL (Debian's `scowl` package).

Usage (from anywhere; the repository root is found from this file's path):

    /usr/bin/python3 tools/wordlists/make_wordlists.py [--out DIR] [--check]

Writes, into DIR (default: <repo>/resources/words/):

    words3.dat words4.dat words5.dat words6.dat
        The words of that length in UPPER CASE (bytes A-Z only), concatenated
        with no separator, header or newline, in strictly ascending byte order.
        File size == count * length.
    SOURCES.md
        Provenance, selection rule, per-level counts and the SCOWL copyright
        and permission notice (copied verbatim from the package's copyright
        file, as SCOWL's licence requires).

--check regenerates into a temporary folder and exits 0 only if every file is
byte-identical to the committed one; otherwise it prints what differs and
exits 1.

Selection rule (per word length)
--------------------------------
1. Source files: /usr/share/dict/scowl/english-words.<L> and
   american-words.<L> (words common to all spellings plus the American
   spelling category), for the SCOWL size levels L in LEVELS, smallest first.
   Not used: british/canadian/australian-* (other national spellings; mixing
   them would accept e.g. both COLOR and COLOUR), variant_* (less common
   alternative spellings), *-upper, *-proper-names, *-abbreviations and
   *-contractions (capitalised words, names, abbreviations and apostrophes,
   which are excluded anyway), special-* (hacker jargon, roman numerals).
2. A line qualifies only if it is entirely lower-case ASCII a-z (this drops
   proper nouns, capitals, abbreviations, possessives/apostrophes, accented
   letters and hyphenated entries). Files are read as bytes and decoded as
   latin-1, which never fails; any non-ASCII byte makes the line fail the
   a-z test whatever the real encoding (Debian ships some files as UTF-8).
3. ANCHORS are always included (first and last word of each list, ACE, and the
   words the game relies on). Words that sort before the first anchor or after
   the last anchor are dropped, and for 3 letters also the words strictly
   between ABS and ACE, so ABS, ACE are the first two words.
4. Words in tools/wordlists/blocklist.txt (offensive words) and in NOT_WORDS
   below (lower-case abbreviations and symbols in SCOWL, and SATL) are
   dropped before filling, so the counts stay exact.
5. Filling: starting from the anchors, take every remaining word of level 10,
   then 20, 35, ... until the target count is reached. At the level that would
   overshoot, the words new at that level are ordered by the SHA-256 digest of
   the lower-case ASCII word (hex ascending; the word itself breaks the
   practically impossible tie) and the first ones are taken. This rule is
   stable and does not favour any part of the alphabet.
6. The result is sorted by byte value and written in upper case.

Nothing here depends on the hash seed, locale, time, set iteration order or
directory listing order: every collection is sorted before it is used.
"""

import argparse
import hashlib
import os
import re
import subprocess
import sys
import tempfile

SCOWL_DIR = "/usr/share/dict/scowl"
SCOWL_COPYRIGHT = "/usr/share/doc/scowl/copyright"
CATEGORIES = ("english-words", "american-words")
LEVELS = ("10", "20", "35", "40", "50", "55", "60", "70", "80", "95")

# length -> (target count, first word, last word)
TARGETS = {
    3: (647, "abs", "zoo"),
    4: (2557, "abbe", "zoos"),
    5: (5147, "abaci", "zooms"),
    6: (8332, "abacus", "zygote"),
}

# Words that must be in the lists even if the SCOWL levels taken lack them.
ANCHORS = sorted(
    {w for (_, first, last) in TARGETS.values() for w in (first, last)}
    | {"ace"}
    | {"note", "last", "rain", "dog", "tone", "salt", "god"}
)

# Entries that are not words: SATL (guarded explicitly), and abbreviations or
# function symbols that SCOWL's word files list in lower case. Removed before
# filling, like the blocklist (which is only for offensive words).
NOT_WORDS = (
    "amu",   # atomic mass unit
    "csc",   # cosecant
    "csch",  # hyperbolic cosecant
    "dkl",   # decalitre
    "emfs",  # electromotive forces
    "ert",   # not an English word
    "hhd",   # hogshead
    "kcal",  # kilocalorie
    "mkay",  # spelling of "OK"
    "psia",  # pounds per square inch absolute
    "psid",  # pounds per square inch differential
    "satl",  # not a word
    "sech",  # hyperbolic secant
    "sinh",  # hyperbolic sine
    "tanh",  # hyperbolic tangent
)

# 3-letter words strictly between these two are left out so ACE follows ABS.
GAP_3 = ("abs", "ace")

WORD_RE = re.compile(r"[a-z]+")

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_OUT = os.path.join(REPO_ROOT, "resources", "words")
BLOCKLIST = os.path.join(REPO_ROOT, "tools", "wordlists", "blocklist.txt")
OUTPUT_NAMES = tuple("words%d.dat" % n for n in sorted(TARGETS)) + ("SOURCES.md",)


def die(msg):
    sys.stderr.write("make_wordlists: error: %s\n" % msg)
    sys.exit(2)


def read_scowl_file(path):
    """Return the sorted list of qualifying (all a-z) words in one SCOWL file."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        die("cannot read %s: %s (is Debian's scowl package installed?)" % (path, e))
    words = set()
    for raw in data.decode("latin-1").splitlines():
        w = raw.strip()
        if WORD_RE.fullmatch(w):
            words.add(w)
    return sorted(words)


def load_levels(scowl_dir):
    """Return [(level, sorted list of words first appearing at that level)]."""
    seen = set()
    out = []
    for level in LEVELS:
        here = set()
        for cat in CATEGORIES:
            here.update(read_scowl_file(os.path.join(scowl_dir, "%s.%s" % (cat, level))))
        new = sorted(here - seen)
        seen.update(new)
        out.append((level, new))
    return out


def load_blocklist(path):
    words = set()
    try:
        with open(path, "r", encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as e:
        die("cannot read blocklist %s: %s" % (path, e))
    for i, line in enumerate(lines, 1):
        s = line.strip()
        if not s or s.startswith("#"):
            continue
        if not WORD_RE.fullmatch(s):
            die("%s:%d: not a lower-case a-z word: %r" % (path, i, s))
        words.add(s)
    return words


def tie_key(word):
    return (hashlib.sha256(word.encode("ascii")).hexdigest(), word)


def in_range(word, n):
    _, first, last = TARGETS[n]
    if word < first or word > last:
        return False
    if n == 3 and GAP_3[0] < word < GAP_3[1]:
        return False
    return True


def select(n, levels, blocked):
    """Select the words of length n (sorted). blocked: words to leave out."""
    target = TARGETS[n][0]
    anchors = [w for w in ANCHORS if len(w) == n]
    for w in anchors:
        if w in blocked:
            die("anchor %r is in the blocklist" % w)
        if not in_range(w, n):
            die("anchor %r is outside the range of the %d-letter list" % (w, n))
    chosen = set(anchors)
    if len(chosen) > target:
        die("more anchors than the target for length %d" % n)
    for level, new in levels:
        if len(chosen) == target:
            break
        cand = [w for w in new
                if len(w) == n and w not in chosen and w not in blocked and in_range(w, n)]
        room = target - len(chosen)
        if len(cand) > room:
            cand = sorted(cand, key=tie_key)[:room]
        chosen.update(cand)
    if len(chosen) != target:
        die("only %d words of length %d available, need %d" % (len(chosen), n, target))
    for w in NOT_WORDS:
        if w in chosen:
            die("non-word %r selected" % w)
    return sorted(chosen)


def source_level(levels):
    """word -> lowest SCOWL level (of the categories used) that has it."""
    where = {}
    for level, new in levels:
        for w in new:
            where[w] = level
    return where


def level_counts(words, where):
    counts = {}
    for w in words:
        key = where.get(w, "added")
        counts[key] = counts.get(key, 0) + 1
    order = [lv for lv in LEVELS if lv in counts] + (["added"] if "added" in counts else [])
    return [(k, counts[k]) for k in order]


def encode_list(words, n):
    data = "".join(words).upper().encode("ascii")
    assert len(data) == n * len(words)
    assert all(0x41 <= b <= 0x5A for b in data)
    assert all(a < b for a, b in zip(words, words[1:]))
    return data


def scowl_version():
    try:
        r = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "scowl"],
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           env={"PATH": "/usr/bin:/bin", "LC_ALL": "C"})
    except OSError as e:
        die("cannot run dpkg-query: %s" % e)
    v = r.stdout.decode("ascii", "replace").strip()
    if r.returncode != 0 or not v:
        die("cannot find the version of the scowl package (dpkg-query failed)")
    return v


def sources_md(version, report, n_blocked, copyright_text):
    L = []
    L.append("# Word lists: sources and licence")
    L.append("")
    L.append("The files `words3.dat`, `words4.dat`, `words5.dat` and `words6.dat` in this")
    L.append("folder are generated by `tools/wordlists/make_wordlists.py` from SCOWL")
    L.append("(Spell Checker Oriented Word Lists, by Kevin Atkinson,")
    L.append("http://wordlist.sourceforge.net/), as shipped by Debian's `scowl` package,")
    L.append("version `%s` (files in `%s/`)." % (version, SCOWL_DIR))
    L.append("Do not edit them by hand; regenerate them and check them with:")
    L.append("")
    L.append("    /usr/bin/python3 tools/wordlists/make_wordlists.py")
    L.append("    /usr/bin/python3 tools/wordlists/make_wordlists.py --check")
    L.append("")
    L.append("## Format")
    L.append("")
    L.append("Each file holds the words of one length in upper case (bytes `A`-`Z`),")
    L.append("concatenated with no separator, header or newline, in strictly ascending")
    L.append("byte order; file size = number of words x word length.")
    L.append("")
    L.append("## Selection")
    L.append("")
    L.append("- Source files: `english-words.<level>` and `american-words.<level>` (words")
    L.append("  common to all spellings plus the American spelling category). Other")
    L.append("  national spellings, `variant_*` (rarer alternative spellings), names,")
    L.append("  upper-case words, abbreviations, contractions and `special-*` lists are")
    L.append("  not used.")
    L.append("- Only entries made entirely of lower-case `a`-`z` are kept (no proper")
    L.append("  nouns, capitals, abbreviations, apostrophes, accents or hyphens).")
    L.append("- Words that are offensive or unfit for a game for all ages are left out;")
    L.append("  they are listed in `tools/wordlists/blocklist.txt` (%d words)." % n_blocked)
    L.append("  A few lower-case abbreviations and symbols that SCOWL lists as words")
    L.append("  (such as `csc`, `kcal`, `tanh`) are left out as well. Both happen")
    L.append("  before filling, so the counts are exact.")
    L.append("- A few anchor words are always included: each list's first and last")
    L.append("  word, ACE (the second 3-letter word), and NOTE, LAST, RAIN, DOG, TONE,")
    L.append("  SALT, GOD. Words sorting before the first or after the last word, and")
    L.append("  3-letter words between ABS and ACE, are left out.")
    L.append("- The lists are filled level by level, smallest (most common) SCOWL size")
    L.append("  first: 10, 20, 35, 40, 50, 55, 60, 70, then larger only if needed. At the")
    L.append("  level that would overshoot the target count, its words are ordered by")
    L.append("  the SHA-256 digest of the lower-case word (hex, ascending) and the first")
    L.append("  ones are taken, a stable rule that favours no part of the alphabet.")
    L.append("")
    L.append("Words per list by the smallest SCOWL level that contains them")
    L.append("(\"added\" = anchor word not among SCOWL's lower-case english/american words):")
    L.append("")
    L.append("| file | words | first | last | by level |")
    L.append("|---|---|---|---|---|")
    for n, words, counts in report:
        by = ", ".join("%s: %d" % (k, c) for k, c in counts)
        L.append("| words%d.dat | %d | %s | %s | %s |"
                 % (n, len(words), words[0].upper(), words[-1].upper(), by))
    L.append("")
    L.append("## SCOWL copyright and permission notice")
    L.append("")
    L.append("SCOWL's licence requires its copyright notice and permission notice to")
    L.append("appear with copies of the word lists. The following is the complete text")
    L.append("of `%s` from the Debian package, copied verbatim:" % SCOWL_COPYRIGHT)
    L.append("")
    L.append("```text")
    text = "\n".join(L) + "\n" + copyright_text.rstrip("\n") + "\n```\n"
    return text.encode("utf-8")


def generate(out_dir, scowl_dir, quiet=False):
    levels = load_levels(scowl_dir)
    offensive = load_blocklist(BLOCKLIST)
    blocked = offensive | set(NOT_WORDS)
    where = source_level(levels)
    try:
        with open(SCOWL_COPYRIGHT, "rb") as f:
            copyright_text = f.read().decode("utf-8")
    except OSError as e:
        die("cannot read %s: %s" % (SCOWL_COPYRIGHT, e))
    files = {}
    report = []
    for n in sorted(TARGETS):
        words = select(n, levels, blocked)
        counts = level_counts(words, where)
        report.append((n, words, counts))
        files["words%d.dat" % n] = encode_list(words, n)
        if not quiet:
            print("words%d.dat: %d words, %s .. %s; by SCOWL level: %s"
                  % (n, len(words), words[0].upper(), words[-1].upper(),
                     ", ".join("%s=%d" % kc for kc in counts)))
    files["SOURCES.md"] = sources_md(scowl_version(), report, len(offensive), copyright_text)
    os.makedirs(out_dir, exist_ok=True)
    for name in OUTPUT_NAMES:
        tmp = os.path.join(out_dir, name + ".tmp")
        with open(tmp, "wb") as f:
            f.write(files[name])
        os.replace(tmp, os.path.join(out_dir, name))
    return files


def describe_dat_diff(name, old, new):
    n = int(name[len("words"):-len(".dat")])
    def split(b):
        return set(b[i:i + n].decode("ascii", "replace") for i in range(0, len(b), n))
    o, w = split(old), split(new)
    lines = ["  %s: committed %d bytes, generated %d bytes" % (name, len(old), len(new))]
    gone, added = sorted(o - w), sorted(w - o)
    if gone:
        lines.append("    only in committed: %s%s" % (" ".join(gone[:40]), " ..." if len(gone) > 40 else ""))
    if added:
        lines.append("    only in generated: %s%s" % (" ".join(added[:40]), " ..." if len(added) > 40 else ""))
    if not gone and not added:
        lines.append("    same words, different bytes (order or framing)")
    return lines


def check(out_dir, scowl_dir):
    with tempfile.TemporaryDirectory(prefix="tavolk-words-") as tmp:
        fresh = generate(tmp, scowl_dir, quiet=True)
    bad = []
    for name in OUTPUT_NAMES:
        path = os.path.join(out_dir, name)
        try:
            with open(path, "rb") as f:
                old = f.read()
        except OSError:
            bad.append("  %s: missing in %s" % (name, out_dir))
            continue
        if old != fresh[name]:
            if name.endswith(".dat"):
                bad.extend(describe_dat_diff(name, old, fresh[name]))
            else:
                bad.append("  %s: differs (committed %d bytes, generated %d bytes)"
                           % (name, len(old), len(fresh[name])))
    if bad:
        print("make_wordlists --check: committed files differ from a fresh generation:")
        print("\n".join(bad))
        print("Regenerate with: /usr/bin/python3 tools/wordlists/make_wordlists.py")
        return 1
    print("make_wordlists --check: %s is up to date (%d files)" % (out_dir, len(OUTPUT_NAMES)))
    return 0


def main():
    ap = argparse.ArgumentParser(description="Generate Tavolk's word lists from SCOWL.")
    ap.add_argument("--out", default=DEFAULT_OUT,
                    help="output folder (default: resources/words/ in the repository)")
    ap.add_argument("--check", action="store_true",
                    help="regenerate into a temporary folder and compare with --out")
    ap.add_argument("--scowl-dir", default=SCOWL_DIR, help=argparse.SUPPRESS)
    args = ap.parse_args()
    if args.check:
        return check(args.out, args.scowl_dir)
    generate(args.out, args.scowl_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
