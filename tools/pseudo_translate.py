#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt .ts file: every text with accented letters and each line
at least 40% longer, placeholders (%1, %2 ...) and line breaks kept, so that the layout tests
see how the programs hold longer texts before the real translations exist.

Usage: pseudo_translate.py SOURCE.ts OUTPUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "aceinorsuyzAEIOUCNSZ", "áçëïñöŕšüýžÄÉÎÖÜÇÑŠŽ")
FILLER = "ŵőŕđĺëñğţĥ"
PLACEHOLDER = re.compile(r"(%\d+)")


def lengthen(line):
    if not line:
        return line
    parts = PLACEHOLDER.split(line)
    text = "".join(p if PLACEHOLDER.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    extra = max(2, math.ceil(len(line) * 0.4))
    filler = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return text + " " + filler


def pseudo(source):
    return "\n".join(lengthen(line) for line in source.split("\n"))


def main(source_path, output_path):
    tree = ET.parse(source_path)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        translation.text = pseudo(message.find("source").text or "")
    tree.write(output_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
