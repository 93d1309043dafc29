"""What a level can pay out: the most a player could score on it with the droppings it gives,
by the targets it holds. Near misses are left out (they reward daring, a level must not need
them), so a level whose required score is well below this ceiling is winnable by hitting.

    ceiling(level, "hard")  # -> points
"""
from levels.model import SETS

DROPPINGS = 20                # every level starts with these
CRATE = ("PADAKBOBKY", 20)    # a placed crate of droppings brings this many more

# Targets that stay on the level: every dropping on them pays again.
STAYING = {name: 150 for name in ("CLOVEK1", "CLOVEK2", "CLOVEK3", "CLOVEK4", "CLOVEK5",
                                  "CLOVEK6", "WINTERCLOVEK1", "YETI", "VELBLOUD")}
STAYING |= {"BOSS1": 1000, "NEST": 250}

# Targets that pass or fall once: one dropping each.
ONCE = {name: 250 for name in ("CAT", "DOG", "PIG", "WINTERDOG", "FOX", "PENGUIN", "EGGRUNNER")}
ONCE |= {"HYETILEFT": 5000, "HYETIRIGHT": 5000}

ANIMAL_EVERY = 7000           # the level's own dispenser sends an animal every 5-9 s

# Eggs: a caught egg pays 1000 and needs no dropping. A plane lets an egg go every
# factor x 500 ms while it is over the screen (its nose from x -110 to 470 at 2 px a step:
# 5800 ms), and one drop in ten is a ball instead.
EGG = 1000
PLANE_OVER_SCREEN = 5800
FACTOR = dict(zip(SETS, (1.6, 1.3, 1.0)))


def placed(level, level_set):
    """Every entity name the level puts on the screen, once per entity: placed or released."""
    tuning = level.tuning(level_set)
    names = [actor.name for actor in level.actors + tuning.actors]
    for generator in level.generators + tuning.generators:
        names += generator.entities
    return names


def ceiling(level, level_set):
    names = placed(level, level_set)
    tuning = level.tuning(level_set)
    droppings = DROPPINGS + CRATE[1] * names.count(CRATE[0])
    staying = max((STAYING[n] for n in names if n in STAYING), default=0)
    once = sorted((ONCE[n] for n in names if n in ONCE), reverse=True)
    once += [ONCE["DOG"]] * (tuning.time // ANIMAL_EVERY)
    once.sort(reverse=True)
    hits = [max(staying, once[i] if i < len(once) else 0) for i in range(droppings)]
    eggs_per_plane = PLANE_OVER_SCREEN // int(FACTOR[level_set] * 500) * 9 // 10
    return sum(hits) + EGG * eggs_per_plane * names.count("PLANE")
