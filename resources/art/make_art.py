#!/usr/bin/env python3
"""Writes the game's 24 pictures as hand-editable SVG (640 x 480) into this folder.

Characters share one body/face kit so the whole cast looks like it came from the same
hand: same ink outline, same eyes, same bust framing. Run: python3 make_art.py
"""

import math
import os

W, H = 640, 480
INK = "#2b2233"
SKIN = "#f7d3b5"
SKIN_TAN = "#e2ad84"
WHITE = "#ffffff"

HERE = os.path.dirname(os.path.abspath(__file__))


# --- tiny SVG vocabulary -------------------------------------------------------------


def _stroke(stroke, sw):
    if stroke == "none" or sw == 0:
        return 'stroke="none"'
    return (f'stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round" '
            f'stroke-linecap="round"')


def path(d, fill="none", sw=4, stroke=INK, extra=""):
    return f'<path d="{d}" fill="{fill}" {_stroke(stroke, sw)}{extra}/>'


def ell(cx, cy, rx, ry, fill, sw=4, stroke=INK, extra=""):
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}" {_stroke(stroke, sw)}{extra}/>'


def circ(cx, cy, r, fill, sw=4, stroke=INK, extra=""):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" {_stroke(stroke, sw)}{extra}/>'


def rect(x, y, w, h, fill, sw=4, stroke=INK, rx=0, extra=""):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" '
            f'{_stroke(stroke, sw)}{extra}/>')


def line(x1, y1, x2, y2, stroke=INK, sw=4, extra=""):
    return f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" {_stroke(stroke, sw)}{extra}/>'


def group(parts, transform="", extra=""):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t}{extra}>\n" + "\n".join(parts) + "\n</g>"


def op(o):
    return f' opacity="{o}"'


def lgrad(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}'
            f"</linearGradient>")


def rgrad(gid, stops, cx=0.5, cy=0.5, r=0.5):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}">{s}</radialGradient>'


def star(cx, cy, r_out, r_in, fill, n=5, sw=3, stroke=INK, extra="", rot=-90):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / n)
        pts.append(f"{cx + r * math.cos(a):.1f},{cy + r * math.sin(a):.1f}")
    return path("M" + " L".join(pts) + " Z", fill, sw, stroke, extra)


def write(name, parts, defs=()):
    body = "\n".join(parts)
    d = f"<defs>\n{chr(10).join(defs)}\n</defs>\n" if defs else ""
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
           f'viewBox="0 0 {W} {H}">\n{d}{body}\n</svg>\n')
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg)


# --- the character kit -----------------------------------------------------------------
# Every bust is drawn at one canonical spot (head centre about 320,195; shoulders at 312)
# and moved with a transform when a picture needs it elsewhere or smaller.

FACE = "M258,175 C258,110 382,110 382,175 C382,228 360,266 320,268 C280,266 258,228 258,175 Z"
TORSO = "M120,480 C122,385 175,330 262,312 L378,312 C465,330 518,385 520,480 Z"
TORSO_WIDE = "M80,480 C86,380 150,318 255,304 L385,304 C490,318 554,380 560,480 Z"
EYES = ((296, 200), (344, 200))


def eye(x, y, kind, iris, skin):
    if kind == "happy":
        return path(f"M{x-11},{y+4} Q{x},{y-10} {x+11},{y+4}", sw=4.5)
    if kind == "calm":
        return path(f"M{x-11},{y} Q{x},{y+9} {x+11},{y}", sw=4.5)
    out = [ell(x, y, 11, 13, WHITE, 3), circ(x + 1, y + 1, 7.5, iris, 0, "none"),
           circ(x + 1, y + 1, 4, INK, 0, "none"), circ(x - 2, y - 3, 2.6, WHITE, 0, "none")]
    if kind == "sly":
        out.append(path(f"M{x-14},{y-16} L{x+14},{y-16} L{x+14},{y-1} Q{x},{y+3} {x-14},{y-1} Z",
                        skin, 0, "none"))
        out.append(path(f"M{x-13},{y-1} Q{x},{y+3} {x+13},{y-1}", sw=4.5))
    else:
        out.append(path(f"M{x-13},{y-3} Q{x},{y-19} {x+13},{y-3}", sw=4.5))
    return "\n".join(out)


BROWS = {
    "flat": ("M281,178 L309,176", "M331,176 L359,178"),
    "angry": ("M280,172 L310,182", "M330,182 L360,172"),
    "raised": ("M281,172 Q295,162 309,170", "M331,170 Q345,162 359,172"),
    "soft": ("M282,176 Q295,170 308,175", "M332,175 Q345,170 358,176"),
    "sly": ("M281,176 L309,178", "M331,172 Q345,160 359,168"),
    "worried": ("M282,172 L308,178", "M332,178 L358,172"),
}

MOUTHS = {
    "smile": [path("M304,236 Q320,250 336,236")],
    "line": [path("M307,242 L333,242")],
    "frown": [path("M306,246 Q320,236 334,246")],
    "smirk": [path("M304,243 Q324,250 340,232")],
    "grin": [path("M300,234 Q320,262 340,234 Z", WHITE, 3.5), path("M302,237 L338,237", sw=2)],
    "open": [path("M304,234 Q320,264 336,234 Z", "#9c3045", 3.5),
             path("M310,248 Q320,242 330,248 Q326,255 320,256 Q314,255 310,248 Z", "#f08a9a", 0,
                  "none")],
    "lips": [path("M306,238 Q313,233 320,237 Q327,233 334,238 Q320,252 306,238 Z", "#d23a5e", 3)],
}


def face(skin=SKIN, eyes="normal", iris="#5a4a8a", brows="flat", brow_col=INK, mouth="smile",
         blush=True, lashes=False, wrinkles=False, ears=True):
    out = []
    if ears:
        out += [ell(256, 202, 12, 18, skin), ell(384, 202, 12, 18, skin)]
    out.append(path(FACE, skin))
    if blush:
        out += [ell(282, 226, 11, 6, "#f48fa0", 0, "none", op(0.55)),
                ell(358, 226, 11, 6, "#f48fa0", 0, "none", op(0.55))]
    for (x, y) in EYES:
        out.append(eye(x, y, eyes, iris, skin))
    if lashes:
        out += [path("M282,196 L276,190", sw=3.5), path("M358,196 L364,190", sw=3.5)]
    lb, rb = BROWS[brows]
    out += [path(lb, sw=5.5, stroke=brow_col), path(rb, sw=5.5, stroke=brow_col)]
    out.append(path("M321,210 Q315,222 323,224", sw=3))
    if wrinkles:
        out += [path("M300,228 Q294,242 300,252", sw=2.5), path("M340,228 Q346,242 340,252", sw=2.5),
                path("M300,150 Q320,145 340,150", sw=2.5), path("M304,160 Q320,156 336,160", sw=2.5)]
    out += MOUTHS[mouth]
    return out


def neck(skin=SKIN, thick=False):
    if thick:
        return [path("M284,240 C284,290 268,314 232,334 L408,334 C372,314 356,290 356,240 Z", skin,
                     0, "none"),
                path("M284,240 C284,290 268,314 232,332 M408,332 C372,314 356,290 356,240"),
                path("M300,290 Q320,300 340,290", sw=3)]
    return [path("M296,246 L296,304 L344,304 L344,246 Z", skin),
            path("M298,262 Q320,276 342,262", sw=0, stroke="none", fill="#000",
                 extra=op(0.08))]


# Hair: (back layer, front layer) path data; back is drawn behind the head.
HAIR = {
    "short": (None,
              "M248,200 C236,120 280,100 320,100 C362,100 404,118 392,200 C388,172 380,158 370,150 "
              "C352,160 320,162 292,156 C274,164 258,178 248,200 Z"),
    "part": (None,
             "M248,195 C238,118 285,100 322,100 C364,100 404,120 392,195 C388,166 380,150 366,144 "
             "C334,148 296,140 272,150 C260,160 252,176 248,195 Z"),
    "bangs": (None,
              "M248,205 C236,112 282,96 320,96 C360,96 404,112 392,205 C390,184 385,170 378,160 "
              "L366,172 L356,154 L340,170 L328,150 L312,170 L300,152 L286,170 L276,156 L264,176 "
              "C256,184 251,194 248,205 Z"),
    "long": ("M244,170 C236,84 404,84 396,170 L410,334 C386,350 356,342 344,326 L296,326 "
             "C284,342 254,350 230,334 Z",
             "M248,232 C236,112 282,96 320,96 C358,96 404,112 392,232 C388,190 376,158 340,136 "
             "Q324,126 320,108 Q316,126 300,136 C264,158 252,190 248,232 Z"),
    "bob": ("M242,180 C234,96 406,96 398,180 L404,266 C384,276 362,272 352,262 L288,262 "
            "C278,272 256,276 236,266 Z",
            "M248,218 C234,116 282,96 320,96 C364,96 406,114 394,212 C386,178 378,160 360,144 "
            "C332,160 300,170 266,166 C258,180 252,198 248,218 Z"),
    "ponytail": ("M356,118 C428,92 462,150 452,222 C446,268 426,300 400,312 C414,268 410,204 "
                 "378,160 Z",
                 "M248,205 C236,118 282,98 320,98 C360,98 404,114 392,205 C388,176 382,162 372,152 "
                 "C352,164 322,168 300,150 C282,166 262,178 248,205 Z"),
    "sides": (None,
              "M250,208 C244,172 250,150 270,138 L280,172 C268,182 262,194 256,212 Z "
              "M390,208 C396,172 390,150 370,138 L360,172 C372,182 378,194 384,212 Z"),
}


def hair_back(style, col):
    b = HAIR[style][0]
    return [path(b, col)] if b else []


def hair_front(style, col):
    return [path(HAIR[style][1], col)]


def glasses(kind, col=INK):
    if kind == "round":
        return [circ(296, 200, 18, WHITE, 3.5, col, op(0.0)), circ(296, 200, 18, "none", 3.5, col),
                circ(344, 200, 18, "none", 3.5, col), path("M314,198 Q320,193 326,198", sw=3.5,
                                                           stroke=col),
                path("M278,196 L260,192", sw=3.5, stroke=col), path("M362,196 L380,192", sw=3.5,
                                                                   stroke=col)]
    return [rect(274, 187, 44, 28, WHITE, 4, col, 5, op(0.0)), rect(274, 187, 44, 28, "none", 4, col, 5),
            rect(322, 187, 44, 28, "none", 4, col, 5), path("M318,196 L322,196", sw=4, stroke=col),
            path("M274,194 L258,190", sw=4, stroke=col), path("M366,194 L382,190", sw=4, stroke=col)]


def suit(jacket, shirt=WHITE, tie="#c0392b", lapel=None, torso=TORSO):
    lapel = lapel or jacket
    return [path(torso, jacket),
            path("M282,312 L320,402 L358,312 Z", shirt),
            path("M312,322 L328,322 L332,334 L326,394 L320,404 L314,394 L308,334 Z", tie, 3),
            path("M312,322 L328,322 L325,334 L315,334 Z", tie, 3),
            path("M266,312 L288,310 L320,408 L284,356 L296,342 Z", lapel),
            path("M374,312 L352,310 L320,408 L356,356 L344,342 Z", lapel),
            path("M296,312 L320,336 L344,312", sw=3.5, fill=shirt)]


def hand(x, y, s=1.0, rot=0, skin=SKIN):
    """An open hand, palm to the viewer, fingers up, centred on its palm."""
    parts = [rect(-20 + i * 10.5, -58 + abs(i - 1.5) * 6, 12, 40, skin, 3.5, rx=6) for i in range(4)]
    parts += [path("M-26,-22 C-26,-30 26,-30 26,-22 L24,10 C20,24 -20,24 -24,10 Z", skin, 3.5),
              ell(-28, -4, 9, 18, skin, 3.5, extra=' transform="rotate(-30 -28 -4)"'),
              path("M-14,-20 L-14,-10 M-3,-22 L-3,-12 M8,-22 L8,-12", sw=2, stroke="#c99")]
    return group(parts, f"translate({x} {y}) rotate({rot}) scale({s})")


def fist(x, y, s=1.0, skin=SKIN):
    parts = [rect(-26, -22, 52, 44, skin, 4, rx=16),
             path("M-12,-22 L-12,-6 M2,-22 L2,-6 M15,-22 L15,-6", sw=2.5),
             path("M-26,2 Q-4,8 10,0", sw=3)]
    return group(parts, f"translate({x} {y}) scale({s})")


def bust(skin=SKIN, hair="short", hair_col="#3a2a2a", body=(), face_kw=None, over_face=(),
         over_all=(), behind=(), thick_neck=False):
    """Back hair, body, neck, head, front hair, then accessories in that order."""
    out = list(behind)
    if hair:
        out += hair_back(hair, hair_col)
    # Stretch the torso up a little: shorter necks read as sturdier, less like a doll.
    out.append(group(list(body), "translate(0 480) scale(1 1.085) translate(0 -480)"))
    out += neck(skin, thick_neck)
    kw = dict(face_kw or {})
    kw.setdefault("skin", skin)
    out += face(**kw)
    if hair:
        out += hair_front(hair, hair_col)
    out += list(over_face)
    out += list(over_all)
    return out


# --- the cast ---------------------------------------------------------------------------


def hero_figure():
    coat, coat_dk = "#c99a5b", "#a87a3e"
    hat, band = "#3b3552", "#e0457b"
    body = [path(TORSO, coat),
            path("M284,312 L320,400 L356,312 Z", "#2f3550"),
            path("M314,322 L326,322 L330,392 L320,402 L310,392 Z", "#3ff0e0", 3),
            path("M250,300 L292,306 L320,420 L272,366 L284,344 L236,330 Z", coat_dk),
            path("M390,300 L348,306 L320,420 L368,366 L356,344 L404,330 Z", coat_dk),
            circ(292, 430, 7, "#5a4326", 3), circ(348, 430, 7, "#5a4326", 3),
            circ(292, 465, 7, "#5a4326", 3), circ(348, 465, 7, "#5a4326", 3)]
    visor = [path("M250,184 L390,184 L386,216 Q320,224 254,216 Z", "#3ff0e0", 4, extra=op(0.85)),
             path("M262,192 L300,192", sw=3, stroke=WHITE), path("M376,190 L398,182 L404,196 L388,204 Z",
                                                                  "#7a7f9a", 3)]
    hat_parts = [path("M262,132 C258,64 382,64 378,132 Z", hat),
                 path("M262,118 L378,118 L378,132 L262,132 Z", band, 3),
                 path("M196,140 C230,118 410,118 444,140 C420,154 220,154 196,140 Z", hat),
                 path("M300,80 Q320,92 340,80", sw=3, stroke="#56507a")]
    stubble = [path("M292,254 Q320,272 348,254", sw=0, stroke="none", fill="#6b5a5a",
                    extra=op(0.25))]
    return bust(hair="short", hair_col="#2a2230", body=body,
                face_kw=dict(mouth="smirk", brows="flat", blush=False),
                over_face=stubble + visor + hat_parts)


def catmac_face(cx, cy, s=1.0):
    fur, ear = "#ffb347", "#ff8fab"
    parts = [path("M-70,-20 L-78,-96 L-22,-58 Z", fur), path("M70,-20 L78,-96 L22,-58 Z", fur),
             path("M-62,-34 L-66,-80 L-34,-58 Z", ear, 0, "none"),
             path("M62,-34 L66,-80 L34,-58 Z", ear, 0, "none"),
             ell(0, 0, 92, 72, fur),
             path("M-20,-70 L-14,-46 M0,-72 L0,-48 M20,-70 L14,-46", sw=4, stroke="#d98a2b"),
             ell(-34, -6, 14, 18, INK, 0, "none"), ell(34, -6, 14, 18, INK, 0, "none"),
             circ(-38, -12, 5, WHITE, 0, "none"), circ(30, -12, 5, WHITE, 0, "none"),
             path("M-8,16 L8,16 L0,24 Z", "#e0457b", 3),
             path("M0,24 Q-10,38 -20,30 M0,24 Q10,38 20,30", sw=3.5),
             path("M-50,18 L-100,10 M-50,28 L-100,32 M50,18 L100,10 M50,28 L100,32", sw=3),
             ell(-58, 22, 12, 7, "#ff6f91", 0, "none", op(0.6)),
             ell(58, 22, 12, 7, "#ff6f91", 0, "none", op(0.6))]
    return group(parts, f"translate({cx} {cy}) scale({s})")


def husasaki_figure():
    body = suit("#3d3f4a", tie="#6b2a3a", lapel="#33353f")
    temples = [path("M250,196 C248,176 252,164 258,158 L262,192 Z", "#b8b8c4", 0, "none"),
               path("M390,196 C392,176 388,164 382,158 L378,192 Z", "#b8b8c4", 0, "none")]
    furrow = [path("M316,176 L318,186 M324,176 L322,186", sw=2.5)]
    pin = [circ(262, 360, 9, "#e7c24a", 3)]
    return bust(hair="part", hair_col="#1f1c24", body=body + pin,
                face_kw=dict(brows="angry", mouth="frown", iris="#3a3a3a", blush=False),
                over_face=temples + furrow + [path("M300,230 L340,230", sw=0, stroke="none")])


def maro_figure():
    robe, kesa = "#2f2b3a", "#d9902f"
    body = [path(TORSO, robe),
            path("M282,312 L320,390 L300,312 Z", WHITE, 3),
            path("M358,312 L320,390 L340,312 Z", WHITE, 3),
            path("M300,312 L320,372 L340,312", sw=3),
            path("M150,410 C220,360 300,330 372,312 L410,330 C330,360 250,410 200,480 L150,480 Z",
                 kesa),
            path("M180,440 C240,390 310,352 390,322", sw=2.5, stroke="#a8621a")]
    beads = [circ(250 + i * 12, 400 - i * 7.5, 6, "#7a3b2e", 2) for i in range(9)]
    shine = [ell(300, 136, 16, 7, WHITE, 0, "none", op(0.55))]
    slip = group([rect(-22, -90, 44, 180, "#fdf5e0", 3.5, rx=2),
                  path("M0,-70 L0,-30 M0,-18 L0,30 M-10,44 L-10,70", sw=3, stroke="#555"),
                  circ(0, -80, 3, "#c0392b", 0, "none")], "translate(470 330) rotate(8)")
    holding = [hand(470, 430, 0.9, 0), slip]
    return bust(hair=None, body=body + beads,
                face_kw=dict(eyes="calm", brows="soft", mouth="smile", wrinkles=False),
                over_face=shine, over_all=[slip, fist(470, 420, 0.9)])


def umakai_figure():
    wig = "#b8502e"
    body = [path(TORSO, "#7d4bb0"),
            path("M262,312 Q290,350 320,324 Q350,350 378,312 Z", WHITE, 3.5),
            circ(320, 340, 10, "#f2c94c", 3),
            path("M200,380 Q320,420 440,380", sw=3, stroke="#9b6cd0")]
    back = []
    pts = [(250, 150), (240, 190), (236, 230), (234, 270), (240, 310), (262, 330),
           (390, 150), (400, 190), (404, 230), (406, 270), (400, 310), (378, 330),
           (290, 108), (320, 100), (350, 108)]
    back += [circ(x, y, 30, wig, 4) for x, y in pts]
    back += [circ(x, y, 27, wig, 0, "none") for x, y in pts]
    earrings = [circ(254, 226, 6, "#f2c94c", 2.5), circ(386, 226, 6, "#f2c94c", 2.5)]
    fringe = [path("M250,200 C240,116 290,96 320,98 C360,96 404,118 390,200 C384,168 372,150 350,144 "
                   "C346,160 330,164 320,150 C306,166 282,164 276,150 C262,160 254,178 250,200 Z", wig),
              path("M300,112 Q310,124 304,136 M340,112 Q352,124 346,136", sw=2.5, stroke="#8a3a20")]
    jaw = [path("M284,240 C290,262 350,262 356,240 C352,262 338,266 320,267 C302,266 288,262 284,240 Z",
                "#7c8fb0", 0, "none", op(0.28))]
    return bust(hair=None, behind=back, body=body,
                face_kw=dict(brows="raised", mouth="lips", lashes=True, iris="#2e7d6a"),
                over_face=jaw + fringe + earrings + glasses("square", "#5b2e7a"))


def muchimaro_figure():
    body = suit("#a7b0bf", shirt="#eef4ff", tie="#3f8fd9", lapel="#96a0b0")
    board = group([rect(-60, -80, 120, 150, "#b07a45", 4, rx=6), rect(-48, -64, 96, 126, WHITE, 3),
                   rect(-22, -90, 44, 20, "#9aa0ad", 3.5, rx=4),
                   path("M-36,-40 L36,-40 M-36,-20 L36,-20 M-36,0 L20,0 M-36,20 L30,20", sw=3,
                        stroke="#9aa8c0"),
                   path("M-38,-44 L-34,-38 L-26,-50", sw=3, stroke="#2fae6a")],
                  "translate(440 410) rotate(-8)")
    return bust(hair="short", hair_col="#4a3426", body=body,
                face_kw=dict(brows="worried", mouth="smile", iris="#6a4a2a"),
                over_face=glasses("round"), over_all=[board, fist(400, 450, 0.8)])


def nagaya_figure():
    body = suit("#2c2c44", tie="#d4a017", lapel="#3a3a5c", torso=TORSO_WIDE)
    sash = [path("M178,360 L214,330 L470,480 L410,480 Z", "#c0392b", 3.5)]
    crown = group([path("M-22,10 L-26,-14 L-12,-2 L0,-20 L12,-2 L26,-14 L22,10 Z", "#f2c230", 3.5),
                   circ(0, -2, 4, "#e0457b", 0, "none")], "translate(268 370)")
    comb = [path("M276,136 Q320,118 366,140", sw=3, stroke="#9a98a8"),
            path("M282,128 Q320,112 360,128", sw=3, stroke="#9a98a8")]
    chin = [path("M296,266 Q320,280 344,266", sw=3)]
    mustache = [path("M300,232 Q310,222 320,230 Q330,222 340,232 Q330,238 320,234 Q310,238 300,232 Z",
                     "#8c8a9a", 3)]
    return bust(hair="sides", hair_col="#9a98a8", body=body + sash + [crown],
                face_kw=dict(brows="flat", brow_col="#5a5868", mouth="grin", wrinkles=True,
                             iris="#4a3a2a"),
                over_face=comb + chin + mustache)


def harary_figure():
    body = [path(TORSO, "#2453b8"),
            path("M280,312 Q320,360 360,312 Z", "#fff4f0", 3.5),
            path("M266,312 L288,310 L310,420 L282,360 L294,344 Z", "#1c449c"),
            path("M374,312 L352,310 L330,420 L358,360 L346,344 Z", "#1c449c")]
    pearls = [circ(290 + i * 10, 322 + 14 * math.sin(math.pi * i / 6), 5, WHITE, 2) for i in range(7)]
    pin = [circ(400, 370, 12, "#4fb0e8", 3), path("M390,366 Q400,360 410,368 M392,376 Q400,382 408,374",
                                                  sw=2.5, stroke="#2f9e5a")]
    return bust(hair="bob", hair_col="#f0c75a", body=body + pearls + pin,
                face_kw=dict(brows="raised", mouth="lips", lashes=True, iris="#3a7bd5"),
                over_face=[circ(256, 228, 5, WHITE, 2), circ(384, 228, 5, WHITE, 2)])


def billy_figure():
    body = suit("#1f2a4a", tie="#d63b3b", lapel="#2a3760")
    pocket = [path("M400,380 L430,376 L428,366 L418,372 L410,364 L404,374 Z", WHITE, 2.5)]
    return bust(hair="part", hair_col="#e8e8f0", body=body + pocket,
                face_kw=dict(eyes="sly", brows="sly", brow_col="#9a9aa8", mouth="smirk",
                             wrinkles=True, iris="#4a6fa8"),
                skin=SKIN_TAN,
                over_face=[path("M248,195 C246,150 270,116 300,108", sw=3, stroke="#b8b8c8")])


def zako_figure():
    body = [path(TORSO, "#15131c"),
            path("M284,312 L320,420 L356,312 Z", WHITE),
            path("M266,312 L290,310 L320,420 L280,352 L294,340 Z", "#2e2a3c"),
            path("M374,312 L350,310 L320,420 L360,352 L346,340 Z", "#2e2a3c"),
            path("M300,326 L318,336 L300,346 Z M340,326 L322,336 L340,346 Z", INK, 3),
            circ(320, 336, 5, INK, 0, "none"), circ(320, 370, 3.5, INK, 0, "none"),
            circ(320, 392, 3.5, INK, 0, "none")]
    arm = [path("M430,340 C470,330 500,300 510,250 L550,262 C540,320 500,370 446,392 Z", "#15131c"),
           rect(498, 246, 58, 20, WHITE, 3.5, rx=4, extra=' transform="rotate(14 527 256)"'),
           hand(522, 226, 1.4, 6)]
    mustache = [path("M296,234 Q308,222 320,230 Q332,222 344,234 Q352,240 356,232 Q352,246 338,240 "
                     "Q328,236 320,238 Q312,236 302,240 Q288,246 284,232 Q288,240 296,234 Z",
                     "#c8c8d2", 3)]
    return bust(hair="part", hair_col="#c8c8d2", body=body,
                face_kw=dict(brows="angry", brow_col="#8a8a9a", mouth="line", blush=False,
                             iris="#3a3a3a", wrinkles=True),
                over_face=mustache, over_all=arm)


def sun_figure():
    body = [path(TORSO, "#4a78b0"),
            path("M280,312 Q320,350 360,312 Z", "#222", 3.5),
            path("M264,312 L290,310 L300,360 L276,340 Z", "#3b6395"),
            path("M376,312 L350,310 L340,360 L364,340 Z", "#3b6395")]
    guitar = group([ell(0, 60, 92, 78, "#d9822b", 4), ell(0, -40, 70, 60, "#d9822b", 4),
                    ell(0, 20, 84, 70, "#d9822b", 0, "none"),
                    circ(0, 0, 26, "#3a2418", 4), rect(-30, 70, 60, 14, "#5a3820", 3, rx=3),
                    rect(-12, -230, 24, 200, "#6b4426", 4),
                    rect(-18, -290, 36, 64, "#3a2418", 4, rx=6),
                    path("M-5,-228 L-5,76 M0,-228 L0,76 M5,-228 L5,76", sw=1.2, stroke="#eee")],
                   "translate(250 420) rotate(40)")
    strum = fist(300, 430, 0.9)
    return bust(hair="long", hair_col="#4a2f25", body=body,
                face_kw=dict(eyes="happy", brows="flat", brow_col="#4a2f25", mouth="open",
                             blush=False),
                over_face=[path("M314,262 Q320,274 326,262 Z", "#4a2f25", 2.5)],
                over_all=[guitar, strum,
                          path("M470,420 C460,360 430,300 396,270 L364,296 C394,320 414,370 420,440 Z",
                               "#4a78b0"),
                          fist(380, 262, 0.8)])


def akiko_figure():
    jacket = "#e6424f"
    body = [path(TORSO, jacket),
            path("M150,420 C160,370 190,340 240,322 M490,420 C480,370 450,340 400,322", sw=9,
                 stroke=WHITE),
            path("M284,312 L320,350 L356,312 Z", "#1c1c28", 3.5),
            path("M320,350 L320,480", sw=4),
            path("M262,312 C270,360 284,392 280,440 L300,440 C304,390 296,350 298,316 Z", WHITE, 3.5),
            path("M378,312 C370,360 356,392 360,440 L340,440 C336,390 344,350 342,316 Z", WHITE, 3.5),
            path("M268,380 L296,380 M344,380 L372,380", sw=5, stroke="#3f8fd9")]
    band = [path("M252,150 Q320,128 388,150 L388,166 Q320,144 252,166 Z", "#3f8fd9", 3.5)]
    scrunchie = [ell(372, 126, 16, 12, "#ffd23f", 3.5)]
    return bust(hair="ponytail", hair_col="#3a2418", body=body,
                face_kw=dict(brows="raised", mouth="grin", lashes=True, iris="#b0502a"),
                over_face=band + scrunchie,
                over_all=[path("M418,420 C440,390 448,350 446,318 L496,318 C500,356 490,404 466,440 Z",
                               "#e6424f"),
                          path("M484,330 C486,370 478,400 462,428", sw=6, stroke=WHITE),
                          fist(470, 300, 1.0)])


def asia_hair_paint():
    return [path("M270,214 L296,222 L270,230 Z M370,214 L344,222 L370,230 Z", "#a23bd6", 0, "none"),
            path("M312,110 L320,90 L328,110", sw=0, stroke="none")]


def wrestler_arm(skin):
    """Viewer's-left arm in a double-biceps pose; mirror it for the other side."""
    return [path("M256,336 C236,292 204,262 162,262 C132,262 120,278 118,296 L114,238 L58,238 "
                 "L62,330 C64,362 90,376 122,374 C172,372 222,384 252,404 Z", skin),
            path("M138,270 C150,256 184,256 204,276", sw=3),
            path("M118,300 Q112,320 96,332", sw=3),
            path("M212,360 Q232,366 246,380", sw=3),
            fist(86, 222, 1.1, skin)]


def wrestler_torso(skin, suit_col):
    return [path(TORSO_WIDE, skin),
            path("M170,370 Q200,330 256,322 M470,370 Q440,330 384,322", sw=3),
            path("M190,480 C196,420 220,380 250,372 L250,330 L272,330 L280,372 Q320,392 "
                 "360,372 L368,330 L390,330 L390,372 C420,380 444,420 450,480 Z", suit_col),
            path("M230,350 Q270,372 300,350 M340,350 Q370,372 410,350", sw=3),
            path("M320,372 L320,420", sw=3)]


def greatajia_figure():
    mask, flame = "#f2c230", "#e03a3a"
    skin = SKIN_TAN
    body = wrestler_torso(skin, "#3a2a8a")
    body += [path("M300,420 L340,420 L346,470 L294,470 Z", flame, 0, "none", op(0.9)),
             group(wrestler_arm(skin)), group(wrestler_arm(skin), "translate(640 0) scale(-1 1)")]
    head = [path(FACE, mask),
            path("M320,112 C300,150 300,180 320,196 C340,180 340,150 320,112 Z", flame, 3),
            path("M262,190 C262,170 286,164 304,178 C310,196 300,216 280,216 C268,214 262,204 262,190 Z "
                 "M378,190 C378,170 354,164 336,178 C330,196 340,216 360,216 C372,214 378,204 378,190 Z",
                 WHITE, 3.5),
            path("M262,190 L240,160 L272,172 Z M378,190 L400,160 L368,172 Z", flame, 3),
            path("M296,228 Q320,220 344,228 Q350,262 320,264 Q290,262 296,228 Z", skin, 3.5)]
    for (x, y) in EYES:
        head.append(eye(x, y - 2, "normal", "#2a1a1a", WHITE))
    head += [path("M278,176 L308,184", sw=5), path("M362,176 L332,184", sw=5),
             path("M306,244 Q320,256 334,244 Z", WHITE, 3)]
    return body + neck(skin, True) + [ell(256, 202, 12, 18, mask), ell(384, 202, 12, 18, mask)] + head


def asia2018_figure():
    skin = SKIN_TAN
    body = wrestler_torso(skin, "#e0457b")
    belt = [path("M110,400 C200,440 440,440 530,400 L536,440 C440,480 200,480 104,440 Z", "#2a2a2a"),
            ell(320, 440, 70, 42, "#f2c230", 4), ell(320, 440, 46, 26, "#ffe58a", 3),
            star(320, 440, 20, 9, "#e03a3a", sw=2.5),
            circ(232, 444, 12, "#f2c230", 3), circ(408, 444, 12, "#f2c230", 3)]
    wave = [path("M452,392 C494,360 516,300 518,236 L566,240 C566,320 540,384 492,420 Z", skin),
            path("M500,300 Q520,316 540,300", sw=3),
            hand(544, 222, 1.15, 10, skin)]
    return bust(skin=skin, hair="long", hair_col="#231a2e", body=body + belt, thick_neck=True,
                face_kw=dict(brows="raised", mouth="grin", lashes=True, iris="#a23bd6"),
                over_face=asia_hair_paint() + [
                    path("M300,98 C310,120 300,150 280,170", sw=8, stroke="#e0457b")],
                over_all=wave)


# --- backgrounds ------------------------------------------------------------------------


def sky(gid, top, bottom):
    return lgrad(gid, [(0, top), (1, bottom)]), rect(0, 0, W, H, f"url(#{gid})", 0, "none")


def city(y_base, col, seed=1, lit="#ffe27a", win_op=0.8):
    out, x, k = [], -10, seed
    while x < W:
        k = (k * 1103515245 + 12345) % 2**31
        w = 40 + k % 50
        h = 80 + (k >> 8) % 160
        out.append(rect(x, y_base - h, w, h + 200, col, 0, "none"))
        for wy in range(int(y_base - h + 14), y_base - 10, 22):
            for wx in range(int(x + 8), int(x + w - 10), 14):
                k = (k * 1103515245 + 12345) % 2**31
                if k % 3 == 0:
                    out.append(rect(wx, wy, 6, 9, lit, 0, "none", extra=op(win_op)))
        x += w + 4
    return out


def rays(cx, cy, n, col, o):
    out = []
    for i in range(n):
        a0 = math.radians(i * 360 / n)
        a1 = math.radians(i * 360 / n + 180 / n)
        out.append(path(f"M{cx},{cy} L{cx + 900*math.cos(a0):.0f},{cy + 900*math.sin(a0):.0f} "
                        f"L{cx + 900*math.cos(a1):.0f},{cy + 900*math.sin(a1):.0f} Z", col, 0, "none",
                        op(o)))
    return out


def confetti(n, seed, cols, y0=0, y1=H):
    out, k = [], seed
    for _ in range(n):
        k = (k * 1103515245 + 12345) % 2**31
        x = k % W
        y = y0 + (k >> 10) % (y1 - y0)
        c = cols[(k >> 4) % len(cols)]
        out.append(rect(x, y, 10, 5, c, 0, "none", extra=f' transform="rotate({k % 180} {x} {y})"'))
    return out


def curtains(col, dark):
    out = []
    for x0, sgn in ((0, 1), (W, -1)):
        out.append(path(f"M{x0},0 L{x0 + sgn*110},0 C{x0 + sgn*90},160 {x0 + sgn*60},300 "
                        f"{x0 + sgn*80},480 L{x0},480 Z", col, 4))
        for i in (30, 60, 85):
            out.append(path(f"M{x0 + sgn*i},0 C{x0 + sgn*(i-8)},200 {x0 + sgn*(i-20)},320 "
                            f"{x0 + sgn*(i-14)},480", sw=3, stroke=dark))
    return out


def ring_ropes(cols=("#e03a3a", WHITE, "#2f5fd0")):
    out = [rect(0, 300, W, 180, "#dfe3ee", 0, "none")]
    for i, c in enumerate(cols):
        y = 230 + i * 55
        out.append(path(f"M0,{y} L{W},{y - 8}", sw=10, stroke=INK))
        out.append(path(f"M0,{y} L{W},{y - 8}", sw=6, stroke=c))
    out.append(rect(18, 190, 30, 300, "#bfc4d4", 4))
    return out


def spotlights():
    return [path("M120,-10 L40,480 L260,480 Z", WHITE, 0, "none", op(0.10)),
            path("M520,-10 L380,480 L600,480 Z", WHITE, 0, "none", op(0.10))]


def flashes(n, seed, y0, y1):
    out, k = [], seed
    for _ in range(n):
        k = (k * 1103515245 + 12345) % 2**31
        out.append(star(k % W, y0 + (k >> 9) % (y1 - y0), 7, 2.5, WHITE, 4, 0, "none", op(0.85)))
    return out


def bookshelf(x, y, w, h, seed):
    out = [rect(x, y, w, h, "#7a4a2c")]
    cols = ["#c0392b", "#2f5fd0", "#2fae6a", "#f2c230", "#7d4bb0", "#e07a2b", "#35404f"]
    k = seed
    for sy in range(y + 10, y + h - 20, 56):
        out.append(rect(x + 6, sy + 46, w - 12, 8, "#5a3420", 0, "none"))
        bx = x + 10
        while bx < x + w - 22:
            k = (k * 1103515245 + 12345) % 2**31
            bw = 10 + k % 10
            bh = 30 + (k >> 6) % 14
            out.append(rect(bx, sy + 46 - bh, bw, bh, cols[(k >> 3) % len(cols)], 2))
            bx += bw + 1
    return out


def chandelier(cx, cy, s=1.0):
    parts = [line(0, -200, 0, 0, INK, 4), path("M-70,0 Q0,50 70,0 Z", "#f2c230", 4),
             path("M-90,-10 Q-80,30 -40,24 M90,-10 Q80,30 40,24", sw=4, stroke="#c99a2b")]
    for x in (-90, -50, 0, 50, 90):
        parts += [rect(x - 5, -26, 10, 20, WHITE, 3), path(f"M{x},-42 Q{x+7},-32 {x},-26 Q{x-7},-32 {x},-42 Z",
                                                            "#ffb347", 2.5),
                  circ(x, -34, 13, "#fff3b0", 0, "none", op(0.3))]
    for x in (-60, -20, 20, 60):
        parts.append(path(f"M{x},24 L{x+6},38 L{x},52 L{x-6},38 Z", "#bfe9ff", 2.5))
    return group(parts, f"translate({cx} {cy}) scale({s})")


def desk_front(x, y, w, h, col, dark):
    return [rect(x, y, w, 18, col), rect(x + 10, y + 18, w - 20, h, dark),
            rect(x + w - 150, y + 30, 120, 40, col, 3.5, rx=4), rect(x + w - 110, y + 46, 40, 8, "#f2c230", 2.5, rx=3)]


def wine_glass(x, y, s=1.0, wine="#8e1f3a"):
    return group([path("M-12,-40 L12,-40 Q14,-14 0,-8 Q-14,-14 -12,-40 Z", "#eaf6ff", 2.5),
                  path("M-11,-28 L11,-28 Q10,-12 0,-9 Q-10,-12 -11,-28 Z", wine, 0, "none"),
                  line(0, -8, 0, 8, INK, 2.5), path("M-9,10 L9,10", sw=3)],
                 f"translate({x} {y}) scale({s})")


def window_blinds(x, y, w, h, defs_id):
    out = [rect(x, y, w, h, f"url(#{defs_id})", 5)]
    out += city(y + h, "#1d2450", seed=7)[:0]
    return out


# --- pictures ---------------------------------------------------------------------------


def pic_white():
    write("WHITE", [rect(0, 0, W, H, "#ffffff", 0, "none")])


def pic_zozez40():
    g, bg = sky("bg", "#16123a", "#5a2d8a")
    parts = [bg]
    parts += city(330, "#241f52", seed=3, lit="#3ff0e0", win_op=0.6)
    for i in range(9):
        parts.append(line(0, 330 + i * i * 2.2, W, 330 + i * i * 2.2, "#ff5fa8", 2, op(0.5)))
    for i in range(-8, 9):
        parts.append(line(320 + i * 20, 330, 320 + i * 110, 480, "#ff5fa8", 2, op(0.4)))
    parts.append(circ(520, 80, 40, "#ffe9f4", 0, "none", op(0.9)))
    parts += hero_figure()
    write("ZOZEZ40", parts, [g])


def pic_catmac():
    g, bg = sky("bg", "#2a2f5e", "#47507e")
    scr = lgrad("scr", [(0, "#7fe7ff"), (1, "#3fa0ff")])
    parts = [bg, rect(40, 40, 170, 210, "#1a1e40", 5), line(125, 40, 125, 250, "#2b2233", 5),
             line(40, 145, 210, 145, "#2b2233", 5), star(90, 80, 6, 2.5, "#fff", 4, 0, "none"),
             circ(170, 100, 14, "#fff6c4", 0, "none"),
             rect(0, 380, W, 100, "#9a6a3e", 5), rect(0, 380, W, 14, "#b8834f", 0, "none"),
             # laptop
             path("M150,60 L490,60 Q500,60 500,70 L500,330 L140,330 L140,70 Q140,60 150,60 Z",
                  "#c9ced8", 5),
             rect(160, 78, 320, 236, "url(#scr)", 4, rx=4),
             path("M90,330 L550,330 L590,392 L50,392 Z", "#dfe3ea", 5),
             path("M130,344 L510,344 L530,372 L110,372 Z", "#b8bec9", 3),
             path("M280,378 L360,378 L364,388 L276,388 Z", "#c9ced8", 3)]
    parts += [circ(180 + i * 16, 100, 4, c, 0, "none") for i, c in enumerate(("#ff6b6b", "#ffd23f",
                                                                               "#2fae6a"))]
    parts.append(catmac_face(300, 216, 1.0))
    parts += [path("M396,100 L466,100 Q476,100 476,110 L476,150 Q476,160 466,160 L430,160 L414,178 "
                   "L416,160 L396,160 Q386,160 386,150 L386,110 Q386,100 396,100 Z", WHITE, 3.5),
              circ(410, 130, 6, "#3fa0ff", 0, "none"), circ(431, 130, 6, "#3fa0ff", 0, "none"),
              circ(452, 130, 6, "#3fa0ff", 0, "none")]
    parts += [ell(570, 360, 34, 14, "#fff", 4), path("M540,310 L536,356 Q570,372 604,356 L600,310 Z",
                                                      "#e0457b", 4),
              path("M604,320 Q626,330 604,346", sw=5, stroke=INK),
              path("M560,296 Q566,284 560,272 M580,296 Q586,284 580,272", sw=3, stroke=WHITE,
                   extra=op(0.7))]
    write("CATMAC", parts, [g, scr])


def pic_greatajia():
    g, bg = sky("bg", "#1a1030", "#3a1f5a")
    parts = [bg] + flashes(40, 11, 10, 220) + spotlights() + ring_ropes()
    parts += greatajia_figure()
    write("GREATAJIA", parts, [g])


def pic_asia2018():
    g = rgrad("bg", [(0, "#ffd0e6"), (1, "#b04a9a")], r=0.7)
    parts = [rect(0, 0, W, H, "url(#bg)", 0, "none")] + rays(320, 200, 18, WHITE, 0.18)
    parts += confetti(90, 5, ["#ffd23f", "#3ff0e0", WHITE, "#e03a3a", "#2f5fd0"])
    parts += [star(80, 90, 26, 11, "#ffd23f"), star(560, 120, 20, 8, "#ffd23f"),
              star(100, 330, 16, 6, WHITE)]
    parts += asia2018_figure()
    write("ASIA2018", parts, [g])


def pic_akiko():
    g, bg = sky("bg", "#ffe8c8", "#ffb88a")
    parts = [bg, rect(0, 330, W, 150, "#5a6fb0", 0, "none"),
             rect(0, 300, W, 30, "#f2c230", 0, "none")]
    parts += [line(50, 0, 50, 60, INK, 4), rect(20, 60, 60, 200, "#c0392b", 5, rx=26),
              rect(20, 120, 60, 14, "#2b2233", 0, "none"),
              rect(540, 80, 80, 110, WHITE, 5), path("M552,100 L608,100 M552,120 L600,120 M552,140 "
                                                      "L590,140", sw=4, stroke="#c0392b"),
              group([rect(-60, -8, 120, 16, "#555", 3), rect(-72, -24, 16, 48, INK, 3),
                     rect(56, -24, 16, 48, INK, 3)], "translate(540 380) rotate(-6)")]
    parts += akiko_figure()
    write("AKIKO", parts, [g])


def pic_billy():
    g, bg = sky("bg", "#2a1f3a", "#4a2f4f")
    parts = [bg, rect(60, 40, 180, 260, "#1a1428", 5), rect(60, 40, 180, 260, "#3b2f6a", 0, "none", extra=op(0.4))]
    parts += [rect(420 + i * 0, 30, 6, 330, "#c9a24a", 3) for i in range(1)]
    for i in range(6):
        parts.append(rect(426, 40 + i * 24, 150, 12, "#2fae6a" if i % 2 == 0 else "#f2c230", 0,
                          "none"))
    parts += [circ(501, 112, 40, "#7d4bb0", 0, "none"),
              star(501, 112, 26, 11, WHITE, n=6, sw=0, stroke="none"),
              path("M426,40 L576,40 L576,184 L426,184 Z", sw=3),
              circ(423, 26, 9, "#f2c230", 3)]
    parts += [circ(190, 90, 24, "#fff3c8", 0, "none"), line(150, 40, 150, 300, INK, 5),
              line(60, 170, 240, 170, INK, 5),
              path("M50,30 L110,30 Q80,160 100,310 L50,310 Z", "#6a2a4a", 4)]
    parts += [rect(0, 400, W, 80, "#3a2a22", 0, "none")]
    # the mastermind's chess knight, one move ahead
    parts += [group([path("M-26,40 L26,40 L22,24 L-22,24 Z", "#15131c", 3.5),
                     path("M-18,24 C-20,0 -10,-10 -22,-20 C-26,-40 -6,-56 10,-52 C24,-46 26,-20 18,0 "
                          "L16,24 Z", "#15131c", 3.5),
                     circ(-4, -36, 3, WHITE, 0, "none")], "translate(70 420)")]
    parts += billy_figure()
    write("BILLY", parts, [g])


def pic_harary():
    g = rgrad("bg", [(0, "#a9d8ff"), (1, "#3a6ad0")], r=0.75)
    parts = [rect(0, 0, W, H, "url(#bg)", 0, "none"),
             circ(320, 190, 200, "none", 8, WHITE, op(0.35)),
             ell(320, 190, 90, 200, "none", 5, WHITE, op(0.3)),
             line(120, 190, 520, 190, WHITE, 5, op(0.3)),
             path("M140,110 Q320,140 500,110 M140,270 Q320,240 500,270", sw=5, stroke=WHITE,
                  extra=op(0.3))]
    for a in range(0, 360, 30):
        x = 320 + 250 * math.cos(math.radians(a))
        y = 190 + 250 * math.sin(math.radians(a))
        parts.append(star(round(x), round(y), 14, 6, "#ffd23f", sw=0, stroke="none", extra=op(0.9)))
    parts += harary_figure()
    parts += [path("M170,420 L470,420 L450,480 L190,480 Z", "#1c2f6a", 5),
              circ(320, 450, 20, "#4fb0e8", 4),
              path("M306,446 Q320,436 334,448 M308,458 Q320,466 332,456", sw=3, stroke="#2fae6a"),
              rect(300, 370, 10, 52, "#555", 3), ell(305, 366, 10, 12, INK, 3)]
    write("HARARY", parts, [g])


def pic_husasaki():
    g, bg = sky("bg", "#d9d2c0", "#a89c84")
    parts = [bg, path("M0,80 L320,10 L640,80 Z", "#e8e2d2", 5), rect(0, 80, W, 24, "#cfc6b0", 5)]
    for x in (40, 150, 430, 540):
        parts += [rect(x, 104, 60, 320, "#efe9da", 5)]
        parts += [line(x + 15, 110, x + 15, 420, "#c8bea6", 3), line(x + 30, 110, x + 30, 420,
                                                                      "#c8bea6", 3),
                  line(x + 45, 110, x + 45, 420, "#c8bea6", 3)]
    parts += [rect(0, 420, W, 60, "#8c8068", 5)]
    parts += [group([line(0, -60, 0, 60, "#a0802a", 5), line(-60, -40, 60, -40, "#a0802a", 5),
                     path("M-80,0 L-60,-40 L-40,0 Z M40,0 L60,-40 L80,0 Z", sw=3, stroke="#a0802a"),
                     path("M-86,0 Q-60,20 -34,0 Z M34,0 Q60,20 86,0 Z", "#f2c230", 3)],
                    "translate(320 52) scale(0.45)")]
    parts += husasaki_figure()
    parts += [group([rect(-50, -16, 100, 32, "#6b3a1e", 4, rx=6), rect(-8, 16, 16, 80, "#8a4a26", 4),
                     rect(-58, -12, 10, 24, "#f2c230", 3), rect(48, -12, 10, 24, "#f2c230", 3)],
                    "translate(480 400) rotate(-30)")]
    write("HUSASAKI", parts, [g])


def pic_maro():
    g, bg = sky("bg", "#2a2350", "#c76a5a")
    parts = [bg, circ(500, 110, 60, "#fff3c8", 4), circ(520, 96, 10, "#f0dca0", 0, "none"),
             path("M0,300 L120,250 L240,300 Z", "#3a2a3a", 0, "none"),
             path("M40,300 L40,200 L200,200 L200,300 Z", "#6a2a2a", 4),
             path("M10,200 Q120,150 230,200 Z", "#2b2233", 4),
             rect(0, 300, W, 180, "#4a3a40", 0, "none")]
    k = 9
    for _ in range(14):
        k = (k * 1103515245 + 12345) % 2**31
        x, y = k % W, 20 + (k >> 8) % 240
        parts.append(star(x, y, 14, 6, "#e0452b", sw=2, extra=f' transform="rotate({k % 60} {x} {y})"'))
    parts += maro_figure()
    write("MARO", parts, [g])


def pic_umakai():
    g, bg = sky("bg", "#fbe7f0", "#f5c2d8")
    parts = [bg, rect(30, 40, 580, 260, "#2f5a46", 8), rect(30, 40, 580, 260, "none", 8, "#8a5a2c"),
             path("M60,90 Q100,60 140,90 T220,90", sw=3, stroke=WHITE, extra=op(0.8)),
             path("M60,140 L180,140 M80,120 L80,160", sw=3, stroke=WHITE, extra=op(0.8)),
             circ(520, 110, 40, "none", 3, WHITE, op(0.8)),
             line(480, 110, 560, 110, WHITE, 3, op(0.8)), line(520, 70, 520, 150, WHITE, 3, op(0.8)),
             path("M450,250 L590,180", sw=3, stroke=WHITE, extra=op(0.8)),
             path("M60,240 L70,220 L80,240 L90,220 L100,240", sw=3, stroke=WHITE, extra=op(0.8)),
             rect(30, 300, 580, 14, "#8a5a2c", 4)]
    parts += [star(90, 380, 18, 8, "#ff6fa5"), star(560, 400, 14, 6, "#ff6fa5")]
    parts += umakai_figure()
    write("UMAKAI", parts, [g])


def pic_muchimaro():
    g, bg = sky("bg", "#e4ecf4", "#c0cede")
    parts = [bg]
    for x in (20, 120, 440, 540):
        parts += [rect(x, 120, 90, 300, "#8e9aac", 5)]
        parts += [rect(x + 10, y, 70, 80, "#a7b3c4", 3) for y in (136, 232, 328)]
        parts += [rect(x + 33, y + 36, 24, 8, INK, 0, "none") for y in (136, 232, 328)]
    parts += [rect(0, 420, W, 60, "#6b7890", 0, "none"), rect(200, 30, 240, 60, WHITE, 5),
              line(260, 30, 260, 90, INK, 3), line(320, 30, 320, 90, INK, 3),
              line(380, 30, 380, 90, INK, 3)]
    parts += muchimaro_figure()
    write("MUCHIMARO", parts, [g])


def pic_nagaya():
    g = lgrad("bg", [(0, "#7a1a2a"), (1, "#c0392b")])
    parts = [rect(0, 0, W, H, "url(#bg)", 0, "none")]
    for x in range(0, W, 40):
        parts.append(path(f"M{x},0 C{x+10},160 {x-10},320 {x},480", sw=4, stroke="#5a0f1c",
                          extra=op(0.5)))
    parts += [path("M0,0 L640,0 L640,40 Q560,80 480,40 Q400,80 320,40 Q240,80 160,40 Q80,80 0,40 Z",
                   "#f2c230", 4)]
    parts += [star(70, 140, 20, 8, "#f2c230"), star(570, 140, 20, 8, "#f2c230"),
              ell(80, 360, 30, 36, "#3ff0e0", 4), path("M80,396 L80,470", sw=3),
              ell(560, 340, 30, 36, "#ffd23f", 4), path("M560,376 L560,470", sw=3),
              ell(130, 300, 26, 32, "#ff6fa5", 4), path("M130,332 L130,470", sw=3)]
    parts += nagaya_figure()
    write("NAGAYA", parts, [g])


def pic_sun():
    g, bg = sky("bg", "#1a1a3a", "#3a2a6a")
    parts = [bg, path("M320,-20 L150,480 L490,480 Z", "#fff6c4", 0, "none", op(0.18)),
             rect(0, 420, W, 60, "#2a1e1a", 0, "none")]
    for (x, y, r) in ((80, 100, 0), (560, 80, 12), (520, 260, -10), (110, 250, 8)):
        parts.append(group([ell(0, 30, 13, 10, "#ffd23f", 3), line(12, 30, 12, -10, INK, 4),
                            path("M12,-10 Q30,0 28,14", sw=4)], f"translate({x} {y}) rotate({r})"))
    parts += [ell(560, 440, 60, 30, "#222", 4), circ(560, 436, 18, "#555", 3)]
    parts += sun_figure()
    write("SUN", parts, [g])


def pic_zako():
    g, bg = sky("bg", "#12183a", "#2a3a6a")
    parts = [bg, rect(120, 30, 400, 450, "#4a3a2e", 5), rect(140, 50, 170, 430, "#6a4a30", 4),
             rect(330, 50, 170, 430, "#6a4a30", 4), rect(160, 70, 130, 160, "#5a3a24", 3),
             rect(350, 70, 130, 160, "#5a3a24", 3), circ(300, 300, 8, "#f2c230", 3),
             circ(340, 300, 8, "#f2c230", 3)]
    for x in (60, 580):
        parts += [rect(x - 6, 120, 12, 40, INK, 0, "none"), rect(x - 20, 160, 40, 50, "#ffe27a", 5),
                  circ(x, 185, 40, "#ffe27a", 0, "none", op(0.25))]
    parts += zako_figure()
    write("ZAKO", parts, [g])


def pic_fujiwara():
    g, bg = sky("bg", "#efe0c0", "#d8bf90")
    parts = [bg, rect(0, 0, W, 40, "#8a2a2a", 0, "none"),
             path("M0,40 Q80,70 160,40 Q240,70 320,40 Q400,70 480,40 Q560,70 640,40", "#8a2a2a", 4)]
    parts += [rect(0, 430, W, 50, "#8a6a4a", 0, "none")]
    figures = [husasaki_figure(), maro_figure(), umakai_figure(), muchimaro_figure()]
    sc = 0.78
    for i, fig in enumerate(figures):
        x = 88 + i * 155
        y = 40 if i % 2 == 0 else 56
        parts.append(group(fig, f"translate({x - 320 * sc:.1f} {y}) scale({sc})"))
    parts += [path("M-10,392 L650,392 L650,490 L-10,490 Z", "#3a2a5a", 5),
              path("M-10,404 L650,404", sw=4, stroke="#f2c230"),
              circ(320, 442, 30, "#f2c230", 4), circ(320, 442, 20, "#3a2a5a", 0, "none")]
    # wisteria, the family's flower, on the table's crest and hanging from above
    for a in range(0, 360, 60):
        parts.append(ell(320 + 11 * math.cos(math.radians(a)), 442 + 11 * math.sin(math.radians(a)),
                         6, 6, "#b48ee0", 0, "none"))
    for cx in (40, 180, 460, 600):
        for j in range(6):
            for k in (-1, 0, 1)[: 3 - j // 2]:
                parts.append(circ(cx + k * 10 + (j % 2) * 5, 50 + j * 12, 7,
                                  "#b48ee0" if j % 2 else "#8a5ac8", 2))
    for x in (88, 243, 398, 553):
        parts += [line(x + 30, 392, x + 40, 340, INK, 4), ell(x + 41, 334, 9, 12, "#35404f", 3),
                  rect(x - 40, 360, 56, 32, "#f6f0e0", 3.5, rx=3)]
    write("FUJIWARA", parts, [g])


def pic_besso():
    g, bg = sky("bg", "#0d1030", "#3a3a7a")
    parts = [bg, circ(540, 70, 36, "#fff6d0", 4), circ(528, 62, 8, "#ece0b0", 0, "none")]
    parts += flashes(25, 3, 10, 160)
    # mansion
    parts += [rect(90, 150, 460, 220, "#d8cfe8", 5), path("M70,152 L320,70 L570,152 Z", "#5a3a6a", 5),
              rect(260, 100, 120, 60, "#d8cfe8", 5), path("M250,102 L320,60 L390,102 Z", "#5a3a6a", 5),
              circ(320, 128, 14, "#ffe27a", 4)]
    for x in (120, 190, 400, 470):
        for y in (175, 265):
            parts += [rect(x, y, 50, 60, "#ffe27a", 4), line(x + 25, y, x + 25, y + 60, INK, 3),
                      line(x, y + 30, x + 50, y + 30, INK, 3)]
    parts += [path("M280,370 L280,270 Q320,230 360,270 L360,370 Z", "#6a3a2a", 5),
              circ(348, 322, 5, "#f2c230", 2)]
    # lawn, path, hedges, gate
    parts += [rect(0, 360, W, 120, "#1f4a3a", 0, "none"),
              path("M280,370 L360,370 L430,480 L210,480 Z", "#b8a890", 4),
              ell(60, 370, 70, 34, "#2a6a4a", 4), ell(580, 370, 70, 34, "#2a6a4a", 4)]
    for x in range(20, 640, 26):
        if 200 < x < 440:
            continue
        parts.append(line(x, 390, x, 480, INK, 5))
        parts.append(path(f"M{x-6},396 L{x},380 L{x+6},396 Z", INK, 0, "none"))
    parts += [line(0, 410, 206, 410, INK, 5), line(434, 410, 640, 410, INK, 5),
              rect(190, 320, 24, 160, "#4a4458", 5), rect(426, 320, 24, 160, "#4a4458", 5),
              circ(202, 310, 14, "#ffe27a", 4), circ(438, 310, 14, "#ffe27a", 4),
              circ(202, 310, 34, "#ffe27a", 0, "none", op(0.2)), circ(438, 310, 34, "#ffe27a", 0,
                                                                     "none", op(0.2))]
    write("BESSO", parts, [g])


def pic_flore1():
    g, bg = sky("bg", "#f4e6c8", "#e0c89a")
    parts = [bg, rect(0, 330, W, 150, "#c9a878", 0, "none")]
    for i in range(9):
        for j in range(5):
            if (i + j) % 2 == 0:
                x0 = -80 + i * 100
                y0 = 330 + j * 30
                parts.append(path(f"M{x0 + (x0-320)*j*0.1:.0f},{y0} L{x0 + 100 + (x0+100-320)*j*0.1:.0f},{y0} "
                                  f"L{x0 + 100 + (x0+100-320)*(j+1)*0.1:.0f},{y0+30} "
                                  f"L{x0 + (x0-320)*(j+1)*0.1:.0f},{y0+30} Z", "#8a6a4a", 0, "none"))
    parts += [line(0, 330, W, 330, INK, 5),
              path("M250,480 L290,330 L350,330 L390,480 Z", "#b02a3a", 4),
              rect(40, 130, 90, 200, "#7a4a2c", 5), circ(116, 240, 6, "#f2c230", 3),
              rect(170, 80, 90, 120, "#f2c230", 6), rect(180, 90, 70, 100, "#5a7ab0", 3),
              path("M186,170 L206,130 L222,150 L236,120 L246,170 Z", "#2fae6a", 0, "none")]
    # stairs climbing to the right
    for i in range(8):
        x = 380 + i * 30
        y = 330 - i * 36
        parts += [rect(x, y - 36, 300, 36, "#d8b88a", 4), rect(x, y - 10, 300, 10, "#b89868", 0, "none")]
    parts += [path("M360,330 L590,40", sw=8, stroke="#5a3420")]
    for i in range(9):
        x = 370 + i * 28
        y = 330 - i * 35
        parts.append(line(x, y, x, y - 60, "#5a3420", 4))
    parts += [path("M360,270 L590,-20", sw=10, stroke="#7a4a2c"),
              rect(350, 250, 24, 80, "#7a4a2c", 4), circ(362, 246, 14, "#f2c230", 4)]
    parts.append(chandelier(200, 40, 0.55))
    write("FLORE1", parts, [g])


def pic_flore2():
    g, bg = sky("bg", "#3a1f3a", "#7a3a4a")
    parts = [bg]
    for x in (60, 250, 440):
        parts += [rect(x, 40, 140, 200, "#1a2250", 5), line(x + 70, 40, x + 70, 240, INK, 4),
                  circ(x + 110, 80, 12, "#fff6d0", 0, "none")]
        parts += [path(f"M{x-10},30 L{x+40},30 Q{x+10},140 {x+30},250 L{x-10},250 Z", "#b02a3a", 4),
                  path(f"M{x+150},30 L{x+100},30 Q{x+130},140 {x+110},250 L{x+150},250 Z", "#b02a3a", 4)]
    parts += [rect(0, 250, W, 230, "#5a3428", 0, "none"), line(0, 250, W, 250, INK, 5)]
    parts += [path("M250,250 L390,250 L600,480 L40,480 Z", WHITE, 5),
              path("M40,480 L250,250 M600,480 L390,250", sw=3, stroke="#d8d0e0")]
    for (x, y, s) in ((280, 268, 0.5), (360, 268, 0.5), (240, 310, 0.7), (400, 310, 0.7),
                      (180, 380, 0.95), (460, 380, 0.95)):
        parts += [ell(x, y, 36 * s, 12 * s, "#f0f0f8", 3)]
    parts += [ell(320, 300, 40, 14, "#e8e8f0", 4), path("M290,300 L290,268 L350,268 L350,300 Z",
                                                         "#ffb3c8", 4),
              ell(320, 268, 30, 8, "#fff0f6", 4),
              path("M300,300 Q320,310 340,300", sw=3)]
    for x in (300, 320, 340):
        parts += [rect(x - 3, 240, 6, 22, "#7fd0ff", 2), path(f"M{x},228 Q{x+5},236 {x},240 Q{x-5},236 {x},228 Z",
                                                              "#ffb347", 2)]
    parts += [ell(250, 420, 56, 22, "#f0f0f8", 4), ell(250, 416, 40, 14, "#e07a2b", 3),
              ell(400, 420, 56, 22, "#f0f0f8", 4), circ(385, 414, 10, "#2fae6a", 3),
              circ(405, 410, 10, "#c0392b", 3), circ(420, 418, 9, "#f2c230", 3),
              ell(140, 460, 50, 18, "#f0f0f8", 4), path("M110,456 Q140,440 170,456", "#c98a4a", 3)]
    parts += [wine_glass(270, 290, 0.6), wine_glass(370, 290, 0.6), wine_glass(210, 350, 0.8),
              wine_glass(430, 350, 0.8), wine_glass(170, 440, 1.0), wine_glass(480, 440, 1.0, "#8e1f3a"),
              wine_glass(330, 440, 1.0, "#f2e08a")]
    parts += [group([rect(-8, -60, 16, 60, "#1f5a3a", 3, rx=4), rect(-4, -80, 8, 22, "#1f5a3a", 3),
                     rect(-8, -40, 16, 16, "#f4e6c8", 2)], "translate(508 424)")]
    parts.append(chandelier(320, 70, 0.7))
    write("FLORE2", parts, [g])


def pic_flore3():
    g, bg = sky("bg", "#e8d8b8", "#d0b890")
    parts = [bg,
             path("M0,0 L250,140 L250,340 L0,480 Z", "#c9a878", 5),
             path("M640,0 L390,140 L390,340 L640,480 Z", "#c9a878", 5),
             path("M0,0 L640,0 L390,140 L250,140 Z", "#efe4cc", 5),
             path("M0,480 L250,340 L390,340 L640,480 Z", "#8a5a3a", 5),
             path("M150,480 L290,340 L350,340 L490,480 Z", "#2a4a8a", 4),
             path("M170,480 L293,345 M470,480 L347,345", sw=3, stroke="#f2c230"),
             rect(280, 210, 80, 130, "#6a3a2a", 5), rect(290, 222, 60, 50, "#7a4a30", 3),
             rect(290, 282, 60, 48, "#7a4a30", 3), circ(350, 280, 5, "#f2c230", 2),
             circ(320, 200, 30, "#fff3b0", 0, "none", op(0.4)), circ(320, 196, 8, "#ffe27a", 3)]
    for (x0, x1, y0, sgn) in ((60, 160, 140, 1), (580, 480, 140, -1)):
        parts += [path(f"M{x0},{y0} L{x1},{y0 + 50} L{x1},{y0 + 150} L{x0},{y0 + 160} Z", "#f2c230", 5),
                  path(f"M{x0 + sgn*10},{y0 + 14} L{x1 - sgn*10},{y0 + 58} L{x1 - sgn*10},{y0 + 140} "
                       f"L{x0 + sgn*10},{y0 + 146} Z", "#5a7ab0", 3)]
    for (x, y, s) in ((205, 170, 1.0), (435, 170, 1.0)):
        parts += [rect(x - 6, y, 12, 24, "#c9a24a", 3), path(f"M{x-14},{y} L{x+14},{y} L{x+8},{y-20} L{x-8},{y-20} Z",
                                                              "#fff3b0", 3),
                  circ(x, y - 8, 30, "#fff3b0", 0, "none", op(0.35))]
    write("FLORE3", parts, [g])


def pic_flore4():
    g, bg = sky("bg", "#4a3a5a", "#2a2240")
    mon = lgrad("mon", [(0, "#3a6a4a"), (1, "#1a3a2a")])
    parts = [bg, rect(0, 0, W, 330, "#5a4a3a", 0, "none")]
    parts += bookshelf(20, 30, 170, 300, 4) + bookshelf(450, 30, 170, 300, 8)
    parts += [rect(230, 40, 180, 150, "#1a1e48", 5), line(320, 40, 320, 190, INK, 4),
              line(230, 115, 410, 115, INK, 4), circ(370, 80, 16, "#fff6d0", 0, "none"),
              rect(0, 330, W, 150, "#3a2a22", 0, "none")]
    parts += desk_front(80, 300, 480, 170, "#8a5a34", "#6a4024")
    parts += [rect(140, 318, 160, 30, "#6a4024", 3.5, rx=4), rect(200, 328, 40, 8, "#f2c230", 2.5, rx=3)]
    # the old PC
    parts += [rect(250, 180, 170, 130, "#e8e0c8", 5, rx=10), rect(268, 196, 134, 96, "url(#mon)", 4, rx=8),
              path("M280,212 L330,212 M280,226 L360,226 M280,240 L312,240", sw=3, stroke="#7fffa0",
                   extra=op(0.8)), rect(282, 250, 10, 14, "#7fffa0", 0, "none"),
              rect(260, 300, 150, 14, "#d8d0b8", 4), rect(430, 260, 70, 40, "#e8e0c8", 4),
              rect(440, 276, 40, 6, INK, 0, "none"), path("M240,312 L430,312 L440,300", sw=0,
                                                          stroke="none"),
              group([rect(-60, -10, 120, 20, "#e8e0c8", 3.5, rx=3)] +
                    [rect(-54 + i * 12, -6, 9, 6, "#bfb7a0", 0, "none") for i in range(9)],
                    "translate(210 296) rotate(-4)"),
              # lamp
              line(130, 300, 130, 220, INK, 5), path("M100,220 L160,220 L150,190 L110,190 Z", "#2fae6a", 4),
              path("M100,222 L60,300 L200,300 L160,222 Z", "#fff3b0", 0, "none", op(0.3))]
    write("FLORE4", parts, [g, mon])


def pic_office():
    g, bg = sky("bg", "#d8c8a8", "#b8a078")
    sk = lgrad("sk", [(0, "#1a1a4a"), (1, "#c0507a")])
    parts = [bg, rect(300, 40, 300, 240, "url(#sk)", 6)]
    parts += [p for p in city(280, "#2a2250", seed=12, lit="#ffe27a") if 'x="' in p]
    parts = parts[:2] + [p for p in parts[2:]]
    # keep the skyline inside the window by redrawing the wall around it
    parts += [rect(0, 280, W, 200, "#b8a078", 0, "none"), rect(0, 0, 300, 280, "#cdbb98", 0, "none"),
              rect(600, 0, 40, 280, "#cdbb98", 0, "none"), rect(300, 0, 300, 40, "#cdbb98", 0, "none"),
              rect(300, 40, 300, 240, "none", 6)]
    for y in range(48, 150, 14):
        parts.append(rect(304, y, 292, 8, "#efe6d0", 2))
    parts += [line(450, 40, 450, 280, INK, 4), line(560, 40, 560, 160, "#888", 2)]
    parts += [rect(40, 30, 110, 80, WHITE, 4), path("M50,60 L140,60 M50,80 L120,80", sw=3, stroke="#aaa"),
              circ(120, 46, 6, "#c0392b", 0, "none"),
              line(240, 120, 240, 330, INK, 6), path("M210,130 L270,130", sw=6),
              path("M220,140 L200,300 L280,300 L262,140 Z", "#c99a5b", 4),
              path("M212,128 C210,96 268,96 266,128 Z", "#3b3552", 4), ell(240, 128, 44, 9, "#3b3552", 4)]
    parts += [rect(0, 320, W, 160, "#6a4a30", 0, "none")]
    parts += desk_front(60, 330, 520, 150, "#8a5a34", "#6a4024")
    parts += [rect(200, 180, 220, 140, "#e8ecf2", 5, rx=10), rect(214, 194, 192, 112, "#3fa0ff", 3, rx=4),
              catmac_face(310, 258, 0.42), path("M290,320 L330,320 L340,332 L280,332 Z", "#c9ced8", 4),
              rect(440, 296, 36, 34, WHITE, 4, rx=4), path("M476,304 Q490,312 476,322", sw=4),
              path("M450,290 Q455,280 450,270", sw=3, stroke="#888"),
              path("M100,314 L180,318 L176,330 L96,326 Z", "#f2e6c0", 3),
              path("M120,300 L170,304 L168,316 L118,312 Z", "#f8f0d8", 3)]
    write("OFFICE", parts, [g, sk])


def pic_first():
    g, bg = sky("bg", "#0a0a28", "#3a1a6a")
    glow = rgrad("glow", [(0, "#ff5fa8"), (1, "#3a1a6a")], r=0.5)
    parts = [bg, ell(320, 360, 360, 160, "url(#glow)", 0, "none", op(0.6))]
    parts += flashes(30, 21, 10, 200)
    parts += [circ(90, 80, 34, "#fff0f8", 0, "none", op(0.9))]
    parts += city(380, "#1c1640", seed=5, lit="#3ff0e0", win_op=0.7)
    parts += [rect(0, 380, W, 100, "#120e30", 0, "none")]
    for i in range(7):
        parts.append(line(0, 380 + i * i * 2.1, W, 380 + i * i * 2.1, "#3ff0e0", 2, op(0.5)))
    for i in range(-8, 9):
        parts.append(line(320 + i * 24, 380, 320 + i * 120, 480, "#3ff0e0", 2, op(0.4)))
    # detective silhouette with a glowing visor
    sil = "#07061a"
    parts += [path("M470,480 L478,360 C480,320 500,300 530,296 L570,296 C600,300 620,320 622,360 "
                   "L630,480 Z", sil, 4, "#ff5fa8"),
              circ(550, 262, 34, sil, 4, "#ff5fa8"),
              path("M500,246 C504,206 596,206 600,246 Z", sil, 4, "#ff5fa8"),
              path("M478,250 C500,236 600,236 622,250 C600,262 500,262 478,250 Z", sil, 4, "#ff5fa8"),
              path("M520,262 L584,262 L582,274 L522,274 Z", "#3ff0e0", 0, "none")]
    title = "ホロミナ2.0"
    font = 'font-family="Noto Sans CJK JP" font-weight="bold" text-anchor="middle"'
    parts += [f'<text x="320" y="178" {font} font-size="104" fill="none" stroke="#ff5fa8" '
              f'stroke-width="14" stroke-linejoin="round" opacity="0.5">{title}</text>',
              f'<text x="320" y="178" {font} font-size="104" fill="none" stroke="#2b2233" '
              f'stroke-width="8" stroke-linejoin="round">{title}</text>',
              f'<text x="320" y="178" {font} font-size="104" fill="#3ff0e0">{title}</text>',
              f'<text x="320" y="178" {font} font-size="104" fill="#ffffff" opacity="0.35">{title}</text>',
              line(120, 206, 520, 206, "#ff5fa8", 4)]
    write("FIRST", parts, [g, glow])


def pic_end1():
    g = rgrad("bg", [(0, "#fff3a0"), (1, "#ff8a3d")], r=0.75)
    gold = lgrad("gold", [(0, "#fffbe0"), (0.5, "#ffe14d"), (1, "#ff9f1c")])
    parts = [rect(0, 0, W, H, "url(#bg)", 0, "none")] + rays(320, 240, 24, WHITE, 0.25)
    parts += confetti(140, 17, ["#e03a3a", "#2f5fd0", "#2fae6a", "#a23bd6", WHITE, "#ff5fa8"])
    parts += [star(90, 90, 40, 17, "#ffd23f"), star(560, 80, 32, 13, "#ffd23f"),
              star(80, 400, 28, 12, "#ffd23f"), star(570, 400, 40, 17, "#ffd23f")]
    parts += [path("M40,300 Q320,380 600,300 L600,350 Q320,430 40,350 Z", "#e03a3a", 5),
              path("M40,300 L0,290 L20,330 L0,370 L40,350 Z", "#b02a2a", 5),
              path("M600,300 L640,290 L620,330 L640,370 L600,350 Z", "#b02a2a", 5)]
    font = 'font-family="Noto Sans CJK JP" font-weight="bold" text-anchor="middle" font-size="80"'
    txt = "GAME CLEAR!"
    parts += [f'<text x="324" y="250" {font} fill="#2b2233">{txt}</text>',
              f'<text x="320" y="244" {font} fill="none" stroke="#2b2233" stroke-width="10" '
              f'stroke-linejoin="round">{txt}</text>',
              f'<text x="320" y="244" {font} fill="url(#gold)">{txt}</text>']
    parts += [catmac_face(320, 380, 0.42)]
    write("END1", parts, [g, gold])


def main():
    for fn in (pic_white, pic_zozez40, pic_catmac, pic_greatajia, pic_asia2018, pic_akiko,
               pic_billy, pic_harary, pic_husasaki, pic_maro, pic_umakai, pic_muchimaro,
               pic_nagaya, pic_sun, pic_zako, pic_fujiwara, pic_besso, pic_flore1, pic_flore2,
               pic_flore3, pic_flore4, pic_office, pic_first, pic_end1):
        fn()


if __name__ == "__main__":
    main()
