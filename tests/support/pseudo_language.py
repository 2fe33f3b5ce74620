#!/usr/bin/env python3
"""The pseudo-language: every text of a catalogue made from the sources, bracketed and about a
third longer, its placeholders and access keys kept, so that a text shown without going through
the catalogue stands out, and long languages can be tried before they are written.
pseudo_language.py SOURCES.ts PSEUDO.ts"""
import sys
import xml.etree.ElementTree as ET


def pseudo(text):
    # Each word a third longer, so that wrapped texts still wrap between words.
    words = [word + "~" * -(-len(word) // 3) if word else word for word in text.split(" ")]
    return "[" + " ".join(words) + "]"


tree = ET.parse(sys.argv[1])
tree.getroot().set("language", "en")  # English's two plural forms
for message in tree.iter("message"):
    text = pseudo(message.findtext("source"))
    translation = message.find("translation")
    translation.attrib.clear()
    translation.clear()
    if message.get("numerus") == "yes":
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = text
    else:
        translation.text = text
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
