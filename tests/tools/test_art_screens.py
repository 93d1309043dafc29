"""Checks of the committed screen images: the size, opacity and colour-key rules of full-screen
pictures, and calm, dark areas wherever the game writes its light lettering over them."""
import os
import unittest

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
SCREENS = ("intro.png", "outro.png", "blankbg.png", "zq.png")

# (picture, area x0, y0, x1, y1) where text is written: the menu and high-score table on the
# title screen, the two ending lines, the word " uvadi" under the studio logo.
TEXT_AREAS = [
    ("intro.png", (60, 240, 335, 460)),
    ("intro.png", (350, 240, 592, 460)),
    ("outro.png", (95, 15, 520, 80)),
    ("zq.png", (245, 430, 420, 460)),
]


def luminance(pixels):
    return pixels[..., :3].astype(float) @ [0.299, 0.587, 0.114]


class ScreenImageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.images = {name: Image.open(os.path.join(GAME, name)) for name in SCREENS}

    def test_full_screen_opaque_and_free_of_the_colour_key(self):
        for name, img in self.images.items():
            with self.subTest(picture=name):
                self.assertEqual(img.size, (640, 480))
                rgba = np.asarray(img.convert("RGBA"))
                self.assertTrue(np.all(rgba[..., 3] == 255), "not fully opaque")
                cyan = np.all(rgba[..., :3] == (0, 255, 255), axis=-1)
                self.assertFalse(cyan.any(), "pure cyan would let the last frame show through")

    def test_text_areas_are_calm_and_dark_enough_for_light_letters(self):
        for name, (x0, y0, x1, y1) in TEXT_AREAS:
            with self.subTest(picture=name, area=(x0, y0, x1, y1)):
                lum = luminance(np.asarray(self.images[name].convert("RGB"))[y0:y1, x0:x1])
                self.assertLess(lum.std(), 14, "too busy behind the text")
                self.assertLess(lum.mean(), 110, "too light for the cream and gold letters")

    def test_story_backdrop_is_low_in_contrast(self):
        lum = luminance(np.asarray(self.images["blankbg.png"].convert("RGB")))
        self.assertLess(lum.std(), 16)
        self.assertLess(lum.max() - lum.min(), 90)

    def test_pictures_are_not_blank(self):
        for name in ("intro.png", "outro.png", "zq.png"):
            lum = luminance(np.asarray(self.images[name].convert("RGB")))
            self.assertGreater(lum.std(), 25, f"{name} looks empty")


if __name__ == "__main__":
    unittest.main()
