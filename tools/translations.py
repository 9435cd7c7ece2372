#!/usr/bin/env python3
"""The translation files of both programs: bring them up to date, check them, pseudo-translate.

  translations.py update [LANG ...]   runs lupdate over the code into every
                                      translations/<program>_<lang>.ts (and starts the files of
                                      the languages named): new texts come in unfinished, texts
                                      gone from the code go
  translations.py check [TS ...]      checks the files (all of translations/ by default) against
                                      the texts of the code; --reference FILE.ts checks against
                                      that file instead; exits 1 on any fault
  translations.py pseudo SOURCE OUT   writes a pseudo-translation of SOURCE: each line 40% longer
                                      and accented, placeholders and line breaks kept
  translations.py fill LANG UI.TSV    fills every translations/<program>_<LANG>.ts from a table of
                                      English source TAB translation ("\\n" for a line break);
                                      tells which texts the table lacks and which lines match none
  translations.py dist                writes the translated names, comments, keywords, summaries
                                      and descriptions of translations/dist_<lang>.txt into the
                                      desktop entries and AppStream files of dist/
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# Each program's texts come from these folders.
SOURCES = {"zorvagon": ["game", "platform"], "pixelkiln": ["pixelkiln"]}
QT_PLACEHOLDER = re.compile(r"%(\d+)")
PRINTF_PLACEHOLDER = re.compile(r"%(?:%|l?[sidu])")
# Texts whose translator comment says so may move or drop their line breaks: a message box or a
# window lays them out. Every other text keeps its count (it is shown in a box of fixed size).
BREAKS_MAY_MOVE = "line break may move"


def lupdate():
    # Qt 6's own before whatever else PATH offers under that name.
    for found in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate")):
        if found and os.access(found, os.X_OK):
            return found
    sys.exit("lupdate not found: install qt6-l10n-tools")


def run_lupdate(program, ts_files):
    folders = [os.path.join(ROOT, folder) for folder in SOURCES[program]]
    subprocess.run([lupdate(), "-silent", "-locations", "none", "-no-obsolete",
                    "-source-language", "en", "-extensions", "cpp,h", *folders,
                    "-ts", *ts_files], check=True, stderr=subprocess.DEVNULL)


def program_of(path):
    name = os.path.basename(path)
    return name.split("_", 1)[0]


def update(languages):
    for program in SOURCES:
        folder = os.path.join(ROOT, "translations")
        files = {os.path.join(folder, f"{program}_{language}.ts") for language in languages}
        files |= {os.path.join(folder, name) for name in os.listdir(folder)
                  if name.startswith(program + "_") and name.endswith(".ts")}
        if files:
            run_lupdate(program, sorted(files))


def messages(path):
    """(context, source) -> (translation element, translator comment) of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source") or "")] = (
                message.find("translation"), message.findtext("extracomment") or "")
    return found


def faults(path, reference):
    """The faults of one translation file against the reference's messages, as texts."""
    found = []
    translated = messages(path)
    for key in reference:
        if key not in translated:
            found.append(f"missing: {key[0]}: {key[1]!r}")
    for (context, source), (translation, _) in translated.items():
        where = f"{context}: {source!r}"
        if (context, source) not in reference:
            found.append(f"not in the code: {where}")
            continue
        comment = reference[(context, source)][1]
        kind = translation.get("type") if translation is not None else "missing"
        text = (translation.text or "") if translation is not None else ""
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            found.append(f"{kind or 'unfinished'}: {where}")
            continue
        if not text.strip():
            found.append(f"empty: {where}")
            continue
        if set(QT_PLACEHOLDER.findall(text)) != set(QT_PLACEHOLDER.findall(source)):
            found.append(f"placeholders %1, %2 ... differ: {where} -> {text!r}")
        if PRINTF_PLACEHOLDER.findall(text) != PRINTF_PLACEHOLDER.findall(source):
            found.append(f"placeholders %s, %i ... differ or moved: {where} -> {text!r}")
        if BREAKS_MAY_MOVE not in comment and text.count("\n") != source.count("\n"):
            found.append(f"line breaks differ: {where} -> {text!r}")
    return found


def check(paths, reference_path):
    if not paths:
        folder = os.path.join(ROOT, "translations")
        paths = sorted(os.path.join(folder, name) for name in os.listdir(folder)
                       if name.endswith(".ts"))
    references = {}
    with tempfile.TemporaryDirectory() as scratch:
        for path in paths:
            program = program_of(path)
            if reference_path:
                references.setdefault(program, messages(reference_path))
            elif program not in references:
                fresh = os.path.join(scratch, f"{program}_reference.ts")
                run_lupdate(program, [fresh])
                references[program] = messages(fresh)
    failed = 0
    for path in paths:
        problems = faults(path, references[program_of(path)])
        for problem in problems:
            print(f"{os.path.relpath(path)}: {problem}")
        failed += bool(problems)
    print(f"{len(paths) - failed} complete, {failed} with faults")
    return 1 if failed else 0


ACCENTED = str.maketrans("aceinorsuyzAEIOUCNSZ", "áçëïñöŕšüýžÄÉÎÖÜÇÑŠŽ")
FILLER = "ŵőŕđĺëñğţĥ"


def lengthened(line):
    if not line:
        return line
    parts = QT_PLACEHOLDER.split(line)
    # split() keeps the numbers of the placeholders at the odd places.
    text = "".join("%" + part if index % 2 else part.translate(ACCENTED)
                   for index, part in enumerate(parts))
    extra = max(2, math.ceil(len(line) * 0.4))
    return text + " " + (FILLER * (extra // len(FILLER) + 1))[:extra]


def pseudo(source_path, output_path):
    tree = ET.parse(source_path)
    tree.getroot().set("language", "en_XA")
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        source = message.findtext("source") or ""
        translation.text = "\n".join(lengthened(line) for line in source.split("\n"))
    tree.write(output_path, encoding="utf-8", xml_declaration=True)


DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")


def dist_texts():
    """language -> program -> key -> text, from translations/dist_<lang>.txt, in file order."""
    folder = os.path.join(ROOT, "translations")
    texts = {}
    for name in sorted(os.listdir(folder)):
        match = re.fullmatch(r"dist_(\w+)\.txt", name)
        if not match:
            continue
        language = texts.setdefault(match.group(1), {})
        with open(os.path.join(folder, name), encoding="utf-8") as lines:
            for line in lines:
                key, _, text = line.rstrip("\n").partition("=")
                program, _, field = key.partition(".")
                if text.strip():
                    language.setdefault(program, {})[field] = text.strip()
    return texts


def write_desktop_entry(program, texts):
    path = os.path.join(ROOT, "dist", f"{program}.desktop")
    with open(path, encoding="utf-8") as entry:
        lines = [line for line in entry.read().splitlines()
                 if not re.match(r"(%s)\[" % "|".join(DESKTOP_KEYS), line)]
    out = []
    for line in lines:
        out.append(line)
        key = line.partition("=")[0]
        if key in DESKTOP_KEYS:
            for language, programs in sorted(texts.items()):
                if key in programs.get(program, {}):
                    out.append(f"{key}[{language}]={programs[program][key]}")
    with open(path, "w", encoding="utf-8") as entry:
        entry.write("\n".join(out) + "\n")


def translated_parts(fields):
    """The AppStream texts of one program in one language: (element path, index) -> text."""
    parts = {}
    description = [(key, text) for key, text in fields.items() if key.startswith("description.")]
    paragraphs = [text for key, text in description if not key.startswith("description.li.")]
    items = [text for key, text in description if key.startswith("description.li.")]
    for index, text in enumerate(paragraphs):
        parts[("description/p", index)] = text
    for index, text in enumerate(items):
        parts[("description/ul/li", index)] = text
    captions = [text for key, text in fields.items() if re.fullmatch(r"(screenshot\.)?caption\.\d+", key)]
    for index, text in enumerate(captions):
        parts[("screenshots/screenshot/caption", index)] = text
    releases = [text for key, text in fields.items() if key.startswith("release.")]
    for index, text in enumerate(releases):
        parts[("releases/release/description/p", index)] = text
    for key in ("name", "summary", "developer_name"):
        source = {"name": "Name"}.get(key, key)
        if source in fields:
            parts[(key, 0)] = fields[source]
    return parts


def write_metainfo(program, texts):
    path = os.path.join(ROOT, "dist", f"example.zorvagon.{program}.metainfo.xml")
    with open(path, encoding="utf-8") as metainfo:
        head = metainfo.read().split("<component", 1)[0]  # the declaration and the comment
    parser = ET.XMLParser(target=ET.TreeBuilder(insert_comments=True))
    tree = ET.parse(path, parser)
    component = tree.getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    for parent in component.iter():
        for child in [c for c in parent if c.get(lang)]:
            parent.remove(child)
    for language, programs in sorted(texts.items(), reverse=True):
        for (where, index), text in translated_parts(programs.get(program, {})).items():
            english = [e for e in component.findall(where) if not e.get(lang)]
            if index >= len(english):
                continue
            parent = next(p for p in component.iter() if english[index] in list(p))
            translated = ET.Element(english[index].tag, {lang: language})
            translated.text = text
            translated.tail = english[index].tail
            parent.insert(list(parent).index(english[index]) + 1, translated)
    if component.find("translation") is None:
        translation = ET.Element("translation", {"type": "qt"})
        translation.text = program
        component.insert(list(component).index(component.find("launchable")), translation)
    ET.indent(tree, space="  ")
    with open(path, "w", encoding="utf-8") as metainfo:
        metainfo.write(head + ET.tostring(component, encoding="unicode") + "\n")


def dist():
    texts = dist_texts()
    for program in SOURCES:
        write_desktop_entry(program, texts)
        write_metainfo(program, texts)


def fill(language, table_path):
    table = {}
    with open(table_path, encoding="utf-8") as lines:
        for line in lines:
            source, tab, text = line.rstrip("\n").partition("\t")
            if tab and text.strip():
                table[source.replace("\\n", "\n")] = text.replace("\\n", "\n")
    used = set()
    for program in SOURCES:
        path = os.path.join(ROOT, "translations", f"{program}_{language}.ts")
        with open(path, encoding="utf-8") as ts:
            head = ts.read().split("<TS", 1)[0]  # the declaration and the doctype
        tree = ET.parse(path)
        for context in tree.getroot().iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                if source not in table:
                    print(f"{program}_{language}.ts lacks: {context.findtext('name')}: {source!r}")
                    continue
                used.add(source)
                translation = message.find("translation")
                translation.attrib.pop("type", None)
                translation.text = table[source]
        with open(path, "w", encoding="utf-8") as ts:
            ts.write(head + ET.tostring(tree.getroot(), encoding="unicode") + "\n")
    for source in table:
        if source not in used:
            print(f"no text of the code: {source!r}")


def main(arguments):
    if not arguments or arguments[0] not in ("update", "check", "pseudo", "dist", "fill"):
        sys.exit(__doc__)
    command, rest = arguments[0], arguments[1:]
    if command == "fill":
        if len(rest) != 2:
            sys.exit(__doc__)
        fill(*rest)
        return 0
    if command == "dist":
        dist()
        return 0
    if command == "update":
        update(rest)
        return 0
    if command == "pseudo":
        if len(rest) != 2:
            sys.exit(__doc__)
        pseudo(*rest)
        return 0
    reference = None
    if rest[:1] == ["--reference"]:
        reference, rest = rest[1], rest[2:]
    return check(rest, reference)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
