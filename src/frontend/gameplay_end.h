#pragma once

class CApplication;

// Tells the gameplay state "HRA" to end its level (its end operation), if it is running one.
void endGameplay(CApplication& app);
