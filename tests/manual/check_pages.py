"""Checks the manual's folder: HTML Tidy finds no error nor warning in any
page; every link and picture names a file of that exact spelling in the
folder, and an element of that id; nothing comes from outside it; every
file is reached from Index.htm; every picture is shown at half its pixels."""
import html.parser, os, struct, subprocess, sys, urllib.parse

tidy, folder = sys.argv[1], sys.argv[2]
files, problems = set(os.listdir(folder)), []

class Page(html.parser.HTMLParser):
    def __init__(self, name):
        super().__init__()
        self.ids, self.refs, self.images = set(), [], []
        with open(os.path.join(folder, name), encoding="utf-8") as text:
            self.feed(text.read())

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.ids.add(attrs.get("id"))
        self.refs += [urllib.parse.urlsplit(attrs[a]) for a in ("href", "src") if a in attrs]
        if tag == "img":
            self.images.append(attrs)
        if tag in ("script", "iframe", "object", "embed", "style"):
            problems.append(f"<{tag}> in a page")

pages = {name: Page(name) for name in files if name.endswith(".htm")}
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
