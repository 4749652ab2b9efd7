"""Cuts the windows' font down to the characters of the game's own texts.

Every character inside a string literal of the C++ sources and inside a
<string> of the Designer forms among the given files and under the given
folders, plus printable ASCII,
is kept; pyftsubset makes the subset and fails when the source font lacks one
of them, so no text of ours can render as tofu. The subset is a modified
version of the source font and so gets a family name of its own; its
copyright and licence names stay. Runs under the Python that pyftsubset runs
on, which has fontTools.

  ui_font_subset.py PYFTSUBSET SOURCE_FONT FAMILY OUTPUT_FONT OUTPUT_TEXT SOURCE...
"""

import html
import pathlib
import re
import subprocess
import sys

from fontTools.ttLib import TTFont

# A C++ string literal with an optional encoding prefix; raw strings are not used.
CPP_STRING = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')
UI_STRING = re.compile(r"<string[^>]*>(.*?)</string>", re.S)
PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))
# Names that say which font this is; the rest (copyright, licence, designer) stay.
FAMILY_NAME_IDS = (1, 3, 4, 6, 16, 17, 18, 21, 22)


def texts_in(path):
    source = path.read_text(encoding="utf-8")
    if path.suffix == ".ui":
        return [html.unescape(text) for text in UI_STRING.findall(source)]
    return CPP_STRING.findall(source)


def characters_of(sources):
    characters = set(PRINTABLE_ASCII)
    for source in map(pathlib.Path, sources):
        for path in [source] if source.is_file() else sorted(source.rglob("*")):
            if path.suffix in (".h", ".cpp", ".ui"):
                for text in texts_in(path):
                    characters.update(c for c in text if ord(c) > 0x7E)
    return "".join(sorted(characters))


def rename(font_path, source_path, family):
    font = TTFont(font_path, recalcTimestamp=False)
    names = font["name"]
    version = names.getDebugName(5) or ""
    origin = names.getDebugName(4) or "its source font"
    names.names = [n for n in names.names if n.nameID not in FAMILY_NAME_IDS]
    postscript = family.replace(" ", "") + "-Regular"
    for name_id, text in (
        (1, family),
        (3, f"{postscript};{version}"),
        (4, family),
        (6, postscript),
        (10, f"The characters of the game Fendo's texts, cut from {origin}"),
    ):
        names.setName(text, name_id, 3, 1, 0x409)
    # Same bytes from the same sources: keep the source's time stamp.
    font["head"].modified = TTFont(source_path, lazy=True)["head"].modified
    font.save(font_path)


def main(pyftsubset, source, family, output_font, output_text, *sources):
    text_path = pathlib.Path(output_text)
    text_path.write_text(characters_of(sources), encoding="utf-8")
    partial = pathlib.Path(output_font + ".partial")
    subprocess.run(
        [
            pyftsubset,
            source,
            f"--text-file={text_path}",
            f"--output-file={partial}",
            "--no-ignore-missing-unicodes",
            # Horizontal text only.
            "--layout-features-=vert,vrt2",
            "--drop-tables+=vhea,vmtx,meta",
            "--name-IDs=*",
            "--name-languages=*",
        ],
        check=True,
    )
    rename(partial, source, family)
    partial.replace(output_font)


if __name__ == "__main__":
    if len(sys.argv) < 7:
        sys.exit(__doc__)
    main(*sys.argv[1:])
