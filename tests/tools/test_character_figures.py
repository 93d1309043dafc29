"""Checks of the posable figures the characters are drawn with: arms reach what they hold, feet
stay on the ground whatever the legs do, a tumbling figure turns about its middle, and a frame
copied from its mirrored twin is the drawing itself."""
import itertools
import os
import sys
import unittest

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "tools"))

from art.canvas import Canvas  # noqa: E402
from art.figures.person import Build, Look, Pose, Skeleton, add, along, draw_person, reach  # noqa: E402
from art.sprites._twins import twin  # noqa: E402

LOOK = Look(Build(), top=((200, 60, 60), (150, 40, 40)), legs=((60, 90, 200), (40, 60, 150)))


class PersonTest(unittest.TestCase):
    def test_reach_puts_the_hand_on_the_target(self):
        shoulder, length = (1.0, -30.0), 7.5
        for dx, dy in itertools.product((-9.0, -3.0, 2.0, 8.0, 12.0), (-10.0, -1.0, 6.0)):
            if dx * dx + dy * dy >= (2 * length) ** 2:
                continue
            target = (shoulder[0] + dx, shoulder[1] + dy)
            upper, fore = reach(shoulder, target, length)
            hand = add(add(shoulder, along(upper, length)), along(fore, length))
            self.assertAlmostEqual(hand[0], target[0], places=6)
            self.assertAlmostEqual(hand[1], target[1], places=6)

    def test_a_target_out_of_reach_gets_a_straight_arm_towards_it(self):
        upper, fore = reach((0.0, 0.0), (40.0, 0.0), 7.5)
        self.assertAlmostEqual(upper, 90.0, places=1)
        self.assertAlmostEqual(fore, 90.0, places=1)

    def test_a_pose_with_hand_targets_holds_them(self):
        bare = Skeleton(LOOK, Pose(), 20.0, 50.0)
        sk = Skeleton(LOOK, Pose(reach=((6.0, 5.0), (-4.0, 8.0))), 20.0, 50.0)
        self.assertAlmostEqual(sk.hands[0][0], bare.neck[0] + 6.0, places=6)
        self.assertAlmostEqual(sk.hands[1][1], bare.neck[1] + 8.0, places=6)

    def test_the_lower_foot_always_stands_on_the_ground(self):
        angles = (-40.0, -20.0, 0.0, 15.0, 35.0)
        for near, far in itertools.product(itertools.product(angles, angles), repeat=2):
            sk = Skeleton(LOOK, Pose(near_leg=near, far_leg=far), 0.0, 0.0)
            self.assertAlmostEqual(max(a[1] for a in sk.ankles), -2.35, places=6, msg=f"{near} {far}")

    def test_drawn_feet_touch_the_ground_line(self):
        c = Canvas(44, 56)
        draw_person(c, LOOK, Pose(near_leg=(26.0, 8.0), far_leg=(-22.0, -34.0)), 22.0, 56.0)
        alpha = np.asarray(c.image())[..., 3]
        self.assertGreaterEqual(alpha[-1].max(), 128, "the shoes must reach the bottom row")

    def test_tumbling_turns_about_the_middle(self):
        pose = Pose(near_leg=(40.0, 10.0), far_leg=(-30.0, -40.0))
        still = Skeleton(LOOK, pose, 14.0, 30.0)
        middle = (0.0, still.hip[1] - LOOK.build.torso * 0.4)
        for turn in (0.0, 90.0, 200.0):
            sk = Skeleton(LOOK, pose, 14.0, 30.0, spin=turn)
            self.assertEqual(sk.point(middle), still.point(middle))

    def test_a_scaled_build_scales_every_length(self):
        b = Build()
        half = b.scaled(0.5)
        for name, value in b.__dict__.items():
            self.assertAlmostEqual(getattr(half, name), value * 0.5, msg=name)


class TwinTest(unittest.TestCase):
    def draw(self, c):
        draw_person(c, LOOK, Pose(mood="laugh"), 22.0, c.height)

    def test_a_copied_twin_is_the_drawing_itself(self):
        fresh = Canvas(44, 56)
        self.draw(fresh)
        drawn = twin(("twin test", 1), self.draw)
        first, second = Canvas(44, 56), Canvas(44, 56)
        drawn(first)
        drawn(second)
        for c in (first, second):
            np.testing.assert_array_equal(c.rgb, fresh.rgb)
            np.testing.assert_array_equal(c.alpha, fresh.alpha)
            self.assertEqual(c.parts, fresh.parts)

    def test_another_canvas_size_is_drawn_afresh(self):
        drawn = twin(("twin test", 2), self.draw)
        drawn(Canvas(44, 56))
        small = Canvas(40, 50)
        drawn(small)
        fresh = Canvas(40, 50)
        self.draw(fresh)
        np.testing.assert_array_equal(small.alpha, fresh.alpha)


if __name__ == "__main__":
    unittest.main()
