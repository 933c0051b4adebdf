"""Checks the manual's folder, the Czech pages, and each folder in it, the
pages of the language it is named by: HTML Tidy finds no error nor warning
in any page; every link and picture names a file of that exact spelling in
the folder, and an element of that id; nothing comes from outside it but,
for another language, the Czech manual's pictures it has no own of and its
stylesheet; every file is reached from Index.htm; every picture is shown at
half its pixels; each language has the Czech manual's pages, no more, no
fewer. The Czech text keeps the house rules of Czech: a one-letter
preposition or conjunction is bound to the next word by a non-breaking
space, quotation marks are „…“; another language quotes with its own
(English “…”) and with no other; what stands in them is a text the program
shows, as its sources spell it or as the language's translation
(translations/pelikor_<code>.ts) words it; no line is so long that lintian
takes the page for minified code."""
import glob, html.parser, os, re, struct, subprocess, sys, urllib.parse
import xml.etree.ElementTree as ElementTree

tidy, root, sources = sys.argv[1], sys.argv[2], sys.argv[3]
problems = []
LONGEST_LINE = 120
# Bound to the next word; a line may not break after them.
ONE_LETTER_WORD = re.compile(r"(?<!\w)[vzksouaiVZKSOUAI][ \t\n]")
# A language's quotation marks; a language not listed quotes as English.
QUOTES = {"cs": "„“", "de": "„“", "en": "“”"}
# Words the manual does not use: it names each thing one way.
AVOIDED = ("hrací pole", "hrací kámen", "blahopřání", "dovolený", "klepn", "jako dřív")


def text_pattern(text):
    """A text as a pattern: an accelerator's "&" dropped, an argument "%1"
    standing for any text."""
    text = re.sub(r"&(?!&)", "", text)
    return re.escape(text).replace("%1", ".+").replace("%2", ".+")


def program_texts():
    """The string literals of the program's sources, each as a pattern."""
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
            texts.add(text_pattern(text.replace('\\"', '"')))
    return [re.compile(text) for text in texts]


def translated_texts(language):
    """The translations of the program's texts into the language, each as a
    pattern."""
    messages = ElementTree.parse(os.path.join(sources, "translations", f"pelikor_{language}.ts"))
    return [re.compile(text_pattern(m.text)) for m in messages.iter("translation") if m.text]


class Page(html.parser.HTMLParser):
    def __init__(self, folder, name):
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


def check_text(name, page, language, texts):
    for number, line in enumerate(page.source.split("\n"), 1):
        if len(line) > LONGEST_LINE:
            problems.append(f"{name}:{number}: a line of {len(line)} characters")
    text = "".join(page.text)
    opening, closing = QUOTES.get(language, QUOTES["en"])
    foreign = set("".join(QUOTES.values())) - {opening, closing}
    if '"' in text or foreign & set(text) or text.count(opening) != text.count(closing):
        problems.append(f"{name}: quotation marks other than {opening}…{closing}")
    quoted_text = re.compile(f"{opening}([^{opening}{closing}]*){closing}")
    for quoted in quoted_text.findall(text):
        shown = re.sub(r"[ \t\n\xa0]+", " ", quoted)
        if not any(pattern.fullmatch(shown) for pattern in texts):
            problems.append(f"{name}: {opening}{quoted}{closing} is no text of the program")
    if language != "cs":
        return
    for found in ONE_LETTER_WORD.finditer(text):
        context = text[found.start() - 20:found.end() + 20]
        problems.append(f"{name}: a plain space after a one-letter word in …{context}…")
    own_words = quoted_text.sub("", text).lower()
    problems.extend(f"{name}: says „{word}“" for word in AVOIDED if word in own_words)


def target_file(folder, name, ref, files, czech_files):
    """The file a link or picture leads to, relative to the folder; None
    where it leads outside or nowhere. A page of another language may show
    the Czech manual's pictures and stylesheet, unless it has its own."""
    target = ref.path or name
    if ref.scheme or ref.netloc:
        return None
    if folder != root and target.startswith("../") and not target.endswith(".htm"):
        czech = target[len("../"):]
        return target if czech in czech_files and czech not in files else None
    return target if target in files else None


def check_folder(folder, language, texts, czech_files):
    """Checks the pages of one language; returns its pages and its files."""
    files = {name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name))}
    pages = {name: Page(folder, name) for name in files if name.endswith(".htm")}
    shown = f"{language}/" if folder != root else ""
    reached, waiting = set(), ["Index.htm"]
    while waiting:
        name = waiting.pop()
        if name in reached:
            continue
        reached.add(name)
        if name not in pages:
            continue
        tidied = subprocess.run([tidy, "-q", "-e", os.path.join(folder, name)], capture_output=True, text=True)
        if tidied.returncode or tidied.stderr:
            problems.append(f"{shown}{name}: tidy says\n{tidied.stderr}")
        check_text(shown + name, pages[name], language, texts)
        for ref in pages[name].refs:
            target = target_file(folder, name, ref, files, czech_files)
            if target is None:
                problems.append(f"{shown}{name}: {ref.geturl()} leads outside the folder or nowhere")
            elif ref.fragment and (target not in pages or ref.fragment not in pages[target].ids):
                problems.append(f"{shown}{name}: {target} has no id {ref.fragment}")
            else:
                waiting.append(target)
        for image in pages[name].images:
            if not target_file(folder, name, urllib.parse.urlsplit(image["src"]), files, czech_files):
                continue
            with open(os.path.join(folder, image["src"]), "rb") as png:
                pixels = struct.unpack(">II", png.read(24)[16:24])
            if pixels != (2 * int(image.get("width", 0)), 2 * int(image.get("height", 0))):
                problems.append(f"{shown}{name}: {image['src']} of {pixels} pixels is not shown at half of them")
    problems.extend(f"{shown}{name} is not reached from Index.htm" for name in sorted(files - reached))
    return set(pages), files


czech_pages, czech_files = check_folder(root, "cs", program_texts(), set())
with open(os.path.join(root, "manual.css"), encoding="utf-8") as css:
    if any(fetch in css.read() for fetch in ("url(", "@import")):
        problems.append("manual.css fetches a file")
languages = sorted(name for name in os.listdir(root) if os.path.isdir(os.path.join(root, name)))
for language in languages:
    pages, _ = check_folder(os.path.join(root, language), language, translated_texts(language), czech_files)
    problems.extend(f"{language}/{name} is missing" for name in sorted(czech_pages - pages))
    problems.extend(f"{language}/{name} has no Czech page" for name in sorted(pages - czech_pages))
others = ", ".join(languages) or "no other language"
print("\n".join(problems) or f"{len(czech_pages)} pages checked in Czech and in {others}")
sys.exit(1 if problems else 0)
