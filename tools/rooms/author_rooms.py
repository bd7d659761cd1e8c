#!/usr/bin/env python3
"""Authors the room templates under Assets/Rooms/ from compact layouts.

Each room is drawn on a 50 px grid as a union of rectangles (the walkable
floor), with a corridor dug from the body to every doorway. The traced outline
gets its corners cut so the floor reads as worn stone rather than a box. Doors,
spawners, props, puddles and walls are then placed by rules a level designer
would apply by hand: spawners in open ground away from every door, furniture
along the rims and in the quiet corners, breakable pots where players wander.

The picture painted for a room is RoomFile::pictureSize(): the outline's far
edges plus 50 px, in whole hundreds; the canvas sizes given here bound that.
The room template check (tests/world/RoomTemplatesTest.cpp) holds every rule.

Run from the repository root: python3 tools/rooms/author_rooms.py
Output is deterministic (a fixed seed per room).
"""
import json
import math
import os
import random

GRID = 50
MARGIN = 60           # picture border left outside the walkable floor
DOOR_HALF = 100       # half width of a doorway corridor
# The door position (where the player is put on entry) lies far enough inside the
# doorway that the gate, centred GATE_INSET inside the picture margin and at most
# GATE_DEEP deep, is drawn clear of the player's frames (half height PLAYER_HALF).
GATE_INSET = 15
GATE_DEEP = 162
PLAYER_HALF = 86
DOOR_INSET = 195
assert DOOR_INSET >= GATE_INSET + GATE_DEEP / 2 + PLAYER_HALF
LEFT, RIGHT, TOP, BOTTOM = 0, 1, 2, 3
NORMAL, BOSS, SHOP, ELITE, HEAL, SOUL = 0, 1, 2, 3, 4, 5

# --------------------------------------------------------------------------
# Geometry


def cells_of(rects):
    cells = set()
    for (x0, y0, x1, y1) in rects:
        for i in range(x0 // GRID, x1 // GRID):
            for j in range(y0 // GRID, y1 // GRID):
                cells.add((i, j))
    return cells


def trace(cells):
    """Outline of a simply connected cell set, clockwise on screen."""
    edges = {}
    for (i, j) in cells:
        if (i, j - 1) not in cells:
            edges[(i, j)] = (i + 1, j)
        if (i + 1, j) not in cells:
            edges[(i + 1, j)] = (i + 1, j + 1)
        if (i, j + 1) not in cells:
            edges[(i + 1, j + 1)] = (i, j + 1)
        if (i - 1, j) not in cells:
            edges[(i, j + 1)] = (i, j)
    # A pinch (two cells touching by a corner) would give a vertex two outgoing edges.
    count = sum(1 for _ in edges)
    start = min(edges)
    loop = [start]
    cur = edges[start]
    while cur != start:
        loop.append(cur)
        cur = edges[cur]
    assert len(loop) == count, "room floor is not one simple outline"
    # Drop collinear vertices.
    out = []
    n = len(loop)
    for k in range(n):
        p, v, q = loop[k - 1], loop[k], loop[(k + 1) % n]
        if (v[0] - p[0]) * (q[1] - v[1]) - (v[1] - p[1]) * (q[0] - v[0]) != 0:
            out.append((v[0] * GRID, v[1] * GRID))
    return out


def chamfer(poly, cut):
    out = []
    n = len(poly)
    for k in range(n):
        p, v, q = poly[k - 1], poly[k], poly[(k + 1) % n]
        lp = math.dist(p, v)
        lq = math.dist(q, v)
        c = min(cut, lp / 2.5, lq / 2.5)
        out.append((v[0] + (p[0] - v[0]) * c / lp, v[1] + (p[1] - v[1]) * c / lp))
        out.append((v[0] + (q[0] - v[0]) * c / lq, v[1] + (q[1] - v[1]) * c / lq))
    return [(round(x, 1), round(y, 1)) for (x, y) in out]


def contains(poly, pt):
    """The game's containment: strict crossings, so a point level with a vertex
    can be missed. Placed points therefore end in 5 (vertices lie on tens)."""
    x, y = pt
    inside = False
    n = len(poly)
    for k in range(n):
        (x1, y1), (x2, y2) = poly[k - 1], poly[k]
        if (y1 > y > y2) or (y2 > y > y1):
            xc = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xc:
                inside = not inside
    return inside


def seg_dist(p, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy)))
    return math.dist(p, (ax + t * dx, ay + t * dy))


def edge_dist(poly, pt):
    return min(seg_dist(pt, poly[k - 1], poly[k]) for k in range(len(poly)))


def inner(poly, pt, clearance):
    return contains(poly, pt) and edge_dist(poly, pt) >= clearance

# --------------------------------------------------------------------------
# Floor themes


THEMES = {
    "ff": {
        "enemies": [["Zeyn"], ["Kahiyu"], ["Nazar"], ["Zeyn", "Kahiyu"], ["Kahiyu", "Nazar"], ["Zeyn", "Nazar"]],
        "rim": ["brambles_%02d" % i for i in range(1, 35, 3)] + ["branch_%02d" % i for i in range(1, 10)]
        + ["bush_01", "bush_02", "bush_03", "bush_04", "root_01", "root_02", "root_03", "root_04", "heap_of_leaves_01",
           "heap_of_leaves_02", "bramble_lantern_01", "bramble_lantern_02"],
        "landmarks": ["single_grave", "double_grave_01", "double_grave_02", "double_grave_03", "triple_grave",
                      "statue", "stone_01", "stone_02", "totem", "bones_01", "skull_01", "flowers"],
        "small": ["skull_02", "skull_03", "bones_02", "bones_03", "stone_03", "stone_04", "flowers_02", "ribs_01"],
        "evil": ["skull_bone_ribs", "blood_02", "body", "skull_bone", "ribs_02"],
        "good": ["flowers", "flowers_02", "flower_pot", "flower_pot_02", "bush_03"],
        "ambient_good": "Butterfly", "ambient_evil": "fly", "ambient": "firefly",
        "puddles": ["puddle", "puddle_2", "blood"],
    },
    "sf": {
        "enemies": [["ToaTao"], ["ToaMangere"], ["Kahiyu"], ["ToaTao", "Kahiyu"], ["ToaMangere", "ToaTao"],
                    ["Nazar", "ToaTao"]],
        "rim": ["moss_%02d" % i for i in range(1, 13)] + ["root_%02d" % i for i in range(5, 14)]
        + ["stone_05", "stone_06", "mushroom_03", "mushroom_04"],
        "landmarks": ["mushroom_01", "mushroom_02", "double_mushroom_01", "double_mushroom_02", "stone_01",
                      "stone_02", "skull_bone", "pillar_01"],
        "small": ["mini_mushroom_01", "mini_mushroom_02", "mini_mushroom_03", "mini_mushroom_04", "moss_13",
                  "moss_14", "moss_15", "moss_16", "moss_17", "moss_18", "moss_19"],
        "evil": ["skull_bone_ribs", "bones_01", "skull_04", "blood_02"],
        "good": ["water_lilies_01", "water_lilies_02", "mini_mushroom_02", "flowers_02"],
        "ambient_good": "firefly", "ambient_evil": "fly", "ambient": "firefly",
        "puddles": ["puddle_3", "puddle_4", "puddle_2"],
    },
    "tf": {
        "enemies": [["ToaKaipupuhi"], ["ToaMangere"], ["Zeyn"], ["ToaKaipupuhi", "ToaTao"],
                    ["ToaMangere", "Zeyn"], ["Nazar", "ToaKaipupuhi"]],
        "rim": ["pillar_01", "pillar_02", "pillar_03", "tube_01", "tube_02", "tank_01", "tank_02", "barrel", "strains",
                "strains_02", "flag", "flag_02"],
        "landmarks": ["foundry", "foundry_02", "workbench_01", "workbench_02", "firecamp", "tank_01", "totem",
                      "swords_01", "swords_02", "shield"],
        "small": ["fluid_11", "fluid_12", "fluid_13", "fluid_14", "fluid_15", "fluid_16", "fluid_17", "bucket",
                  "bags", "quiver_01", "bow"],
        "evil": ["skull_bone_ribs", "blood_02", "fluid_09", "skull_01"],
        "good": ["flower_pot", "fluid_10", "scythe", "quiver_02"],
        "ambient_good": "Butterfly", "ambient_evil": "fly", "ambient": "fly",
        "puddles": ["puddle_5", "blood", "puddle_4"],
    },
    "Tu": {
        "enemies": [["Zeyn"], ["Kahiyu"]],
        "rim": ["brambles_02", "brambles_05", "brambles_08", "bush_01", "bush_02", "branch_02", "root_01", "stone_03"],
        "landmarks": ["single_grave", "stone_01", "statue", "double_grave_01"],
        "small": ["flowers", "skull_02", "bones_02", "stone_04"],
        "evil": [], "good": [],
        "ambient_good": "Butterfly", "ambient_evil": "fly", "ambient": "firefly",
        "puddles": ["puddle", "puddle_2"],
    },
}

# Props that stand up from the ground, with the picture size they are painted at
# (tools/assetgen). The game gives each the outline of its foot (PropRegistry), so a
# walker stops at the foot and passes behind the rest of the picture.
SOLID_PROPS = {
    "single_grave": (170, 190), "double_grave_01": (280, 190), "double_grave_02": (280, 190),
    "double_grave_03": (280, 190), "triple_grave": (390, 190), "statue": (220, 320), "totem": (150, 320),
    "stone_01": (160, 200), "stone_02": (170, 230), "stone_03": (180, 170), "stone_04": (190, 200),
    "stone_05": (200, 230), "stone_06": (210, 170), "pillar_01": (120, 300), "pillar_02": (120, 300),
    "pillar_03": (120, 300), "tank_01": (140, 210), "tank_02": (140, 210), "barrel": (110, 140),
    "foundry": (220, 240), "foundry_02": (220, 240), "workbench_01": (240, 150), "workbench_02": (240, 150),
    "firecamp": (109, 186), "mushroom_01": (130, 130), "mushroom_02": (130, 130), "mushroom_03": (130, 130),
    "mushroom_04": (130, 130), "double_mushroom_01": (170, 160), "double_mushroom_02": (170, 160),
    "bramble_lantern_01": (202, 333), "bramble_lantern_02": (202, 333), "tube_01": (240, 90), "tube_02": (240, 90),
    "boss_tree": (760, 760), "boss_mushroom": (520, 520),
}


def foot_box(name, p):
    """The ground a solid prop stands on, as (x0, y0, x1, y1): a band at the bottom of its
    picture, as wide as its base. The same rule as PropRegistry::footprintOf."""
    w, h = SOLID_PROPS[name]
    half = (w * 36 + 50) // 100
    bottom = (h * 45 + 50) // 100
    depth = min(max((w * 30 + 50) // 100, 60), 80)
    return (p[0] - half, p[1] + bottom - depth, p[0] + half, p[1] + bottom)


# The water surface of each puddle as painted (radii of its ellipse about the centre).
def puddle_radii(name):
    fixed = {"lake": (440, 300), "river": (600, 210), "blood": (145, 100), "shop_puddle": (200, 130)}
    if name in fixed:
        return fixed[name]
    k = int(name.rsplit("_", 1)[1]) if name[-1].isdigit() else 1
    w, h = 200 + k * 40, 130 + (k % 3) * 40
    return (0.47 * w, 0.45 * h)


def boxes_meet(a, b, gap=0):
    return a[0] - gap < b[2] and b[0] - gap < a[2] and a[1] - gap < b[3] and b[1] - gap < a[3]


def box_in_ellipse_reach(box, c, radii, gap):
    """Whether a box comes within `gap` of an ellipse (tested on the ellipse grown by gap)."""
    rx, ry = radii[0] + gap, radii[1] + gap
    qx = min(max(c[0], box[0]), box[2])
    qy = min(max(c[1], box[1]), box[3])
    return ((qx - c[0]) / rx) ** 2 + ((qy - c[1]) / ry) ** 2 < 1.0


def snap_zone(v):
    return math.floor(v / 10.0) * 10 + 7


def snap_down(v):
    """The zone level (ending in 7) at or below v."""
    return math.floor((v - 7) / 10.0) * 10 + 7


def snap_up(v):
    return math.ceil((v - 7) / 10.0) * 10 + 7


def ellipse_zone(c, rx, ry, n=20):
    pts = []
    for k in range(n):
        a = 2 * math.pi * (k + 0.5) / n
        pts.append((snap_zone(c[0] + rx * math.cos(a)), snap_zone(c[1] + ry * math.sin(a))))
    out = []
    for q in pts:
        if not out or out[-1] != q:
            out.append(q)
    return out


BOSS_ENEMY = {"ff": "Nepturath", "sf": "DarkHulant", "tf": "TheGod"}
# Where each boss's fight takes place (fixed world points of its behaviour).
BOSS_SPOT = {"ff": (1870, 1250), "sf": (1870, 1100), "tf": (1870, 1100)}
# How far from that point the ground stays clear of solid feet (the ring the boss circles, and more).
BOSS_CLEAR = {"ff": 640, "sf": 720, "tf": 620}
BOSS_PROPS = {"ff": ["boss_tree", "boss_brambles"], "sf": ["boss_mushroom", "boss_moss"], "tf": ["boss_fluid"]}

# --------------------------------------------------------------------------
# Layouts: canvas (w, h), floor rectangles, door coordinate along each side
# (None: no door on that side), enemy range, karma flag, zones, extras.


def R(x0, y0, x1, y1):
    return (x0, y0, x1, y1)


def oval(cx, cy, rx, ry, strip=100):
    """A rounded arena as horizontal strips snapped to the grid."""
    rects = []
    y = cy - ry
    while y < cy + ry:
        mid = y + strip / 2 - cy
        half = rx * math.sqrt(max(0.0, 1 - (mid / ry) ** 2))
        half = (int(half) // GRID) * GRID
        if half >= 2 * GRID:
            rects.append(R(cx - half, y, cx + half, min(y + strip, cy + ry)))
        y += strip
    return rects


LAYOUTS = {
    # First floor: graveyard glades.
    "ff_norm1": dict(size=(2000, 1400), rects=[R(300, 250, 1700, 1150)],
                     doors={LEFT: 600, RIGHT: 850, TOP: 1000, BOTTOM: 1000}, enemies=(2, 3),
                     lake="puddle_2", lake_at=(1005, 655)),
    "ff_norm2": dict(size=(2200, 1400), rects=[R(250, 250, 1100, 1150), R(1100, 450, 1950, 1100)],
                     doors={LEFT: 700, RIGHT: 750, TOP: 650, BOTTOM: 800}, enemies=(2, 4)),
    "ff_norm3": dict(size=(2000, 1500), rects=[R(650, 200, 1350, 1300), R(250, 500, 1750, 1000)],
                     doors={LEFT: 750, RIGHT: 750, TOP: 1000, BOTTOM: 1000}, enemies=(2, 3), karma=True),
    "ff_norm4": dict(size=(2200, 1500), rects=[R(250, 300, 1950, 1250)], zones=[R(850, 650, 1350, 900)],
                     doors={LEFT: 450, RIGHT: 450, TOP: 1100, BOTTOM: 1100}, enemies=(3, 4)),
    "ff_norm5": dict(size=(2000, 1500), rects=[R(250, 250, 1000, 800), R(700, 700, 1750, 1300),
                                               R(1000, 300, 1750, 700)],
                     doors={LEFT: 500, RIGHT: 500, TOP: 600, BOTTOM: 1200}, enemies=(2, 4)),
    "ff_norm6": dict(size=(2200, 1400), rects=[R(300, 300, 1900, 1100)],
                     doors={LEFT: 700, RIGHT: 700, TOP: 1100, BOTTOM: 1100}, enemies=(3, 4), karma=True,
                     zones=[R(650, 600, 900, 850), R(1300, 600, 1550, 850)]),
    "ff_boss": dict(size=(2900, 2100), rects=oval(1850, 1250, 900, 700) + [R(1550, 1850, 2150, 1950)],
                    doors={TOP: 1850, BOTTOM: 1850}, enemies=(1, 1), lake="lake"),
    "ff_shop": dict(size=(2400, 1500), rects=[R(300, 350, 2150, 1250)],
                    doors={LEFT: 800, RIGHT: 800, TOP: 1200, BOTTOM: 1200}, enemies=(0, 0), lake="shop_puddle"),
    "ff_elite": dict(size=(2400, 1600), rects=[R(300, 300, 2100, 1350), R(900, 200, 1500, 300)],
                     doors={LEFT: 800, RIGHT: 800, TOP: 1200, BOTTOM: 1200}, enemies=(4, 5),
                     zones=[R(1050, 700, 1350, 950)]),
    "ff_heal": dict(size=(1800, 1400), rects=[R(450, 250, 1350, 1150), R(250, 450, 1550, 950)],
                    doors={LEFT: 700, RIGHT: 700, TOP: 900, BOTTOM: 900}, enemies=(0, 0), heal=True),
    "ff_soul": dict(size=(1800, 1400), rects=[R(400, 250, 1400, 1150)],
                    doors={LEFT: 700, RIGHT: 700, TOP: 900, BOTTOM: 900}, enemies=(0, 0), karma=True, souls=True),

    # Second floor: caverns of mushroom and moss; narrower passages, pits.
    "sf_norm1": dict(size=(2200, 1500), rects=[R(250, 350, 1950, 1200), R(700, 200, 1500, 350)],
                     doors={LEFT: 800, RIGHT: 650, TOP: 1100, BOTTOM: 1100}, enemies=(2, 4), karma=True,
                     zones=[R(1000, 650, 1300, 900)]),
    "sf_norm2": dict(size=(2000, 1500), rects=[R(250, 250, 850, 1300), R(850, 600, 1150, 900),
                                               R(1150, 250, 1750, 1300)],
                     doors={LEFT: 800, RIGHT: 800, TOP: 500, BOTTOM: 1450}, enemies=(2, 3)),
    "sf_norm3": dict(size=(2200, 1500), rects=[R(300, 600, 1900, 1300), R(600, 250, 1600, 600)],
                     doors={LEFT: 950, RIGHT: 950, TOP: 1100, BOTTOM: 700}, enemies=(2, 4), lake="puddle_5",
                     lake_at=(1105, 905)),
    "sf_norm4": dict(size=(2000, 1600), rects=[R(300, 300, 1100, 900), R(800, 900, 1700, 1400),
                                               R(1100, 300, 1700, 900), R(300, 900, 800, 1150)],
                     doors={LEFT: 600, RIGHT: 600, TOP: 700, BOTTOM: 1200}, enemies=(3, 4),
                     zones=[R(1050, 500, 1250, 700)]),
    "sf_norm5": dict(size=(2200, 1400), rects=[R(250, 250, 1950, 1150)],
                     doors={LEFT: 700, RIGHT: 700, TOP: 1100, BOTTOM: 1100}, enemies=(3, 4), karma=True,
                     zones=[R(600, 550, 850, 850), R(1350, 550, 1600, 850)]),
    "sf_norm6": dict(size=(2200, 1500), rects=[R(250, 300, 1300, 800), R(900, 800, 1950, 1300),
                                               R(1300, 300, 1950, 800), R(250, 800, 900, 1050)],
                     doors={LEFT: 550, RIGHT: 550, TOP: 1600, BOTTOM: 1400}, enemies=(2, 4)),
    "sf_boss": dict(size=(2900, 1900), rects=oval(1850, 1050, 950, 750) + [R(850, 250, 1400, 700)],
                    doors={TOP: 1800, BOTTOM: 1800}, enemies=(1, 1)),
    "sf_shop": dict(size=(2400, 1500), rects=[R(300, 400, 2100, 1200), R(1500, 250, 2100, 400)],
                    doors={LEFT: 800, RIGHT: 800, TOP: 1000, BOTTOM: 1200}, enemies=(0, 0), lake="shop_puddle"),
    "sf_elite": dict(size=(2400, 1600), rects=[R(300, 300, 2100, 1300)],
                     doors={LEFT: 800, RIGHT: 800, TOP: 1200, BOTTOM: 1200}, enemies=(4, 5),
                     zones=[R(700, 650, 950, 900), R(1450, 650, 1700, 900)]),
    "sf_heal": dict(size=(1800, 1400), rects=[R(300, 300, 1500, 1100)],
                    doors={LEFT: 700, RIGHT: 700, TOP: 900, BOTTOM: 900}, enemies=(0, 0), heal=True),
    "sf_soul": dict(size=(1800, 1400), rects=[R(450, 250, 1350, 1150), R(300, 500, 1500, 900)],
                    doors={LEFT: 700, RIGHT: 700, TOP: 900, BOTTOM: 900}, enemies=(0, 0), karma=True, souls=True),

    # Third floor: the furnace; hard-edged halls, molten channels.
    "tf_norm1": dict(size=(2200, 1500), rects=[R(300, 300, 1900, 1200)],
                     doors={LEFT: 750, RIGHT: 750, TOP: 1100, BOTTOM: 1100}, enemies=(3, 4),
                     zones=[R(950, 600, 1250, 900)]),
    "tf_norm2": dict(size=(2200, 1500), rects=[R(250, 300, 1950, 700), R(250, 700, 700, 1250),
                                               R(1500, 700, 1950, 1250), R(900, 700, 1300, 1250)],
                     doors={LEFT: 500, RIGHT: 500, TOP: 1100, BOTTOM: 1100}, enemies=(3, 4)),
    "tf_norm3": dict(size=(2000, 1500), rects=[R(600, 250, 1400, 1300), R(250, 600, 1750, 950)],
                     doors={LEFT: 750, RIGHT: 750, TOP: 1000, BOTTOM: 1000}, enemies=(2, 4)),
    "tf_norm4": dict(size=(2200, 1500), rects=[R(250, 250, 1200, 850), R(800, 850, 1950, 1300),
                                               R(1200, 250, 1950, 850)],
                     doors={LEFT: 550, RIGHT: 550, TOP: 700, BOTTOM: 1400}, enemies=(3, 4), karma=True,
                     zones=[R(1400, 450, 1650, 650)]),
    "tf_norm5": dict(size=(2000, 1500), rects=[R(300, 250, 1700, 1300)],
                     doors={LEFT: 800, RIGHT: 800, TOP: 1000, BOTTOM: 1000}, enemies=(3, 4),
                     zones=[R(600, 550, 800, 750), R(1200, 550, 1400, 750), R(900, 850, 1100, 1000)]),
    "tf_norm6": dict(size=(2200, 1400), rects=[R(250, 250, 1950, 650), R(650, 650, 1550, 1150)],
                     doors={LEFT: 450, RIGHT: 450, TOP: 1100, BOTTOM: 1100}, enemies=(2, 4)),
    "tf_boss": dict(size=(2900, 1900), rects=oval(1850, 1050, 950, 700) + [R(600, 800, 1100, 1300), R(2600, 800, 2800, 1300)],
                    doors={TOP: 1850, BOTTOM: 1850}, enemies=(1, 1), karma=True),
    "tf_shop": dict(size=(2400, 1500), rects=[R(300, 350, 2150, 1250)],
                    doors={LEFT: 800, RIGHT: 800, TOP: 1200, BOTTOM: 1200}, enemies=(0, 0), lake="shop_puddle"),
    "tf_elite": dict(size=(2400, 1600), rects=[R(300, 300, 2100, 1350)],
                     doors={LEFT: 850, RIGHT: 850, TOP: 1200, BOTTOM: 1200}, enemies=(4, 5),
                     zones=[R(1050, 650, 1350, 1000)]),
    "tf_heal": dict(size=(1800, 1400), rects=[R(300, 250, 1500, 1150)],
                    doors={LEFT: 700, RIGHT: 700, TOP: 900, BOTTOM: 900}, enemies=(0, 0), heal=True, karma=True),

    # Tutorial: one straight path from the Bottom door to the Top door.
    # The first lesson asks the player to walk up to the enemy: it waits well out of reach
    # (500 px) of the entrance.
    "Tuto_1": dict(size=(1800, 1500), rects=[R(500, 250, 1300, 1350)], doors={TOP: 900, BOTTOM: 900},
                   enemies=(1, 1), entrance_gap=650),
    "Tuto_2": dict(size=(1800, 1500), rects=[R(350, 300, 1450, 1250)], doors={TOP: 900, BOTTOM: 900},
                   enemies=(2, 2)),
    "Tuto_3": dict(size=(1800, 1400), rects=[R(400, 250, 1400, 1150)], doors={TOP: 900, BOTTOM: 900},
                   enemies=(0, 0), heal=True),
    "Tuto_4": dict(size=(2000, 1500), rects=[R(300, 300, 1700, 1250)], doors={TOP: 1000, BOTTOM: 1000},
                   enemies=(2, 3)),
    "Tuto_5": dict(size=(2400, 1600), rects=[R(300, 250, 2200, 1400)], doors={TOP: 1100, BOTTOM: 1100},
                   enemies=(0, 0)),
}

TYPES = {"boss": BOSS, "shop": SHOP, "elite": ELITE, "heal": HEAL, "soul": SOUL}
TUTO_TYPES = {"Tuto_1": NORMAL, "Tuto_2": NORMAL, "Tuto_3": HEAL, "Tuto_4": ELITE, "Tuto_5": SHOP}
# Registered walls, by room.
WALLS = {
    "ff_norm1": ["ff_norm1_wall"], "ff_norm2": ["ff_norm2_wall"], "ff_norm4": ["ff_norm4_wall_1", "ff_norm4_wall_2"],
    "ff_norm5": ["ff_norm5_wall_1", "ff_norm5_wall_2"], "ff_elite": ["ff_elite_wall_1", "ff_elite_wall_2"],
    "sf_heal": ["sf_heal_wall_1", "sf_heal_wall_2"], "tf_boss": ["tf_boss_wall_1", "tf_boss_wall_2"],
    "tf_elite": ["tf_elite_wall_1", "tf_elite_wall_2", "tf_elite_wall_3"],
    "tf_heal": ["tf_heal_wall_1", "tf_heal_wall_2"], "tf_norm1": ["tf_norm1_wall"],
    "tf_norm2": ["tf_norm2_wall_1", "tf_norm2_wall_2"], "tf_norm3": ["tf_norm3_wall"], "tf_norm6": ["tf_norm6_wall"],
    "tf_shop": ["tf_shop_wall"], "sf_norm1": ["sf_norm1_wall"], "sf_norm2": ["sf_norm2_wall"],
    "sf_norm6": ["sf_norm6_wall"], "sf_elite": ["sf_elite_wall_1", "sf_elite_wall_2"],
    "sf_norm5": ["sf_norm5_wall_1", "sf_norm5_wall_2"],
}
TRADER = (1840, 950)

# A wall picture (tools/assetgen WallPainter) is a capped top over a face whose bottom,
# the foot, lies WALL_FOOT x its height below its centre; the wall is as deep as its
# cap, so its back meets the floor WALL_BACK x its height below the centre.
WALL_FOOT = 0.4
WALL_BACK = 0.1


def wall_foot(p, ww, wh):
    """The restricted zone under a wall: from its back to just in front of its face."""
    x0, x1 = snap_down(p[0] - 0.46 * ww), snap_up(p[0] + 0.46 * ww)
    y0, y1 = snap_down(p[1] + WALL_BACK * wh), snap_up(p[1] + WALL_FOOT * wh + 8)
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def wall_box(p):
    """The most a wall's picture can cover, standing at p."""
    return (p[0] - 220, p[1] - 130, p[0] + 220, p[1] + 110)


def wall_room(p, outline, zones, lanes):
    try:
        wall_size("", p, outline, zones, lanes, smallest=True)
        return True
    except AssertionError:
        return False


def wall_size(name, p, outline, zones, lanes, smallest=False):
    """The wall's picture, as wide as the ground at p allows (300 to 440 px)."""
    rng = random.Random(name + "/size")
    wh = 260 if smallest else rng.choice(range(210, 261, 10))
    for ww in ([300] if smallest else range(rng.choice(range(360, 441, 20)), 299, -20)):
        foot = wall_foot(p, ww, wh)
        box = (p[0] - ww / 2, p[1] - wh / 2, p[0] + ww / 2, p[1] + WALL_FOOT * wh)
        if (all(inner(outline, q, 40) for q in foot) and not any(boxes_meet(box, l, 20) for l in lanes)
                and all(not contains(z, q) and edge_dist(z, q) >= 60 for z in zones for q in foot)):
            return ww, wh
    raise AssertionError("no room for wall " + name)

# --------------------------------------------------------------------------
# Building one room


def pt(p):
    return {"x": float(p[0]), "y": float(p[1])}


def door_geometry(side, along, w, h):
    """Doorway corridor end (on the picture margin) and the door position."""
    edge_lo = (MARGIN // GRID) * GRID
    right = ((w - MARGIN) // GRID) * GRID
    bottom = ((h - MARGIN) // GRID) * GRID
    at = along + 5
    back = float(DOOR_INSET - GATE_INSET)
    if side == LEFT:
        return (edge_lo, at), (edge_lo + DOOR_INSET, at), (-back, 0.0)
    if side == RIGHT:
        return (right, at), (right - DOOR_INSET, at), (back, 0.0)
    if side == TOP:
        return (at, edge_lo), (at, edge_lo + DOOR_INSET), (0.0, -back)
    return (at, bottom), (at, bottom - DOOR_INSET), (0.0, back)


def dig(cells, side, along, w, h):
    """Adds the doorway corridor from the picture margin to the body."""
    a0 = (along - DOOR_HALF) // GRID
    a1 = (along + DOOR_HALF) // GRID
    if side in (LEFT, RIGHT):
        start = MARGIN // GRID if side == LEFT else (w - MARGIN) // GRID - 1
        step = 1 if side == LEFT else -1
        i = start
        while not all((i, j) in cells for j in range(a0, a1)):
            for j in range(a0, a1):
                cells.add((i, j))
            i += step
    else:
        start = MARGIN // GRID if side == TOP else (h - MARGIN) // GRID - 1
        step = 1 if side == TOP else -1
        j = start
        while not all((i, j) in cells for i in range(a0, a1)):
            for i in range(a0, a1):
                cells.add((i, j))
            j += step


def farthest_points(candidates, seeds, count, spacing):
    chosen = []
    pool = list(candidates)
    while len(chosen) < count and pool:
        def score(c):
            ref = chosen + seeds
            return min(math.dist(c, s) for s in ref) if ref else -math.dist(c, pool[0])
        best = max(pool, key=score)
        if chosen and min(math.dist(best, s) for s in chosen) < spacing:
            break
        chosen.append(best)
        pool.remove(best)
    return chosen


def build(name):
    lay = LAYOUTS[name]
    w, h = lay["size"]
    prefix = name[:2]
    theme = THEMES[prefix]
    rng = random.Random(name)
    if name.startswith("Tuto"):
        rtype = TUTO_TYPES[name]
    else:
        suffix = name[3:]
        rtype = NORMAL if suffix.startswith("norm") else TYPES[suffix]

    cells = cells_of(lay["rects"])
    for side, along in lay["doors"].items():
        dig(cells, side, along, w, h)
    # The game's containment misses a point level with a vertex, so every kind of point keeps
    # its own last digit: outline vertices end in 2, zone corners in 7, placed points in 5, and
    # the fixed points of the bosses and the trader in 0.
    # Worn glades, rounded caves, hard-cut furnace halls.
    cut = {"ff": 30, "sf": 40, "tf": 10, "Tu": 30}[prefix]
    outline = [(x + 2, y + 2) for (x, y) in chamfer(trace(cells), cut)]
    assert max(x for x, _ in outline) <= w - MARGIN + 2.1 and max(y for _, y in outline) <= h - MARGIN + 2.1, name

    zones = [[(x0 + 7, y0 + 7), (x1 + 7, y0 + 7), (x1 + 7, y1 + 7), (x0 + 7, y1 + 7)]
             for (x0, y0, x1, y1) in lay.get("zones", [])]
    zones = [chamfer(z, 40) for z in zones]

    doors = []
    door_points = []
    tutorial = name.startswith("Tuto")
    for side in (LEFT, TOP, RIGHT, BOTTOM):
        if side not in lay["doors"]:
            continue
        _, pos, delta = door_geometry(side, lay["doors"][side], w, h)
        # Side doors lead on to children and are the way in from a parent's side door.
        doors.append({"x": float(pos[0]), "y": float(pos[1]), "direction": side,
                      "input": side in (LEFT, RIGHT, BOTTOM),
                      "output": side in (LEFT, RIGHT, TOP),
                      "spriteDeltaX": delta[0], "spriteDeltaY": delta[1]})
        door_points.append(pos)

    # The lane a player walks in through each doorway: from the gate to well inside.
    lanes = []
    for d in doors:
        x, y = d["x"], d["y"]
        gx, gy = x + d["spriteDeltaX"], y + d["spriteDeltaY"]
        reach = 200
        if d["direction"] in (LEFT, RIGHT):
            inward = 1 if d["direction"] == LEFT else -1
            xs = sorted((gx, x + inward * reach))
            lanes.append((xs[0], y - DOOR_HALF, xs[1], y + DOOR_HALF))
        else:
            inward = 1 if d["direction"] == TOP else -1
            ys = sorted((gy, y + inward * reach))
            lanes.append((x - DOOR_HALF, ys[0], x + DOOR_HALF, ys[1]))

    # A lake is a deep pool: its water is a restricted zone, painted under the puddle.
    # The boss's lake is the arena itself, shallow enough to fight in.
    waters = []
    if "lake" in lay:
        if rtype == BOSS:
            c = BOSS_SPOT[prefix]
        else:
            c = lay.get("lake_at", (w / 2 + 5, h / 2 + 5))
            rx, ry = puddle_radii(lay["lake"])
            zones.append(ellipse_zone(c, rx * 0.9, ry * 0.88))
        waters.append({"x": float(c[0]), "y": float(c[1]), "texture": lay["lake"]})

    def free(p, clearance=110, door_gap=230, zone_gap=90):
        return (inner(outline, p, clearance) and all(math.dist(p, d) >= door_gap for d in door_points)
                and all(not contains(z, p) and edge_dist(z, p) >= zone_gap for z in zones))

    grid = [(x, y) for x in range(25, w, GRID) for y in range(25, h, GRID)]
    open_ground = [p for p in grid if free(p)]
    taken = []
    # What stands on the floor, as boxes: solid feet, wall pictures and feet. Nothing
    # solid overlaps another, and none stands in a doorway's lane.
    blocks = []
    puddles = [((wt["x"], wt["y"]), puddle_radii(wt["texture"])) for wt in waters]

    def on_water(box, gap=40):
        return any(box_in_ellipse_reach(box, c, r, gap) for c, r in puddles)

    # The boss's fight needs its ground clear of anything solid.
    arena = (BOSS_SPOT[prefix], BOSS_CLEAR[prefix]) if rtype == BOSS else None

    def fits(prop, p):
        if prop.startswith("pot_"):
            box = (p[0] - 45, p[1], p[0] + 45, p[1] + 45)
        elif prop in SOLID_PROPS:
            box = foot_box(prop, p)
        else:
            return not on_water((p[0], p[1], p[0], p[1]), 60)
        if arena and box_in_ellipse_reach(box, arena[0], (arena[1], arena[1]), 0):
            return False
        return (not any(boxes_meet(box, b, 40) for b in blocks) and not any(boxes_meet(box, l, 20) for l in lanes)
                and not on_water(box))

    # Enemies.
    mn, mx = lay["enemies"]
    spawners = []
    if rtype == BOSS:
        spot = BOSS_SPOT[prefix]
        assert inner(outline, spot, 400), name
        spawners.append({"x": float(spot[0]), "y": float(spot[1]), "chance": 100, "enemies": [BOSS_ENEMY[prefix]]})
        taken.append(spot)
    elif mx > 0:
        centre = (w / 2, h / 2)
        cands = sorted([p for p in open_ground if free(p, 150, 380)], key=lambda p: math.dist(p, centre))
        if "entrance_gap" in lay:
            sides = [side for side in (LEFT, TOP, RIGHT, BOTTOM) if side in lay["doors"]]
            entrance = door_points[sides.index(BOTTOM)]
            cands = [p for p in cands if math.dist(p, entrance) >= lay["entrance_gap"]]
        spots = farthest_points(cands, [], mx + 2, 250)
        assert len(spots) >= mx, name
        pools = theme["enemies"]
        for k, s in enumerate(spots):
            enemies = pools[(k + rng.randrange(len(pools))) % len(pools)]
            if rtype == ELITE and prefix != "Tu":
                enemies = sorted(set(enemies + pools[(k + 3) % len(pools)]))
            if tutorial:
                enemies = ["Zeyn"] if name == "Tuto_1" else pools[k % len(pools)]
            spawners.append({"x": float(s[0]), "y": float(s[1]), "chance": 100, "enemies": list(enemies)})
            taken.append(s)

    if lay.get("heal"):
        # The healing circle lies flat at the centre, and the player stands on it: nothing solid there.
        heal_spot = (w // 2 + 5, h // 2 + 5)
        blocks.append((heal_spot[0] - 150, heal_spot[1] - 150, heal_spot[0] + 150, heal_spot[1] + 150))

    if rtype in (SHOP,) and not tutorial or name == "Tuto_5":
        taken.append(TRADER)
        assert inner(outline, TRADER, 150), name

    # Free-standing wall pieces: the player walking behind one sees through it.
    walls = []
    wall_names = WALLS.get(name, [])
    if wall_names:
        spots = []
        # Ask for roomy ground first, then settle for tighter spots in small rooms.
        tiers = [(200, 260, 470, 260), (150, 200, 460, 260), (130, 170, 460, 260), (110, 130, 460, 260),
                 (110, 100, 460, 260), (100, 60, 460, 260), (100, 60, 400, 260), (80, 40, 300, 180)]
        for clearance, gap, spacing, door_gap in tiers:
            cands = [p for p in grid
                     if free(p, clearance, door_gap) and all(math.dist(p, t) >= gap for t in taken)
                     and wall_room(p, outline, zones, lanes)
                     and not any(boxes_meet(wall_box(p), b, 10) for b in blocks)]
            # Greedy from the loneliest ground: each wall keeps its distance from the others.
            seeds = taken + door_points
            spots = []
            for c in sorted(cands, key=lambda c: -min(math.dist(c, q) for q in seeds) if seeds else 0):
                if len(spots) < len(wall_names) and all(
                        not boxes_meet(wall_box(c), wall_box(q), 60) and math.dist(c, q) >= spacing - 150
                        for q in spots):
                    spots.append(c)
            if len(spots) == len(wall_names):
                break
        assert len(spots) == len(wall_names), name
        for wn, p in zip(wall_names, spots):
            ww, wh = wall_size(wn, p, outline, zones, lanes)
            # The outline is the picture above the back of the wall's foot: standing there,
            # the player is hidden and the wall fades. The foot itself is a zone.
            back = WALL_BACK * wh
            behind = [(-ww / 2, -wh / 2), (ww / 2, -wh / 2), (ww / 2, back), (-ww / 2, back)]
            walls.append({"x": float(p[0]), "y": float(p[1]), "texture": wn, "boundaries": [pt(b) for b in behind]})
            zones.append(wall_foot(p, ww, wh))
            blocks.append((p[0] - ww / 2, p[1] - wh / 2, p[0] + ww / 2, p[1] + WALL_FOOT * wh))
            taken.append(p)
        # Props and puddles keep off the wall feet too.
        open_ground = [q for q in open_ground if free(q)]

    static = []

    def place(prop, p, good=False, evil=False, neutral=True):
        static.append({"x": float(p[0]), "y": float(p[1]), "prop": prop, "good": good, "evil": evil,
                       "neutral": neutral})
        if prop in SOLID_PROPS:
            blocks.append(foot_box(prop, p))

    def pick(names, p):
        """A name from the list whose foot fits at p, or None."""
        order = list(names)
        rng.shuffle(order)
        return next((n for n in order if fits(n, p)), None)

    if rtype == BOSS:
        for k, prop in enumerate(BOSS_PROPS[prefix]):
            # Looming over the arena from its upper corners, off the floor and clear of the doors.
            p = (w // 5 if k == 0 else 4 * w // 5, h // 6)
            assert not contains(outline, p) and all(math.dist(p, d) >= 300 for d in door_points), name
            assert fits(prop, p), name
            place(prop, p)

    if lay.get("heal"):
        c = (w // 2 + 5, h // 2 + 5)
        assert inner(outline, c, 200), name
        place("pentagram", c)
        taken.append(c)
    if lay.get("souls"):
        c = (w // 2 + 5, h // 2 + 5)
        place("souls", c)

    # Rim dressing just outside the floor, every ~230 px of its perimeter, leaving doorways clear.
    n = len(outline)
    rim = theme["rim"]
    walked = rng.uniform(0, 230)
    for k in range(n):
        a, b = outline[k - 1], outline[k]
        length = math.dist(a, b)
        if length < 1:
            continue
        # Outward normal of a clockwise outline on screen.
        nx, ny = (b[1] - a[1]) / length, -(b[0] - a[0]) / length
        t = 230 - walked
        while t < length:
            px, py = a[0] + (b[0] - a[0]) * t / length, a[1] + (b[1] - a[1]) * t / length
            p = (round(px + nx * 45), round(py + ny * 45))
            t += 230 + rng.uniform(-40, 40)
            if contains(outline, p) or any(math.dist(p, d) < 260 for d in door_points):
                continue
            if not (0 < p[0] < w and 0 < p[1] < h):
                continue
            prop = pick(rim, p)
            if prop:
                place(prop, p)
        walked = (walked + length) % 230

    def dress(names, count, gap, spacing, **flags):
        quiet = [p for p in open_ground if all(math.dist(p, t) >= gap for t in taken)]
        placed = 0
        for p in farthest_points(quiet, taken + door_points, count + 3, spacing):
            if placed == count:
                break
            prop = pick(names, p)
            if prop:
                place(prop, p, **flags)
                taken.append(p)
                placed += 1

    # Landmarks in quiet ground, keeping lanes between doors and spawners.
    dress(theme["landmarks"], 3 if rtype != BOSS else 2, 220, 200)
    dress(theme["small"], 4, 180, 150)

    karma = lay.get("karma", False)
    if karma and theme["evil"]:
        for k in range(4):
            if k % 2 == 0:
                dress(theme["evil"], 1, 130, 130, evil=True, neutral=False)
            else:
                dress(theme["good"], 1, 130, 130, good=True, neutral=False)


    # Chance-placed props: breakable pots and the room's small life.
    dynamic = []
    quiet = [p for p in open_ground if all(math.dist(p, t) >= 160 for t in taken) and fits("pot_01", p)]
    pot_spots = farthest_points(quiet, taken + door_points, 3, 150)
    if pot_spots and rtype != BOSS:
        dynamic.append({"chance": 0.7, "pickOne": False, "good": False, "evil": False, "neutral": True,
                        "props": [{"x": float(p[0]), "y": float(p[1]), "prop": "pot_%02d" % (k % 3 + 1),
                                   "chance": 2, "good": False, "evil": False, "neutral": True}
                                  for k, p in enumerate(pot_spots)]})
        taken.extend(pot_spots)
        # A pot blocks with its own outline: keep solid feet off it.
        blocks.extend((p[0] - 45, p[1], p[0] + 45, p[1] + 45) for p in pot_spots)
    deco = farthest_points([p for p in quiet if all(math.dist(p, t) >= 120 for t in taken)], taken, 2, 150)
    if len(deco) == 2:
        def item(prop, p, good, evil, neutral):
            return {"x": float(p[0]), "y": float(p[1]), "prop": prop, "chance": 1, "good": good, "evil": evil,
                    "neutral": neutral}
        dynamic.append({"chance": 0.5, "pickOne": True, "good": False, "evil": False, "neutral": True,
                        "props": [item(theme["ambient"], deco[0], False, False, True),
                                  item(theme["ambient"], deco[1], False, False, True)]})
        if karma:
            dynamic.append({"chance": 1.0, "pickOne": True, "good": True, "evil": False, "neutral": False,
                            "props": [item(theme["ambient_good"], deco[1], True, False, False)]})
            dynamic.append({"chance": 1.0, "pickOne": True, "good": False, "evil": True, "neutral": False,
                            "props": [item(theme["ambient_evil"], deco[0], False, True, False)]})

    # Puddles: flat, so they may lie under paths; never on a door, a prop or a wall's foot.
    ground = [(x["x"], x["y"]) for x in static if x["prop"] not in SOLID_PROPS]
    ground += [(i["x"], i["y"]) for c in dynamic for i in c["props"]]
    lakes = [(wt["x"], wt["y"]) for wt in waters]

    def dry(pname, p):
        rx, ry = puddle_radii(pname)
        grown = (rx + 40, ry + 40)
        return (not any(box_in_ellipse_reach(b, p, grown, 0) for b in blocks + lanes)
                and not any(box_in_ellipse_reach((q[0], q[1], q[0], q[1]), p, (rx + 60, ry + 60), 0) for q in ground)
                and all(((q[0] - p[0]) / (rx + r[0] + 40)) ** 2 + ((q[1] - p[1]) / (ry + r[1] + 40)) ** 2 >= 1
                        for q, r in puddles))

    cands = [p for p in grid if free(p, 120, 260) and all(math.dist(p, t) >= 300 for t in lakes)]
    wanted = 2 if rtype != BOSS else 1
    for p in farthest_points(cands, lakes + door_points, wanted + 6, 300):
        if wanted == 0:
            break
        pname = rng.choice(theme["puddles"])
        if pname == "river" or not dry(pname, p):
            continue
        waters.append({"x": float(p[0]), "y": float(p[1]), "texture": pname})
        puddles.append((p, puddle_radii(pname)))
        wanted -= 1

    doc = {"name": name, "type": rtype, "texture": name, "karmaDependent": karma,
           "minEnemies": mn, "maxEnemies": mx,
           "boundaries": [pt(p) for p in outline],
           "doors": doors, "staticProps": static, "dynamicProps": dynamic or None, "spawners": spawners or None,
           "waters": waters or None, "walls": walls or None,
           "restricted": [{"boundaries": [pt(p) for p in z]} for z in zones] or None}
    if karma:
        doc["evilTexture"] = name + "_bad"
        doc["goodTexture"] = name + "_good"
    return doc


def main():
    out_dir = os.path.join("Assets", "Rooms")
    os.makedirs(out_dir, exist_ok=True)
    for name in LAYOUTS:
        doc = build(name)
        with open(os.path.join(out_dir, name + ".json"), "w") as f:
            f.write(json.dumps(doc, indent="\t", sort_keys=True) + "\n")
        print("%-10s doors %d spawners %-2d props %-3d waters %d walls %d" % (
            name, len(doc["doors"]), len(doc["spawners"] or []), len(doc["staticProps"]),
            len(doc["waters"] or []), len(doc["walls"] or [])))


if __name__ == "__main__":
    main()
