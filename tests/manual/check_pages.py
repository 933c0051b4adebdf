"""Checks the manual's folder: HTML Tidy finds no error nor warning in any
page; every link and picture names a file of that exact spelling in the
folder, and an element of that id; nothing comes from outside it; every
file is reached from Index.htm; every picture is shown at half its pixels.
The pages' text keeps the house rules of Czech: a one-letter preposition or
conjunction is bound to the next word by a non-breaking space, quotation
marks are „…“, and what stands in them is a text the program shows, as its
sources spell it; no line is so long that lintian takes the page for
minified code."""
import glob, html.parser, os, re, struct, subprocess, sys, urllib.parse

tidy, folder, sources = sys.argv[1], sys.argv[2], sys.argv[3]
files, problems = set(os.listdir(folder)), []
LONGEST_LINE = 120
# Bound to the next word; a line may not break after them.
ONE_LETTER_WORD = re.compile(r"(?<!\w)[vzksouaiVZKSOUAI][ \t\n]")
QUOTED = re.compile(r"„([^„“]*)“")
# Words the manual does not use: it names each thing one way.
AVOIDED = ("hrací pole", "hrací kámen", "blahopřání", "dovolený", "klepn", "jako dřív")


def program_texts():
    """The string literals of the program's sources, each as a pattern: an
    accelerator's "&" dropped, an argument "%1" standing for any text."""
    texts = set()
    for name in glob.glob(os.path.join(sources, "**", "*.*"), recursive=True):
        outside = re.match(r"(tests|tools|bench|build[^/]*)/", os.path.relpath(name, sources))
        if outside or not name.endswith((".cpp", ".h")):
            continue
        with open(name, encoding="utf-8", errors="replace") as source:
            code = source.read()
        # Adjacent literals are one text.
        for run in re.finditer(r'"(?:[^"\\\n]|\\.)*"(?:\s*"(?:[^"\\\n]|\\.)*")*', code):
            text = "".join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', run.group()))
            text = re.sub(r"&(?!&)", "", text.replace('\\"', '"'))
            texts.add(re.escape(text).replace("%1", ".+").replace("%2", ".+"))
    return [re.compile(text) for text in texts]


class Page(html.parser.HTMLParser):
    def __init__(self, name):
        super().__init__()
        self.ids, self.refs, self.images, self.text, self.literal = set(), [], [], [], 0
        with open(os.path.join(folder, name), encoding="utf-8") as text:
            self.source = text.read()
        self.feed(self.source)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.ids.add(attrs.get("id"))
        self.refs += [urllib.parse.urlsplit(attrs[a]) for a in ("href", "src") if a in attrs]
        if tag == "img":
            self.images.append(attrs)
        if tag in ("script", "iframe", "object", "embed", "style"):
            problems.append(f"<{tag}> in a page")
        self.literal += tag in ("code", "kbd", "pre")

    def handle_endtag(self, tag):
        self.literal -= tag in ("code", "kbd", "pre")

    def handle_data(self, data):
        if not self.literal:
            self.text.append(data)


def check_text(name, page, texts):
    for number, line in enumerate(page.source.split("\n"), 1):
        if len(line) > LONGEST_LINE:
            problems.append(f"{name}:{number}: a line of {len(line)} characters")
    text = "".join(page.text)
    for found in ONE_LETTER_WORD.finditer(text):
        context = text[found.start() - 20:found.end() + 20]
        problems.append(f"{name}: a plain space after a one-letter word in …{context}…")
    if '"' in text or text.count("„") != text.count("“"):
        problems.append(f"{name}: quotation marks other than „…“")
    for quoted in QUOTED.findall(text):
        shown = re.sub(r"[ \t\n\xa0]+", " ", quoted)
        if not any(pattern.fullmatch(shown) for pattern in texts):
            problems.append(f"{name}: „{quoted}“ is no text of the program")
    own_words = QUOTED.sub("", text).lower()
    problems.extend(f"{name}: says „{word}“" for word in AVOIDED if word in own_words)


pages = {name: Page(name) for name in files if name.endswith(".htm")}
texts = program_texts()
reached, waiting = set(), ["Index.htm"]
while waiting:
    name = waiting.pop()
    if name in reached:
        continue
    reached.add(name)
    if not name.endswith(".htm"):
        continue
    tidied = subprocess.run([tidy, "-q", "-e", os.path.join(folder, name)], capture_output=True, text=True)
    if tidied.returncode or tidied.stderr:
        problems.append(f"{name}: tidy says\n{tidied.stderr}")
    check_text(name, pages[name], texts)
    for ref in pages[name].refs:
        target = ref.path or name
        if ref.scheme or ref.netloc or target not in files:
            problems.append(f"{name}: {ref.geturl()} leads outside the folder or nowhere")
        elif ref.fragment and (target not in pages or ref.fragment not in pages[target].ids):
            problems.append(f"{name}: {target} has no id {ref.fragment}")
        else:
            waiting.append(target)
    for image in (i for i in pages[name].images if i["src"] in files):
        with open(os.path.join(folder, image["src"]), "rb") as png:
            pixels = struct.unpack(">II", png.read(24)[16:24])
        if pixels != (2 * int(image.get("width", 0)), 2 * int(image.get("height", 0))):
            problems.append(f"{name}: {image['src']} of {pixels} pixels is not shown at half of them")
with open(os.path.join(folder, "manual.css"), encoding="utf-8") as css:
    if any(fetch in css.read() for fetch in ("url(", "@import")):
        problems.append("manual.css fetches a file")
problems += [f"{name} is not reached from Index.htm" for name in sorted(files - reached)]
print("\n".join(problems) or f"{len(pages)} pages checked")
sys.exit(1 if problems else 0)
