"""The levels of every set, in playing order, and the backdrop levels that are not played."""

LEVEL_ORDER = ["l1"]
BACKDROPS = []
