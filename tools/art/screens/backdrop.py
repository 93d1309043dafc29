"""blankbg.png: a calm evening-blue backdrop for the story, credits, password and name entry:
soft, low-contrast clouds, so that pictures, light text and the rising hearts all read on it."""
from ..canvas import radial
from ..figures import landscape as L
from ..shapes import box, circle

TOP = (58, 78, 140)
BOTTOM = (34, 44, 96)
CLOUD = (88, 108, 170)


def draw(c):
    L.sky(c, TOP, BOTTOM)
    c.fill(box(0, 0, 640, 480), radial((86, 108, 172), BOTTOM, (320, 200), 420), opacity=0.5)
    for x, y, w in ((100, 120, 180), (470, 80, 220), (330, 300, 260), (80, 420, 200), (560, 400, 180)):
        h = w * 0.3
        puff = (circle(x - w * 0.25, y - h * 0.3, h * 0.45) + circle(x, y - h * 0.55, h * 0.65)
                + circle(x + w * 0.25, y - h * 0.35, h * 0.5) + box(x - w * 0.35, y - h * 0.4, x + w * 0.35, y))
        c.fill(puff, CLOUD, opacity=0.35)
    for i in range(40):
        x, y = (i * 211 + 37) % 640, (i * 97 + 11) % 480
        c.fill(circle(x, y, 0.9 + (i % 3) * 0.35), (190, 200, 240), opacity=0.35)
