#!/usr/bin/env python3
"""Draws the product pictures and writes products.qrc.

Every picture named in device/products/product_list.h gets one SVG, drawn from the template of its
family and coloured from its name, so pictures of one family look alike and no two are the same.
The emblem and the lock are drawn here too. Run it again after adding a picture to the table:

    python3 app/resources/products/make_pictures.py
"""

import colorsys
import hashlib
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[2]
TABLE = ROOT / "device" / "products" / "product_list.h"
QRC = HERE.parent / "products.qrc"

EXTRA = ["brisko_evo"]  # chosen at run time, not listed in the table
EMBLEM = "kivo_emblem"
LOCK = "lock"

# Family (first word of the picture name) -> template. Anything else is a clip-on headset.
TEMPLATES = {
    "camera": ["lumora", "rimble_cam", "rimble_pro", "tarsk", "orbex", "yarlo"],
    "helmet": ["brisko"],
    "module": ["brisko_hub", "wrenna", "linkbay", "xandel", "duvane_xandel"],
    "remote": ["islora", "yewdel", "vessra", "tolvan"],
    "mesh": ["vantor", "egrano", "heronyx", "kelpor", "larnex", "mossra", "yorbit", "tressel",
             "zaffre", "korvane", "merrow", "vargo", "halvern"],
    "slim": ["hailor", "ostler", "pellon", "branwick", "quarrin", "ulmeck", "fennic", "cedrin",
             "dovrin", "dalvor"],
}


def template_of(name):
    best, best_len = "clamp", 0
    for template, prefixes in TEMPLATES.items():
        for prefix in prefixes:
            if name.startswith(prefix) and len(prefix) > best_len:
                best, best_len = template, len(prefix)
    return best


def colours(name):
    digest = hashlib.sha256(name.encode()).digest()
    hue = digest[0] / 255.0
    sat = 0.45 + digest[1] / 255.0 * 0.25
    def hexrgb(h, l, s):
        r, g, b = colorsys.hls_to_rgb(h % 1.0, l, s)
        return "#%02x%02x%02x" % (round(r * 255), round(g * 255), round(b * 255))
    return {
        "body": hexrgb(hue, 0.32 + digest[2] / 255.0 * 0.1, sat),
        "shade": hexrgb(hue, 0.2, sat),
        "accent": hexrgb(hue + 0.5, 0.6, 0.7),
        "light": hexrgb(hue, 0.82, 0.35),
        "variant": digest[3] % 3,
    }


def label_of(name):
    return name.replace("_", " ").upper()


def body(template, c):
    v = c["variant"]
    if template == "camera":
        return f"""
  <rect x="40" y="70" width="176" height="110" rx="18" fill="{c['body']}"/>
  <rect x="40" y="150" width="176" height="30" rx="10" fill="{c['shade']}"/>
  <circle cx="{110 + v * 10}" cy="125" r="40" fill="{c['shade']}"/>
  <circle cx="{110 + v * 10}" cy="125" r="28" fill="#1d2228"/>
  <circle cx="{110 + v * 10}" cy="125" r="14" fill="{c['accent']}" opacity="0.8"/>
  <circle cx="{104 + v * 10}" cy="118" r="5" fill="#ffffff" opacity="0.7"/>
  <rect x="176" y="58" width="26" height="14" rx="4" fill="{c['accent']}"/>
  <circle cx="190" cy="100" r="6" fill="#d83a3a"/>
  <rect x="112" y="180" width="32" height="22" rx="4" fill="{c['shade']}"/>"""
    if template == "helmet":
        return f"""
  <path d="M40 150 C40 80 90 48 140 48 C196 48 222 96 222 150 L222 168 L40 168 Z" fill="{c['body']}"/>
  <path d="M150 96 C186 96 212 116 216 150 L150 150 Z" fill="#1d2228" opacity="0.85"/>
  <path d="M60 100 C80 70 110 58 140 58" stroke="{c['light']}" stroke-width="6" fill="none" stroke-linecap="round"/>
  <rect x="40" y="160" width="182" height="14" rx="6" fill="{c['shade']}"/>
  <rect x="{62 + v * 8}" y="118" width="52" height="34" rx="8" fill="{c['accent']}"/>
  <circle cx="{88 + v * 8}" cy="135" r="8" fill="{c['shade']}"/>"""
    if template == "module":
        return f"""
  <rect x="58" y="62" width="140" height="120" rx="22" fill="{c['body']}"/>
  <rect x="74" y="78" width="108" height="40" rx="10" fill="{c['light']}" opacity="0.35"/>
  <circle cx="{100 + v * 14}" cy="146" r="12" fill="{c['accent']}"/>
  <circle cx="{148 - v * 6}" cy="146" r="8" fill="{c['shade']}"/>
  <path d="M128 182 C128 200 150 206 170 206 L214 206" stroke="{c['shade']}" stroke-width="8" fill="none" stroke-linecap="round"/>"""
    if template == "remote":
        return f"""
  <rect x="64" y="70" width="128" height="104" rx="40" fill="{c['body']}"/>
  <circle cx="128" cy="122" r="{26 + v * 2}" fill="{c['shade']}"/>
  <circle cx="128" cy="122" r="12" fill="{c['accent']}"/>
  <circle cx="86" cy="122" r="8" fill="{c['light']}"/>
  <circle cx="170" cy="122" r="8" fill="{c['light']}"/>
  <rect x="106" y="174" width="44" height="30" rx="8" fill="none" stroke="{c['shade']}" stroke-width="8"/>"""
    if template == "mesh":
        return f"""
  <rect x="150" y="34" width="14" height="50" rx="7" fill="{c['shade']}"/>
  <rect x="62" y="70" width="132" height="118" rx="30" fill="{c['body']}"/>
  <circle cx="128" cy="126" r="{34 + v * 3}" fill="{c['shade']}"/>
  <circle cx="128" cy="126" r="22" fill="{c['accent']}"/>
  <path d="M96 94 A44 44 0 0 1 160 94" stroke="{c['light']}" stroke-width="5" fill="none" stroke-linecap="round"/>
  <path d="M62 160 C30 164 24 190 34 206" stroke="{c['shade']}" stroke-width="7" fill="none" stroke-linecap="round"/>
  <circle cx="34" cy="208" r="8" fill="{c['shade']}"/>"""
    if template == "slim":
        return f"""
  <rect x="50" y="92" width="156" height="72" rx="30" fill="{c['body']}"/>
  <circle cx="{84 + v * 4}" cy="128" r="13" fill="{c['accent']}"/>
  <circle cx="128" cy="128" r="10" fill="{c['light']}"/>
  <circle cx="{172 - v * 4}" cy="128" r="13" fill="{c['accent']}"/>
  <path d="M206 120 C236 124 238 160 222 182" stroke="{c['shade']}" stroke-width="7" fill="none" stroke-linecap="round"/>
  <circle cx="220" cy="186" r="8" fill="{c['shade']}"/>"""
    # clamp: a clip-on headset with a jog dial
    return f"""
  <rect x="56" y="64" width="120" height="126" rx="26" fill="{c['body']}"/>
  <rect x="176" y="84" width="22" height="86" rx="8" fill="{c['shade']}"/>
  <circle cx="116" cy="116" r="{32 + v * 3}" fill="{c['shade']}"/>
  <circle cx="116" cy="116" r="20" fill="{c['accent']}"/>
  <rect x="86" y="160" width="60" height="12" rx="6" fill="{c['light']}"/>
  <path d="M66 176 C34 184 28 204 44 218" stroke="{c['shade']}" stroke-width="7" fill="none" stroke-linecap="round"/>
  <circle cx="46" cy="220" r="8" fill="{c['shade']}"/>"""


def product_svg(name):
    c = colours(name)
    label = label_of(name)
    size = 16 if len(label) <= 16 else max(10, int(16 * 16 / len(label)))
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>{label}</title>{body(template_of(name), c)}
  <text x="128" y="246" font-family="sans-serif" font-size="{size}" font-weight="bold" text-anchor="middle" fill="{c['shade']}">{label}</text>
</svg>
"""


def emblem_svg():
    return """<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>KIVO</title>
  <circle cx="128" cy="128" r="100" fill="#24415e"/>
  <circle cx="128" cy="128" r="84" fill="none" stroke="#8fb8de" stroke-width="6"/>
  <path d="M98 78 L98 178 M98 130 L150 78 M112 116 L156 178" stroke="#ffffff" stroke-width="16" fill="none" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M168 102 A30 30 0 0 1 168 154" stroke="#8fb8de" stroke-width="6" fill="none" stroke-linecap="round"/>
</svg>
"""


def lock_svg():
    return """<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>LOCKED</title>
  <path d="M84 116 L84 88 A44 44 0 0 1 172 88 L172 116" stroke="#4a4f57" stroke-width="18" fill="none"/>
  <rect x="60" y="112" width="136" height="104" rx="16" fill="#4a4f57"/>
  <circle cx="128" cy="152" r="14" fill="#d9dde2"/>
  <rect x="122" y="156" width="12" height="34" rx="5" fill="#d9dde2"/>
</svg>
"""


def table_pictures():
    text = TABLE.read_text(encoding="utf-8")
    rows = re.findall(r'\{0x[0-9A-F]{4}, "[^"]*", "[^"]*", (?:"([a-z0-9_]+)"|nullptr)\}', text)
    return sorted({name for name in rows if name})


def main():
    products = sorted(set(table_pictures()) | set(EXTRA))
    written = set()
    for name in products:
        (HERE / f"{name}.svg").write_text(product_svg(name), encoding="utf-8")
        written.add(name)
    (HERE / f"{EMBLEM}.svg").write_text(emblem_svg(), encoding="utf-8")
    (HERE / f"{LOCK}.svg").write_text(lock_svg(), encoding="utf-8")
    written |= {EMBLEM, LOCK}
    for stale in HERE.glob("*.svg"):
        if stale.stem not in written:
            stale.unlink()
    entries = "\n".join(f'    <file alias="products/{n}.svg">products/{n}.svg</file>' for n in sorted(written))
    QRC.write_text(f'<!DOCTYPE RCC>\n<RCC version="1.0">\n  <qresource prefix="/">\n{entries}\n  </qresource>\n</RCC>\n',
                   encoding="utf-8")
    print(f"{len(products)} product pictures, emblem and lock written")


if __name__ == "__main__":
    main()
