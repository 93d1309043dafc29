"""The levels of every set, in playing order (the same names in the three sets: hints and
passwords are per name), and the backdrop levels that are not played."""

LEVEL_ORDER = [
    "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10",
    "l1b", "l2b", "l3b", "l4b", "l5b", "l6b", "l7b", "l8b", "l9b", "l10b",
]
BACKDROPS = ["credits"]
