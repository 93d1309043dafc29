"""Map layers written as text: 15 rows of 20 characters, one character per 32-px cell."""
from art.tilesets import TILESETS

COLUMNS, ROWS = 20, 15


def parse(grid, legend, context, level_name):
    """[(tile id, column, row), ...] of one layer grid, row by row."""
    rows = [line.strip() for line in grid.strip().splitlines()]
    if len(rows) != ROWS or any(len(r) != COLUMNS for r in rows):
        sizes = [len(r) for r in rows]
        raise ValueError(f"{level_name}: a layer must be {ROWS} rows of {COLUMNS} cells, got {sizes}")
    tiles = []
    for row, line in enumerate(rows):
        for column, char in enumerate(line):
            if char == ".":
                continue
            if char not in legend:
                raise ValueError(f"{level_name}: no tile for {char!r} (row {row}, column {column})")
            tiles.append((TILESETS[context][legend[char]], column, row))
    return tiles
