#pragma once

class CMapEntitiesCollection;

// Shakes water drops ("KAPKA") out of the sky onto the level: one for each whole step below
// 45 / difficulty factor (29 on easy, 35 on medium, 45 on hard), each at a random place up to
// 300 px above the screen.
void dropShower(CMapEntitiesCollection& level);
