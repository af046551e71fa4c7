#!/usr/bin/python3
"""Measures what `quirel-mkdata book` makes of one PDF against poppler's own
text of it, as a reader would hold them side by side.

Usage: book_quality.py TOOL NAME PDF WORK_DIR [--html FILE]... [-- BOOK_OPTIONS]
       book_quality.py --table FIGURES.json...
The first prints one JSON line with the figures of the book, the second the
table of bench/RESULTS.md from such lines, and the examples of each fault.

Everything this script knows of a page it reads for itself: the words from
`pdftotext -raw`, their places from `pdftotext -bbox-layout`, the page labels and the outline
through poppler's GLib binding (python3-gi), running heads and footers by
their place on the page. It shares no rule with the tool, so that it can
find the tool's faults.
"""
import collections
import itertools
import json
import random
import resource
import re
import subprocess
import sys
import time
import unicodedata
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Poppler", "0.18")
from gi.repository import Poppler  # noqa: E402

SAMPLED_PAGES = 40
TIMING_ROUNDS = 5
KEY_LETTERS = set("abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789")
UMLAUTS = set("äöüÄÖÜß")
MARKS = set("-/'\u2019")
NS = "{http://www.w3.org/1999/xhtml}"
BOOK_PAGES = {"index", "stichwortverzeichnis", "register", "inhaltsverzeichnis", "inhalt", "contents",
              "table of contents"}


def nfc(text):
    """The text as a reader reads it: composed characters, ligatures written
    out, soft hyphens gone."""
    text = unicodedata.normalize("NFC", text)
    for ligature in "\ufb00\ufb01\ufb02\ufb03\ufb04\ufb05\ufb06":
        text = text.replace(ligature, unicodedata.normalize("NFKC", ligature))
    return text.replace("\u2010", "-").replace("\u2011", "-")


def words_of(text):
    """The words a reader would look for in a line: runs of letters and
    digits with the inner marks - / ', without leading marks or trailing
    / and '. A run holding a letter outside the German alphabet yields
    nothing, nor does one shorter than 2 or longer than 40."""
    found = []
    for run in re.split(r"[^\w\-/'\u2019]+|_", text):
        run = run.replace("\u2019", "'").lstrip("-/'").rstrip("/'")
        if 2 <= len(run) <= 40 and all(c in KEY_LETTERS or c in MARKS for c in run):
            found.append(run)
    return found


class Line:
    def __init__(self, element):
        self.top = float(element.get("yMin"))
        self.bottom = float(element.get("yMax"))
        self.text = nfc(" ".join(w.text or "" for w in element.iter(NS + "word")))


def read_bbox_pages(pdf):
    """Each page's lines with their places, from pdftotext -bbox-layout, in
    its reading order (a table's cell keeps its lines together)."""
    raw = subprocess.run(["pdftotext", "-bbox-layout", "-enc", "UTF-8", pdf, "-"], check=True,
                         capture_output=True).stdout.decode("utf-8", "replace")
    raw = re.sub(r"[\x00-\x08\x0b\x0c\x0e-\x1f]", " ", raw)
    root = ElementTree.fromstring(raw)
    return [[Line(l) for l in page.iter(NS + "line")] for page in root.iter(NS + "page")]


def masked(text):
    return re.sub(r"[0-9]+", "#", re.sub(r"\b[ivxlcIVXLC]+\b", "#", text)).strip()


def edge_bands(lines):
    """A page's top and bottom band: the lines level with its first line and
    those level with its last one."""
    if not lines:
        return [], []
    first, last = min(lines, key=lambda l: l.top), max(lines, key=lambda l: l.bottom)
    top = [l for l in lines if abs(l.top - first.top) < 2]
    bottom = [l for l in lines if abs(l.bottom - last.bottom) < 2 and l not in top]
    return top, bottom


def gap_around(band, lines):
    """The room between a band and the nearest line outside it."""
    others = [l for l in lines if l not in band]
    top, bottom = min(l.top for l in band), max(l.bottom for l in band)
    gaps = [max(l.top - bottom, top - l.bottom) for l in others]
    return min(gaps) if gaps else 0


def runs_over_pages(on):
    """Three pages near each other (a chapter's pages, every one or every
    other), not a chapter opener's label that comes back now and then."""
    return any(on[i + 2] - on[i] <= 4 for i in range(len(on) - 2))


def running_lines(pages):
    """Per page, the lines of its running head and footer: a band at the top
    or foot, set apart from the text by a gap of most of a line, one of whose
    lines recurs in that place on three pages or more with its digits and
    roman numbers masked (a chapter's head within the chapter, a book's on
    every page, a page number)."""
    apart = []
    shapes = {}
    for number, lines in enumerate(pages):
        bands = [(where, band) for where, band in zip("tb", edge_bands(lines))
                 if band and gap_around(band, lines) >= 0.8 * min(l.bottom - l.top for l in band)]
        apart.append(bands)
        for where, band in bands:
            for line in band:
                shapes.setdefault((where, round(line.top), masked(line.text)), set()).add(number)
    recurring = {key for key, on in shapes.items() if runs_over_pages(sorted(on))}
    running = []
    for bands in apart:
        found = set()
        for where, band in bands:
            if any((where, round(l.top), masked(l.text)) in recurring for l in band):
                found.update(id(l) for l in band)
        running.append(found)
    return running


def read_raw_pages(pdf):
    """Each page's lines in the order the PDF sets its text (pdftotext -raw),
    as poppler reads a page for a search."""
    raw = subprocess.run(["pdftotext", "-raw", "-enc", "UTF-8", pdf, "-"], check=True,
                         capture_output=True).stdout.decode("utf-8", "replace")
    return [[nfc(line) for line in page.split("\n")] for page in raw.split("\f")]


class PageText:
    """A page's words as a reader finds them: the body's, and those of its
    running head and footer apart. The words are poppler's own text of the
    page; a line that is one of the running lines found by their places, or
    two or three of them side by side, is the head's or the footer's."""

    def __init__(self, raw_lines, bbox_lines, running):
        pieces = collections.Counter(" ".join(l.text.split()) for l in bbox_lines if id(l) in running)
        self.edge_words = {w.lower() for piece in pieces for w in words_of(piece)}
        lines = [" ".join(line.split()) for line in raw_lines if line.strip()]
        edge = set()
        for n in (3, 2, 1):  # a line of several running lines side by side first
            for i, line in enumerate(lines):
                taken = i not in edge and self.take(line, pieces, n)
                if taken:
                    edge.add(i)
        self.body_lines = [line for i, line in enumerate(lines) if i not in edge]
        self.words = {w.lower() for l in self.body_lines for w in words_of(l)}
        self.text = " ".join(" ".join(self.body_lines).split())
        self.plain = []  # words away from a line-end hyphen: a sure sample
        for i, line in enumerate(self.body_lines):
            line_words = words_of(line)
            if not line_words:
                continue
            divided_here = line.rstrip().endswith(("-", "\u00ad"))
            divided_before = i > 0 and self.body_lines[i - 1].rstrip().endswith(("-", "\u00ad"))
            keep = line_words[1 if divided_before else 0: -1 if divided_here else None]
            self.plain.extend(keep)
            if divided_here and i + 1 < len(self.body_lines):
                self.add_division(line, self.body_lines[i + 1])

    @staticmethod
    def take(line, pieces, n):
        """Whether the line is n of the running lines, which are then used."""
        available = [p for p in pieces if pieces[p] > 0][:8]
        for joined in itertools.permutations(available, n):
            if " ".join(joined) == line:
                pieces.subtract(joined)
                return True
        return False

    def add_division(self, line, next_line):
        """A word divided at a line end may be indexed whole, with its
        hyphen or without."""
        head = words_of(line)
        rest = words_of(next_line)
        if head and rest:
            stem = head[-1].rstrip("-\u00ad")
            self.words.update({(stem + rest[0]).lower(), (stem + "-" + rest[0]).lower()})


def outline_of(document):
    """The outline's entries to the third level: (depth, title, PDF page)."""
    entries = []

    def walk(iterator, depth):
        while True:
            action = iterator.get_action()
            if action.type == Poppler.ActionType.GOTO_DEST:
                dest = action.goto_dest.dest
                if dest.type == Poppler.DestType.NAMED:
                    dest = document.find_dest(dest.named_dest)
                if dest is not None and depth <= 3:
                    entries.append((depth, nfc(action.goto_dest.title or ""), dest.page_num))
            child = iterator.get_child()
            if child is not None:
                walk(child, depth + 1)
            if not iterator.next():
                break

    try:
        walk(Poppler.IndexIter.new(document), 1)
    except TypeError:  # no outline
        pass
    return entries


def is_contents_page(lines):
    entries = sum(1 for l in lines if re.search(r"(\.\s*){3,}\s*[0-9ivxlc]+$", l.text))
    return entries >= 5 and 2 * entries >= len(lines)


def body_pages(document, pages, outline):
    """The PDF pages (1-based) a reader expects in the index: from the first
    chapter on, without pages whose labels are no page number (roman, "T-1")
    where most are, without the book's own contents and index (top-level
    outline entries so named) and without pages of dot-leader entries."""
    count = len(pages)
    left_out = set()
    top = [e for e in outline if e[0] == 1]
    for i, (depth, title, page) in enumerate(top):
        if title.strip().lower() in BOOK_PAGES:
            end = next((p for _, _, p in top[i + 1:] if p > page), count + 1)
            left_out.update(range(page, end))
    chapters = [p for d, t, p in top if t.strip().lower() not in BOOK_PAGES]
    first = min(chapters) if chapters else 1
    labels = [document.get_page(n).get_label() or "" for n in range(count)]
    numbered = sum(1 for label in labels if re.fullmatch(r"[0-9]*", label))
    chosen = []
    for number in range(first, count + 1):
        label = labels[number - 1]
        if (2 * numbered >= count and not re.fullmatch(r"[0-9]*", label)) or number in left_out:
            continue
        if is_contents_page(pages[number - 1]) or not pages[number - 1]:
            continue
        chosen.append(number)
    return chosen


def read_tool_output(directory):
    words = {}
    with open(directory + "/words.tsv", encoding="utf-8") as f:
        for line in f:
            word, pages = line.rstrip("\n").split("\t")
            words[word.lower()] = [int(p) for p in pages.split(",")]
    headings = []
    with open(directory + "/headings.tsv", encoding="utf-8") as f:
        for line in f:
            page, level, title = line.rstrip("\n").split("\t")
            headings.append((int(page), int(level), title))
    runs = []
    with open(directory + "/book.txt", encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "pages":
                runs.append(tuple(int(x) for x in fields[1:]))
    return words, headings, runs


def pdf_page_of(runs, printed):
    """The PDF page a double-click on printed page N opens: the run that
    begins last at or before N, as the program looks it up."""
    before = None
    for run in runs:
        if run[0] <= printed and (before is None or run[0] > before[0]):
            before = run
    return printed if before is None else max(1, before[2] + printed - before[0])


def best_time(command):
    """The best wall time and the best processor time (all threads) of a
    command over the rounds: on a shared machine the second is the steadier."""
    best, best_cpu = None, None
    for _ in range(TIMING_ROUNDS):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        done = subprocess.run(command, capture_output=True)
        elapsed = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
        best = elapsed if best is None else min(best, elapsed)
        best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    return (best, best_cpu), done


def share(hits, total):
    return None if total == 0 else 100.0 * hits / total


def recall(texts, body, words, runs, rng):
    """Of the body words of sampled pages, the share found with their page."""
    sample = sorted(rng.sample(body, min(SAMPLED_PAGES, len(body))))
    counts = {"all": [0, 0], "umlaut": [0, 0]}
    missed = {}
    for pdf_page in sample:
        for word in set(texts[pdf_page - 1].plain):
            found = any(pdf_page_of(runs, p) == pdf_page for p in words.get(word.lower(), []))
            for kind in ("all", "umlaut") if UMLAUTS & set(word) else ("all",):
                counts[kind][0] += found
                counts[kind][1] += 1
            if not found:
                missed.setdefault(word, pdf_page)
    return {kind: share(*c) for kind, c in counts.items()}, missed, sample


def precision(texts, words, runs):
    """Of the index's words, the share standing on every page they claim;
    and those that stand on a claimed page only in its head or footer."""
    good = 0
    wrong = {}
    from_edges = set()
    for word, pages in words.items():
        stands = True
        for printed in pages:
            pdf_page = pdf_page_of(runs, printed)
            text = texts[pdf_page - 1] if 1 <= pdf_page <= len(texts) else None
            if text is not None and word in text.words:
                continue
            following = texts[pdf_page] if text is not None and pdf_page < len(texts) else None
            if text is not None and following is not None and divided_over_break(word, text, following):
                continue
            stands = False
            if text is not None and word in text.edge_words:
                from_edges.add(word)
            wrong.setdefault(word, printed)
        good += stands
    return share(good, len(words)), wrong, from_edges


def divided_over_break(word, text, following):
    """A word whose start ends the page with a hyphen and whose rest opens
    the next page's body."""
    if not text.body_lines or not following.body_lines:
        return False
    tail = words_of(text.body_lines[-1])
    if not tail or not tail[-1].endswith("-"):
        return False
    stem = tail[-1][:-1].lower()
    return any(word in (stem + r.lower(), stem + "-" + r.lower())
               for line in following.body_lines[:3] for r in words_of(line)[:1])


def folded(text):
    """Letters without their marks: an outline may have lost them."""
    text = unicodedata.normalize("NFD", text.replace("ß", "ss"))
    return "".join(c for c in text if not unicodedata.combining(c))


def title_words(title):
    """A title without its number, for matching outline and heading."""
    title = folded(title)
    title = re.sub(r"^(kapitel|anhang|appendix|chapter|teil|part)\s+", "", title.strip(), flags=re.I)
    title = re.sub(r"^([0-9]+|[A-Z])([.:][0-9]+)*\.?\s+", "", title)
    return " ".join(w.lower() for w in re.findall(r"\w+", title))


def printed_on(heading, text):
    """The heading's title stands on the page as one run of text, and each
    part of its number somewhere on it (a chapter's number may be set
    above its "Kapitel")."""
    squeeze = lambda s: re.sub(r"\s+", "", s).lower()
    number = re.match(r"^((kapitel|anhang|appendix|chapter|teil|part)\s+)?([0-9A-Z]+([.:][0-9]+)*[.:]?)\s+",
                      heading, re.I)
    title = heading[number.end():] if number else heading
    parts = number.group(0).split() if number else []
    tokens = set(text.split())
    undivided = re.sub(r"(?<=\w)- (?=[a-zäöüß])", "", text)  # a title divided at a line's end
    return (squeeze(title) in squeeze(text) or squeeze(title) in squeeze(undivided)) and \
        all(p in tokens or p.rstrip(".:") in tokens for p in parts)


def headings_figures(outline, headings, runs, texts, html_titles):
    """Headings against the outline (or the HTML's headings where the PDF
    has none): each expected heading present, on the PDF page where it
    stands, its number and title printed there."""
    placed = [(pdf_page_of(runs, page), title) for page, _, title in headings]
    as_printed = [(p, t) for p, t in placed if 1 <= p <= len(texts) and printed_on(t, texts[p - 1].text)]
    if outline:
        expected = [(p, title_words(t)) for d, t, p in outline
                    if t.strip().lower() not in BOOK_PAGES and title_words(t)]
        got = {(p, title_words(t)) for p, t in as_printed}
        missing = [e for e in expected if e not in got]
        return share(len(expected) - len(missing), len(expected)), missing, "outline"
    if html_titles:
        got = {title_words(t) for _, t in as_printed}
        expected = [title_words(t) for t in html_titles]
        missing = [e for e in expected if e not in got]
        return share(len(expected) - len(missing), len(expected)), missing, "HTML headings"
    return share(len(as_printed), len(placed)), [t for p, t in placed if (p, t) not in as_printed], "own"


def html_headings(files):
    """The chapters and sections of the HTML a PDF was printed from (h2 and
    h3 under the document's title): what a book without an outline is held
    to, as its own contents list them."""
    titles = []
    for name in files:
        with open(name, encoding="utf-8") as f:
            for level, inner in re.findall(r"<h([23])[^>]*>(.*?)</h\1>", f.read(), re.S):
                titles.append(nfc(" ".join(re.sub(r"<[^>]+>", " ", inner).split())))
    return titles


def measure(tool, name, pdf, work, html_files, options):
    out_dir = f"{work}/{name}"
    (tool_time, tool_cpu), run = best_time([tool, "book", pdf, out_dir] + options)
    (text_time, text_cpu), _ = best_time(["pdftotext", "-enc", "UTF-8", pdf, f"{work}/{name}.txt"])
    figures = {"book": name, "tool_s": tool_time, "pdftotext_s": text_time, "tool_cpu_s": tool_cpu,
               "pdftotext_cpu_s": text_cpu, "status": run.returncode,
               "report": run.stdout.decode().strip(), "notes": run.stderr.decode().strip()[:2000]}
    if run.returncode != 0:
        return figures
    document = Poppler.Document.new_from_file("file://" + pdf, None)
    pages = read_bbox_pages(pdf)
    running = running_lines(pages)
    texts = [PageText(raw, lines, on) for raw, lines, on in zip(read_raw_pages(pdf), pages, running)]
    outline = outline_of(document)
    body = body_pages(document, pages, outline)
    words, headings, runs = read_tool_output(out_dir)
    rng = random.Random(name)
    (recalls, missed, sample) = recall(texts, body, words, runs, rng)
    exact, wrong, from_edges = precision(texts, words, runs)
    heading_share, heading_misses, against = headings_figures(outline, headings, runs, texts,
                                                              html_headings(html_files))
    figures.update({"pages": len(pages), "body_pages": len(body), "sampled": sample,
                    "recall": recalls["all"], "recall_umlaut": recalls["umlaut"], "precision": exact,
                    "edge_words": len(from_edges), "headings": heading_share, "headings_against": against,
                    "heading_count": len(headings),
                    "examples": {"missed": list(missed.items())[:25], "wrong": list(wrong.items())[:25],
                                 "edge": sorted(from_edges)[:25], "headings": heading_misses[:15]}})
    return figures


def cell(value, digits=1):
    return "n/a" if value is None else f"{value:.{digits}f}"


def table(files):
    rows = ["| book | pages | recall % | umlaut words % | precision % | head/footer words | headings % "
            "(against, count) | wall time, tool / pdftotext | processor time | status |",
            "|---|---:|---:|---:|---:|---:|---|---|---|---|"]
    notes = []
    for name in files:
        with open(name, encoding="utf-8") as f:
            d = json.load(f)
        times = f"{d['tool_s']:.2f} s / {d['pdftotext_s']:.2f} s = {d['tool_s'] / d['pdftotext_s']:.2f}× | " \
                f"{d['tool_cpu_s']:.2f} s / {d['pdftotext_cpu_s']:.2f} s = {d['tool_cpu_s'] / d['pdftotext_cpu_s']:.2f}×"
        if d["status"] != 0:
            rows.append(f"| {d['book']} | | | | | | | {times} | refused: {d['notes'][:80]} |")
            continue
        rows.append(f"| {d['book']} | {d['pages']} | {cell(d['recall'], 2)} | {cell(d['recall_umlaut'], 2)} | "
                    f"{cell(d['precision'], 2)} | {d['edge_words']} | {cell(d['headings'])} "
                    f"({d['headings_against']}, {d['heading_count']}) | {times} | 0 |")
        notes.append(f"\n{d['book']}: {d['report']}")
        for kind, examples in d["examples"].items():
            notes.append(f"  {kind}: {examples[:12]}")
    print("\n".join(rows + notes))


def main(argv):
    if argv[1] == "--table":
        return table(argv[2:])
    options = argv[argv.index("--") + 1:] if "--" in argv else []
    argv = argv[:argv.index("--")] if "--" in argv else argv
    tool, name, pdf, work = argv[1:5]
    html_files = [argv[i + 1] for i in range(5, len(argv) - 1) if argv[i] == "--html"]
    print(json.dumps(measure(tool, name, pdf, work, html_files, options), ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv)
