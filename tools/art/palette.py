"""The game's colours. Every module draws with these names, so the art stays one family."""

# Lines
OUTLINE = (40, 26, 46)          # dark plum: the outline of every character, never pure black
OUTLINE_WIDTH = 1.0             # output pixels, for sprites at 1:1; large pictures scale it
NEAR_BLACK = (8, 8, 8)          # what pure black is turned into (black is a colour key)
WHITE = (255, 255, 250)

# The hero bird
BIRD = (232, 72, 52)
BIRD_SHADE = (176, 42, 44)
BIRD_LIGHT = (255, 132, 96)
BELLY = (255, 230, 172)
BELLY_SHADE = (238, 190, 124)
BEAK = (255, 184, 40)
BEAK_SHADE = (220, 124, 24)
FEET = (250, 150, 40)
PUPIL = (36, 26, 56)
CHEEK = (255, 150, 150)

# Winter gear
CAP = (62, 112, 214)
CAP_SHADE = (38, 70, 160)
POMPOM = (250, 250, 255)
POMPOM_SHADE = (196, 210, 236)
SCARF = (58, 176, 86)
SCARF_SHADE = (34, 122, 60)
SCARF_STRIPE = (250, 246, 230)

# Eggs and nest
EGG = (252, 246, 226)
EGG_SHADE = (222, 206, 170)
EGG_SPOT = (150, 196, 230)
NEST = (168, 112, 56)
NEST_SHADE = (116, 72, 36)

# Landscape
SKY_TOP = (84, 156, 232)
SKY_BOTTOM = (196, 230, 255)
CLOUD = (255, 255, 255)
CLOUD_SHADE = (210, 228, 246)
GRASS = (104, 190, 72)
GRASS_SHADE = (62, 140, 58)
GRASS_LIGHT = (160, 222, 96)
HILL_FAR = (132, 196, 150)
EARTH = (152, 100, 60)
EARTH_SHADE = (110, 70, 44)
TRUNK = (124, 82, 48)
LEAVES = (70, 160, 70)
LEAVES_SHADE = (42, 112, 56)
SUN = (255, 222, 90)

# Panels and windows
PANEL = (36, 44, 84)
PANEL_EDGE = (246, 204, 96)
PANEL_LIGHT = (62, 74, 128)
PAPER = (255, 244, 214)
PAPER_SHADE = (232, 206, 160)
WOOD = (190, 126, 66)
WOOD_SHADE = (138, 86, 44)

# Lettering
GOLD_TOP = (255, 242, 120)
GOLD_BOTTOM = (255, 150, 30)
CREAM = (255, 248, 226)
CREAM_DEEP = (255, 226, 170)
HUD_TOP = (255, 255, 255)
HUD_BOTTOM = (188, 230, 255)
GOOD_GREEN = (120, 232, 90)
BAD_RED = (255, 96, 80)
MAGENTA = (255, 0, 255)

# Power-up icons
RED = (226, 52, 52)
GREEN = (72, 190, 64)
BLUE = (64, 132, 232)
YELLOW = (255, 210, 48)
PURPLE = (150, 84, 200)
GREY = (150, 156, 170)
GREY_SHADE = (100, 104, 120)
CANOPY_A = (250, 250, 245)
CANOPY_SHADE = (210, 214, 226)
CRATE = (210, 150, 80)
CRATE_SHADE = (156, 100, 50)
ROPE = (120, 96, 80)
